#include "sensorsettle.h"
#include "settingsfilecheck.h"
#include "startup.h"
#include "tablefilelimit.h"
#include "testroot.h"

#include <QProcess>
#include <QSettings>
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
    void scratchOfKilledSavesGoes_data();
    void scratchOfKilledSavesGoes();
    void settingsFileOutOfBoundsIsSetAside_data();
    void settingsFileOutOfBoundsIsSetAside();
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

// Saves killed half-way leave scratch files beside the settings and the
// tables; the start removes exactly those.
void TestStartUp::scratchOfKilledSavesGoes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("removed");
    QTest::newRow("table writer's scratch") << "etc/.calibtable-AbCdEf" << true;
    QTest::newRow("its lock") << "etc/.calibtable-AbCdEf.lock" << true;
    QTest::newRow("its settings scratch") << "etc/.calibtable-AbCdEf.QwErTy" << true;
    QTest::newRow("replaced table's scratch") << "etc/calc_len0_temp0.conf.XyZabc" << true;
    QTest::newRow("settings scratch") << "Parameter/Setting.AbCdEf" << true;
    QTest::newRow("settings scratch in capitals") << "Parameter/Setting.QWERTY" << true;
    QTest::newRow("a word someone chose") << "Parameter/Setting.backup" << false;
    QTest::newRow("digits") << "Parameter/Setting.AbCd12" << false;
    QTest::newRow("five letters") << "Parameter/Setting.AbCdE" << false;
    QTest::newRow("seven letters") << "Parameter/Setting.AbCdEfG" << false;
    QTest::newRow("another settings file") << "Parameter/Settings.AbCdEf" << false;
    QTest::newRow("a copy of a table") << "etc/calc_len0_temp0.conf.bak" << false;
    QTest::newRow("no dot") << "etc/calibtable-AbCdEf" << false;
    QTest::newRow("short scratch name") << "etc/.calibtable-mine" << false;
    QTest::newRow("table scratch elsewhere") << "/media/mmc/.calibtable-AbCdEf" << false;
    // Every other file saved whole, by a settings object or an atomic write.
    QTest::newRow("correction table scratch") << "Parameter/Modify.AbCdEf" << true;
    QTest::newRow("range correction scratch") << "Parameter/Modify_1_Temp_0.xYzAbC" << true;
    QTest::newRow("its settings scratch of an edit") << "Parameter/Modify.AbCdEf.QwErTy" << true;
    QTest::newRow("sensor correction scratch") << "Parameter/Delta.QwErTy" << true;
    QTest::newRow("core parameters scratch") << "Parameter/IRCorePara.KlMnOp" << true;
    QTest::newRow("picture offset scratch") << "etc/MixOffset.ZzTopA" << true;
    QTest::newRow("voice note scratch") << "/root/music.wav.AbCdEf" << true;
    QTest::newRow("a correction copy someone kept") << "Parameter/Modify.backup" << false;
    QTest::newRow("a file of someone else's") << "Parameter/Notes.AbCdEf" << false;
    QTest::newRow("an offset with digits") << "etc/MixOffset.AbCd1f" << false;
    QTest::newRow("another sound") << "/root/other.wav.AbCdEf" << false;
    QTest::newRow("a sound someone kept") << "/root/music.wav.before" << false;
}

void TestStartUp::scratchOfKilledSavesGoes()
{
    QFETCH(QString, path);
    QFETCH(bool, removed);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\nLang=English\n"));
    QVERIFY(root.writeFile(QStringLiteral("etc/calc_len0_temp0.conf"), "[ParaSet]\nTempNum=0\n"));
    QVERIFY(root.writeFile(path, "x=1\n"));
    StartUp::checkStoredFiles();
    QCOMPARE(QFileInfo::exists(root.hostPath(path)), !removed);
    QCOMPARE(root.readFile(QStringLiteral("Parameter/Setting")), QByteArray("[General]\nLang=English\n"));
    QVERIFY(QFileInfo::exists(root.hostPath(QStringLiteral("etc/calc_len0_temp0.conf"))));
}

// A settings file the table readers would refuse is set aside before
// anything reads it, kept whole, and the settings read their defaults.
void TestStartUp::settingsFileOutOfBoundsIsSetAside_data()
{
    QTest::addColumn<int>("kind"); // 0 regular file, 1 FIFO
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("aside");
    QTest::newRow("a few kilobytes") << 0 << qint64(4000) << QStringList() << QString();
    QTest::newRow("at the limit") << 0 << qint64(TableFileLimit::MAX_BYTES) << QStringList() << QString();
    QTest::newRow("one byte more") << 0 << qint64(TableFileLimit::MAX_BYTES + 1) << QStringList()
                                   << QString::fromLatin1(SettingsFileCheck::AsideName);
    QTest::newRow("23 MB") << 0 << qint64(23) * 1000 * 1000 << QStringList()
                           << QString::fromLatin1(SettingsFileCheck::AsideName);
    QTest::newRow("earlier one kept") << 0 << qint64(TableFileLimit::MAX_BYTES + 1)
                                      << QStringList{QString::fromLatin1(SettingsFileCheck::AsideName)}
                                      << QString::fromLatin1(SettingsFileCheck::AsideName) + QStringLiteral("-2");
    QTest::newRow("a FIFO") << 1 << qint64(0) << QStringList() << QString::fromLatin1(SettingsFileCheck::AsideName);
}

void TestStartUp::settingsFileOutOfBoundsIsSetAside()
{
    QFETCH(int, kind);
    QFETCH(qint64, size);
    QFETCH(QStringList, taken);
    QFETCH(QString, aside);
    TestRoot root;
    const QString file = QString::fromLatin1(SettingsFileCheck::FileName);
    // A real key at the start, then keys up to the size (a hole beyond
    // what the table's limit needs to tell).
    QByteArray head = "[General]\nLang=German\n";
    if (kind == 1) {
        QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("Parameter"))));
        QVERIFY(root.makeFifo(file));
    } else {
        const qint64 written = qMin<qint64>(size, TableFileLimit::MAX_BYTES + 1);
        for (int n = 0; head.size() + 11 <= written; ++n)
            head += "k" + QByteArray::number(n).rightJustified(7, '0') + "=v\n";
        head += QByteArray(written - head.size(), '\n');
        QVERIFY(root.writeSparseFile(file, head, size));
    }
    for (const QString &name : taken)
        QVERIFY(root.writeFile(name, "earlier"));
    if (!aside.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("set aside as %1").arg(aside)));
    if (kind == 0 && !aside.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("too large")));
    if (kind == 1)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not a regular file")));
    QCOMPARE(SettingsFileCheck::run(), aside);
    for (const QString &name : taken)
        QCOMPARE(root.readFile(name), QByteArray("earlier"));
    const QSettings settings(file, QSettings::NativeFormat);
    if (aside.isEmpty()) {
        QCOMPARE(settings.value(QStringLiteral("Lang")).toString(), QStringLiteral("German"));
        return;
    }
    QVERIFY(!QFileInfo::exists(root.hostPath(file)));
    QVERIFY(!settings.contains(QStringLiteral("Lang")));
    if (kind == 0) {
        QFile kept(root.hostPath(aside));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.size(), size);
        QCOMPARE(kept.read(head.size()), head);
    } else
        QVERIFY(QFileInfo(root.hostPath(aside)).exists());
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
