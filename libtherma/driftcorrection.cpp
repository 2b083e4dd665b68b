#include "driftcorrection.h"

#include <cmath>

float DriftCorrection::sensitivity(int range, int T)
{
    const double t = T;
    if (range == 0)
        return float((2.131 * t * t + 369.36 * t - 12861.0) / 1000.0);
    return float((0.3619 * t * t + 88.36 * t - 3026.6) / 1000.0);
}

unsigned short DriftCorrection::move(int range, float meanTemp, int T, unsigned short AD, int direction)
{
    // Only the move to the reference stops at the limit; the move from it
    // takes every point, so a table's points above the limit go along with
    // those below and the table keeps rising.
    if ((direction > 0 && T > limitTemp(range)) || !std::isfinite(meanTemp))
        return AD;
    const float k = sensitivity(range, T);
    double moved;
    if (range == 0) {
        moved = double(AD) + direction * ((26.5 - double(meanTemp)) * double(k));
    } else {
        const float shift = (43.0f - meanTemp) * k;
        moved = double(direction > 0 ? float(AD) + shift : float(AD) - shift);
    }
    // Saturate: a moved AD never wraps around the 16-bit scale.
    if (!(moved > 0.0))
        return 0;
    if (moved >= 65535.0)
        return 65535;
    return static_cast<unsigned short>(moved);
}

unsigned short DriftCorrection::BiaoDingXiuzheng(int range, float meanTemp, int T, unsigned short AD)
{
    return move(range, meanTemp, T, AD, +1);
}

unsigned short DriftCorrection::BiaoDingXiuzhengGet(int range, float meanTemp, int T, unsigned short AD)
{
    return move(range, meanTemp, T, AD, -1);
}

void DriftCorrection::moveTable(TempInfoTab &tab, int range, float meanTemp)
{
    const int n = tab.num > TEMP_TAB_POINTS ? TEMP_TAB_POINTS : tab.num;
    if (n < 1)
        return;
    // Points at 30 degC stay where they are.
    auto moved = [&](int T, unsigned short ad) {
        return T == 30 ? ad : BiaoDingXiuzhengGet(range, meanTemp, T, ad);
    };
    // The bounds move with the point next to them, once.
    tab.minAD = moved(tab.temp[0], tab.minAD);
    tab.maxAD = moved(tab.temp[n - 1], tab.maxAD);
    for (int k = 0; k < n; ++k)
        tab.ad[k] = moved(tab.temp[k], tab.ad[k]);
}
