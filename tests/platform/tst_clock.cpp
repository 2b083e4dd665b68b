#include "hostclock.h"
#include "intervals.h"
#include "recordingcommandrunner.h"
#include "simulatedclock.h"
#include "systemclock.h"
#include "testroot.h"

#include <QtTest>

class TestClock : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultIsSimulated();
    void simulatedClockKeepsAnOffset();
    void invalidTimeIsRefused();
    void deviceTimeOfDay_data();
    void deviceTimeOfDay();
    void intervals_data();
    void intervals();
};

void TestClock::defaultIsSimulated()
{
    SystemClock::install(nullptr);
    QVERIFY(dynamic_cast<SimulatedClock *>(SystemClock::instance()));
}

void TestClock::simulatedClockKeepsAnOffset()
{
    TestRoot root;
    const QDateTime hostBefore = QDateTime::currentDateTime();
    const QDateTime wanted(QDate(2031, 2, 28), QTime(23, 59, 30));
    QVERIFY(SystemClock::instance()->setSystemTime(wanted));
    QVERIFY(qAbs(SystemClock::instance()->now().secsTo(wanted)) <= 2);
    QVERIFY(SystemClock::instance()->syncHardwareClock());
    QCOMPARE(root.clock()->hardwareSyncCount(), 1);
    // The host's own time did not move.
    QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(hostBefore)) <= 5);
    QVERIFY(root.runner()->calls().isEmpty());
}

void TestClock::invalidTimeIsRefused()
{
    TestRoot root;
    QVERIFY(!SystemClock::instance()->setSystemTime(QDateTime()));
    QCOMPARE(root.clock()->offsetMs(), 0);
}

void TestClock::deviceTimeOfDay_data()
{
    const bool wideTime = sizeof(time_t) > 4;
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<qint64>("micros");
    QTest::newRow("epoch") << qint64(0) << true << qint64(0) << qint64(0);
    QTest::newRow("2031") << qint64(1929999999123) << true << qint64(1929999999) << qint64(123000);
    QTest::newRow("before 1970") << qint64(-1500) << true << qint64(-2) << qint64(500000);
    QTest::newRow("last 32-bit second") << qint64(2147483647999) << true << qint64(2147483647) << qint64(999000);
    // A 32-bit clock would wrap to 1901: refused there, set where time_t is wide.
    QTest::newRow("past 2038") << qint64(2147483648000) << wideTime << qint64(2147483648) << qint64(0);
    QTest::newRow("year 2100") << qint64(4102444800000) << wideTime << qint64(4102444800) << qint64(0);
}

void TestClock::deviceTimeOfDay()
{
    QFETCH(qint64, ms);
    QFETCH(bool, fits);
    QFETCH(qint64, seconds);
    QFETCH(qint64, micros);
    timeval tv{};
    QCOMPARE(HostClock::toTimeval(ms, &tv), fits);
    if (fits) {
        QCOMPARE(qint64(tv.tv_sec), seconds);
        QCOMPARE(qint64(tv.tv_usec), micros);
    }
}

void TestClock::intervals_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("nominal");
    QTest::addColumn<int>("expected");
    QTest::newRow("device time") << 1.0 << 640 << 640;
    QTest::newRow("hundredth") << 0.01 << 60000 << 600;
    QTest::newRow("never zero") << 0.001 << 100 << 1;
    QTest::newRow("zero stays zero") << 0.01 << 0 << 0;
    QTest::newRow("bad scale ignored") << -3.0 << 1000 << 1000;
}

void TestClock::intervals()
{
    QFETCH(double, scale);
    QFETCH(int, nominal);
    QFETCH(int, expected);
    Intervals::setScale(1.0);
    Intervals::setScale(scale);
    QCOMPARE(Intervals::ms(nominal), expected);
    Intervals::setScale(1.0);
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
