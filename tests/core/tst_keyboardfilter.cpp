#include "clcd_power.h"
#include "capturerelease.h"
#include "cvmainwindow.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "emaininterface.h"
#include "escaledlayout.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "freespace.h"
#include "idlewatcher.h"
#include "indicator.h"
#include "lcdscreensaver.h"
#include "poweroff.h"
#include "recordingcommandrunner.h"
#include "simpowerdevice.h"
#include "testroot.h"
#include "zpshutdown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {
// The live view with the calibration entries recorded.
class RecordingView : public EGraphicsView
{
public:
    void enterCalibInterface(bool askCode) override { calibCalls << askCode; }
    void updateEPCS() override { ++flashCalls; }
    QList<bool> calibCalls;
    int flashCalls = 0;
};

// Counts the commands the filter tried to send (each try logs once when no
// service reads the pipe).
QStringList *g_tries = nullptr;
QtMessageHandler g_previous = nullptr;
void countTries(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_tries && message.startsWith(QLatin1String("keyisWriteSelect: \""))) {
        g_tries->append(message.section(QLatin1Char('"'), 1, 1));
        return;
    }
    if (g_tries)
        return; // thousands of steps: keep the log short
    g_previous(type, context, message);
}
} // namespace

// The hardware keys: press, hold and release of each of the nine letters
// (holds driven through the timers' slots), the LCD wake-up, the snapshot
// with its pipes, and a randomized run of keys and touches.
class TestKeyboardFilter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void actsOncePerEventAndNeverConsumes();
    void autoRepeatIsDropped();
    void waitFlagIgnoresEverything();
    void darkLcdOnlyWakes();
    void keyOnASleepingScreenOnlyWakes_data();
    void keyOnASleepingScreenOnlyWakes();
    void levelKey_data();
    void levelKey();
    void lampKey_data();
    void lampKey();
    void powerKey_data();
    void powerKey();
    void failedSwitchOffKeepsKeysWorking();
    void swallowedReleaseEndsTheHold();
    void calibrationKey_data();
    void calibrationKey();
    void fiveSecondKeys_data();
    void fiveSecondKeys();
    void snapshot_data();
    void snapshot();
    void failedSnapshotGivesTheViewBack_data();
    void failedSnapshotGivesTheViewBack();
    void trigger();
    void randomKeysAndTouches_data();
    void randomKeysAndTouches();

private:
    void key(QEvent::Type type, int code, bool autoRepeat = false);
    void press(int code) { key(QEvent::KeyPress, code); }
    void release(int code) { key(QEvent::KeyRelease, code); }
    void hold(int code, QTimer *timer, int ticks);
    QString lamp() const;
    QStringList indicatorTexts() const;
    bool acted(int code) const;

    std::unique_ptr<TestRoot> m_root;
    std::shared_ptr<SimPowerDevice> m_device;
    std::unique_ptr<CLcd_power> m_lcd;
    std::unique_ptr<RecordingView> m_view;
    std::unique_ptr<EMainInterface> m_menu;
    std::unique_ptr<EKeyboardFilter> m_keys;
};

void TestKeyboardFilter::init()
{
    m_root = std::make_unique<TestRoot>();
    m_device = std::make_shared<SimPowerDevice>();
    SimPowerDevice::install(m_device);
    m_lcd = std::make_unique<CLcd_power>();
    EGlobal::set_LcdPower(m_lcd.get());
    PowerOff::instance()->reset();
    m_view = std::make_unique<RecordingView>();
    m_view->setGeometry(0, 0, 320, 240);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_menu = std::make_unique<EMainInterface>(nullptr, nullptr, Qt::FramelessWindowHint);
    QTRY_VERIFY(EGlobal::getImageTab());
    EGlobal::get_cvmainwindow()->set_Imagestate(1);
    m_keys = std::make_unique<EKeyboardFilter>();
    QCOMPARE(EGlobal::get_cvmainwindow()->get_Imagestate(), 0);
    qApp->installEventFilter(m_keys.get());
}

void TestKeyboardFilter::cleanup()
{
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    IdleWatcher::instance()->setIntervalMs(0);
    m_keys.reset();
    m_menu.reset();
    m_view.reset();
    PowerOff::instance()->setFlashRunning(false);
    PowerOff::instance()->reset();
    EGlobal::set_LcdPower(nullptr);
    m_lcd.reset();
    SimPowerDevice::install(nullptr);
    FreeSpace::setScript(nullptr);
    m_root.reset();
}

