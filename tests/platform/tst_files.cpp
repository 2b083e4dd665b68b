#include "atomicfile.h"
#include "devicefile.h"
#include "testroot.h"

#include <QDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kNote = QStringLiteral("/media/mmc/a.txt");

// What the disk holds at each sync AtomicFile asks for: the synced file's
// own bytes, or that the synced folder is the note's, and the note as it
// then reads. A sync fails when failing says so ("file" or "folder").
class SyncRecorder
{
public:
    SyncRecorder(const TestRoot &root, const QString &failing)
        : m_root(root)
    {
        AtomicFile::installSync([this, failing](int fd) {
            struct stat st;
            if (::fstat(fd, &st) != 0)
                return -1;
            const bool folder = S_ISDIR(st.st_mode);
            QString step;
            if (folder) {
                struct stat noteFolder;
                const bool same = ::stat(QFile::encodeName(m_root.hostPath(QStringLiteral("/media/mmc"))).constData(), &noteFolder) == 0
                                  && noteFolder.st_ino == st.st_ino && noteFolder.st_dev == st.st_dev;
                step = same ? QStringLiteral("folder") : QStringLiteral("another folder");
            } else {
                QByteArray bytes(int(st.st_size), '\0');
                const bool read = ::pread(fd, bytes.data(), size_t(bytes.size()), 0) == ssize_t(bytes.size());
                step = QStringLiteral("file ") + (read ? QString::fromLatin1(bytes) : QStringLiteral("<unreadable>"));
            }
            const QString notePath = m_root.hostPath(kNote);
            m_steps << step + QStringLiteral(" | note ")
                           + (QFileInfo::exists(notePath) ? QString::fromLatin1(m_root.readFile(kNote)) : QStringLiteral("<none>"));
            if (failing == (folder ? QLatin1String("folder") : QLatin1String("file")))
                return -1;
            return ::fsync(fd);
        });
    }
    ~SyncRecorder() { AtomicFile::installSync({}); }
    QStringList steps() const { return m_steps; }

private:
    const TestRoot &m_root;
    QStringList m_steps;
};

} // namespace

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deviceFilePositionedIo();
    void deviceFileMissing();
    void smallFileIsBounded();
    void atomicReplace();
    void atomicFailureLeavesOldFile();
    void atomicSyncOrder_data();
    void atomicSyncOrder();
    void atomicScratchIsKnownAgain();
    void scratchNames_data();
    void scratchNames();
};

void TestFiles::deviceFilePositionedIo()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/dev/gpio"), QByteArray(16, '\0')));
    DeviceFile dev(QStringLiteral("/dev/gpio"));
    QVERIFY(dev.open(O_RDWR));
    QVERIFY(dev.writeAt(4, "abcd"));
    QCOMPARE(dev.readAt(4, 4), QByteArray("abcd"));
    QCOMPARE(dev.readAt(14, 8).size(), 2); // short read at the end
    QVERIFY(dev.readAt(-1, 4).isEmpty());
    QVERIFY(dev.readAt(64, 4).isEmpty());
    QCOMPARE(root.readFile(QStringLiteral("/dev/gpio")).mid(4, 4), QByteArray("abcd"));
}

void TestFiles::deviceFileMissing()
{
    TestRoot root;
    DeviceFile dev(QStringLiteral("/dev/pwm"));
    QVERIFY(!dev.open(O_RDWR));
    QVERIFY(dev.read(4).isEmpty());
    QVERIFY(!dev.write("1"));
    QVERIFY(!dev.control(0, nullptr));
    QVERIFY(!QFile::exists(root.hostPath(QStringLiteral("/dev/pwm"))));
}

void TestFiles::smallFileIsBounded()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/dev/adc"), QByteArray(10000, '7')));
    QCOMPARE(DeviceFile::readSmallFile(QStringLiteral("/dev/adc"), 8), QByteArray(8, '7'));
    QVERIFY(DeviceFile::readSmallFile(QStringLiteral("/dev/none")).isEmpty());
}

