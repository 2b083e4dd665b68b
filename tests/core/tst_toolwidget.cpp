#include "../libtherma/frontfixture.h"

#include "clcd_power.h"
#include "eanalysistab.h"
#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "etoolwidget.h"
#include "zmultifunctional.h"
#include "intervals.h"
#include "poweroff.h"
#include "recordingcommandrunner.h"
#include "simpowerdevice.h"
#include "simulatedclock.h"
#include "systemclock.h"

#include <QLabel>
#include <QSettings>
#include <QtTest>

// The status bar over the simulated board and power nodes: the clock
// text, the adaptive automatic shutter against a scripted sensor, the
// screen-off and wake PWM values, the idle power-off ending in PowerOff,
// and the fusion presets.
class TestToolWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void clockText_data();
    void clockText();
    void iconsAndUnit();
    void adaptiveShutter();
    void shutterThreshold_data();
    void shutterThreshold();
    void fixedShutterAndCalibrationMode();
    void wakePwm_data();
    void wakePwm();
    void screenOffAndWake();
    void idlePowerOff_data();
    void idlePowerOff();
    void mixPresets_data();
    void mixPresets();
    void popupToggles();
};

namespace {
struct Bar
{
    explicit Bar(const QByteArray &settings = QByteArray())
    {
        if (!settings.isEmpty())
            front.settings(settings);
        SimPowerDevice::install(device);
        lcd = std::make_unique<CLcd_power>();
        EGlobal::set_LcdPower(lcd.get());
        PowerOff::instance()->reset();
        EGlobal::setFPGA(&front.start());
        view = std::make_unique<EGraphicsView>();
    }
    ~Bar()
    {
        view.reset();
        EGlobal::setFPGA(nullptr);
        PowerOff::instance()->reset();
        EGlobal::set_LcdPower(nullptr);
        lcd.reset();
        SimPowerDevice::install(nullptr);
    }
    bool rebooted() const { return front.root.runner()->lines().contains(QStringLiteral("reboot")); }
    EToolWidget &tool() { return *view->toolBar(); }
    void sensor(float celsius) { front.board->setSensorTempWord(uint16_t(int16_t(qRound(celsius * 256)))); }

    FrontFixture front{false};
    std::shared_ptr<SimPowerDevice> device = std::make_shared<SimPowerDevice>();
    std::unique_ptr<CLcd_power> lcd;
    std::unique_ptr<EGraphicsView> view;
};
} // namespace

void TestToolWidget::cleanup()
{
    Intervals::setScale(1.0);
    EGlobal::setSystemTempUnit(0);
}

void TestToolWidget::clockText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("24 h odd") << QTime(12, 5, 1) << 24 << QStringLiteral("12:05");
    QTest::newRow("24 h even") << QTime(12, 5, 2) << 24 << QStringLiteral("12 05");
    QTest::newRow("12 h odd") << QTime(12, 5, 1) << 12 << QStringLiteral("12:05 PM");
    QTest::newRow("12 h even") << QTime(12, 5, 2) << 12 << QStringLiteral("12 05 PM");
    QTest::newRow("12 h morning") << QTime(9, 30, 3) << 12 << QStringLiteral("09:30 AM");
}

void TestToolWidget::clockText()
{
    QFETCH(QTime, time);
    QFETCH(int, format);
    QFETCH(QString, text);
    QCOMPARE(EToolWidget::clockText(time, format), text);
}