// As the keys come: to the window that has them.
void TestKeyboardFilter::key(QEvent::Type type, int code, bool autoRepeat)
{
    QKeyEvent event(type, code, Qt::NoModifier, QString(QChar(code)), autoRepeat);
    QCoreApplication::sendEvent(m_view->windowHandle(), &event);
}

// Held for ticks of the key's timer (each tick a second on the camera).
void TestKeyboardFilter::hold(int code, QTimer *timer, int ticks)
{
    press(code);
    for (int i = 0; i < ticks && timer->isActive(); ++i)
        QMetaObject::invokeMethod(timer, "timeout");
    release(code);
}

QString TestKeyboardFilter::lamp() const
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    return settings.value(QStringLiteral("Lamp"), QStringLiteral("off")).toString();
}

QStringList TestKeyboardFilter::indicatorTexts() const
{
    QStringList texts;
    for (const Indicator *indicator : m_view->findChildren<Indicator *>())
        texts << (indicator->text().isEmpty() ? QStringLiteral("<picture>") : indicator->text());
    return texts;
}

void TestKeyboardFilter::actsOncePerEventAndNeverConsumes()
{
    // A window whose focused field takes letters: the key still acts once
    // while it climbs through the widgets, and the field gets it too.
    QWidget window;
    auto *field = new QLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_L);
    QCOMPARE(lamp(), QStringLiteral("on"));
    QCOMPARE(field->text(), QStringLiteral("l"));
    // A key the field ignores climbs to the window: still once.
    QTest::keyClick(window.windowHandle(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(lamp(), QStringLiteral("off"));
}

void TestKeyboardFilter::autoRepeatIsDropped()
{
    press(Qt::Key_L);
    for (int i = 0; i < 5; ++i) {
        key(QEvent::KeyRelease, Qt::Key_L, true);
        key(QEvent::KeyPress, Qt::Key_L, true);
    }
    QVERIFY(m_keys->lampTimer()->isActive());
    QCOMPARE(lamp(), QStringLiteral("off"));
    release(Qt::Key_L);
    QCOMPARE(lamp(), QStringLiteral("on"));
    QVERIFY(!m_keys->holdPending());
}

void TestKeyboardFilter::waitFlagIgnoresEverything()
{
    m_view->setWaitIrAdmode(true);
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    press(Qt::Key_P);
    QVERIFY(!m_keys->powerTimer()->isActive());
    release(Qt::Key_P);
    QCOMPARE(lamp(), QStringLiteral("off"));
    QVERIFY(m_device->panelOn());
}

void TestKeyboardFilter::darkLcdOnlyWakes()
{
    // P short: the LCD goes off by key.
    hold(Qt::Key_P, m_keys->powerTimer(), 0);
    QVERIFY(!m_device->panelOn());
    QVERIFY(m_view->getLcdPowerstate());
    // The next key only wakes it: neither its press nor its release acts.
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    QVERIFY(m_device->panelOn());
    QVERIFY(!m_view->getLcdPowerstate());
    QVERIFY(!m_view->getTouchLcdstate());
    QCOMPARE(lamp(), QStringLiteral("off"));
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    QCOMPARE(lamp(), QStringLiteral("on"));
    // Switched off elsewhere (state 0): the same.
    m_device->setPanelOn(false);
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    QVERIFY(m_device->panelOn());
    QCOMPARE(lamp(), QStringLiteral("on"));
}

// What each key's short press visibly does on the live view.
bool TestKeyboardFilter::acted(int code) const
{
    switch (code) {
    case Qt::Key_S:
        return !indicatorTexts().isEmpty(); // no card: the card picture
    case Qt::Key_I:
        return EGlobal::get_cvmainwindow()->isVisible();
    case Qt::Key_A:
        return m_view->isCalibrating();
    case Qt::Key_L:
        return lamp() == QLatin1String("on");
    case Qt::Key_C:
        return !m_view->calibCalls.isEmpty();
    case Qt::Key_P:
        return !m_device->panelOn();
    default:
        return false;
    }
}

void TestKeyboardFilter::keyOnASleepingScreenOnlyWakes_data()
{
    QTest::addColumn<QString>("darkened");
    QTest::addColumn<int>("code");
    const std::pair<const char *, int> keys[] = {{"S", Qt::Key_S}, {"I", Qt::Key_I}, {"A", Qt::Key_A},
                                                 {"L", Qt::Key_L}, {"C", Qt::Key_C}, {"P", Qt::Key_P}};
    for (const char *darkened : {"timer dim", "timer off", "short P"})
        for (const auto &[name, code] : keys)
            QTest::addRow("%s, %s", darkened, name) << QString::fromLatin1(darkened) << code;
}

// The screen saver installed as the start-up does (after the key filter):
// whatever dimmed or darkened the screen, a key's press and release only
// wake it, reach no widget, and the next press acts.
void TestKeyboardFilter::keyOnASleepingScreenOnlyWakes()
{
    QFETCH(QString, darkened);
    QFETCH(int, code);
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("CloseScreenPeriod"), 60000);
        settings.setValue(QStringLiteral("BrightConfig"), 183);
        settings.setValue(QStringLiteral("VyxSet/DelayTime"), 0);
    }
    m_view->toolBar()->displaySDCard(false);
    IdleWatcher *idle = IdleWatcher::instance();
    idle->setScreenSaver(new lcdScreenSaver);
    idle->install();
    idle->setIntervalMs(60000);
    EToolWidget *bar = m_view->toolBar();
    QCOMPARE(EGlobal::getToolBar(), bar);

    if (darkened == QLatin1String("short P")) {
        hold(Qt::Key_P, m_keys->powerTimer(), 0);
    } else {
        idle->idleTimeout();
        QVERIFY(idle->isSaving());
        QVERIFY(bar->isScreenDimmed());
        QCOMPARE(m_device->backlight(), 4096);
        if (darkened == QLatin1String("timer off"))
            QMetaObject::invokeMethod(bar->screenOffTimer(), "timeout");
    }
    QCOMPARE(m_device->panelOn(), darkened == QLatin1String("timer dim"));
    QVERIFY(!acted(code) || code == Qt::Key_P);

    // Counts the key events that reach any widget.
    struct WidgetKeys : QObject
    {
        int count = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWidgetType())
                ++count;
            return false;
        }
    } widgetKeys;
    qApp->installEventFilter(&widgetKeys);
    press(code);
    QCOMPARE(m_keys->holdPending(), false);
    release(code);
    qApp->removeEventFilter(&widgetKeys);

    QCOMPARE(widgetKeys.count, 0);
    QVERIFY(m_device->panelOn());
    QVERIFY(!bar->isScreenDimmed());
    QVERIFY(!idle->isSaving());
    QVERIFY(m_device->backlight() != 4096);
    QVERIFY(!m_view->getLcdPowerstate());
    QVERIFY(!m_view->getTouchLcdstate());
    QVERIFY(!m_keys->holdPending());
    QVERIFY2(!acted(code), "the waking key acted");
    QCOMPARE(m_root->runner()->calls().size(), 0);

    // The next press acts.
    hold(code, m_keys->levelTimer(), 0);
    QVERIFY2(acted(code), "the key after the wake-up did not act");
}

