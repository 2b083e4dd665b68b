#pragma once

#include <QString>

// Ratios filed by an internal temperature in 0.5-degree bins from -20.0 to
// 79.5 (below -20 the first bin, 80 and above the last), written as the
// per-bin means into a correction or delta table.
class CorrectionBins
{
public:
    enum { Count = 200 };

    struct WriteResult
    {
        bool ok = false;
        int written = 0;
        int skipped = 0;    // means outside the accepted band
    };

    // -1 for a temperature that is not finite.
    static int binOf(float t);
    // "%.0f" of the bin temperature for even bins, "%.1f" for odd ones.
    static QString binText(int k);
    // The correction table of lens and range: "Parameter/Modify",
    // "Parameter/Modify_Temp_<range>" or "Parameter/Modify_<lens>_Temp_<range>".
    static QString modifyFileName(int lens, int range);

    // Files value under t; refused (false) when either is not finite.
    bool add(float t, float value);
    void clear();
    int count(int k) const { return k >= 0 && k < Count ? m_count[k] : 0; }
    double mean(int k) const { return count(k) ? m_sum[k] / m_count[k] : 0.0; }
    int filledBins() const;

    // Writes prefix + bin text = mean ("%4.4f") for every bin with samples
    // whose stored mean lies strictly between lower and upper, keeping the file's
    // other keys; the file is replaced whole by rename. New files get 0644.
    WriteResult write(const QString &path, const QString &prefix, double lower, double upper) const;

private:
    QString meanText(int k) const;
    bool accepted(int k, double lower, double upper) const;

    double m_sum[Count] = {};
    int m_count[Count] = {};
};
