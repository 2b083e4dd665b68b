#include "esetupitem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(1, 103, 233); margin-left: 2px; }"
    "QPushButton { text-align: left; margin-left: 2px; }";
}

ESetupItem::ESetupItem(const QString &text, const QString &iconPath, QWidget *parent)
    : QPushButton(parent)
{
    setObjectName(text);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(30);

    m_iconLabel = new QLabel(this);
    m_icon = QPixmap(iconPath);
    if (!m_icon.isNull()) {
        m_icon = m_icon.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_iconLabel->setPixmap(m_icon);
    }
    // The caption keeps its place whether or not a picture loaded.
    m_iconLabel->setFixedWidth(16);
    m_textLabel = new QLabel(text, this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(5);
    layout->addWidget(m_iconLabel);
    layout->addWidget(m_textLabel);

    setStyleSheet(QLatin1String(s_style));
    // On press, not on release: the page changes as the finger lands.
    connect(this, &QPushButton::pressed, this, &ESetupItem::clickedHandler);
}

void ESetupItem::setHighlight(bool on)
{
    m_highlight = on;
    update();
}

void ESetupItem::removePixmap()
{
    m_iconLabel->hide();
}

QString ESetupItem::caption() const
{
    return m_textLabel->text();
}

void ESetupItem::clickedHandler()
{
    Q_EMIT clicked(m_textLabel->text());
}

void ESetupItem::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_highlight)
        return;
    // The labels are children and stay readable on top of the blue.
    QPainter painter(this);
    painter.setBrush(QColor(1, 103, 233));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
