#include "volumeinterface.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

VolumeInterface::VolumeInterface(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(40, 120);
    setFocusPolicy(Qt::NoFocus);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setWindowModality(Qt::WindowModal);
}

void VolumeInterface::setVolume(int value)
{
    m_VolumeVal = std::clamp(value, 0, 100);
    update();
}

int VolumeInterface::levelAt(int y)
{
    return y < 10 ? 100 : 110 - std::min(y, 110);
}

void VolumeInterface::mousePressEvent(QMouseEvent *event)
{
    setVolume(levelAt(event->position().toPoint().y()));
    Q_EMIT volumePressEvent();
}

void VolumeInterface::mouseReleaseEvent(QMouseEvent *event)
{
    setVolume(levelAt(event->position().toPoint().y()));
    Q_EMIT volumeReleaseEvent();
}

void VolumeInterface::mouseMoveEvent(QMouseEvent *event)
{
    const int level = levelAt(event->position().toPoint().y());
    setVolume(level);
    Q_EMIT volumeMoveEvent(level);
}

void VolumeInterface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawframe(&painter);
    drawGlobalBg(&painter);
    drawBg(&painter);
    drawSliderBar(&painter);
}

void VolumeInterface::drawframe(QPainter *painter)
{
    painter->setPen(Qt::white);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRect(QPoint(17, 10), QPoint(22, 109)));
}

void VolumeInterface::drawGlobalBg(QPainter *painter)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(228, 228, 228));
    painter->drawRect(QRect(QPoint(18, 10), QPoint(21, 109)));
}

void VolumeInterface::drawBg(QPainter *painter)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(39, 135, 183));
    painter->drawRect(QRect(QPoint(17, 111 - m_VolumeVal), QPoint(21, 110)));
}

void VolumeInterface::drawSliderBar(QPainter *painter)
{
    painter->drawPixmap(QRect(13, 108 - m_VolumeVal, 14, 12), QPixmap(QStringLiteral(":/images/smplayerimages/slider1.bmp")));
}