void TestToolWidget::iconsAndUnit()
{
    Bar b("[General]\nTempUnit=1\n[GlobalPara]\nEmiss=0.87\n");
    EToolWidget &tool = b.tool();
    QCOMPARE(EGlobal::getToolBar(), &tool);
    QCOMPARE(tool.geometry(), QRect(0, 0, 320, 16));
    QCOMPARE(tool.unitLabel()->text(), QStringLiteral("F"));
    QCOMPARE(EGlobal::getSystemTempUnit(), char(1));
    tool.show();
    QCOMPARE(tool.emissLabel()->text(), QStringLiteral("E=0.87"));
    tool.changeTempUnit(2);
    QCOMPARE(tool.unitLabel()->text(), QStringLiteral("K"));
    tool.changeTempUnit(0);
    QCOMPARE(tool.unitLabel()->text(), QString(QChar(0x00B0)) + QLatin1Char('C'));
    b.view->laserHandler(true);
    QVERIFY(tool.getLaserStatus() && tool.laserIcon()->isVisibleTo(&tool));
    tool.displaySDCard(true);
    tool.freezeImageFlag(true);
    QVERIFY(tool.sdIcon()->isVisibleTo(&tool) && tool.freezeIcon()->isVisibleTo(&tool));
    QVERIFY(tool.clockTimer()->isActive());
}

// A quiet sensor: checks at 10, 15, 20 and 25 s raise the period; the one
// at 30 s fires, and from then every 30 s fires.
void TestToolWidget::adaptiveShutter()
{
    Bar b;
    EToolWidget &tool = b.tool();
    b.sensor(0.0f);
    tool.shutterHandler(true, -1);
    QVERIFY(tool.isAutoShutter() && tool.shutterIcon()->isVisibleTo(&tool));
    QCOMPARE(tool.shutterTimer()->interval(), 10000);
    for (int period : {15000, 20000, 25000, 30000}) {
        tool.shutterTimerHandler();
        QVERIFY(!b.view->isShutting());
        QCOMPARE(tool.shutterPeriodMs(), period);
        QCOMPARE(tool.shutterTimer()->interval(), 5000);
    }
    tool.shutterTimerHandler();
    QVERIFY(b.view->isShutting());
    QCOMPARE(tool.shutterTimer()->interval(), 30000);
    b.view->slot_hideShutterDisplay();
    tool.shutterTimerHandler();
    QVERIFY(b.view->isShutting());
    QCOMPARE(tool.shutterTimer()->interval(), 30000);

    // Pausing keeps mode and period; configuring again starts at 10 s.
    tool.startShutterTimer(false);
    tool.startShutterTimer(true);
    QCOMPARE(tool.shutterTimer()->interval(), 30000);
    tool.shutterHandler(true, -1);
    QCOMPARE(tool.shutterPeriodMs(), 10000);
    tool.shutterHandler(false, 0);
    QVERIFY(!tool.shutterTimer()->isActive() && !tool.shutterIcon()->isVisibleTo(&tool));
    tool.startShutterTimer(true);
    QVERIFY(!tool.shutterTimer()->isActive());
}

void TestToolWidget::shutterThreshold_data()
{
    QTest::addColumn<int>("counts"); // 1/256 degree
    QTest::addColumn<bool>("fires");
    QTest::newRow("0.125 fires") << 32 << true;
    QTest::newRow("-0.125 fires") << -32 << true;
    QTest::newRow("0.121 does not") << 31 << false;
}

void TestToolWidget::shutterThreshold()
{
    QFETCH(int, counts);
    QFETCH(bool, fires);
    Bar b;
    EToolWidget &tool = b.tool();
    b.sensor(20.0f);
    tool.shutterHandler(true, -1);
    tool.shutterTimerHandler(); // 20 degrees against 0: fires, last = 20
    QVERIFY(b.view->isShutting());
    b.view->slot_hideShutterDisplay();
    QCOMPARE(tool.lastShutterTemp(), 20.0f);
    b.front.board->setSensorTempWord(uint16_t(int16_t(20 * 256 + counts)));
    tool.shutterTimerHandler();
    QCOMPARE(b.view->isShutting(), fires);
    QCOMPARE(tool.shutterPeriodMs(), fires ? 10000 : 15000);
}

