// One second of a recording's side file: the parameter record built from
// the live view with all eight tools shown on the simulated board, and
// its write; the sync that puts it on the card is timed apart, since it is
// the card's time, not ours.
#include "livebench.h"
#include "qtbenchmain.h"

#include "efilemanager.h"
#include "videopipeinterface.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

int openSideFile(const Bench &b)
{
    const QByteArray path = QFile::encodeName(b.dir.filePath(QStringLiteral("tmp.avi")));
    return ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

} // namespace

static void BM_SideFileSecondEightTools(benchmark::State &state)
{
    LiveBench l;
    const int fd = openSideFile(l.b);
    if (fd < 0)
        state.SkipWithError("cannot make the side file");
    QByteArray record(VideoPipeInterface::RecordSize, '\0');
    int second = 0;
    for (auto _ : state) {
        EFileManager::video_addIRData(record.data(), record.size(), ++second);
        if (::write(fd, record.constData(), size_t(record.size())) != record.size())
            state.SkipWithError("write failed");
        if (second % 3600 == 0)
            ::ftruncate(fd, 0);
    }
    ::close(fd);
}
BENCHMARK(BM_SideFileSecondEightTools)->Unit(benchmark::kMicrosecond);

static void BM_SideFileSync(benchmark::State &state)
{
    Bench b;
    const int fd = openSideFile(b);
    if (fd < 0)
        state.SkipWithError("cannot make the side file");
    const QByteArray record(VideoPipeInterface::RecordSize, 'r');
    for (auto _ : state) {
        if (::write(fd, record.constData(), size_t(record.size())) != record.size())
            state.SkipWithError("write failed");
        ::fdatasync(fd);
    }
    ::close(fd);
}
BENCHMARK(BM_SideFileSync)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
