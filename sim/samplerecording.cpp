#include "samplerecording.h"

#include "recordformat.h"
#include "encoderlink.h"
#include "mp4writer.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {
constexpr int ScreenWidth = 320;
constexpr int ScreenHeight = 240;
} // namespace

QPoint SampleRecording::discCentre(int index, int frames)
{
    // Left to right along the middle, a little up and down.
    const int span = qMax(1, frames - 1);
    const int x = 40 + (ScreenWidth - 80) * qMin(index, span) / span;
    const int y = ScreenHeight / 2 + ((index / 5) % 2 ? 10 : -10);
    return {x, y};
}

float SampleRecording::discTemperature(int second)
{
    return 36.0f + float(second % 10) * 0.5f;
}

QImage SampleRecording::frame(int index, int frames)
{
    QImage image(EncoderLink::FrameWidth, EncoderLink::FrameHeight, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient ground(0, 0, 0, image.height());
    ground.setColorAt(0.0, QColor(20, 0, 60));
    ground.setColorAt(0.6, QColor(110, 0, 120));
    ground.setColorAt(1.0, QColor(200, 60, 40));
    p.fillRect(image.rect(), ground);
    const double sx = double(image.width()) / ScreenWidth;
    const double sy = double(image.height()) / ScreenHeight;
    const QPoint c = discCentre(index, frames);
    const QPointF centre(c.x() * sx, c.y() * sy);
    QRadialGradient warm(centre, 60 * sx);
    warm.setColorAt(0.0, QColor(255, 255, 220));
    warm.setColorAt(0.4, QColor(255, 200, 0));
    warm.setColorAt(1.0, QColor(255, 80, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(warm);
    p.drawEllipse(centre, 60 * sx, 60 * sy);
    return image;
}

QByteArray SampleRecording::sideData(int seconds)
{
    RecordFormat::FileParaValues header;
    header.year = 2026;
    header.month = 1;
    header.day = 1;
    QByteArray side = RecordFormat::videoSideFileStart(RecordFormat::buildFilePara(header), 0);
    const int frames = seconds * Mp4Writer::FramesPerSecond;
    for (int second = 0; second < seconds; ++second) {
        RecordFormat::ImageParaValues record;
        record.second = second;
        record.level = 30;
        record.span = 20;
        record.maxTemp = discTemperature(second);
        record.minTemp = 20;
        RecordFormat::Spot &spot = record.spots[0];
        spot.exists = spot.shown = true;
        const QPoint c = discCentre(second * Mp4Writer::FramesPerSecond, frames);
        spot.x = c.x();
        spot.y = c.y();
        spot.reading.status = "OK";
        spot.reading.temp = discTemperature(second);
        spot.reading.ad = uint16_t(8000 + second);
        side += RecordFormat::buildImagePara(record);
    }
    return side;
}

bool SampleRecording::write(const QString &hostPath, int seconds, QString *error)
{
    if (seconds < 1 || seconds > MaxSeconds) {
        *error = QStringLiteral("SECONDS must lie in 1..%1").arg(int(MaxSeconds));
        return false;
    }
    const QString temporary = hostPath + QLatin1String(".enc");
    Mp4Writer writer;
    bool ok = writer.open(temporary, EncoderLink::FrameWidth, EncoderLink::FrameHeight);
    const int frames = seconds * Mp4Writer::FramesPerSecond;
    for (int i = 0; ok && i < frames; ++i)
        ok = writer.write(frame(i, frames), i);
    ok = ok && writer.finish();
    if (!ok) {
        *error = writer.errorString();
    } else if (!Mp4Writer::completeRecording(temporary, sideData(seconds), hostPath)) {
        *error = QStringLiteral("cannot complete %1").arg(hostPath);
        ok = false;
    }
    if (!ok)
        QFile::remove(temporary);
    return ok;
}
