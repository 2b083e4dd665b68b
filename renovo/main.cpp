#include "reopenablewindows.h"
#include "devicehandover.h"
#include "fontfamilies.h"
#include "installwizard.h"
#include "launchoptions.h"
#include "screenplatform.h"
#include "simulator.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

// The update wizard: takes the screen over from the camera application,
// updates from the package on the card and hands back to the device's
// start-up script.
int main(int argc, char **argv)
{
    const std::optional<LaunchOptions> launch = LaunchOptions::forSimulatedRun(argc, argv, "renovo");
    if (!launch)
        return 2;
    const LaunchOptions &options = *launch;
    if (!ScreenPlatform::choose(options, "renovo"))
        return 2;

    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::BlankCursor);
    FontFamilies::install();
    ReopenableWindows::install();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    // Before anything is stopped: from here on every command is only recorded.
    Simulator simulator;
    if (!simulator.enterRoot())
        return simulator.exitCode();

    DeviceHandover::stopCameraApplication();
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
