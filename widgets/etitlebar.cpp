#include "etitlebar.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

ETitleBar::ETitleBar(QWidget *parent, Qt::WindowFlags flags, const QMargins &bleed)
    : QWidget(parent, flags)
    , m_captionLabel(new QLabel(this))
    , m_bleed(bleed)
{
    m_captionLabel->setObjectName(QStringLiteral("Title"));
}

QPushButton *ETitleBar::makePictureCancel()
{
    auto *button = new QPushButton(this);
    button->setObjectName(QStringLiteral("Cancel"));
    button->setFixedWidth(48);
    button->setIcon(QIcon(QStringLiteral(":/images/setup_cancel.png")));
    button->setIconSize(QSize(48, 48));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, &ETitleBar::cancel);
    return button;
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
