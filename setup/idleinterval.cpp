#include "idleinterval.h"
#include "storedsettings.h"

#include <QSettings>

namespace {
int storedPeriod(const QSettings &settings, const char *key)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toString().trimmed().toInt(&ok);
    return ok ? value : 0;
}
} // namespace

int idleIntervalMs(int closeScreenMs, int shutdownS, int powerOffOnlyMs)
{
    if (closeScreenMs > 0)
        return closeScreenMs;
    if (shutdownS > 0)
        return powerOffOnlyMs;
    return 0;
}

int storedIdleIntervalMs(int powerOffOnlyMs)
{
    const StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    return idleIntervalMs(storedPeriod(settings, "CloseScreenPeriod"), storedPeriod(settings, "ShutdownPeriod"),
                          powerOffOnlyMs);
}
