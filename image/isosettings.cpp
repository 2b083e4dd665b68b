#include "isosettings.h"

#include "settingssync.h"
#include "storedsettings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace {
const char *const s_colourNames[IsoSettings::ColourCount] = {"Black", "White", "Green", "Trans"};

float readLevel(const QSettings &settings, const QString &key, float fallback)
{
    bool ok = false;
    const double value = settings.value(key, fallback).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return fallback;
    return std::clamp(static_cast<float>(value), IsoSettings::LowestLevel, IsoSettings::HighestLevel);
}
} // namespace

IsoSettings IsoSettings::read()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("ISO"));
    IsoSettings iso;
    bool ok = false;
    iso.mode = settings.value(QStringLiteral("Mode"), 0).toInt(&ok);
    if (!ok || iso.mode < 0 || iso.mode > 2)
        iso.mode = 0;
    iso.colour = colourIndex(settings.value(QStringLiteral("Color"), QStringLiteral("Black")).toString());
    iso.upper = readLevel(settings, QStringLiteral("IsoLevelMax"), 30.0f);
    iso.lower = readLevel(settings, QStringLiteral("IsoLevelMin"), 20.0f);
    // A reversed pair would give the two level rows crossed ranges.
    if (iso.lower > iso.upper)
        std::swap(iso.lower, iso.upper);
    settings.endGroup();
    return iso;
}

bool IsoSettings::write() const
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("ISO"));
    settings.setValue(QStringLiteral("Color"), QString::fromLatin1(colourName(colour)));
    settings.setValue(QStringLiteral("Mode"), mode);
    settings.setValue(QStringLiteral("IsoLevelMax"), QString::asprintf("%4.1f", upper));
    settings.setValue(QStringLiteral("IsoLevelMin"), QString::asprintf("%4.1f", lower));
    settings.endGroup();
    return SettingsSync::commit(settings, "the isotherm setting");
}

bool IsoSettings::readSwitch()
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    return settings.value(QStringLiteral("ISO/Switch"), 0).toInt() != 0;
}

bool IsoSettings::writeSwitch(bool on)
{
    StoredSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("ISO/Switch"), on ? 1 : 0);
    return SettingsSync::commit(settings, "the isotherm switch");
}

const char *IsoSettings::colourName(int index)
{
    return index >= 0 && index < ColourCount ? s_colourNames[index] : s_colourNames[0];
}

int IsoSettings::colourIndex(const QString &name)
{
    for (int i = 0; i < ColourCount; ++i)
        if (name == QLatin1String(s_colourNames[i]))
            return i;
    return 0;
}
