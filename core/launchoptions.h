#pragma once

#include <QString>
#include <QStringList>

// What `ostrel` was asked to do on its command line and environment.
struct LaunchOptions
{
    bool simulate = false;       // --simulate or OSTREL_SIMULATE=1
    QString screenshot;          // --screenshot FILE: write the screen to a PNG
    int quitAfterMs = -1;        // --quit-after MS: leave the event loop after MS
    QString error;               // non-empty: the command line was not understood

    static LaunchOptions parse(const QStringList &arguments, bool simulateFromEnvironment);
    // The Qt platform to use when none was chosen: offscreen for screenshots
    // without a display, vnc on port 5900 without a display, else Qt's own.
    QString platformFor(bool haveDisplay) const;
};
