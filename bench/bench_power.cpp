#include "boarddevice.h"
#include "clcd_power.h"
#include "ebattery.h"
#include "eglobal.h"
#include "epcsprogrammer.h"
#include "fpga.h"
#include "paths.h"
#include "simbattery.h"
#include "simboard.h"
#include "simpowerdevice.h"
#include "simroot.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "bench_power";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

QByteArray designData()
{
    QByteArray data(EpcsProgrammer::DataBytes, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 256) & 0xFF);
    return data;
}

// The programming loop, zero waits: every page's register traffic (address,
// 256 buffer bytes, write enable, program, status) and nothing else.
void programPages(benchmark::State &state, const std::shared_ptr<RegisterDevice> &device)
{
    const QByteArray data = designData();
    EpcsProgrammer programmer(device);
    programmer.setSleeper(nullptr);
    int page = 0;
    for (auto _ : state) {
        const auto result = programmer.programPage(page, data.constData() + page * EpcsProgrammer::PageBytes);
        benchmark::DoNotOptimize(result);
        page = (page + 1) % EpcsProgrammer::Pages;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("per page");
}

void BM_ProgramPage_SimBoard(benchmark::State &state)
{
    auto board = std::make_shared<SimBoard>();
    board->setFlashBusyPolls(0, 0);
    programPages(state, board);
}
BENCHMARK(BM_ProgramPage_SimBoard);

// A sparse file in place of the register device: the cost of the system
// calls themselves (one pwrite per register byte).
void BM_ProgramPage_SparseFile(benchmark::State &state)
{
    QTemporaryDir dir;
    Paths::setRoot(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("dev"));
    QFile node(dir.path() + QStringLiteral("/dev/DM365-FPGA"));
    if (!node.open(QIODevice::WriteOnly) || !node.resize(64 * 1024 * 1024)) {
        state.SkipWithError("cannot make the sparse register file");
        return;
    }
    node.close();
    programPages(state, std::make_shared<BoardDevice>());
    Paths::setRoot(QStringLiteral("/"));
}
BENCHMARK(BM_ProgramPage_SparseFile);

// One battery poll: ADC sample, gauge step, watchdog, drift refresh and
// lens check over the simulated board. With lensChange the lens code
// alternates, so every poll reloads the temperature table.
struct PollBench
{
    PollBench()
    {
        application();
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
        Paths::setRoot(dir.path());
        QDir::setCurrent(dir.path());
        SimRoot::prepare(dir.path());
        board->setNoise(0);
        SimBoard::install(board);
        SimPowerDevice::install(power);
        battery->setVolts(7.9, 0.0);
        SimBattery::install(battery);
        lcd = std::make_unique<CLcd_power>();
        EGlobal::set_LcdPower(lcd.get());
        fpga = std::make_unique<FPGA>();
        EGlobal::setFPGA(fpga.get());
        gauge = std::make_unique<EBattery>();
        gauge->startTimer(false);
    }
    ~PollBench()
    {
        gauge.reset();
        EGlobal::setFPGA(nullptr);
        fpga.reset();
        EGlobal::set_LcdPower(nullptr);
        lcd.reset();
        SimBattery::install(nullptr);
        SimPowerDevice::install(nullptr);
        SimBoard::install(nullptr);
        Paths::setRoot(QStringLiteral("/"));
    }

    QTemporaryDir dir;
    std::shared_ptr<SimBoard> board = std::make_shared<SimBoard>();
    std::shared_ptr<SimPowerDevice> power = std::make_shared<SimPowerDevice>();
    std::shared_ptr<SimBattery> battery = std::make_shared<SimBattery>();
    std::unique_ptr<CLcd_power> lcd;
    std::unique_ptr<FPGA> fpga;
    std::unique_ptr<EBattery> gauge;
};

void BM_ChargePoll(benchmark::State &state)
{
    const bool lensChange = state.range(0) != 0;
    PollBench bench;
    int poll = 0;
    for (auto _ : state) {
        if (lensChange)
            bench.board->setLensCode((poll++ & 1) ? 3 : 4);
        bench.gauge->charge();
    }
    state.SetLabel(lensChange ? "lens change each poll" : "same lens");
}
BENCHMARK(BM_ChargePoll)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
