#include "atomicfile.h"
#include "devicefile.h"
#include "testroot.h"

#include <QDir>
#include <QtTest>

#include <fcntl.h>

class TestFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deviceFilePositionedIo();
    void deviceFileMissing();
    void smallFileIsBounded();
    void atomicReplace();
    void atomicFailureLeavesOldFile();
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

QTEST_GUILESS_MAIN(TestFiles)
#include "tst_files.moc"
