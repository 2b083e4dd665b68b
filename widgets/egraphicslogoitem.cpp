#include "egraphicslogoitem.h"

EGraphicsLogoItem::EGraphicsLogoItem(const QPixmap &pixmap, QGraphicsItem *parent)
    : QGraphicsPixmapItem(pixmap, parent)
{
    setZValue(6.0);
}

QRectF EGraphicsLogoItem::boundingRect() const
{
    return QGraphicsPixmapItem::boundingRect();
}

QPainterPath EGraphicsLogoItem::shape() const
{
    QPainterPath path;
    path.addRect(boundingRect());
    return path;
}
