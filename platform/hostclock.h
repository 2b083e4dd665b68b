#pragma once

#include "systemclock.h"

// The device's clock: settimeofday for the system time, "hwclock -w" through
// the command runner for the battery-backed clock.
class HostClock : public SystemClock
{
public:
    QDateTime now() const override;
    bool setSystemTime(const QDateTime &localTime) override;
    bool syncHardwareClock() override;
};
