#pragma once

#include <QLabel>
#include <QPixmap>

class EBattery;
class QPushButton;
class QTimer;

// The status strip across the top of the live view (320 x 16): clock,
// emissivity, temperature unit, battery gauge and the state icons. It runs
// the camera's unattended behaviour: the one-second clock, the automatic
// shutter with its adaptive period, the screen-off countdown and the idle
// power-off countdown, which ends in PowerOff. It also applies the fusion
// distance presets of "etc/MixOffset".
class EToolWidget : public QLabel
{
    Q_OBJECT
public:
    enum { ShutterStartMs = 10000, ShutterQuietStepMs = 5000, ShutterMaxMs = 30000, ScreenOffMs = 30000 };
    static constexpr float ShutterDrift = 0.125f;
    enum { BrightMin = 38, BrightMax = 183 };
    // Between two neighbours on the strip.
    enum { IconSpacing = 3 };
    // The logo's mark (its flame), all of the logo that is left while the
    // laser, lamp or freeze icon stands where its name is.
    enum { LogoMarkWidth = 16 };

    explicit EToolWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~EToolWidget() override;

    // The logo at the strip's left edge: whole, or only its mark while the
    // laser, lamp or freeze icon is shown.
    void setLogo(const QPixmap &logo);
    void setEmiss(const QString &text);
    void changeTempUnit(char unit);
    void changePrecision();
    void lampHandler(bool on);
    void laserHandler(bool on);
    void displaySDCard(bool present);
    void freezeImageFlag(bool frozen);
    void setMixVisible(bool visible);
    void setMixIndex(int index);
    void changeMixDistance(int index);
    bool getLaserStatus() const { return m_laser; }
    bool SDCardStatus() const { return m_sdCard; }
    bool mixIsVisible() const { return m_mixVisible; }
    int getMixIndex() const { return m_mixIndex; }
    bool getFreezeImageFlag() const { return m_frozen; }
    bool getStartBattery() const;

    // on false: off; seconds -1: automatic; else a fixed period.
    void shutterHandler(bool on, int seconds);
    void startShutterTimer(bool run);
    int shutterPeriodMs() const { return m_shutterPeriodMs; }
    bool isAutoShutter() const { return m_autoShutter; }

    void start_pwm_timer();
    void stop_pwm_timer();
    // The idle dimming is on: from start_pwm_timer() dimming the backlight
    // to the wake-up in stop_pwm_timer().
    bool isScreenDimmed() const { return m_dimmed; }
    void set_pwm_val(int value);
    static int getCloseScreenparam();
    static int getshutdownparam();
    // Back-light PWM value for a brightness level, clamped to 38..183.
    static int wakePwm(int brightness);
    void updateTimerStatus();
    void stopToolwidgetupdate();

    // Clock text for a time: "hh:mm" (24) or "hh:mm AP", the colon
    // blanked on even seconds.
    static QString clockText(const QTime &time, int format);

    EBattery *battery() const { return m_battery; }
    QLabel *clockLabel() const { return m_clock; }
    QLabel *unitLabel() const { return m_unit; }
    QLabel *emissLabel() const { return m_emiss; }
    QLabel *shutterIcon() const { return m_shutterIcon; }
    QLabel *laserIcon() const { return m_laserIcon; }
    QLabel *lampIcon() const { return m_lampIcon; }
    QLabel *sdIcon() const { return m_sdIcon; }
    QLabel *freezeIcon() const { return m_freezeIcon; }
    QLabel *mixIcon() const { return m_mixIcon; }
    QPushButton *zoomButton() const { return m_zoom; }
    QTimer *clockTimer() const { return m_clockTimer; }
    QTimer *shutterTimer() const { return m_shutterTimer; }
    QTimer *screenOffTimer() const { return m_screenOffTimer; }
    QTimer *powerOffTicker() const { return m_powerOffTicker; }
    int powerOffCount() const { return m_powerOffCount; }
    float lastShutterTemp() const { return m_lastShutterTemp; }

Q_SIGNALS:
    void signal_change_lens(int index);

public Q_SLOTS:
    void updateTime();
    void displayAnalysisWindow();
    void clickedHandler();
    void displaymultifunctionWindow();
    void shutterTimerHandler();
    void pwm_slots();
    void shutdownslots();

protected:
    void mousePressEvent(QMouseEvent *) override {}
    void mouseReleaseEvent(QMouseEvent *) override {}
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    QLabel *iconLabel(const QString &picture);
    void placeStateIcons();
    void fitClockWidth(int format);
    void updateAlarms();
    static void togglePopup(QWidget *popup, const char *log);

    QPushButton *m_zoom = nullptr;
    QLabel *m_clock = nullptr;
    QLabel *m_shutterIcon = nullptr;
    QLabel *m_lampIcon = nullptr;
    QLabel *m_laserIcon = nullptr;
    QLabel *m_sdIcon = nullptr;
    QLabel *m_freezeIcon = nullptr;
    QLabel *m_unit = nullptr;
    QLabel *m_emiss = nullptr;
    QLabel *m_mixIcon = nullptr;
    EBattery *m_battery = nullptr;
    QPixmap m_logo;
    bool m_logoCompact = false;
    QTimer *m_clockTimer = nullptr;
    QTimer *m_screenOffTimer = nullptr;
    QTimer *m_shutterTimer = nullptr;
    QTimer *m_powerOffTicker = nullptr;
    bool m_laser = false;
    bool m_sdCard = false;
    bool m_mixVisible = false;
    int m_mixIndex = 2;
    bool m_frozen = false;
    bool m_autoShutter = false;
    bool m_dimmed = false;
    int m_powerOffCount = 0;
    // One status bar exists: the automatic shutter's period and the sensor
    // temperature of its last shutter.
    int m_shutterPeriodMs = ShutterStartMs;
    float m_lastShutterTemp = 0.0f;
};
