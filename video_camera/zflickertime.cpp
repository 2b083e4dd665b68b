#include "zflickertime.h"

ZFlickerTime::ZFlickerTime(QWidget *parent)
    : QLabel(parent)
{
}

void ZFlickerTime::startflickerTimer()
{
    setSeconds(0);
    show();
}

void ZFlickerTime::stopflickerTimer()
{
    hide();
    setText(QString::asprintf("%02d:%02d:%02d", m_seconds / 3600, m_seconds / 60 % 60, m_seconds % 60));
}

void ZFlickerTime::setSeconds(int seconds)
{
    m_seconds = qMax(0, seconds);
    setText(QString::asprintf("%02d:%02d:%02d", m_seconds / 3600, m_seconds / 60 % 60, m_seconds % 60));
}
