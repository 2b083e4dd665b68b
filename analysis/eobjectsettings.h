#pragma once

#include "temptypes.h"

#include <QString>

class QSettings;

// Checked reads of a measurement object's group in "Parameter/Setting": a
// missing, unreadable, non-finite or out-of-range value gives the default,
// so a damaged file never reaches the board or the temperature model.
// Pending (not yet written) positions are written first, so a read always
// sees the latest values.
class EObjectSettings
{
public:
    static const char *fileName() { return "Parameter/Setting"; }

    // Opens the settings file with the group entered (empty: the top level).
    explicit EObjectSettings(const QString &group);
    ~EObjectSettings();
    EObjectSettings(const EObjectSettings &) = delete;
    EObjectSettings &operator=(const EObjectSettings &) = delete;

    bool contains(const QString &key) const;
    int readInt(const QString &key, int fallback, int low, int high) const;
    double readReal(const QString &key, double fallback, double low, double high) const;
    bool readBool(const QString &key, bool fallback) const;
    // A text; a missing or empty one gives the fallback.
    QString readString(const QString &key, const QString &fallback) const;
    // "Emiss", "Distan", "Offset"; the fourth word is kept from current.
    TempSetup readTempSetup(const TempSetup &current) const;
    // "ParaMode": 0 own parameters, 1 global; anything else 0.
    ParaMode_t readParaMode() const;

    static TempSetup defaultTempSetup() { return TempSetup{0.95f, 5.0f, 0.0f, 0}; }

private:
    QSettings *m_settings;
};
