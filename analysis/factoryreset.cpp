#include "factoryreset.h"

#include "factoryresetactions.h"
#include "factoryresetstore.h"

namespace {
const QString Spot = QStringLiteral("Spot");
const QString Area = QStringLiteral("Area");
const QString Line = QStringLiteral("Line");

QString fixed2(float value)
{
    return QString::asprintf("%.2f", double(value));
}

TempSetup factorySetup()
{
    return TempSetup{FactoryReset::Emiss, float(FactoryReset::Distance), 0.0f, 0};
}

struct AreaCorners
{
    int xlt, ylt, xrb, yrb;
};
const AreaCorners s_areas[3] = {{120, 80, 200, 160}, {40, 80, 120, 160}, {200, 80, 280, 160}};
const int s_spotX[3] = {160, 80, 240};
} // namespace

FactoryReset::FactoryReset(FactoryResetActions &actions, FactoryResetStore &store)
    : m_actions(actions)
    , m_store(store)
{
}

bool FactoryReset::run()
{
    resetRange();
    resetGlobal();
    resetSpots();
    resetAreas();
    resetLines();
    resetAlarm();
    resetImage();
    resetDevice();
    return m_store.commit();
}

void FactoryReset::resetRange()
{
    const QString group = QStringLiteral("BiaoDing");
    if (m_store.readInt(group, QStringLiteral("TempRange"), 0) == 0)
        return;
    m_store.setValue(group, QStringLiteral("TempRange"), 0);
    m_actions.changeTempRange(0);
}

void FactoryReset::resetGlobal()
{
    const QString group = QStringLiteral("GlobalPara");
    writeMeasureParameters(group);
    m_store.setValue(group, QStringLiteral("Env"), fixed2(Ambient));
    m_store.setValue(group, QStringLiteral("Reflec"), fixed2(Ambient));
    m_store.setValue(group, QStringLiteral("Humid"), fixed2(Humidity));
    m_actions.setEnvTemp(Ambient);
    m_actions.setHumid(Humidity);
    m_actions.setReflecTemp(Ambient);
    m_actions.setSystemTempSetup(factorySetup());
}

void FactoryReset::writeMeasureParameters(const QString &group)
{
    m_store.setValue(group, QStringLiteral("Emiss"), fixed2(Emiss));
    m_store.setValue(group, QStringLiteral("Distan"), QString::number(Distance));
    m_store.setValue(group, QStringLiteral("Offset"), fixed2(0.0f));
}

void FactoryReset::writeObjectParameters(const QString &group)
{
    writeMeasureParameters(group);
    m_store.setValue(group, QStringLiteral("ParaMode"), 1);
    m_store.setValue(group, QStringLiteral("Emiss_Material"), QStringLiteral("Custom"));
}

void FactoryReset::resetSpots()
{
    for (int n = 1; n <= 3; ++n) {
        const QString group = QStringLiteral("Spot_%1").arg(n);
        writeObjectParameters(group);
        m_store.setValue(group, QStringLiteral("Position_x"), s_spotX[n - 1]);
        m_store.setValue(group, QStringLiteral("Position_y"), 120);
        m_actions.setObjectParameters(Spot, n, factorySetup(), PARA_GLOBAL);
        m_actions.setSpotMode(n, 0);
        if (n == 1) {
            m_actions.showSpot(1);
            m_actions.clearCurrentFocusWidget();
        } else {
            m_actions.hideObject(Spot, n);
        }
    }
    m_actions.readTabTicks(Spot);
}

void FactoryReset::resetAreas()
{
    for (int n = 1; n <= 3; ++n) {
        const QString group = QStringLiteral("Area_%1").arg(n);
        const AreaCorners &c = s_areas[n - 1];
        writeObjectParameters(group);
        m_store.setValue(group, QStringLiteral("Position_xlt"), c.xlt);
        m_store.setValue(group, QStringLiteral("Position_ylt"), c.ylt);
        m_store.setValue(group, QStringLiteral("Position_xrb"), c.xrb);
        m_store.setValue(group, QStringLiteral("Position_yrb"), c.yrb);
        m_actions.setObjectParameters(Area, n, factorySetup(), PARA_GLOBAL);
        m_actions.setAreaResults(n, true, true, true);
        m_actions.setAreaGeometry(n, 80, 80, c.xlt, c.ylt);
        m_actions.hideObject(Area, n);
    }
    m_actions.readTabTicks(Area);
}

void FactoryReset::resetLines()
{
    for (int n = 1; n <= 2; ++n) {
        const QString group = QStringLiteral("Line_%1").arg(n);
        writeObjectParameters(group);
        m_store.setValue(group, QStringLiteral("Column"), 160);
        m_store.setValue(group, QStringLiteral("Row"), 120);
        m_actions.setObjectParameters(Line, n, factorySetup(), PARA_GLOBAL);
        m_actions.moveLine(n, 160, 120);
        m_actions.hideObject(Line, n);
    }
    m_actions.readTabTicks(Line);
}

