#include "systemclock.h"

#include "installedinstance.h"
#include "simulatedclock.h"

namespace {
InstalledInstance<SystemClock> s_clock;
} // namespace

SystemClock *SystemClock::instance()
{
    return s_clock.get([] { return new SimulatedClock; });
}

void SystemClock::install(SystemClock *clock)
{
    s_clock.install(clock ? clock : new SimulatedClock);
}
