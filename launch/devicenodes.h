#pragma once

#include <QString>
#include <QStringList>

// The camera's device nodes, in the order the start-up needs them: the
// panel's frame buffer (Qt's screen), the board's registers, the infrared
// core's serial line, the battery ADC, the GPIO and PWM lines, card and USB
// detect, the frame buffer blanked at start, the clock chip and the sound
// devices. Without --simulate both programs look for them before anything
// else: a machine that lacks one is not the camera, and the device start-up
// (which mounts, kills, reboots and sets the clock, as root) must never run
// there.
class DeviceNodes
{
public:
    static constexpr int RefusedExitCode = 2;

    static const QStringList &camera();
    // The first node of camera() that is not there under root, empty when
    // all are. Only tests give another root than "/".
    static QString firstMissing(const QString &root = QStringLiteral("/"));
    static QString refusal(const QString &program, const QString &missing);
    // True on the camera; elsewhere false, with the refusal on stderr. It
    // only looks: nothing is opened, written or started.
    static bool confirm(const char *program);

private:
    DeviceNodes() = delete;
};
