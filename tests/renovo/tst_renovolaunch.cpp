#include "testroot.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

// The renovo program itself: off the camera it runs only simulated, in a
// simulator root, and writes its screen on request.
class TestRenovoLaunch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusesToRunForReal();
    void screenshotInASimulatedRoot();
};

namespace {
void prepare(QProcess &renovo, const QString &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("OSTREL_SIMULATE"));
    env.insert(QStringLiteral("OSTREL_ROOT"), root);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    renovo.setProcessEnvironment(env);
    renovo.setProcessChannelMode(QProcess::MergedChannels);
}
} // namespace

void TestRenovoLaunch::refusesToRunForReal()
{
    TestRoot test;
    QProcess renovo;
    prepare(renovo, test.hostPath(QStringLiteral("r")));
    renovo.start(QStringLiteral(RENOVO_BINARY), {QStringLiteral("--quit-after"), QStringLiteral("100")});
    QVERIFY(renovo.waitForFinished(30000));
    QCOMPARE(renovo.exitCode(), 2);
    const QByteArray said = renovo.readAll();
    QVERIFY2(said.contains(" is missing") && said.contains("Use --simulate"), said.constData());
    QVERIFY(!QFileInfo::exists(test.hostPath(QStringLiteral("r"))));
}

// The simulator root gets the harmless update stub and the progress pipe;
// the screenshot lands where the command was started.
void TestRenovoLaunch::screenshotInASimulatedRoot()
{
    TestRoot test;
    QVERIFY(QDir().mkpath(test.hostPath(QStringLiteral("here"))));
    QProcess renovo;
    prepare(renovo, test.hostPath(QStringLiteral("r")));
    renovo.setWorkingDirectory(test.hostPath(QStringLiteral("here")));
    renovo.start(QStringLiteral(RENOVO_BINARY), {QStringLiteral("--simulate"), QStringLiteral("--screenshot"),
                                                 QStringLiteral("shot.png"), QStringLiteral("--quit-after"),
                                                 QStringLiteral("300")});
    QVERIFY(renovo.waitForFinished(30000));
    QCOMPARE(renovo.exitCode(), 0);
    QCOMPARE(QImage(test.hostPath(QStringLiteral("here/shot.png"))).size(), QSize(320, 240));
    const QFileInfo stub(test.hostPath(QStringLiteral("r/works/renovo.sh")));
    QVERIFY(stub.isFile());
    QVERIFY(stub.isExecutable());
    QVERIFY(QFileInfo(test.hostPath(QStringLiteral("r/tmp/updateOSTREL"))).exists());
}

QTEST_GUILESS_MAIN(TestRenovoLaunch)
#include "tst_renovolaunch.moc"
