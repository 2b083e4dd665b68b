#include "egraphicsview.h"
#include "fontfamilies.h"
#include "launchoptions.h"
#include "liveviewshell.h"
#include "simscreen.h"
#include "simulator.h"

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

    const bool haveDisplay = qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString platform = options.platformFor(haveDisplay);
        if (!platform.isEmpty())
            qputenv("QT_QPA_PLATFORM", platform.toLatin1());
        if (platform.startsWith(QLatin1String("vnc"))) {
            std::printf("No display: serving the camera screen over VNC, connect a viewer to localhost:5900\n");
            std::fflush(stdout);
        }
    }

    // The camera's panel is 72 dots per inch: point sizes in the code are
    // pixel sizes there, and the 320x240 layouts rely on it.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "72");

    QApplication app(argc, argv);
    FontFamilies::install();

    Simulator simulator;
    if (!simulator.start())
        return 1;

    SimScreen screen;
    LiveViewShell live;
    screen.setOverlay(live.view());
    live.addImageTab(&screen);
    QObject::connect(&simulator, &Simulator::boardPicture, &screen, &SimScreen::setBoardPicture);
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
