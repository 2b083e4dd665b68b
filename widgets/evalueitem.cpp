#include "evalueitem.h"

#include "arrowrepeat.h"
#include "earrowbutton.h"
#include "elabel.h"

#include <QHBoxLayout>

namespace {
const int s_rowHeight = 48;
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 0px; }"
    "QPushButton { background-color: rgba(0,0,0,255); margin-left: 0px; text-align: center; }"
    "QPushButton#Right, QPushButton#Left { background-color: rgba(0,0,0,0); }"
    "QPushButton#Right:pressed, QPushButton#Left:pressed { background-color: rgb(0, 255, 0); }";
}

EValueItem::EValueItem(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(text);
    setFocusPolicy(Qt::NoFocus);
    setFixedHeight(s_rowHeight);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_caption = new ELabel(text, this);
    m_caption->setFixedHeight(s_rowHeight - 4);
    m_left = EArrowButton::create(EArrowButton::Left, this, s_rowHeight, s_rowHeight, s_rowHeight);
    m_valueLabel = new ELabel(QStringLiteral(" "), this);
    m_valueLabel->setFixedHeight(s_rowHeight - 4);
    m_valueLabel->setObjectName(QStringLiteral("Value"));
    m_right = EArrowButton::create(EArrowButton::Right, this, s_rowHeight, s_rowHeight, s_rowHeight);

    layout->addWidget(m_caption, 0);
    layout->addWidget(m_valueLabel, 1);
    layout->addWidget(m_left, 0);
    layout->addSpacing(5);
    layout->addWidget(m_right, 0);

    setCustomStyleSheet(0);

    m_repeat = new ArrowRepeat(m_left, m_right, this);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, &EValueItem::step);
    connect(m_left, &QPushButton::pressed, this, &EValueItem::downPress);
    connect(m_right, &QPushButton::pressed, this, &EValueItem::upPress);
    connect(m_left, &QPushButton::released, this, &EValueItem::downRelease);
    connect(m_right, &QPushButton::released, this, &EValueItem::upRelease);
}

void EValueItem::setRange(int min, int max)
{
    m_minimum = min;
    m_maximum = max;
}

void EValueItem::setValue(int value)
{
    m_value = value;
    showValue();
}

void EValueItem::setText(const QString &text)
{
    m_caption->setText(text);
}

QString EValueItem::text() const
{
    return m_caption->text();
}

void EValueItem::setCustomStyleSheet(int)
{
    setStyleSheet(QLatin1String(s_style));
}

void EValueItem::showValue()
{
    m_valueLabel->setText(QStringLiteral("%1").arg(m_value) + m_suffix);
}

// The stride grows at fixed tick counts: 1 for a short click and the first
// ticks, 2 from the 5th tick, 10 from the 10th, 100 from the 20th. Only the
// end the value moves towards is enforced, so a value shown beyond the range
// comes back into it one step at a time.
void EValueItem::step(int direction, int ticks)
{
    const int stride = ticks < 5 ? 1 : ticks < 10 ? 2 : ticks < 20 ? 10 : 100;
    m_value += direction * stride;
    if (direction < 0 && m_value < m_minimum)
        m_value = m_minimum;
    else if (direction > 0 && m_value > m_maximum)
        m_value = m_maximum;
    showValue();
    Q_EMIT valueChanged(m_value);
}

void EValueItem::downPress()
{
    m_repeat->press(-1);
}

void EValueItem::upPress()
{
    m_repeat->press(+1);
}

void EValueItem::mouseLongPressDown()
{
    m_repeat->tick(-1);
}

void EValueItem::mouseLongPressUp()
{
    m_repeat->tick(+1);
}

void EValueItem::downRelease()
{
    m_repeat->release(-1);
}

void EValueItem::upRelease()
{
    m_repeat->release(+1);
}
