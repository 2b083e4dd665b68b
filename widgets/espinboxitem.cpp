#include "espinboxitem.h"

#include "arrowrepeat.h"
#include "earrowbutton.h"
#include "espinbox.h"

#include <QHBoxLayout>
#include <QPushButton>

ESpinBoxItem::ESpinBoxItem(QWidget *parent, int size)
    : QWidget(parent)
{
    setFixedHeight(size);
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    m_left = EArrowButton::create(EArrowButton::Left, this, size, size, 24, 24);
    m_right = EArrowButton::create(EArrowButton::Right, this, size, size, 24, 24);
    m_spinBox = new ESpinBox(this);

    layout->addWidget(m_left, 0);
    layout->addStretch(0);
    layout->addWidget(m_spinBox, 2);
    layout->addStretch(0);
    layout->addWidget(m_right, 0);

    m_repeat = new ArrowRepeat(m_left, m_right, this);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, &ESpinBoxItem::step);
    // Bound to the spin box: a shown row hides while it is being destroyed,
    // after its own part is gone.
    connect(m_repeat, &ArrowRepeat::holdAbandoned, m_spinBox,
            [box = m_spinBox] { box->setSingleStep(box->orginSingleStep(), false); });
    connect(m_left, &QPushButton::pressed, this, &ESpinBoxItem::downPress);
    connect(m_right, &QPushButton::pressed, this, &ESpinBoxItem::upPress);
    connect(m_left, &QPushButton::released, this, &ESpinBoxItem::downRelease);
    connect(m_right, &QPushButton::released, this, &ESpinBoxItem::upRelease);
    connect(m_spinBox, &ESpinBox::clicked, this, &ESpinBoxItem::clickedHandler);
    connect(m_spinBox, &QSpinBox::textChanged, this, &ESpinBoxItem::slot_valueChanged);
}

void ESpinBoxItem::setObjectName(const QString &name)
{
    m_spinBox->setObjectName(name);
    QWidget::setObjectName(name);
}

void ESpinBoxItem::setDecimals(int decimals)
{
    m_spinBox->setDecimals(decimals);
}

void ESpinBoxItem::setSuffix(const QString &suffix)
{
    m_spinBox->setSuffix(suffix);
}

void ESpinBoxItem::setAlignment(Qt::Alignment alignment)
{
    m_spinBox->setAlignment(alignment);
}

void ESpinBoxItem::setWrapping(bool on)
{
    m_spinBox->setWrapping(on);
}

QString ESpinBoxItem::cleanText() const
{
    return m_spinBox->cleanText();
}

double ESpinBoxItem::value() const
{
    return m_spinBox->value();
}

double ESpinBoxItem::singleStep_float() const
{
    return m_spinBox->singleStep_float();
}

double ESpinBoxItem::orginSingleStep() const
{
    return m_spinBox->orginSingleStep();
}

void ESpinBoxItem::setSingleStep(double step, bool keep)
{
    m_spinBox->setSingleStep(step, keep);
}

void ESpinBoxItem::setRange(float min, float max)
{
    m_notify = false;
    m_spinBox->setRange(min, max);
}

void ESpinBoxItem::setValue(float value, bool notify)
{
    m_notify = notify;
    m_spinBox->setValue(value);
}

// The stride doubles at the 10th tick, is five times that at the 20th and
// ten times that at the 40th: 1, 2, 10 and 100 steps. A short click (tick 0)
// steps by the remembered step, put back at the release.
void ESpinBoxItem::step(int direction, int ticks)
{
    const double current = m_spinBox->singleStep_float();
    if (ticks == 10)
        m_spinBox->setSingleStep(current * 2, false);
    else if (ticks == 20)
        m_spinBox->setSingleStep(current * 5, false);
    else if (ticks == 40)
        m_spinBox->setSingleStep(current * 10, false);
    setValue(float(value() + direction * singleStep_float()), true);
}

void ESpinBoxItem::restoreStep()
{
    m_spinBox->setSingleStep(orginSingleStep(), false);
}

void ESpinBoxItem::upPress()
{
    m_repeat->press(+1);
    m_spinBox->setFocus(Qt::OtherFocusReason);
}

void ESpinBoxItem::downPress()
{
    m_repeat->press(-1);
    m_spinBox->setFocus(Qt::OtherFocusReason);
}

void ESpinBoxItem::mouseLongPressUp()
{
    m_repeat->tick(+1);
}

void ESpinBoxItem::mouseLongPressDown()
{
    m_repeat->tick(-1);
}

void ESpinBoxItem::upRelease()
{
    restoreStep();
    m_repeat->release(+1);
}

void ESpinBoxItem::downRelease()
{
    restoreStep();
    m_repeat->release(-1);
}

void ESpinBoxItem::clickedHandler()
{
    m_spinBox->setFocus(Qt::OtherFocusReason);
    Q_EMIT clicked();
    Q_EMIT clicked(objectName());
}

void ESpinBoxItem::slot_valueChanged(const QString &)
{
    if (m_notify)
        Q_EMIT valueChanged(objectName());
}
