#include "calibrationfile.h"

#include "paths.h"
#include "tablefilelimit.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// "FFFF", "0xFFFF"; anything else reads as 0 and is marked bad.
qint64 hexValue(const QVariant &value, bool *ok)
{
    bool parsed = false;
    const qint64 v = value.toString().trimmed().toLongLong(&parsed, 16);
    *ok = parsed;
    return parsed ? v : 0;
}

qint64 decimalValue(const QVariant &value, qint64 fallback, bool *ok)
{
    if (!value.isValid()) {
        *ok = true;
        return fallback;
    }
    bool parsed = false;
    const qint64 v = value.toString().trimmed().toLongLong(&parsed, 10);
    *ok = parsed;
    return parsed ? v : 0;
}

qint64 boundTo(qint64 low, qint64 v, qint64 high)
{
    return v < low ? low : (v > high ? high : v);
}

} // namespace

QString CalibrationFile::tablePath(int lens, int range)
{
    return QString::asprintf("etc/calc_len%d_temp%d.conf", lens, range);
}

QString CalibrationFile::defaultTablePath(int lens, int range)
{
    return QString::asprintf("etc/calc_len%d_temp%d_default.conf", lens, range);
}

TempInfoTab CalibrationFile::emptyTable()
{
    TempInfoTab t;
    std::memset(&t, 0, sizeof t);
    t.maxAD = 0xFFFF;
    t.minAD = 0;
    t.baseTemp = 30;
    return t;
}

QString CalibrationFile::choose(int lens, int range, bool *isDefault)
{
    const QString path = tablePath(lens, range);
    const QString file = Paths::resolve(path);
    bool useDefault = false;
    if (!QFileInfo::exists(file)) {
        qWarning("[%s, %d] %s is no exist", __FILE__, __LINE__, qPrintable(path));
        qWarning("[%s, %d] Set all AD table failured", __FILE__, __LINE__);
        useDefault = true;
    } else if (!TableFileLimit::readable(file)) {
        qWarning("[%s, %d] Set all AD table failured", __FILE__, __LINE__);
        useDefault = true;
    } else {
        QSettings settings(file, QSettings::IniFormat);
        settings.beginGroup(QStringLiteral("Temp2AD"));
        useDefault = settings.childKeys().size() < 2;
    }
    const QString chosen = useDefault ? defaultTablePath(lens, range) : path;
    qDebug("[==================%s, %d] %s", __FILE__, __LINE__, qPrintable(chosen));
    if (isDefault)
        *isDefault = useDefault;
    return chosen;
}

bool CalibrationFile::readTable(const QString &path, TempInfoTab *table)
{
    if (!table)
        return false;
    const QString file = Paths::resolve(path);
    if (!TableFileLimit::readable(file)) {
        // Missing or refused: every default, no points.
        const TempInfoTab empty = emptyTable();
        table->maxAD = empty.maxAD;
        table->minAD = empty.minAD;
        table->baseTemp = empty.baseTemp;
        table->num = 0;
        return false;
    }
    QSettings settings(file, QSettings::IniFormat);
    bool sound = settings.status() == QSettings::NoError;

    bool ok = true;
    settings.beginGroup(QStringLiteral("ParaSet"));
    const QVariant maxText = settings.value(QStringLiteral("MaxAD"), QStringLiteral("0xFFFF"));
    const QVariant minText = settings.value(QStringLiteral("MinAD"), QStringLiteral("0"));
    const qint64 maxAD = hexValue(maxText, &ok);
    sound = sound && ok;
    const qint64 minAD = hexValue(minText, &ok);
    sound = sound && ok;
    const qint64 baseTemp = decimalValue(settings.value(QStringLiteral("BaseTemp")), 30, &ok);
    sound = sound && ok;
    const qint64 minTemp = decimalValue(settings.value(QStringLiteral("MinTemp")), 0, &ok);
    sound = sound && ok;
    const qint64 maxTemp = decimalValue(settings.value(QStringLiteral("MaxTemp")), 0, &ok);
    sound = sound && ok;
    const qint64 count = decimalValue(settings.value(QStringLiteral("TempNum")), 0, &ok);
    sound = sound && ok;
    settings.endGroup();

    sound = sound && maxAD >= 0 && maxAD <= 0xFFFF && minAD >= 0 && minAD <= maxAD;
    sound = sound && baseTemp >= -32768 && baseTemp <= 32767;
    table->maxAD = uint16_t(boundTo(0, maxAD, 0xFFFF));
    table->minAD = uint16_t(boundTo(0, minAD, 0xFFFF));
    table->baseTemp = int16_t(boundTo(-32768, baseTemp, 32767));

    // The points lie on the 10-degree grid from MinTemp to MaxTemp. Only
    // the keys the file holds are visited, so a wide grid costs nothing.
    std::vector<std::pair<qint64, QString>> grid;
    if (minTemp <= maxTemp && count > 0) {
        settings.beginGroup(QStringLiteral("Temp2AD"));
        const QStringList keys = settings.childKeys();
        for (const QString &key : keys) {
            bool isNumber = false;
            const qint64 t = key.toLongLong(&isNumber, 10);
            // Only the key as written for that temperature: "-20", not "-020".
            if (!isNumber || QString::number(t) != key)
                continue;
            if (t < minTemp || t > maxTemp || (t - minTemp) % 10 != 0)
                continue;
            grid.emplace_back(t, key);
        }
        std::sort(grid.begin(), grid.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        const qint64 wanted = std::min<qint64>(count, TEMP_TAB_POINTS);
        int stored = 0;
        for (const auto &point : grid) {
            if (stored >= wanted)
                break;
            const qint64 ad = hexValue(settings.value(point.second), &ok);
            const bool fits = ok && ad >= 0 && ad <= 0xFFFF && point.first >= -32768 && point.first <= 32767;
            sound = sound && fits;
            table->temp[stored] = int16_t(boundTo(-32768, point.first, 32767));
            table->ad[stored] = uint16_t(boundTo(0, ad, 0xFFFF));
            ++stored;
        }
        settings.endGroup();
        table->num = uint16_t(stored);
        // A file that promises more points than it holds disagrees with
        // itself.
        sound = sound && stored == count;
    } else {
        table->num = 0;
        sound = false;
    }

    const int n = table->num;
    sound = sound && n >= 2;
    for (int i = 1; sound && i < n; ++i)
        sound = table->ad[i] > table->ad[i - 1] && table->temp[i] > table->temp[i - 1];
    return sound;
}
