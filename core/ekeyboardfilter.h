#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>

class QTimer;
class ZPshutdown;

// The camera's hardware keys. Installed on the application, it sees every
// key event once, as it reaches its window, before any widget; it consumes
// only the key that wakes a dark LCD (its press and the key event after
// it), so dialogs that handle the same keys still get them. A screen the
// idle timer dimmed or darkened is woken by the idle watcher, which runs
// before this filter and keeps that key from it. It turns presses,
// releases and holds of the nine letter keys into camera actions:
//   S snapshot; A shutter, held 2 s level/span manual <-> automatic;
//   C calibration entry, held "VyxSet/DelayTime" s; P LCD off, held 2 s the
//   power-off screen, 7 s power off; I trigger; T a diagnostic line;
//   L lamp, held 1 s the laser while held; U held 5 s the update wizard;
//   E held 5 s the configuration-flash update.
// A desktop keyboard repeats a held key: repeated presses and releases are
// dropped, so a hold is one press and one release as on the camera.
class EKeyboardFilter : public QObject
{
    Q_OBJECT
public:
    enum { LevelHoldMs = 2000, LampHoldMs = 1000, TickMs = 1000 };
    enum { ShutdownScreenTicks = 2, PowerOffTicks = 7, UpdateTicks = 5, MaxCalibDelayS = 3600 };
    static const char *updateWizard() { return "/works/renovo"; }

    explicit EKeyboardFilter(QObject *parent = nullptr);
    ~EKeyboardFilter() override;

    // One key event; true when it only woke the LCD and goes no further.
    // Only the key code and the press flag count.
    bool filter(int unicode, int keycode, int modifiers, bool isPress, bool autoRepeat);

    // One command to a pipe; 0 when written, -1 when not (logged).
    static int keyisWriteSelect(const char *path, const char *command);
    static void tesetSaveImage();

    QTimer *powerTimer() const { return m_powerTimer; }
    QTimer *levelTimer() const { return m_levelTimer; }
    QTimer *lampTimer() const { return m_lampTimer; }
    QTimer *calibTimer() const { return m_calibTimer; }
    QTimer *updateTimer() const { return m_updateTimer; }
    QTimer *flashTimer() const { return m_flashTimer; }
    ZPshutdown *shutdownScreen() const;
    // Any hold timer running.
    bool holdPending() const;

public Q_SLOTS:
    void timeShutdownHandler();
    void cancel_shutdownHandler();
    void slot_tmCalib();
    void slot_shutterHandler();
    void slot_laserHandler();
    void laserHandler(bool on);
    void lampHandler();
    void installupdateslots();
    void updateEPCSSlots();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dispatch(int keycode, bool isPress);
    void endHold(int keycode);
    void levelKey(bool isPress);
    void calibrationKey(bool isPress);
    void powerKey(bool isPress);
    void lampKey(bool isPress);
    void updateKey(bool isPress);
    void flashKey(bool isPress);
    void snapshot();
    void trigger();
    QTimer *makeTimer(void (EKeyboardFilter::*slot)());

    QTimer *m_powerTimer = nullptr;
    bool m_levelFired = false;
    QTimer *m_levelTimer = nullptr;
    bool m_lampFired = false;
    QTimer *m_lampTimer = nullptr;
    QPointer<ZPshutdown> m_shutdown;
    int m_powerSeconds = 0;
    bool m_powerOffFired = false;
    int m_lcdState = -1;
    QMutex m_snapshotLock;
    QTimer *m_calibTimer = nullptr;
    int m_calibMode = 0;
    QTimer *m_updateTimer = nullptr;
    int m_updateSeconds = 0;
    QTimer *m_flashTimer = nullptr;
    int m_flashSeconds = 0;
};
