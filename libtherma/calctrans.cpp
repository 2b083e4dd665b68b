#include "calctrans.h"

#include <cmath>

namespace {

const double kAbscissa[CalcTrans::TableSize] = {0, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200};

const double kCO2[CalcTrans::TableSize] = {1.0, 0.984817, 0.965717, 0.939283, 0.90215, 0.839717,
                                           0.785883, 0.722717, 0.625117, 0.5504, 0.477317};

const double kH2O[CalcTrans::TableSize] = {1.0, 0.99665, 0.991683, 0.98335, 0.967033, 0.921967,
                                           0.847233, 0.719933, 0.460917, 0.213433, 0.050583};

// g/m3, one entry per degC from -49 to +49.
const double kSaturated[CalcTrans::SaturationSize] = {
    0.0431, 0.0485, 0.0545, 0.0612, 0.0687, 0.0769, 0.0861, 0.0962, 0.1075, 0.12,
    0.134, 0.149, 0.166, 0.1849, 0.205, 0.227, 0.252, 0.279, 0.308, 0.341,
    0.376, 0.415, 0.458, 0.505, 0.556, 0.611, 0.672, 0.738, 0.81, 0.888,
    0.973, 1.066, 1.166, 1.275, 1.393, 1.52, 1.658, 1.808, 1.971, 2.145,
    2.33, 2.54, 2.76, 2.99, 3.25, 3.52, 3.82, 4.13, 4.47, 4.84,
    5.18, 5.55, 5.94, 6.35, 6.79, 7.25, 7.74, 8.26, 8.81, 9.39,
    10.0, 10.64, 11.33, 12.05, 12.81, 13.61, 14.45, 15.34, 16.28, 17.3,
    18.3, 19.4, 20.5, 21.7, 23.0, 24.3, 25.7, 27.2, 28.7, 30.3,
    32.0, 33.7, 35.6, 37.5, 39.5, 41.6, 43.6, 46.1, 48.5, 51.0,
    53.6, 56.3, 59.2, 62.1, 65.2, 68.4, 71.9, 75.3, 78.9};

// The node 0.2 has no exact f32, so it is compared in double; the others
// are exact in f32.
bool equalsNode(float x, int k)
{
    return k == 1 ? double(x) == kAbscissa[1] : x == float(kAbscissa[k]);
}

bool belowNode(float x, int k)
{
    return k == 1 ? double(x) < kAbscissa[1] : x < float(kAbscissa[k]);
}

} // namespace

void CalcTrans::findOrderTable(int &lo, int &hi, float x) const
{
    if (x < 0.0f) {
        lo = hi = 0;
        return;
    }
    if (x > 200.0f) {
        lo = TableSize - 2;
        hi = TableSize - 1;
        return;
    }
    for (int k = 0; k < TableSize; ++k) {
        if (equalsNode(x, k)) {
            lo = hi = k;
            return;
        }
        if (k + 1 < TableSize && !belowNode(x, k) && belowNode(x, k + 1)) {
            lo = k;
            hi = k + 1;
            return;
        }
    }
}

double CalcTrans::getDistanceFromLine(int k) const
{
    return k >= 0 && k < TableSize ? kAbscissa[k] : 0.0;
}

float CalcTrans::interpolate(const double *values, float x) const
{
    int lo = 0;
    int hi = 0;
    findOrderTable(lo, hi, x);
    if (lo == hi)
        return float(values[lo]);
    const double y = (kAbscissa[hi] - x) / (kAbscissa[hi] - kAbscissa[lo]) * (values[lo] - values[hi]) + values[hi];
    return y < 0.0 ? 0.0f : float(y);
}

float CalcTrans::calcCO2Trans(float km) const
{
    return interpolate(kCO2, km);
}

float CalcTrans::calcH2OTrans(float mm) const
{
    return interpolate(kH2O, mm);
}

double CalcTrans::saturatedDensity(float ambient)
{
    const float position = ambient + 49.0f;
    int index = 0;
    // NaN and anything below the table take the first entry.
    if (position >= float(SaturationSize - 1))
        index = SaturationSize - 1;
    else if (position >= 0.0f)
        index = int(position);
    return kSaturated[index];
}

float CalcTrans::getTrans(float ambient, float humidity, int metres) const
{
    const float water = float(saturatedDensity(ambient)) * humidity * float(metres) / 1000.0f;
    return calcH2OTrans(water) * calcCO2Trans(float(metres) / 1000.0f);
}
