#pragma once

#include "reopenablewindows.h"
#include "emainwindow.h"
#include "idlewatcher.h"
#include "startup.h"
#include "stylesheetwarnings.h"

#include <memory>

// The main window as ostrel's start-up leaves it: closed windows drawn again
// when reopened, the window built, then the stored settings applied. The screen saver stays off, so no test darkens by
// waiting; the sensor check and its first shutter run on their timers.
// keepScreenSaver leaves the screen saver installed where the start-up put
// it, its timer stopped: a test sets an interval and runs the timeout.
inline std::unique_ptr<EMainWindow> startMainWindow(bool keepScreenSaver = false)
{
    // Not every screen test builds a TestRoot first.
    StyleSheetWarnings::install();
    ReopenableWindows::install();
    auto window = std::make_unique<EMainWindow>();
    StartUp::init(window.get());
    if (keepScreenSaver) {
        IdleWatcher::instance()->setIntervalMs(0);
        return window;
    }
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    return window;
}
