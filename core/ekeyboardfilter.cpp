#include "ekeyboardfilter.h"

#include "capturerelease.h"
#include "clcd_power.h"
#include "commandrunner.h"
#include "cvmainwindow.h"
#include "eadjustlevelitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagetab.h"
#include "emiscpage.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "intervals.h"
#include "paths.h"
#include "pipecommand.h"
#include "settingssync.h"
#include "storedsettings.h"
#include "zpshutdown.h"

#include <QKeyEvent>
#include <QMutexLocker>
#include <QSettings>
#include <QTimer>
#include <QWindow>

#include <cstdio>

EKeyboardFilter::EKeyboardFilter(QObject *parent)
    : QObject(parent)
{
    m_powerTimer = makeTimer(&EKeyboardFilter::timeShutdownHandler);
    m_levelTimer = makeTimer(&EKeyboardFilter::slot_shutterHandler);
    m_lampTimer = makeTimer(&EKeyboardFilter::slot_laserHandler);
    m_calibTimer = makeTimer(&EKeyboardFilter::slot_tmCalib);
    m_updateTimer = makeTimer(&EKeyboardFilter::installupdateslots);
    m_flashTimer = makeTimer(&EKeyboardFilter::updateEPCSSlots);
    // A photo state left from before a restart would refuse every snapshot.
    if (CvmainWindow *panel = EGlobal::get_cvmainwindow())
        panel->set_Imagestate(0);
}

EKeyboardFilter::~EKeyboardFilter()
{
    delete m_shutdown.data();
}

ZPshutdown *EKeyboardFilter::shutdownScreen() const
{
    return m_shutdown;
}

QTimer *EKeyboardFilter::makeTimer(void (EKeyboardFilter::*slot)())
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, slot);
    return timer;
}

bool EKeyboardFilter::holdPending() const
{
    for (const QTimer *timer : {m_powerTimer, m_levelTimer, m_lampTimer, m_calibTimer, m_updateTimer, m_flashTimer})
        if (timer->isActive())
            return true;
    return false;
}

// A key event reaches the application's filters once for its window and
// again for every widget it propagates through: only the window's counts.
bool EKeyboardFilter::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && qobject_cast<QWindow *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (!key->isAutoRepeat())
            return filter(key->text().isEmpty() ? 0 : key->text().at(0).unicode(), key->key(), int(key->modifiers()),
                          event->type() == QEvent::KeyPress, false);
    }
    return false;
}

bool EKeyboardFilter::filter(int, int keycode, int, bool isPress, bool)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    // A release that is otherwise ignored still ends its key's hold: a
    // hold must never outlive the finger on the key.
    if (view && view->getWaitIrAdmode()) {
        if (!isPress)
            endHold(keycode);
        return false;
    }
    CLcd_power *lcd = EGlobal::get_LcdPower();
    m_lcdState = lcd ? lcd->cget_Lcd_stat() : -1;
    // The key that wakes a dark screen does nothing else, in no widget
    // either: its press and the release after it go no further.
    if (m_lcdState == 0 || (view && view->getLcdPowerstate())) {
        if (!isPress) {
            endHold(keycode);
            return false;
        }
        if (lcd)
            lcd->start_Lcd();
        if (view) {
            view->setLcdPowerstate(false);
            view->setTouchLcdstate(true);
        }
        return true;
    }
    if (view && view->getTouchLcdstate()) {
        view->setTouchLcdstate(false);
        if (!isPress)
            endHold(keycode);
        return true;
    }
    dispatch(keycode, isPress);
    return false;
}

void EKeyboardFilter::dispatch(int keycode, bool isPress)
{
    switch (keycode) {
    case Qt::Key_S:
        if (isPress)
            snapshot();
        break;
    case Qt::Key_A:
        levelKey(isPress);
        break;
    case Qt::Key_C:
        calibrationKey(isPress);
        break;
    case Qt::Key_P:
        powerKey(isPress);
        break;
    case Qt::Key_I:
        if (isPress)
            trigger();
        qWarning("==== keycode == Qt::Key_I ====");
        break;
    case Qt::Key_T:
        if (isPress)
            tesetSaveImage();
        break;
    case Qt::Key_L:
        lampKey(isPress);
        break;
    case Qt::Key_U:
        updateKey(isPress);
        break;
    case Qt::Key_E:
        flashKey(isPress);
        break;
    default:
        break;
    }
}

void EKeyboardFilter::endHold(int keycode)
{
    switch (keycode) {
    case Qt::Key_A:
        m_levelTimer->stop();
        break;
    case Qt::Key_C:
        m_calibTimer->stop();
        break;
    case Qt::Key_P:
        m_powerTimer->stop();
        break;
    case Qt::Key_L:
        m_lampTimer->stop();
        if (m_lampFired) {
            m_lampFired = false;
            laserHandler(false);
        }
        break;
    case Qt::Key_U:
        m_updateTimer->stop();
        break;
    case Qt::Key_E:
        m_flashTimer->stop();
        break;
    default:
        break;
    }
}

