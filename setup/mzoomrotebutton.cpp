#include "mzoomrotebutton.h"

#include "intervals.h"

#include <QTimer>

MZoomroteButton::MZoomroteButton(QWidget *parent)
    : QPushButton(parent)
    , m_repeat(new QTimer(this))
{
    connect(m_repeat, &QTimer::timeout, this, &MZoomroteButton::time_outslots);
    connect(this, &QPushButton::pressed, this, &MZoomroteButton::press_slots);
    connect(this, &QPushButton::released, this, &MZoomroteButton::released_slots);
}

bool MZoomroteButton::repeats(const QString &name)
{
    return name == QLatin1String("leftrote") || name == QLatin1String("rightrote")
        || name == QLatin1String("zoom_in") || name == QLatin1String("zoom_out");
}

void MZoomroteButton::press_slots()
{
    time_outslots();
    if (repeats(m_name) && !m_repeat->isActive())
        m_repeat->start(Intervals::ms(RepeatMs));
}

void MZoomroteButton::time_outslots()
{
    Q_EMIT clicked_Button(m_name);
}

void MZoomroteButton::released_slots()
{
    if (m_repeat->isActive())
        m_repeat->stop();
    Q_EMIT released_Button();
}

void MZoomroteButton::hideEvent(QHideEvent *event)
{
    if (isDown() || m_repeat->isActive()) {
        setDown(false);
        released_slots();
    }
    QPushButton::hideEvent(event);
}
