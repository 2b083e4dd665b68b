#include "boardview.h"
#include "fakethumbnailer.h"
#include "paths.h"
#include "testroot.h"
#include "thumbcache.h"
#include "zvideoloadthread.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

// The video thumbnail worker: the recording check, the stock pictures by
// size, the cache names, the stop request and the live view's wait flag.
class TestVideoThumbs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void checkVideoError_data();
    void checkVideoError();
    void pictureBySize_data();
    void pictureBySize();
    void existingEntryIsNotMadeAgain();
    void touchedVideoGetsANewName();
    void namesFollowTheCacheRule();
    void stopRequestEndsTheRunBeforeTheNextVideo();
    void waitFlagIsSetOnTheGuiThread();

private:
    QString writeVideo(const QString &name, const QByteArray &bytes);
    static QByteArray recording(qint64 size);
    std::unique_ptr<TestRoot> m_root;
    FakeThumbnailer *m_thumbnailer = nullptr;
};

void TestVideoThumbs::init()
{
    m_root = std::make_unique<TestRoot>();
    m_thumbnailer = new FakeThumbnailer;
    VideoThumbnailer::install(m_thumbnailer);
    QDir().mkpath(Paths::resolve(QStringLiteral("/root/.videothumbnails")));
    QImage stock(72, 54, QImage::Format_RGB32);
    stock.fill(Qt::gray);
    QVERIFY(stock.save(Paths::resolve(QStringLiteral("/root/nullimage.jpg")), "JPG"));
    stock.fill(Qt::red);
    QVERIFY(stock.save(Paths::resolve(QStringLiteral("/root/nullimage_err.jpg")), "JPG"));
}

void TestVideoThumbs::cleanup()
{
    VideoThumbnailer::install(nullptr);
    m_root.reset();
}

QString TestVideoThumbs::writeVideo(const QString &name, const QByteArray &bytes)
{
    const QString path = QStringLiteral("/media/mmc/videoFile/") + name;
    if (!m_root->writeFile(path, bytes))
        return {};
    return m_root->hostPath(path);
}

// A complete recording of size bytes: a 28-byte first box, the video data
// ending in the encoder's eight bytes, side data, and its offset.
QByteArray TestVideoThumbs::recording(qint64 size)
{
    QByteArray bytes(int(size), '\0');
    memcpy(bytes.data(), "\x00\x00\x00\x1c" "ftypisom", 12);
    const qint64 p = size - 4 - 416;
    memcpy(bytes.data() + p - 8, "f52.31.0", 8);
    qToLittleEndian<quint32>(quint32(p), bytes.data() + size - 4);
    return bytes;
}

void TestVideoThumbs::checkVideoError_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("result");
    const QByteArray good = recording(2000);
    QTest::newRow("complete") << good << 0;
    QByteArray second = good;
    memcpy(second.data(), "\x00\x00\x00\x18" "ftyp", 8);
    QTest::newRow("ftyp in the second word") << second << 0;
    QByteArray noStart = good;
    memcpy(noStart.data(), "RIFF\x00\x00\x00\x00", 8);
    QTest::newRow("neither start") << noStart << -1;
    auto withOffset = [&](qint64 p) {
        QByteArray b = good;
        qToLittleEndian<quint32>(quint32(p), b.data() + b.size() - 4);
        return b;
    };
    QTest::newRow("offset past the end") << withOffset(5000) << -1;
    QTest::newRow("offset below 8") << withOffset(7) << -1;
    QTest::newRow("offset 0") << withOffset(0) << -1;
    QTest::newRow("offset as negative int") << withOffset(0xfffffff0u) << -1;
    QByteArray onlyF52 = good;
    memcpy(onlyF52.data() + 2000 - 4 - 416 - 8, "f52.xxxx", 8);
    QTest::newRow("f52. alone") << onlyF52 << 0;
    QByteArray only310 = good;
    memcpy(only310.data() + 2000 - 4 - 416 - 8, "xxxx31.0", 8);
    QTest::newRow("31.0 alone") << only310 << 0;
    QByteArray otherEnd = good;
    memcpy(otherEnd.data() + 2000 - 4 - 416 - 8, "moovmoov", 8);
    QTest::newRow("another end of the video data") << otherEnd << -1;
    QTest::newRow("empty") << QByteArray() << -1;
    QTest::newRow("three bytes") << QByteArray("\x00\x00\x00", 3) << -1;
}

void TestVideoThumbs::checkVideoError()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, result);
    QCOMPARE(ZVideoloadThread::checkVideoError(writeVideo(QStringLiteral("a.mp4"), bytes)), result);
}

void TestVideoThumbs::pictureBySize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("picture");   // "made", "short" or "damaged"
    QTest::newRow("102,400 bytes") << recording(102400) << "short";
    QTest::newRow("102,401 bytes") << recording(102401) << "made";
    QTest::newRow("damaged") << QByteArray(200000, 'x') << "damaged";
}

