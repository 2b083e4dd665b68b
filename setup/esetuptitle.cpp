#include "esetuptitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); margin-left: 0px; }"
    "QLabel { background-color: rgba(0, 0, 0, 0); color: white; }";
}

ESetupTitle::ESetupTitle(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    m_captionLabel = new QLabel(this);
    m_captionLabel->setObjectName(QStringLiteral("Title"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addWidget(m_captionLabel);
    layout->addStretch();

    // Not in the layout: no page shows it.
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("Cancel"));
    m_cancelButton->setFixedWidth(48);
    m_cancelButton->setIcon(QIcon(QStringLiteral(":/images/setup_cancel.png")));
    m_cancelButton->setIconSize(QSize(48, 48));
    m_cancelButton->setFlat(true);
    m_cancelButton->setFocusPolicy(Qt::NoFocus);
    m_cancelButton->hide();

    setStyleSheet(QLatin1String(s_style));
    connect(m_cancelButton, &QPushButton::clicked, this, &ESetupTitle::cancel);
}

void ESetupTitle::setText(const QString &text)
{
    m_captionLabel->setText(text);
}

QString ESetupTitle::text() const
{
    return m_captionLabel->text();
}

ESetupTitle *ESetupTitle::addToPage(QWidget *page, const QString &caption)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *bar = new ESetupTitle(page);
    bar->setFixedHeight(24);
    bar->setText(caption);
    layout->addWidget(bar);
    layout->addStretch();
    return bar;
}

void ESetupTitle::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(QRectF(-2.0, -4.0, width() + 6, height() + 12), QPixmap(QStringLiteral(":/images/setup_title.png")),
                       QRectF());
}
