#pragma once

#include <QObject>

// Stand-in for the idle watcher that starts the screen saver: it only keeps
// the interval the setup window, the timer dialogs and the start-up give it.
class IdleWatcher : public QObject
{
    Q_OBJECT
public:
    static IdleWatcher *instance();

    // 0 switches the screen saver off. Setting an interval also wakes a
    // sleeping screen.
    void setIntervalMs(int ms);
    int intervalMs() const { return m_intervalMs; }

private:
    IdleWatcher() = default;

    int m_intervalMs = 0;
};
