#include "benchboard.h"
#include "qtbenchmain.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "espotwidget.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

// The live view over the counted simulated board with the isotherm on.
struct LevelSpanBench
{
    LevelSpanBench()
    {
        EGlobal::setFPGA(b.front.get());
        switchIsothermOn(*b.front);
        view = std::make_unique<EGraphicsView>();
    }
    ~LevelSpanBench()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
    }
    Bench b;
    std::unique_ptr<EGraphicsView> view;
};

} // namespace

// One automatic step as the 100 ms refresh runs it: histogram mode,
// smoothed, both labels rewritten.
static void BM_AutoStepHistogram(benchmark::State &state)
{
    LevelSpanBench l;
    l.view->setLevelSpanMode(MODE_HISTOGRAM);
    const long before = l.b.counted->accesses;
    for (auto _ : state)
        l.view->autoLevelSpanHandler();
    state.counters["accesses/step"] = double(l.b.counted->accesses - before) / double(state.iterations());
}
BENCHMARK(BM_AutoStepHistogram)->Unit(benchmark::kMicrosecond);

// One manual preview step as a held arrow makes it every 200 ms: limits to
// the board, the 256-entry preview and the 128-row bar repainted, markers
// placed; the settings write waits for the arrow to rest.
static void BM_ManualPreviewStep(benchmark::State &state)
{
    LevelSpanBench l;
    l.view->setLevelSpanMode(MODE_MANUAL);
    bool up = true;
    for (auto _ : state) {
        l.view->setMinMaxTempValue(10.0f, up ? 60.0f : 59.5f);
        up = !up;
    }
}
BENCHMARK(BM_ManualPreviewStep)->Unit(benchmark::kMicrosecond);

// The video folder scan and its newest-first order over n names.
static void BM_ScanVideoDir(benchmark::State &state)
{
    LevelSpanBench l;
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    QDir().mkpath(folder);
    for (int i = 0; i < state.range(0); ++i) {
        QFile file(folder + QString::asprintf("/%02d%02d%02d_%04dV.mp4", 18 + i % 3, 1 + i % 12, 1 + i % 28, i % 10000));
        file.open(QIODevice::WriteOnly);
    }
    for (auto _ : state) {
        l.view->sacnVideoDir();
        benchmark::DoNotOptimize(l.view->getScanVideoFileSize());
    }
}
BENCHMARK(BM_ScanVideoDir)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

// The sort alone, names already listed.
static void BM_SortVideoNames(benchmark::State &state)
{
    QStringList names;
    for (int i = 0; i < state.range(0); ++i)
        names << QString::asprintf("%02d%02d%02d_%04dV.mp4", 18 + i % 3, 1 + i % 12, 1 + i % 28, i % 10000);
    for (auto _ : state) {
        QStringList copy = names;
        EGraphicsView::sortVideoNames(&copy);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_SortVideoNames)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
