#include "reopenablewindows.h"
#include "devicehandover.h"
#include "devicenodes.h"
#include "deviceseams.h"
#include "fontfamilies.h"
#include "installwizard.h"
#include "launchoptions.h"
#include "screenplatform.h"
#include "simulator.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

// The update wizard: takes the screen over from the camera application,
// updates from the package on the card and hands back to the device's
// start-up script.
int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("renovo"));
    const std::optional<LaunchOptions> launch = LaunchOptions::fromCommandLine(argc, argv, "renovo");
    if (!launch)
        return 2;
    const LaunchOptions &options = *launch;
    // Off the camera nothing below may run: no command, no clock, no file.
    if (!options.simulate && !DeviceNodes::confirm("renovo"))
        return DeviceNodes::RefusedExitCode;
    if (!ScreenPlatform::choose(options, "renovo"))
        return 2;

    // Before anything is stopped: simulated, every command from here on is
    // only recorded; on the camera the real runner and clock go in.
    std::optional<Simulator> simulator;
    if (options.simulate) {
        if (!simulator.emplace().enterRoot())
            return simulator->exitCode();
    } else if (!DeviceSeams::install("renovo")) {
        return 2;
    }
    // Qt takes the frame buffer with the application object: the camera
    // application has left it by then and never draws over the wizard.
    if (!DeviceHandover::stopCameraApplication())
        std::fprintf(stderr, "renovo: the camera application is still running\n");

    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::BlankCursor);
    FontFamilies::install();
    ReopenableWindows::install();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    InstallWizard wizard;
    QObject::connect(&wizard, &InstallWizard::ended, &app, &QCoreApplication::quit);
    wizard.show();
    DeviceHandover::stopEncoderService();

    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &app, [&] {
            if (!options.screenshot.isEmpty() && !wizard.grab().save(options.screenshot, "PNG"))
                std::fprintf(stderr, "renovo: cannot write %s\n", qPrintable(options.screenshot));
            app.quit();
        });
    }
    return app.exec();
}
