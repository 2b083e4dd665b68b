#include "reopenablewindows.h"
#include "eglobal.h"
#include "elanguagedialog.h"
#include "emainwindow.h"
#include "etoolwidget.h"
#include "fpga.h"
#include "fontfamilies.h"
#include "idlewatcher.h"
#include "languagetable.h"
#include "launchoptions.h"
#include "poweroff.h"
#include "screenplatform.h"
#include "simpowerwiring.h"
#include "simscreen.h"
#include "simtranslations.h"
#include "simircore.h"
#include "simulator.h"
#include "startup.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

int main(int argc, char **argv)
{
    const std::optional<LaunchOptions> launch = LaunchOptions::forSimulatedRun(argc, argv, "ostrel");
    if (!launch)
        return 2;
    const LaunchOptions &options = *launch;
    // Before the simulator moves into its root: the restart runs this file.
    StartUp::rememberProgram(argc, argv);

    if (!ScreenPlatform::choose(options, "ostrel"))
        return 2;

    QApplication app(argc, argv);
    FontFamilies::install();
    ReopenableWindows::install();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    Simulator simulator;
    if (!simulator.start())
        return simulator.exitCode();
    StartUp::checkStoredFiles();
    StartUp::setuptrap();
    SimTranslations::install(simulator.root());

    const QString lang = LanguageTable::storedKey();
    std::printf("Lang Type: %s\n", qPrintable(lang));
    app.setFont(QFont(LanguageTable::fontFamily(lang), 16, QFont::Normal));
    QTranslator translator;
    if (translator.load(LanguageTable::translationFile(lang)))
        app.installTranslator(&translator);
    else
        std::fprintf(stderr, "ostrel: no translation %s\n", qPrintable(LanguageTable::translationFile(lang)));

    int result = 0;
    {
        SimScreen screen;
        // The power seams first: the status bar's battery gauge opens the ADC.
        SimPowerWiring::install(&screen);
        EMainWindow window;
        // The simulated core library opens only over the parked serial link.
        simulator.irCore()->setSerialSource([&window] { return window.fpga() ? window.fpga()->getSerial() : nullptr; });
        // On the simulator the main window is the screen's overlay.
        screen.setOverlay(&window);
        QObject::connect(&simulator, &Simulator::boardPicture, &screen, &SimScreen::setBoardLayer);
        // Popups and dialogs stand at screen coordinates, as on the camera.
        screen.move(0, 0);
        screen.show();

        // A battery too weak to run the camera: the power goes off and the
        // start-up ends here.
        EToolWidget *bar = EGlobal::getToolBar();
        const bool powered = !bar || bar->getStartBattery();
        if (powered) {
            StartUp::init(&window);
            StartUp::blankFramebuffer();
            StartUp::startCapture();
        } else {
            PowerOff::instance()->request(PowerOff::StartUpCheck);
        }

        if (options.quitAfterMs >= 0) {
            QTimer::singleShot(options.quitAfterMs, &screen, [&] {
                if (!options.screenshot.isEmpty() && !screen.composed().save(options.screenshot, "PNG"))
                    std::fprintf(stderr, "ostrel: cannot write %s\n", qPrintable(options.screenshot));
                app.quit();
            });
        }
        result = app.exec();
        IdleWatcher::instance()->uninstall();
        IdleWatcher::instance()->setScreenSaver(nullptr);
    }
    app.removeTranslator(&translator);

    // A new language ends the event loop: a fresh copy of the program
    // starts, after the simulator has ended its children.
    if (ELanguageDialog::restartRequested()) {
        simulator.stop();
        StartUp::restart();
        std::fprintf(stderr, "ostrel: restart failed\n");
    }
    return result;
}
