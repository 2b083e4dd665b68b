// Saving a photo: the overlay composition into a photo the service has just
// written, file work included (read, write, fsync, rename, folder fsync).
#include "efilemanager.h"
#include "frozenphoto.h"
#include "paths.h"
#include "photocomposition.h"
#include "photolayout.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray jpegOf(const QImage &image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return out;
}

QByteArray boardPicture()
{
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 255) / 320, (y * 255) / 240, (x ^ y) & 0xFF));
    return jpegOf(image);
}

// Decode, draw the overlay, encode: what the composer does per photo.
QByteArray overlay(const QByteArray &jpeg)
{
    QImage image = QImage::fromData(jpeg, "JPEG").convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.drawRect(100, 80, 120, 80);
    painter.drawLine(160, 110, 160, 130);
    painter.drawLine(150, 120, 170, 120);
    painter.end();
    return jpegOf(image);
}

void BM_PhotoComposition(benchmark::State &state)
{
    QTemporaryDir dir;
    Paths::setRoot(dir.path());
    QDir().mkpath(dir.path() + QStringLiteral("/media/mmc/image"));
    const QString temporary = QStringLiteral("/media/mmc/image/.261210_0001T.part");
    const QString photo = QStringLiteral("/media/mmc/image/261210_0001T.jpg");
    const QByteArray service = FrozenPhoto::assemble(
        boardPicture(), QByteArray(PhotoLayout::TrailerRoom, '\0') + QByteArray(64, '\x5A'));
    PhotoComposition::Trailer trailer;
    trailer.header = EFileManager::buildFilePara(EFileManager::FileParaValues());
    trailer.irBlock = QByteArray(PhotoLayout::IrBlockSize, '\x11');
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(Paths::resolve(photo));
        QFile file(Paths::resolve(temporary));
        file.open(QIODevice::WriteOnly);
        file.write(service);
        file.close();
        state.ResumeTiming();
        if (PhotoComposition::complete(temporary, photo, trailer, overlay) != PhotoComposition::Done)
            state.SkipWithError("composition failed");
    }
    Paths::setRoot(QStringLiteral("/"));
}
BENCHMARK(BM_PhotoComposition)->Unit(benchmark::kMillisecond);

void BM_Split(benchmark::State &state)
{
    const QByteArray photo = FrozenPhoto::assemble(boardPicture(), QByteArray(150 * 1024, '\x5A'));
    for (auto _ : state)
        benchmark::DoNotOptimize(FrozenPhoto::split(photo));
}
BENCHMARK(BM_Split);

} // namespace
