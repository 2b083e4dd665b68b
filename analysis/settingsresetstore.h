#pragma once

#include "factoryresetstore.h"

#include <QMap>

// The reset's writes into "Parameter/Setting": collected, then written
// together, synced and checked (never clearing other keys).
class SettingsResetStore : public FactoryResetStore
{
public:
    int readInt(const QString &group, const QString &key, int fallback) override;
    void setValue(const QString &group, const QString &key, const QVariant &value) override;
    bool commit() override;

private:
    QMap<QString, QVariant> m_values;
};
