#pragma once

#include "fpga.h"
#include "mainwindowup.h"
#include "serial.h"
#include "simboard.h"
#include "simircore.h"
#include "simpowerwiring.h"
#include "simscreen.h"
#include "simulator.h"
#include "testroot.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

// The shell's live view over the simulated board on the simulated screen,
// as `ostrel --simulate` starts it, in a root of its own.
struct LiveScreen
{
    std::unique_ptr<TestRoot> root;
    std::unique_ptr<Simulator> simulator;
    std::unique_ptr<SimScreen> screen;
    std::unique_ptr<EMainWindow> live;
    // The screen saver as the start-up installs it (see startMainWindow).
    bool keepScreenSaver = false;

    // Returns once the board's picture has replaced the placeholder (the
    // shell uploads a palette). Check QTest::currentTestFailed() after it.
    // withPower: the simulated power seams and battery first, as
    // `ostrel --simulate` installs them, so the status bar's gauge reads them.
    // beforeWindow runs in the simulator's root before the main window is
    // built, where the start-up chooses the font and the catalogue.
    void start(bool withPower = false, const std::function<void()> &beforeWindow = {})
    {
        root = std::make_unique<TestRoot>();
        simulator = std::make_unique<Simulator>();
        QVERIFY(simulator->start(root->hostPath(QStringLiteral("sim-root"))));
        if (beforeWindow)
            beforeWindow();
        simulator->board()->setNoise(0);
        screen = std::make_unique<SimScreen>();
        QObject::connect(simulator.get(), &Simulator::boardPicture, screen.get(), &SimScreen::setBoardLayer);
        QSignalSpy pictures(simulator.get(), &Simulator::boardPicture);
        if (withPower)
            SimPowerWiring::install(screen.get())->setQuitAfterPowerOff(false);
        live = startMainWindow(keepScreenSaver);
        simulator->irCore()->setSerialSource([w = live.get()] { return w->fpga()->getSerial(); });
        screen->setOverlay(live.get());
        // Popups and pages stand at screen coordinates, as on the camera:
        // no frame pushes the screen off (0, 0).
        screen->setWindowFlag(Qt::FramelessWindowHint);
        screen->move(0, 0);
        screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        QTRY_VERIFY(!pictures.isEmpty() && !pictures.last().at(0).value<QImage>().isNull());
    }

    // The serial worker finishes before the board and the root go.
    void stop()
    {
        if (keepScreenSaver) {
            IdleWatcher::instance()->uninstall();
            IdleWatcher::instance()->setScreenSaver(nullptr);
        }
        if (live)
            QVERIFY(live->fpga()->getSerial()->waitForIdle(5000));
        screen.reset();
        live.reset();
        simulator.reset();
        root.reset();
    }
};
