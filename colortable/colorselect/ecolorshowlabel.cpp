#include "ecolorshowlabel.h"

#include <QPaintEvent>
#include <QPainter>

EColorShowLabel::EColorShowLabel(QWidget *parent)
    : QFrame(parent)
{
}

void EColorShowLabel::setColor(const QColor &color)
{
    m_col = color;
    repaint();
}

void EColorShowLabel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    drawFrame(&p);
    p.fillRect(contentsRect() & event->rect(), m_col);
}
