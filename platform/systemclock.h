#pragma once

#include <QDateTime>

// Reading the time and setting the system and hardware clocks. The
// process-wide clock starts as a simulated one; only the device's main
// installs HostClock.
class SystemClock
{
public:
    virtual ~SystemClock() = default;

    virtual QDateTime now() const = 0;
    // Sets the system time (local time as the user entered it).
    virtual bool setSystemTime(const QDateTime &localTime) = 0;
    // Copies the system time into the battery-backed clock.
    virtual bool syncHardwareClock() = 0;

    static SystemClock *instance();
    // Takes ownership; nullptr puts a fresh simulated clock back.
    static void install(SystemClock *clock);
};
