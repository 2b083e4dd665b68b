#pragma once

#include "simscreen.h"

#include <QPointingDevice>
#include <QtTest>

// A finger on a widget of a page through its own window, and the screen
// as the panel shows it written as a PNG when OSTREL_SCREENS_DIR is set.
namespace ScreenTouch {

// One finger down and up at a point of a window.
inline void fingerAt(QPointingDevice *device, QWidget *window, const QPoint &at)
{
    QVERIFY(window->windowHandle());
    QTest::touchEvent(window->windowHandle(), device).press(0, at);
    QTest::touchEvent(window->windowHandle(), device).release(0, at);
}

inline void finger(QPointingDevice *device, QWidget *target)
{
    QVERIFY(target && target->isVisible());
    QWidget *window = target->window();
    fingerAt(device, window, target->mapTo(window, target->rect().center()));
}

inline void save(SimScreen *screen, const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (dir.isEmpty())
        return;
    // Layouts settle on posted events: a text set just now shows whole.
    QCoreApplication::sendPostedEvents();
    QVERIFY(screen->composed().save(dir + QLatin1Char('/') + name, "PNG"));
}

} // namespace ScreenTouch
