#include "recordingfactoryreset.h"

namespace {
QString num(float v)
{
    return QString::number(double(v), 'f', 2);
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString setup(const TempSetup &s)
{
    return num(s.emiss) + QLatin1Char(' ') + num(s.dist) + QLatin1Char(' ') + num(s.offset);
}
} // namespace

void RecordingFactoryReset::changeTempRange(int range) { add(QStringLiteral("changeTempRange %1").arg(range)); }
void RecordingFactoryReset::setEnvTemp(float c) { add(QStringLiteral("setEnvTemp ") + num(c)); }
void RecordingFactoryReset::setHumid(float f) { add(QStringLiteral("setHumid ") + num(f)); }
void RecordingFactoryReset::setReflecTemp(float c) { add(QStringLiteral("setReflecTemp ") + num(c)); }
void RecordingFactoryReset::setSystemTempSetup(const TempSetup &s)
{
    add(QStringLiteral("setSystemTempSetup ") + setup(s));
}
void RecordingFactoryReset::setObjectParameters(const QString &kind, int n, const TempSetup &s, ParaMode_t mode)
{
    add(QStringLiteral("%1 %2 setTempSetup %3 setParaMode %4").arg(kind).arg(n).arg(setup(s)).arg(mode));
}
void RecordingFactoryReset::setSpotMode(int n, int mode) { add(QStringLiteral("Spot %1 setMode %2").arg(n).arg(mode)); }
void RecordingFactoryReset::showSpot(int n) { add(QStringLiteral("showSpot %1").arg(n)); }
void RecordingFactoryReset::clearCurrentFocusWidget() { add(QStringLiteral("clearCurrentFocusWidget")); }
void RecordingFactoryReset::hideObject(const QString &kind, int n) { add(QStringLiteral("hide%1 %2").arg(kind).arg(n)); }
void RecordingFactoryReset::setAreaResults(int n, bool max, bool min, bool average)
{
    add(QStringLiteral("Area %1 setMode %2 %3 %4").arg(n).arg(flag(max), flag(min), flag(average)));
}
void RecordingFactoryReset::setAreaGeometry(int n, int width, int height, int x, int y)
{
    add(QStringLiteral("Area %1 setWidth %2 setHeight %3 move %4 %5").arg(n).arg(width).arg(height).arg(x).arg(y));
}
void RecordingFactoryReset::moveLine(int n, int x, int y) { add(QStringLiteral("Line %1 move %2 %3").arg(n).arg(x).arg(y)); }
void RecordingFactoryReset::readTabTicks(const QString &kind) { add(QStringLiteral("%1Tab readPara").arg(kind)); }
void RecordingFactoryReset::disarmSpotAlarm(int n) { add(QStringLiteral("Spot %1 openAlarm 0").arg(n)); }
void RecordingFactoryReset::setAlarmOutput(bool on) { add(QStringLiteral("fpga_open_alarm ") + flag(on)); }
void RecordingFactoryReset::setImageMode(int mode) { add(QStringLiteral("setImageMode %1").arg(mode)); }
void RecordingFactoryReset::setStandardPalette(int index) { add(QStringLiteral("setStandardPaletteIndex %1").arg(index)); }
void RecordingFactoryReset::setLevelSpanMode(int mode) { add(QStringLiteral("setLevelSpanMode %1").arg(mode)); }
void RecordingFactoryReset::readPage(const QString &page) { add(page + QStringLiteral(" readConfig")); }
void RecordingFactoryReset::setIsoSwitch(bool on) { add(QStringLiteral("setIsoSwitch ") + flag(on)); }
void RecordingFactoryReset::setIsotherm(int mode, float lower, float upper, const char *colour)
{
    add(QStringLiteral("setIsoPara %1 %2 %3 %4").arg(mode).arg(num(lower), num(upper), QLatin1String(colour)));
}
void RecordingFactoryReset::clearScreen(bool cleared) { add(QStringLiteral("clearScreen ") + flag(cleared)); }
void RecordingFactoryReset::setVideoOutputMode(int mode) { add(QStringLiteral("setADV7179Mode %1").arg(mode)); }
void RecordingFactoryReset::setDoublePrecision(bool on) { add(QStringLiteral("setDoublePrecision ") + flag(on)); }
void RecordingFactoryReset::changePrecision() { add(QStringLiteral("changePrecision")); }
void RecordingFactoryReset::changeTempUnit(int unit) { add(QStringLiteral("changeTempUnit %1").arg(unit)); }
void RecordingFactoryReset::setSystemLenUnit(int unit) { add(QStringLiteral("setSystemLenUnit %1").arg(unit)); }
void RecordingFactoryReset::laserHandler(bool on) { add(QStringLiteral("laserHandler ") + flag(on)); }
void RecordingFactoryReset::lampHandler(bool on) { add(QStringLiteral("lampHandler ") + flag(on)); }
void RecordingFactoryReset::lcdPwm(int value) { add(QStringLiteral("lcd_pwm %1").arg(value)); }
void RecordingFactoryReset::stopIntervalCapture() { add(QStringLiteral("repeatHandler_stop")); }

int RecordingFactoryReset::readInt(const QString &group, const QString &key, int fallback)
{
    return stored.value(group + QLatin1Char('/') + key, fallback);
}

void RecordingFactoryReset::setValue(const QString &group, const QString &key, const QVariant &value)
{
    add(QStringLiteral("write ") + (group.isEmpty() ? key : group + QLatin1Char('/') + key) + QLatin1Char(' ')
        + value.toString());
}

bool RecordingFactoryReset::commit()
{
    add(QStringLiteral("commit"));
    return commitResult;
}
