#include "etoolwidget.h"

#include "brightnesssetting.h"
#include "clcd_power.h"
#include "ebattery.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elivepopups.h"
#include "emainmenu.h"
#include "espotwidget.h"
#include "fpga.h"
#include "intervals.h"
#include "poweroff.h"
#include "settingssync.h"
#include "storedsettings.h"
#include "systemclock.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
const QString DegreeSign = QString(QChar(0x00B0));
const char *const MixDistances[] = {"0.5", "1.0", "2.0", "5.0"};

QString mixFile()
{
    return QStringLiteral("etc/MixOffset");
}

int readSettingInt(const char *key)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    bool ok = false;
    const int value = settings.value(QLatin1String(key), 0).toInt(&ok);
    return ok ? value : 0;
}

void whiteText(QWidget *widget)
{
    QPalette palette = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, QColor(255, 255, 255));
    widget->setPalette(palette);
}
} // namespace

EToolWidget::EToolWidget(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(IconSpacing);
    layout->setContentsMargins(0, 0, 0, 0);
    setFont(QFont(QStringLiteral("wenquanyi")));
    QFont small = font();
    small.setPointSize(12);

    m_zoom = new QPushButton(this);
    m_zoom->setFixedSize(18, 18);
    m_zoom->setFlat(true);
    m_zoom->setFocusPolicy(Qt::NoFocus);
    m_zoom->setIcon(QPixmap(QStringLiteral(":/images/rootzoom.bmp")).scaled(18, 18));
    m_zoom->setIconSize(QSize(18, 18));
    m_zoom->move(100, 2);

    m_mixIcon = iconLabel(QStringLiteral(":/images/mix.png"));
    m_mixIcon->setFixedHeight(16);
    m_mixIcon->move(78, 0);
    m_mixIcon->setObjectName(QStringLiteral("Fusion"));
    {
        StoredSettings mix(mixFile(), QSettings::IniFormat);
        bool ok = false;
        int index = mix.value(QStringLiteral("MIX_Index"), 2).toInt(&ok);
        // A damaged index reads as the 2 m preset.
        setMixIndex(ok && index >= 0 && index <= 3 ? index : 2);
    }
    m_mixIcon->hide();

    m_sdIcon = iconLabel(QStringLiteral(":/images/save.bmp"));
    m_sdIcon->setFixedHeight(16);
    m_battery = new EBattery(this);
    m_battery->setFixedSize(28, 14);
    connect(m_battery, &EBattery::signal_change_lens, this, &EToolWidget::signal_change_lens);
    m_laserIcon = iconLabel(QStringLiteral(":/images/laser.bmp"));

    m_emiss = new QLabel(QStringLiteral("E=0.95"), this);
    m_emiss->setObjectName(QStringLiteral("Emiss"));
    m_emiss->setFont(small);
    whiteText(m_emiss);
    m_emiss->adjustSize();
    m_emiss->move(159 - m_emiss->width() / 2, 1);

    m_freezeIcon = new QLabel(this);
    // The strip's height, as the other state icons: 18 pixels were cut.
    m_freezeIcon->setPixmap(QPixmap(QStringLiteral(":/images/freeze.bmp")).scaled(16, 16));
    m_freezeIcon->hide();
    m_unit = new QLabel(DegreeSign + QLatin1Char('C'), this);
    m_unit->setObjectName(QStringLiteral("TempUnit"));
    m_unit->setFont(small);
    whiteText(m_unit);

    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("Time"));
    m_clock->setFont(small);
    whiteText(m_clock);
    m_clock->setText(SystemClock::instance()->now().time().toString(QStringLiteral("hh:mm")));
    m_clock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitClockWidth(24);
    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &EToolWidget::updateTime);
    m_clockTimer->start(1000);

    m_shutterIcon = iconLabel(QStringLiteral(":/images/shutter.bmp"));
    m_shutterIcon->setFixedWidth(16);
    whiteText(m_shutterIcon);
    m_lampIcon = iconLabel(QStringLiteral(":/images/lamp.bmp"));
    m_lampIcon->setFixedWidth(16);

    // The state icons stand outside the layout, in slots of their own
    // (placeStateIcons()).
    layout->addStretch();
    layout->addWidget(m_unit);
    layout->addWidget(m_battery);
    layout->addWidget(m_clock);
    layout->addSpacing(2);

    connect(m_zoom, &QPushButton::pressed, this, &EToolWidget::displaymultifunctionWindow);
    setStyleSheet(QStringLiteral("QLabel#Time, QLabel#Emiss, QLabel#TempUnit { Margin-top:-2px; }"
                                 "QPushButton:pressed { background-color: rgb(1, 103, 233); padding-left:0px; padding-top:-5px; }"
                                 "QPushButton { padding-left:0px; padding-top:-5px; }"));

    m_screenOffTimer = new QTimer(this);
    connect(m_screenOffTimer, &QTimer::timeout, this, &EToolWidget::pwm_slots);
    m_shutterTimer = new QTimer(this);
    connect(m_shutterTimer, &QTimer::timeout, this, &EToolWidget::shutterTimerHandler);
    m_powerOffTicker = new QTimer(this);
    connect(m_powerOffTicker, &QTimer::timeout, this, &EToolWidget::shutdownslots);
    m_sdCard = false;
}

