#include "qtbenchmain.h"

#include "commandrunner.h"
#include "filenamesystem.h"
#include "paths.h"
#include "recordingcommandrunner.h"
#include "saveimage.h"
#include "sdcard.h"
#include "simcardslot.h"
#include "simulatedclock.h"
#include "systemclock.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <fcntl.h>
#include <unistd.h>

// What start-up does with the card, over a card of n photos taken on 30
// days (today among them) with a thumbnail each, and 100 videos: the save
// thread's start, the card watcher's start (with its thumbnail cache check)
// until it is stopped again, and the file-name generator's scan. The real
// time holds the waits for the threads and the file systems' flush.
namespace {

struct CardRoot
{
    explicit CardRoot(int photos)
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Paths::setRoot(dir.path());
        QDir::setCurrent(dir.path());
        CommandRunner::install(new RecordingCommandRunner);
        auto *clock = new SimulatedClock;
        clock->setSystemTime(QDateTime(QDate(2026, 3, 15), QTime(12, 0)));
        SystemClock::install(clock);
        QDir root(dir.path());
        for (const char *folder : {"tmp", "dev", "media/mmc/image", "media/mmc/videoFile", "root/.imagethumbnailer", "Parameter", "etc"})
            root.mkpath(QString::fromLatin1(folder));
        const QByteArray image = QFile::encodeName(dir.path() + QStringLiteral("/media/mmc/image/"));
        const QByteArray thumbs = QFile::encodeName(dir.path() + QStringLiteral("/root/.imagethumbnailer/"));
        const QByteArray videos = QFile::encodeName(dir.path() + QStringLiteral("/media/mmc/videoFile/"));
        for (int i = 0; i < photos; ++i) {
            const int day = 1 + i % 30;
            touch(image + QString::asprintf("2603%02d_%04d%c.jpg", day, i / 30, "TPM"[i % 3]).toLatin1());
            touch(thumbs + QString::asprintf("%032x.jpg", unsigned(i) * 2654435761u).toLatin1());
        }
        for (int i = 0; i < 100; ++i)
            touch(videos + QString::asprintf("2603%02d_%04dV.mp4", 1 + i % 30, i / 30).toLatin1());
        slot.open();
    }
    ~CardRoot()
    {
        slot.close();
        CommandRunner::install(nullptr);
        SystemClock::install(nullptr);
    }
    static void touch(const QByteArray &path)
    {
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }

    QTemporaryDir dir;
    SimCardSlot slot;
};

// One card at a time, kept while the benchmarks of its size run.
CardRoot &cardOf(int photos)
{
    static std::unique_ptr<CardRoot> card;
    static int size = -1;
    if (!card || size != photos) {
        card.reset();
        card = std::make_unique<CardRoot>(photos);
        size = photos;
    }
    return *card;
}

// The objects print a line or two each; not among the figures.
struct QuietStdout
{
    QuietStdout()
    {
        std::fflush(stdout);
        ::dup2(quiet, STDOUT_FILENO);
    }
    ~QuietStdout()
    {
        std::fflush(stdout);
        ::dup2(shown, STDOUT_FILENO);
        ::close(shown);
        ::close(quiet);
    }
    const int shown = ::dup(STDOUT_FILENO);
    const int quiet = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
};

} // namespace

static void startUpWithCard(benchmark::State &state)
{
    cardOf(int(state.range(0)));
    QuietStdout quiet;
    for (auto _ : state) {
        SaveImage save;
        save.start();
        SDCard watcher;
        watcher.start();
        FilenameSystem names;
        benchmark::DoNotOptimize(names.GetPhotoId());
        watcher.stop();
        save.stop();
    }
}

// The CPU time of every thread of the process: all the work done.
static void BM_CardAtStartUp(benchmark::State &state)
{
    startUpWithCard(state);
}

// The CPU time of the calling thread alone: what delays the live view.
static void BM_CardAtStartUpGuiThread(benchmark::State &state)
{
    startUpWithCard(state);
}

// Its parts one by one.
static void BM_SaveThreadStart(benchmark::State &state)
{
    cardOf(int(state.range(0)));
    QuietStdout quiet;
    for (auto _ : state) {
        SaveImage save;
        save.start();
        save.stop();
    }
}

static void BM_CardWatcherStart(benchmark::State &state)
{
    cardOf(int(state.range(0)));
    QuietStdout quiet;
    for (auto _ : state) {
        SDCard watcher;
        watcher.start();
        watcher.stop();
    }
}

static void BM_FileNumbers(benchmark::State &state)
{
    cardOf(int(state.range(0)));
    for (auto _ : state) {
        FilenameSystem names;
        benchmark::DoNotOptimize(names.GetPhotoId());
    }
}

#define CARD_SIZES Arg(0)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()
BENCHMARK(BM_CardAtStartUp)->CARD_SIZES;
BENCHMARK(BM_CardAtStartUpGuiThread)->Arg(0)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveThreadStart)->CARD_SIZES;
BENCHMARK(BM_CardWatcherStart)->CARD_SIZES;
BENCHMARK(BM_FileNumbers)->CARD_SIZES;

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
