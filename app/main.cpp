#include "reopenablewindows.h"
#include "devicenodes.h"
#include "deviceseams.h"
#include "eglobal.h"
#include "elanguagedialog.h"
#include "emainwindow.h"
#include "etoolwidget.h"
#include "fpga.h"
#include "fontfamilies.h"
#include "heappolicy.h"
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
#include "vncforwarder.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    // Before any thread: the arenas are bounded from the first one.
    HeapPolicy::apply();
    const std::optional<LaunchOptions> launch = LaunchOptions::fromCommandLine(argc, argv, "ostrel");
    if (!launch)
        return 2;
    const LaunchOptions &options = *launch;
    // Off the camera nothing below may run: no command, no clock, no file.
    if (!options.simulate && !DeviceNodes::confirm("ostrel"))
        return DeviceNodes::RefusedExitCode;
    // Before the simulator moves into its root: the restart runs this file.
    StartUp::rememberProgram(argc, argv);

    int vncPort = 0;
    if (!ScreenPlatform::choose(options, "ostrel", options.simulate ? &vncPort : nullptr))
        return 2;
    if (!options.simulate) {
        if (!DeviceSeams::install("ostrel"))
            return 2;
        if (!StartUp::waitForUpdateWizard())
            std::fprintf(stderr, "ostrel: the update wizard is still running\n");
    }

    QApplication app(argc, argv);
    // Qt's vnc server ends the program on a malformed viewer: viewers reach
    // it only through the forwarder, which stops before the application.
    std::unique_ptr<VncForwarder> vnc;
    if (vncPort > 0) {
        QString error;
        vnc = VncForwarder::inFrontOfQt(vncPort, &error);
        if (!vnc) {
            std::fprintf(stderr, "ostrel: %s\n", qPrintable(error));
            return 2;
        }
    }
    if (!options.simulate)
        QApplication::setOverrideCursor(Qt::BlankCursor);
    FontFamilies::install();
    ReopenableWindows::install();
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);

    std::unique_ptr<Simulator> simulator;
    if (options.simulate) {
        simulator = std::make_unique<Simulator>();
        if (!simulator->start())
            return simulator->exitCode();
    }
    StartUp::checkStoredFiles();
    StartUp::setuptrap();
    if (simulator)
        SimTranslations::install(simulator->root());

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
        std::unique_ptr<SimScreen> screen;
        if (simulator) {
            screen = std::make_unique<SimScreen>();
            // The power seams first: the status bar's battery gauge opens the ADC.
            SimPowerWiring::install(screen.get());
        }
        EMainWindow window;
        if (screen) {
            // The simulated core library opens only over the parked serial link.
            simulator->irCore()->setSerialSource([&window] { return window.fpga() ? window.fpga()->getSerial() : nullptr; });
            // On the simulator the main window is the screen's overlay.
            screen->setOverlay(&window);
            QObject::connect(simulator.get(), &Simulator::boardPicture, screen.get(), &SimScreen::setBoardLayer);
            // Popups and dialogs stand at screen coordinates, as on the camera.
            screen->move(0, 0);
            screen->show();
        } else {
            // On the camera the window is the overlay over the board's picture.
            window.setGeometry(0, 0, 320, 240);
            window.show();
        }

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
            QTimer::singleShot(options.quitAfterMs, &app, [&] {
                if (!options.screenshot.isEmpty()) {
                    // The camera's frame buffer holds only the overlay.
                    const QImage shown = screen ? screen->composed() : window.screen()->grabWindow(0).toImage();
                    if (!shown.save(options.screenshot, "PNG"))
                        std::fprintf(stderr, "ostrel: cannot write %s\n", qPrintable(options.screenshot));
                }
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
        if (simulator)
            simulator->stop();
        vnc.reset();
        StartUp::restart();
        std::fprintf(stderr, "ostrel: restart failed\n");
    }
    return result;
}
