#include "sensorsettle.h"
#include "startup.h"
#include "testroot.h"

#include <QProcess>
#include <QtTest>

class TestStartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sensorCheck_data();
    void sensorCheck();
    void version_data();
    void version();
    void rangeLimits_data();
    void rangeLimits();
    void restartKeepsArgumentsOnly();
    void faultPrintsAndExits();
};

void TestStartUp::sensorCheck_data()
{
    QTest::addColumn<QList<int>>("readings");
    QTest::addColumn<int>("used");
    QTest::newRow("0, 2, 4") << QList<int>{0, 2, 4, 6, 8} << 3;
    QTest::newRow("100 x 4") << QList<int>{100, 100, 100, 100, 100} << 4;
    QList<int> alternating;
    for (int i = 0; i < 70; ++i)
        alternating << (i % 2 ? 105 : 100);
    QTest::newRow("alternating by 5") << alternating << 60;
    QTest::newRow("a jump resets") << QList<int>{1, 2, 50, 51, 52, 53} << 6;
}

void TestStartUp::sensorCheck()
{
    QFETCH(QList<int>, readings);
    QFETCH(int, used);
    SensorSettle settle;
    int n = 0;
    for (int value : readings) {
        ++n;
        if (settle.add(static_cast<unsigned short>(value)))
            break;
    }
    QCOMPARE(n, used);
    QCOMPARE(settle.readings(), used);
}

void TestStartUp::version_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("polls");
    QTest::newRow("12") << QByteArray("12") << 12 << false;
    QTest::newRow("V1.13") << QByteArray("V1.13") << 13 << true;
    QTest::newRow("empty") << QByteArray("") << 0 << false;
    QTest::newRow("one character") << QByteArray("9") << 0 << false;
    QTest::newRow("no number") << QByteArray("core-x") << 0 << false;
}

void TestStartUp::version()
{
    QFETCH(QByteArray, text);
    QFETCH(int, version);
    QFETCH(bool, polls);
    QCOMPARE(SensorSettle::versionNumber(text.constData()), version);
    QCOMPARE(SensorSettle::polls(version), polls);
}

void TestStartUp::rangeLimits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("default 0") << "-20~150" << true << -20 << 150;
    QTest::newRow("default 1") << "0~400" << true << 0 << 400;
    QTest::newRow("no tilde") << "500" << false << 0 << 0;
    QTest::newRow("two tildes") << "1~2~3" << false << 0 << 0;
    QTest::newRow("no numbers") << "a~b" << false << 0 << 0;
    QTest::newRow("equal") << "100~100" << false << 0 << 0;
    QTest::newRow("reversed") << "400~0" << false << 0 << 0;
    QTest::newRow("empty upper") << "-5~" << true << -5 << 0;
}

void TestStartUp::rangeLimits()
{
    QFETCH(QString, text);
    QFETCH(bool, applied);
    QFETCH(int, min);
    QFETCH(int, max);
    const auto limits = StartUp::rangeLimits(text);
    QCOMPARE(limits.has_value(), applied);
    if (applied) {
        QCOMPARE(limits->first, min);
        QCOMPARE(limits->second, max);
    }
}

// The restarted copy runs the same file with the same arguments, whatever
// the working folder, and inherits only the standard streams.
void TestStartUp::restartKeepsArgumentsOnly()
{
    TestRoot root;
    QProcess child;
    child.setWorkingDirectory(root.root());
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("RESTART_CHILD_AGAIN"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(RESTART_CHILD), {QStringLiteral("--simulate"), QStringLiteral("two words")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines, (QStringList{QStringLiteral("arg " RESTART_CHILD), QStringLiteral("arg --simulate"),
                                 QStringLiteral("arg two words"), QStringLiteral("fd 0"), QStringLiteral("fd 1"),
                                 QStringLiteral("fd 2")}));
}

void TestStartUp::faultPrintsAndExits()
{
    TestRoot root;
    QProcess child;
    child.setWorkingDirectory(root.root());
    child.start(QStringLiteral(FAULT_CHILD), {});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() >= 2);
    // The full address, not a truncated 32-bit "%X".
    const QRegularExpression first(QStringLiteral("^ostrel Fault address:0x[0-9A-F]{%1}$").arg(int(sizeof(void *) * 2)));
    QVERIFY2(first.match(lines.first()).hasMatch(), qPrintable(lines.first()));
    QVERIFY2(lines.at(1).contains(QLatin1Char('[')), qPrintable(lines.at(1)));
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