void TestKeyboardFilter::levelKey_data()
{
    QTest::addColumn<int>("startMode");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("endMode");
    QTest::addColumn<bool>("shutter");
    QTest::newRow("released before 2 s: shutter") << int(MODE_AUTO) << 0 << int(MODE_AUTO) << true;
    QTest::newRow("held 2 s in automatic: manual") << int(MODE_AUTO) << 1 << int(MODE_MANUAL) << false;
    QTest::newRow("held 2 s in histogram: manual") << int(MODE_HISTOGRAM) << 1 << int(MODE_MANUAL) << false;
    QTest::newRow("held 2 s in manual: automatic") << int(MODE_MANUAL) << 1 << int(MODE_AUTO) << false;
}

void TestKeyboardFilter::levelKey()
{
    QFETCH(int, startMode);
    QFETCH(int, ticks);
    QFETCH(int, endMode);
    QFETCH(bool, shutter);
    m_view->setLevelSpanMode(startMode);
    press(Qt::Key_A);
    QCOMPARE(m_keys->levelTimer()->interval(), 2000);
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(m_keys->levelTimer(), "timeout");
    QVERIFY(!m_view->isCalibrating());
    release(Qt::Key_A);
    QCOMPARE(int(m_view->getLevelSpanMode()), endMode);
    QCOMPARE(m_view->isCalibrating(), shutter);
    QVERIFY(!m_keys->holdPending());
    // The next short press is a shutter again.
    m_view->slot_hideShutterDisplay();
    hold(Qt::Key_A, m_keys->levelTimer(), 0);
    QVERIFY(m_view->isCalibrating());
    QCOMPARE(int(m_view->getLevelSpanMode()), endMode);
}