EToolWidget::~EToolWidget()
{
    if (EGlobal::getToolBar() == this)
        EGlobal::setToolBar(nullptr);
}

QLabel *EToolWidget::iconLabel(const QString &picture)
{
    auto *label = new QLabel(this);
    label->setPixmap(QPixmap(picture));
    label->hide();
    return label;
}

// ---- display ----

void EToolWidget::setEmiss(const QString &text)
{
    m_emiss->setText(QStringLiteral("E=") + text);
    m_emiss->adjustSize();
    m_emiss->move(159 - m_emiss->width() / 2, 1);
    placeStateIcons();
}

void EToolWidget::setLogo(const QPixmap &logo)
{
    m_logo = logo;
    m_logoCompact = !m_laserIcon->isHidden() || !m_lampIcon->isHidden() || !m_freezeIcon->isHidden();
    setPixmap(m_logoCompact ? logo.copy(0, 0, LogoMarkWidth * logo.devicePixelRatio(), logo.height()) : logo);
}

// Every state icon has a slot of its own, so none moves when another comes
// or goes: the card between the zoom button and the emissivity, the shutter
// between the emissivity and the unit, and the rarely shown laser, lamp and
// freeze icons after the logo's mark, where the logo's name stands while
// they are off. With the strip's fixed items, the widest clock and every
// icon shown, nothing overlaps.
void EToolWidget::placeStateIcons()
{
    // Events of the construction come before the last icon exists.
    if (!m_lampIcon)
        return;
    if (QLayout *row = layout())
        row->activate();
    const bool compact = !m_laserIcon->isHidden() || !m_lampIcon->isHidden() || !m_freezeIcon->isHidden();
    if (compact != m_logoCompact && !m_logo.isNull())
        setLogo(m_logo);
    auto place = [this](QLabel *icon, int x) {
        const int width = qBound(icon->minimumWidth(), icon->sizeHint().width(), icon->maximumWidth());
        icon->setGeometry(x, 0, width, height());
    };
    place(m_laserIcon, LogoMarkWidth + IconSpacing);
    place(m_lampIcon, m_laserIcon->geometry().right() + 1 + IconSpacing);
    place(m_freezeIcon, m_lampIcon->geometry().right() + 1 + IconSpacing);
    place(m_sdIcon, m_zoom->geometry().right() + 1 + IconSpacing);
    place(m_shutterIcon, m_emiss->geometry().right() + 1 + IconSpacing);
}

