#include "etabwidget.h"

#include <QPainter>

namespace {
const QColor s_openBlue(1, 103, 233);
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); margin-left: 0px; padding-left: 0px; }"
    "QPushButton { text-align: left; margin-left: 0px; }";
}

ETabWidget::ETabWidget(QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(32);
    setFixedWidth(32);
    setStyleSheet(QLatin1String(s_style));
    connect(this, &QPushButton::pressed, this, &ETabWidget::clickedHandler);
}

void ETabWidget::setSmallPixmap(const QPixmap &pixmap)
{
    m_small = pixmap;
    update();
}

void ETabWidget::setBigPixmap(const QPixmap &pixmap)
{
    m_big = pixmap;
    update();
}

void ETabWidget::setOpen(bool open)
{
    m_open = open;
    update();
}

void ETabWidget::setHighlight(bool on)
{
    m_highlight = on;
    update();
}

void ETabWidget::clickedHandler()
{
    Q_EMIT clicked(objectName());
}

void ETabWidget::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    if (m_open) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(s_openBlue);
        painter.drawRect(rect());
        if (!m_big.isNull())
            painter.drawPixmap(rect(), m_big);
    } else if (!m_small.isNull()) {
        painter.drawPixmap(rect(), m_small);
    }
}

void ETabWidget::keyPressEvent(QKeyEvent *event)
{
    QPushButton::keyPressEvent(event);
}

void ETabWidget::keyReleaseEvent(QKeyEvent *event)
{
    QPushButton::keyReleaseEvent(event);
}
