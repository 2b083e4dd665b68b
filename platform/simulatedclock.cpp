#include "simulatedclock.h"

QDateTime SimulatedClock::now() const
{
    return QDateTime::currentDateTime().addMSecs(m_offsetMs.load());
}

bool SimulatedClock::setSystemTime(const QDateTime &localTime)
{
    if (!localTime.isValid())
        return false;
    m_offsetMs.store(QDateTime::currentDateTime().msecsTo(localTime));
    return true;
}

bool SimulatedClock::syncHardwareClock()
{
    ++m_hardwareSyncs;
    return true;
}
