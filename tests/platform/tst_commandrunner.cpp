#include "commandrunner.h"
#include "paths.h"
#include "processcommandrunner.h"
#include "recordingcommandrunner.h"
#include "testroot.h"

#include <QFile>
#include <QtTest>

class TestCommandRunner : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultIsRecording();
    void recordsArgumentsVerbatim();
    void scriptedAnswers();
    void realRunnerRefusesUnderATestRoot();
    void realRunnerRefusesWhenSimulated();
};

void TestCommandRunner::defaultIsRecording()
{
    CommandRunner::install(nullptr);
    QVERIFY(dynamic_cast<RecordingCommandRunner *>(CommandRunner::instance()));
    QVERIFY(CommandRunner::instance()->run(QStringLiteral("reboot"), {}, 10).ok());
}

void TestCommandRunner::recordsArgumentsVerbatim()
{
    TestRoot root;
    // A serial number with shell syntax stays one argument; nothing runs.
    const QString evil = QStringLiteral("SN1; rm -fr / `reboot` $(id)");
    CommandRunner::instance()->run(QStringLiteral("/works/tool"), {QStringLiteral("-s"), evil}, 100);
    CommandRunner::instance()->startDetached(QStringLiteral("insmod"), {QStringLiteral("/works/drivers/g_file_storage.ko")});
    const auto calls = root.runner()->calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].arguments, (QStringList{QStringLiteral("-s"), evil}));
    QVERIFY(!calls[0].detached);
    QVERIFY(calls[1].detached);
    QCOMPARE(calls[1].line(), QStringLiteral("insmod /works/drivers/g_file_storage.ko"));
}

void TestCommandRunner::scriptedAnswers()
{
    TestRoot root;
    root.runner()->script(QStringLiteral("mount"), 32, "busy");
    root.runner()->scriptNotStarted(QStringLiteral("hwclock"));
    const auto mount = CommandRunner::instance()->run(QStringLiteral("/bin/mount"), {}, 100);
    QVERIFY(mount.started && mount.finished);
    QCOMPARE(mount.exitCode, 32);
    QCOMPARE(mount.output, QByteArray("busy"));
    QVERIFY(!mount.ok());
    QVERIFY(!CommandRunner::instance()->run(QStringLiteral("hwclock"), {QStringLiteral("-w")}, 100).started);
    QVERIFY(!CommandRunner::instance()->startDetached(QStringLiteral("hwclock"), {}));
}

void TestCommandRunner::realRunnerRefusesUnderATestRoot()
{
    TestRoot root;
    const QString marker = root.hostPath(QStringLiteral("/tmp/touched"));
    ProcessCommandRunner real;
    QVERIFY(!ProcessCommandRunner::allowed());
    QVERIFY(!real.run(QStringLiteral("touch"), {marker}, 2000).started);
    QVERIFY(!real.startDetached(QStringLiteral("touch"), {marker}));
    QVERIFY(!QFile::exists(marker));
}

void TestCommandRunner::realRunnerRefusesWhenSimulated()
{
    Paths::setRoot(QStringLiteral("/"));
    qputenv("OSTREL_SIMULATE", "1");
    QVERIFY(!ProcessCommandRunner::allowed());
    qunsetenv("OSTREL_SIMULATE");
    Paths::setRoot(QStringLiteral("/nonexistent-test-root"));
    QVERIFY(!ProcessCommandRunner::allowed());
}

QTEST_GUILESS_MAIN(TestCommandRunner)
#include "tst_commandrunner.moc"
