#include "correctionbins.h"

#include "atomicfile.h"
#include "modifyfactors.h"
#include "paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

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
    const QString target = Paths::resolve(path);
    const bool existed = QFileInfo::exists(target);
    // The settings object edits a copy; the copy then replaces the file.
    const QString scratch = target + QStringLiteral(".edit");
    QFile::remove(scratch);
    if (existed && !QFile::copy(target, scratch))
        return result;
    {
        QSettings table(scratch, QSettings::IniFormat);
        for (int k = 0; k < Count; ++k) {
            if (!m_count[k])
                continue;
            if (!accepted(k, lower, upper)) {
                ++result.skipped;
                continue;
            }
            table.setValue(prefix + binText(k), meanText(k));
            ++result.written;
        }
        table.sync();
        if (table.status() != QSettings::NoError) {
            QFile::remove(scratch);
            return result;
        }
    }
    QFile edited(scratch);
    QByteArray data;
    if (edited.open(QIODevice::ReadOnly))
        data = edited.readAll();
    edited.close();
    QFile::remove(scratch);
    result.ok = AtomicFile::write(path, data);
    if (result.ok && !existed)
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return result;
}
