#include "../pshutdown/powerfixture.h"
#include "ebattery.h"
#include "fpga.h"
#include "intervals.h"
#include "simbattery.h"
#include "simboard.h"
#include "simroot.h"

#include <QDir>
#include <QtTest>

#include <cmath>
#include <memory>

// One poll's ADC answer: volts, or a short read when battery is NaN.
struct Poll
{
    double battery;
    double supply;
};
Q_DECLARE_METATYPE(QList<Poll>)

namespace {
QList<Poll> polls(std::initializer_list<double> batteryVolts, double supply = 0.0)
{
    QList<Poll> list;
    for (double v : batteryVolts)
        list.append({v, supply});
    return list;
}
const double Short = std::nan("");
} // namespace

class TestEBattery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void voltageSequences_data();
    void voltageSequences();
    void recoveryOnlyRecordsTheState();
    void startUpCheck_data();
    void startUpCheck();
    void lensChecks_data();
    void lensChecks();

private:
    void feed(const QList<Poll> &list);

    std::unique_ptr<PowerFixture> m_power;
    SimPowerDevice *m_device = nullptr;
    std::shared_ptr<SimBattery> m_battery;
};

void TestEBattery::initTestCase()
{
    Intervals::setScale(0.001);
}

void TestEBattery::init()
{
    m_power = std::make_unique<PowerFixture>();
    m_device = m_power->device.get();
    m_battery = std::make_shared<SimBattery>();
    SimBattery::install(m_battery);
}

void TestEBattery::cleanup()
{
    SimBattery::install(nullptr);
    m_power.reset();
}

void TestEBattery::feed(const QList<Poll> &list)
{
    for (const Poll &p : list) {
        if (std::isnan(p.battery))
            m_battery->pushShortRead();
        else
            m_battery->push(p.battery, p.supply);
    }
}

void TestEBattery::voltageSequences_data()
{
    QTest::addColumn<QList<Poll>>("sequence");
    QTest::addColumn<int>("charger");
    QTest::addColumn<QStringList>("pictures");   // after each poll
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("danger");
    QTest::addColumn<bool>("powerOff");

    const QString no = QStringLiteral("battery_no"), one = QStringLiteral("battery_one"),
                  two = QStringLiteral("battery_two"), three = QStringLiteral("battery_three"),
                  danger = QStringLiteral("battery_danger");

    QTest::newRow("7.3 V climbs one level") << polls({7.3}) << 0 << QStringList{one} << 1 << false << false;
    QTest::newRow("7.0 V in level 1 stays") << polls({7.3, 7.0}) << 0 << QStringList{one, one} << 1 << false << false;
    QTest::newRow("one step per poll") << polls({8.4, 8.4, 8.4}) << 0 << QStringList{one, two, three} << 3 << false
                                       << false;
    QTest::newRow("8.18 V in level 3 keeps three bars")
        << polls({8.4, 8.4, 8.4, 8.18}) << 0 << QStringList{one, two, three, three} << 3 << false << false;
    QTest::newRow("8.1 V in level 3 drops to two")
        << polls({8.4, 8.4, 8.4, 8.1}) << 0 << QStringList{one, two, three, two} << 2 << false << false;
    QTest::newRow("charging cycles one frame per poll")
        << polls({7.5, 7.5, 7.5, 7.5, 7.5}, 9.0) << 1 << QStringList{no, one, two, three, no} << 0 << false << false;
    QTest::newRow("charged shows three bars") << polls({7.5, 7.5}, 9.0) << 0 << QStringList{three, three} << 0
                                              << false << false;
    QTest::newRow("6.9 V three polls powers off")
        << polls({6.9, 6.9, 6.9}) << 0 << QStringList{danger, danger, danger} << 0 << true << true;
    QTest::newRow("a good poll restarts the count")
        << polls({6.9, 6.9, 7.0, 6.9, 6.9}) << 0 << QStringList{danger, danger, danger, danger, danger} << 0 << true
        << false;
    QTest::newRow("6.97 V is danger but not exhausted")
        << polls({6.97, 6.97, 6.97, 6.97}) << 0 << QStringList{danger, danger, danger, danger} << 0 << true << false;
    QTest::newRow("external power keeps an empty battery on")
        << polls({6.5, 6.5, 6.5, 6.5}, 9.0) << 0 << QStringList{three, three, three, three} << 0 << false << false;
    // Before the first complete sample nothing is known: first picture,
    // no danger, no count.
    QTest::newRow("short reads are skipped") << polls({Short, Short, Short, Short}) << 0
                                             << QStringList{one, one, one, one} << 0 << false << false;
    QTest::newRow("a short read keeps the last sample")
        << polls({7.3, Short, Short}) << 0 << QStringList{one, one, one} << 1 << false << false;
    // A skipped poll compares the last complete sample again.
    QTest::newRow("a skipped poll counts the last sample")
        << polls({6.9, Short, 6.9, Short, 7.3}) << 0 << QStringList{danger, danger, danger, danger, one} << 1 << false
        << true;
}

