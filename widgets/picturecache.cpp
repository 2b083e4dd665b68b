#include "picturecache.h"

#include <QHash>

namespace {

struct Key
{
    QString path;
    int flags;
    bool operator==(const Key &other) const { return path == other.path && flags == other.flags; }
};

size_t qHash(const Key &key, size_t seed = 0)
{
    return ::qHash(key.path, seed) ^ size_t(key.flags);
}

QHash<Key, QImage> &cache()
{
    static QHash<Key, QImage> s_cache;
    return s_cache;
}

int s_loads = 0;

QString canonical(const QString &path)
{
    if (path.startsWith(QLatin1Char(':')) && !path.startsWith(QLatin1String(":/")))
        return QStringLiteral(":/") + path.mid(1);
    return path;
}

// Black and white as asked, but the transparent parts stay transparent
// instead of turning into a box.
QImage monochrome(const QImage &source, Qt::ImageConversionFlags flags)
{
    QImage mono = source.convertToFormat(QImage::Format_MonoLSB, flags).convertToFormat(QImage::Format_ARGB32);
    if (!source.hasAlphaChannel())
        return mono;
    const QImage alpha = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mono.height(); ++y) {
        for (int x = 0; x < mono.width(); ++x) {
            if (qAlpha(alpha.pixel(x, y)) < 128)
                mono.setPixel(x, y, qRgba(0, 0, 0, 0));
        }
    }
    return mono;
}

} // namespace

QImage PictureCache::image(const QString &path, Qt::ImageConversionFlags flags)
{
    const Key key{canonical(path), int(flags)};
    auto it = cache().constFind(key);
    if (it != cache().constEnd())
        return it.value();
    ++s_loads;
    QImage image(key.path);
    if (!image.isNull() && (flags & Qt::ColorMode_Mask) == Qt::MonoOnly)
        image = monochrome(image, flags);
    cache().insert(key, image);
    return image;
}

int PictureCache::loadCount()
{
    return s_loads;
}
