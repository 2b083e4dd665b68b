#include "echeckitem.h"

#include <QPainter>

namespace {
const char *const s_style =
    "QWidget { background-color: rgba(0,0,0,5); }"
    "QPushButton:pressed { background-color: rgb(0, 255, 0); }"
    "QPushButton { text-align: left; color: white; background-color: rgb(255, 0, 0); }";
}

ECheckItem::ECheckItem(const QString &text, QWidget *parent, int inset)
    : QPushButton(text, parent)
    , m_inset(inset != 0)
{
    setObjectName(text);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(48);
    connect(this, &QPushButton::clicked, this, &ECheckItem::clickedHandler);
    setStyleSheet(QLatin1String(s_style));
}

void ECheckItem::setChecked(bool on)
{
    m_checked = on;
    update();
}

void ECheckItem::removeCheck()
{
    m_checkRemoved = true;
    update();
}

void ECheckItem::clickedHandler()
{
    Q_EMIT clicked(text());
    Q_EMIT clicked(m_checked);
}

void ECheckItem::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (m_checkRemoved)
        return;
    QPainter painter(this);
    const QPixmap tick(m_checked ? QStringLiteral(":images/item_checked.png") : QStringLiteral(":images/unchecked.png"));
    painter.drawPixmap(width() - (m_inset ? 38 : 32), (height() - 24) / 2, tick);
}
