#pragma once

#include "calibtable.h"

#include <QString>
#include <QStringList>

// Profile generation: a cubic in x = t - 30 through three calibrated
// points of a table, anchored at AD 32768 at 30 degrees, evaluated on a
// fixed set of temperatures. Range 0 fits in single precision from 0, 90
// and 150 degrees; range 1 in double precision from 0, 150 and 400.
class CalibFit
{
public:
    struct Coefficients
    {
        double a = 0; // range 1: 10^4 times the cubic coefficient
        double b = 0;
        double c = 0;
    };

    // "etc/new_calc_len%1_temp%2.conf": the generated twin of a table.
    static QString generatedPath(int lens, int range);
    // The source points a range fits through; none for other ranges.
    static QStringList sourceKeys(int range);
    // One "no temp: T" line per missing source point; empty when the fit
    // can run.
    static QString missingText(const CalibTable &source, int range);

    // The generated table of range 0 or 1, its ADs held to 0..FFFF.
    // Range 0 also takes the source's rows -30, -20 and -10 as they are.
    static CalibTable generate(const CalibTable &source, int range, Coefficients *used = nullptr);

private:
    static CalibTable range0(const CalibTable &source, Coefficients *used);
    static CalibTable range1(const CalibTable &source, Coefficients *used);
    CalibFit() = delete;
};
