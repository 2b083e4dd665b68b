#include "settingsresetstore.h"

#include "eobjectsettings.h"

#include <climits>
#include <cstdio>

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
    m_settings.sync();
    if (m_settings.status() != QSettings::NoError) {
        std::fprintf(stderr, "cannot write the factory values to %s\n", EObjectSettings::fileName());
        return false;
    }
    return true;
}
