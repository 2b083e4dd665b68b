#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

// The setup pages' reads and writes of "Parameter/Setting": one settings
// object per operation, every value checked on the way in, every write
// synced and checked (SettingsSync).
class SetupSettings
{
public:
    // A whole number, or fallback when the key is missing or no number.
    static int readInt(const char *key, int fallback);
    // An index into a table of count rows; fallback for anything else.
    static int readIndex(const char *key, int fallback, int count);
    // The same check on a value of key already read.
    static int checkedIndex(const char *key, int index, int fallback, int count);
    static QString readString(const char *key, const QString &fallback);
    // false when the file could not be written; the setup window, when it
    // shows, says so at once. The caller shows the stored value again.
    static bool write(std::initializer_list<std::pair<const char *, QVariant>> values);

private:
    SetupSettings() = delete;
};
