#include "echeckbox.h"

#include <QMouseEvent>
#include <QPainter>

ECheckBox::ECheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
}

void ECheckBox::setHighlight(bool on)
{
    m_highlight = on;
    update();
}

void ECheckBox::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT clicked(m_name);
}

void ECheckBox::paintEvent(QPaintEvent *event)
{
    if (m_highlight) {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawRect(QRect(15, 0, width() - 15, height()));
    }
    QCheckBox::paintEvent(event);
}
