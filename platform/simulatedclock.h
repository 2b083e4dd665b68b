#pragma once

#include "systemclock.h"

#include <atomic>

// Keeps the difference between the time the user set and the host's time;
// never touches the host's clock.
class SimulatedClock : public SystemClock
{
public:
    QDateTime now() const override;
    bool setSystemTime(const QDateTime &localTime) override;
    bool syncHardwareClock() override;

    qint64 offsetMs() const { return m_offsetMs.load(); }
    int hardwareSyncCount() const { return m_hardwareSyncs.load(); }

private:
    std::atomic<qint64> m_offsetMs{0};
    std::atomic<int> m_hardwareSyncs{0};
};
