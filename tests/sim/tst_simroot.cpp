#include "simroot.h"
#include "testroot.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Should a read of a FIFO ever block again, this ends it after a while
// (the writer's end opened and closed), so the test fails instead of
// hanging. Unless something blocks it never waits.
class FifoRelease
{
public:
    explicit FifoRelease(const QString &fifo)
        : m_fifo(QFile::encodeName(fifo))
        , m_thread([this] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_done.wait_for(lock, std::chrono::seconds(10), [this] { return m_finished; }))
                return;
            m_released = true;
            const int fd = ::open(m_fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0)
                ::close(fd);
        })
    {
    }
    ~FifoRelease() { finish(); }
    // true when the FIFO had to be released.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_released;
    }

private:
    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    bool m_released = false;
    std::thread m_thread;
};

} // namespace

class TestSimRoot : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void preparesFoldersAndDefaults();
    void keepsWhatAnEarlierRunChanged();
    void refreshesDefaultsTheUserKept();
    void refusesADefaultThatIsNoFile_data();
    void refusesADefaultThatIsNoFile();
    void judgesRoots_data();
    void judgesRoots();
    void namesTheFolderItCannotMake();
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

// A default changed in the checkout reaches a root whose copy nobody
// touched; a copy the user changed is kept, and stays theirs when the
// default changes again.
void TestSimRoot::refreshesDefaultsTheUserKept()
{
    TestRoot test;
    const QString simRoot = test.hostPath(QStringLiteral("sim-root"));
    const QString defaults = test.hostPath(QStringLiteral("defaults"));
    QVERIFY(test.writeFile(QStringLiteral("defaults/etc/table.conf"), "table 1\n"));
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "Lang=English\n"));
    QVERIFY(SimRoot::prepare(simRoot, defaults));
    QVERIFY(test.writeFile(QStringLiteral("sim-root/Parameter/Setting"), "Lang=German\n"));

    QVERIFY(test.writeFile(QStringLiteral("defaults/etc/table.conf"), "table 2\n"));
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "Lang=English\nUnit=C\n"));
    QVERIFY(SimRoot::prepare(simRoot, defaults));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/etc/table.conf")), QByteArray("table 2\n"));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/Parameter/Setting")), QByteArray("Lang=German\n"));

    QVERIFY(test.writeFile(QStringLiteral("defaults/etc/table.conf"), "table 3\n"));
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "Lang=Chinese\n"));
    QVERIFY(SimRoot::prepare(simRoot, defaults));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/etc/table.conf")), QByteArray("table 3\n"));
    QCOMPARE(test.readFile(QStringLiteral("sim-root/Parameter/Setting")), QByteArray("Lang=German\n"));
}

// A default's place in the root that holds no regular file (made so by
// hand, or by a link) is refused by name before anything reads it.
void TestSimRoot::refusesADefaultThatIsNoFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    for (const char *file : {"Parameter/Setting", "Parameter/Modify", "etc/EmisivityTable.conf", "etc/calc_len0_temp0.conf"}) {
        for (const char *kind : {"FIFO", "link to /dev/zero", "folder"})
            QTest::addRow("%s, %s", file, kind) << QString::fromLatin1(file) << QString::fromLatin1(kind);
    }
}

void TestSimRoot::refusesADefaultThatIsNoFile()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    TestRoot test;
    const QString simRoot = test.hostPath(QStringLiteral("sim-root"));
    const QString defaults = test.hostPath(QStringLiteral("defaults"));
    for (const char *name : {"Parameter/Setting", "Parameter/Modify", "etc/EmisivityTable.conf", "etc/calc_len0_temp0.conf"})
        QVERIFY(test.writeFile(QStringLiteral("defaults/") + QLatin1String(name), "[General]\nKey=1\n"));
    QVERIFY(SimRoot::prepare(simRoot, defaults));

    const QString target = QDir(simRoot).filePath(file);
    QVERIFY(QFile::remove(target));
    const QByteArray native = QFile::encodeName(target);
    if (kind == QLatin1String("FIFO"))
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(target));
    else
        QVERIFY(::symlink("/dev/zero", native.constData()) == 0);
    FifoRelease release(target);
    QString error;
    const bool prepared = SimRoot::prepare(simRoot, defaults, &error);
    QVERIFY2(!release.finish(), "prepare blocked on the FIFO");
    QVERIFY(!prepared);
    QVERIFY2(error.contains(target), qPrintable(error));
}