void TestToolWidget::fixedShutterAndCalibrationMode()
{
    Bar b;
    EToolWidget &tool = b.tool();
    tool.shutterHandler(true, 60);
    QVERIFY(!tool.isAutoShutter());
    QCOMPARE(tool.shutterTimer()->interval(), 60000);
    b.view->setInterfaceMode(EGraphicsViewPrivate::CalibrationInterface);
    tool.shutterTimerHandler();
    QVERIFY(!b.view->isShutting());
    tool.shutterHandler(true, -1);
    b.sensor(40.0f);
    tool.shutterTimerHandler();
    QVERIFY(!b.view->isShutting());
    QCOMPARE(tool.shutterPeriodMs(), 10000);
    b.view->setInterfaceMode(EGraphicsViewPrivate::NormalInterface);
    tool.shutterHandler(true, 60);
    tool.shutterTimerHandler();
    QVERIFY(b.view->isShutting());
}

void TestToolWidget::wakePwm_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("pwm");
    QTest::newRow("unset: 38") << 0 << 6491;
    QTest::newRow("38") << 38 << 6491;
    QTest::newRow("100") << 100 << 3716;
    QTest::newRow("183: brightest") << 183 << 0;
    QTest::newRow("250 clamped") << 250 << 0;
    QTest::newRow("negative") << -7 << 6491;
}

void TestToolWidget::wakePwm()
{
    QFETCH(int, brightness);
    QFETCH(int, pwm);
    QCOMPARE(EToolWidget::wakePwm(brightness), pwm);
}

void TestToolWidget::screenOffAndWake()
{
    Bar b("[General]\nCloseScreenPeriod=60\nBrightConfig=300\n");
    EToolWidget &tool = b.tool();
    b.device->clearEvents();
    tool.start_pwm_timer();
    QCOMPARE(b.device->backlight(), 4096);
    QVERIFY(tool.screenOffTimer()->isActive());
    QCOMPARE(tool.screenOffTimer()->interval(), 30000);
    tool.pwm_slots();
    QVERIFY(!b.device->panelOn());
    QVERIFY(b.view->getLcdPowerstate());
    QVERIFY(!tool.powerOffTicker()->isActive());
    tool.stop_pwm_timer();
    QVERIFY(b.device->panelOn());
    QVERIFY(!b.view->getLcdPowerstate());
    // 300 is clamped to 183: never a value below 0 to the device.
    QCOMPARE(b.device->backlight(), 0);
    QVERIFY(!tool.screenOffTimer()->isActive());
}

void TestToolWidget::idlePowerOff_data()
{
    QTest::addColumn<int>("shutdownPeriod");
    QTest::addColumn<bool>("recording");
    QTest::addColumn<bool>("stuck");
    QTest::newRow("60: never") << 60 << false << false;
    QTest::newRow("61: one second") << 61 << false << false;
    QTest::newRow("recording stops first") << 63 << true << false;
    QTest::newRow("recording never stops") << 61 << true << true;
}

void TestToolWidget::idlePowerOff()
{
    QFETCH(int, shutdownPeriod);
    QFETCH(bool, recording);
    QFETCH(bool, stuck);
    Intervals::setScale(0.001);
    Bar b(QByteArray("[General]\nCloseScreenPeriod=0\nShutdownPeriod=") + QByteArray::number(shutdownPeriod) + "\n");
    EToolWidget &tool = b.tool();
    CvmainWindow panel;
    EGlobal::set_cvmainwindow(&panel);
    if (recording) {
        panel.set_video_workstat(CvmainWindow::VRecording);
        b.view->SetCameraVideoFlag(true);
    }
    if (stuck)
        panel.set_Imagestate(1); // a photo being saved holds the stop back
    tool.start_pwm_timer();
    QCOMPARE(b.device->backlight() == 4096, false); // no dimming without a screen-off period
    tool.pwm_slots();
    QVERIFY(b.device->panelOn());
    if (shutdownPeriod <= 60) {
        QVERIFY(!tool.powerOffTicker()->isActive());
        EGlobal::set_cvmainwindow(nullptr);
        return;
    }
    QVERIFY(tool.powerOffTicker()->isActive());
    for (int s = 1; s < shutdownPeriod - 60; ++s) {
        tool.shutdownslots();
        QVERIFY(!PowerOff::instance()->isRunning());
    }
    tool.shutdownslots();
    QVERIFY(PowerOff::instance()->isRunning());
    QVERIFY(!tool.powerOffTicker()->isActive());
    QTRY_VERIFY(PowerOff::instance()->isFinished());
    const QStringList steps = PowerOff::instance()->steps();
    QVERIFY(b.rebooted());
    const int cut = steps.indexOf(QStringLiteral("power cut"));
    QVERIFY(cut > steps.indexOf(QStringLiteral("core shutdown")));
    if (recording)
        QVERIFY(steps.indexOf(QStringLiteral("stop recording")) < steps.indexOf(QStringLiteral("core shutdown")));
    QCOMPARE(steps.contains(QStringLiteral("recording still running")), stuck);
    QCOMPARE(b.view->GetCameraVideoFlag(), stuck);
    EGlobal::set_cvmainwindow(nullptr);
}

