#include "elinemodeitem.h"

#include "arrowrepeat.h"
#include "arrowrow.h"
#include "earrowbutton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>

#include <limits>

namespace {
int saturatedAdd(int a, qint64 b)
{
    return int(qBound(qint64(std::numeric_limits<int>::min()), qint64(a) + b, qint64(std::numeric_limits<int>::max())));
}
const char *const s_style =
    "QPushButton:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 0px; }"
    "QPushButton { background-color: rgba(0,0,0,255); margin-left: 0px; }"
    "QPushButton#Right { background-color: rgba(0,0,0,0); margin-left: 2px; padding-left: 6px; }"
    "QPushButton#Right:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: 6px; }"
    "QPushButton#Left:pressed { background-color: rgb(0, 255, 0); border-style: inset; padding-left: -1px; }"
    "QPushButton#Left { padding-left: -1px; padding-top: 2px; }"
    "QLabel { color: rgb(255,255,255); background-color: rgba(0,0,0,5); text-align: left; margin-left: 2px; }";
}

ELineModeItem::ELineModeItem(const QString &text, QWidget *parent)
    : QPushButton(parent)
{
    setFlat(true);
    QHBoxLayout *layout = ArrowRow::frame(this, text);

    m_caption = new QLabel(text, this);
    m_caption->setFixedHeight(ArrowRow::Height - 4);
    m_left = EArrowButton::create(EArrowButton::Left, this, ArrowRow::Height, ArrowRow::Height, 16, 16);
    m_valueLabel = new QLabel(QStringLiteral("   "), this);
    m_valueLabel->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral(" 999 ")));
    m_right = EArrowButton::create(EArrowButton::Right, this, ArrowRow::Height, ArrowRow::Height, 16, 16);

    layout->addWidget(m_caption);
    layout->addStretch();
    layout->addWidget(m_left);
    layout->addWidget(m_valueLabel);
    layout->addWidget(m_right);

    setCustomStyleSheet(0);
    m_repeat = new ArrowRepeat(m_left, m_right, this);
    connect(m_repeat, &ArrowRepeat::stepRequested, this, &ELineModeItem::step);
    m_repeat->followArrows();
}

void ELineModeItem::setRange(int min, int max)
{
    m_minimum = min;
    m_maximum = max;
}

void ELineModeItem::setValue(int value)
{
    if (value > m_maximum)
        value = m_maximum;
    else if (value < m_minimum)
        value = m_minimum;
    m_value = value;
    if (this->value() == value) {
        // The blank start reads as 0: show the number, but nothing changed.
        if (m_valueLabel->text().trimmed().isEmpty())
            m_valueLabel->setText(QStringLiteral("%1").arg(value));
        return;
    }
    m_valueLabel->setText(QStringLiteral("%1").arg(value));
    Q_EMIT valueChanged(value);
}

int ELineModeItem::value() const
{
    return m_valueLabel->text().toInt(nullptr, 10);
}

void ELineModeItem::setText(const QString &text)
{
    m_caption->setText(text);
}

QString ELineModeItem::text() const
{
    return m_caption->text();
}

void ELineModeItem::setCustomStyleSheet(int)
{
    setStyleSheet(QLatin1String(s_style));
}

// Steps are taken from the value shown, the one the user sees: 1 for a
// short click and up to the 9th tick, 10 up to the 19th, 100 up to the 39th,
// then the value stands still.
void ELineModeItem::step(int direction, int ticks)
{
    const int stride = ticks < 10 ? 1 : ticks < 20 ? 10 : ticks < 40 ? 100 : 0;
    setValue(saturatedAdd(value(), qint64(direction) * stride));
}

void ELineModeItem::upPress()
{
    m_repeat->press(+1);
}

void ELineModeItem::downPress()
{
    m_repeat->press(-1);
}

void ELineModeItem::mouseLongPressUp()
{
    m_repeat->tick(+1);
}

void ELineModeItem::mouseLongPressDown()
{
    m_repeat->tick(-1);
}

void ELineModeItem::upRelease()
{
    m_repeat->release(+1);
}

void ELineModeItem::downRelease()
{
    m_repeat->release(-1);
}
