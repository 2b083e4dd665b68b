#include "factoryreset.h"
#include "recordingfactoryreset.h"

#include <QtTest>

// The factory reset's calls and key writes in their order, against a log
// written out from the factory table and the reset's steps.
class TstFactoryReset : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void logEqualsFactoryTable_data();
    void logEqualsFactoryTable();
    void alarmAlwaysDisarmed_data();
    void alarmAlwaysDisarmed();
    void failedWriteReported();
};

namespace {
QStringList expectedLog(bool rangeSwitched)
{
    QStringList log;
    auto w = [&log](const QString &key, const QString &value) { log << QStringLiteral("write %1 %2").arg(key, value); };
    if (rangeSwitched) {
        w("BiaoDing/TempRange", "0");
        log << "changeTempRange 0";
    }
    w("GlobalPara/Emiss", "0.95");
    w("GlobalPara/Distan", "5");
    w("GlobalPara/Offset", "0.00");
    w("GlobalPara/Env", "25.00");
    w("GlobalPara/Reflec", "25.00");
    w("GlobalPara/Humid", "0.60");
    log << "setEnvTemp 25.00" << "setHumid 0.60" << "setReflecTemp 25.00" << "setSystemTempSetup 0.95 5.00 0.00";
    auto parameters = [&](const QString &group) {
        w(group + "/Emiss", "0.95");
        w(group + "/Distan", "5");
        w(group + "/Offset", "0.00");
        w(group + "/ParaMode", "1");
        w(group + "/Emiss_Material", "Custom");
    };
    const char *spotX[] = {"160", "80", "240"};
    for (int n = 1; n <= 3; ++n) {
        const QString g = QStringLiteral("Spot_%1").arg(n);
        parameters(g);
        w(g + "/Position_x", spotX[n - 1]);
        w(g + "/Position_y", "120");
        log << QStringLiteral("Spot %1 setTempSetup 0.95 5.00 0.00 setParaMode 1").arg(n)
            << QStringLiteral("Spot %1 setMode 0").arg(n);
        if (n == 1)
            log << "showSpot 1" << "clearCurrentFocusWidget";
        else
            log << QStringLiteral("hideSpot %1").arg(n);
    }
    log << "SpotTab readPara";
    const char *corners[3][4] = {{"120", "80", "200", "160"}, {"40", "80", "120", "160"}, {"200", "80", "280", "160"}};
    for (int n = 1; n <= 3; ++n) {
        const QString g = QStringLiteral("Area_%1").arg(n);
        parameters(g);
        w(g + "/Position_xlt", corners[n - 1][0]);
        w(g + "/Position_ylt", corners[n - 1][1]);
        w(g + "/Position_xrb", corners[n - 1][2]);
        w(g + "/Position_yrb", corners[n - 1][3]);
        log << QStringLiteral("Area %1 setTempSetup 0.95 5.00 0.00 setParaMode 1").arg(n)
            << QStringLiteral("Area %1 setMode 1 1 1").arg(n)
            << QStringLiteral("Area %1 setWidth 80 setHeight 80 move %2 80").arg(n).arg(corners[n - 1][0])
            << QStringLiteral("hideArea %1").arg(n);
    }
    log << "AreaTab readPara";
    for (int n = 1; n <= 2; ++n) {
        const QString g = QStringLiteral("Line_%1").arg(n);
        parameters(g);
        w(g + "/Column", "160");
        w(g + "/Row", "120");
        log << QStringLiteral("Line %1 setTempSetup 0.95 5.00 0.00 setParaMode 1").arg(n)
            << QStringLiteral("Line %1 move 160 120").arg(n) << QStringLiteral("hideLine %1").arg(n);
    }
    log << "LineTab readPara";
    log << "Spot 1 openAlarm 0" << "Spot 2 openAlarm 0" << "Spot 3 openAlarm 0" << "fpga_open_alarm 0";
    w("Alarm/Alarm_Switch", "0");
    w("Alarm/Alarm_Target", "0");
    w("Alarm/Alarm_Mode", "0");
    w("Alarm/Alarm_Temp", "50.0");
    log << "setImageMode 0";
    w("Image_IR_Pipe_CCD_Position", "0");
    w("Image_CCD_Pipe_IR_Position", "0");
    w("ImageMix/Image_IR_Mix_CCD_Size", "1");
    w("ImageMix/Image_CCD_Mix_IR_Size", "1");
    w("ImageMix/IR_MIX_VIS_Percent", "50");
    w("ImageMix/VIS_MIX_IR_Percent", "50");
    log << "Pip readConfig" << "setStandardPaletteIndex 0";
    w("ColorTable_Mode", "Standard");
    w("Standard_ColorTable_Index", "0");
    w("Custom_ColorTable_Index", "0");
    log << "Palette readConfig" << "setLevelSpanMode 0" << "Mode readConfig";
    w("ISO/Switch", "0");
    w("ISO/Color", "Black");
    w("ISO/Mode", "0");
    w("ISO/IsoLevelMin", "20.0");
    w("ISO/IsoLevelMax", "30.0");
    log << "setIsoSwitch 0" << "setIsoPara 0 20.00 30.00 Black" << "clearScreen 0";
    w("Output", "OFF");
    log << "setADV7179Mode 0";
    w("Precision", "Single");
    log << "setDoublePrecision 0" << "changePrecision";
    w("TempUnit", "0");
    log << "changeTempUnit 0";
    w("LenUnit", "0");
    log << "setSystemLenUnit 0" << "General readConfig";
    w("Laser", "off");
    w("Lamp", "off");
    log << "laserHandler 0" << "lampHandler 0";
    w("BrightConfig", "183");
    log << "lcd_pwm 0";
    w("AutoShutterIndex", "3");
    w("AutoShutterPeriod", "60");
    w("CloseScreenIndex", "0");
    w("CloseScreenPeriod", "0");
    w("ShutdownIndex", "0");
    w("ShutdownPeriod", "0");
    log << "Misc readConfig";
    w("PhotoTimeCount", "5");
    w("PhotoTimeUnit", "0");
    log << "repeatHandler_stop" << "commit";
    return log;
}
} // namespace