void TestKeyboardFilter::lampKey_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("lampAfter");
    QTest::newRow("released before 1 s: lamp") << 0 << "on";
    QTest::newRow("held 1 s: laser while held") << 1 << "off";
}

void TestKeyboardFilter::lampKey()
{
    QFETCH(int, ticks);
    QFETCH(QString, lampAfter);
    press(Qt::Key_L);
    QCOMPARE(m_keys->lampTimer()->interval(), 1000);
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(m_keys->lampTimer(), "timeout");
    QCOMPARE(m_view->toolBar()->getLaserStatus(), ticks > 0);
    release(Qt::Key_L);
    QCOMPARE(lamp(), lampAfter);
    QCOMPARE(m_view->toolBar()->getLaserStatus(), false);
    QVERIFY(!m_keys->holdPending());
    // A stored text that is neither "on" nor "off" is left alone.
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("Lamp"), QStringLiteral("dim"));
    }
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    QCOMPARE(lamp(), QStringLiteral("dim"));
}

void TestKeyboardFilter::powerKey_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("panelOn");
    QTest::addColumn<bool>("screen");
    QTest::addColumn<bool>("poweringOff");
    QTest::newRow("released at once: LCD off") << 0 << false << false << false;
    QTest::newRow("released after 1 s: LCD off") << 1 << false << false << false;
    QTest::newRow("released after 2 s: slide screen") << 2 << true << true << false;
    QTest::newRow("held 7 s: power off") << 7 << true << true << true;
}

void TestKeyboardFilter::powerKey()
{
    QFETCH(int, ticks);
    QFETCH(bool, panelOn);
    QFETCH(bool, screen);
    QFETCH(bool, poweringOff);
    hold(Qt::Key_P, m_keys->powerTimer(), ticks);
    QCOMPARE(m_device->panelOn(), panelOn);
    QCOMPARE(m_view->getLcdPowerstate(), !panelOn);
    QCOMPARE(m_keys->shutdownScreen() != nullptr, screen);
    QVERIFY(!m_keys->powerTimer()->isActive());
    if (!screen)
        return;
    ZPshutdown *slide = m_keys->shutdownScreen();
    QVERIFY(slide->isVisible());
    // Held to 7 s the screen powers off as a finished slide does.
    QCOMPARE(slide->isArmed(), poweringOff);
    if (poweringOff) {
        QMetaObject::invokeMethod(slide->tickTimer(), "timeout");
        QVERIFY(PowerOff::instance()->isRunning());
    }
    // While the screen is up P starts nothing.
    press(Qt::Key_P);
    QVERIFY(!m_keys->powerTimer()->isActive());
    release(Qt::Key_P);
    if (poweringOff)
        return;
    // Cancel on the screen closes it; P works again.
    QTest::mouseClick(m_keys->shutdownScreen()->cancelButton(), Qt::LeftButton);
    QVERIFY(!m_keys->shutdownScreen());
    hold(Qt::Key_P, m_keys->powerTimer(), 0);
    QVERIFY(!m_device->panelOn());
}

// A switch-off that failed leaves the screen on: the next key is no
// wake-up and acts.
void TestKeyboardFilter::failedSwitchOffKeepsKeysWorking()
{
    m_device->failRequest(PowerDevice::Gpio, SimPowerDevice::GpioSetLcd);
    QTest::ignoreMessage(QtWarningMsg, "==== close Lcd err ====");
    hold(Qt::Key_P, m_keys->powerTimer(), 0);
    QVERIFY(m_device->panelOn());
    QVERIFY(!m_view->getLcdPowerstate());
    hold(Qt::Key_L, m_keys->lampTimer(), 0);
    QCOMPARE(lamp(), QStringLiteral("on"));
}

