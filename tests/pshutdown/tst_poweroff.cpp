#include "cvmainwindow.h"
#include "intervals.h"
#include "powerfixture.h"

#include <QLineEdit>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(PowerOff::Caller)

namespace {
// How the recording behaves while the sequence asks it to stop.
enum Recording { NoRecording, StopsAtOnce, PhotoBusyTwice, NeverStops };
}
Q_DECLARE_METATYPE(Recording)

class TestPowerOff : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void sequence_data();
    void sequence();
    void failedKillStillReboots();
    void furtherRequestsAndInputAreRefusedWhileRunning();
    void flashRunRefusesUserRequests_data();
    void flashRunRefusesUserRequests();

private:
    std::unique_ptr<PowerFixture> m_power;
    SimPowerDevice *m_device = nullptr;
    std::unique_ptr<CvmainWindow> m_panel;
};

void TestPowerOff::initTestCase()
{
    Intervals::setScale(0.001);
}

void TestPowerOff::init()
{
    m_power = std::make_unique<PowerFixture>();
    m_device = m_power->device.get();
    m_panel = std::make_unique<CvmainWindow>();
    EGlobal::set_cvmainwindow(m_panel.get());
}

void TestPowerOff::cleanup()
{
    EGlobal::set_cvmainwindow(nullptr);
    m_panel.reset();
    m_power.reset();
}

void TestPowerOff::sequence_data()
{
    QTest::addColumn<PowerOff::Caller>("caller");
    QTest::addColumn<Recording>("recording");
    QTest::addColumn<QStringList>("steps");

    const QString panel = QStringLiteral("panel off"), stop = QStringLiteral("stop recording");
    const QStringList end{QStringLiteral("core shutdown"), QStringLiteral("sync"), QStringLiteral("power cut")};
    const QStringList reboot = end + QStringList{QStringLiteral("reboot")};
    QStringList never;
    for (int i = 0; i < PowerOff::RecordingStopAttempts; ++i)
        never << stop;
    never << QStringLiteral("recording still running");

    QTest::newRow("watchdog") << PowerOff::Watchdog << NoRecording << reboot;
    QTest::newRow("watchdog, recording") << PowerOff::Watchdog << StopsAtOnce << QStringList{stop} + reboot;
    QTest::newRow("slide, recording") << PowerOff::SlideScreen << StopsAtOnce << QStringList{stop} + reboot;
    QTest::newRow("power key") << PowerOff::PowerKey << NoRecording << reboot;
    QTest::newRow("idle countdown, photo being saved")
        << PowerOff::IdleCountdown << PhotoBusyTwice << QStringList{stop, stop, stop} + reboot;
    QTest::newRow("start-up check") << PowerOff::StartUpCheck << NoRecording << QStringList{panel} + end;
    QTest::newRow("flash exit") << PowerOff::FlashExit << NoRecording << QStringList{panel} + reboot;
    QTest::newRow("slide, recording never stops") << PowerOff::SlideScreen << NeverStops << never + reboot;
}

void TestPowerOff::sequence()
{
    QFETCH(PowerOff::Caller, caller);
    QFETCH(Recording, recording);
    QFETCH(QStringList, steps);

    if (recording != NoRecording)
        m_panel->set_video_workstat(CvmainWindow::VRecording);
    if (recording == PhotoBusyTwice || recording == NeverStops)
        m_panel->set_Imagestate(1);
    int probes = 0;
    PowerOff::instance()->setRecordingProbe([&] {
        // The saving thread finishes the photo while the sequence retries.
        if (recording == PhotoBusyTwice && ++probes == 3)
            m_panel->set_Imagestate(0);
        return m_panel->get_video_workstat() == CvmainWindow::VRecording;
    });

    PowerOff *off = PowerOff::instance();
    QSignalSpy finished(off, &PowerOff::finished);
    QVERIFY(off->request(caller));
    // The waits run on timers: nothing is cut before the event loop turns.
    QVERIFY(!off->steps().contains(QStringLiteral("power cut")));
    QVERIFY(off->isRunning());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(off->steps(), steps);

    const int sync = m_device->indexOfSync();
    const int kill = m_device->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioKill, 0);
    QVERIFY(sync >= 0);
    QVERIFY2(sync < kill, "the file systems are synced before the power is cut");
    QVERIFY(m_device->powerCut());
    QCOMPARE(m_device->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioSetLcd, 0) >= 0,
             PowerOff::panelOffFor(caller));
    QCOMPARE(m_power->rebooted(), caller != PowerOff::StartUpCheck);
    if (recording == StopsAtOnce || recording == PhotoBusyTwice)
        QCOMPARE(m_panel->get_video_workstat(), int(CvmainWindow::VIdle));
}

void TestPowerOff::failedKillStillReboots()
{
    m_device->failRequest(PowerDevice::Gpio, SimPowerDevice::GpioKill);
    PowerOff *off = PowerOff::instance();
    QSignalSpy finished(off, &PowerOff::finished);
    QVERIFY(off->request(PowerOff::SlideScreen));
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(off->steps().contains(QStringLiteral("kill power err")));
    QCOMPARE(off->steps().last(), QStringLiteral("reboot"));
    QVERIFY(m_power->root.runner()->lines().contains(QStringLiteral("reboot")));
}

void TestPowerOff::furtherRequestsAndInputAreRefusedWhileRunning()
{
    QLineEdit edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    PowerOff *off = PowerOff::instance();
    QSignalSpy finished(off, &PowerOff::finished);
    QVERIFY(off->request(PowerOff::IdleCountdown));
    QVERIFY(!off->request(PowerOff::Watchdog));
    QTest::keyClicks(&edit, QStringLiteral("abc"));
    QTest::mouseClick(&edit, Qt::LeftButton);
    QCOMPARE(edit.text(), QString());
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(m_power->root.runner()->lines().count(QStringLiteral("reboot")), 1);
    QCOMPARE(m_device->syncCount(), 1);
}

void TestPowerOff::flashRunRefusesUserRequests_data()
{
    QTest::addColumn<PowerOff::Caller>("caller");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("slide") << PowerOff::SlideScreen << false;
    QTest::newRow("power key") << PowerOff::PowerKey << false;
    QTest::newRow("idle countdown") << PowerOff::IdleCountdown << false;
    QTest::newRow("watchdog") << PowerOff::Watchdog << true;
    QTest::newRow("flash exit") << PowerOff::FlashExit << true;
}

void TestPowerOff::flashRunRefusesUserRequests()
{
    QFETCH(PowerOff::Caller, caller);
    QFETCH(bool, accepted);
    PowerOff *off = PowerOff::instance();
    off->setFlashRunning(true);
    QCOMPARE(off->request(caller), accepted);
    QCOMPARE(off->isRunning(), accepted);
    if (!accepted) {
        QVERIFY(!QTest::qWaitFor([&] {
            return !m_device->events().isEmpty() || !m_power->root.runner()->lines().isEmpty();
        }, 50));
    }
}

QTEST_MAIN(TestPowerOff)
#include "tst_poweroff.moc"
