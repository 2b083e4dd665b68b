#include "thumbcache.h"

#include "paths.h"

#include <QCryptographicHash>

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
    QByteArray path = photo.absoluteFilePath().toLatin1();
    const int nul = path.indexOf('\0');
    if (nul >= 0)
        path.truncate(nul);
    return digestName(QString::fromLatin1(path), photo, 4);
}

QString ThumbCache::photoThumbPath(const QFileInfo &photo)
{
    return Paths::resolve(QLatin1String(PhotoFolder)) + photoName(photo) + QStringLiteral(".jpg");
}
