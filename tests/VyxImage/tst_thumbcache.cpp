// The thumbnail cache: one naming rule for the thread, the tiles and the
// video thumbnails, and the thread that fills the cache.
#include "paths.h"
#include "photofixture.h"
#include "testroot.h"
#include "thumbcache.h"
#include "thumbthread.h"
#include "thumitem.h"

#include <QCryptographicHash>
#include <QtTest>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

class TstThumbCache : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void namesByTheRule_data();
    void namesByTheRule();
    void photoNameFromTheFile();
    void nonAsciiPathIsStable();
    void threadAndTileAgree();
    void tileShowsTheThreadsThumbnailOfANonAsciiPath();
    void threadWritesMissingThumbnails();
    void existingThumbnailIsNeverRewritten();
    void changedPhotoGetsANewThumbnail();
    void tileRereadsAThumbnailWrittenAnew();
    void emptyListAndGonePhotos();
    void stopAfterPhotoFiveOfTwenty();
    void scratchOfCutWritesGoes_data();
    void scratchOfCutWritesGoes();

private:
    QList<QFileInfo> writePhotos(int n);

private:
    std::unique_ptr<TestRoot> m_root;
};

void TstThumbCache::init()
{
    m_root = std::make_unique<TestRoot>();
}

void TstThumbCache::cleanup()
{
    m_root.reset();
}

namespace {
QString md5(const QByteArray &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex());
}
const QString Key = QStringLiteral("/media/mmc/image/181214_0001T.jpg");
} // namespace

void TstThumbCache::namesByTheRule_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("name");
    const QDateTime t(QDate(2018, 12, 14), QTime(10, 23, 0));
    QTest::newRow("worked example") << Key << t << qint64(1000) << 4 << md5(Key.toLatin1() + "2018-12-14-10-23-00-1000");
    QTest::newRow("seconds left out") << Key << t.addSecs(59) << qint64(1000) << 4 << md5(Key.toLatin1() + "2018-12-14-10-23-00-1000");
    QTest::newRow("next minute") << Key << t.addSecs(60) << qint64(1000) << 4 << md5(Key.toLatin1() + "2018-12-14-10-24-00-1000");
    QTest::newRow("small size padded") << Key << t << qint64(7) << 4 << md5(Key.toLatin1() + "2018-12-14-10-23-00-0007");
    QTest::newRow("video size unpadded") << Key << t << qint64(7) << 0 << md5(Key.toLatin1() + "2018-12-14-10-23-00-7");
    QTest::newRow("size past 2 GiB is signed") << Key << t << qint64(0x80000000LL) << 4
                                               << md5(Key.toLatin1() + "2018-12-14-10-23-00--2147483648");
    QTest::newRow("size past 4 GiB, low bits") << Key << t << qint64(0x100000005LL) << 4
                                               << md5(Key.toLatin1() + "2018-12-14-10-23-00-0005");
}

void TstThumbCache::namesByTheRule()
{
    QFETCH(QString, key);
    QFETCH(QDateTime, time);
    QFETCH(qint64, size);
    QFETCH(int, width);
    QFETCH(QString, name);
    QCOMPARE(ThumbCache::digestName(key, time, size, width), name);
}

void TstThumbCache::photoNameFromTheFile()
{
    const QString a = QStringLiteral("/media/mmc/image/181214_0001T.jpg");
    const QString b = QStringLiteral("/media/mmc/image/181214_0002T.jpg");
    QVERIFY(m_root->writeFile(a, QByteArray(1000, 'x')));
    QVERIFY(m_root->writeFile(b, QByteArray(1000, 'x')));
    const QFileInfo fa(m_root->hostPath(a));
    const QFileInfo fb(m_root->hostPath(b));
    const QDateTime t = fa.metadataChangeTime().toLocalTime();
    const QString expected = md5(fa.absoluteFilePath().toLatin1()
                                 + QString::asprintf("%04d-%02d-%02d-%02d-%02d-00-1000", t.date().year(), t.date().month(),
                                                     t.date().day(), t.time().hour(), t.time().minute())
                                       .toLatin1());
    QCOMPARE(ThumbCache::photoName(fa), expected);
    QCOMPARE(ThumbCache::photoThumbPath(fa),
             Paths::resolve(QStringLiteral("/root/.imagethumbnailer/") + expected + QStringLiteral(".jpg")));
    QCOMPARE(ThumbCache::fileTime(fa).time().msec(), 0);
    // Same minute and size, another name: another thumbnail.
    QVERIFY(ThumbCache::photoName(fa) != ThumbCache::photoName(fb));
    // A note appended changes the size and so the name.
    QVERIFY(m_root->writeFile(a, QByteArray(1500, 'x')));
    QVERIFY(ThumbCache::photoName(QFileInfo(m_root->hostPath(a))) != expected);
}