void TestToolWidget::mixPresets_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("storedIndex");
    QTest::newRow("stored 1 m") << QByteArray("[General]\nMIX_Index=1\nMIX_Dx_1.0=5\nMIX_Dy_1.0=-3\n") << 1 << 5 << -3 << 1;
    QTest::newRow("absent preset keeps current") << QByteArray("[General]\nMIX_Index=3\nMIX_Dx=7\nMIX_Dy=9\n") << 3 << 7 << 9 << 3;
    QTest::newRow("outside a byte") << QByteArray("[General]\nMIX_Index=0\nMIX_Dx_0.5=300\nMIX_Dy_0.5=-200\n") << 0 << 127 << -128 << 0;
    QTest::newRow("bad index reads as 2") << QByteArray("[General]\nMIX_Index=9\nMIX_Dx_2.0=4\nMIX_Dy_2.0=2\n") << 2 << 4 << 2 << 2;
}

void TestToolWidget::mixPresets()
{
    QFETCH(QByteArray, file);
    QFETCH(int, index);
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(int, storedIndex);
    Bar b;
    // A fresh bar over the written file: the stored preset goes to the board.
    b.front.root.writeFile(QStringLiteral("etc/MixOffset"), file);
    EToolWidget tool;
    QCOMPARE(tool.getMixIndex(), index);
    QCOMPARE(int(int8_t(b.front.board->registerByte(0x28))), dx);
    QSettings mix(QStringLiteral("etc/MixOffset"), QSettings::IniFormat);
    QCOMPARE(mix.value(QStringLiteral("MIX_Dx")).toInt(), dx);
    QCOMPARE(mix.value(QStringLiteral("MIX_Dy")).toInt(), dy);
    QCOMPARE(mix.value(QStringLiteral("MIX_Index")).toInt(), storedIndex);
    // An index outside 0..3 changes no offset but is stored.
    tool.setMixIndex(5);
    QCOMPARE(QSettings(QStringLiteral("etc/MixOffset"), QSettings::IniFormat).value(QStringLiteral("MIX_Index")).toInt(), 5);
    QCOMPARE(QSettings(QStringLiteral("etc/MixOffset"), QSettings::IniFormat).value(QStringLiteral("MIX_Dx")).toInt(), dx);
    EGlobal::setToolBar(b.view->toolBar());
}

// The strip's popup toggles: nothing before the popup exists, a visible one
// hides, a hidden one comes back.
void TestToolWidget::popupToggles()
{
    Bar bar;
    bar.tool().displayAnalysisWindow();
    bar.tool().displaymultifunctionWindow();
    {
        EAnalysisTab panel;
        ZMultifunctional strip;
        EGlobal::set_multifunctional(&strip);
        QVERIFY(!panel.isVisible());
        bar.tool().displayAnalysisWindow();
        QVERIFY(panel.isVisible());
        bar.tool().displayAnalysisWindow();
        QVERIFY(!panel.isVisible());
        bar.tool().displaymultifunctionWindow();
        QVERIFY(strip.isVisible());
        bar.tool().displaymultifunctionWindow();
        QVERIFY(!strip.isVisible());
        EGlobal::set_multifunctional(nullptr);
    }
    QVERIFY(!EGlobal::getAnalysisTab());
}

QTEST_MAIN(TestToolWidget)
#include "tst_toolwidget.moc"
