#include "hostclock.h"

#include "commandrunner.h"
#include "processcommandrunner.h"

#include <sys/time.h>

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
    const qint64 ms = localTime.toMSecsSinceEpoch();
    tv.tv_sec = static_cast<time_t>(ms / 1000);
    tv.tv_usec = static_cast<suseconds_t>((ms % 1000) * 1000);
    return settimeofday(&tv, nullptr) == 0;
}

bool HostClock::syncHardwareClock()
{
    return CommandRunner::instance()->run(QStringLiteral("hwclock"), {QStringLiteral("-w")}, 5000).ok();
}