void TestFiles::atomicReplace()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/a.txt"), "old"));
    QVERIFY(AtomicFile::write(QStringLiteral("/media/mmc/a.txt"), "new note"));
    QCOMPARE(root.readFile(QStringLiteral("/media/mmc/a.txt")), QByteArray("new note"));
    QCOMPARE(QDir(root.hostPath(QStringLiteral("/media/mmc"))).entryList(QDir::Files), QStringList{"a.txt"});
}

void TestFiles::atomicFailureLeavesOldFile()
{
    TestRoot root;
    QVERIFY(!AtomicFile::write(QStringLiteral("/media/missing/a.txt"), "x"));
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("/media/mmc/dir.txt"))));
    QVERIFY(!AtomicFile::write(QStringLiteral("/media/mmc/dir.txt"), "x"));
    QVERIFY(QFileInfo(root.hostPath(QStringLiteral("/media/mmc/dir.txt"))).isDir());
}

void TestFiles::atomicSyncOrder_data()
{
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("written");
    // The new bytes reach the disk before the name points at them, and the
    // renamed entry reaches it before the write reports success.
    QTest::newRow("replace") << QByteArray("old") << QString() << QStringList{"file new note | note old", "folder | note new note"}
                             << true;
    QTest::newRow("first write") << QByteArray() << QString() << QStringList{"file new note | note <none>", "folder | note new note"}
                                 << true;
    // Bytes that may not be on the disk are never given the name.
    QTest::newRow("file sync fails") << QByteArray("old") << QStringLiteral("file") << QStringList{"file new note | note old"}
                                     << false;
}

void TestFiles::atomicSyncOrder()
{
    QFETCH(QByteArray, old);
    QFETCH(QString, failing);
    QFETCH(QStringList, steps);
    QFETCH(bool, written);
    TestRoot root;
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("/media/mmc"))));
    if (!old.isEmpty())
        QVERIFY(root.writeFile(kNote, old));
    SyncRecorder recorder(root, failing);
    QCOMPARE(AtomicFile::write(kNote, "new note"), written);
    QCOMPARE(recorder.steps(), steps);
    QCOMPARE(root.readFile(kNote), written ? QByteArray("new note") : old);
    // No temporary is left beside the note either way.
    QCOMPARE(QDir(root.hostPath(QStringLiteral("/media/mmc"))).entryList(QDir::Files | QDir::Hidden),
             old.isEmpty() && !written ? QStringList() : QStringList{"a.txt"});
}

// The start-up knows a killed save only by its scratch name: every name a
// write uses is one the cleaner takes for the file's.
void TestFiles::atomicScratchIsKnownAgain()
{
    TestRoot root;
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("/media/mmc"))));
    QStringList names;
    AtomicFile::installSync([&names](int fd) {
        char path[4096];
        const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), path, sizeof path - 1);
        if (n > 0)
            names << QFileInfo(QFile::decodeName(QByteArray(path, int(n)))).fileName();
        return ::fsync(fd);
    });
    for (int i = 0; i < 200; ++i)
        QVERIFY(AtomicFile::write(kNote, QByteArray::number(i)));
    AtomicFile::installSync({});
    QCOMPARE(names.size(), 400); // the scratch file, then the folder, each time
    for (int i = 0; i < names.size(); i += 2)
        QVERIFY2(AtomicFile::isScratchOf(names.at(i), QStringLiteral("a.txt")), qPrintable(names.at(i)));
    QCOMPARE(QDir(root.hostPath(QStringLiteral("/media/mmc"))).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
}

void TestFiles::scratchNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::newRow("mixed") << "Setting.AbCdEf" << "Setting";
    QTest::newRow("capitals") << "music.wav.QWERTY" << "music.wav";
    QTest::newRow("of a scratch") << "Modify.AbCdEf.QwErTy" << "Modify.AbCdEf";
    QTest::newRow("lower case word") << "Setting.backup" << "";
    QTest::newRow("digits") << "Setting.AbCd12" << "";
    QTest::newRow("five letters") << "Setting.AbCdE" << "";
    QTest::newRow("seven letters") << "Setting.AbCdEfG" << "";
    QTest::newRow("no name before") << ".AbCdEf" << "";
    QTest::newRow("no dot") << "SettingAbCdEf" << "";
}

void TestFiles::scratchNames()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    QCOMPARE(AtomicFile::scratchTarget(name), target);
}

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
