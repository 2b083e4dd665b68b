#include "systemclock.h"

#include "simulatedclock.h"

#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace {
QMutex s_mutex;
std::unique_ptr<SystemClock> s_clock;
} // namespace

SystemClock *SystemClock::instance()
{
    QMutexLocker lock(&s_mutex);
    if (!s_clock)
        s_clock = std::make_unique<SimulatedClock>();
    return s_clock.get();
}

void SystemClock::install(SystemClock *clock)
{
    QMutexLocker lock(&s_mutex);
    s_clock.reset(clock ? clock : new SimulatedClock);
}
