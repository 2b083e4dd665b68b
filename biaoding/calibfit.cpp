#include "calibfit.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>

namespace {

// A source point: a key without value counts as the base AD.
qint64 sourceAd(const CalibTable &source, int temperature)
{
    const QString text = source.ad(temperature);
    return CalibTable::adValue(text.isEmpty() ? QStringLiteral("8000") : text);
}

QString heldAd(qint64 ad)
{
    return CalibTable::adText(std::clamp<qint64>(ad, 0, 0xFFFF));
}

} // namespace

QString CalibFit::generatedPath(int lens, int range)
{
    return QStringLiteral("etc/new_calc_len%1_temp%2.conf").arg(lens).arg(range);
}

QStringList CalibFit::sourceKeys(int range)
{
    switch (range) {
    case 0:
        return {QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("150")};
    case 1:
        return {QStringLiteral("0"), QStringLiteral("150"), QStringLiteral("400")};
    default:
        return {};
    }
}

QString CalibFit::missingText(const CalibTable &source, int range)
{
    QStringList lines;
    for (const QString &key : sourceKeys(range)) {
        if (source.ad(key).isEmpty())
            lines << QStringLiteral("no temp: ") + key;
    }
    return lines.join(QLatin1Char('\n'));
}

CalibTable CalibFit::generate(const CalibTable &source, int range, Coefficients *used)
{
    if (range == 0)
        return range0(source, used);
    if (range == 1)
        return range1(source, used);
    return CalibTable();
}

CalibTable CalibFit::range0(const CalibTable &source, Coefficients *used)
{
    const qint64 a0 = sourceAd(source, 0);
    const qint64 a90 = sourceAd(source, 90);
    const qint64 a150 = sourceAd(source, 150);
    // The exact solution at x = -30, 60 and 120, in the order and
    // precision the stored tables were made with.
    const qint64 p = 16 * a0 + 10 * a90 - a150 - 819200;
    const qint64 q = 2 * a0 + a90 - 98304;
    const float b = float(double(p) / 36000.0);
    const float a = (float(q) - 5400.0f * b) / 162000.0f;
    const float c = (float(a90) - 216000.0f * a - 3600.0f * b - 32768.0f) / 60.0f;
    std::printf("a:%f b:%f c:%f \n", double(a), double(b), double(c));
    if (used)
        *used = {double(a), double(b), double(c)};

    CalibTable table;
    for (int t = 0; t <= 160; t += 10) {
        const float x = float(t - 30);
        const float value = x * (x * (x * a)) + x * (b * x) + c * x + 32768.0f;
        const qint64 ad = qint64(value);
        std::printf("temp:%d AD:0x%llx\n", t, static_cast<unsigned long long>(ad));
        table.setAd(t, heldAd(ad));
    }
    for (int t : {-30, -20, -10}) {
        const QString text = source.ad(t);
        if (!text.isEmpty())
            table.setAd(t, text);
    }
    table.recomputeParaSet();
    return table;
}

CalibTable CalibFit::range1(const CalibTable &source, Coefficients *used)
{
    const double a0 = double(sourceAd(source, 0));
    const double a150 = double(sourceAd(source, 150));
    const double a400 = double(sourceAd(source, 400));
    std::printf("AD_0:%x AD_150:%x AD_400:%x \n", unsigned(a0), unsigned(a150), unsigned(a400));
    const double a = (-a0 / 1800000 - a150 / 4500000 + a400 / 37000000 + 0.0246006006006006) * 10000;
    std::printf("%10f %10f %10f %10f \n", a0 / -1800000, a150 / -4500000, a400 / 37000000, -0.0246006006006006);
    const double b = a0 / 4500 + a150 / 18000 - (a * 90) / 10000 - 9.102222222222222;
    const double c = -a0 / 30 - (a * 900) / 10000 + 30 * b + 1092.2666666666667;
    std::printf("a:%10f b:%10f c:%10f \n", a, b, c);
    if (used)
        *used = {a, b, c};

    CalibTable table;
    for (int t = 0; t <= 410; t += (t >= 150 && t <= 399) ? 50 : 10) {
        const double x = t - 30;
        const double cubic = (x * (x * (x * a))) / 10000;
        const double square = x * (b * x);
        const double linear = c * x;
        const double value = cubic + square + linear + 32768;
        const qint64 ad = value > 0 ? qint64(value) : 0;
        std::printf("%f %f %f \n", cubic, square, linear);
        std::printf("temp:%d AD:%lld 0x%llx\n", t, ad, static_cast<unsigned long long>(ad));
        table.setAd(t, heldAd(ad));
    }
    table.recomputeParaSet();
    return table;
}
