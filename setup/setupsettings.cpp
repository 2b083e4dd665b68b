#include "setupsettings.h"

#include "eglobal.h"
#include "esetupwindow.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QSettings>

namespace {
QString fileName()
{
    return QStringLiteral("Parameter/Setting");
}
} // namespace

int SetupSettings::readInt(const char *key, int fallback)
{
    const StoredSettings settings(fileName(), QSettings::NativeFormat);
    const QVariant value = settings.value(QLatin1String(key));
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

int SetupSettings::readIndex(const char *key, int fallback, int count)
{
    return checkedIndex(key, readInt(key, fallback), fallback, count);
}

int SetupSettings::checkedIndex(const char *key, int index, int fallback, int count)
{
    if (index >= 0 && index < count)
        return index;
    qWarning("SetupSettings: \"%s\" %d is no row; row %d taken", key, index, fallback);
    return fallback;
}

QString SetupSettings::readString(const char *key, const QString &fallback)
{
    const StoredSettings settings(fileName(), QSettings::NativeFormat);
    return settings.value(QLatin1String(key), fallback).toString();
}

bool SetupSettings::write(std::initializer_list<std::pair<const char *, QVariant>> values)
{
    StoredSettings settings(fileName(), QSettings::NativeFormat);
    // What the file holds, an invalid value for a key it lacks.
    QList<std::pair<QString, QVariant>> held;
    for (const auto &value : values) {
        const QString key = QLatin1String(value.first);
        held.append({key, settings.contains(key) ? settings.value(key) : QVariant()});
        settings.setValue(key, value.second);
    }
    if (SettingsSync::commit(settings, values.size() ? values.begin()->first : ""))
        return true;
    // The settings objects of one file share what they could not write yet,
    // and the next one to sync writes it: the value not stored would be
    // read back at once and stored later behind the user's back. They get
    // what the file holds instead.
    for (const auto &key : std::as_const(held)) {
        if (key.second.isValid())
            settings.setValue(key.first, key.second);
        else
            settings.remove(key.first);
    }
    // The user is on a setup page: told there, not only once the window
    // has closed.
    SettingsSync::tellOver(EGlobal::getSetupWindow());
    return false;
}
