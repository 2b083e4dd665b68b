#include "thumbcache.h"

#include "nativename.h"
#include "paths.h"

#include <QCryptographicHash>

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

QString ThumbCache::photoName(const QFileInfo &photo)
{
    const QString absolute = photo.absoluteFilePath();
    if (NativeName::hasRawBytes(absolute)) {
        // A name that is not UTF-8: its own bytes are the key, and its time
        // and size come from the file under those bytes.
        const QByteArray bytes = NativeName::encode(absolute);
        struct stat info {};
        if (::stat(bytes.constData(), &info) != 0)
            return digestName(QString::fromLatin1(bytes), QDateTime(), 0, 4);
        return digestName(QString::fromLatin1(bytes), QDateTime::fromSecsSinceEpoch(info.st_ctim.tv_sec), info.st_size, 4);
    }
    QByteArray path = absolute.toLatin1();
    const int nul = path.indexOf('\0');
    if (nul >= 0)
        path.truncate(nul);
    return digestName(QString::fromLatin1(path), photo, 4);
}

QString ThumbCache::photoThumbPath(const QFileInfo &photo)
{
    return Paths::resolve(QLatin1String(PhotoFolder) + photoName(photo) + QStringLiteral(".jpg"));
}
