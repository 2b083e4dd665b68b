// `ostrel --simulate` as a user meets it: the real program and encoder-sim
// run as child processes, each in a temporary root of the test's own. Only
// processes this test started are ever signalled. Without --simulate the
// programs are run only where they refuse: this machine is not the camera.

#include "devicenodes.h"
#include "simencoder.h"
#include "simroot.h"
#include "testroot.h"
#include "vncport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString Ostrel = QStringLiteral(OSTREL_BINARY);
const QString EncoderSim = QStringLiteral(ENCODER_SIM_BINARY);
const QString Renovo = QStringLiteral(RENOVO_BINARY);

QProcessEnvironment environmentFor(const QString &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_ROOT"), root);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("OSTREL_SIMULATE"));
    return env;
}

void startOstrel(QProcess &ostrel, const QString &root, const QStringList &arguments)
{
    ostrel.setProcessEnvironment(environmentFor(root));
    ostrel.start(Ostrel, QStringList{QStringLiteral("--simulate")} + arguments);
}

// Reads the child's stderr until it holds text or the child has ended.
QByteArray waitForError(QProcess &process, const QByteArray &text)
{
    QByteArray error;
    QElapsedTimer timer;
    timer.start();
    while (!error.contains(text) && process.state() != QProcess::NotRunning && timer.elapsed() < 30000) {
        process.waitForReadyRead(50);
        error += process.readAllStandardError();
    }
    process.waitForFinished(50);
    return error + process.readAllStandardError();
}

QStringList listing(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << it.next();
    entries.sort();
    return entries;
}

void stopChild(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

} // namespace

class TestSimLaunch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusesRootsItDidNotMake_data();
    void refusesRootsItDidNotMake();
    void adoptsAnOldRoot();
    void screenshotLandsWhereTheCommandStarted();
    void encoderEndsWithOstrel_data();
    void encoderEndsWithOstrel();
    void startEndsAStaleEncoderOfItsRoot();
    void startTidiesStoredFiles();
    void recognisesOnlyEncodersOfTheRoot();
    void encoderSimServesOnlyMarkedRoots();
    void busyVncPortIsReported_data();
    void busyVncPortIsReported();
    void reportsWhatFails_data();
    void reportsWhatFails();
    void coreLinkDoesNotOutliveTheRun();
    void refusesOffTheCamera_data();
    void refusesOffTheCamera();
};

// Nothing is written into a folder the simulator did not make: the
// program says why and ends with 2. ("/" itself is judged in tst_simroot
// and never started on.)
void TestSimLaunch::refusesRootsItDidNotMake_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::newRow("a folder with notes") << QStringList{"r/notes.txt"};
    QTest::newRow("an old root with a foreign file") << QStringList{"r/Parameter/Setting", "r/bin/sh"};
    QTest::newRow("a file") << QStringList{"r"};
}

void TestSimLaunch::refusesRootsItDidNotMake()
{
    QFETCH(QStringList, files);
    TestRoot test;
    for (const QString &file : files)
        QVERIFY(test.writeFile(file, "mine\n"));
    const QString root = test.hostPath(QStringLiteral("r"));
    const QStringList before = listing(test.root());
    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    const QByteArray error = ostrel.readAllStandardError();
    QCOMPARE(ostrel.exitCode(), 2);
    QVERIFY2(error.contains("refusing " + QFile::encodeName(root)), error.constData());
    QCOMPARE(listing(test.root()), before);
}

