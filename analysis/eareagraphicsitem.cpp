#include "eareagraphicsitem.h"

#include <QPainter>

#include <cmath>

EAreaGraphicsItem::EAreaGraphicsItem(EAreaWidget *owner, int width, int height)
    : m_owner(owner)
    , m_height(height)
    , m_width(width)
{
    setZValue(3);
}

void EAreaGraphicsItem::setWidth(int width)
{
    prepareGeometryChange();
    m_width = width;
    update();
}

void EAreaGraphicsItem::setHeight(int height)
{
    prepareGeometryChange();
    m_height = height;
    update();
}

void EAreaGraphicsItem::setHighlight(bool on)
{
    if (on == m_highlight)
        return;
    m_highlight = on;
    update();
}

void EAreaGraphicsItem::setHighlightPosition(int corner)
{
    m_corner = corner;
    if (corner == TouchReleased)
        update();
}

QRectF EAreaGraphicsItem::boundingRect() const
{
    return QRectF(-m_width / 2.0 - 12, -m_height / 2.0 - 12, m_width + 24, m_height + 24);
}

QPainterPath EAreaGraphicsItem::shape() const
{
    QPainterPath path;
    path.addRect(QRect(-m_width / 2 - 12, -m_height / 2 - 12, m_width + 24, m_height + 24));
    return path;
}

// Three nested L strokes one pixel apart; (dx, dy) point from the corner
// along the two edges into the rectangle.
void EAreaGraphicsItem::drawCorner(QPainter *painter, int cx, int cy, int dx, int dy, bool marked)
{
    const int arm = marked ? 8 : 10;
    const QColor middle = marked ? QColor(Qt::black) : (m_highlight ? QColor(Qt::red) : QColor(Qt::gray));
    const QColor colours[3] = {marked ? QColor(Qt::white) : QColor(Qt::black), middle, QColor(Qt::black)};
    for (int out = 0; out < 3; ++out) {
        const int x = cx - out * dx;
        const int y = cy - out * dy;
        painter->setPen(QPen(colours[out], 1));
        painter->drawLine(x, y, cx + arm * dx, y);
        painter->drawLine(x, y, x, cy + arm * dy);
    }
}

void EAreaGraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (!m_highlight)
        m_corner = NoCorner;
    const int x0 = -int(std::ceil(m_width / 2.0));
    const int y0 = -int(std::ceil(m_height / 2.0));
    const int x1 = x0 + m_width;
    const int y1 = y0 + m_height;
    drawCorner(painter, x0, y0, 1, 1, m_corner == TopLeft);
    drawCorner(painter, x1, y0, -1, 1, m_corner == TopRight);
    drawCorner(painter, x0, y1, 1, -1, m_corner == BottomLeft);
    drawCorner(painter, x1, y1, -1, -1, m_corner == BottomRight);
}
