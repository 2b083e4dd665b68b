#include "benchboard.h"
#include "isohandler.h"

#include <benchmark/benchmark.h>

// One refresh of the live view's readings: three spots, three areas, two
// lines, the hottest and coldest pixels and the colour-scale ends.
static void BM_ReadingTick(benchmark::State &state)
{
    Bench b;
    FPGA &front = *b.front;
    const TempSetup own{0.9f, 2.0f, 0.0f, 0};
    const TempSetup global{0.95f, 5.0f, 0.0f, 0};
    front.calcLevelSpan(MODE_AUTO, false);
    IrTempStru t{};
    Area_Temp a{};
    _area_val val{};
    const long before = b.counted->accesses;
    const long bytesBefore = b.counted->bytes;
    for (auto _ : state) {
        for (int n = 0; n < 3; ++n) {
            _fpga_point p{uint16_t(60 + 100 * n), uint16_t(100 + 30 * n)};
            front.getSpotTemp(n, 0, n == 1 ? PARA_OWN : PARA_GLOBAL, n == 1 ? own : global, p, t);
        }
        for (int n = 0; n < 3; ++n) {
            _area r{uint16_t(20 + 110 * n), 40, uint16_t(80 + 110 * n), 120};
            front.getAreaTemp(n, r, n == 2 ? PARA_OWN : PARA_GLOBAL, n == 2 ? own : global, val, a);
        }
        for (int line = 1; line <= 2; ++line) {
            _fpga_point p{150, 144};
            front.getLineTemp(line, PARA_GLOBAL, global, p, t);
        }
        _fpga_point p{0, 0};
        front.getSpotTemp(0, 1, PARA_GLOBAL, global, p, t);
        front.getSpotTemp(0, 2, PARA_GLOBAL, global, p, t);
        IrTempStru low{};
        IrTempStru high{};
        front.getMinMaxTemp(&low, &high);
        benchmark::DoNotOptimize(high);
    }
    const double ticks = double(state.iterations());
    state.counters["accesses/tick"] = double(b.counted->accesses - before) / ticks;
    state.counters["bytes/tick"] = double(b.counted->bytes - bytesBefore) / ticks;
}
BENCHMARK(BM_ReadingTick);

// One automatic level/span step with the isotherm on: statistics, the
// smoothed window, and the palette coloured and uploaded again.
static void BM_LevelSpanStepWithIsotherm(benchmark::State &state)
{
    Bench b;
    FPGA &front = *b.front;
    front.setStandardPaletteIndex(COLOR_IRON);
    switchIsothermOn(front);
    front.setLevelSpanMode(MODE_AUTO);
    front.calcLevelSpan(MODE_AUTO, false);
    const long before = b.counted->accesses;
    const long bytesBefore = b.counted->bytes;
    // A still scene: the simulated board computes its statistics once, so
    // the time is the library's and the register transfers'.
    for (auto _ : state)
        front.calcLevelSpan(MODE_AUTO, true);
    const double steps = double(state.iterations());
    state.counters["accesses/step"] = double(b.counted->accesses - before) / steps;
    state.counters["bytes/step"] = double(b.counted->bytes - bytesBefore) / steps;
}
BENCHMARK(BM_LevelSpanStepWithIsotherm);