// A root from before the mark: only the simulator's folders and defaults
// (and a screenshot an earlier version put there) is taken over and marked.
void TestSimLaunch::adoptsAnOldRoot()
{
    TestRoot test;
    QVERIFY(test.writeFile(QStringLiteral("r/Parameter/Setting"), "[General]\nLang=German\n"));
    QVERIFY(test.writeFile(QStringLiteral("r/shot.png"), "png"));
    QProcess ostrel;
    startOstrel(ostrel, test.hostPath(QStringLiteral("r")), {QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    QCOMPARE(ostrel.exitCode(), 0);
    QVERIFY(QFileInfo::exists(test.hostPath(QStringLiteral("r/") + QLatin1String(SimRoot::MarkFile))));
    // The user's settings are kept (the live view adds its own keys).
    QVERIFY(test.readFile(QStringLiteral("r/Parameter/Setting")).contains("Lang=German\n"));
}

// The README's example, run from a folder of the user's: the picture lands
// there, not in the root the simulator moves into.
void TestSimLaunch::screenshotLandsWhereTheCommandStarted()
{
    TestRoot test;
    QVERIFY(QDir().mkpath(test.hostPath(QStringLiteral("here"))));
    QProcess ostrel;
    ostrel.setWorkingDirectory(test.hostPath(QStringLiteral("here")));
    startOstrel(ostrel, test.hostPath(QStringLiteral("sim-root")),
                {QStringLiteral("--screenshot"), QStringLiteral("shot.png"), QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    QCOMPARE(ostrel.exitCode(), 0);
    QCOMPARE(QImage(test.hostPath(QStringLiteral("here/shot.png"))).size(), QSize(320, 240));
    QVERIFY(!QFileInfo::exists(test.hostPath(QStringLiteral("sim-root/shot.png"))));
}

// However ostrel is stopped, its encoder-sim goes with it: SIGTERM and
// SIGINT through the normal exit path, SIGKILL through the parent-death
// signal.
void TestSimLaunch::encoderEndsWithOstrel_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("cleanExit");
    QTest::newRow("SIGTERM") << int(SIGTERM) << true;
    QTest::newRow("SIGINT") << int(SIGINT) << true;
    QTest::newRow("SIGKILL") << int(SIGKILL) << false;
}

void TestSimLaunch::encoderEndsWithOstrel()
{
    QFETCH(int, signal);
    QFETCH(bool, cleanExit);
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("60000")});
    QVERIFY(ostrel.waitForStarted(10000));
    QTRY_VERIFY_WITH_TIMEOUT(SimEncoder::runningFor(root).size() == 1, 20000);
    QVERIFY(ostrel.processId() > 0);
    ::kill(pid_t(ostrel.processId()), signal);
    QVERIFY(ostrel.waitForFinished(10000));
    if (cleanExit) {
        QCOMPARE(ostrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ostrel.exitCode(), 0);
        QCOMPARE(SimEncoder::runningFor(root), QList<qint64>());
    }
    QTRY_COMPARE_WITH_TIMEOUT(SimEncoder::runningFor(root), QList<qint64>(), 10000);
}

// An encoder-sim left on the root (here started by the test) is ended by
// the next start, so one reader owns the pipe; one serving another root
// is left alone.
void TestSimLaunch::startEndsAStaleEncoderOfItsRoot()
{
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    const QString otherRoot = test.hostPath(QStringLiteral("other-root"));
    QVERIFY(SimRoot::prepare(root));
    QVERIFY(SimRoot::prepare(otherRoot));
    QProcess stale;
    QProcess other;
    stale.start(EncoderSim, {root});
    other.start(EncoderSim, {otherRoot});
    QVERIFY(stale.waitForStarted(5000) && other.waitForStarted(5000));
    QTRY_COMPARE_WITH_TIMEOUT(SimEncoder::runningFor(root), QList<qint64>{stale.processId()}, 10000);

    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    QCOMPARE(ostrel.exitCode(), 0);
    QVERIFY(stale.waitForFinished(5000));
    QVERIFY2(ostrel.readAllStandardError().contains("ending encoder-sim"), "the stale one was not reported");
    QCOMPARE(other.state(), QProcess::Running);
    QCOMPARE(SimEncoder::runningFor(otherRoot), QList<qint64>{other.processId()});
    stopChild(other);
}

// Leftovers of saves killed half-way go at the next start, before anything
// reads the settings; a settings file far too large is set aside whole
// (with a word on stderr) and the camera starts on fresh settings.
void TestSimLaunch::startTidiesStoredFiles()
{
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    QVERIFY(SimRoot::prepare(root));
    const auto at = [&root](const char *path) { return root + QLatin1Char('/') + QLatin1String(path); };
    const auto write = [](const QString &path, const QByteArray &bytes, qint64 size) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.resize(size);
    };
    const QByteArray head = "[General]\nLang=German\n";
    const qint64 huge = qint64(23) * 1000 * 1000;
    QVERIFY(write(at("Parameter/Setting"), head, huge));
    QVERIFY(write(at("Parameter/Setting.QwErTy"), head, head.size()));
    QVERIFY(write(at("Parameter/Setting.backup"), head, head.size()));
    QVERIFY(write(at("etc/.calibtable-AbCdEf"), "[Temp2AD]\n", 10));
    QVERIFY(write(at("etc/.calibtable-AbCdEf.GhIjKl"), "[Temp2AD]\n", 10));

    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    QCOMPARE(ostrel.exitCode(), 0);
    const QByteArray error = ostrel.readAllStandardError();
    QVERIFY2(error.contains("Parameter/Setting set aside as Parameter/Setting.too-large"), error.constData());
    QVERIFY(!QFileInfo::exists(at("Parameter/Setting.QwErTy")));
    QVERIFY(!QFileInfo::exists(at("etc/.calibtable-AbCdEf")));
    QVERIFY(!QFileInfo::exists(at("etc/.calibtable-AbCdEf.GhIjKl")));
    QVERIFY(QFileInfo::exists(at("Parameter/Setting.backup")));
    QCOMPARE(QFileInfo(at("Parameter/Setting.too-large")).size(), huge);
    // What the start wrote is a settings file of its own size.
    QFile fresh(at("Parameter/Setting"));
    QVERIFY(fresh.open(QIODevice::ReadOnly));
    QVERIFY(fresh.size() < 4096);
    QVERIFY(!fresh.readAll().contains("German"));
}

