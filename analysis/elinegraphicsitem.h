#pragma once

#include <QColor>
#include <QGraphicsItem>

class ELineWidget;
class QGraphicsLineItem;

// A line across the picture as the overlay draws it: a one-pixel line in
// the main colour (grey, red when selected) beside a black one. The item
// itself paints nothing; it owns the line pair's place and its shape.
class ELineGraphicsItem : public QGraphicsItem
{
public:
    enum { Type = 0x10 };

    // Adds its four line items to the owner's scene; id 1 horizontal, 2
    // vertical.
    ELineGraphicsItem(ELineWidget *owner, QGraphicsScene *scene, int id);

    void setPos(int x, int y);
    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    // Shows or hides the pair of this line's direction.
    void setLineVisible(bool visible);
    bool lineVisible() const { return m_visible; }
    ELineWidget *getLineWidget() const { return m_owner; }
    QGraphicsLineItem *mainLine() const;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override { QPainterPath p; p.addRect(boundingRect()); return p; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}

private:
    bool m_highlight = false;
    ELineWidget *m_owner;
    int m_id;
    QGraphicsLineItem *m_horizontal[2];
    QGraphicsLineItem *m_vertical[2];
    bool m_visible = false;
    QColor m_outline = Qt::black;
    QColor m_main = Qt::gray;
};
