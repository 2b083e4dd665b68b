#pragma once

#include <QGraphicsItem>

// The hottest (kind 1) or coldest (kind 2) pixel of an area: a small
// diamond that never catches a touch.
class QColor;

class EAreaItem : public QGraphicsItem
{
public:
    enum { MaxMarker = 1, MinMarker = 2 };

    explicit EAreaItem(int kind);

    int kind() const { return m_kind; }
    // A black diamond of radius 5 around one of radius 4 in the given
    // colour: the Max and Min marks of areas and spots.
    static void paintDiamond(QPainter *painter, const QColor &inner);
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    int m_kind;
};
