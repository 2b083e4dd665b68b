#include "ffmpegvideothumbnailer.h"

#include "atomicfile.h"

#include <QBuffer>
#include <QFile>
#include <QTime>

#include <libffmpegthumbnailer/videothumbnailerc.h>

QImage FfmpegVideoThumbnailer::decode(const QString &videoPath, int percent, const QString &seekTime, const QSize &size)
{
    video_thumbnailer *thumbnailer = video_thumbnailer_create();
    if (!thumbnailer)
        return {};
    image_data *data = video_thumbnailer_create_image_data();
    if (!data) {
        video_thumbnailer_destroy(thumbnailer);
        return {};
    }
    QByteArray time = seekTime.toLatin1();
    thumbnailer->seek_percentage = percent;
    thumbnailer->seek_time = seekTime.isEmpty() ? nullptr : time.data();
    thumbnailer->thumbnail_image_type = Rgb;
    thumbnailer->maintain_aspect_ratio = 0;
    video_thumbnailer_set_size(thumbnailer, size.width(), size.height());
    QImage image;
    const QByteArray path = QFile::encodeName(videoPath);
    if (video_thumbnailer_generate_thumbnail_to_buffer(thumbnailer, path.constData(), data) == 0
        && data->image_data_ptr && data->image_data_width > 0 && data->image_data_height > 0
        && qint64(data->image_data_size) >= qint64(data->image_data_width) * data->image_data_height * 3) {
        image = QImage(data->image_data_ptr, data->image_data_width, data->image_data_height,
                       data->image_data_width * 3, QImage::Format_RGB888)
                    .copy();
        if (image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    video_thumbnailer_destroy_image_data(data);
    video_thumbnailer_destroy(thumbnailer);
    return image;
}

bool FfmpegVideoThumbnailer::makeThumbnail(const QString &videoPath, const QString &jpegPath, const QSize &size)
{
    const QImage image = decode(videoPath, 10, QString(), size);
    if (image.isNull())
        return false;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "JPG"))
        return false;
    // A reader never sees half a picture: scratch file, then rename (over
    // the name itself, never through a link there). A cache: no sync.
    return AtomicFile::writeHost(jpegPath, jpeg, AtomicFile::Existing::Replace, AtomicFile::Durability::Cache);
}

QImage FfmpegVideoThumbnailer::frameAt(const QString &videoPath, int second, const QSize &size)
{
    const QString at = QTime(0, 0).addSecs(qMax(0, second)).toString(QStringLiteral("hh:mm:ss"));
    return decode(videoPath, 0, at, size);
}

// The entry the platform looks up when it loads this library.
extern "C" Q_DECL_EXPORT VideoThumbnailer *ostrel_create_video_thumbnailer()
{
    return new FfmpegVideoThumbnailer;
}
