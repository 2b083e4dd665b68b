#include "elinearrowitem.h"

#include <QPainter>

ELineArrowItem::ELineArrowItem(ELineWidget *owner, int id)
    : m_owner(owner)
    , m_id(id)
{
    setZValue(3);
}

void ELineArrowItem::setHighlight(bool on)
{
    m_highlight = on;
    m_fill = on ? QColor(Qt::red) : QColor(Qt::gray);
    update();
}

void ELineArrowItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setPen(QPen(m_fill, 1));
    painter->setBrush(m_fill);
    if (m_id == 2)
        painter->drawPolygon(QPolygonF({QPointF(0, 0), QPointF(7, -7), QPointF(7, 7)}));
    else
        painter->drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-7, 7), QPointF(7, 7)}));
}
