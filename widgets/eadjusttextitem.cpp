#include "eadjusttextitem.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QTextOption>

EAdjustTextItem::EAdjustTextItem(QGraphicsScene *scene)
    : QGraphicsTextItem(nullptr)
{
    if (scene)
        scene->addItem(this);
    QFont f = font();
    f.setPointSize(15);
    setFont(f);
    setZValue(1.0);
}

void EAdjustTextItem::setHighLight(bool on)
{
    setDefaultTextColor(on ? Qt::red : Qt::white);
    update();
}

QRectF EAdjustTextItem::boundingRect() const
{
    return QGraphicsTextItem::boundingRect();
}

QPainterPath EAdjustTextItem::shape() const
{
    return QGraphicsTextItem::shape();
}

void EAdjustTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF b = boundingRect();
    painter->setBrush(QBrush(QColor(145, 71, 205, 99)));
    painter->drawRect(QRectF(b.x() - 8, b.y() + 4, b.width() + 6, b.height() - 8));
    painter->drawRect(b);
    painter->drawText(QRectF(b.x(), b.y() + 4, b.width() - 2, b.height() - 8), toPlainText(), QTextOption());

    const QPen pen = painter->pen();
    painter->setPen(Qt::blue);
    painter->drawLine(8, 3, -1, 12);
    painter->drawLine(-1, 12, 8, 21);
    painter->setPen(Qt::red);
    painter->drawLine(8, 4, 0, 12);
    painter->drawLine(0, 12, 8, 20);
    painter->setPen(Qt::blue);
    painter->drawLine(8, 5, 1, 12);
    painter->drawLine(1, 12, 8, 19);
    painter->setPen(pen);
}
