#pragma once

#include <QString>
#include <QVariant>

// The factory reset's reads and key writes of "Parameter/Setting". Writes
// are collected and reach the file together at commit().
class FactoryResetStore
{
public:
    virtual ~FactoryResetStore() = default;

    virtual int readInt(const QString &group, const QString &key, int fallback) = 0;
    // group empty: the top level.
    virtual void setValue(const QString &group, const QString &key, const QVariant &value) = 0;
    // false when the file could not be written.
    virtual bool commit() = 0;
};