// The busy picture coming up, or the screen going dark, while a key is
// held swallows its release; the hold ends all the same, so a released P
// never reaches the power-off and a released L leaves no laser on.
void TestKeyboardFilter::swallowedReleaseEndsTheHold()
{
    press(Qt::Key_P);
    QVERIFY(m_keys->powerTimer()->isActive());
    m_view->setWaitIrAdmode(true);
    release(Qt::Key_P);
    QVERIFY(!m_keys->powerTimer()->isActive());
    m_view->setWaitIrAdmode(false);

    press(Qt::Key_L);
    QMetaObject::invokeMethod(m_keys->lampTimer(), "timeout");
    QVERIFY(m_view->toolBar()->getLaserStatus());
    m_device->setPanelOn(false);
    release(Qt::Key_L);
    QVERIFY(!m_view->toolBar()->getLaserStatus());
    QCOMPARE(lamp(), QStringLiteral("off"));

    // U held, the screen goes dark, A wakes it: U's release is the one the
    // wake-up swallows.
    m_device->setPanelOn(true);
    press(Qt::Key_U);
    QVERIFY(m_keys->updateTimer()->isActive());
    m_device->setPanelOn(false);
    press(Qt::Key_A);
    QVERIFY(m_device->panelOn());
    release(Qt::Key_U);
    QVERIFY(!m_keys->updateTimer()->isActive());
    release(Qt::Key_A);
    QVERIFY(!m_keys->holdPending());
}

void TestKeyboardFilter::calibrationKey_data()
{
    QTest::addColumn<int>("enterMode");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("timerMs");
    QTest::addColumn<QList<bool>>("calls");
    QTest::newRow("no delay, no code") << 0 << 0 << 0 << -1 << QList<bool>{false};
    QTest::newRow("no delay, code") << 1 << 0 << 0 << -1 << QList<bool>{true};
    QTest::newRow("3 s held") << 2 << 3 << 1 << 3000 << QList<bool>{true};
    QTest::newRow("3 s, released earlier") << 1 << 3 << 0 << 3000 << QList<bool>{};
    QTest::newRow("huge delay held to an hour") << 0 << 100000000 << 0 << 3600000 << QList<bool>{};
    QTest::newRow("negative delay") << 1 << -5 << 0 << -1 << QList<bool>{};
}

void TestKeyboardFilter::calibrationKey()
{
    QFETCH(int, enterMode);
    QFETCH(int, delay);
    QFETCH(int, ticks);
    QFETCH(int, timerMs);
    QFETCH(QList<bool>, calls);
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("VyxSet/EnterMode"), enterMode);
        settings.setValue(QStringLiteral("VyxSet/DelayTime"), delay);
    }
    press(Qt::Key_C);
    QCOMPARE(m_keys->calibTimer()->isActive(), timerMs > 0);
    if (timerMs > 0)
        QCOMPARE(m_keys->calibTimer()->interval(), timerMs);
    for (int i = 0; i < ticks; ++i)
        QMetaObject::invokeMethod(m_keys->calibTimer(), "timeout");
    release(Qt::Key_C);
    QCOMPARE(m_view->calibCalls, calls);
    QVERIFY(!m_keys->holdPending());
    // Inside calibration a press leaves it.
    m_view->calibCalls.clear();
    m_view->setInterfaceMode(EGraphicsViewPrivate::CalibrationInterface);
    hold(Qt::Key_C, m_keys->calibTimer(), 0);
    QCOMPARE(m_view->calibCalls, QList<bool>{false});
}

void TestKeyboardFilter::fiveSecondKeys_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<bool>("acts");
    QTest::newRow("U released at 4 s") << int(Qt::Key_U) << 4 << false;
    QTest::newRow("U held 5 s") << int(Qt::Key_U) << 5 << true;
    QTest::newRow("U held 9 s") << int(Qt::Key_U) << 9 << true;
    QTest::newRow("E released at 4 s") << int(Qt::Key_E) << 4 << false;
    QTest::newRow("E held 5 s") << int(Qt::Key_E) << 5 << true;
    QTest::newRow("E held 9 s") << int(Qt::Key_E) << 9 << true;
}

void TestKeyboardFilter::fiveSecondKeys()
{
    QFETCH(int, code);
    QFETCH(int, ticks);
    QFETCH(bool, acts);
    QTimer *timer = code == Qt::Key_U ? m_keys->updateTimer() : m_keys->flashTimer();
    hold(code, timer, ticks);
    QVERIFY(!m_keys->holdPending());
    if (code == Qt::Key_E) {
        QCOMPARE(m_view->flashCalls, acts ? 1 : 0);
        return;
    }
    // Detached, by its path under the root, no shell and no display argument.
    const QList<RecordingCommandRunner::Call> calls = m_root->runner()->calls();
    QCOMPARE(calls.size(), acts ? 1 : 0);
    if (acts) {
        QVERIFY(calls.first().detached);
        QCOMPARE(calls.first().program, m_root->hostPath(QStringLiteral("/works/renovo")));
        QVERIFY(calls.first().arguments.isEmpty());
    }
}

