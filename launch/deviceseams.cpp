#include "deviceseams.h"

#include "commandrunner.h"
#include "hostclock.h"
#include "paths.h"
#include "processcommandrunner.h"
#include "systemclock.h"

#include <QDir>

#include <cstdio>

bool DeviceSeams::install(const char *program)
{
    const QString root = qEnvironmentVariable("OSTREL_ROOT");
    if (!root.isEmpty() && QDir::cleanPath(root) != QLatin1String("/")) {
        std::fprintf(stderr, "%s: OSTREL_ROOT (%s) is only for --simulate; the camera runs on \"/\"\n", program,
                     qPrintable(root));
        return false;
    }
    // Anything but "1" means not simulated: the real runner and clock
    // would refuse to act while it is set at all.
    qunsetenv("OSTREL_SIMULATE");
    Paths::setRoot(QStringLiteral("/"));
    CommandRunner::install(new ProcessCommandRunner);
    SystemClock::install(new HostClock);
    return true;
}
