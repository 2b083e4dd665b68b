#pragma once

#include <QLabel>
#include <QPixmap>

#include <functional>
#include <memory>
#include <optional>

class BatteryAdc;
class QTimer;

// The battery gauge of the status bar, and with it the low-battery
// watchdog and the periodic lens watcher. Each poll reads one ADC sample,
// shows one of six pictures, powers the camera off after three exhausted
// polls in a row, refreshes the sensor drift and checks the lens.
//
// Until the first complete sample the voltages are unknown: the gauge keeps
// its first picture, the watchdog does not count and the start-up check
// does not refuse.
class EBattery : public QLabel
{
    Q_OBJECT
public:
    static constexpr double vref = 1.8;
    static constexpr double max_raw = 1024.0;
    static constexpr double SupplyOn = 8.7;
    static constexpr double DangerBelow = 7.0;
    static constexpr double Exhausted = 6.93;
    static constexpr double StartRefusal = 7.0;
    static constexpr int WatchdogPolls = 3;
    static constexpr int PollMs = 2000;

    // What the gauge shows; the picture names follow the level.
    enum Picture { NoBar, OneBar, TwoBar, ThreeBar, DangerBar, Empty };

    // The live view's tip and level/span, reached through the owner (the
    // status bar wires these to the live view).
    struct LiveView
    {
        std::function<void(const QString &)> setTipsText;
        std::function<void(bool)> setTipsVisibled;
        std::function<bool()> tipsVisibled;
        std::function<void()> updateLevelSpan;
    };

    explicit EBattery(QWidget *parent = nullptr);
    ~EBattery() override;

    void setLiveView(const LiveView &view) { m_view = view; }

    // One 12-byte read; 0 when a complete sample came, else -1.
    int get_BatteryInformation();
    void getBatteryChip();
    // 0 when the battery is too weak to start (7.0 V or less without
    // external power), else 1; unknown voltages never refuse.
    int getBatteryStat();
    bool dangerPower() const { return m_danger; }
    bool isShowEmptyPixmap() const { return m_emptyShown; }
    void showEmptyPixmap(bool empty);
    void startTimer(bool start);
    QTimer *pollTimer() const { return m_timer; }

    std::optional<double> batteryVoltage() const { return m_battery; }
    std::optional<double> supplyVoltage() const { return m_supply; }
    int level() const { return m_level; }
    Picture picture() const { return m_picture; }
    bool powerGood() const { return m_powerGood; }
    static QString pictureName(Picture picture);

public Q_SLOTS:
    void charge();
    void slot_detectTimerHandler();

Q_SIGNALS:
    void signal_change_lens(int index);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showPicture(Picture picture);
    void stepLevel(double volts);
    void checkLens();

    QTimer *m_timer = nullptr;
    int m_chargeFrame = 0;
    QPixmap m_pixmaps[6];
    std::unique_ptr<BatteryAdc> m_adc;
    std::optional<double> m_battery;
    std::optional<double> m_supply;
    bool m_powerGood = true;
    bool m_danger = false;
    bool m_emptyShown = false;
    int m_level = 0;
    int m_watchdogTicks = 0;
    Picture m_picture = OneBar;
    LiveView m_view;
};
