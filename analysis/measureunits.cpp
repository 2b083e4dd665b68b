#include "measureunits.h"

#include "eglobal.h"

QString MeasureUnits::tempSuffix()
{
    switch (EGlobal::getSystemTempUnit()) {
    case 1:
        return QStringLiteral(" F");
    case 2:
        return QStringLiteral(" K");
    default:
        return QStringLiteral(" ") + QChar(0x00B0) + QLatin1Char('C');
    }
}

float MeasureUnits::offsetOut(float celsius)
{
    return EGlobal::getSystemTempUnit() == 1 ? float(double(celsius) * 1.8) : celsius;
}

float MeasureUnits::offsetIn(float shown)
{
    return EGlobal::getSystemTempUnit() == 1 ? float(double(shown) / 1.8) : shown;
}
