#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CalibTable;

// The end rows ranges 0 and 1 carry 10 degrees beyond their calibrated
// span, extrapolated from the two nearest calibrated rows. The wizard
// keeps them in step with every saved anchor; the editor adds the missing
// ones when it saves.
class CalibEnds
{
public:
    struct End
    {
        QString outer;  // anchor A
        QString inner;  // anchor B, next to the end
        QString target; // the end row
        bool fifth;     // b + (b - a) / 5 instead of 2b - a
    };

    // Low end first; none for range 2 (or any other).
    static QList<End> ends(int range);

    // The end's AD, or false (with a warning) when an anchor is no AD or
    // the end would leave 0..FFFF or not lie beyond its inner anchor: such
    // a row would make the table unusable.
    static bool extrapolate(const End &end, const QString &outerAd, const QString &innerAd, qint64 *ad);

    // After the wizard stored temperature: each end that temperature
    // anchors, whose other anchor was among oldTemps, is written again (or
    // removed when it no longer extrapolates). Returns the ends changed.
    static QStringList afterPoint(CalibTable &table, int range, int temperature, const QStringList &oldTemps);

    // The editor's extension rows: each end the table lacks while holding
    // both anchors. Returns the ends added.
    static QStringList addMissing(CalibTable &table, int range);

private:
    CalibEnds() = delete;
};
