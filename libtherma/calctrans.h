#pragma once

#include "therma_global.h"

// Atmospheric transmission between camera and object from a small
// water-vapour and carbon-dioxide model. Holds no state.
class THERMA_EXPORT CalcTrans
{
public:
    // Abscissae of both transmission tables: km of air for carbon dioxide,
    // mm of precipitable water for water vapour.
    enum { TableSize = 11, SaturationSize = 99 };

    // Bracketing pair of the abscissae around x; lo == hi on a node. Below
    // 0 gives (0, 0), above 200 the last pair; NaN leaves both untouched.
    void findOrderTable(int &lo, int &hi, float x) const;
    // Abscissa k (0..10); 0 outside.
    double getDistanceFromLine(int k) const;
    float calcCO2Trans(float km) const;
    float calcH2OTrans(float mm) const;
    // Transmission of `metres` of air at ambient degC and relative
    // humidity (a fraction).
    float getTrans(float ambient, float humidity, int metres) const;

    // Saturated water-vapour density in g/m3 at whole degC, clamped to the
    // -49 .. +49 table.
    static double saturatedDensity(float ambient);

private:
    float interpolate(const double *values, float x) const;
};
