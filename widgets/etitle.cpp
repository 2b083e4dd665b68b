#include "etitle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
const int s_buttonWidth = 48;
const char *const s_style =
    "QPushButton#Cancel, QPushButton#Cancel:pressed { background-color: rgb(1, 103, 233); margin-left: 0px; padding-left: 0px; }"
    "QLabel { background-color: rgba(0,0,0, 0); color: white; }";
}

ETitle::ETitle(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_cancel->setFixedWidth(s_buttonWidth);
    m_cancel->setIcon(QIcon(QStringLiteral(":/images/setup_cancel.png")));
    m_cancel->setIconSize(QSize(s_buttonWidth, s_buttonWidth));

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("Title"));
    // Long titles are clipped by the label, never pushed aside.
    m_title->setMinimumWidth(0);
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    layout->addSpacing(s_buttonWidth);
    layout->addStretch();
    layout->addWidget(m_title, 1, Qt::AlignHCenter);
    layout->addStretch();
    layout->addWidget(m_cancel, 0, Qt::AlignVCenter);

    m_cancel->setFlat(true);
    m_cancel->setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QLatin1String(s_style));
    connect(m_cancel, &QPushButton::clicked, this, &ETitle::cancel);
}

void ETitle::setText(const QString &text)
{
    m_title->setText(text);
}

QString ETitle::text() const
{
    return m_title->text();
}

void ETitle::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(QRect(-2, -4, width() + 6, height() + 12), QPixmap(QStringLiteral(":/images/setup_title.png")));
}
