#include "devicehandover.h"

#include "intervals.h"
#include "paths.h"
#include "runningprograms.h"

namespace {
constexpr int KillTimeoutMs = 5000;
const QString CameraApplication = QStringLiteral("ostrel");

void killall(const QStringList &arguments)
{
    CommandRunner::instance()->run(QStringLiteral("killall"), arguments, KillTimeoutMs);
}
} // namespace

bool DeviceHandover::stopCameraApplication()
{
    // The camera application ends through its normal exit path: its screen
    // is closed and the console mode given back before the wizard takes them.
    killall({CameraApplication});
    if (RunningPrograms::waitUntilGone(CameraApplication, Intervals::ms(CameraLeaveMs)))
        return true;
    killall({QStringLiteral("-KILL"), CameraApplication});
    return RunningPrograms::waitUntilGone(CameraApplication, Intervals::ms(KilledLeaveMs));
}

void DeviceHandover::stopEncoderService()
{
    killall({QStringLiteral("encodedecode")});
}

CommandRunner::Result DeviceHandover::runStartupScript()
{
    // No time limit: the script starts the camera again and takes its time.
    return CommandRunner::instance()->run(Paths::resolve(QString::fromLatin1(StartupScript)), {}, -1);
}
