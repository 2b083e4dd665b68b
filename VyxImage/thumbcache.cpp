#include "thumbcache.h"

#include "nativename.h"
#include "paths.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMutex>

#include <atomic>
#include <sys/stat.h>

QDateTime ThumbCache::fileTime(const QFileInfo &file)
{
    const QDateTime t = file.metadataChangeTime().toLocalTime();
    // Whole seconds, as the device's file times come: a name must not
    // change with a finer clock.
    return t.isValid() ? t.addMSecs(-t.time().msec()) : t;
}

QString ThumbCache::digestName(const QString &key, const QFileInfo &file, int sizeWidth)
{
    return digestName(key, fileTime(file), file.size(), sizeWidth);
}

QString ThumbCache::digestName(const QString &key, const QDateTime &t, qint64 fileSize, int sizeWidth)
{
    const QDate d = t.date();
    const QTime h = t.time();
    const int size = int(quint32(quint64(fileSize) & 0xFFFFFFFFu));
    const QString stamp = QString::asprintf("%04d-%02d-%02d-%02d-%02d-%02d-%0*d", d.year(), d.month(), d.day(), h.hour(),
                                            h.minute(), h.msec(), sizeWidth, size);
    return QString::fromLatin1(QCryptographicHash::hash((key + stamp).toLatin1(), QCryptographicHash::Md5).toHex());
}

namespace {

// What a photo's name was last made of. Opening the browser names every
// photo on the card: a file whose path, identity, size and times are all
// unchanged since keeps its name without the time conversion and the MD5.
struct KnownPhoto
{
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;
    timespec changed;
    QString name;
};

bool sameTime(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool unchanged(const KnownPhoto &known, const struct stat &info)
{
    return known.device == info.st_dev && known.inode == info.st_ino && known.size == info.st_size
           && sameTime(known.modified, info.st_mtim) && sameTime(known.changed, info.st_ctim);
}

// Bounded: a card's worth of photos, then it starts afresh.
constexpr qsizetype KnownLimit = 65536;

QMutex knownLock;
std::atomic<quint64> workedOut{0};
QHash<QString, KnownPhoto> &knownPhotos()
{
    static QHash<QString, KnownPhoto> known;
    return known;
}

} // namespace

QString ThumbCache::photoName(const QFileInfo &photo)
{
    return photoName(photo.absoluteFilePath());
}

QString ThumbCache::photoName(const QString &absolute)
{
    const QByteArray bytes = NativeName::encode(absolute);
    // A name that is not UTF-8 has its own bytes as the key; any other the
    // path through 8-bit text (a NUL ends it).
    QString key;
    if (NativeName::hasRawBytes(absolute)) {
        key = QString::fromLatin1(bytes);
    } else {
        QByteArray path = absolute.toLatin1();
        const int nul = path.indexOf('\0');
        if (nul >= 0)
            path.truncate(nul);
        key = QString::fromLatin1(path);
    }
    // The time and size come from the file under the name's own bytes.
    struct stat info {};
    if (::stat(bytes.constData(), &info) != 0)
        return digestName(key, QDateTime(), 0, 4);
    {
        const QMutexLocker lock(&knownLock);
        const auto found = knownPhotos().constFind(absolute);
        if (found != knownPhotos().cend() && unchanged(*found, info))
            return found->name;
    }
    const QString name = digestName(key, QDateTime::fromSecsSinceEpoch(info.st_ctim.tv_sec), info.st_size, 4);
    workedOut.fetch_add(1, std::memory_order_relaxed);
    const QMutexLocker lock(&knownLock);
    if (knownPhotos().size() >= KnownLimit)
        knownPhotos().clear();
    knownPhotos().insert(absolute, KnownPhoto{info.st_dev, info.st_ino, info.st_size, info.st_mtim, info.st_ctim, name});
    return name;
}

quint64 ThumbCache::photoNamesWorkedOut()
{
    return workedOut.load();
}

QString ThumbCache::photoThumbPath(const QFileInfo &photo)
{
    return photoThumbPath(photo.absoluteFilePath());
}

QString ThumbCache::photoThumbPath(const QString &absolutePath)
{
    return Paths::resolve(QLatin1String(PhotoFolder) + photoName(absolutePath) + QStringLiteral(".jpg"));
}
