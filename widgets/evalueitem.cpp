#include "evalueitem.h"

#include "arrowrepeat.h"
#include "arrowrow.h"
#include "elabel.h"

#include <QHBoxLayout>
#include <QPushButton>

EValueItem::EValueItem(const QString &text, QWidget *parent)
    : QWidget(parent)
{
    QHBoxLayout *layout = ArrowRow::frame(this, text);
    m_caption = ArrowRow::caption(text, this);
    m_left = ArrowRow::arrow(false, this);
    m_valueLabel = ArrowRow::caption(QStringLiteral(" "), this);
    m_valueLabel->setObjectName(QStringLiteral("Value"));
    m_right = ArrowRow::arrow(true, this);

    layout->addWidget(m_caption, 0);
    layout->addWidget(m_valueLabel, 1);
    layout->addWidget(m_left, 0);
    layout->addSpacing(5);
    layout->addWidget(m_right, 0);

    setCustomStyleSheet(0);

    m_repeat = new ArrowRepeat(m_left, m_right, this);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, &EValueItem::step);
    m_repeat->followArrows();
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
    setStyleSheet(ArrowRow::captionRowStyle(" text-align: center;"));
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
