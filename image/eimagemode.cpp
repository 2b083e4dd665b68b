#include "eimagemode.h"

#include "eadjustlevelitem.h"
#include "eglobal.h"
#include "eimagetab.h"
#include "eimageviewhost.h"
#include "emodeitem.h"
#include "ereminditem.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QFrame>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
const char *const s_modeStr[] = {
    QT_TRANSLATE_NOOP("EImageMode", "Auto"),
    QT_TRANSLATE_NOOP("EImageMode", "Histogram"),
    QT_TRANSLATE_NOOP("EImageMode", "Manual"),
};
const float s_defaultManualMax = 150.0f;
const float s_defaultManualMin = -20.0f;

float out(float celsius)
{
    return EGlobal::unit_out_temp(celsius);
}

float in(float value)
{
    return EGlobal::unit_in_temp(value);
}

// One step of a limit: d = n x 0.1 display units, added in double and kept
// as float; from the 1-degree tier on the value first drops to a whole
// number, so a held arrow moves in whole units.
float moved(float value, int n, int direction)
{
    if (n == 10)
        value = std::trunc(value);
    return static_cast<float>(value + direction * (n * 0.1));
}

float readTemp(const QSettings &settings, const QString &key, float fallback)
{
    bool ok = false;
    const float value = settings.value(key).toString().trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}
} // namespace

EImageMode::EImageMode(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_modeItem = new EModeItem(tr("Auto"), this);
    m_separator = new QFrame(this);
    m_separator->setFrameShape(QFrame::HLine);
    m_separator->setFrameShadow(QFrame::Sunken);
    m_separator->setFixedHeight(2);
    m_separator->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_separator->hide();
    m_adjustItem = new ERemindItem(tr("Adjust"), this);
    m_adjustItem->hide();
    layout->addWidget(m_modeItem);
    layout->addWidget(m_separator);
    layout->addWidget(m_adjustItem);
    layout->addStretch();

    connect(m_modeItem, &EModeItem::clickedDecrease, this, &EImageMode::modeChange);
    connect(m_modeItem, &EModeItem::clickedIncrease, this, &EImageMode::modeChange);
    connect(m_adjustItem, &ERemindItem::clicked, this, &EImageMode::showAdjustWindow);

    m_upTimer = new QTimer(this);
    m_downTimer = new QTimer(this);
    m_upTimer->setInterval(200);
    m_downTimer->setInterval(200);
    connect(m_upTimer, &QTimer::timeout, this, &EImageMode::mouseLongPressUp);
    connect(m_downTimer, &QTimer::timeout, this, &EImageMode::mouseLongPressDown);

    readConfigPara();
    m_longPress = false;

    m_adjustWindow = new EAdjustLevelItem(QString(), nullptr);
    m_adjustWindow->setObjectName(QStringLiteral("Auto"));
    m_adjustWindow->setWindowFlags(Qt::FramelessWindowHint);
    m_adjustWindow->setWindowModality(Qt::WindowModal);
    m_adjustWindow->setFocusPolicy(Qt::NoFocus);
    m_adjustWindow->setFixedWidth(262);
    m_adjustWindow->move(10, 240 - m_adjustWindow->height());
    m_adjustWindow->hide();
    m_adjustWindow->setStep(0.1f);
    m_adjustWindow->changeMode(m_mode);
    connect(m_adjustWindow, &EAdjustLevelItem::signal_upPress, this, &EImageMode::slot_upPress);
    connect(m_adjustWindow, &EAdjustLevelItem::signal_upRelease, this, &EImageMode::slot_upRelease);
    connect(m_adjustWindow, &EAdjustLevelItem::signal_downPress, this, &EImageMode::slot_downPress);
    connect(m_adjustWindow, &EAdjustLevelItem::signal_downRelease, this, &EImageMode::slot_downRelease);
    connect(m_adjustWindow, &EAdjustLevelItem::signal_changeToManual, this, &EImageMode::slot_changeToManual);

    m_adjustItem->setStyleSheet(QStringLiteral(
        "QPushButton:pressed{background-color: rgb(0, 255, 0); border-style: inset; padding-left: 4px;}"
        "QPushButton{text-align: left; background-color: red; color: white; padding-left: 2px;}"));
}

