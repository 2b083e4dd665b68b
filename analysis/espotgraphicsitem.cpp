#include "espotgraphicsitem.h"

#include "eareaitem.h"

#include <QPainter>

ESpotGraphicsItem::ESpotGraphicsItem(ESpotWidget *owner)
    : m_owner(owner)
{
    setZValue(4);
}

void ESpotGraphicsItem::setHighlight(bool on)
{
    if (on == m_highlight)
        return;
    m_highlight = on;
    update();
}

void ESpotGraphicsItem::setMode(int mode)
{
    m_mode = mode;
    update();
}

QRectF ESpotGraphicsItem::boundingRect() const
{
    return QRectF(-15.5, -15.5, 31, 31);
}

QPainterPath ESpotGraphicsItem::shape() const
{
    QPainterPath path;
    path.addRect(QRectF(-15, -15, 30, 30));
    return path;
}

void ESpotGraphicsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_mode == 1 || m_mode == 2) {
        EAreaItem::paintDiamond(painter, m_mode == 1 ? QColor(255, 0, 255) : QColor(Qt::green));
        return;
    }
    const QColor centre = m_highlight ? QColor(Qt::red) : QColor(Qt::gray);
    painter->setPen(QPen(centre, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(QRectF(-3, -3, 6, 6));
    // Four arms, each a centre-colour line flanked by black ones.
    for (int turn = 0; turn < 4; ++turn) {
        painter->save();
        painter->rotate(90 * turn);
        painter->setPen(QPen(centre, 1));
        painter->drawLine(QLineF(0, -3, 0, -11));
        painter->setPen(QPen(Qt::black, 1));
        painter->drawLine(QLineF(-1, -4, -1, -11));
        painter->drawLine(QLineF(1, -4, 1, -11));
        painter->restore();
    }
}