int EKeyboardFilter::keyisWriteSelect(const char *path, const char *command)
{
    if (!PipeCommand::send(path, QByteArray(command), "keyisWriteSelect"))
        return -1;
    std::printf("\t%s: %s \n", "keyisWriteSelect", command);
    return 0;
}

void EKeyboardFilter::tesetSaveImage()
{
    std::printf("teset save image parra\n");
}

// ---- A: shutter, held level/span ----

void EKeyboardFilter::levelKey(bool isPress)
{
    if (isPress) {
        m_levelTimer->start(Intervals::ms(LevelHoldMs));
        return;
    }
    m_levelTimer->stop();
    if (m_levelFired) {
        m_levelFired = false;
        return;
    }
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->shutterHandler();
    if (EToolWidget *bar = EGlobal::getToolBar()) {
        bar->startShutterTimer(false);
        bar->startShutterTimer(true);
    }
}

void EKeyboardFilter::slot_shutterHandler()
{
    m_levelTimer->stop();
    m_levelFired = true;
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view)
        return;
    const Mode_t mode = view->getLevelSpanMode() == MODE_MANUAL ? MODE_AUTO : MODE_MANUAL;
    view->setLevelSpanMode(mode);
    if (EImageTab *popup = EGlobal::getImageTab()) {
        popup->modePage()->readConfigPara();
        popup->modePage()->adjustWindow()->changeMode(mode);
    }
}

// ---- C: calibration entry ----

void EKeyboardFilter::calibrationKey(bool isPress)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!isPress) {
        qWarning("key release");
        m_calibTimer->stop();
        return;
    }
    qWarning("key press");
    if (!view)
        return;
    if (view->getInterfaceMode() == EGraphicsViewPrivate::CalibrationInterface) {
        qWarning("have in  biaoding");
        view->enterCalibInterface(false);
        return;
    }
    int delay = 0;
    {
        StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        m_calibMode = settings.value(QStringLiteral("VyxSet/EnterMode"), 0).toInt();
        delay = settings.value(QStringLiteral("VyxSet/DelayTime"), 0).toInt();
    }
    if (delay == 0) {
        view->enterCalibInterface(m_calibMode != 0);
    } else if (delay > 0) {
        // An hour at most: seconds times 1000 must stay an int.
        m_calibTimer->stop();
        m_calibTimer->start(Intervals::ms(qMin(delay, int(MaxCalibDelayS)) * 1000));
    }
}

void EKeyboardFilter::slot_tmCalib()
{
    qWarning("enter to biaoding");
    m_calibTimer->stop();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->enterCalibInterface(m_calibMode != 0);
}

// ---- P: LCD off, held the power-off screen and power off ----

void EKeyboardFilter::powerKey(bool isPress)
{
    if (isPress) {
        if (m_lcdState != 1 || m_shutdown || m_powerTimer->isActive())
            return;
        qWarning("==== P [%d]====", m_powerSeconds);
        m_powerSeconds = 0;
        m_powerTimer->start(Intervals::ms(TickMs));
        return;
    }
    m_powerTimer->stop();
    if (m_lcdState != 1 || m_shutdown)
        return;
    if (m_powerSeconds <= 1 && !m_powerOffFired) {
        CLcd_power *lcd = EGlobal::get_LcdPower();
        const int closed = lcd ? lcd->close_Lcd() : -1;
        // Only a screen that really went dark takes the next key as its
        // wake-up.
        if (closed < 0)
            qWarning("==== close Lcd err ====");
        else if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->setLcdPowerstate(true);
        qWarning("==== close Lcd end ==== ");
    } else {
        m_powerOffFired = false;
    }
    m_powerSeconds = 0;
}

void EKeyboardFilter::timeShutdownHandler()
{
    ++m_powerSeconds;
    qWarning("press p [%d]s ", m_powerSeconds);
    if (m_powerSeconds >= ShutdownScreenTicks && !m_shutdown) {
        m_shutdown = new ZPshutdown(nullptr);
        connect(m_shutdown.data(), &ZPshutdown::cancel_shutdown_signal, this, &EKeyboardFilter::cancel_shutdownHandler);
        m_shutdown->show();
    }
    if (m_powerSeconds >= PowerOffTicks) {
        m_powerTimer->stop();
        m_powerOffFired = true;
        m_powerSeconds = 0;
        m_shutdown->KeyCloseWindow();
    }
}

// The screen's own cancel signal calls this from inside its handler.
void EKeyboardFilter::cancel_shutdownHandler()
{
    if (!m_shutdown)
        return;
    m_shutdown->close();
    m_shutdown->deleteLater();
    m_shutdown = nullptr;
}

// ---- L: lamp, held the laser ----

void EKeyboardFilter::lampKey(bool isPress)
{
    if (isPress) {
        m_lampFired = false;
        m_lampTimer->start(Intervals::ms(LampHoldMs));
        return;
    }
    m_lampTimer->stop();
    if (m_lampFired)
        laserHandler(false);
    else
        lampHandler();
}

void EKeyboardFilter::slot_laserHandler()
{
    m_lampTimer->stop();
    m_lampFired = true;
    laserHandler(true);
}

