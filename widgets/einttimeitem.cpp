#include "einttimeitem.h"

#include "arrowrepeat.h"
#include "earrowbutton.h"

#include <QHBoxLayout>
#include <QPushButton>

#include <limits>

namespace {
const int s_height = 30;
const int s_arrowWidth = 32;

int saturatedAdd(int a, qint64 b)
{
    const qint64 sum = qint64(a) + b;
    return int(qBound(qint64(std::numeric_limits<int>::min()), sum, qint64(std::numeric_limits<int>::max())));
}
}

EIntTimeItem::EIntTimeItem(QWidget *parent, bool repeatOnHold)
    : QWidget(parent)
{
    setFixedHeight(s_height);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_left = EArrowButton::create(EArrowButton::Left, this, s_arrowWidth, s_height, 16, 16);
    m_right = EArrowButton::create(EArrowButton::Right, this, s_arrowWidth, s_height, 16, 16);
    m_valueButton = new QPushButton(this);
    m_valueButton->setFlat(true);
    m_valueButton->setFocusPolicy(Qt::NoFocus);
    // The value takes what the arrows leave: the style's minimum for text
    // buttons would push the item past the width it is given.
    m_valueButton->setMinimumWidth(1);

    layout->addWidget(m_left);
    layout->addWidget(m_valueButton);
    layout->addWidget(m_right);

    m_repeat = new ArrowRepeat(m_left, m_right, this);
    m_repeat->setRepeatOnHold(repeatOnHold);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, &EIntTimeItem::step);
    m_repeat->followArrows();
    connect(m_valueButton, &QPushButton::pressed, this, &EIntTimeItem::slot_clicked);
}

void EIntTimeItem::setRange(int min, int max)
{
    m_minimum = min;
    m_maximum = max;
}

void EIntTimeItem::setValue(int value)
{
    if (value > m_maximum)
        value = m_maximum;
    else if (value < m_minimum)
        value = m_minimum;
    m_value = value;
    m_valueButton->setText(QStringLiteral("%1").arg(m_value));
    Q_EMIT valueChanged(m_value);
}

int EIntTimeItem::value() const
{
    return m_valueButton->text().toInt(nullptr, 10);
}

void EIntTimeItem::disableUpDown()
{
    m_repeat->stop();
    m_left->setVisible(false);
    m_right->setVisible(false);
}

// Stride in steps: 1 for a short click and up to the 9th tick, 10 up to the
// 19th, 100 up to the 39th, then the value stands still.
void EIntTimeItem::step(int direction, int ticks)
{
    const int stride = ticks < 10 ? 1 : ticks < 20 ? 10 : ticks < 40 ? 100 : 0;
    setValue(saturatedAdd(m_value, qint64(direction) * stride * m_step));
}

void EIntTimeItem::upPress()
{
    m_repeat->press(+1);
}

void EIntTimeItem::downPress()
{
    m_repeat->press(-1);
}

void EIntTimeItem::mouseLongPressUp()
{
    m_repeat->tick(+1);
}

void EIntTimeItem::mouseLongPressDown()
{
    m_repeat->tick(-1);
}

void EIntTimeItem::upRelease()
{
    m_repeat->release(+1);
}

void EIntTimeItem::downRelease()
{
    m_repeat->release(-1);
}

void EIntTimeItem::slot_clicked()
{
    Q_EMIT clicked();
}
