#include "settingsresetstore.h"

#include "eobjectsettings.h"
#include "settingssync.h"

#include <climits>

SettingsResetStore::SettingsResetStore()
    : m_settings(QLatin1String(EObjectSettings::fileName()), QSettings::IniFormat)
{
}

int SettingsResetStore::readInt(const QString &group, const QString &key, int fallback)
{
    return EObjectSettings(group).readInt(key, fallback, INT_MIN, INT_MAX);
}

void SettingsResetStore::setValue(const QString &group, const QString &key, const QVariant &value)
{
    m_settings.setValue(group.isEmpty() ? key : group + QLatin1Char('/') + key, value);
}

bool SettingsResetStore::commit()
{
    return SettingsSync::commit(m_settings, "the factory values");
}
