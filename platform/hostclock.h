#pragma once

#include "systemclock.h"

#include <sys/time.h>

// The device's clock: settimeofday for the system time, the RTC seam for the
// battery-backed clock. Both refuse under a test or simulator root.
class HostClock : public SystemClock
{
public:
    QDateTime now() const override;
    bool setSystemTime(const QDateTime &localTime) override;
    bool syncHardwareClock() override;

    // The time of day for settimeofday. False when the time does not fit the
    // platform's time_t (32 bits on the camera: a date past 19 January 2038
    // would wrap to 1901 and still be set).
    static bool toTimeval(qint64 msSinceEpoch, timeval *tv);
};
