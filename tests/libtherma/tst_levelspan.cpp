#include "frontfixture.h"
#include "levelspan.h"

#include <QtTest>

#include <cmath>

// Level and span: the arithmetic of the three modes on plain numbers, and
// the front's steps against the simulated board's registers.
class TestLevelSpan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void autoWindow_data();
    void autoWindow();
    void histogramWindow_data();
    void histogramWindow();
    void smoothing();
    void gain_data();
    void gain();

    void firstStepOfEachFrontStartsTheControl();
    void manualModeStepWritesNothing();
    void autoStepOnTheScene();
    void histogramStepOnReversedEnds();
    void smoothStep();
    void unreadableStatisticsSkipTheStep_data();
    void unreadableStatisticsSkipTheStep();
    void manualEnds_data();
    void manualEnds();
    void autoMinMaxWidensANarrowScene_data();
    void autoMinMaxWidensANarrowScene();
};

namespace {

constexpr int Lmax = 45000;
constexpr int Lmin = 28000;

QVector<uint16_t> twoLevelFrame(uint16_t low, uint16_t high)
{
    QVector<uint16_t> frame(SimBoard::PIXELS, low);
    for (int i = 0; i < SimBoard::PIXELS / 2; ++i)
        frame[i] = high;
    return frame;
}

} // namespace

void TestLevelSpan::autoWindow_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("average");
    QTest::addColumn<int>("boundMin");
    QTest::addColumn<int>("minSpan");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("span");
    QTest::newRow("wide scene") << 36000 << 32000 << 34000 << Lmin << 128 << 65 << 32000 << 4000;
    QTest::newRow("128 wide is narrow") << 32128 << 32000 << 32050 << Lmin << 128 << 65 << 31985 << 128;
    QTest::newRow("129 wide is wide") << 32129 << 32000 << 32050 << Lmin << 128 << 65 << 32000 << 129;
    QTest::newRow("hot narrow scene at the top") << 50000 << 44950 << 44990 << Lmin << 128 << 65 << Lmax - 128 << 128;
    QTest::newRow("cold scene below the table") << 100 << 50 << 60 << Lmin << 128 << 65 << Lmin - 65 << 128;
    QTest::newRow("scene wider than the bounds") << 60000 << 1000 << 30000 << Lmin << 128 << 65 << Lmin << Lmax - Lmin;
    // Below 65 the level must not wrap to the top of 16 bits.
    QTest::newRow("average below 65") << 40 << 10 << 30 << 0 << 128 << 65 << 0 << 128;
    QTest::newRow("range 0 widening") << 32200 << 32000 << 32100 << Lmin << 255 << 128 << 31972 << 255;
    QTest::newRow("reversed ends") << 32000 << 36000 << 34000 << Lmin << 128 << 65 << 33935 << 128;
}

void TestLevelSpan::autoWindow()
{
    QFETCH(int, max);
    QFETCH(int, min);
    QFETCH(int, average);
    QFETCH(int, boundMin);
    QFETCH(int, minSpan);
    QFETCH(int, offset);
    QFETCH(int, level);
    QFETCH(int, span);
    const LevelSpan::Window w = LevelSpan::clampedWindow(
        LevelSpan::autoWindow(max, min, average, Lmax, boundMin, minSpan, offset));
    QCOMPARE(w.level, level);
    QCOMPARE(w.span, span);
}

void TestLevelSpan::histogramWindow_data()
{
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("most");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("span");
    QTest::newRow("128 wide is wide") << 32128 << 32000 << 32050 << 32000 << 128;
    QTest::newRow("127 wide is narrow") << 32127 << 32000 << 32050 << 31985 << 128;
    QTest::newRow("hot narrow scene at the top") << 46000 << 44990 << 44995 << Lmax - 128 << 128;
    // Reversed ends span the same values instead of wrapping to 61536.
    QTest::newRow("reversed wide") << 32000 << 36000 << 34000 << 32000 << 4000;
    QTest::newRow("reversed narrow") << 32000 << 32050 << 32020 << 31955 << 128;
}

void TestLevelSpan::histogramWindow()
{
    QFETCH(int, max);
    QFETCH(int, min);
    QFETCH(int, most);
    QFETCH(int, level);
    QFETCH(int, span);
    const LevelSpan::Window w = LevelSpan::clampedWindow(LevelSpan::histogramWindow(max, min, most, Lmax, Lmin));
    QCOMPARE(w.level, level);
    QCOMPARE(w.span, span);
}

