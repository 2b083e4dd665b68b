#include "ipckeys.h"
#include "paths.h"
#include "sharedmemory.h"
#include "testroot.h"

#include <QtTest>

#include <cstring>
#include <sys/ipc.h>

class TestSharedMemory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keysDependOnTheRoot();
    void missingSegmentIsAnError();
    void shortSegmentIsAnError();
    void createAttachShareAndRemove();
};

void TestSharedMemory::keysDependOnTheRoot()
{
    Paths::setRoot(QStringLiteral("/"));
    QCOMPARE(IpcKeys::key(0x1234), key_t(0x1234));
    TestRoot a;
    const key_t ka = IpcKeys::key(0x1234);
    QVERIFY(ka != 0x1234 && ka != IPC_PRIVATE && ka > 0);
    QCOMPARE(IpcKeys::key(0x1234), ka);
    QVERIFY(IpcKeys::key(0x1235) != ka);
    TestRoot b;
    QVERIFY(IpcKeys::key(0x1234) != ka);
    // encoder-sim in the device rig meets a program at root "/".
    IpcKeys::useDeviceKeys(true);
    QCOMPARE(IpcKeys::key(0x1234), key_t(0x1234));
    IpcKeys::useDeviceKeys(false);
    QVERIFY(IpcKeys::key(0x1234) != 0x1234);
}

void TestSharedMemory::missingSegmentIsAnError()
{
    TestRoot root;
    SharedMemory shm;
    QVERIFY(!shm.attach(IpcKeys::key(0x5151), 16));
    QVERIFY(!shm.isAttached());
    QVERIFY(!shm.attach(IPC_PRIVATE, 16));
    QVERIFY(!shm.remove());
}

void TestSharedMemory::shortSegmentIsAnError()
{
    TestRoot root;
    SharedMemory owner;
    QVERIFY(owner.create(IpcKeys::key(0x5152), 64));
    SharedMemory reader;
    QVERIFY(!reader.attach(IpcKeys::key(0x5152), 4096));
    QVERIFY(!reader.isAttached());
    QVERIFY(reader.attach(IpcKeys::key(0x5152), 64, true));
    QVERIFY(owner.remove());
}

void TestSharedMemory::createAttachShareAndRemove()
{
    TestRoot root;
    SharedMemory owner;
    QVERIFY(owner.create(IpcKeys::key(0x5153), 1024));
    QVERIFY(owner.size() >= 1024);
    std::memcpy(owner.data(), "frame", 6);
    SharedMemory reader;
    QVERIFY(reader.attach(IpcKeys::key(0x5153), 1024, true));
    QCOMPARE(QByteArray(static_cast<const char *>(reader.data())), QByteArray("frame"));
    reader.detach();
    QVERIFY(owner.remove());
    QVERIFY(!reader.attach(IpcKeys::key(0x5153), 1));
}

QTEST_GUILESS_MAIN(TestSharedMemory)
#include "tst_sharedmemory.moc"
