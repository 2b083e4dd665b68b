#include "idlewatcher.h"

#include "clcd_power.h"
#include "eglobal.h"
#include "intervals.h"
#include "lcdscreensaver.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

IdleWatcher *IdleWatcher::instance()
{
    static IdleWatcher *s_instance = new IdleWatcher;
    return s_instance;
}

IdleWatcher::IdleWatcher()
{
    m_timer.setSingleShot(true);
    m_clock.start();
    connect(&m_timer, &QTimer::timeout, this, &IdleWatcher::idleTimeout);
}

IdleWatcher::~IdleWatcher() = default;

void IdleWatcher::setScreenSaver(lcdScreenSaver *saver)
{
    m_saver.reset(saver);
    m_saving = false;
}

void IdleWatcher::install()
{
    if (m_installed || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(this);
    m_installed = true;
}

void IdleWatcher::uninstall()
{
    if (m_installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
    m_installed = false;
    m_timer.stop();
    m_swallowing = false;
    m_swallowingKey = false;
}

void IdleWatcher::setIntervalMs(int ms)
{
    m_intervalMs = std::max(0, ms);
    wake();
    m_lastInputMs = m_clock.elapsed();
    if (m_intervalMs > 0)
        m_timer.start(Intervals::ms(m_intervalMs));
    else
        m_timer.stop();
}

void IdleWatcher::wake()
{
    if (!m_saving)
        return;
    m_saving = false;
    if (m_saver)
        m_saver->restore();
}

bool IdleWatcher::panelDark()
{
    CLcd_power *lcd = EGlobal::get_LcdPower();
    return lcd && lcd->cget_Lcd_stat() == 0;
}

void IdleWatcher::idleTimeout()
{
    if (m_intervalMs <= 0 || m_saving)
        return;
    const qint64 idle = m_clock.elapsed() - m_lastInputMs;
    const qint64 interval = Intervals::ms(m_intervalMs);
    if (!m_timer.isActive() && idle < interval) {
        // Input came meanwhile: wait the rest.
        m_timer.start(int(interval - idle));
        return;
    }
    m_saving = true;
    if (m_saver)
        m_saver->save(0);
}

bool IdleWatcher::input(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        if (static_cast<const QMouseEvent *>(event)->buttons() == Qt::NoButton)
            return false;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Wheel:
        break;
    default:
        return false;
    }
    m_lastInputMs = m_clock.elapsed();
    const bool pointer = event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease;
    if (!pointer && swallowsWakeKey(static_cast<const QKeyEvent *>(event)))
        return true;
    if (m_saving) {
        const bool dark = panelDark();
        const bool dimmed = dark || (m_saver && m_saver->isScreenDimmed());
        wake();
        if (m_intervalMs > 0)
            m_timer.start(Intervals::ms(m_intervalMs));
        if (pointer && dark && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin))
            m_swallowing = true;
        if (dimmed && event->type() == QEvent::KeyPress) {
            m_swallowingKey = true;
            m_wakeKey = static_cast<const QKeyEvent *>(event)->key();
            return true;
        }
    }
    if (m_swallowing && pointer) {
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::TouchEnd)
            m_swallowing = false;
        return true;
    }
    return false;
}

// The repeats and the release of the key that woke the panel. A fresh
// press of it means its release went elsewhere: that press is a key again.
bool IdleWatcher::swallowsWakeKey(const QKeyEvent *key)
{
    if (!m_swallowingKey || key->key() != m_wakeKey)
        return false;
    if (key->isAutoRepeat())
        return true;
    m_swallowingKey = false;
    return key->type() == QEvent::KeyRelease;
}

bool IdleWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (input(event))
        return true;
    return QObject::eventFilter(watched, event);
}
