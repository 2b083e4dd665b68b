#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

// What `ostrel` or `renovo` was asked to do on its command line and environment.
struct LaunchOptions
{
    static constexpr int DefaultVncPort = 5900;

    bool simulate = false;       // --simulate or OSTREL_SIMULATE=1
    QString screenshot;          // --screenshot FILE: write the screen to a PNG
    int quitAfterMs = -1;        // --quit-after MS: leave the event loop after MS
    int vncPort = DefaultVncPort; // --vnc-port N: port of the headless screen
    QString error;               // non-empty: the command line was not understood

    // A relative screenshot path is taken from startDirectory, the folder
    // the command was started in: the simulator changes folder later.
    static LaunchOptions parse(const QStringList &arguments, bool simulateFromEnvironment,
                               const QString &startDirectory = QDir::currentPath());
    // main()'s arguments and OSTREL_SIMULATE: nothing when they are not
    // understood, with the reason on stderr.
    static std::optional<LaunchOptions> fromCommandLine(int argc, char **argv, const char *program);
    // The Qt platform to use when none was chosen. Simulated: offscreen for
    // screenshots without a display, vnc on vncPort without a display, else
    // Qt's own. On the camera: linuxfb on the panel's frame buffer.
    QString platformFor(bool haveDisplay) const;
};
