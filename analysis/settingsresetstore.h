#pragma once

#include "factoryresetstore.h"
#include "storedsettings.h"

#include <QSettings>

// The reset's writes into "Parameter/Setting" through one settings object
// for the whole reset (never clearing other keys): every settings reader
// of the process sees a value as soon as it is set, so the pages the reset
// refreshes on its way show the factory values; commit() writes them to
// the file, synced and checked.
class SettingsResetStore : public FactoryResetStore
{
public:
    SettingsResetStore();

    int readInt(const QString &group, const QString &key, int fallback) override;
    void setValue(const QString &group, const QString &key, const QVariant &value) override;
    bool commit() override;

private:
    StoredSettings m_settings;
};
