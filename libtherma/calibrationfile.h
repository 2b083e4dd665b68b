#pragma once

#include "temptypes.h"
#include "therma_global.h"

#include <QString>

// The calibration files "etc/calc_len%d_temp%d.conf" (and their
// "_default.conf" twins): choosing the file for a lens and range, and
// parsing one into a TempInfoTab.
class THERMA_EXPORT CalibrationFile
{
public:
    static QString tablePath(int lens, int range);
    static QString defaultTablePath(int lens, int range);

    // The file a load uses: the table of lens and range, or its default
    // when that is missing or has fewer than two points. isDefault tells
    // which.
    static QString choose(int lens, int range, bool *isDefault = nullptr);

    // Parses path into *table. Returns true only for a sound table: the
    // file exists, its point count is what it really holds (2 .. 60), the
    // ADs and temperatures rise and every number fits its field. A rejected
    // file still leaves what could be read, so the check reports it.
    static bool readTable(const QString &path, TempInfoTab *table);

    // The empty table a missing file yields.
    static TempInfoTab emptyTable();

private:
    CalibrationFile() = delete;
};
