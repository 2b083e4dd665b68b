#include "benchboard.h"
#include "qtbenchmain.h"

#include "custompaletterecord.h"
#include "ecolordialog.h"
#include "ecolorflickcharmtext.h"
#include "ecolorshow.h"
#include "ecolortablerect.h"
#include "ecustombutton.h"
#include "ecustompalette.h"
#include "eglobal.h"

#include <QMouseEvent>
#include <QSettings>

#include <benchmark/benchmark.h>

namespace {

void send(QWidget *w, QEvent::Type type, int globalX)
{
    const QPoint global(globalX, w->mapToGlobal(QPoint(0, w->height() / 2)).y());
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(w->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// One move of a quarter marker with every quarter on: the table rebuilt
// over four segments and the strip repainted.
void BM_MarkerMove(benchmark::State &state)
{
    Bench b;
    EColorShow editor;
    editor.setGeometry(0, 56, 320, 184);
    editor.setCurrentIndex(0);
    editor.show();
    for (int q = 0; q < 3; ++q)
        editor.selectColor(QColor::fromHsv(q * 100, 255, 255), QStringLiteral("%1QuarterColor").arg(QStringList{"one", "two", "three"}[q]), true);
    ECustomButton *marker = editor.marker(1);
    const int x = marker->mapToGlobal(QPoint(marker->width() / 2, 0)).x();
    send(marker, QEvent::MouseButtonPress, x);
    int dx = 1;
    for (auto _ : state) {
        send(marker, QEvent::MouseMove, x + dx);
        editor.strip()->repaint();
        dx = -dx;
    }
    send(marker, QEvent::MouseButtonRelease, x);
}
BENCHMARK(BM_MarkerMove)->Unit(benchmark::kMicrosecond);

// The chooser built, its hue/saturation field drawn once.
void BM_ChooserConstruction(benchmark::State &state)
{
    for (auto _ : state) {
        EColorDialog dialog(Qt::green);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_ChooserConstruction)->Unit(benchmark::kMillisecond);

// Removing the first of ten palettes: records moved, names and the
// active slot written, in one atomic replacement of a settings file of
// about 400 keys.
void BM_RemoveFirstOfTen(benchmark::State &state)
{
    Bench b;
    EGlobal::setFPGA(b.front.get());
    auto fill = [] {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        for (int i = 0; i < 200; ++i)
            settings.setValue(QStringLiteral("Other/Key%1").arg(i), i);
        for (int slot = 0; slot < 10; ++slot) {
            settings.setValue(QStringLiteral("CustomPalette/Name/Name%1").arg(slot), QStringLiteral("P%1").arg(slot));
            CustomPaletteRecord record;
            record.setEnabled(1, true);
            record.write(settings, slot);
        }
        settings.setValue(QStringLiteral("ColorTable_Mode"), QStringLiteral("Custom"));
        settings.setValue(QStringLiteral("Custom_ColorTable_Index"), 5);
    };
    for (auto _ : state) {
        state.PauseTiming();
        fill();
        auto list = std::make_unique<ECustomPalette>();
        list->show();
        state.ResumeTiming();
        list->removePalette(0);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    EGlobal::setFPGA(nullptr);
}
BENCHMARK(BM_RemoveFirstOfTen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return runQtBenchmarks(argc, argv);
}
