#include "esetupcheckitem.h"

#include <QPainter>
#include <QtDebug>

namespace {
// What the three row kinds share; %1 is the border and corner part.
const char *const s_style =
    "QPushButton { text-align: left; margin-left: 10px; margin-right: 10px; padding: 4px;"
    " background-color: rgb(255, 255, 255); border-style: solid; border-color: #8f8f91; %1 }"
    "QPushButton:pressed { background-color: rgb(1, 103, 233); color: white;"
    " margin-left: 10px; margin-right: 10px; padding: 4px; }";
const char *const s_first = "border-width: 1px 1px 1px 1px; border-top-left-radius: 6px; border-top-right-radius: 6px;";
const char *const s_middle = "border-width: 0px 1px 1px 1px; border-radius: 0px;";
const char *const s_last =
    "border-width: 0px 1px 1px 1px; border-bottom-left-radius: 6px; border-bottom-right-radius: 6px;";
} // namespace

ESetupCheckItem::ESetupCheckItem(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setObjectName(text);
    setFlat(true);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QPushButton::clicked, this, &ESetupCheckItem::clickedHandler);
    setCustomStyle();
}

void ESetupCheckItem::setChecked(bool on)
{
    m_checked = on;
    update();
}

void ESetupCheckItem::setFirstItem()
{
    m_firstItem = true;
    setCustomStyle();
}

void ESetupCheckItem::setLastItem()
{
    m_lastItem = true;
    setCustomStyle();
}

void ESetupCheckItem::setCustomStyle()
{
    const char *border = m_firstItem ? s_first : s_middle;
    if (m_lastItem)
        border = s_last;
    setStyleSheet(QString::fromLatin1(s_style).arg(QLatin1String(border)));
}

// A move whose release never came (the row was hidden under the finger)
// must not swallow the next tap.
void ESetupCheckItem::mousePressEvent(QMouseEvent *event)
{
    m_moved = false;
    QPushButton::mousePressEvent(event);
}

void ESetupCheckItem::mouseMoveEvent(QMouseEvent *event)
{
    qWarning("esetupcheckitem.cpp: ESetupCheckItem::mouseMoveEvent");
    m_moved = true;
    QPushButton::mouseMoveEvent(event);
}

// Reports before the button's own released()/clicked(), wherever the
// finger is lifted.
void ESetupCheckItem::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_moved)
        m_moved = false;
    else
        Q_EMIT clicked(m_itemIndex);
    QPushButton::mouseReleaseEvent(event);
}

void ESetupCheckItem::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    if (!m_checked)
        return;
    QPainter painter(this);
    const QPixmap mark = QPixmap(QStringLiteral(":images/item_checked.png")).scaled(16, 16, Qt::IgnoreAspectRatio);
    painter.drawPixmap(width() - 30, (height() - 16) / 2, mark);
}
