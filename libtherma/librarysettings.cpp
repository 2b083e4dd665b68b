#include "librarysettings.h"
#include "storedsettings.h"

#include <QSettings>

#include <cmath>
#include <limits>

namespace {

float checkedReal(const QSettings &settings, const QString &key, float fallback, double low, double high)
{
    const QVariant raw = settings.value(key);
    if (!raw.isValid())
        return fallback;
    bool ok = false;
    const double v = raw.toDouble(&ok);
    // "nan" and "inf" parse as numbers; neither passes the bounds below.
    if (!ok || !std::isfinite(v) || v < low || v > high) {
        qWarning("settings: %s = \"%s\" is not usable, taking %g", qPrintable(key),
                 qPrintable(raw.toString()), double(fallback));
        return fallback;
    }
    return float(v);
}

int checkedInt(const QSettings &settings, const QString &key, int fallback, int low, int high)
{
    const QVariant raw = settings.value(key);
    if (!raw.isValid())
        return fallback;
    bool ok = false;
    const qlonglong v = raw.toLongLong(&ok);
    if (!ok || v < low || v > high) {
        qWarning("settings: %s = \"%s\" is not usable, taking %d", qPrintable(key),
                 qPrintable(raw.toString()), fallback);
        return fallback;
    }
    return int(v);
}

} // namespace

LibrarySettings::GlobalPara LibrarySettings::defaults()
{
    return GlobalPara{0.95f, 5.0f, 0.0f, 25.0f, 0.6f, 25.0f};
}

int LibrarySettings::tempRange()
{
    StoredSettings settings(QLatin1String(fileName()), QSettings::IniFormat);
    return checkedInt(settings, QStringLiteral("BiaoDing/TempRange"), 0, 0, 1);
}

unsigned short LibrarySettings::intTime(int range)
{
    StoredSettings settings(QLatin1String(fileName()), QSettings::IniFormat);
    const QString key = QStringLiteral("BiaoDing/IntTime%1").arg(range);
    return static_cast<unsigned short>(checkedInt(settings, key, defaultIntTime(range), 1, 0xFFFF));
}

LibrarySettings::GlobalPara LibrarySettings::globalPara()
{
    const GlobalPara d = defaults();
    StoredSettings settings(QLatin1String(fileName()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("GlobalPara"));
    GlobalPara p;
    p.emiss = checkedReal(settings, QStringLiteral("Emiss"), d.emiss, 0.001, 1.0);
    p.dist = checkedReal(settings, QStringLiteral("Distan"), d.dist, 0.0, 100000.0);
    p.offset = checkedReal(settings, QStringLiteral("Offset"), d.offset, -100.0, 100.0);
    p.env = checkedReal(settings, QStringLiteral("Env"), d.env, -60.0, 200.0);
    p.humid = checkedReal(settings, QStringLiteral("Humid"), d.humid, 0.0, 1.0);
    p.reflec = checkedReal(settings, QStringLiteral("Reflec"), d.reflec, -60.0, 2000.0);
    settings.endGroup();
    return p;
}

float LibrarySettings::vskTemp()
{
    StoredSettings settings(QLatin1String(fileName()), QSettings::IniFormat);
    const double limit = std::numeric_limits<float>::max();
    return checkedReal(settings, QStringLiteral("BiaoDing/VSKTemp"), 40.0f, -limit, limit);
}