// The clock's width is that of its widest text in the format, so that
// neither the blinking colon nor the digits move the battery and unit
// beside it.
void EToolWidget::fitClockWidth(int format)
{
    const QFontMetrics metrics(m_clock->font());
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    const QString digits = QString(2, widest);
    int width = 0;
    for (const QString &suffix : format == 24 ? QStringList{QString()} : QStringList{QStringLiteral(" AM"), QStringLiteral(" PM")})
        for (const QString &colon : {QStringLiteral(":"), QStringLiteral(" ")})
            width = std::max(width, metrics.horizontalAdvance(digits + colon + digits + suffix));
    const QMargins margins = m_clock->contentsMargins();
    m_clock->setFixedWidth(width + margins.left() + margins.right() + 1);
}

bool EToolWidget::event(QEvent *event)
{
    const bool done = QLabel::event(event);
    // The layout has just moved the right-hand group.
    if (event->type() == QEvent::LayoutRequest)
        placeStateIcons();
    return done;
}

void EToolWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    placeStateIcons();
}

void EToolWidget::showEvent(QShowEvent *event)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("GlobalPara"));
    setEmiss(settings.value(QStringLiteral("Emiss"), QString::asprintf("%1.2f", 0.95)).toString());
    QLabel::showEvent(event);
}

void EToolWidget::changeTempUnit(char unit)
{
    EGlobal::setSystemTempUnit(unit);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->changeTempUnit(unit);
    if (unit == 0)
        m_unit->setText(DegreeSign + QLatin1Char('C'));
    else if (unit == 1)
        m_unit->setText(QStringLiteral("F"));
    else if (unit == 2)
        m_unit->setText(QStringLiteral("K"));
    updateAlarms();
}

void EToolWidget::changePrecision()
{
    updateAlarms();
}

void EToolWidget::updateAlarms()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    for (int n = 1; view && n <= EGraphicsView::SpotCount; ++n)
        if (ESpotWidget *spot = view->getSpotWidget(n))
            spot->updateAlarmPara();
}

void EToolWidget::lampHandler(bool on)
{
    m_lampIcon->setVisible(on);
    placeStateIcons();
    if (FPGA *fpga = EGlobal::getFPGA())
        fpga->openLamp(on);
}

void EToolWidget::laserHandler(bool on)
{
    m_laserIcon->setVisible(on);
    m_laser = on;
    placeStateIcons();
}

void EToolWidget::displaySDCard(bool present)
{
    m_sdCard = present;
    m_sdIcon->setVisible(present);
    placeStateIcons();
}

void EToolWidget::freezeImageFlag(bool frozen)
{
    m_freezeIcon->setVisible(frozen);
    m_frozen = frozen;
    placeStateIcons();
}

void EToolWidget::setMixVisible(bool visible)
{
    m_mixVisible = visible;
    m_mixIcon->setVisible(visible);
    placeStateIcons();
}

void EToolWidget::setMixIndex(int index)
{
    m_mixIndex = index;
    if (index >= 0 && index <= 3) {
        m_mixIcon->setPixmap(QPixmap(QStringLiteral(":/images/mix_%1.png").arg(index)));
        // As wide as its picture: wider, it would lie over the zoom button
        // and take its taps.
        m_mixIcon->adjustSize();
    }
    changeMixDistance(index);
}

// The board takes a signed byte per offset: the preset is clamped to it
// and the file keeps what was sent.
void EToolWidget::changeMixDistance(int index)
{
    StoredSettings mix(mixFile(), QSettings::IniFormat);
    if (index >= 0 && index <= 3) {
        const QString distance = QLatin1String(MixDistances[index]);
        auto offset = [&mix, &distance](const char *axis) {
            const QString current = QStringLiteral("MIX_%1").arg(QLatin1String(axis));
            const QString preset = QStringLiteral("MIX_%1_%2").arg(QLatin1String(axis), distance);
            const int fallback = mix.value(current, 0).toInt();
            return std::clamp(mix.value(preset, fallback).toInt(), -128, 127);
        };
        const int dx = offset("Dx");
        const int dy = offset("Dy");
        if (FPGA *fpga = EGlobal::getFPGA()) {
            fpga->set_mix_dx(char(dx));
            fpga->set_mix_dy(char(dy));
        }
        mix.setValue(QStringLiteral("MIX_Dx"), dx);
        mix.setValue(QStringLiteral("MIX_Dy"), dy);
    }
    mix.setValue(QStringLiteral("MIX_Index"), index);
    SettingsSync::commit(mix, "the fusion offsets");
}

