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
