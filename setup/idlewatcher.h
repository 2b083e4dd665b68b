#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class QKeyEvent;
class lcdScreenSaver;

// Starts the screen saver after the idle interval and wakes it at the next
// input. Installed as application event filter: a key, mouse or touch
// event only notes its time (no allocation, no timer restart); the one
// single-shot timer finds out at its end whether input came meanwhile and
// waits the rest. A touch that wakes a dark panel is swallowed whole, so
// it does not also press what lies under the finger; a key that wakes a
// dimmed or dark panel is swallowed whole too (press, repeats and release),
// so it takes no photo, opens nothing and reaches no widget. The key filter
// sees the keys after this filter, so it never sees that key.
class IdleWatcher : public QObject
{
    Q_OBJECT
public:
    static IdleWatcher *instance();

    // Takes the saver; null removes it.
    void setScreenSaver(lcdScreenSaver *saver);
    // Watches the application's input from now on.
    void install();
    void uninstall();

    // 0 switches the screen saver off. Setting an interval also wakes a
    // sleeping screen. The interval is scaled through Intervals.
    void setIntervalMs(int ms);
    int intervalMs() const { return m_intervalMs; }
    bool isSaving() const { return m_saving; }
    QTimer *timer() { return &m_timer; }

    // One input event as the filter sees it; true when it is swallowed.
    bool input(const QEvent *event);

public Q_SLOTS:
    void idleTimeout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    IdleWatcher();
    ~IdleWatcher() override;
    void wake();
    static bool panelDark();
    bool swallowsWakeKey(const QKeyEvent *key);

    std::unique_ptr<lcdScreenSaver> m_saver;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastInputMs = 0;
    int m_intervalMs = 0;
    bool m_saving = false;
    bool m_swallowing = false;
    // The key whose press woke the panel, swallowed up to its release.
    bool m_swallowingKey = false;
    int m_wakeKey = 0;
    bool m_installed = false;
};
