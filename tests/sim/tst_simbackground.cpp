#include "fpga.h"
#include "fpgabottom.h"
#include "serial.h"
#include "simboard.h"
#include "simcore.h"
#include "simulator.h"
#include "testroot.h"

#include <QLoggingCategory>
#include <QtTest>

#include <memory>

// The simulated board's calibration aids: scripted area averages, and the
// background the external shutter takes under the simulator, which brings
// the middle of the picture to mid-scale within a few frames.
class TestSimBackground : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void scriptedAveragesThenHold();
    void backgroundSettlesInAFewFrames();
    void externalShutterThroughTheCore();

private:
    static uint16_t centreAverage(FPGABottom &board, int slot = 1);
};

void TestSimBackground::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
}

uint16_t TestSimBackground::centreAverage(FPGABottom &board, int slot)
{
    const QRect square = SimBoard::centreSquare();
    _area rect{uint16_t(square.left()), uint16_t(square.top()), uint16_t(square.left() + square.width()),
               uint16_t(square.top() + square.height())};
    _area_val val{};
    if (board.fpga_area_set(uint8_t(slot), &rect) != FPGABottom::FPGA_OK
        || board.fpga_area_val_get(uint8_t(slot), &val) != FPGABottom::FPGA_OK)
        return 0;
    return val.avg;
}

void TestSimBackground::scriptedAveragesThenHold()
{
    TestRoot root;
    auto sim = std::make_shared<SimBoard>();
    sim->setNoise(0);
    SimBoard::install(sim);
    FPGABottom board;
    const uint16_t scene = centreAverage(board);
    sim->setAreaAverages(1, {0x7000, 0x7ffc, 0x8002});
    QCOMPARE(centreAverage(board), uint16_t(0x7000));
    QCOMPARE(centreAverage(board), uint16_t(0x7ffc));
    QCOMPARE(centreAverage(board), uint16_t(0x8002));
    QCOMPARE(centreAverage(board), uint16_t(0x8002));
    // Other slots measure the scene; an empty script gives it back.
    QCOMPARE(centreAverage(board, 2), scene);
    sim->setAreaAverages(1, {});
    QCOMPARE(centreAverage(board), scene);
    SimBoard::install(nullptr);
}

void TestSimBackground::backgroundSettlesInAFewFrames()
{
    TestRoot root;
    auto sim = std::make_shared<SimBoard>();
    sim->setNoise(2);
    SimBoard::install(sim);
    FPGABottom board;
    QVERIFY(qAbs(int(centreAverage(board)) - 0x8000) > 100);
    sim->correctBackground(0x8000, 4);
    int reached = -1;
    for (int frame = 1; frame <= 6 && reached < 0; ++frame) {
        sim->advance(0.1);
        if (quint16(centreAverage(board) - 32765) <= 5)
            reached = frame;
    }
    QCOMPARE(reached, 4);
    // It holds while the scene moves on, until the internal shutter.
    for (int frame = 0; frame < 20; ++frame) {
        sim->advance(0.1);
        QVERIFY(quint16(centreAverage(board) - 32765) <= 5);
    }
    sim->clearBackgroundCorrection();
    QCOMPARE(sim->backgroundOffset(), 0);
    QVERIFY(qAbs(int(centreAverage(board)) - 0x8000) > 100);
    SimBoard::install(nullptr);
}

void TestSimBackground::externalShutterThroughTheCore()
{
    TestRoot test;
    Simulator simulator;
    QVERIFY(simulator.start(test.hostPath(QStringLiteral("sim-root"))));
    simulator.board()->setNoise(0);
    {
        FPGA fpga;
        QVERIFY(fpga.getSerial()->outsideShutter());
        QVERIFY(fpga.getSerial()->waitForIdle(5000));
        QVERIFY(simulator.core()->codes().contains(uint8_t(Serial::OutsideShutter)));
        // The simulator's frame timer moves the scene on.
        QTRY_VERIFY_WITH_TIMEOUT(quint16(centreAverage(fpga) - 32765) <= 5, 3000);
        QVERIFY(fpga.getSerial()->insideShutter());
        QVERIFY(fpga.getSerial()->waitForIdle(5000));
        QTRY_COMPARE(simulator.board()->backgroundOffset(), 0);
    }
    simulator.stop();
}

QTEST_MAIN(TestSimBackground)
#include "tst_simbackground.moc"