void TestKeyboardFilter::snapshot_data()
{
    QTest::addColumn<bool>("card");
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<int>("busy");
    QTest::addColumn<QStringList>("sent");
    QTest::addColumn<QStringList>("indicators");
    QTest::addColumn<int>("stateAfter");
    const QStringList none;
    QTest::newRow("saves") << true << qint64(1) << 0 << QStringList{"jpegenc start", "save"} << none << 1;
    QTest::newRow("no card") << false << qint64(1) << 0 << none << QStringList{"<picture>"} << 0;
    QTest::newRow("less than 1 MiB") << true << qint64(-1) << 0 << none << QStringList{"Lack of space"} << 0;
    QTest::newRow("previous photo saving") << true << qint64(1) << 1 << none << none << 1;
}

void TestKeyboardFilter::snapshot()
{
    QFETCH(bool, card);
    QFETCH(qint64, freeBytes);
    QFETCH(int, busy);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, indicators);
    QFETCH(int, stateAfter);
    FreeSpace::setScript([freeBytes](const QString &) { return freeBytes < 0 ? qint64(1000) : qint64(1) << 30; });
    m_view->toolBar()->displaySDCard(card);
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    panel->set_Imagestate(busy);
    FifoReader service(QStringLiteral("/tmp/service_ir"));
    FifoReader saver(QStringLiteral("/tmp/QSaveImage"));
    QVERIFY(service.open() && saver.open());
    QStringList received;
    connect(&service, &FifoReader::received, this, [&](const QByteArray &data) { received << QString::fromLatin1(data); });
    connect(&saver, &FifoReader::received, this, [&](const QByteArray &data) { received << QString::fromLatin1(data); });
    hold(Qt::Key_S, m_keys->levelTimer(), 0);
    // Two pipes, two reading threads: the order of arrival is theirs.
    QTRY_COMPARE(received.size(), sent.size());
    received.sort();
    sent.sort();
    QCOMPARE(received, sent);
    QCOMPARE(indicatorTexts(), indicators);
    QCOMPARE(panel->get_Imagestate(), stateAfter);
    QCOMPARE(m_view->toolBar()->getFreezeImageFlag(), !sent.isEmpty());
    QCOMPARE(panel->getSnapshot(), !sent.isEmpty());
    // A second S while it saves only waits.
    hold(Qt::Key_S, m_keys->levelTimer(), 0);
    QVERIFY(!QTest::qWaitFor([&] { return received.size() > sent.size(); }, 50));
    QCOMPARE(received, sent);
}

void TestKeyboardFilter::failedSnapshotGivesTheViewBack_data()
{
    QTest::addColumn<bool>("serviceReads");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("encoder service not reading") << false << QStringList{};
    QTest::newRow("save thread not reading") << true << QStringList{"jpegenc start", "jpegenc stop"};
}

void TestKeyboardFilter::failedSnapshotGivesTheViewBack()
{
    QFETCH(bool, serviceReads);
    QFETCH(QStringList, sent);
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    m_view->toolBar()->displaySDCard(true);
    std::unique_ptr<FifoReader> service;
    QStringList received;
    if (serviceReads) {
        service = std::make_unique<FifoReader>(QStringLiteral("/tmp/service_ir"));
        QVERIFY(service->open());
        connect(service.get(), &FifoReader::received, this, [&](const QByteArray &data) { received << QString::fromLatin1(data); });
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("dropped")));
    hold(Qt::Key_S, m_keys->levelTimer(), 0);
    QTRY_COMPARE(received, sent);
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    QCOMPARE(panel->get_Imagestate(), 0);
    QVERIFY(!m_view->toolBar()->getFreezeImageFlag());
    QVERIFY(!panel->getSnapshot());
    QCOMPARE(indicatorTexts(), QStringList{"Save failed"});
}