void TestLevelSpan::smoothing()
{
    const LevelSpan::Window w = LevelSpan::smoothed({1000, 128}, {2000, 256});
    QCOMPARE(w.level, 1750);
    QCOMPARE(w.span, 224);
}

void TestLevelSpan::gain_data()
{
    QTest::addColumn<int>("span");
    QTest::addColumn<uint>("gain");
    QTest::newRow("128") << 128 << 32768u;
    QTest::newRow("256") << 256 << 16384u;
    // Wider than 16 bits: kept whole.
    QTest::newRow("64") << 64 << 65536u;
    QTest::newRow("50") << 50 << 83886u;
    QTest::newRow("1") << 1 << 4194304u;
    QTest::newRow("0 is taken as 1") << 0 << 4194304u;
    QTest::newRow("65535") << 65535 << 64u;
}

void TestLevelSpan::gain()
{
    QFETCH(int, span);
    QFETCH(uint, gain);
    QCOMPARE(LevelSpan::gainOf(span), gain);
}

void TestLevelSpan::firstStepOfEachFrontStartsTheControl()
{
    FrontFixture f(false);
    for (int round = 0; round < 2; ++round) {
        FPGA &front = f.start();
        f.board->clearWrites();
        front.calcLevelSpan(MODE_AUTO, false);
        QVERIFY(front.levelSpanControlStarted());
        const QVector<SimBoard::Write> starts = f.board->writesTo(0x60);
        QCOMPARE(starts.size(), 1);
        QCOMPARE(starts[0].data, QByteArray(1, '\0'));
        for (int i = 0; i < 5; ++i)
            front.calcLevelSpan(MODE_AUTO, true);
        QCOMPARE(f.board->writesTo(0x60).size(), 1);
        // A front made later (the application restarts in-process after a
        // language change) starts the control again.
        f.front.reset();
    }
}

void TestLevelSpan::manualModeStepWritesNothing()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    f.board->clearWrites();
    front.calcLevelSpan(MODE_MANUAL, false);
    QCOMPARE(f.board->writesTo(0x60).size(), 1);
    f.board->clearWrites();
    front.calcLevelSpan(MODE_MANUAL, false);
    front.calcLevelSpan(7, false);
    QVERIFY(f.board->writes().isEmpty());
}

void TestLevelSpan::autoStepOnTheScene()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    front.calcLevelSpan(MODE_AUTO, false);
    // Coldest: the cold pack; hottest: the hot spot.
    QCOMPARE(int(front.level()), 30114);
    QCOMPARE(int(front.span()), 40101 - 30114);
    QCOMPARE(f.board->registerWord(0x62), uint16_t(30114));
    QCOMPARE(f.board->registerLong(0x64), 0x400000u / (40101 - 30114));
}

void TestLevelSpan::histogramStepOnReversedEnds()
{
    FrontFixture f(false);
    f.board->setFrame(twoLevelFrame(32000, 36000));
    FPGA &front = f.start();
    f.board->setBoardFaults(SimBoard::ReversedHistogram);
    front.calcLevelSpan(MODE_HISTOGRAM, false);
    QVERIFY(front.span() > 3900);
    QVERIFY(front.span() < 4100);
    QVERIFY(front.level() > 31900);
    QVERIFY(front.level() <= 32000);
}

void TestLevelSpan::smoothStep()
{
    FrontFixture f(false);
    f.board->setFrame(twoLevelFrame(32000, 36000));
    FPGA &front = f.start();
    front.calcLevelSpan(MODE_AUTO, false);
    QCOMPARE(int(front.level()), 32000);
    QCOMPARE(int(front.span()), 4000);
    f.board->setFrame(twoLevelFrame(34000, 35000));
    front.calcLevelSpan(MODE_AUTO, true);
    QCOMPARE(int(front.level()), (34000 + 3 * 32000) / 4);
    QCOMPARE(int(front.span()), (1000 + 3 * 4000) / 4);
}

void TestLevelSpan::unreadableStatisticsSkipTheStep_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("boardFaults");
    QTest::addColumn<int>("readFault");
    QTest::newRow("auto, no pixels counted") << int(MODE_AUTO) << int(SimBoard::ZeroPixelCount) << -1;
    QTest::newRow("auto, maximum unreadable") << int(MODE_AUTO) << 0 << 0x40;
    QTest::newRow("histogram, most unreadable") << int(MODE_HISTOGRAM) << 0 << 0xA4;
}

