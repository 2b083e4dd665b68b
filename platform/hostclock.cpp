#include "hostclock.h"

#include "processcommandrunner.h"
#include "rtcdevice.h"

#include <limits>

QDateTime HostClock::now() const
{
    return QDateTime::currentDateTime();
}

bool HostClock::setSystemTime(const QDateTime &localTime)
{
    // Same guard as the command runner: a test or simulator root never
    // reaches the host's clock.
    if (!localTime.isValid() || !ProcessCommandRunner::allowed())
        return false;
    timeval tv{};
    if (!toTimeval(localTime.toMSecsSinceEpoch(), &tv)) {
        qWarning("%s is beyond this system's clock, not set", qPrintable(localTime.toString(Qt::ISODate)));
        return false;
    }
    return settimeofday(&tv, nullptr) == 0;
}

bool HostClock::toTimeval(qint64 msSinceEpoch, timeval *tv)
{
    // Whole seconds rounded down, so a time before 1970 keeps a
    // non-negative microsecond part.
    qint64 seconds = msSinceEpoch / 1000;
    qint64 ms = msSinceEpoch % 1000;
    if (ms < 0) {
        --seconds;
        ms += 1000;
    }
    if (seconds < qint64(std::numeric_limits<time_t>::min()) || seconds > qint64(std::numeric_limits<time_t>::max()))
        return false;
    tv->tv_sec = static_cast<time_t>(seconds);
    tv->tv_usec = static_cast<suseconds_t>(ms * 1000);
    return true;
}

bool HostClock::syncHardwareClock()
{
    // One way to the clock chip: the same seam the date and time dialogs use.
    if (!ProcessCommandRunner::allowed())
        return false;
    return RtcDevice::create()->write(RtcRecord::fromLocal(now()));
}