void TstThumbCache::nonAsciiPathIsStable()
{
    const QString path = QStringLiteral("/media/mmc/image/s\u00fcd/\u6e29\u5ea6_0001T.jpg");
    QVERIFY(m_root->writeFile(path, QByteArray(10, 'x')));
    const QFileInfo one(m_root->hostPath(path));
    const QFileInfo two(QFileInfo(m_root->hostPath(path)).absoluteFilePath());
    QCOMPARE(ThumbCache::photoName(one), ThumbCache::photoName(two));
    // Characters the 8-bit text cannot hold become '?', as the rule says.
    const QDateTime t = ThumbCache::fileTime(one);
    QCOMPARE(ThumbCache::photoName(one),
             ThumbCache::digestName(one.absoluteFilePath().replace(QChar(0x6e29), QLatin1Char('?')).replace(QChar(0x5ea6), QLatin1Char('?')),
                                    t, 10, 4));
}

QList<QFileInfo> TstThumbCache::writePhotos(int n)
{
    QList<QFileInfo> out;
    const QByteArray bytes = PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(40, 160, 90)));
    for (int i = 0; i < n; ++i) {
        const QString path = QStringLiteral("/media/mmc/image/181214_%1T.jpg").arg(i + 1, 4, 10, QLatin1Char('0'));
        m_root->writeFile(path, bytes);
        out.append(QFileInfo(m_root->hostPath(path)));
    }
    return out;
}

void TstThumbCache::threadAndTileAgree()
{
    const QList<QFileInfo> photos = writePhotos(3);
    ThumbThread thread;
    thread.loadThumbs_p(photos);
    QCOMPARE(thread.count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(thread.getThumbsMd5(i), ThumItem::getThumbsMd5(photos.at(i)));
        QCOMPARE(thread.getThumbsMd5(i).size(), 32);
    }
    // The thread's own scan finds the same photos.
    thread.loadThumbs();
    QCOMPARE(thread.count(), 3);
}

void TstThumbCache::tileShowsTheThreadsThumbnailOfANonAsciiPath()
{
    // Written by the thread under its name, found by the tile under its own.
    const QString path = QStringLiteral("/media/mmc/image/s\u00fcd-\u6e29\u5ea6/181214_0001T.jpg");
    QVERIFY(m_root->writeFile(path, PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(40, 160, 90)))));
    const QFileInfo photo(m_root->hostPath(path));
    ThumbThread thread;
    thread.loadThumbs_p({photo});
    thread.start();
    QVERIFY(thread.wait(20000));
    ThumItem tile;
    tile.loadThumbnails(QFileInfo(photo.absoluteFilePath()));
    QVERIFY(!tile.showsPlaceholder());
    QVERIFY(!tile.retryTimer()->isActive());
    QCOMPARE(QImage(tile.thumbnailPath()).size(), QSize(100, 75));
}

void TstThumbCache::threadWritesMissingThumbnails()
{
    const QList<QFileInfo> photos = writePhotos(4);
    ThumbThread thread;
    QVERIFY(QFileInfo(Paths::resolve(QStringLiteral("/root/.imagethumbnailer/"))).isDir());
    thread.loadThumbs_p(photos);
    thread.start();
    QVERIFY(thread.wait(20000));
    for (const QFileInfo &photo : photos) {
        const QImage thumb(ThumbCache::photoThumbPath(photo));
        QCOMPARE(thumb.size(), QSize(100, 75));
        QVERIFY(!QFile::exists(ThumbCache::photoThumbPath(photo) + QStringLiteral(".part")));
    }
    const QStringList left = QDir(Paths::resolve(QStringLiteral("/root/.imagethumbnailer/"))).entryList(QDir::Files);
    QCOMPARE(left.size(), 4);
}