void TestVideoThumbs::pictureBySize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, picture);
    const QString video = writeVideo(QStringLiteral("181214_0001V.mp4"), bytes);
    ZVideoloadThread worker;
    QSignalSpy reports(&worker, &ZVideoloadThread::sendthumbimage);
    QVERIFY(worker.LoadImage(QStringLiteral("181214_0001V.mp4"), 3));
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).at(0).toInt(), 3);
    const QString thumb = ZVideoloadThread::thumbnailPath(QStringLiteral("181214_0001V.mp4"));
    QVERIFY(QFile::exists(thumb));
    QCOMPARE(m_thumbnailer->madeSoFar().size(), picture == QLatin1String("made") ? 1 : 0);
    if (picture == QLatin1String("short"))
        QCOMPARE(m_root->readFile(thumb.mid(m_root->root().size())), m_root->readFile(QStringLiteral("/root/nullimage.jpg")));
    if (picture == QLatin1String("damaged"))
        QCOMPARE(m_root->readFile(thumb.mid(m_root->root().size())), m_root->readFile(QStringLiteral("/root/nullimage_err.jpg")));
    Q_UNUSED(video);
}

void TestVideoThumbs::existingEntryIsNotMadeAgain()
{
    writeVideo(QStringLiteral("a.mp4"), recording(200000));
    ZVideoloadThread worker;
    QVERIFY(worker.LoadImage(QStringLiteral("a.mp4"), 0));
    QSignalSpy reports(&worker, &ZVideoloadThread::sendthumbimage);
    QVERIFY(!worker.LoadImage(QStringLiteral("a.mp4"), 0));
    QCOMPARE(reports.size(), 0);
    QCOMPARE(m_thumbnailer->madeSoFar().size(), 1);
    // A video gone before its turn: no picture, no report.
    QVERIFY(!worker.LoadImage(QStringLiteral("gone.mp4"), 1));
    QCOMPARE(reports.size(), 0);
}

void TestVideoThumbs::touchedVideoGetsANewName()
{
    const QString video = writeVideo(QStringLiteral("a.mp4"), recording(200000));
    const QString before = ZVideoloadThread::thumbnailName(QStringLiteral("a.mp4"));
    QCOMPARE(before.size(), 32);
    // A grown file (a longer recording under the same name) is a new entry.
    QFile file(video);
    QVERIFY(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    QVERIFY(ZVideoloadThread::thumbnailName(QStringLiteral("a.mp4")) != before);
}

void TestVideoThumbs::namesFollowTheCacheRule()
{
    const QString video = writeVideo(QStringLiteral("181214_0001V.mp4"), recording(5000));
    const QFileInfo info(video);
    QCOMPARE(ZVideoloadThread::thumbnailName(QStringLiteral("181214_0001V.mp4")),
             ThumbCache::digestName(QStringLiteral("/media/mmc/videoFile/181214_0001V.mp4"), ThumbCache::fileTime(info),
                                    info.size(), 0));
    QCOMPARE(ZVideoloadThread::thumbnailPath(QStringLiteral("181214_0001V.mp4")),
             Paths::resolve(QStringLiteral("/root/.videothumbnails/")
                            + ZVideoloadThread::thumbnailName(QStringLiteral("181214_0001V.mp4")) + QStringLiteral(".jpg")));
}

void TestVideoThumbs::stopRequestEndsTheRunBeforeTheNextVideo()
{
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        names << QStringLiteral("v%1.mp4").arg(i);
        writeVideo(names.last(), recording(200000 + i));
    }
    ZVideoloadThread worker;
    worker.setFiles(names);
    // Stop after the first report: at most the video in progress follows.
    connect(&worker, &ZVideoloadThread::sendthumbimage, &worker, [&worker] { worker.Idle(true); }, Qt::DirectConnection);
    worker.Idle(false);
    worker.start();
    QVERIFY(worker.wait(10000));
    QCOMPARE(m_thumbnailer->madeSoFar().size(), 1);
    // Started again, it makes the rest once each.
    worker.disconnect();
    QSignalSpy reports(&worker, &ZVideoloadThread::sendthumbimage);
    worker.Idle(false);
    worker.start();
    QVERIFY(worker.wait(10000));
    QCOMPARE(reports.size(), 4);
    QCOMPARE(m_thumbnailer->madeSoFar().size(), 5);
}

void TestVideoThumbs::waitFlagIsSetOnTheGuiThread()
{
    BoardView board;
    board.view->setWaitIrAdmode(false);
    writeVideo(QStringLiteral("a.mp4"), recording(200000));
    ZVideoloadThread worker;
    worker.setFiles({QStringLiteral("a.mp4")});
    worker.start();
    QVERIFY(worker.wait(10000));
    // Not written from the worker: it arrives through the event loop.
    QVERIFY(!board.view->getWaitIrAdmode());
    QTRY_VERIFY(board.view->getWaitIrAdmode());
}

QTEST_MAIN(TestVideoThumbs)
#include "tst_videothumbs.moc"
