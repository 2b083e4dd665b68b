#include "photobutton.h"

#include "intervals.h"

#include <QTimer>

int PhotoButton::speed_val = 0;

PhotoButton::PhotoButton(QWidget *parent)
    : QPushButton(parent)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &PhotoButton::time_outslots);
    connect(this, &QPushButton::pressed, this, &PhotoButton::press_slots);
    connect(this, &QPushButton::released, this, &PhotoButton::released_slots);
}

void PhotoButton::press_slots()
{
    emit clicked_Button(m_name);
    const bool repeats = m_name == QLatin1String("image_round") || m_name == QLatin1String("image_add")
                         || m_name == QLatin1String("image_sub");
    if (repeats && !m_timer->isActive())
        m_timer->start(Intervals::ms(700));
}

void PhotoButton::time_outslots()
{
    emit clicked_Button(m_name);
}

void PhotoButton::released_slots()
{
    if (m_timer->isActive())
        m_timer->stop();
    emit released_Button(m_name);
}