bool EToolWidget::getStartBattery() const
{
    return m_battery->getBatteryStat() != 0;
}

// ---- clock ----

QString EToolWidget::clockText(const QTime &time, int format)
{
    QString text = time.toString(format == 24 ? QStringLiteral("hh:mm") : QStringLiteral("hh:mm AP"));
    if (time.second() % 2 == 0 && text.size() > 2)
        text[2] = QLatin1Char(' ');
    return text;
}

void EToolWidget::updateTime()
{
    const EGraphicsView *view = EGlobal::getGraphicsView();
    const int format = view ? view->gettimeFormat() : 24;
    fitClockWidth(format);
    m_clock->setText(clockText(SystemClock::instance()->now().time(), format));
    if (m_battery->dangerPower())
        m_battery->showEmptyPixmap(!m_battery->isShowEmptyPixmap());
    update();
}

// ---- automatic shutter ----

void EToolWidget::shutterHandler(bool on, int seconds)
{
    if (!on) {
        m_shutterPeriodMs = 0;
        m_shutterIcon->hide();
        m_shutterTimer->stop();
        placeStateIcons();
        return;
    }
    m_autoShutter = seconds == -1;
    m_shutterPeriodMs = m_autoShutter ? int(ShutterStartMs) : seconds * 1000;
    if (m_shutterPeriodMs >= 1)
        m_shutterTimer->start(Intervals::ms(m_shutterPeriodMs));
    m_shutterIcon->setPixmap(QPixmap(QStringLiteral(":/images/shutter.bmp")));
    m_shutterIcon->show();
    placeStateIcons();
}

void EToolWidget::startShutterTimer(bool run)
{
    if (!run)
        m_shutterTimer->stop();
    else if (m_shutterPeriodMs >= 1)
        m_shutterTimer->start(Intervals::ms(m_shutterPeriodMs));
}

void EToolWidget::shutterTimerHandler()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view || view->getInterfaceMode() != EGraphicsViewPrivate::NormalInterface)
        return;
    if (!m_autoShutter) {
        view->shutterHandler();
        return;
    }
    float t = m_lastShutterTemp;
    FPGA *fpga = EGlobal::getFPGA();
    // A failed reading counts as no change.
    if (!fpga || fpga->fpga_read_sensorTemp(&t) != FPGA::FPGA_OK || !std::isfinite(t))
        t = m_lastShutterTemp;
    const int interval = m_shutterTimer->interval();
    const bool slow = interval >= Intervals::ms(ShutterMaxMs);
    if (std::fabs(t - m_lastShutterTemp) >= ShutterDrift) {
        if (!slow)
            m_shutterTimer->start(Intervals::ms(m_shutterPeriodMs));
        m_lastShutterTemp = t;
        view->shutterHandler();
    } else if (m_shutterPeriodMs >= ShutterMaxMs) {
        m_lastShutterTemp = t;
        view->shutterHandler();
        if (!slow)
            m_shutterTimer->start(Intervals::ms(ShutterMaxMs));
    } else {
        m_shutterTimer->start(Intervals::ms(ShutterQuietStepMs));
        m_shutterPeriodMs += ShutterQuietStepMs;
    }
}

// ---- screen-off and power-off ----

int EToolWidget::getCloseScreenparam()
{
    return std::max(0, readSettingInt("CloseScreenPeriod"));
}