// Whatever the stored switch and target say, no spot stays armed and the
// board's alarm output ends off.
void FactoryReset::resetAlarm()
{
    for (int n = 1; n <= 3; ++n)
        m_actions.disarmSpotAlarm(n);
    m_actions.setAlarmOutput(false);
    const QString group = QStringLiteral("Alarm");
    m_store.setValue(group, QStringLiteral("Alarm_Switch"), 0);
    m_store.setValue(group, QStringLiteral("Alarm_Target"), 0);
    m_store.setValue(group, QStringLiteral("Alarm_Mode"), 0);
    m_store.setValue(group, QStringLiteral("Alarm_Temp"), QStringLiteral("50.0"));
}

void FactoryReset::resetImage()
{
    m_actions.setImageMode(0);
    m_store.setValue(QString(), QStringLiteral("Image_IR_Pipe_CCD_Position"), 0);
    m_store.setValue(QString(), QStringLiteral("Image_CCD_Pipe_IR_Position"), 0);
    const QString mix = QStringLiteral("ImageMix");
    m_store.setValue(mix, QStringLiteral("Image_IR_Mix_CCD_Size"), 1);
    m_store.setValue(mix, QStringLiteral("Image_CCD_Mix_IR_Size"), 1);
    m_store.setValue(mix, QStringLiteral("IR_MIX_VIS_Percent"), 50);
    m_store.setValue(mix, QStringLiteral("VIS_MIX_IR_Percent"), 50);
    m_actions.readPage(QStringLiteral("Pip"));

    m_actions.setStandardPalette(0);
    m_store.setValue(QString(), QStringLiteral("ColorTable_Mode"), QStringLiteral("Standard"));
    m_store.setValue(QString(), QStringLiteral("Standard_ColorTable_Index"), 0);
    m_store.setValue(QString(), QStringLiteral("Custom_ColorTable_Index"), 0);
    m_actions.readPage(QStringLiteral("Palette"));

    m_actions.setLevelSpanMode(0);
    m_actions.readPage(QStringLiteral("Mode"));

    const QString iso = QStringLiteral("ISO");
    m_store.setValue(iso, QStringLiteral("Switch"), 0);
    m_store.setValue(iso, QStringLiteral("Color"), QStringLiteral("Black"));
    m_store.setValue(iso, QStringLiteral("Mode"), 0);
    m_store.setValue(iso, QStringLiteral("IsoLevelMin"), QStringLiteral("20.0"));
    m_store.setValue(iso, QStringLiteral("IsoLevelMax"), QStringLiteral("30.0"));
    m_actions.setIsoSwitch(false);
    m_actions.setIsotherm(0, 20.0f, 30.0f, "Black");

    m_actions.clearScreen(false);
}

void FactoryReset::resetDevice()
{
    m_store.setValue(QString(), QStringLiteral("Output"), QStringLiteral("OFF"));
    m_actions.setVideoOutputMode(0);
    m_store.setValue(QString(), QStringLiteral("Precision"), QStringLiteral("Single"));
    m_actions.setDoublePrecision(false);
    m_actions.changePrecision();
    m_store.setValue(QString(), QStringLiteral("TempUnit"), 0);
    m_actions.changeTempUnit(0);
    m_store.setValue(QString(), QStringLiteral("LenUnit"), 0);
    m_actions.setSystemLenUnit(0);
    m_actions.readPage(QStringLiteral("General"));
    m_store.setValue(QString(), QStringLiteral("Laser"), QStringLiteral("off"));
    m_store.setValue(QString(), QStringLiteral("Lamp"), QStringLiteral("off"));
    m_actions.laserHandler(false);
    m_actions.lampHandler(false);
    m_store.setValue(QString(), QStringLiteral("BrightConfig"), 183);
    m_actions.lcdPwm(0);
    const QList<QPair<QString, int>> timers = {
        {QStringLiteral("AutoShutterIndex"), 3}, {QStringLiteral("AutoShutterPeriod"), 60},
        {QStringLiteral("CloseScreenIndex"), 0}, {QStringLiteral("CloseScreenPeriod"), 0},
        {QStringLiteral("ShutdownIndex"), 0},    {QStringLiteral("ShutdownPeriod"), 0},
    };
    for (const auto &timer : timers)
        m_store.setValue(QString(), timer.first, timer.second);
    m_actions.readPage(QStringLiteral("Misc"));
    m_store.setValue(QString(), QStringLiteral("PhotoTimeCount"), 5);
    m_store.setValue(QString(), QStringLiteral("PhotoTimeUnit"), 0);
    m_actions.stopIntervalCapture();
}
