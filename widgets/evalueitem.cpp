#include "evalueitem.h"

#include "earrowbutton.h"
#include "elabel.h"

#include <QHBoxLayout>
#include <QTimer>

namespace {
const int s_rowHeight = 48;
const int s_repeatMs = 200;
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

    m_downTimer = new QTimer(this);
    m_upTimer = new QTimer(this);
    connect(m_left, &QPushButton::pressed, this, &EValueItem::downPress);
    connect(m_right, &QPushButton::pressed, this, &EValueItem::upPress);
    connect(m_left, &QPushButton::released, this, &EValueItem::downRelease);
    connect(m_right, &QPushButton::released, this, &EValueItem::upRelease);
    connect(m_downTimer, &QTimer::timeout, this, &EValueItem::mouseLongPressDown);
    connect(m_upTimer, &QTimer::timeout, this, &EValueItem::mouseLongPressUp);
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

// The stride grows at fixed tick counts: 1, then 2 from the 5th tick, 10 from
// the 10th, 100 from the 20th.
void EValueItem::accelerate()
{
    ++m_ticks;
    if (m_ticks == 5)
        m_step *= 2;
    else if (m_ticks == 10)
        m_step *= 5;
    else if (m_ticks == 20)
        m_step *= 10;
}

void EValueItem::downPress()
{
    m_downTimer->start(s_repeatMs);
    m_ticks = 0;
}

void EValueItem::upPress()
{
    m_upTimer->start(s_repeatMs);
    m_ticks = 0;
}

void EValueItem::mouseLongPressDown()
{
    accelerate();
    m_downLongPress = true;
    m_value -= m_step;
    if (m_value < m_minimum)
        m_value = m_minimum;
    showValue();
    Q_EMIT valueChanged(m_value);
}

void EValueItem::mouseLongPressUp()
{
    accelerate();
    m_upLongPress = true;
    m_value += m_step;
    if (m_value > m_maximum)
        m_value = m_maximum;
    showValue();
    Q_EMIT valueChanged(m_value);
}

void EValueItem::downRelease()
{
    m_downTimer->stop();
    if (m_downLongPress) {
        m_step = 1;
        m_downLongPress = false;
        return;
    }
    m_value -= 1;
    m_step = 1;
    if (m_value < m_minimum)
        m_value = m_minimum;
    showValue();
    Q_EMIT valueChanged(m_value);
}

void EValueItem::upRelease()
{
    m_upTimer->stop();
    if (m_upLongPress) {
        m_step = 1;
        m_upLongPress = false;
        return;
    }
    m_value += 1;
    m_step = 1;
    if (m_value > m_maximum)
        m_value = m_maximum;
    showValue();
    Q_EMIT valueChanged(m_value);
}

// A row hidden under the finger never sees the release: end the repeat here
// so the value stops moving while nobody can see it.
void EValueItem::stopRepeat()
{
    m_downTimer->stop();
    m_upTimer->stop();
    // Without this a release delivered later would count as a short click.
    m_left->setDown(false);
    m_right->setDown(false);
    m_downLongPress = false;
    m_upLongPress = false;
    m_step = 1;
    m_ticks = 0;
}

void EValueItem::hideEvent(QHideEvent *event)
{
    stopRepeat();
    QWidget::hideEvent(event);
}
