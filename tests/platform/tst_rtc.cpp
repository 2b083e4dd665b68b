#include "hostclock.h"
#include "recordingcommandrunner.h"
#include "rtcdevice.h"
#include "stdoutcapture.h"
#include "testroot.h"

#include <QtTest>

class TestRtc : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordFromLocalTime_data();
    void recordFromLocalTime();
    void missingOrPlainNodeFails_data();
    void missingOrPlainNodeFails();
    void hostClockRefusesUnderTestRoot();
};

void TestRtc::recordFromLocalTime_data()
{
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<QList<int>>("fields"); // sec min hour mday mon year wday yday
    QTest::newRow("2024-02-29 Thursday") << QDateTime(QDate(2024, 2, 29), QTime(14, 5))
                                         << QList<int>{0, 5, 14, 29, 1, 124, 4, 59};
    QTest::newRow("2000-01-01 Saturday") << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 7))
                                         << QList<int>{7, 0, 0, 1, 0, 100, 6, 0};
    QTest::newRow("2026-12-31 Thursday") << QDateTime(QDate(2026, 12, 31), QTime(23, 59))
                                         << QList<int>{0, 59, 23, 31, 11, 126, 4, 364};
    QTest::newRow("2023-01-01 Sunday") << QDateTime(QDate(2023, 1, 1), QTime(12, 0))
                                       << QList<int>{0, 0, 12, 1, 0, 123, 0, 0};
}

void TestRtc::recordFromLocalTime()
{
    QFETCH(QDateTime, local);
    QFETCH(QList<int>, fields);
    const RtcRecord r = RtcRecord::fromLocal(local);
    QCOMPARE((QList<int>{r.sec, r.min, r.hour, r.mday, r.mon, r.year, r.wday, r.yday}), fields);
    QCOMPARE(r.isdst, local.isDaylightTime() ? 1 : 0);
}

void TestRtc::missingOrPlainNodeFails_data()
{
    QTest::addColumn<bool>("plainFile");
    QTest::addColumn<QByteArray>("readLine");
    QTest::addColumn<QByteArray>("writeLine");
    QTest::newRow("missing node") << false << QByteArray("open /dev/X12026 is failed !\n")
                                  << QByteArray("open /dev/X12026 is failed !\n");
    QTest::newRow("plain file") << true << QByteArray("ioctl X1205_CMD_GETDATETIME is failed !\n")
                                << QByteArray("ioctl X1205_CMD_SETDATETIME is failed !\n");
}

void TestRtc::missingOrPlainNodeFails()
{
    QFETCH(bool, plainFile);
    QFETCH(QByteArray, readLine);
    QFETCH(QByteArray, writeLine);
    TestRoot root;
    RtcDevice::installFactory(nullptr);
    if (plainFile)
        QVERIFY(root.writeFile(QStringLiteral("/dev/X12026"), QByteArray(36, '\x01')));
    StdoutCapture out(root.hostPath(QStringLiteral("/out.txt")));
    const std::shared_ptr<RtcDevice> rtc = RtcDevice::create();
    RtcRecord record;
    record.year = 99;
    const bool readOk = rtc->read(&record);
    const bool writeOk = rtc->write(RtcRecord::fromLocal(QDateTime(QDate(2030, 1, 2), QTime(3, 4))));
    QCOMPARE(out.text(), readLine + writeLine);
    QVERIFY(!readOk);
    QVERIFY(!writeOk);
    QCOMPARE(record.year, 99); // nothing read into it
    if (plainFile) // the node is never written as a file
        QCOMPARE(root.readFile(QStringLiteral("/dev/X12026")), QByteArray(36, '\x01'));
}

void TestRtc::hostClockRefusesUnderTestRoot()
{
    TestRoot root;
    RtcDevice::installFactory(nullptr);
    QVERIFY(root.writeFile(QStringLiteral("/dev/X12026"), QByteArray()));
    HostClock host;
    const QDateTime hostBefore = QDateTime::currentDateTime();
    QVERIFY(!host.setSystemTime(QDateTime(QDate(2031, 5, 6), QTime(7, 8))));
    QVERIFY(!host.syncHardwareClock());
    QVERIFY(qAbs(QDateTime::currentDateTime().secsTo(hostBefore)) <= 5);
    QVERIFY(root.runner()->calls().isEmpty());
    QVERIFY(root.readFile(QStringLiteral("/dev/X12026")).isEmpty());
}

QTEST_MAIN(TestRtc)
#include "tst_rtc.moc"
