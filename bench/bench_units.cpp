#include "eglobal.h"

#include <benchmark/benchmark.h>

// The colour bar and every reading convert through EGlobal on each refresh.
static void BM_UnitOutTemp(benchmark::State &state)
{
    EGlobal::setSystemTempUnit(static_cast<char>(state.range(0)));
    float v = 21.5f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v = EGlobal::unit_out_temp(v) * 0.0f + 21.5f);
    }
}
BENCHMARK(BM_UnitOutTemp)->Arg(0)->Arg(1)->Arg(2);