// The decision alone, so "/" is judged without ever starting anything on
// it. Paths starting with "@" are under the test's folder.
void TestSimRoot::judgesRoots_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("verdict");
    const auto row = [](const char *name, const QString &root, const QStringList &files, SimRoot::Verdict verdict) {
        QTest::newRow(name) << root << files << int(verdict);
    };
    using V = SimRoot::Verdict;
    row("slash", "/", {}, V::SystemRoot);
    row("slash dot", "/.", {}, V::SystemRoot);
    row("double slash", "//", {}, V::SystemRoot);
    row("slash dot dot", "/tmp/..", {}, V::SystemRoot);
    row("up to slash from the test", "@r/" + QStringLiteral("../").repeated(40), {}, V::SystemRoot);
    row("link to slash", "@to-slash", {}, V::SystemRoot);
    row("below a link to slash", "@to-slash/.", {}, V::SystemRoot);
    row("link to slash, up and back", "@to-slash/tmp/..", {}, V::SystemRoot);
    row("missing", "@r", {}, V::Make);
    row("missing below missing", "@a/b/c", {}, V::Make);
    row("empty", "@r", {"r/"}, V::Make);
    row("marked", "@r", {"r/.ostrel-sim-root", "r/notes.txt"}, V::Use);
    row("old root", "@r", {"r/Parameter/Setting", "r/etc/", "r/tmp/encoder-sim.log", "r/works/photo.jpg"}, V::Adopt);
    row("old root with a screenshot", "@r", {"r/Parameter/Setting", "r/shot.png"}, V::Adopt);
    row("foreign", "@r", {"r/notes.txt"}, V::Foreign);
    row("foreign hidden file", "@r", {"r/.profile"}, V::Foreign);
    row("old root and a foreign file", "@r", {"r/Parameter/Setting", "r/notes.txt"}, V::Foreign);
    row("old root and a foreign folder", "@r", {"r/Parameter/Setting", "r/usr/"}, V::Foreign);
    row("own folders, no defaults", "@r", {"r/etc/passwd", "r/tmp/"}, V::Foreign);
    row("a file", "@r", {"r"}, V::NotAFolder);
}

void TestSimRoot::judgesRoots()
{
    QFETCH(QString, root);
    QFETCH(QStringList, files);
    QFETCH(int, verdict);
    TestRoot test;
    QVERIFY(test.writeFile(QStringLiteral("defaults/Parameter/Setting"), "Lang=English\n"));
    QVERIFY(QFile::link(QStringLiteral("/"), test.hostPath(QStringLiteral("to-slash"))));
    for (const QString &file : files) {
        if (file.endsWith(QLatin1Char('/')))
            QVERIFY(QDir().mkpath(test.hostPath(file)));
        else
            QVERIFY(test.writeFile(file, "x\n"));
    }
    if (root.startsWith(QLatin1Char('@')))
        root = test.hostPath(root.mid(1));
    QCOMPARE(int(SimRoot::judge(root, test.hostPath(QStringLiteral("defaults")))), verdict);
    QCOMPARE(SimRoot::isRefusal(SimRoot::Verdict(verdict)), !SimRoot::refusal(SimRoot::Verdict(verdict), root).isEmpty());
}

// A path component that is a file stands in for a folder that cannot be
// written (tests run as root, which read-only modes do not stop).
void TestSimRoot::namesTheFolderItCannotMake()
{
    TestRoot test;
    QString error;
    QVERIFY(test.writeFile(QStringLiteral("sim-root/dev"), "a file, not a folder\n"));
    QVERIFY(!SimRoot::prepare(test.hostPath(QStringLiteral("sim-root")), test.hostPath(QStringLiteral("missing")), &error));
    QVERIFY2(error.contains(test.hostPath(QStringLiteral("sim-root/dev"))), qPrintable(error));
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
