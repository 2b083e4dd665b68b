#include "qticonbutton.h"

#include <QPainter>

QTIconButton::QTIconButton(QWidget *parent)
    : QWidget(parent)
{
    init();
}

void QTIconButton::init()
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setStyleSheet(QStringLiteral("border-image: url(:/images/001.png);"));
    // The frame comes from the style sheet, which plain widgets paint only
    // with this attribute.
    setAttribute(Qt::WA_StyledBackground);
}

void QTIconButton::set_IconName(const QString &path)
{
    m_image = QImage(path).scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void QTIconButton::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage((width() - m_image.width()) / 2, 0, m_image);
}
