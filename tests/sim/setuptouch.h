#pragma once

#include "eglobal.h"
#include "esetupwindow.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "screentouch.h"

#include <QLoggingCategory>
#include <QPointingDevice>

// The live screen, whose main menu builds the setup window, and one
// finger: touches go to the window the target lives in, as the panel's do,
// and the composed screen is written as a PNG when OSTREL_SCREENS_DIR is set.
struct SetupTouch : LiveScreen
{
    QPointingDevice *finger = nullptr;

    // The camera's English font (16 points at 72 dpi); the setup window is
    // built on the first turn of the event loop. Check
    // QTest::currentTestFailed() after it.
    void startWithSetup()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        FontFamilies::install();
        QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
        start();
        QVERIFY(!QTest::currentTestFailed());
        QTRY_VERIFY(EGlobal::getSetupWindow());
        finger = QTest::createTouchDevice();
    }

    void press(QWidget *target)
    {
        QWidget *window = target->window();
        QVERIFY(window->windowHandle());
        QTest::touchEvent(window->windowHandle(), finger).press(0, target->mapTo(window, target->rect().center()));
    }
    void release(QWidget *target)
    {
        QWidget *window = target->window();
        QVERIFY(window->windowHandle());
        QTest::touchEvent(window->windowHandle(), finger).release(0, target->mapTo(window, target->rect().center()));
    }
    void touch(QWidget *target)
    {
        press(target);
        release(target);
    }
    void saveScreen(const char *name) { ScreenTouch::save(screen.get(), QLatin1String(name)); }
};
