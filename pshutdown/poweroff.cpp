#include "poweroff.h"

#include "clcd_power.h"
#include "commandrunner.h"
#include "ecapturepanel.h"
#include "eglobal.h"
#include "fpga.h"
#include "intervals.h"
#include "serial.h"

#include <QCoreApplication>
#include <QEvent>

#include <cstdio>

PowerOff *PowerOff::instance()
{
    static PowerOff *s_instance = nullptr;
    if (!s_instance)
        s_instance = new PowerOff(QCoreApplication::instance());
    return s_instance;
}

PowerOff::PowerOff(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_next)
            (this->*m_next)();
    });
}

bool PowerOff::panelOffFor(Caller caller)
{
    return caller == StartUpCheck || caller == FlashExit;
}

bool PowerOff::rebootsAfter(Caller caller)
{
    return caller != StartUpCheck;
}

bool PowerOff::request(Caller caller)
{
    if (m_running)
        return false;
    const bool userRequest = caller == SlideScreen || caller == PowerKey || caller == IdleCountdown;
    if (m_flashRunning && userRequest) {
        std::puts("power-off refused: the configuration flash is being written");
        return false;
    }
    m_running = true;
    m_finished = false;
    m_caller = caller;
    m_attempts = 0;
    m_steps.clear();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
    Q_EMIT started(caller);

    if (panelOffFor(caller)) {
        if (CLcd_power *lcd = EGlobal::get_LcdPower())
            lcd->close_Lcd();
        m_steps << QStringLiteral("panel off");
    }
    tryStopRecording();
    return true;
}

bool PowerOff::recording() const
{
    if (m_recording)
        return m_recording();
    const ECapturePanel *panel = ECapturePanel::instance();
    return panel && panel->get_video_workstat() == ECapturePanel::VRecording;
}

// A photo being finished holds the stop back; the retries give it time,
// and the bound keeps a stuck recording from keeping the camera on.
void PowerOff::tryStopRecording()
{
    if (!recording()) {
        shutDownCore();
        return;
    }
    if (m_attempts >= RecordingStopAttempts) {
        m_steps << QStringLiteral("recording still running");
        std::puts("recording did not stop, powering off anyway");
        shutDownCore();
        return;
    }
    ++m_attempts;
    m_steps << QStringLiteral("stop recording");
    if (ECapturePanel *panel = ECapturePanel::instance())
        panel->video_work(ECapturePanel::VIdle);
    after(RecordingRetryMs, &PowerOff::tryStopRecording);
}

void PowerOff::shutDownCore()
{
    m_steps << QStringLiteral("core shutdown");
    if (FPGA *fpga = EGlobal::getFPGA()) {
        if (Serial *serial = fpga->getSerial())
            serial->shutDown();
    }
    after(CoreSettleMs, &PowerOff::cutPower);
}

void PowerOff::cutPower()
{
    CLcd_power *lcd = EGlobal::get_LcdPower();
    // Nothing written since may be lost when the hold line drops.
    if (lcd)
        lcd->sync_Disks();
    m_steps << QStringLiteral("sync");
    m_steps << QStringLiteral("power cut");
    if (!lcd || lcd->close_Power() < 0) {
        std::puts("kill power err");
        m_steps << QStringLiteral("kill power err");
    }
    if (rebootsAfter(m_caller)) {
        m_steps << QStringLiteral("reboot");
        CommandRunner::instance()->startDetached(QStringLiteral("reboot"), QStringList());
    }
    m_finished = true;
    Q_EMIT finished();
}

void PowerOff::after(int nominalMs, void (PowerOff::*next)())
{
    m_next = next;
    m_timer.start(Intervals::ms(nominalMs));
}

void PowerOff::reset()
{
    m_timer.stop();
    m_next = nullptr;
    m_running = false;
    m_finished = false;
    m_flashRunning = false;
    m_attempts = 0;
    m_recording = nullptr;
    m_steps.clear();
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool PowerOff::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Wheel:
        return m_running;
    default:
        return QObject::eventFilter(watched, event);
    }
}
