// Stored files in shapes no reader can use: far too large, a pipe with no
// writer, a folder, a link to an endless device. Each reader refuses them
// at once and the program goes on with its defaults; the settings file
// that cannot be set aside is not read either.
#include "emissivityfile.h"
#include "etoolwidget.h"
#include "settingsfilecheck.h"
#include "storedsettings.h"
#include "tablefilelimit.h"
#include "testroot.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

enum Shape { Huge, Fifo, Folder, EndlessLink };

// Should a reader block on the pipe after all, this opens the pipe's other
// end after a bound: the reader sees an empty file and returns, the test
// fails instead of hanging.
class PipeRelease
{
public:
    explicit PipeRelease(const QString &path)
        : m_fifo(QFile::encodeName(path))
    {
        struct stat status {};
        if (::lstat(m_fifo.constData(), &status) == 0 && S_ISFIFO(status.st_mode))
            m_thread = std::thread([this] { watch(); });
    }
    ~PipeRelease()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    bool released() const { return m_released; }

private:
    void watch()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_done) {
            if (m_wake.wait_for(lock, std::chrono::seconds(10), [this] { return m_done; }))
                return;
            // O_NONBLOCK: succeeds only while a reader waits on the pipe.
            const int fd = ::open(m_fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_released = true;
                ::close(fd);
            }
        }
    }

    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_released{false};
    std::thread m_thread;
};

// Clears, for the calling thread only, what lets root write where the
// modes say no: a folder then refuses renames as it would for the camera's
// user. Capabilities are per thread, the rest of the test keeps them.
bool dropFileOverrides()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        data[cap / 32].effective &= ~(1u << (cap % 32));
    return ::syscall(SYS_capset, &header, data) == 0;
}

} // namespace

class TstStoredFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refusedAtOnce_data();
    void refusedAtOnce();
    void settingsThatCannotBeSetAside_data();
    void settingsThatCannotBeSetAside();
    void smallFilesStillRead();

private:
    bool makeShape(const TestRoot &root, const QString &file, Shape shape);
};

bool TstStoredFiles::makeShape(const TestRoot &root, const QString &file, Shape shape)
{
    const QString host = root.hostPath(file);
    QDir().mkpath(QFileInfo(host).absolutePath());
    switch (shape) {
    case Huge: {
        // Real lines first: a reader that ignored the size would find them.
        QByteArray head = "Lang=German\nMIX_Index=1\nMIX_Zoom=250\nWater=0.96\n";
        for (int n = 0; n < 2000; ++n)
            head += "k" + QByteArray::number(n) + "=0.5\n";
        return root.writeSparseFile(file, head, qint64(50) * 1000 * 1000);
    }
    case Fifo:
        return root.makeFifo(file);
    case Folder:
        return QDir().mkpath(host);
    case EndlessLink:
        return QFile::link(QStringLiteral("/dev/zero"), host);
    }
    return false;
}

void TstStoredFiles::refusedAtOnce_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("shape");
    const char *const files[] = {"etc/EmisivityTable.conf", "etc/MixOffset", "Parameter/Setting", "Parameter/IRCorePara"};
    const std::pair<const char *, Shape> shapes[] = {
        {"50 MB", Huge}, {"FIFO", Fifo}, {"folder", Folder}, {"link to /dev/zero", EndlessLink}};
    for (const char *file : files)
        for (const auto &shape : shapes)
            QTest::addRow("%s, %s", file, shape.first) << QString::fromLatin1(file) << int(shape.second);
}

void TstStoredFiles::refusedAtOnce()
{
    QFETCH(QString, file);
    QFETCH(int, shape);
    TestRoot root;
    QVERIFY(makeShape(root, file, Shape(shape)));
    const QString host = root.hostPath(file);
    PipeRelease guard(host);

    QCOMPARE(TableFileLimit::check(host) == TableFileLimit::Readable, false);
    QByteArray bytes;
    QVERIFY(!TableFileLimit::read(host, &bytes));
    QVERIFY(bytes.isEmpty());

    if (file == QLatin1String(EmissivityFile::fileName())) {
        // "Select Material" then lists no material of the file.
        QVERIFY(EmissivityFile::read(file).isEmpty());
    } else if (file == QLatin1String("etc/MixOffset")) {
        // The status bar reads the fusion distance in its constructor.
        EToolWidget tool;
        QCOMPARE(tool.getMixIndex(), 2);
        const StoredSettings mix(file, QSettings::NativeFormat);
        QCOMPARE(mix.value(QStringLiteral("MIX_Zoom"), 232).toInt(), 232);
    } else if (file == QLatin1String(SettingsFileCheck::FileName)) {
        SettingsFileCheck::run();
        const StoredSettings settings(file, QSettings::NativeFormat);
        QCOMPARE(settings.value(QStringLiteral("Lang"), QStringLiteral("English")).toString(), QStringLiteral("English"));
    } else {
        StoredSettings settings(file, QSettings::IniFormat);
        QVERIFY(!settings.contains(QStringLiteral("Lang")));
        settings.setValue(QStringLiteral("FIR"), 7);
        settings.sync();
        if (shape == Folder) {
            // Nothing to read in a folder, and a write is reported lost.
            QCOMPARE(settings.status(), QSettings::AccessError);
        } else {
            // A write lands beside it and leaves the refused file as it was.
            QCOMPARE(settings.status(), QSettings::NoError);
            QCOMPARE(StoredSettings(file, QSettings::IniFormat).value(QStringLiteral("FIR")).toInt(), 7);
        }
        const QFileInfo after(host);
        if (shape == Huge)
            QCOMPARE(after.size(), qint64(50) * 1000 * 1000);
        else
            QVERIFY(!after.isFile() || after.isSymLink());
    }
    QVERIFY2(!guard.released(), "a reader waited on the pipe");
}

