#include "timeindicator.h"

#include <QPainter>

Timeindicator::Timeindicator(QWidget *parent)
    : QWidget(parent)
{
}

void Timeindicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(&painter);
}

void Timeindicator::draw(QPainter *painter)
{
    const int w = width();
    const int h = height();
    const int s = h / 5;
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, Qt::transparent);
    g.setColorAt(0.2, QColor(0x94, 0xc5, 0x16));
    g.setColorAt(0.5, QColor(0x72, 0xaa, 0x00));
    g.setColorAt(0.8, QColor(0xa8, 0xc7, 0x32));
    g.setColorAt(1, Qt::transparent);
    painter->setPen(Qt::NoPen);
    painter->setBrush(g);
    painter->drawRect(QRect(s, s, w - 2 * s, h / 2 - 2 * s));
    painter->drawRect(QRect(s, h / 2 + s, w - 2 * s, h - h / 2 - 2 * s));
}
