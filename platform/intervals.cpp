#include "intervals.h"

#include <QString>

#include <atomic>
#include <cmath>

namespace {
double initialScale()
{
    bool ok = false;
    const double v = qEnvironmentVariable("OSTREL_TIME_SCALE").toDouble(&ok);
    return ok && std::isfinite(v) && v > 0.0 && v <= 1.0 ? v : 1.0;
}
std::atomic<double> s_scale{initialScale()};
} // namespace

int Intervals::ms(int nominalMs)
{
    if (nominalMs <= 0)
        return 0;
    const double scaled = nominalMs * s_scale.load();
    return qMax(1, static_cast<int>(std::lround(scaled)));
}

double Intervals::scale()
{
    return s_scale.load();
}

void Intervals::setScale(double scale)
{
    if (std::isfinite(scale) && scale > 0.0 && scale <= 1.0)
        s_scale.store(scale);
}
