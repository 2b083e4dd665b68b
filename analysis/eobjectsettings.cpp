#include "eobjectsettings.h"

#include "ependingsettings.h"
#include "storedsettings.h"

#include <QSettings>

#include <cmath>

EObjectSettings::EObjectSettings(const QString &group)
{
    EPendingSettings::instance()->flush();
    m_settings = new StoredSettings(QLatin1String(fileName()), QSettings::IniFormat);
    if (!group.isEmpty())
        m_settings->beginGroup(group);
}

EObjectSettings::~EObjectSettings()
{
    delete m_settings;
}

bool EObjectSettings::contains(const QString &key) const
{
    return m_settings->contains(key);
}

int EObjectSettings::readInt(const QString &key, int fallback, int low, int high) const
{
    bool ok = false;
    const int value = m_settings->value(key, fallback).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

double EObjectSettings::readReal(const QString &key, double fallback, double low, double high) const
{
    bool ok = false;
    const double value = m_settings->value(key, fallback).toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high ? value : fallback;
}

bool EObjectSettings::readBool(const QString &key, bool fallback) const
{
    const QVariant value = m_settings->value(key, fallback);
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return fallback;
}

QString EObjectSettings::readString(const QString &key, const QString &fallback) const
{
    const QString text = m_settings->value(key).toString();
    return text.isEmpty() ? fallback : text;
}

TempSetup EObjectSettings::readTempSetup(const TempSetup &current) const
{
    const TempSetup d = defaultTempSetup();
    TempSetup setup = current;
    // The bounds the library's converters accept: an emissivity of 0 or
    // below would divide by zero in the radiometric model.
    setup.emiss = float(readReal(QStringLiteral("Emiss"), d.emiss, 0.001, 1.0));
    setup.dist = float(readReal(QStringLiteral("Distan"), d.dist, 0.0, 100000.0));
    setup.offset = float(readReal(QStringLiteral("Offset"), d.offset, -100.0, 100.0));
    return setup;
}

ParaMode_t EObjectSettings::readParaMode() const
{
    return readInt(QStringLiteral("ParaMode"), PARA_OWN, PARA_OWN, PARA_GLOBAL);
}