EImageMode::~EImageMode()
{
    // The adjust window is a top-level window of its own.
    delete m_adjustWindow;
}

EImageViewHost *EImageMode::host() const
{
    return EImageViewHost::instance();
}

QString EImageMode::caption() const
{
    return tr(s_modeStr[std::clamp(m_mode, 0, 2)]);
}

void EImageMode::copyRange()
{
    if (EImageViewHost *view = host()) {
        m_rangeMin = view->tempRangeMin();
        m_rangeMax = view->tempRangeMax();
    }
}

void EImageMode::showManualRows(bool shown)
{
    m_separator->setVisible(shown);
    m_adjustItem->setVisible(shown);
}

void EImageMode::modeChange(const QString &text)
{
    if (text == QLatin1String("Decrease"))
        m_mode = m_mode - 1 < MODE_AUTO ? MODE_MANUAL : m_mode - 1;
    else
        m_mode = m_mode + 1 > MODE_MANUAL ? MODE_AUTO : m_mode + 1;
    m_modeItem->setText(caption());
    modeHandler();
}

void EImageMode::setModeNum(int mode)
{
    m_mode = std::clamp(mode, 0, 2);
    m_modeItem->setText(caption());
    modeHandler();
}

void EImageMode::modeHandler()
{
    EImageViewHost *view = host();
    if (m_mode == MODE_MANUAL) {
        if (view)
            setMinMaxTemp(view->getMinTemp(), view->getMaxTemp());
        copyRange();
        showManualRows(true);
        if (view)
            view->setLevelSpanMode(MODE_MANUAL);
        return;
    }
    showManualRows(false);
    if (view) {
        view->slot_handLevelSpanTimer();
        view->setLevelSpanMode(m_mode);
    }
}

void EImageMode::readConfigPara()
{
    EImageViewHost *view = host();
    const int mode = view ? view->getLevelSpanMode() : MODE_AUTO;
    m_mode = mode >= MODE_AUTO && mode <= MODE_MANUAL ? mode : MODE_AUTO;
    m_modeItem->setText(caption());
    if (m_mode == MODE_MANUAL && view) {
        std::printf("min:%f max:%f\n", view->getMinTemp(), view->getMaxTemp());
        setMinMaxTemp(view->getMinTemp(), view->getMaxTemp());
        copyRange();
        showManualRows(true);
    } else {
        showManualRows(false);
    }
}

void EImageMode::slot_changeToManual()
{
    EImageViewHost *view = host();
    if (view && view->getLevelSpanMode() != MODE_MANUAL) {
        m_adjustWindow->changeMode(MODE_MANUAL);
        view->setLevelSpanMode(MODE_MANUAL);
        setMinMaxTemp(view->getMinTemp(), view->getMaxTemp());
    }
    readConfigPara();
}

// ---- adjust window ----

void EImageMode::showAdjustWindow()
{
    if (EImageTab *popup = EGlobal::getImageTab())
        popup->close();
    if (EImageViewHost *view = host())
        m_adjustWindow->changeMode(view->getLevelSpanMode());
    m_adjustWindow->show();
}

void EImageMode::hideAdjustWindow()
{
    m_adjustWindow->hide();
    if (EImageViewHost *view = host())
        view->slot_handLevelSpanTimer();
}

bool EImageMode::adjustWindowIsVisible() const
{
    return m_adjustWindow->isVisible();
}

// ---- arrows ----

void EImageMode::slot_upPress()
{
    dispatch(UpPress);
}

void EImageMode::slot_upRelease()
{
    dispatch(UpRelease);
}

void EImageMode::slot_downPress()
{
    dispatch(DownPress);
}

void EImageMode::slot_downRelease()
{
    dispatch(DownRelease);
}

