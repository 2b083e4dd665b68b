#include "benchboard.h"
#include "qtbenchmain.h"

#include "custompaletterecord.h"
#include "ecolorrect.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eisosetup.h"
#include "espinboxitem.h"
#include "ecolortablerect.h"
#include "estandardpalette.h"
#include "isohandler.h"

#include <QSettings>

#include <benchmark/benchmark.h>

namespace {

// The level/span page over the live view and its level/span services on
// the counted simulated board, isotherm on, manual mode, in a root whose
// "Parameter/Setting" holds about 400 keys.
struct ImageBench
{
    ImageBench()
    {
        writeLargeSettings();
        EGlobal::setFPGA(b.front.get());
        switchIsothermOn(*b.front);
        view = std::make_unique<EGraphicsView>();
        view->setLevelSpanMode(MODE_MANUAL);
        view->setMinMaxTempValue(10.0f, 60.0f);
        page = std::make_unique<EImageMode>();
    }
    ~ImageBench()
    {
        page.reset();
        view.reset();
        EGlobal::setFPGA(nullptr);
    }

    // One arrow step, up and down in turn so the limits stay put.
    void tick(bool up)
    {
        if (up)
            page->maxUpHandler(1);
        else
            page->maxDownHandler(1);
    }

    Bench b;
    std::unique_ptr<EGraphicsView> view;
    std::unique_ptr<EImageMode> page;
};

} // namespace

// One manual level/span tick as a held arrow makes it every 200 ms: the
// handler, the board's level and span with the isotherm palette uploaded
// again, the bar repainted; the settings write waits for the arrow to rest.
static void BM_ManualTick(benchmark::State &state)
{
    ImageBench l;
    const long before = l.b.counted->accesses;
    bool up = true;
    for (auto _ : state) {
        l.tick(up);
        up = !up;
    }
    state.counters["accesses/tick"] = double(l.b.counted->accesses - before) / double(state.iterations());
}
BENCHMARK(BM_ManualTick)->Unit(benchmark::kMicrosecond);

// The same tick with the two manual keys written every time, as the
// live view would without coalescing.
static void BM_ManualTickWritingSettings(benchmark::State &state)
{
    ImageBench l;
    bool up = true;
    for (auto _ : state) {
        l.tick(up);
        up = !up;
        l.view->flushPendingSettings();
    }
}
BENCHMARK(BM_ManualTickWritingSettings)->Unit(benchmark::kMicrosecond);

// A custom palette's table from its record and the 256 conversions to the
// board's form.
static void BM_CustomTableFromRecord(benchmark::State &state)
{
    Bench b;
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.beginGroup(QStringLiteral("CustomPalette/Name0"));
        const int positions[] = {40, 128, 200};
        const char *const keys[] = {"OneQuarter", "TwoQuarter", "ThreeQuarter"};
        for (int i = 0; i < 3; ++i) {
            settings.setValue(QStringLiteral("%1Position").arg(QLatin1String(keys[i])), positions[i]);
            settings.setValue(QStringLiteral("%1Enable").arg(QLatin1String(keys[i])), 1);
        }
        for (int p = 0; p < 5; ++p) {
            settings.setValue(QStringLiteral("Point%1_Red").arg(p), 60 * p);
            settings.setValue(QStringLiteral("Point%1_Green").arg(p), 255 - 60 * p);
            settings.setValue(QStringLiteral("Point%1_Blue").arg(p), 30 * p);
        }
    }
    for (auto _ : state) {
        const YuvTable yuv = CustomPaletteRecord::toYuv(CustomPaletteRecord::read(0).table());
        benchmark::DoNotOptimize(yuv);
    }
}
BENCHMARK(BM_CustomTableFromRecord)->Unit(benchmark::kMicrosecond);

// One user step in the isotherm dialog with the isotherm on: the library's
// setting fetched, changed and handed back, and the recoloured palette
// uploaded (1044 bytes), up and down in turn.
static void BM_IsothermStep(benchmark::State &state)
{
    Bench b;
    EGlobal::setFPGA(b.front.get());
    Isotherm iso = b.front->getIsoPara();
    iso.selector = 1;
    b.front->setIsoPara(iso);
    b.front->setIsoSwitch(true);
    EISOSetup dialog(nullptr, Qt::FramelessWindowHint);
    dialog.show();
    ESpinBoxItem *max = dialog.maxItem();
    const long before = b.counted->accesses;
    bool rising = true;
    for (auto _ : state) {
        // An arrow pressed and let go before the repeat starts: one step.
        if (rising) {
            max->upPress();
            max->upRelease();
        } else {
            max->downPress();
            max->downRelease();
        }
        rising = !rising;
    }
    state.counters["accesses/step"] = double(b.counted->accesses - before) / double(state.iterations());
    EGlobal::setFPGA(nullptr);
}
BENCHMARK(BM_IsothermStep)->Unit(benchmark::kMicrosecond);

// The standard list's change(): the board's table converted (256 entries)
// and the preview strip painted.
static void BM_StandardPaletteChange(benchmark::State &state)
{
    Bench b;
    EStandardPalette list;
    list.setChoose(true);
    list.setGeometry(0, 56, 276, 184);
    list.show();
    int index = 0;
    for (auto _ : state) {
        list.change(index);
        // Painted into a pixmap: the offscreen screen may not paint a
        // window it has not exposed yet.
        benchmark::DoNotOptimize(list.strip()->grab());
        index = (index + 1) % COLOR_TABLE_COUNT;
    }
}
BENCHMARK(BM_StandardPaletteChange)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
