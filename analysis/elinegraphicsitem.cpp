#include "elinegraphicsitem.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>

ELineGraphicsItem::ELineGraphicsItem(ELineWidget *owner, QGraphicsScene *scene, int id)
    : m_owner(owner)
    , m_id(id)
{
    setZValue(2);
    m_horizontal[0] = new QGraphicsLineItem(0, 120, 320, 120);
    m_horizontal[1] = new QGraphicsLineItem(0, 121, 320, 121);
    m_vertical[0] = new QGraphicsLineItem(160, 16, 160, 240);
    m_vertical[1] = new QGraphicsLineItem(161, 16, 161, 240);
    for (QGraphicsLineItem *line : {m_horizontal[0], m_horizontal[1], m_vertical[0], m_vertical[1]}) {
        line->setZValue(2);
        line->hide();
        if (scene)
            scene->addItem(line);
    }
    m_horizontal[0]->setPen(QPen(m_main, 1));
    m_vertical[0]->setPen(QPen(m_main, 1));
    m_horizontal[1]->setPen(QPen(m_outline, 1));
    m_vertical[1]->setPen(QPen(m_outline, 1));
}

QGraphicsLineItem *ELineGraphicsItem::mainLine() const
{
    return m_id == 2 ? m_vertical[0] : m_horizontal[0];
}

void ELineGraphicsItem::setPos(int x, int y)
{
    if (m_id == 1) {
        m_horizontal[0]->setLine(0, y, 320, y);
        m_horizontal[1]->setLine(0, y + 1, 320, y + 1);
    } else if (m_id == 2) {
        m_vertical[0]->setLine(x, 16, x, 240);
        m_vertical[1]->setLine(x + 1, 16, x + 1, 240);
    }
    QGraphicsItem::setPos(x, y);
}

void ELineGraphicsItem::setHighlight(bool on)
{
    m_highlight = on;
    m_main = on ? QColor(Qt::red) : QColor(Qt::gray);
    m_horizontal[0]->setPen(QPen(m_main, 1));
    m_vertical[0]->setPen(QPen(m_main, 1));
}

void ELineGraphicsItem::setLineVisible(bool visible)
{
    m_visible = visible;
    QGraphicsLineItem *const *pair = m_id == 2 ? m_vertical : m_horizontal;
    pair[0]->setVisible(visible);
    pair[1]->setVisible(visible);
    setVisible(visible);
}

QRectF ELineGraphicsItem::boundingRect() const
{
    return m_id == 2 ? QRectF(-20, -120, 40, 240) : QRectF(-160, -20, 320, 40);
}