void TstThumbCache::existingThumbnailIsNeverRewritten()
{
    const QList<QFileInfo> photos = writePhotos(2);
    QVERIFY(QDir().mkpath(Paths::resolve(QStringLiteral("/root/.imagethumbnailer/"))));
    QFile broken(ThumbCache::photoThumbPath(photos.at(0)));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.close();
    ThumbThread thread;
    thread.loadThumbs_p(photos);
    thread.start();
    QVERIFY(thread.wait(20000));
    QCOMPARE(QFileInfo(ThumbCache::photoThumbPath(photos.at(0))).size(), 0);
    QVERIFY(QFileInfo(ThumbCache::photoThumbPath(photos.at(1))).size() > 0);
    // Nor is a picture written over one that appears meanwhile.
    QVERIFY(!ThumbThread::makeThumbnail(photos.at(1), ThumbCache::photoThumbPath(photos.at(0))));
    QCOMPARE(QFileInfo(ThumbCache::photoThumbPath(photos.at(0))).size(), 0);
}

// Each opening of the browser names every photo again: an unchanged photo
// keeps the name worked out before, a changed one is looked at afresh.
void TstThumbCache::changedPhotoGetsANewThumbnail()
{
    const QList<QFileInfo> photos = writePhotos(3);
    const auto openBrowser = [&photos] {
        ThumbThread thread;
        thread.loadThumbs_p(photos);
        thread.start();
        return thread.wait(20000);
    };
    QVERIFY(openBrowser());
    QStringList names;
    for (const QFileInfo &photo : photos)
        names.append(ThumbCache::photoName(QFileInfo(photo.absoluteFilePath())));
    const quint64 before = ThumbCache::photoNamesWorkedOut();
    QVERIFY(openBrowser());
    QCOMPARE(ThumbCache::photoNamesWorkedOut(), before);

    // Photo 0 gets a note (new contents, longer) and a new time; photo 1
    // new contents of the same size and a new time; photo 2 stays.
    const QString first = QStringLiteral("/media/mmc/image/181214_0001T.jpg");
    const QString second = QStringLiteral("/media/mmc/image/181214_0002T.jpg");
    QCOMPARE(m_root->hostPath(first), photos.at(0).absoluteFilePath());
    QVERIFY(m_root->writeFile(first, PhotoFixture::withNote(m_root->readFile(first), PhotoLayout::TextNote, "a note")));
    QByteArray sameSize = PhotoFixture::serviceFile(PhotoFixture::jpeg(QColor(10, 200, 10), QSize(64, 48)));
    sameSize.resize(m_root->readFile(second).size(), '\0');
    QVERIFY(m_root->writeFile(second, sameSize));
    const timespec later[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + 3600, 0}};
    for (const QString &changed : {first, second})
        QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(m_root->hostPath(changed)).constData(), later, 0) == 0);

    QVERIFY(openBrowser());
    QCOMPARE(ThumbCache::photoNamesWorkedOut(), before + 2);
    const QFileInfo noted(m_root->hostPath(first));
    QVERIFY(ThumbCache::photoName(noted) != names.at(0));
    QCOMPARE(ThumbCache::photoName(QFileInfo(photos.at(2).absoluteFilePath())), names.at(2));
    // The new thumbnail is made and the tile shows it.
    QCOMPARE(QImage(ThumbCache::photoThumbPath(noted)).size(), QSize(100, 75));
    ThumItem tile;
    tile.loadThumbnails(noted);
    QVERIFY(!tile.showsPlaceholder());
    QCOMPARE(tile.thumbnailPath(), ThumbCache::photoThumbPath(noted));
    QVERIFY(tile.hasTextNote());
}