void TestKeyboardFilter::trigger()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    m_view->toolBar()->displaySDCard(true);
    // Live view shown, nothing frozen: the photo panel opens and captures.
    panel->set_currentwidget(1);
    hold(Qt::Key_I, m_keys->levelTimer(), 0);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(0, 200));
    QCOMPARE(panel->get_currentwidget(), 0);
    QCOMPARE(panel->getAutoImage(), 1);
    QCOMPARE(panel->captureRequests(), 1);
    QCOMPARE(panel->get_camera_workstat(), int(CvmainWindow::CFrozen));
    QVERIFY(!m_view->isVisibled());
    // On the shown photo panel: the next press saves.
    hold(Qt::Key_I, m_keys->levelTimer(), 0);
    QCOMPARE(panel->captureRequests(), 2);
    QCOMPARE(panel->getEndCamera(), 2);
    // The save ends the capture.
    CaptureRelease::release(true, "test");
    QCOMPARE(panel->getEndCamera(), 0);
    // Video panel shown: the record key; hidden: shown again with its timer.
    panel->set_currentwidget(1);
    hold(Qt::Key_I, m_keys->levelTimer(), 0);
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
    panel->start_timer();
    QMetaObject::invokeMethod(panel->hideTimer(), "timeout");
    hold(Qt::Key_I, m_keys->levelTimer(), 0);
    QVERIFY(panel->isVisible());
    QVERIFY(panel->hideTimer()->isActive());
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
    // A sub-dialog open: nothing.
    panel->setSCstate(1);
    hold(Qt::Key_I, m_keys->levelTimer(), 0);
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
}

// Thousands of interleaved key events of the nine keys (press, release,
// auto-repeat; LCD on, off and unreadable; the wait flag) and touches
// (inside and outside the screen, moves without a press), with a second of
// each running hold timer passing now and then. After every step: with
// all keys up no hold timer runs; the shutdown screen appeared only after
// P was held two ticks; no command was tried twice for one event; the
// selected area lies inside its layout at its minimum size or more.
void TestKeyboardFilter::randomKeysAndTouches_data()
{
    QTest::addColumn<int>("pictureMode");
    QTest::newRow("full screen") << int(IR);
    QTest::newRow("quarter") << int(VIS_PIPE_IR);
    QTest::newRow("centred") << int(VIS_MIX_IR);
}

