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
inline std::unique_ptr<EMainWindow> startMainWindow()
{
    // Not every screen test builds a TestRoot first.
    StyleSheetWarnings::install();
    ReopenableWindows::install();
    auto window = std::make_unique<EMainWindow>();
    StartUp::init(window.get());
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    return window;
}
