#include "audiotimedisplay.h"

#include "lcdnumber.h"
#include "timeindicator.h"

#include <QHBoxLayout>
#include <QPainter>

AudioTimeDisplay::AudioTimeDisplay(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    for (LCDNumber *&d : m_digits)
        d = new LCDNumber(this);
    m_colon = new Timeindicator(this);
    m_colon->resize(5, 10);
    m_layout = new QHBoxLayout(this);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_digits[0]);
    m_layout->addWidget(m_digits[1]);
    m_layout->addWidget(m_colon);
    m_layout->addWidget(m_digits[2]);
    m_layout->addWidget(m_digits[3]);
}

LCDNumber *AudioTimeDisplay::digit(int index) const
{
    return index >= 0 && index < 4 ? m_digits[index] : nullptr;
}

void AudioTimeDisplay::setTime(int time)
{
    _time = time;
    UpdateTime();
}

void AudioTimeDisplay::Update()
{
    UpdateTime();
}

void AudioTimeDisplay::UpdateTime()
{
    const int t = _time;
    int minutes = 0;
    int seconds = 0;
    if (t >= 0 && t <= 59) {
        seconds = t;
    } else if (t >= 60 && t <= 3599) {
        minutes = t / 60;
        seconds = t % 60;
    }
    // Both values lie in 0..59.
    const auto show = [](int value, LCDNumber *tens, LCDNumber *units) {
        tens->setNumber(value / 10);
        units->setNumber(value % 10);
    };
    show(minutes, m_digits[0], m_digits[1]);
    show(seconds, m_digits[2], m_digits[3]);
}

void AudioTimeDisplay::drawwidgetBackground(QPainter *painter)
{
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(255, 255, 0));
    painter->drawRect(rect());
}

void AudioTimeDisplay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
}