void TestKeyboardFilter::randomKeysAndTouches()
{
    QFETCH(int, pictureMode);
    const quint32 seed = qEnvironmentVariableIsSet("OSTREL_SEED") ? quint32(qEnvironmentVariableIntValue("OSTREL_SEED"))
                                                                    : QRandomGenerator::global()->generate();
    std::printf("randomKeysAndTouches seed %u (OSTREL_SEED=%u repeats it)\n", seed, seed);
    QRandomGenerator random(seed);
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    m_view->toolBar()->displaySDCard(true);
    m_view->setImageMode(pictureMode);
    for (int n = 1; n <= 3; ++n) {
        m_view->showArea(n, true);
        EAreaWidget *area = m_view->getAreaWidget(n);
        const QRect b = EScaledLayout::bounds(area->getScaledType());
        area->setWidth(40);
        area->setHeight(40);
        area->move(b.left() + 20 * n, b.top() + 10 * n, 0);
    }
    // A P hold to 7 s asks for the power-off; refused here, so the keys go on.
    PowerOff::instance()->setFlashRunning(true);
    QStringList tries;
    // Put back however the run ends (a failed check returns at once).
    struct Counting
    {
        explicit Counting(QStringList *list)
        {
            g_tries = list;
            g_previous = qInstallMessageHandler(countTries);
        }
        ~Counting()
        {
            qInstallMessageHandler(g_previous);
            g_tries = nullptr;
        }
    };
    auto counting = std::make_unique<Counting>(&tries);

    const int keys[] = {Qt::Key_S, Qt::Key_A, Qt::Key_C, Qt::Key_P, Qt::Key_I, Qt::Key_T, Qt::Key_L, Qt::Key_U, Qt::Key_E};
    QSet<int> down;
    int pTicks = -1; // ticks of a P hold that started its timer; -1 none
    bool pressed = false;
    const int steps = 4000;
    for (int step = 0; step < steps; ++step) {
        const QString where = QStringLiteral("seed %1 step %2").arg(seed).arg(step);
        const int choice = int(random.bounded(100));
        const bool hadScreen = m_keys->shutdownScreen();
        const int triesBefore = int(tries.size());
        if (choice < 45) {
            const int code = keys[random.bounded(9)];
            const bool isPress = !down.contains(code) || random.bounded(4) == 0;
            const bool repeat = down.contains(code) && random.bounded(3) == 0;
            const bool powerWasIdle = !m_keys->powerTimer()->isActive();
            key(isPress ? QEvent::KeyPress : QEvent::KeyRelease, code, repeat);
            if (!repeat) {
                if (isPress)
                    down.insert(code);
                else
                    down.remove(code);
            }
            if (code == Qt::Key_P && powerWasIdle && m_keys->powerTimer()->isActive())
                pTicks = 0;
            if (code == Qt::Key_P && !repeat && !isPress)
                pTicks = -1;
        } else if (choice < 55) {
            // A second passes for every running hold.
            if (m_keys->powerTimer()->isActive() && pTicks >= 0)
                ++pTicks;
            for (QTimer *timer : m_keys->findChildren<QTimer *>())
                if (timer->isActive())
                    QMetaObject::invokeMethod(timer, "timeout");
        } else if (choice < 85) {
            const QPoint at(int(random.bounded(360)) - 20, int(random.bounded(280)) - 20);
            const int kind = int(random.bounded(3));
            const QEvent::Type type = kind == 0 ? QEvent::MouseButtonPress : kind == 1 ? QEvent::MouseMove : QEvent::MouseButtonRelease;
            QMouseEvent event(type, QPointF(at), m_view->viewport()->mapToGlobal(QPointF(at)),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              type == QEvent::MouseButtonRelease || !pressed ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_view->viewport(), &event);
            pressed = type == QEvent::MouseButtonPress ? true : type == QEvent::MouseButtonRelease ? false : pressed;
        } else if (choice < 90) {
            // The LCD: on, off, or unreadable.
            const int state = int(random.bounded(3));
            m_device->setPanelOn(state != 0);
            EGlobal::set_LcdPower(state == 2 ? nullptr : m_lcd.get());
        } else if (choice < 93) {
            m_view->setWaitIrAdmode(!m_view->getWaitIrAdmode());
        } else if (choice < 95) {
            if (ZPshutdown *screen = m_keys->shutdownScreen(); screen && screen->cancelButton()->isEnabled())
                QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
        } else {
            // What the save thread and the capture panel do in between.
            EGlobal::get_cvmainwindow()->set_Imagestate(0);
            EGlobal::get_cvmainwindow()->hide();
            m_view->setVisibled(true);
            if (PowerOff::instance()->isRunning())
                PowerOff::instance()->reset();
        }

        if (down.isEmpty())
            QVERIFY2(!m_keys->holdPending(), qPrintable(where));
        if (!hadScreen && m_keys->shutdownScreen())
            QVERIFY2(down.contains(Qt::Key_P) && pTicks >= 2, qPrintable(where));
        QStringList sent = tries.mid(triesBefore);
        QVERIFY2(sent.removeDuplicates() == 0, qPrintable(where + QLatin1Char(' ') + tries.mid(triesBefore).join(QLatin1Char(','))));
        if (auto *area = qobject_cast<EAreaWidget *>(m_view->currentFocusWidget()); area && area->isVisibled()) {
            const Scaled_Type_t layout = area->getScaledType();
            const QRect b = EScaledLayout::bounds(layout);
            const int top = b.top() == 21 ? 5 : b.top();
            const int minimum = EScaledLayout::isHalfSize(layout) ? 15 : 30;
            const QRect r(area->getX(), area->getY(), area->width(), area->height());
            QVERIFY2(r.left() >= b.left() && r.top() >= top && r.left() + r.width() <= b.right() + 1
                         && r.top() + r.height() <= b.bottom() + 1,
                     qPrintable(where + QStringLiteral(" layout %5 area %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(layout)));
            QVERIFY2(r.width() >= minimum && r.height() >= minimum,
                     qPrintable(where + QStringLiteral(" layout %5 area %1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).arg(layout)));
        }
    }
    counting.reset();
    // Everything up again: nothing left timing.
    for (int code : std::as_const(down))
        key(QEvent::KeyRelease, code);
    if (m_view->getWaitIrAdmode()) {
        m_view->setWaitIrAdmode(false);
        for (int code : keys)
            key(QEvent::KeyRelease, code);
    }
    EGlobal::set_LcdPower(m_lcd.get());
    PowerOff::instance()->setFlashRunning(false);
}

QTEST_MAIN(TestKeyboardFilter)
#include "tst_keyboardfilter.moc"
