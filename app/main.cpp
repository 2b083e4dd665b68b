#include "egraphicsview.h"
#include "fontfamilies.h"
#include "launchoptions.h"
#include "simpowerwiring.h"
#include "liveviewshell.h"
#include "screenplatform.h"
#include "simscreen.h"
#include "simulator.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    const std::optional<LaunchOptions> launch = LaunchOptions::forSimulatedRun(argc, argv, "ostrel");
    if (!launch)
        return 2;
    const LaunchOptions &options = *launch;

    if (!ScreenPlatform::choose(options, "ostrel"))
        return 2;

    QApplication app(argc, argv);
    FontFamilies::install();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    Simulator simulator;
    if (!simulator.start())
        return simulator.exitCode();

    SimScreen screen;
    // The power seams first: the status bar's battery gauge opens the ADC.
    SimPowerWiring::install(&screen);
    LiveViewShell live;
    screen.setOverlay(live.view());
    QObject::connect(&simulator, &Simulator::boardPicture, &screen, &SimScreen::setBoardPicture);
    QObject::connect(&simulator, &Simulator::boardColorBar, &screen, &SimScreen::setColorBar);
    // Popups and dialogs stand at screen coordinates, as on the camera.
    screen.move(0, 0);
    screen.show();

    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &app, [&] {
            if (!options.screenshot.isEmpty() && !screen.composed().save(options.screenshot, "PNG"))
                std::fprintf(stderr, "ostrel: cannot write %s\n", qPrintable(options.screenshot));
            app.quit();
        });
    }
    return app.exec();
}