// The check before any signal: the program must be encoder-sim and serve
// exactly this root.
void TestSimLaunch::recognisesOnlyEncodersOfTheRoot()
{
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    QVERIFY(SimRoot::prepare(root));
    QProcess encoder;
    QProcess find; // another program with the root as its first argument
    // In a group of its own, so its sleep ends with it.
    find.setChildProcessModifier([] { ::setpgid(0, 0); });
    encoder.start(EncoderSim, {root});
    find.start(QStringLiteral("find"), {root, QStringLiteral("-maxdepth"), QStringLiteral("0"), QStringLiteral("-exec"),
                                        QStringLiteral("sleep"), QStringLiteral("30"), QStringLiteral(";")});
    QVERIFY(encoder.waitForStarted(5000) && find.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(SimEncoder::isEncoderOf(encoder.processId(), root), 10000);
    QVERIFY(SimEncoder::isEncoderOf(encoder.processId(), root + QStringLiteral("/./tmp/..")));
    QVERIFY(!SimEncoder::isEncoderOf(encoder.processId(), test.hostPath(QStringLiteral("other"))));
    QVERIFY(!SimEncoder::isEncoderOf(find.processId(), root));
    QVERIFY(!SimEncoder::isEncoderOf(QCoreApplication::applicationPid(), root));
    ::kill(-pid_t(find.processId()), SIGTERM);
    QVERIFY(find.waitForFinished(5000));
    stopChild(encoder);
}

// Started by hand on a folder the simulator did not make, encoder-sim
// makes no pipe there.
void TestSimLaunch::encoderSimServesOnlyMarkedRoots()
{
    TestRoot test;
    const QString folder = test.hostPath(QStringLiteral("plain"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/tmp")));
    QProcess encoder;
    encoder.start(EncoderSim, {folder});
    QVERIFY(encoder.waitForFinished(10000));
    QCOMPARE(encoder.exitCode(), 2);
    QVERIFY(encoder.readAllStandardError().contains("not a simulator root"));
    QCOMPARE(listing(folder), QStringList{folder + QStringLiteral("/tmp")});
}

// Without a display the screen goes to VNC: a taken port is said and the
// program ends instead of running with no screen. The port is one this
// test holds, never 5900.
void TestSimLaunch::busyVncPortIsReported_data()
{
    QTest::addColumn<bool>("anyAddress");
    QTest::newRow("held on localhost") << false;
    QTest::newRow("held on every address") << true;
}

void TestSimLaunch::busyVncPortIsReported()
{
    QFETCH(bool, anyAddress);
    TestRoot test;
    QTcpServer holder;
    QVERIFY(holder.listen(anyAddress ? QHostAddress::Any : QHostAddress::LocalHost, 0));
    const QString port = QString::number(holder.serverPort());
    QVERIFY(!VncPort::isFree(holder.serverPort()));

    QProcess ostrel;
    QProcessEnvironment env = environmentFor(test.hostPath(QStringLiteral("sim-root")));
    for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    ostrel.setProcessEnvironment(env);
    ostrel.start(Ostrel, {QStringLiteral("--simulate"), QStringLiteral("--vnc-port"), port,
                          QStringLiteral("--quit-after"), QStringLiteral("200")});
    QVERIFY(ostrel.waitForFinished(30000));
    const QByteArray error = ostrel.readAllStandardError();
    QCOMPARE(ostrel.exitCode(), 2);
    QVERIFY2(error.contains("VNC port " + port.toLatin1() + " is busy"), error.constData());
    QVERIFY(!ostrel.readAllStandardOutput().contains("connect a viewer"));

    holder.close();
    QVERIFY(VncPort::isFree(port.toInt()));
    QVERIFY(VncPort::hint(port.toInt()).contains(QLatin1String("localhost:") + port));
}

// What cannot be written is named, and an encoder-sim that dies is
// reported. A path component that is a file stands in for a folder that
// cannot be written: tests run as root, which read-only modes do not stop.
void TestSimLaunch::reportsWhatFails_data()
{
    QTest::addColumn<QString>("inTheWay");  // made a file, or a folder when it ends in "/"
    QTest::addColumn<QString>("expected");  // "@" is the root
    QTest::addColumn<int>("exitCode");      // -1: keeps running
    QTest::newRow("dev is a file") << "dev" << "cannot make the folder @/dev" << 1;
    QTest::newRow("ttyS1 is a folder") << "dev/ttyS1/keep" << "@/dev/ttyS1" << -1;
    QTest::newRow("encoder log is a folder") << "tmp/encoder-sim.log/" << "encoder-sim ended unexpectedly" << -1;
}

void TestSimLaunch::reportsWhatFails()
{
    QFETCH(QString, inTheWay);
    QFETCH(QString, expected);
    QFETCH(int, exitCode);
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    QVERIFY(SimRoot::prepare(root));
    const QString blocker = QDir(root).filePath(inTheWay);
    if (inTheWay.endsWith(QLatin1Char('/'))) {
        QVERIFY(QDir().mkpath(blocker));
    } else {
        QDir(blocker).removeRecursively();
        QVERIFY(test.writeFile(QStringLiteral("sim-root/") + inTheWay, "in the way\n"));
    }
    expected.replace(QLatin1Char('@'), root);

    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("60000")});
    const QByteArray error = waitForError(ostrel, expected.toUtf8());
    QVERIFY2(error.contains(expected.toUtf8()), error.constData());
    QVERIFY(!error.contains("no pseudo-terminal"));
    if (exitCode >= 0) {
        QCOMPARE(ostrel.state(), QProcess::NotRunning);
        QCOMPARE(ostrel.exitCode(), exitCode);
    } else {
        QCOMPARE(ostrel.state(), QProcess::Running);
        stopChild(ostrel);
    }
}

// A link left from an earlier run names a pseudo-terminal number another
// program may hold by now: it is replaced at start and removed at the end.
void TestSimLaunch::coreLinkDoesNotOutliveTheRun()
{
    TestRoot test;
    const QString root = test.hostPath(QStringLiteral("sim-root"));
    QVERIFY(SimRoot::prepare(root));
    QVERIFY(test.writeFile(QStringLiteral("someone-elses-terminal"), "keep\n"));
    const QString link = root + QStringLiteral("/dev/ttyS1");
    QVERIFY(QFile::link(test.hostPath(QStringLiteral("someone-elses-terminal")), link));

    QProcess ostrel;
    startOstrel(ostrel, root, {QStringLiteral("--quit-after"), QStringLiteral("60000")});
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(link).symLinkTarget().startsWith(QLatin1String("/dev/pts/")), 20000);
    ostrel.terminate();
    QVERIFY(ostrel.waitForFinished(10000));
    QCOMPARE(ostrel.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink() && !QFileInfo::exists(link));
    QCOMPARE(test.readFile(QStringLiteral("someone-elses-terminal")), QByteArray("keep\n"));
}

