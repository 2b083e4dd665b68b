#include "eadjusttempitem.h"

#include "earrowbutton.h"
#include "elabel.h"

#include <QHBoxLayout>

namespace {
const int s_rowHeight = 48;
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 0px; }"
    "QPushButton { background-color: rgba(0,0,0,255); margin-left: 0px; }"
    "QPushButton#Right, QPushButton#Left { background-color: rgba(0,0,0,0); }"
    "QPushButton#Right:pressed, QPushButton#Left:pressed { background-color: rgb(0, 255, 0); }";
}

EAdjustTempItem::EAdjustTempItem(const QString &text, QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    setObjectName(text);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(s_rowHeight);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_caption = new ELabel(text, this);
    m_caption->setFixedHeight(s_rowHeight - 4);
    m_left = EArrowButton::create(EArrowButton::Left, this, s_rowHeight, s_rowHeight, s_rowHeight);
    m_right = EArrowButton::create(EArrowButton::Right, this, s_rowHeight, s_rowHeight, s_rowHeight);

    layout->addWidget(m_caption, 1);
    layout->addStretch();
    layout->addWidget(m_left);
    layout->addSpacing(5);
    layout->addWidget(m_right);

    setCustomStyleSheet(0);
    connect(m_left, &QPushButton::pressed, this, &EAdjustTempItem::signal_downPress);
    connect(m_right, &QPushButton::pressed, this, &EAdjustTempItem::signal_upPress);
    connect(m_left, &QPushButton::released, this, &EAdjustTempItem::signal_downRelease);
    connect(m_right, &QPushButton::released, this, &EAdjustTempItem::signal_upRelease);
}

void EAdjustTempItem::setRange(float min, float max)
{
    m_minimum = min;
    m_maximum = max;
}

void EAdjustTempItem::setText(const QString &text)
{
    m_caption->setText(text);
}

QString EAdjustTempItem::text() const
{
    return m_caption->text();
}

void EAdjustTempItem::setCustomStyleSheet(int)
{
    setStyleSheet(QLatin1String(s_style));
}