int EToolWidget::getshutdownparam()
{
    return std::max(0, readSettingInt("ShutdownPeriod") - 60);
}

int EToolWidget::wakePwm(int brightness)
{
    return BrightnessSetting::backlightValue(brightness);
}

void EToolWidget::set_pwm_val(int value)
{
    if (CLcd_power *lcd = EGlobal::get_LcdPower())
        lcd->lcd_pwm(value);
}

void EToolWidget::start_pwm_timer()
{
    if (getCloseScreenparam() > 0) {
        set_pwm_val(4096);
        m_dimmed = true;
    }
    if (!m_screenOffTimer->isActive())
        m_screenOffTimer->start(Intervals::ms(ScreenOffMs));
}

void EToolWidget::pwm_slots()
{
    m_screenOffTimer->stop();
    CLcd_power *lcd = EGlobal::get_LcdPower();
    if (getCloseScreenparam() > 0 && lcd && lcd->close_Lcd() > 0) {
        std::printf("\t ===== %s %s %d \n", "toolwidget", __func__, __LINE__);
        if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->setLcdPowerstate(true);
    }
    std::printf("File %s Func %s Line %d \n", __FILE__, __func__, __LINE__);
    if (getshutdownparam() < 1) {
        if (m_powerOffTicker->isActive()) {
            m_powerOffTicker->stop();
            m_powerOffCount = 0;
        }
    } else if (!m_powerOffTicker->isActive()) {
        m_powerOffCount = 0;
        m_powerOffTicker->start(Intervals::ms(1000));
    }
}

// The countdown only counts; PowerOff stops a recording first and never
// waits on the GUI thread.
void EToolWidget::shutdownslots()
{
    ++m_powerOffCount;
    if (m_powerOffCount < getshutdownparam())
        return;
    m_powerOffTicker->stop();
    m_powerOffCount = 0;
    PowerOff::instance()->request(PowerOff::IdleCountdown);
}

void EToolWidget::stop_pwm_timer()
{
    CLcd_power *lcd = EGlobal::get_LcdPower();
    if (lcd && lcd->start_Lcd() > 0) {
        std::printf("\t ===== %s %s %d \n", "toolwidget", __func__, __LINE__);
        if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->setLcdPowerstate(false);
    }
    set_pwm_val(BrightnessSetting::backlightValue(BrightnessSetting::storedForWake()));
    m_dimmed = false;
    m_screenOffTimer->stop();
    if (m_powerOffTicker->isActive()) {
        m_powerOffTicker->stop();
        m_powerOffCount = 0;
    }
}

void EToolWidget::updateTimerStatus()
{
    m_battery->pollTimer()->start(Intervals::ms(1000));
    m_clockTimer->start(1000);
}

void EToolWidget::stopToolwidgetupdate()
{
    m_battery->pollTimer()->stop();
    m_clockTimer->stop();
}

// ---- popups ----

// A visible popup is hidden; a hidden one is hidden and shown again, which
// raises it. The analysis panel is registered once the main menu has built
// it ahead of use, the zoom/rotate strip by the main window; until then
// (or without them) there is nothing to toggle.
void EToolWidget::togglePopup(QWidget *popup, const char *log)
{
    if (!popup)
        return;
    if (popup->isVisible()) {
        popup->hide();
        return;
    }
    popup->hide();
    popup->show();
    popup->raise();
    qWarning("%s", log);
}

void EToolWidget::displaymultifunctionWindow()
{
    togglePopup(ELivePopups::zoomStrip(), "displaymultifunctionWindow");
}

void EToolWidget::displayAnalysisWindow()
{
    togglePopup(ELivePopups::analysisPanel(), "here");
}

void EToolWidget::clickedHandler()
{
    if (QWidget *setup = ELivePopups::setupWindow(); setup && setup->isVisible())
        setup->hide();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->clearCurrentFocusWidget();
    if (EMainMenu *menu = EMainMenu::instance())
        menu->setVisibled(!menu->isVisibled());
}