// Without --simulate on a machine that lacks the camera's devices, both
// programs end at once, naming the first device missing and the way to
// run here; nothing is written, not even Qt's own files: the working
// folder and the home, runtime and temporary folders given to them stay
// empty.
void TestSimLaunch::refusesOffTheCamera_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("simulatorRoot"); // OSTREL_ROOT left set
    QTest::newRow("ostrel") << Ostrel << QStringList{} << false;
    QTest::newRow("ostrel asked for a picture") << Ostrel << QStringList{"--screenshot", "shot.png", "--quit-after", "100"} << false;
    QTest::newRow("ostrel with a simulator root") << Ostrel << QStringList{} << true;
    QTest::newRow("renovo as the update key starts it") << Renovo << QStringList{"-qws"} << false;
    QTest::newRow("renovo with a simulator root") << Renovo << QStringList{"--quit-after", "100"} << true;
}

void TestSimLaunch::refusesOffTheCamera()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(bool, simulatorRoot);
    // The programs' own check, asked first: on a machine that has every
    // node the device start-up would run for real, so it is not started.
    const QString missing = DeviceNodes::firstMissing();
    if (missing.isEmpty())
        QSKIP("this machine has every device node of the camera: the device start-up is not run here");

    TestRoot test;
    const QStringList folders{QStringLiteral("work"), QStringLiteral("home"), QStringLiteral("runtime"), QStringLiteral("tmp")};
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(test.hostPath(folder)));
    const QStringList before = listing(test.root());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("OSTREL_SIMULATE"));
    if (simulatorRoot)
        env.insert(QStringLiteral("OSTREL_ROOT"), test.hostPath(QStringLiteral("sim-root")));
    else
        env.remove(QStringLiteral("OSTREL_ROOT"));
    env.insert(QStringLiteral("HOME"), test.hostPath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), test.hostPath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("TMPDIR"), test.hostPath(QStringLiteral("tmp")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(test.hostPath(QStringLiteral("work")));
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    const QByteArray error = process.readAllStandardError();
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), DeviceNodes::RefusedExitCode);
    const QByteArray name = QFileInfo(program).fileName().toUtf8();
    QVERIFY2(error.startsWith(name + ": " + QFile::encodeName(missing) + " is missing"), error.constData());
    QVERIFY2(error.contains("--simulate"), error.constData());
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(listing(test.root()), before);
}

QTEST_MAIN(TestSimLaunch)
#include "tst_simlaunch.moc"
