#include "ependingsettings.h"

#include "eobjectsettings.h"
#include "settingssync.h"
#include "storedsettings.h"

#include <QCoreApplication>
#include <QSettings>

EPendingSettings *EPendingSettings::instance()
{
    static EPendingSettings *pending = new EPendingSettings;
    return pending;
}

EPendingSettings::EPendingSettings()
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(IdleMs);
    connect(&m_idle, &QTimer::timeout, this, &EPendingSettings::flush);
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &EPendingSettings::flush);
}

EPendingSettings::~EPendingSettings() = default;

void EPendingSettings::setValue(const QString &group, const QString &key, const QVariant &value)
{
    m_pending.insert(group.isEmpty() ? key : group + QLatin1Char('/') + key, value);
    m_idle.start();
}

bool EPendingSettings::flush()
{
    m_idle.stop();
    if (m_pending.isEmpty())
        return true;
    // Taken out first: writeNow() reads nothing back through this store.
    const QMap<QString, QVariant> values = m_pending;
    m_pending.clear();
    if (writeNow(values))
        return true;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        if (!m_pending.contains(it.key()))
            m_pending.insert(it.key(), it.value());
    return false;
}

bool EPendingSettings::writeNow(const QMap<QString, QVariant> &values)
{
    StoredSettings settings(QLatin1String(EObjectSettings::fileName()), QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
    return SettingsSync::commit(settings, "the object positions");
}