void TestLevelSpan::unreadableStatisticsSkipTheStep()
{
    QFETCH(int, mode);
    QFETCH(int, boardFaults);
    QFETCH(int, readFault);
    FrontFixture f(false);
    FPGA &front = f.start();
    front.calcLevelSpan(mode, false);
    const unsigned short level = front.level();
    const unsigned short span = front.span();
    f.board->setBoardFaults(boardFaults);
    if (readFault >= 0) {
        SimBoard::FaultRule rule;
        rule.fault = SimBoard::FailRead;
        rule.offset = readFault;
        f.board->addFault(rule);
    }
    f.board->setFrame(twoLevelFrame(34000, 35000));
    f.board->clearWrites();
    front.calcLevelSpan(mode, false);
    QVERIFY(f.board->writesTo(0x62).isEmpty());
    QCOMPARE(front.level(), level);
    QCOMPARE(front.span(), span);
}

void TestLevelSpan::manualEnds_data()
{
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    QTest::addColumn<bool>("changes");
    QTest::newRow("20 to 50") << 20.0f << 50.0f << true;
    QTest::newRow("reversed: 50 to 20") << 50.0f << 20.0f << true;
    QTest::newRow("half a degree") << 20.0f << 20.5f << true;
    QTest::newRow("equal ends") << 30.0f << 30.0f << false;
    QTest::newRow("equal ends, 25") << 25.0f << 25.0f << false;
    QTest::newRow("high beyond the model") << 20.0f << 5000.0f << false;
    QTest::newRow("low below the model") << -100.0f << 20.0f << false;
    QTest::newRow("nan") << std::nanf("") << 20.0f << false;
}

void TestLevelSpan::manualEnds()
{
    QFETCH(float, low);
    QFETCH(float, high);
    QFETCH(bool, changes);
    FrontFixture f(false);
    FPGA &front = f.start();
    front.calcLevelSpan(MODE_AUTO, false);
    const unsigned short level = front.level();
    const unsigned short span = front.span();
    f.board->clearWrites();
    QCOMPARE(front.handLevelSpan(low, high), 1);
    if (!changes) {
        QCOMPARE(front.level(), level);
        QCOMPARE(front.span(), span);
        QVERIFY(f.board->writesTo(0x62).isEmpty());
        return;
    }
    const TempHandler &h = front.tempModel().systemHandler();
    const int a = h.irTemp2AD(std::min(low, high)).ad;
    const int b = h.irTemp2AD(std::max(low, high)).ad;
    QCOMPARE(int(front.level()), a);
    QCOMPARE(int(front.span()), b - a);
    QCOMPARE(f.board->registerWord(0x62), uint16_t(a));
    const uint32_t gain = f.board->registerLong(0x64);
    QVERIFY(gain > 0);
    QCOMPARE(gain, LevelSpan::gainOf(b - a));
}

void TestLevelSpan::autoMinMaxWidensANarrowScene_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("hot");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("span");
    QTest::newRow("range 0, 200 wide") << 0 << 32200 << 32100 - 128 << 255;
    QTest::newRow("range 1, 200 wide") << 1 << 32200 << 32000 << 200;
    QTest::newRow("range 1, 100 wide") << 1 << 32100 << 32050 - 65 << 128;
}

void TestLevelSpan::autoMinMaxWidensANarrowScene()
{
    QFETCH(int, range);
    QFETCH(int, hot);
    QFETCH(int, level);
    QFETCH(int, span);
    FrontFixture f(false);
    QVERIFY(f.settings("[BiaoDing]\nTempRange=" + QByteArray::number(range) + "\n"));
    f.board->setFrame(twoLevelFrame(32000, uint16_t(hot)));
    FPGA &front = f.start();
    IrTempStru low{};
    IrTempStru high{};
    f.board->clearWrites();
    front.getAutoMinMaxTemp(&low, &high);
    QCOMPARE(int(front.level()), level);
    QCOMPARE(int(front.span()), span);
    QVERIFY(f.board->writesTo(0x60).isEmpty());
    const TempHandler &h = front.tempModel().systemHandler();
    QCOMPARE(low.temp, h.irAD2Temp(unsigned(level)).temp);
    QCOMPARE(high.temp, h.irAD2Temp(unsigned(level + span)).temp);
    QVERIFY(high.temp > low.temp);
}

QTEST_GUILESS_MAIN(TestLevelSpan)
#include "tst_levelspan.moc"
