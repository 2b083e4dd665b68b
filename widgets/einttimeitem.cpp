#include "einttimeitem.h"

#include "earrowbutton.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {
const int s_height = 30;
const int s_arrowWidth = 32;
const int s_repeatMs = 200;

int saturatedAdd(int a, qint64 b)
{
    const qint64 sum = qint64(a) + b;
    return int(qBound(qint64(std::numeric_limits<int>::min()), sum, qint64(std::numeric_limits<int>::max())));
}
}

EIntTimeItem::EIntTimeItem(QWidget *parent, bool repeatOnHold)
    : QWidget(parent)
    , m_repeatOnHold(repeatOnHold)
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

    layout->addWidget(m_left);
    layout->addWidget(m_valueButton);
    layout->addWidget(m_right);

    m_downTimer = new QTimer(this);
    m_upTimer = new QTimer(this);
    connect(m_right, &QPushButton::pressed, this, &EIntTimeItem::upPress);
    connect(m_right, &QPushButton::released, this, &EIntTimeItem::upRelease);
    connect(m_left, &QPushButton::pressed, this, &EIntTimeItem::downPress);
    connect(m_left, &QPushButton::released, this, &EIntTimeItem::downRelease);
    connect(m_upTimer, &QTimer::timeout, this, &EIntTimeItem::mouseLongPressUp);
    connect(m_downTimer, &QTimer::timeout, this, &EIntTimeItem::mouseLongPressDown);
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
    stopRepeat();
    m_left->setVisible(false);
    m_right->setVisible(false);
}

// Stride in steps for the current tick: 1 up to the 9th tick, 10 up to the
// 19th, 100 up to the 39th, then the value stands still.
int EIntTimeItem::strideForTick() const
{
    if (m_ticks < 10)
        return 1;
    if (m_ticks < 20)
        return 10;
    if (m_ticks < 40)
        return 100;
    return 0;
}

void EIntTimeItem::upPress()
{
    if (m_repeatOnHold)
        m_upTimer->start(s_repeatMs);
    m_ticks = 0;
}

void EIntTimeItem::downPress()
{
    if (m_repeatOnHold)
        m_downTimer->start(s_repeatMs);
    m_ticks = 0;
}

void EIntTimeItem::mouseLongPressUp()
{
    ++m_ticks;
    m_upRepeated = true;
    setValue(saturatedAdd(m_value, qint64(strideForTick()) * m_step));
}

void EIntTimeItem::mouseLongPressDown()
{
    ++m_ticks;
    m_downRepeated = true;
    setValue(saturatedAdd(m_value, -qint64(strideForTick()) * m_step));
}

void EIntTimeItem::upRelease()
{
    m_upTimer->stop();
    if (m_upRepeated) {
        m_upRepeated = false;
        return;
    }
    setValue(saturatedAdd(m_value, m_step));
}

void EIntTimeItem::downRelease()
{
    m_downTimer->stop();
    if (m_downRepeated) {
        m_downRepeated = false;
        return;
    }
    setValue(saturatedAdd(m_value, -qint64(m_step)));
}

void EIntTimeItem::slot_clicked()
{
    Q_EMIT clicked();
}

void EIntTimeItem::stopRepeat()
{
    m_downTimer->stop();
    m_upTimer->stop();
    // Without this a release delivered later would count as a tap.
    m_left->setDown(false);
    m_right->setDown(false);
    m_downRepeated = false;
    m_upRepeated = false;
    m_ticks = 0;
}

void EIntTimeItem::hideEvent(QHideEvent *event)
{
    stopRepeat();
    QWidget::hideEvent(event);
}
