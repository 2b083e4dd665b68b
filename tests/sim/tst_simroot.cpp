#include "simroot.h"
#include "testroot.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

class TestSimRoot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void preparesFoldersAndDefaults();
    void keepsWhatAnEarlierRunChanged();
    void screenshotOfTheSimulator();
};

void TestSimRoot::preparesFoldersAndDefaults()
{
    TestRoot test;
    const QString simRoot = test.hostPath(QStringLiteral("sim-root"));
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "[General]\nLang=English\n"));
    QVERIFY(SimRoot::prepare(simRoot, test.hostPath(QStringLiteral("defaults"))));
    for (const QString &folder : SimRoot::folders())
        QVERIFY2(QDir(simRoot).exists(folder), qPrintable(folder));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/Parameter/Setting")), QByteArray("[General]\nLang=English\n"));
}

void TestSimRoot::keepsWhatAnEarlierRunChanged()
{
    TestRoot test;
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "Lang=English\n"));
    QVERIFY(test.writeFile(QStringLiteral("sim-root/Parameter/Setting"), "Lang=German\n"));
    QVERIFY(SimRoot::prepare(test.hostPath(QStringLiteral("sim-root")), test.hostPath(QStringLiteral("defaults"))));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/Parameter/Setting")), QByteArray("Lang=German\n"));
}

// The review path for screens on a headless machine: the real program, in
// a root of its own, writes what it shows to a PNG and exits.
void TestSimRoot::screenshotOfTheSimulator()
{
    TestRoot test;
    const QString program = QStringLiteral(OSTREL_BINARY);
    const QString shot = test.hostPath(QStringLiteral("shot.png"));
    QProcess ostrel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_ROOT"), test.hostPath(QStringLiteral("sim-root")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ostrel.setProcessEnvironment(env);
    ostrel.start(program, {QStringLiteral("--simulate"), QStringLiteral("--screenshot"), shot,
                           QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    QCOMPARE(ostrel.exitCode(), 0);
    const QImage image(shot);
    QCOMPARE(image.size(), QSize(320, 240));
    QVERIFY(QDir(test.hostPath(QStringLiteral("sim-root/Parameter"))).exists());
    // encoder-sim was started on the simulator's pipe and stopped again.
    QVERIFY(QFileInfo(test.hostPath(QStringLiteral("sim-root/tmp/service_ir"))).exists());
}

QTEST_MAIN(TestSimRoot)
#include "tst_simroot.moc"
