#include "benchboard.h"
#include "livebench.h"
#include "qtbenchmain.h"

#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "elinewidget.h"
#include "ependingsettings.h"
#include "espotwidget.h"

#include <QFile>
#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

// One refresh of the readout: eight objects read the board and the text
// is rebuilt. Runs every 640 ms and on every touch move.
static void BM_DisplayTempEightObjects(benchmark::State &state)
{
    LiveBench l;
    const long before = l.b.counted->accesses;
    for (auto _ : state)
        l.view->displayTemp();
    state.counters["accesses/refresh"] = double(l.b.counted->accesses - before) / double(state.iterations());
}
BENCHMARK(BM_DisplayTempEightObjects)->Unit(benchmark::kMicrosecond);

// The whole overlay drawn once offscreen: eight objects, labels, readout.
static void BM_RenderOverlay(benchmark::State &state)
{
    LiveBench l;
    l.view->displayTemp();
    QImage image(320, 240, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        l.view->graphicsScene()->render(&painter);
    }
}
BENCHMARK(BM_RenderOverlay)->Unit(benchmark::kMicrosecond);

// One step per iteration, each at the next x, as the touch moves of a drag.
template <typename Step>
static void dragSteps(benchmark::State &state, Step step)
{
    int x = 0;
    for (auto _ : state) {
        x = (x + 1) % 200;
        step(x);
    }
}

// What one touch move of a drag would cost if it wrote its keys at once.
static void BM_SpotMoveDirectWrite(benchmark::State &state)
{
    LiveBench l;
    dragSteps(state, [](int x) {
        EPendingSettings::writeNow({{QStringLiteral("Spot_1/Position_x"), 60 + x}, {QStringLiteral("Spot_1/Position_y"), 100}});
    });
}
BENCHMARK(BM_SpotMoveDirectWrite)->Unit(benchmark::kMicrosecond);

static void BM_AreaMoveDirectWrite(benchmark::State &state)
{
    LiveBench l;
    dragSteps(state, [](int x) {
        EPendingSettings::writeNow({{QStringLiteral("Area_1/Position_xlt"), 20 + x},
                                    {QStringLiteral("Area_1/Position_ylt"), 80},
                                    {QStringLiteral("Area_1/Position_xrb"), 100 + x},
                                    {QStringLiteral("Area_1/Position_yrb"), 160}});
    });
}
BENCHMARK(BM_AreaMoveDirectWrite)->Unit(benchmark::kMicrosecond);

// The moves as they run: positions kept pending, written after the drag.
static void BM_SpotMoveCoalesced(benchmark::State &state)
{
    LiveBench l;
    ESpotWidget *spot = l.view->getSpotWidget(1);
    dragSteps(state, [spot](int x) { spot->move(60 + x, 100, 0); });
    l.view->flushPendingSettings();
}
BENCHMARK(BM_SpotMoveCoalesced)->Unit(benchmark::kMicrosecond);

static void BM_AreaMoveCoalesced(benchmark::State &state)
{
    LiveBench l;
    EAreaWidget *area = l.view->getAreaWidget(1);
    dragSteps(state, [area](int x) { area->move(20 + x, 80, 0); });
    l.view->flushPendingSettings();
}
BENCHMARK(BM_AreaMoveCoalesced)->Unit(benchmark::kMicrosecond);

// The one write at the end of a drag (touch release or 300 ms idle).
static void BM_FlushAfterDrag(benchmark::State &state)
{
    LiveBench l;
    ESpotWidget *spot = l.view->getSpotWidget(1);
    EAreaWidget *area = l.view->getAreaWidget(1);
    int x = 0;
    for (auto _ : state) {
        state.PauseTiming();
        x = (x + 1) % 100;
        spot->move(60 + x, 100, 0);
        area->move(20 + x, 80, 0);
        state.ResumeTiming();
        l.view->flushPendingSettings();
    }
}
BENCHMARK(BM_FlushAfterDrag)->Unit(benchmark::kMicrosecond);

// One touch move resizing area 1 from its bottom-right corner, through the
// view's move handler (the resize step and the readout refresh of all
// eight objects). Budget: one touch-move interval on the camera, 10 ms.
static void BM_AreaResizeTouchMove(benchmark::State &state)
{
    LiveBench l;
    l.view->setGeometry(0, 0, 320, 240);
    l.view->show();
    EAreaWidget *area = l.view->getAreaWidget(1);
    area->setWidth(60);
    area->setHeight(60);
    // Clear of the spots and the lines, so the press takes the area.
    area->move(30, 150, 0);
    l.view->clearCurrentFocusWidget();
    QWidget *viewport = l.view->viewport();
    auto send = [viewport](QEvent::Type type, const QPoint &at) {
        QMouseEvent event(type, QPointF(at), viewport->mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    const QPoint corner(85, 205);
    send(QEvent::MouseButtonPress, corner);
    if (l.view->dragCorner() != 0)
        state.SkipWithError("the press did not take the corner");
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        send(QEvent::MouseMove, corner + QPoint(step, step / 4));
    }
    send(QEvent::MouseButtonRelease, corner);
}
BENCHMARK(BM_AreaResizeTouchMove)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
