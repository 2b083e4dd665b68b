#include "calibends.h"

#include "calibtable.h"

#include <QtGlobal>

QList<CalibEnds::End> CalibEnds::ends(int range)
{
    switch (range) {
    case 0:
        return {{QStringLiteral("-10"), QStringLiteral("-20"), QStringLiteral("-30"), false},
                {QStringLiteral("140"), QStringLiteral("150"), QStringLiteral("160"), false}};
    case 1:
        return {{QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("-10"), false},
                {QStringLiteral("350"), QStringLiteral("400"), QStringLiteral("410"), true}};
    default:
        return {};
    }
}

bool CalibEnds::extrapolate(const End &end, const QString &outerAd, const QString &innerAd, qint64 *ad)
{
    bool outerOk = false;
    bool innerOk = false;
    const qint64 a = CalibTable::adValue(outerAd, &outerOk);
    const qint64 b = CalibTable::adValue(innerAd, &innerOk);
    if (!outerOk || !innerOk) {
        qWarning("end %s: anchors %s and %s are no AD", qPrintable(end.target), qPrintable(outerAd),
                 qPrintable(innerAd));
        return false;
    }
    // Division truncates toward zero, as C++ does.
    const qint64 value = end.fifth ? b + (b - a) / 5 : 2 * b - a;
    const bool below = CalibTable::tempValue(end.target) < CalibTable::tempValue(end.inner);
    const bool beyond = below ? value < b : value > b;
    if (value < 0 || value > 0xFFFF || !beyond) {
        qWarning("end %s skipped: %lld from %s and %s", qPrintable(end.target), value, qPrintable(outerAd),
                 qPrintable(innerAd));
        return false;
    }
    *ad = value;
    return true;
}

QStringList CalibEnds::afterPoint(CalibTable &table, int range, int temperature, const QStringList &oldTemps)
{
    QStringList changed;
    const QString saved = QString::number(temperature);
    for (const End &end : ends(range)) {
        const QString other = saved == end.outer ? end.inner : (saved == end.inner ? end.outer : QString());
        if (other.isEmpty() || !oldTemps.contains(other))
            continue;
        const QString innerAd = table.ad(end.inner);
        if (innerAd.isEmpty())
            continue;
        qint64 ad = 0;
        if (extrapolate(end, table.ad(end.outer), innerAd, &ad)) {
            table.setAd(end.target, CalibTable::adText(ad));
            changed << end.target;
        } else if (table.contains(end.target)) {
            // An end of the earlier anchors would no longer fit them.
            table.removeRow(end.target);
            changed << end.target;
        }
    }
    return changed;
}

QStringList CalibEnds::addMissing(CalibTable &table, int range)
{
    QStringList added;
    for (const End &end : ends(range)) {
        const QString outerAd = table.ad(end.outer);
        const QString innerAd = table.ad(end.inner);
        if (outerAd.isEmpty() || innerAd.isEmpty() || !table.ad(end.target).isEmpty())
            continue;
        qint64 ad = 0;
        if (extrapolate(end, outerAd, innerAd, &ad)) {
            table.setAd(end.target, CalibTable::adText(ad));
            added << end.target;
        }
    }
    return added;
}
