#pragma once

#include "temptypes.h"
#include "therma_global.h"

// Moves calibration ADs between the internal temperature at which a table
// was measured (26.5 degC in the low range, 43.0 degC otherwise) and the
// internal temperature now. The sensitivity per point is a quadratic in the
// point's temperature. The move to the reference leaves points above the
// range's limit (160 / 410 degC) where they are; the move from it takes
// every point.
class THERMA_EXPORT DriftCorrection
{
public:
    // AD measured at meanTemp for a blackbody at T, moved to the reference.
    static unsigned short BiaoDingXiuzheng(int range, float meanTemp, int T, unsigned short AD);
    // A reference AD for T moved to internal temperature meanTemp.
    static unsigned short BiaoDingXiuzhengGet(int range, float meanTemp, int T, unsigned short AD);

    // Moves every point of tab (except those at 30 degC) and both AD
    // bounds, each exactly once, to internal temperature meanTemp.
    static void moveTable(TempInfoTab &tab, int range, float meanTemp);

    static float sensitivity(int range, int T);
    static float referenceTemp(int range) { return range == 0 ? 26.5f : 43.0f; }
    static int limitTemp(int range) { return range == 0 ? 160 : 410; }

private:
    static unsigned short move(int range, float meanTemp, int T, unsigned short AD, int direction);
    DriftCorrection() = delete;
};
