#include "photointerval.h"
#include "setupsettings.h"
#include "storedsettings.h"

#include <QSettings>

namespace {
const char *const SettingsFile = "Parameter/Setting";

qint64 readStored(const QSettings &settings, const char *key)
{
    bool ok = false;
    const qint64 value = settings.value(QLatin1String(key), 0).toLongLong(&ok);
    return ok ? value : 0;
}
} // namespace

int PhotoInterval::minCount(int unit)
{
    return unit == Minutes || unit == Hours ? 1 : 5;
}

int PhotoInterval::maxCount(int unit)
{
    switch (unit) {
    case Minutes: return 1439;
    case Hours: return 24;
    default: return 86400;
    }
}

int PhotoInterval::clampCount(qint64 count, int unit)
{
    return int(qBound(qint64(minCount(unit)), count, qint64(maxCount(unit))));
}

PhotoInterval PhotoInterval::fromStored(qint64 count, qint64 unit)
{
    PhotoInterval interval;
    interval.unit = unit == Minutes || unit == Hours ? int(unit) : int(Seconds);
    if (count == 0)
        count = 5;
    else if (count < 0)
        count = 1;
    interval.count = clampCount(count, interval.unit);
    return interval;
}

PhotoInterval PhotoInterval::load()
{
    const StoredSettings settings(QLatin1String(SettingsFile), QSettings::NativeFormat);
    return fromStored(readStored(settings, "PhotoTimeCount"), readStored(settings, "PhotoTimeUnit"));
}

bool PhotoInterval::save() const
{
    return SetupSettings::write({{"PhotoTimeCount", uint(count)}, {"PhotoTimeUnit", uint(unit)}});
}

qint64 PhotoInterval::seconds() const
{
    const qint64 unitSeconds = unit == Hours ? 3600 : unit == Minutes ? 60 : 1;
    return qint64(count) * unitSeconds;
}
