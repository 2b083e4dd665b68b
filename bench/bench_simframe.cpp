#include "benchboard.h"
#include "qtbenchmain.h"

#include "fpgatypes.h"
#include "simscreen.h"
#include "simulator.h"

#include <benchmark/benchmark.h>

// The simulated camera as `ostrel --simulate` runs it on the live view: the
// board with the Iron palette, automatic level/span and its colour bar, and
// the screen the simulator's frames go to.
struct SimFrameBench
{
    SimFrameBench()
    {
        b.front->setStandardPaletteIndex(COLOR_IRON);
        b.front->calcLevelSpan(MODE_AUTO, false);
        b.front->fpga_switch_colorBar(true);
    }

    // One tick of the simulator: the scene moves on, the live view's
    // automatic level/span reads the frame's statistics, and the board's
    // picture and colour bar go to the screen (layer composed, published
    // for encoder-sim).
    void tick()
    {
        b.board->advance(Simulator::FrameIntervalMs / 1000.0);
        bool ok = false;
        benchmark::DoNotOptimize(b.front->fpga_get_auto_max(&ok));
        benchmark::DoNotOptimize(b.front->fpga_get_auto_min(&ok));
        benchmark::DoNotOptimize(b.front->fpga_get_auto_averg(&ok));
        screen.setBoardLayer(b.board->render(), b.board->colorBar());
    }

    Bench b;
    SimScreen screen;
};

// A new frame every tick, as on the live view (the scene's noise changes
// every frame).
static void BM_SimulatedFrame(benchmark::State &state)
{
    SimFrameBench s;
    for (auto _ : state)
        s.tick();
}
BENCHMARK(BM_SimulatedFrame)->Unit(benchmark::kMicrosecond);

// A tick with nothing changing (a frozen picture): what the simulator costs
// when the camera's picture stands still.
static void BM_SimulatedIdleTick(benchmark::State &state)
{
    SimFrameBench s;
    s.b.front->fpga_freeze_image(true);
    s.tick();
    for (auto _ : state)
        s.tick();
}
BENCHMARK(BM_SimulatedIdleTick)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
