#include "clcd_power.h"
#include "simpowerdevice.h"
#include "testroot.h"

#include <QtTest>

#include <functional>
#include <memory>

using Node = PowerDevice::Node;

namespace {
// Every operation by name, so one table covers them all.
int call(CLcd_power &lcd, const QString &operation)
{
    static const QHash<QString, std::function<int(CLcd_power &)>> operations{
        {QStringLiteral("Get_Crg_Status"), [](CLcd_power &p) { return p.Get_Crg_Status(); }},
        {QStringLiteral("start_fpga"), [](CLcd_power &p) { return p.start_fpga(); }},
        {QStringLiteral("close_fpga"), [](CLcd_power &p) { return p.close_fpga(); }},
        {QStringLiteral("cget_Lcd_stat"), [](CLcd_power &p) { return p.cget_Lcd_stat(); }},
        {QStringLiteral("start_Lcd"), [](CLcd_power &p) { return p.start_Lcd(); }},
        {QStringLiteral("close_Lcd"), [](CLcd_power &p) { return p.close_Lcd(); }},
        {QStringLiteral("close_Power"), [](CLcd_power &p) { return p.close_Power(); }},
        {QStringLiteral("lcd_pwm"), [](CLcd_power &p) { p.lcd_pwm(4096); return 0; }},
    };
    return operations.value(operation)(lcd);
}
} // namespace

class TestCLcdPower : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void constructionHoldsThePower();
    void requestTable_data();
    void requestTable();
    void missingNodes_data();
    void missingNodes();
    void failedKillIsReported();
    void realNodesMissingUnderTheRoot();

private:
    std::unique_ptr<TestRoot> m_root;
    std::shared_ptr<SimPowerDevice> m_device;
};

void TestCLcdPower::init()
{
    m_root = std::make_unique<TestRoot>();
    m_device = std::make_shared<SimPowerDevice>();
    SimPowerDevice::install(m_device);
}

void TestCLcdPower::cleanup()
{
    SimPowerDevice::install(nullptr);
    m_device.reset();
    m_root.reset();
}

void TestCLcdPower::constructionHoldsThePower()
{
    CLcd_power lcd;
    QVERIFY(m_device->holding());
    QCOMPARE(m_device->events().size(), 1);
    QCOMPARE(m_device->indexOf(PowerDevice::Gpio, SimPowerDevice::GpioHold, 1), 0);
    QVERIFY(m_device->isOpen(PowerDevice::Pwm));
}

void TestCLcdPower::requestTable_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("panelBefore");
    QTest::addColumn<int>("charger");
    QTest::addColumn<bool>("leaveArgument");
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("result");

    QTest::newRow("charging") << "Get_Crg_Status" << true << 1 << false << int(PowerDevice::Gpio) << 12 << 0 << 1;
    QTest::newRow("charged") << "Get_Crg_Status" << true << 0 << false << int(PowerDevice::Gpio) << 12 << 0 << 0;
    QTest::newRow("fpga on") << "start_fpga" << true << 0 << false << int(PowerDevice::Gpio) << 10 << 1 << 1;
    QTest::newRow("fpga off") << "close_fpga" << true << 0 << false << int(PowerDevice::Gpio) << 9 << 0 << 0;
    QTest::newRow("panel state on") << "cget_Lcd_stat" << true << 0 << false << int(PowerDevice::Gpio) << 8 << -1 << 1;
    QTest::newRow("panel state off") << "cget_Lcd_stat" << false << 0 << false << int(PowerDevice::Gpio) << 8 << -1 << 0;
    // A driver that does not answer: the -1 sent comes back, neither state.
    QTest::newRow("panel state untouched") << "cget_Lcd_stat" << true << 0 << true << int(PowerDevice::Gpio) << 8 << -1 << -1;
    QTest::newRow("panel on, was off") << "start_Lcd" << false << 0 << false << int(PowerDevice::Gpio) << 7 << 1 << 1;
    QTest::newRow("panel on, was on") << "start_Lcd" << true << 0 << false << int(PowerDevice::Gpio) << 7 << 1 << 0;
    QTest::newRow("panel off") << "close_Lcd" << true << 0 << false << int(PowerDevice::Gpio) << 7 << 0 << 1;
    QTest::newRow("kill") << "close_Power" << true << 0 << false << int(PowerDevice::Gpio) << 1 << 0 << 0;
    QTest::newRow("backlight") << "lcd_pwm" << true << 0 << false << int(PowerDevice::Pwm) << 1 << 4096 << 0;
}

void TestCLcdPower::requestTable()
{
    QFETCH(QString, operation);
    QFETCH(bool, panelBefore);
    QFETCH(int, charger);
    QFETCH(bool, leaveArgument);
    QFETCH(int, node);
    QFETCH(int, request);
    QFETCH(int, sent);
    QFETCH(int, result);

    CLcd_power lcd;
    m_device->setPanelOn(panelBefore);
    m_device->setCharger(charger);
    m_device->setLeaveArgument(leaveArgument);
    m_device->clearEvents();

    QCOMPARE(call(lcd, operation), result);
    const QList<SimPowerDevice::Event> events = m_device->events();
    QCOMPARE(events.size(), 1);
    QCOMPARE(int(events.first().node), node);
    QCOMPARE(int(events.first().request), request);
    QCOMPARE(events.first().argument, sent);
    if (operation == QLatin1String("lcd_pwm"))
        QCOMPARE(m_device->backlight(), 4096);
    if (operation == QLatin1String("close_Power"))
        QVERIFY(m_device->powerCut());
}

void TestCLcdPower::missingNodes_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("requestSent");
    // Without the GPIO node the operations answer -1 without asking the
    // driver, except the charger status, which asks and fails.
    for (const char *op : {"start_fpga", "close_fpga", "cget_Lcd_stat", "start_Lcd", "close_Lcd", "close_Power"})
        QTest::newRow(op) << QString::fromLatin1(op) << false;
    QTest::newRow("Get_Crg_Status") << QStringLiteral("Get_Crg_Status") << true;
}

void TestCLcdPower::missingNodes()
{
    QFETCH(QString, operation);
    QFETCH(bool, requestSent);
    m_device->setPresent(PowerDevice::Gpio, false);
    CLcd_power lcd;
    // The hold request is sent anyway and fails.
    QCOMPARE(m_device->events().size(), 1);
    QCOMPARE(m_device->events().first().result, -1);
    m_device->clearEvents();
    QCOMPARE(call(lcd, operation), -1);
    QCOMPARE(m_device->events().size(), requestSent ? 1 : 0);
}

void TestCLcdPower::failedKillIsReported()
{
    CLcd_power lcd;
    m_device->failRequest(PowerDevice::Gpio, SimPowerDevice::GpioKill);
    QCOMPARE(lcd.close_Power(), -1);
    QVERIFY(!m_device->powerCut());
}

void TestCLcdPower::realNodesMissingUnderTheRoot()
{
    SimPowerDevice::install(nullptr);
    CLcd_power lcd;
    for (const char *op : {"start_fpga", "close_fpga", "cget_Lcd_stat", "start_Lcd", "close_Lcd", "close_Power",
                           "Get_Crg_Status"})
        QCOMPARE(call(lcd, QString::fromLatin1(op)), -1);
    lcd.lcd_pwm(4096);
    // Never the host's disks from a test root.
    QVERIFY(!lcd.sync_Disks());
}

QTEST_GUILESS_MAIN(TestCLcdPower)
#include "tst_clcd_power.moc"
