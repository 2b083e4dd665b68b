#include "devicehandover.h"

#include "paths.h"

namespace {
constexpr int KillTimeoutMs = 5000;

void killProcess(const char *name)
{
    CommandRunner::instance()->run(QStringLiteral("killall"), {QString::fromLatin1(name)}, KillTimeoutMs);
}
} // namespace

void DeviceHandover::stopCameraApplication()
{
    killProcess("ostrel");
}

void DeviceHandover::stopEncoderService()
{
    killProcess("encodedecode");
}

CommandRunner::Result DeviceHandover::runStartupScript()
{
    // No time limit: the script starts the camera again and takes its time.
    return CommandRunner::instance()->run(Paths::resolve(QString::fromLatin1(StartupScript)), {}, -1);
}
