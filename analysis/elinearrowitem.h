#pragma once

#include <QColor>
#include <QGraphicsItem>

class ELineWidget;

// The cursor of a line: a small filled triangle pointing at the line from
// below (line 1) or from the right (line 2).
class ELineArrowItem : public QGraphicsItem
{
public:
    enum { Type = 0x11 };

    ELineArrowItem(ELineWidget *owner, int id);

    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    ELineWidget *getLineWidget() const { return m_owner; }

    int type() const override { return Type; }
    QRectF boundingRect() const override { return QRectF(-20, -20, 40, 40); }
    QPainterPath shape() const override { QPainterPath p; p.addRect(boundingRect()); return p; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    bool m_highlight = false;
    ELineWidget *m_owner;
    int m_id;
    QColor m_fill = Qt::gray;
};
