#pragma once

#include <QGraphicsPixmapItem>

// The live view's logo, above the other overlay items; a touch anywhere on
// its rectangle hits it, transparent pixels included.
class EGraphicsLogoItem : public QGraphicsPixmapItem
{
public:
    explicit EGraphicsLogoItem(const QPixmap &pixmap, QGraphicsItem *parent = nullptr);

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
};
