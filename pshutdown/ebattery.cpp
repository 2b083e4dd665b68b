#include "ebattery.h"

#include "batteryadc.h"
#include "clcd_power.h"
#include "eglobal.h"
#include "fpga.h"
#include "intervals.h"
#include "poweroff.h"

#include <QTimer>

#include <cstdio>

EBattery::EBattery(QWidget *parent)
    : QLabel(parent)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &EBattery::charge);
    m_timer->start(Intervals::ms(PollMs));
    for (int p = NoBar; p <= Empty; ++p)
        m_pixmaps[p] = QPixmap(QStringLiteral(":/images/%1.png").arg(pictureName(Picture(p))));
    m_adc = BatteryAdc::create();
    if (!m_adc->open())
        std::perror("open /dev/adc Err");
    showPicture(OneBar);
}

EBattery::~EBattery()
{
    m_timer->stop();
}

QString EBattery::pictureName(Picture picture)
{
    static const char *const names[] = {"battery_no", "battery_one", "battery_two",
                                        "battery_three", "battery_danger", "battery_empty"};
    return QString::fromLatin1(names[picture]);
}

void EBattery::showPicture(Picture picture)
{
    m_picture = picture;
    setPixmap(m_pixmaps[picture]);
}

int EBattery::get_BatteryInformation()
{
    BatteryAdc::Sample sample;
    if (!m_adc || !m_adc->readSample(&sample))
        return -1;
    m_battery = sample.battery * vref / max_raw * 6.0 + 0.2;
    m_supply = sample.supply * vref / max_raw * 11.0 + 0.5;
    return 0;
}

void EBattery::getBatteryChip()
{
    if (get_BatteryInformation() != 0) {
        update();
        return;
    }
    m_danger = false;
    if (*m_supply >= SupplyOn) {
        CLcd_power *lcd = EGlobal::get_LcdPower();
        if (lcd && lcd->Get_Crg_Status() == 1) {
            showPicture(Picture(NoBar + m_chargeFrame));
            m_chargeFrame = (m_chargeFrame + 1) % 4;
        } else {
            showPicture(ThreeBar);
        }
        update();
        return;
    }
    m_chargeFrame = 0;
    const double v = *m_battery;
    stepLevel(v);
    switch (m_level) {
    case 1:
        showPicture(OneBar);
        break;
    case 2:
        showPicture(TwoBar);
        break;
    case 3:
        if (v >= 8.2)
            showPicture(ThreeBar);
        break;
    default:
        if (v < DangerBelow) {
            showPicture(DangerBar);
            m_danger = true;
        }
        break;
    }
    update();
}

// At most one step per sample; the gaps between the up and down
// thresholds keep the gauge from flickering at a boundary.
void EBattery::stepLevel(double v)
{
    switch (m_level) {
    case 0:
        if (v > 7.05)
            m_level = 1;
        break;
    case 1:
        if (v > 7.65)
            m_level = 2;
        else if (v < 6.95)
            m_level = 0;
        break;
    case 2:
        if (v > 8.25)
            m_level = 3;
        else if (v < 7.55)
            m_level = 1;
        break;
    default:
        if (v < 8.15)
            m_level = 2;
        break;
    }
}

int EBattery::getBatteryStat()
{
    for (int i = 0; i < 3; ++i)
        getBatteryChip();
    if (m_supply && *m_supply >= SupplyOn) {
        std::printf("\t ===== File %s Func %s Line %d =====\n", "widgets/battery", "getBatteryStat", 92);
        return 1;
    }
    if (m_battery && *m_battery <= StartRefusal)
        return 0;
    return 1;
}

void EBattery::showEmptyPixmap(bool empty)
{
    m_emptyShown = empty;
    showPicture(empty ? Empty : DangerBar);
}

void EBattery::startTimer(bool start)
{
    if (start)
        m_timer->start(Intervals::ms(PollMs));
    else
        m_timer->stop();
}

void EBattery::charge()
{
    getBatteryChip();
    slot_detectTimerHandler();
    if (FPGA *fpga = EGlobal::getFPGA()) {
        fpga->updateDeltaTemp();
        checkLens();
    }
}

void EBattery::checkLens()
{
    FPGA *fpga = EGlobal::getFPGA();
    const int old = fpga->getLenIndex();
    const int now = fpga->get_set_lenIndex();
    if (now == -1) {
        if (m_view.setTipsText)
            m_view.setTipsText(tr("No Lens!"));
        if (m_view.setTipsVisibled)
            m_view.setTipsVisibled(true);
        Q_EMIT signal_change_lens(-1);
        return;
    }
    if (now == old)
        return;
    Q_EMIT signal_change_lens(now);
    if (!m_view.tipsVisibled || !m_view.tipsVisibled())
        return;
    const int check = fpga->checkBiaoDingTab();
    if (check == -1 || check == -2) {
        if (m_view.setTipsText)
            m_view.setTipsText(check == -1 ? tr("Calibration file error!") : tr("Modify file error!"));
        if (m_view.setTipsVisibled)
            m_view.setTipsVisibled(true);
    } else if (m_view.setTipsVisibled) {
        m_view.setTipsVisibled(false);
    }
    if (m_view.updateLevelSpan)
        m_view.updateLevelSpan();
}

void EBattery::slot_detectTimerHandler()
{
    // Nothing is known before the first complete sample: never count it.
    if (!m_battery || !m_supply) {
        m_watchdogTicks = 0;
        return;
    }
    const bool good = *m_supply >= SupplyOn || *m_battery > Exhausted;
    if (good == m_powerGood) {
        m_watchdogTicks = 0;
        return;
    }
    if (++m_watchdogTicks < WatchdogPolls)
        return;
    m_watchdogTicks = 0;
    m_powerGood = good;
    // A recovery only changes the state; the panel stays as it is.
    if (good)
        return;
    if (CLcd_power *lcd = EGlobal::get_LcdPower())
        lcd->close_Lcd();
    PowerOff::instance()->request(PowerOff::Watchdog);
}

void EBattery::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
}
