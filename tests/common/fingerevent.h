#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// One touch event as the finger gives it: press and move with the button
// held, release without. QTest takes a point (0, 0) for the widget's centre
// and has no global position of its own; these are sent as they are.
inline void fingerEvent(QWidget *w, QEvent::Type type, const QPoint &local, const QPoint &global)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void fingerEvent(QWidget *w, QEvent::Type type, const QPoint &local)
{
    fingerEvent(w, type, local, w->mapToGlobal(local));
}

// At a global x, halfway down the widget.
inline void fingerEventAtX(QWidget *w, QEvent::Type type, int globalX)
{
    const QPoint global(globalX, w->mapToGlobal(QPoint(0, w->height() / 2)).y());
    fingerEvent(w, type, w->mapFromGlobal(global), global);
}
