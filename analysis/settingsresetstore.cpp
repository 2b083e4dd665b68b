#include "settingsresetstore.h"

#include "eobjectsettings.h"
#include "ependingsettings.h"

#include <climits>

int SettingsResetStore::readInt(const QString &group, const QString &key, int fallback)
{
    return EObjectSettings(group).readInt(key, fallback, INT_MIN, INT_MAX);
}

void SettingsResetStore::setValue(const QString &group, const QString &key, const QVariant &value)
{
    m_values.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key, value);
}

bool SettingsResetStore::commit()
{
    const bool written = EPendingSettings::writeNow(m_values);
    m_values.clear();
    return written;
}
