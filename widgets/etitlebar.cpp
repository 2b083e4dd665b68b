#include "etitlebar.h"

#include <QLabel>
#include <QPainter>

ETitleBar::ETitleBar(QWidget *parent, Qt::WindowFlags flags, const QMargins &bleed)
    : QWidget(parent, flags)
    , m_captionLabel(new QLabel(this))
    , m_bleed(bleed)
{
    m_captionLabel->setObjectName(QStringLiteral("Title"));
}

void ETitleBar::setText(const QString &text)
{
    m_captionLabel->setText(text);
}

QString ETitleBar::text() const
{
    return m_captionLabel->text();
}

void ETitleBar::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(QRectF(rect().marginsAdded(m_bleed)), QPixmap(QStringLiteral(":/images/setup_title.png")), QRectF());
}