// The arrow event goes to the slot of the selected part, tested in the
// order Min, Max, Both, Auto; any other selection does nothing.
void EImageMode::dispatch(ArrowEvent event)
{
    using Slot = void (EImageMode::*)();
    struct PartSlots
    {
        const char *part;
        Slot onEvent[4];   // in ArrowEvent order
    };
    static const PartSlots s_parts[] = {
        {"Min", {&EImageMode::slot_min_upPress, &EImageMode::slot_min_upRelease, &EImageMode::slot_min_downPress,
                 &EImageMode::slot_min_downRelease}},
        {"Max", {&EImageMode::slot_max_upPress, &EImageMode::slot_max_upRelease, &EImageMode::slot_max_downPress,
                 &EImageMode::slot_max_downRelease}},
        {"Both", {&EImageMode::slot_both_upPress, &EImageMode::slot_both_upRelease, &EImageMode::slot_both_downPress,
                  &EImageMode::slot_both_downRelease}},
        {"Auto", {&EImageMode::slot_auto_upPress, &EImageMode::slot_auto_upRelease, &EImageMode::slot_auto_downPress,
                  &EImageMode::slot_auto_downRelease}},
    };
    const QString part = m_adjustWindow->objectName();
    for (const PartSlots &entry : s_parts) {
        if (part == QLatin1String(entry.part)) {
            (this->*entry.onEvent[event])();
            return;
        }
    }
}

void EImageMode::startTimer(QTimer *timer)
{
    m_tickCount = 0;
    timer->start(200);
}

void EImageMode::release(QTimer *timer, Handler handler)
{
    timer->stop();
    if (m_longPress) {
        m_longPress = false;
        return;
    }
    (this->*handler)(1);
}

void EImageMode::slot_min_upPress() { startTimer(m_upTimer); }
void EImageMode::slot_min_upRelease() { release(m_upTimer, &EImageMode::minUpHandler); }
void EImageMode::slot_min_downPress() { startTimer(m_downTimer); }
void EImageMode::slot_min_downRelease() { release(m_downTimer, &EImageMode::minDownHandler); }
void EImageMode::slot_max_upPress() { startTimer(m_upTimer); }
void EImageMode::slot_max_upRelease() { release(m_upTimer, &EImageMode::maxUpHandler); }
void EImageMode::slot_max_downPress() { startTimer(m_downTimer); }
void EImageMode::slot_max_downRelease() { release(m_downTimer, &EImageMode::maxDownHandler); }
void EImageMode::slot_both_upPress() { startTimer(m_upTimer); }
void EImageMode::slot_both_upRelease() { release(m_upTimer, &EImageMode::bothUpHandler); }
void EImageMode::slot_both_downPress() { startTimer(m_downTimer); }
void EImageMode::slot_both_downRelease() { release(m_downTimer, &EImageMode::bothDownHandler); }
void EImageMode::slot_auto_upPress() { m_tickCount = 0; }
void EImageMode::slot_auto_upRelease() { autoUpHandler(1); }
void EImageMode::slot_auto_downPress() { m_tickCount = 0; }
void EImageMode::slot_auto_downRelease() { autoDownHandler(1); }

int EImageMode::tierStep(int tick)
{
    if (tick < 20)
        return 1;
    if (tick < 30)
        return 10;
    if (tick < 40)
        return 20;
    if (tick < 50)
        return 40;
    return 100;
}

void EImageMode::mouseLongPressUp()
{
    longPressTick(&EImageMode::maxUpHandler, &EImageMode::minUpHandler, &EImageMode::bothUpHandler);
}

void EImageMode::mouseLongPressDown()
{
    longPressTick(&EImageMode::maxDownHandler, &EImageMode::minDownHandler, &EImageMode::bothDownHandler);
}

void EImageMode::longPressTick(Handler max, Handler min, Handler both)
{
    ++m_tickCount;
    m_longPress = true;
    const int n = tierStep(m_tickCount);
    const QString part = m_adjustWindow->objectName();
    if (part == QLatin1String("Max"))
        (this->*max)(n);
    else if (part == QLatin1String("Min"))
        (this->*min)(n);
    else if (part == QLatin1String("Both"))
        (this->*both)(n);
}

// ---- limit handlers ----

void EImageMode::apply()
{
    if (EImageViewHost *view = host())
        view->setMinMaxTempValue(in(m_min), in(m_max));
}

void EImageMode::maxUpHandler(int n)
{
    const float top = out(m_rangeMax);
    m_max = moved(m_max, n, +1);
    if (m_max > top)
        m_max = top;
    apply();
}

