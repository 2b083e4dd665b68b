#pragma once

#include <QtGlobal>

// The interval of the repeated photos, as the Photos page and its dialog
// both read it from "PhotoTimeCount" and "PhotoTimeUnit": a unit outside
// 0..2 means seconds, a count of 0 becomes 5 and a negative one 1, and the
// count is then held to the dialog's range for its unit (5..86400 s,
// 1..1439 min, 1..24 h). Periods are computed in 64 bits.
class PhotoInterval
{
public:
    enum Unit { Seconds = 0, Minutes = 1, Hours = 2 };

    int count = 5;
    int unit = Seconds;

    static int minCount(int unit);
    static int maxCount(int unit);
    // Holds a count to the range of a unit.
    static int clampCount(qint64 count, int unit);
    // The shared rule for stored (or hostile) values.
    static PhotoInterval fromStored(qint64 count, qint64 unit);
    // The stored interval; missing or unreadable keys read 0.
    static PhotoInterval load();
    // Writes both keys; false when the settings file could not be written.
    bool save() const;

    qint64 seconds() const;
};
