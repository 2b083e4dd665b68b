#include "simroot.h"
#include "tempboard.h"
#include "tempmodel.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class FixedBoard : public TempBoard
{
public:
    float readShutterTemp() override { return 31.0f; }
    float readSensorTemp() override { return 33.0f; }
    bool readFreezeStatus() override { return false; }
    int readLenIndex() override { return 0; }
    void setSerialTempRange(int) override {}
};

// A simulator root with the default tables as working directory.
struct Root
{
    Root()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Paths::setRoot(dir.path());
        QDir::setCurrent(dir.path());
        SimRoot::prepare(dir.path());
    }
    QTemporaryDir dir;
};

} // namespace

// One spot reading: shutter delta, table lookup, black-body correction,
// grey-body balance with transmission, drift term and status.
static void BM_IrAD2Temp(benchmark::State &state)
{
    Root root;
    FixedBoard board;
    TempModel model(&board);
    model.start();
    unsigned ad = 30000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.systemHandler().irAD2Temp(ad));
        ad = ad < 40000 ? ad + 7 : 30000;
    }
}
BENCHMARK(BM_IrAD2Temp);

// The periodic shutter update: reloads the correction file and the
// calibration table, moves the table and hands it to the converter.
static void BM_UpdateShutterTemp(benchmark::State &state)
{
    Root root;
    FixedBoard board;
    TempModel model(&board);
    model.start();
    for (auto _ : state)
        model.updateShutterTemp(true);
}
BENCHMARK(BM_UpdateShutterTemp);
