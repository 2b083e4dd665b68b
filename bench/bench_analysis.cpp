#include "benchboard.h"
#include "qtbenchmain.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "emisstable.h"
#include "eparasetup.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

// The live view over the counted simulated board, in a root with a set-up
// settings file.
struct AnalysisBench
{
    AnalysisBench()
    {
        writeLargeSettings();
        EGlobal::setFPGA(b.front.get());
        view = std::make_unique<EGraphicsView>();
    }
    ~AnalysisBench()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
    }
    Bench b;
    std::unique_ptr<EGraphicsView> view;
};

} // namespace

// Building and opening the material table over a file of 1000 materials:
// the file read and scanned once, every row made.
static void BM_OpenMaterialTable1000(benchmark::State &state)
{
    Bench b;
    QFile file(QStringLiteral("etc/EmisivityTable.conf"));
    if (!file.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the material file");
    for (int i = 0; i < 1000; ++i)
        file.write(QStringLiteral("Material %1=0.%2\n").arg(i).arg(10 + i % 90).toLatin1());
    file.close();
    for (auto _ : state) {
        EmissTable table(nullptr, nullptr, Qt::FramelessWindowHint);
        table.setSaveMaterial(QStringLiteral("Material 500"), 0.9f);
        table.readEmissTable();
        benchmark::DoNotOptimize(table.rows().size());
    }
}
BENCHMARK(BM_OpenMaterialTable1000)->Unit(benchmark::kMillisecond);

// One ambient step of the measurement setup in manual level/span: the
// board's model and the manual limits re-applied.
static void BM_EnvStepManual(benchmark::State &state)
{
    AnalysisBench a;
    a.view->setLevelSpanMode(MODE_MANUAL);
    float env = 25.0f;
    for (auto _ : state) {
        env = env > 30.0f ? 25.0f : env + 0.1f;
        a.b.front->setEnvTemp(env);
        benchmark::DoNotOptimize(a.view->updateLevelSpan());
    }
}
BENCHMARK(BM_EnvStepManual)->Unit(benchmark::kMicrosecond);

// The whole factory reset on the live view: every object, the board and
// one checked write of the settings file.
static void BM_FactoryReset(benchmark::State &state)
{
    AnalysisBench a;
    EParaSetup dialog;
    for (auto _ : state)
        dialog.resetPara();
}
BENCHMARK(BM_FactoryReset)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
