#include "egraphicsview.h"
#include "elanguagedialog.h"
#include "fontfamilies.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "languagetable.h"
#include "lcdscreensaver.h"
#include "launchoptions.h"
#include "simpowerwiring.h"
#include "liveviewshell.h"
#include "screenplatform.h"
#include "simscreen.h"
#include "simtranslations.h"
#include "simulator.h"
#include "storageinfo.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QTranslator>
#include <QTimer>

#include <cstdio>

namespace {
int runScreens(QApplication &app, Simulator &simulator, const LaunchOptions &options)
{
    const QString lang = LanguageTable::storedKey();
    std::printf("Lang Type: %s\n", qPrintable(lang));
    app.setFont(QFont(LanguageTable::fontFamily(lang), 16));
    QTranslator translator;
    if (translator.load(LanguageTable::translationFile(lang)))
        app.installTranslator(&translator);
    else
        std::fprintf(stderr, "ostrel: no translation %s\n", qPrintable(LanguageTable::translationFile(lang)));

    // Until the card watcher exists: the simulated card is in its slot and
    // mounted.
    StorageInfo::setCardMounted(true);
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
        QTimer::singleShot(options.quitAfterMs, &screen, [&] {
            if (!options.screenshot.isEmpty() && !screen.composed().save(options.screenshot, "PNG"))
                std::fprintf(stderr, "ostrel: cannot write %s\n", qPrintable(options.screenshot));
            app.quit();
        });
    }
    IdleWatcher::instance()->setScreenSaver(new lcdScreenSaver);
    IdleWatcher::instance()->install();
    IdleWatcher::instance()->setIntervalMs(storedIdleIntervalMs(6000));

    const int result = app.exec();
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    app.removeTranslator(&translator);
    return result;
}
} // namespace

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

    // Start-up's share until it exists: a new language ends the event loop
    // and the screens are built again in it.
    SimTranslations::install(simulator.root());
    int result = 0;
    do {
        ELanguageDialog::clearRestartRequest();
        result = runScreens(app, simulator, options);
    } while (ELanguageDialog::restartRequested());
    return result;
}