void TestEBattery::voltageSequences()
{
    QFETCH(QList<Poll>, sequence);
    QFETCH(int, charger);
    QFETCH(QStringList, pictures);
    QFETCH(int, level);
    QFETCH(bool, danger);
    QFETCH(bool, powerOff);

    m_device->setCharger(charger);
    EBattery gauge;
    feed(sequence);
    QStringList shown;
    for (int i = 0; i < sequence.size(); ++i) {
        gauge.charge();
        shown << EBattery::pictureName(gauge.picture());
        QVERIFY(!gauge.pixmap().isNull());
    }
    QCOMPARE(shown, pictures);
    QCOMPARE(gauge.level(), level);
    QCOMPARE(gauge.dangerPower(), danger);
    QCOMPARE(PowerOff::instance()->isRunning(), powerOff);
    QCOMPARE(gauge.powerGood(), !powerOff);
    // The watchdog darkens the panel only on its way to power off.
    QCOMPARE(m_device->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioSetLcd, 0) >= 0, powerOff);
    if (powerOff)
        QTRY_VERIFY(PowerOff::instance()->isFinished());
}

void TestEBattery::recoveryOnlyRecordsTheState()
{
    EBattery gauge;
    feed(polls({6.9, 6.9, 6.9}));
    for (int i = 0; i < 3; ++i)
        gauge.charge();
    QVERIFY(!gauge.powerGood());
    PowerOff::instance()->reset();
    m_device->setPanelOn(true);
    m_device->clearEvents();
    feed(polls({7.5, 7.5, 7.5}, 9.0));
    for (int i = 0; i < 3; ++i)
        gauge.charge();
    QVERIFY(gauge.powerGood());
    QVERIFY(m_device->panelOn());
    QCOMPARE(m_device->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioSetLcd, 0), -1);
    QVERIFY(!PowerOff::instance()->isRunning());
}

void TestEBattery::startUpCheck_data()
{
    QTest::addColumn<QList<Poll>>("sequence");
    QTest::addColumn<int>("result");
    QTest::newRow("external power, empty battery") << polls({6.0, 6.0, 6.0}, 8.72) << 1;
    QTest::newRow("6.99 V without supply") << polls({6.99, 6.99, 6.99}) << 0;
    QTest::newRow("7.3 V") << polls({7.3, 7.3, 7.3}) << 1;
    QTest::newRow("the last of three samples counts") << polls({6.5, 6.5, 7.3}) << 1;
    // Unknown voltages never refuse the start.
    QTest::newRow("no complete sample") << polls({Short, Short, Short}) << 1;
}

void TestEBattery::startUpCheck()
{
    QFETCH(QList<Poll>, sequence);
    QFETCH(int, result);
    EBattery gauge;
    feed(sequence);
    QCOMPARE(gauge.getBatteryStat(), result);
    QVERIFY(!PowerOff::instance()->isRunning());
}

void TestEBattery::lensChecks_data()
{
    QTest::addColumn<QList<int>>("codes");       // lens code before each poll
    QTest::addColumn<bool>("tipShowing");
    QTest::addColumn<bool>("dropLens5Tables");
    QTest::addColumn<QList<int>>("lensSignals");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<bool>("tipVisible");
    QTest::addColumn<int>("levelSpans");

    // Code 3 is lens 0 (the default), code 4 lens 5, code 7 without the
    // flag no lens.
    QTest::newRow("unchanged") << QList<int>{3, 3} << false << false << QList<int>{} << QString() << false << 0;
    QTest::newRow("removed, every poll") << QList<int>{7, 7} << false << false << QList<int>{-1, -1}
                                         << QStringLiteral("No Lens!") << true << 0;
    QTest::newRow("fitted again with a sound table")
        << QList<int>{7, 3} << false << false << QList<int>{-1, 0} << QStringLiteral("No Lens!") << false << 1;
    QTest::newRow("changed, no tip up") << QList<int>{4} << false << false << QList<int>{5} << QString() << false << 0;
    QTest::newRow("changed to a lens without tables")
        << QList<int>{4} << true << true << QList<int>{5} << QStringLiteral("Calibration file error!") << true << 1;
}

void TestEBattery::lensChecks()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, tipShowing);
    QFETCH(bool, dropLens5Tables);
    QFETCH(QList<int>, lensSignals);
    QFETCH(QString, tip);
    QFETCH(bool, tipVisible);
    QFETCH(int, levelSpans);

    QVERIFY(SimRoot::prepare(m_power->root.root()));
    if (dropLens5Tables) {
        QDir etc(m_power->root.hostPath(QStringLiteral("etc")));
        for (const QString &name : etc.entryList({QStringLiteral("calc_len5_*")}))
            QVERIFY(etc.remove(name));
    }
    auto board = std::make_shared<SimBoard>();
    SimBoard::install(board);
    {
        FPGA fpga;
        EGlobal::setFPGA(&fpga);
        EBattery gauge;
        QString tipText;
        bool visible = tipShowing;
        int levelSpanCalls = 0;
        EBattery::LiveView view;
        view.setTipsText = [&](const QString &text) { tipText = text; };
        view.setTipsVisibled = [&](bool on) { visible = on; };
        view.tipsVisibled = [&] { return visible; };
        view.updateLevelSpan = [&] { ++levelSpanCalls; };
        gauge.setLiveView(view);
        QSignalSpy lens(&gauge, &EBattery::signal_change_lens);
        m_battery->setVolts(7.5, 0.0);
        for (int code : codes) {
            board->setLensCode(code);
            if (code == 7)
                board->setLensFlag(false);
            gauge.charge();
        }
        QList<int> seen;
        for (const QList<QVariant> &args : lens)
            seen << args.first().toInt();
        QCOMPARE(seen, lensSignals);
        QCOMPARE(tipText, tip);
        QCOMPARE(visible, tipVisible);
        QCOMPARE(levelSpanCalls, levelSpans);
        EGlobal::setFPGA(nullptr);
    }
    SimBoard::install(nullptr);
}

QTEST_MAIN(TestEBattery)
#include "tst_ebattery.moc"
