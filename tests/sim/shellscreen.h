#pragma once

#include "mainwindowup.h"
#include "simboard.h"
#include "simscreen.h"

#include <QtTest>

#include <memory>

// The shell's live view on the simulated screen over a board the test
// holds (no simulator process), and the PNG of what it shows.
struct ShellScreen
{
    explicit ShellScreen(SimBoard &simBoard)
        : board(simBoard)
        , live(startMainWindow())
    {
        screen.setOverlay(live.get());
        screen.move(0, 0);
        screen.show();
    }

    // The screen with the board's current picture, written to
    // OSTREL_SCREENS_DIR when it is set.
    bool save(const QString &name)
    {
        screen.setBoardPicture(board.render());
        const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
        return dir.isEmpty() || screen.composed().save(dir + QLatin1Char('/') + name);
    }

    SimBoard &board;
    std::unique_ptr<EMainWindow> live;
    SimScreen screen;
};
