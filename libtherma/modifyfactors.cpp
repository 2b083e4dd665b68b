#include "modifyfactors.h"

#include "paths.h"
#include "tablefilelimit.h"

#include <QSettings>

#include <cmath>
#include <memory>

ModifyFactors::ModifyFactors()
{
    for (float &f : m_factors)
        f = 1.0f;
}

float ModifyFactors::factor(int i) const
{
    return i >= 0 && i < Count ? m_factors[i] : 1.0f;
}

int ModifyFactors::indexOf(float t)
{
    if (!(t >= -20.0f))  // NaN included
        return 0;
    if (t >= 80.0f)
        return Count - 1;
    const int i = int(2.0 * (double(t) + 20.0));
    return i < Count ? i : Count - 1;
}

bool ModifyFactors::isSound() const
{
    if (m_nonFinite)
        return false;
    for (float f : m_factors) {
        if (!(double(f) > 0.1) || double(f) >= 3.0)
            return false;
    }
    return true;
}

QString ModifyFactors::keyOf(int i)
{
    // Formatted once: every table load asks for all of them.
    static const QStringList keys = [] {
        QStringList all;
        for (int k = 0; k < Count; ++k) {
            const double t = 0.5 * k - 20.0;
            all << QStringLiteral("Averg_") + QString::asprintf(k % 2 == 0 ? "%.0f" : "%.1f", t);
        }
        return all;
    }();
    return i >= 0 && i < Count ? keys.at(i) : QString();
}

QString ModifyFactors::ownFileName(int lens, int range)
{
    if (lens != 0)
        return QString::asprintf("Parameter/Modify_%d_Temp_%d", lens, range);
    if (range != 0)
        return QString::asprintf("Parameter/Modify_Temp_%d", range);
    return QStringLiteral("Parameter/Modify");
}

QString ModifyFactors::fileName(int lens, int range)
{
    const QString specific = ownFileName(lens, range);
    if (TableFileLimit::readable(Paths::resolve(specific)))
        return specific;
    return QStringLiteral("Parameter/Modify");
}

QString ModifyFactors::updateModify(int lens, int range)
{
    const QString name = fileName(lens, range);
    qDebug("update modify filename:%s len:%d", qPrintable(name), lens);
    load(name);
    return name;
}

bool ModifyFactors::load(const QString &path)
{
    // A missing or refused file gives no factors.
    std::unique_ptr<QSettings> settings;
    if (TableFileLimit::readable(Paths::resolve(path)))
        settings = std::make_unique<QSettings>(Paths::resolve(path), QSettings::IniFormat);
    bool given[Count] = {};
    m_given = 0;
    m_nonFinite = false;
    m_minModifyTemp = 79.0f;
    m_maxModifyTemp = -20.0f;
    int first = -1;
    int last = -1;
    for (int i = 0; i < Count; ++i) {
        bool ok = false;
        const double value = settings ? settings->value(keyOf(i)).toDouble(&ok) : 0.0;
        // Absent, not a number and 0 give no factor. A non-finite one gives
        // none either, and marks the file as corrupt.
        const bool finite = std::isfinite(value) && std::isfinite(float(value));
        if (ok && !finite)
            m_nonFinite = true;
        if (!ok || value == 0.0 || !finite) {
            m_factors[i] = 0.0f;
            continue;
        }
        m_factors[i] = float(value);
        given[i] = true;
        ++m_given;
        if (first < 0)
            first = i;
        last = i;
    }
    if (m_given == 0) {
        // A file without factors corrects nothing.
        for (float &f : m_factors)
            f = 1.0f;
        qDebug("minTemp:%f modify:%f  maxTemp:%f modify:%f ", double(m_minModifyTemp), 1.0, double(m_maxModifyTemp), 1.0);
        return bool(settings);
    }
    m_minModifyTemp = float(0.5 * first - 20.0);
    m_maxModifyTemp = float(0.5 * last - 20.0);
    const float low = m_factors[first];
    const float high = m_factors[last];
    qDebug("minTemp:%f modify:%f  maxTemp:%f modify:%f ", double(m_minModifyTemp), double(low),
           double(m_maxModifyTemp), double(high));
    // Below the first factor the first one holds, above the last the last
    // one; a gap between takes the factor given just below it.
    for (int i = 0; i < Count; ++i) {
        if (given[i])
            continue;
        if (i < first)
            m_factors[i] = low;
        else if (i > last)
            m_factors[i] = high;
        else
            m_factors[i] = m_factors[i - 1];
    }
    return true;
}
