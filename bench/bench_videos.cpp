// The video list: loading a list of cached videos (pictures decoded as
// their rows come into view), one tick of the grid painting 16 pictures
// while it eases, and one thumbnail made from a recording.
#include "ffmpegvideothumbnailer.h"
#include "paths.h"
#include "qtbenchmain.h"
#include "screendirectory.h"
#include "videothumbnailer.h"
#include "zvideoloadthread.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A thumbnailer that makes nothing: the bench's lists are all cached.
class NoThumbnailer : public VideoThumbnailer
{
public:
    bool makeThumbnail(const QString &, const QString &, const QSize &) override { return false; }
    QImage frameAt(const QString &, int, const QSize &) override { return {}; }
};

// A root with count videos and a cached picture of each.
struct CachedVideos
{
    QTemporaryDir dir;
    QStringList names;

    explicit CachedVideos(int count)
    {
        Paths::setRoot(dir.path());
        VideoThumbnailer::install(new NoThumbnailer);
        QDir().mkpath(Paths::resolve(QStringLiteral("/media/mmc/videoFile")));
        QDir().mkpath(Paths::resolve(QStringLiteral("/root/.videothumbnails")));
        QImage picture(72, 54, QImage::Format_RGB32);
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("181214_%1V.mp4").arg(count - i, 4, 10, QLatin1Char('0'));
            QFile video(ZVideoloadThread::videoPath(name));
            video.open(QIODevice::WriteOnly);
            video.write(QByteArray(64, 'v'));
            video.close();
            picture.fill(QColor::fromHsv(i % 360, 200, 200));
            picture.save(ZVideoloadThread::thumbnailPath(name), "JPG");
            names << name;
        }
    }
    ~CachedVideos()
    {
        VideoThumbnailer::install(nullptr);
        Paths::setRoot(QStringLiteral("/"));
    }
};

void BM_LoadCachedList(benchmark::State &state)
{
    CachedVideos videos(int(state.range(0)));
    QImage target(320, 240, QImage::Format_RGB32);
    for (auto _ : state) {
        ScreenDirectory screen;
        screen.onSetFiles(videos.names, QString());
        QPainter painter(&target);
        screen.onPaint(painter);   // the first screen's pictures decoded
        painter.end();
        screen.worker()->Idle(true);
        state.PauseTiming();
        screen.worker()->wait();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadCachedList)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_EasingTick16(benchmark::State &state)
{
    CachedVideos videos(40);
    ScreenDirectory screen;
    screen.onSetFiles(videos.names, QString());
    screen.worker()->wait();
    QImage target(320, 240, QImage::Format_RGB32);
    {
        QPainter warm(&target);
        screen.onPaint(warm);   // decoded once, as after the first screen
    }
    int step = 0;
    for (auto _ : state) {
        // Easing between two rows: 16 pictures in view on every tick.
        if (screen.shownOffset() == screen.targetOffset())
            screen.setOffsets(screen.shownOffset(), (++step % 2) ? 100 : 0);
        screen.onTimer();
        QPainter painter(&target);
        painter.fillRect(target.rect(), Qt::white);
        screen.onPaint(painter);
    }
}
BENCHMARK(BM_EasingTick16)->Unit(benchmark::kMicrosecond);

void BM_MakeThumbnail(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString video = dir.filePath(QStringLiteral("181214_0001V.mp4"));
    QProcess encoder;
    encoder.start(QStringLiteral(ENCODER_SIM_BINARY), {QStringLiteral("--make-recording"), video, QStringLiteral("10")});
    if (!encoder.waitForFinished(60000) || encoder.exitCode() != 0 || !QFile::exists(video)) {
        state.SkipWithError("encoder-sim made no recording");
        return;
    }
    FfmpegVideoThumbnailer thumbnailer;
    const QString jpeg = dir.filePath(QStringLiteral("t.jpg"));
    for (auto _ : state) {
        // Told with the timer running, and the run goes on to the next
        // benchmark: pausing after an error ends the whole program.
        if (!thumbnailer.makeThumbnail(video, jpeg, QSize(72, 54))) {
            state.SkipWithError("no thumbnail");
            break;
        }
        state.PauseTiming();
        QFile::remove(jpeg);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MakeThumbnail)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
