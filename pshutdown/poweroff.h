#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// The one way the camera powers itself off. Every path (battery watchdog,
// slide screen, held power key, idle countdown, start-up battery check,
// end of the flash update) runs the same steps in the same order:
//   1. panel off, for the callers that ask for it;
//   2. stop a running recording, retried each second for at most 10 s;
//   3. IR core shutdown, then 2 s for it to settle;
//   4. sync the file systems;
//   5. cut the power;
//   6. "reboot" as the fallback (not after the start-up check).
// The waits run on timers, never sleeping on the GUI thread. While it runs
// all input is swallowed and further requests are refused; while the
// configuration flash is being written (or is left partly written), the
// idle, key and slide requests are refused too.
class PowerOff : public QObject
{
    Q_OBJECT
public:
    enum Caller { Watchdog, SlideScreen, PowerKey, IdleCountdown, StartUpCheck, FlashExit };
    static constexpr int RecordingStopAttempts = 10;
    static constexpr int RecordingRetryMs = 1000;
    static constexpr int CoreSettleMs = 2000;

    static PowerOff *instance();

    // false when refused (already running, or a flash run in progress).
    bool request(Caller caller);
    bool isRunning() const { return m_running; }
    bool isFinished() const { return m_finished; }

    void setFlashRunning(bool running) { m_flashRunning = running; }
    bool flashRunning() const { return m_flashRunning; }

    // Whether a recording runs; by default the capture panel's state.
    void setRecordingProbe(std::function<bool()> probe) { m_recording = std::move(probe); }

    // What was done, in order: "panel off", "stop recording" (each try),
    // "recording still running", "core shutdown", "sync", "power cut",
    // "kill power err", "reboot".
    QStringList steps() const { return m_steps; }

    static bool panelOffFor(Caller caller);
    static bool rebootsAfter(Caller caller);

    // Back to idle with nothing pending (the tests run several sequences).
    void reset();

Q_SIGNALS:
    void started(int caller);
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PowerOff(QObject *parent = nullptr);
    void after(int nominalMs, void (PowerOff::*next)());
    void tryStopRecording();
    void shutDownCore();
    void cutPower();
    bool recording() const;

    QTimer m_timer;
    void (PowerOff::*m_next)() = nullptr;
    Caller m_caller = Watchdog;
    bool m_running = false;
    bool m_finished = false;
    bool m_flashRunning = false;
    int m_attempts = 0;
    std::function<bool()> m_recording;
    QStringList m_steps;
};