void EKeyboardFilter::laserHandler(bool on)
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->laserHandler(on);
}

void EKeyboardFilter::lampHandler()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    const QString stored = settings.value(QStringLiteral("Lamp"), QStringLiteral("off")).toString();
    if (stored != QLatin1String("off") && stored != QLatin1String("on"))
        return;
    const bool on = stored == QLatin1String("off");
    settings.setValue(QStringLiteral("Lamp"), on ? QStringLiteral("on") : QStringLiteral("off"));
    SettingsSync::commit(settings, "Lamp");
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->lampHandler(on);
    if (ESetupWindow *setup = EGlobal::getSetupWindow())
        if (auto *control = qobject_cast<EMiscPage *>(setup->widget(ESetupWindow::ControlPage)))
            control->openLamp(on);
}

// ---- U and E: held 5 s ----

void EKeyboardFilter::updateKey(bool isPress)
{
    std::printf("\t === %s %d === \n", "updateKey", int(isPress));
    m_updateSeconds = 0;
    if (isPress)
        m_updateTimer->start(Intervals::ms(TickMs));
    else
        m_updateTimer->stop();
}

void EKeyboardFilter::installupdateslots()
{
    if (++m_updateSeconds < UpdateTicks)
        return;
    std::printf("==== %s %s %d ====== \n", "installupdateslots", updateWizard(), m_updateSeconds);
    m_updateSeconds = 0;
    m_updateTimer->stop();
    if (!CommandRunner::instance()->startDetached(Paths::resolve(QLatin1String(updateWizard())), {}))
        qWarning("EKeyboardFilter: the update wizard did not start");
}

void EKeyboardFilter::flashKey(bool isPress)
{
    m_flashSeconds = 0;
    if (isPress)
        m_flashTimer->start(Intervals::ms(TickMs));
    else
        m_flashTimer->stop();
}

void EKeyboardFilter::updateEPCSSlots()
{
    if (++m_flashSeconds < UpdateTicks)
        return;
    m_flashSeconds = 0;
    m_flashTimer->stop();
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->updateEPCS();
}

// ---- S: snapshot ----

void EKeyboardFilter::snapshot()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!view || !panel || view->getCameraFlag() || panel->getSCstate() != 0)
        return;
    QMutexLocker lock(&m_snapshotLock);
    if (!view->isVisibled())
        return;
    if (panel->get_Imagestate() != 0) {
        qWarning("save image ............");
        return;
    }
    EToolWidget *bar = EGlobal::getToolBar();
    const bool card = bar && bar->SDCardStatus();
    std::printf("[%s] [%d] [%d]\n", "snapshot", __LINE__, int(card));
    if (!card) {
        EGraphicsView::showImageWrapIndicator(view);
        panel->set_Imagestate(0);
        return;
    }
    if (EGraphicsView::getPhotoSDCardInfo()) {
        EGraphicsView::showWrapIndicator(view, QT_TRANSLATE_NOOP("EGraphicsView", "Lack of space"));
        return;
    }
    panel->set_Imagestate(1);
    bar->freezeImageFlag(true);
    const bool started = keyisWriteSelect(PipeCommand::ServicePipe, "jpegenc start") == 0;
    if (started) {
        view->freezeFPGAImage(true);
        panel->setSnapshot(true);
    }
    if (started && keyisWriteSelect(PipeCommand::SavePipe, "save") == 0)
        return;
    // Nothing will save this picture: give the live view back, or every
    // later snapshot would only log.
    panel->setSnapshot(false);
    CaptureRelease::release(started, "snapshot");
    EGraphicsView::showWrapIndicator(view, QT_TRANSLATE_NOOP("EGraphicsView", "Save failed"));
}

// ---- I: trigger ----

void EKeyboardFilter::trigger()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!view)
        return;
    if (view->isVisibled()) {
        if (view->gerFreezeFPGAImageStatus()) {
            view->freezeFPGAImage(false);
            keyisWriteSelect(PipeCommand::ServicePipe, "jpegenc stop");
            if (EToolWidget *bar = EGlobal::getToolBar())
                bar->freezeImageFlag(false);
        } else if (view->getImagesequencemode()) {
            EGraphicsView::showWrapIndicator(view, QT_TRANSLATE_NOOP("EGraphicsView", "Automatic Camera"));
            if (panel)
                panel->setSnapshot(true);
        } else if (panel && panel->getSCstate() == 0) {
            panel->set_currentwidget(0);
            panel->show();
            panel->SetAutoImage(1);
            panel->move(0, 200);
            panel->camera_func();
            view->setVisibled(false);
        }
        return;
    }
    if (!panel || panel->get_activationstat() == CvmainWindow::Hidden || panel->getSCstate() != 0)
        return;
    if (panel->get_currentwidget() == 0 && panel->isVisible()) {
        panel->camera_func();
    } else if (panel->get_currentwidget() == 1) {
        if (panel->isVisible()) {
            panel->video_start();
        } else {
            panel->show();
            panel->start_timer();
        }
    }
}
