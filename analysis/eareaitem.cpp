#include "eareaitem.h"

#include <QPainter>

EAreaItem::EAreaItem(int kind)
    : m_kind(kind)
{
    setZValue(2);
}

QRectF EAreaItem::boundingRect() const
{
    return QRectF(-5.5, -5.5, 11, 11);
}

QPainterPath EAreaItem::shape() const
{
    return QPainterPath();
}

void EAreaItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_kind != MaxMarker && m_kind != MinMarker)
        return;
    paintDiamond(painter, m_kind == MaxMarker ? QColor(255, 0, 255) : QColor(0, 255, 0));
}

void EAreaItem::paintDiamond(QPainter *painter, const QColor &inner)
{
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::black, 1));
    painter->drawPolygon(QPolygonF({QPointF(0, -5), QPointF(-5, 0), QPointF(0, 5), QPointF(5, 0)}));
    painter->setPen(QPen(inner, 1));
    painter->drawPolygon(QPolygonF({QPointF(0, -4), QPointF(-4, 0), QPointF(0, 4), QPointF(4, 0)}));
}
