#include "correctionbins.h"

#include "inifileedit.h"
#include "modifyfactors.h"

#include <cmath>

int CorrectionBins::binOf(float t)
{
    if (!std::isfinite(t))
        return -1;
    if (t < -20.0f)
        return 0;
    if (t >= 80.0f)
        return Count - 1;
    const int k = int(2.0 * (double(t) + 20.0));
    return qBound(0, k, Count - 1);
}

QString CorrectionBins::binText(int k)
{
    return QString::asprintf(k % 2 == 0 ? "%.0f" : "%.1f", k * 0.5 - 20.0);
}

QString CorrectionBins::modifyFileName(int lens, int range)
{
    return ModifyFactors::ownFileName(lens, range);
}

bool CorrectionBins::add(float t, float value)
{
    const int k = binOf(t);
    if (k < 0 || !std::isfinite(value))
        return false;
    m_sum[k] += value;
    ++m_count[k];
    return true;
}

void CorrectionBins::clear()
{
    for (int k = 0; k < Count; ++k) {
        m_sum[k] = 0.0;
        m_count[k] = 0;
    }
}

QString CorrectionBins::meanText(int k) const
{
    return QString::asprintf("%4.4f", mean(k));
}

bool CorrectionBins::accepted(int k, double lower, double upper) const
{
    // Judged as the reader will see it: 0.10004 is stored as 0.1000.
    const double stored = meanText(k).toDouble();
    return stored > lower && stored < upper;
}

int CorrectionBins::filledBins() const
{
    int filled = 0;
    for (int c : m_count)
        filled += c ? 1 : 0;
    return filled;
}

CorrectionBins::WriteResult CorrectionBins::write(const QString &path, const QString &prefix, double lower, double upper) const
{
    WriteResult result;
    for (int k = 0; k < Count; ++k) {
        if (m_count[k] && !accepted(k, lower, upper))
            ++result.skipped;
    }
    // Nothing to write leaves the file as it is (and creates none).
    if (filledBins() == result.skipped) {
        result.ok = true;
        return result;
    }
    result.skipped = 0;
    IniFileEdit::Values values;
    for (int k = 0; k < Count; ++k) {
        if (!m_count[k])
            continue;
        if (!accepted(k, lower, upper)) {
            ++result.skipped;
            continue;
        }
        values.append({prefix + binText(k), meanText(k)});
    }
    result.written = values.size();
    result.ok = IniFileEdit::apply(path, values);
    return result;
}