void EImageMode::maxDownHandler(int n)
{
    const float bottom = out(m_rangeMin);
    m_max = moved(m_max, n, -1);
    if (in(m_max) - in(m_min) < 1.0f) {
        m_min = moved(m_min, n, -1);
        if (m_min < bottom)
            m_min = bottom;
        m_max = out(in(m_min) + 1.0f);
    }
    apply();
}

void EImageMode::minDownHandler(int n)
{
    const float bottom = out(m_rangeMin);
    m_min = moved(m_min, n, -1);
    if (m_min < bottom)
        m_min = bottom;
    apply();
}

void EImageMode::minUpHandler(int n)
{
    const float top = out(m_rangeMax);
    m_min = moved(m_min, n, +1);
    if (in(m_min) > in(m_max) - 1.0f) {
        m_max = moved(m_max, n, +1);
        if (m_max > top)
            m_max = top;
        m_min = out(in(m_max) - 1.0f);
    }
    apply();
}

void EImageMode::bothUpHandler(int n)
{
    const float top = out(m_rangeMax);
    const float top1 = out(m_rangeMax - 1.0f);
    m_max = moved(m_max, n, +1);
    m_min = moved(m_min, n, +1);
    if (m_max > top)
        m_max = top;
    if (m_min > top1)
        m_min = top1;
    apply();
}

void EImageMode::bothDownHandler(int n)
{
    const float bottom = out(m_rangeMin);
    const float bottom1 = out(m_rangeMin + 1.0f);
    m_max = moved(m_max, n, -1);
    m_min = moved(m_min, n, -1);
    if (m_max < bottom1)
        m_max = bottom1;
    if (m_min < bottom)
        m_min = bottom;
    apply();
}

void EImageMode::autoUpHandler(int)
{
    if (EImageViewHost *view = host())
        m_mode = view->getLevelSpanMode();
    modeChange(QStringLiteral("Increase"));
    m_adjustWindow->changeMode(m_mode);
}

void EImageMode::autoDownHandler(int)
{
    if (EImageViewHost *view = host())
        m_mode = view->getLevelSpanMode();
    modeChange(QStringLiteral("Decrease"));
    m_adjustWindow->changeMode(m_mode);
}

// ---- limits from outside ----

void EImageMode::setMinMaxTemp(float min, float max)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("Manual_MaxTemp"), QString::asprintf("%4.1f", max));
    settings.setValue(QStringLiteral("Manual_MinTemp"), QString::asprintf("%4.1f", min));
    SettingsSync::commit(settings, "the manual limits");
    m_min = out(min);
    m_max = out(max);
}

void EImageMode::changeTempUnit()
{
    copyRange();
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    float max = readTemp(settings, QStringLiteral("Manual_MaxTemp"), s_defaultManualMax);
    float min = readTemp(settings, QStringLiteral("Manual_MinTemp"), s_defaultManualMin);
    // Hand-edited or stale limits come back inside the range and in order.
    if (m_rangeMax - m_rangeMin >= 1) {
        max = std::clamp(max, m_rangeMin + 1.0f, float(m_rangeMax));
        min = std::clamp(min, float(m_rangeMin), m_rangeMax - 1.0f);
        if (min + 1.0f > max)
            min = max - 1.0f;
    }
    m_max = out(max);
    m_min = out(min);
}

void EImageMode::setTempRangeMinMax(int, int)
{
    copyRange();
    const float top = out(m_rangeMax);
    const float bottom = out(m_rangeMin);
    const float top1 = out(m_rangeMax - 1.0f);
    const float bottom1 = out(m_rangeMin + 1.0f);
    EImageViewHost *view = host();
    bool changed = true;
    if (m_max > top)
        m_max = top;
    else if (m_max < bottom)
        m_max = bottom1;
    else
        changed = false;
    if (changed && view)
        view->setMaxTempValue(in(m_max));
    changed = true;
    if (m_min > top1)
        m_min = top1;
    else if (m_min < bottom)
        m_min = bottom;
    else
        changed = false;
    if (changed && view)
        view->setMinTempValue(in(m_min));
}