void TstFactoryReset::logEqualsFactoryTable_data()
{
    QTest::addColumn<int>("storedRange");
    QTest::newRow("range 0 stays") << 0;
    QTest::newRow("range 1 switched") << 1;
}

void TstFactoryReset::logEqualsFactoryTable()
{
    QFETCH(int, storedRange);
    RecordingFactoryReset recorder;
    recorder.stored.insert(QStringLiteral("BiaoDing/TempRange"), storedRange);
    QVERIFY(FactoryReset(recorder, recorder).run());
    const QStringList expected = expectedLog(storedRange != 0);
    for (int i = 0; i < qMin(expected.size(), recorder.log.size()); ++i)
        QCOMPARE(recorder.log.at(i), expected.at(i));
    QCOMPARE(recorder.log.size(), expected.size());
}

// Whatever switch and target are stored (even a target that names no
// spot), all three spots are disarmed and the output is switched off.
void TstFactoryReset::alarmAlwaysDisarmed_data()
{
    QTest::addColumn<int>("alarmSwitch");
    QTest::addColumn<int>("target");
    QTest::newRow("off") << 0 << 0;
    QTest::newRow("on, spot 2") << 1 << 1;
    QTest::newRow("on, no such spot") << 1 << 7;
}

void TstFactoryReset::alarmAlwaysDisarmed()
{
    QFETCH(int, alarmSwitch);
    QFETCH(int, target);
    RecordingFactoryReset recorder;
    recorder.stored.insert(QStringLiteral("Alarm/Alarm_Switch"), alarmSwitch);
    recorder.stored.insert(QStringLiteral("Alarm/Alarm_Target"), target);
    QVERIFY(FactoryReset(recorder, recorder).run());
    const int output = int(recorder.log.indexOf(QStringLiteral("fpga_open_alarm 0")));
    QVERIFY(output > 0);
    for (int n = 1; n <= 3; ++n) {
        const int disarm = int(recorder.log.indexOf(QStringLiteral("Spot %1 openAlarm 0").arg(n)));
        QVERIFY(disarm >= 0 && disarm < output);
    }
    QVERIFY(output < recorder.log.indexOf(QStringLiteral("write Alarm/Alarm_Switch 0")));
}

void TstFactoryReset::failedWriteReported()
{
    RecordingFactoryReset recorder;
    recorder.commitResult = false;
    QVERIFY(!FactoryReset(recorder, recorder).run());
    QCOMPARE(recorder.log.last(), QStringLiteral("commit"));
}

QTEST_MAIN(TstFactoryReset)
#include "tst_factoryreset.moc"
