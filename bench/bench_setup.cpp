#include "benchboard.h"
#include "qtbenchmain.h"

#include "brightconfig.h"
#include "brightdialog.h"
#include "clcd_power.h"
#include "eglobal.h"
#include "idlewatcher.h"
#include "simpowerdevice.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

void send(QWidget *w, QEvent::Type type, const QPoint &local)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// One move of the brightness slider: the backlight request on the power
// node and the slider repainted.
void BM_BrightnessSliderMove(benchmark::State &state)
{
    Bench b;
    auto device = std::make_shared<SimPowerDevice>();
    SimPowerDevice::install(device);
    CLcd_power lcd;
    EGlobal::set_LcdPower(&lcd);
    BrightDialog dialog(nullptr, nullptr, Qt::FramelessWindowHint);
    dialog.setGeometry(40, 40, 240, 160);
    dialog.show();
    BrightConfig *slider = dialog.slider();
    send(slider, QEvent::MouseButtonPress, QPoint(100, 25));
    QImage panel(slider->size(), QImage::Format_RGB16);
    int x = 100;
    for (auto _ : state) {
        x = x >= 180 ? 40 : x + 1;
        send(slider, QEvent::MouseMove, QPoint(x, 25));
        // The repaint the move asked for, into a panel-sized picture.
        slider->render(&panel);
        device->clearEvents();
    }
    EGlobal::set_LcdPower(nullptr);
    SimPowerDevice::install(nullptr);
}
BENCHMARK(BM_BrightnessSliderMove)->Unit(benchmark::kMicrosecond);

// One key event through the application with the idle watcher filtering.
void BM_IdleWatcherInput(benchmark::State &state)
{
    IdleWatcher *watcher = IdleWatcher::instance();
    watcher->install();
    watcher->setIntervalMs(60000);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    for (auto _ : state)
        benchmark::DoNotOptimize(watcher->input(&press));
    watcher->setIntervalMs(0);
    watcher->uninstall();
}
BENCHMARK(BM_IdleWatcherInput);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
