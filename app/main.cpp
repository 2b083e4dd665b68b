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
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LaunchOptions options = LaunchOptions::parse(arguments, qEnvironmentVariable("OSTREL_SIMULATE") == QLatin1String("1"));
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "ostrel: %s\n", qPrintable(options.error));
        return 2;
    }
    if (!options.simulate) {
        std::fprintf(stderr, "ostrel: this build runs only with --simulate (no camera board here)\n");
        return 2;
    }

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
    LiveViewShell live;
    screen.setOverlay(live.view());
    QObject::connect(&simulator, &Simulator::boardPicture, &screen, &SimScreen::setBoardPicture);
    SimPowerWiring::install(&screen);
    screen.show();

    if (options.quitAfterMs >= 0) {
        QTimer::singleShot(options.quitAfterMs, &app, [&] {
            if (!options.screenshot.isEmpty() && !screen.grab().save(options.screenshot, "PNG"))
                std::fprintf(stderr, "ostrel: cannot write %s\n", qPrintable(options.screenshot));
            app.quit();
        });
    }
    return app.exec();
}