// Tiles keep the thumbnails of pages seen before in memory; a thumbnail
// file written anew under the same name (the cache emptied and filled
// again) is read again.
void TstThumbCache::tileRereadsAThumbnailWrittenAnew()
{
    const QList<QFileInfo> photos = writePhotos(1);
    const QString thumb = ThumbCache::photoThumbPath(photos.at(0));
    const auto writeThumb = [&](const QColor &colour, qint64 secondsAgo) {
        QImage picture(100, 75, QImage::Format_RGB32);
        picture.fill(colour);
        const timespec when[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - secondsAgo, 0}};
        return picture.save(thumb, "JPEG", 95) && ::utimensat(AT_FDCWD, QFile::encodeName(thumb).constData(), when, 0) == 0;
    };
    const auto shownColour = [&photos] {
        ThumItem tile;
        tile.resize(100, 75);
        tile.loadThumbnails(photos.at(0));
        return tile.grab().toImage().pixelColor(50, 37);
    };
    QVERIFY(QDir().mkpath(QFileInfo(thumb).absolutePath()));
    QVERIFY(writeThumb(Qt::red, 7200));
    QVERIFY(shownColour().red() > 200);
    QVERIFY(QFile::remove(thumb));
    QVERIFY(writeThumb(Qt::blue, 3600));
    QVERIFY(shownColour().blue() > 200);
}

void TstThumbCache::emptyListAndGonePhotos()
{
    ThumbThread empty;
    empty.loadThumbs_p({});
    empty.start();
    QVERIFY(empty.wait(5000));

    const QList<QFileInfo> photos = writePhotos(3);
    QVERIFY(QFile::remove(photos.at(1).absoluteFilePath()));
    // Not a picture at all: no thumbnail, no leftover.
    QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/image/181214_0003T.jpg"), "not a picture"));
    ThumbThread thread;
    thread.loadThumbs_p(photos);
    thread.start();
    QVERIFY(thread.wait(20000));
    QVERIFY(QFile::exists(ThumbCache::photoThumbPath(photos.at(0))));
    QCOMPARE(QDir(Paths::resolve(QStringLiteral("/root/.imagethumbnailer/"))).entryList(QDir::Files).size(), 1);
}

void TstThumbCache::stopAfterPhotoFiveOfTwenty()
{
    const QList<QFileInfo> photos = writePhotos(20);
    ThumbThread thread;
    thread.loadThumbs_p(photos);
    // The browser's stop arrives while photo 5 is in hand: the hook runs
    // on the thread once that photo is done, before the stop is looked at.
    thread.setAfterPhoto([&thread](int i) {
        if (i == 4)
            thread.requestStop();
    });
    thread.start();
    QVERIFY(thread.wait(20000));
    for (int i = 0; i < 20; ++i)
        QCOMPARE(QFile::exists(ThumbCache::photoThumbPath(photos.at(i))), i <= 4);
    // A new list clears the request.
    thread.loadThumbs_p(photos);
    QVERIFY(!thread.stopRequested());
}

// A thumbnail write a kill cut short leaves its scratch in the cache; the
// thread's first run removes exactly those.
void TstThumbCache::scratchOfCutWritesGoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    const QString thumb = md5("photo") + QStringLiteral(".jpg");
    QTest::newRow("scratch") << thumb + QStringLiteral(".AbCdEf") << true;
    QTest::newRow("an earlier version's") << thumb + QStringLiteral(".part") << true;
    QTest::newRow("a thumbnail") << thumb << false;
    QTest::newRow("a word") << thumb + QStringLiteral(".backup") << false;
    QTest::newRow("no thumbnail's") << QStringLiteral("notes.txt.AbCdEf") << false;
}

void TstThumbCache::scratchOfCutWritesGoes()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    const QString folder = QStringLiteral("/root/.imagethumbnailer/");
    QVERIFY(m_root->writeFile(folder + name, "x"));
    QCOMPARE(ThumbThread::removeStaleScratch(), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(m_root->hostPath(folder + name)), !removed);
}

QTEST_MAIN(TstThumbCache)
#include "tst_thumbcache.moc"
