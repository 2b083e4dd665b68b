#pragma once

#include <QGraphicsItem>

class ESpotWidget;

// The spot's marker: a cross-hair in Manual mode, a magenta (Max) or green
// (Min) diamond otherwise. Touch editing finds spots by its type().
class ESpotGraphicsItem : public QGraphicsItem
{
public:
    enum { Type = 0x100000 };

    explicit ESpotGraphicsItem(ESpotWidget *owner);

    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    void setMode(int mode);
    int mode() const { return m_mode; }
    ESpotWidget *getSpotWidget() const { return m_owner; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    bool m_highlight = false;
    ESpotWidget *m_owner;
    int m_mode = 0;
};