void TstStoredFiles::settingsThatCannotBeSetAside_data()
{
    QTest::addColumn<bool>("namesTaken");
    QTest::addColumn<int>("shape");
    QTest::newRow("every aside name taken, 50 MB") << true << int(Huge);
    QTest::newRow("every aside name taken, FIFO") << true << int(Fifo);
    QTest::newRow("folder takes no renames, 50 MB") << false << int(Huge);
    QTest::newRow("folder takes no renames, FIFO") << false << int(Fifo);
}

void TstStoredFiles::settingsThatCannotBeSetAside()
{
    QFETCH(bool, namesTaken);
    QFETCH(int, shape);
    TestRoot root;
    const QString file = QString::fromLatin1(SettingsFileCheck::FileName);
    const QString host = root.hostPath(file);
    QVERIFY(makeShape(root, file, Shape(shape)));
    const QFileInfo before(host);
    if (namesTaken) {
        for (int n = 1; n <= SettingsFileCheck::MaxAside; ++n) {
            const QString aside = n == 1 ? QLatin1String(SettingsFileCheck::AsideName)
                                         : QStringLiteral("%1-%2").arg(QLatin1String(SettingsFileCheck::AsideName)).arg(n);
            QVERIFY(root.writeFile(aside, "earlier"));
        }
    }
    PipeRelease guard(host);
    QString aside = QStringLiteral("not run");
    // Start-up's check, where the camera's user could not rename either.
    const QString folder = QFileInfo(host).absolutePath();
    std::thread check([&] {
        if (!namesTaken && (!dropFileOverrides() || ::chmod(QFile::encodeName(folder).constData(), 0555) != 0))
            return;
        aside = SettingsFileCheck::run();
    });
    check.join();
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QCOMPARE(aside, QString());
    QVERIFY(before.isFile() || QFileInfo(host).exists());

    // The run works on defaults and keeps its changes away from the file.
    {
        StoredSettings settings(file, QSettings::NativeFormat);
        QVERIFY(!settings.contains(QStringLiteral("Lang")));
        settings.setValue(QStringLiteral("Lang"), QStringLiteral("English"));
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }
    QCOMPARE(StoredSettings(file, QSettings::NativeFormat).value(QStringLiteral("Lang")).toString(), QStringLiteral("English"));
    const QFileInfo after(host);
    if (shape == Huge) {
        QCOMPARE(after.size(), before.size());
        QCOMPARE(after.lastModified(), before.lastModified());
    } else {
        QVERIFY(!after.isFile());
    }
    QVERIFY2(!guard.released(), "a reader waited on the pipe");
}

// The same readers take a file of the usual size whole.
void TstStoredFiles::smallFilesStillRead()
{
    TestRoot root;
    QVERIFY(root.writeFile(QLatin1String(EmissivityFile::fileName()), "Water=0.96\nIron=0.70\n"));
    QVERIFY(root.writeFile(QStringLiteral("etc/MixOffset"), "[General]\nMIX_Index=1\n"));
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\nLang=German\n"));
    QCOMPARE(EmissivityFile::read(QLatin1String(EmissivityFile::fileName())).size(), 2);
    EToolWidget tool;
    QCOMPARE(tool.getMixIndex(), 1);
    QCOMPARE(SettingsFileCheck::run(), QString());
    QCOMPARE(StoredSettings(QStringLiteral("Parameter/Setting")).value(QStringLiteral("Lang")).toString(), QStringLiteral("German"));
    QByteArray bytes;
    QVERIFY(TableFileLimit::read(root.hostPath(QStringLiteral("Parameter/Setting")), &bytes));
    QCOMPARE(bytes, QByteArray("[General]\nLang=German\n"));
}

QTEST_MAIN(TstStoredFiles)
#include "tst_storedfiles.moc"
