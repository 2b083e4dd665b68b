#pragma once

#include <QGraphicsItem>

class EAreaWidget;

// An area's rectangle, drawn as four corner brackets; its position is the
// rectangle's centre. Its shape reaches 12 pixels beyond each edge so a
// touch near the rectangle still takes it.
class EAreaGraphicsItem : public QGraphicsItem
{
public:
    enum { Type = 0x1000 };
    // Corners for the resize highlight; anything else is none.
    enum { BottomRight = 0, BottomLeft = 1, TopRight = 2, TopLeft = 3, NoCorner = -1, TouchReleased = -2 };

    EAreaGraphicsItem(EAreaWidget *owner, int width, int height);

    void setWidth(int width);
    void setHeight(int height);
    void setHighlight(bool on);
    bool highlight() const { return m_highlight; }
    void setHighlightPosition(int corner);
    int highlightPosition() const { return m_corner; }
    EAreaWidget *getAreaWidget() const { return m_owner; }

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    void drawCorner(QPainter *painter, int cornerX, int cornerY, int dx, int dy, bool marked);

    bool m_highlight = false;
    EAreaWidget *m_owner;
    int m_height;
    int m_width;
    int m_corner = NoCorner;
};
