#include "calibtable.h"

#include "atomicfile.h"
#include "paths.h"
#include "tablefilelimit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>

namespace {

const QString s_rowGroup = QStringLiteral("Temp2AD/");
const char *const s_scratchPrefix = ".calibtable-";

QString textOf(const QVariant &value)
{
    // A value holding a comma reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// An escape in the file can make half of a surrogate pair, which UTF-8
// cannot hold: the settings object writes U+FFFD (or nothing) in its place.
// The table holds such text as it can be written, so that what a save
// writes reads back as the table that was saved.
QString storable(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QVariant storable(const QVariant &value)
{
    if (value.userType() == QMetaType::QString)
        return storable(value.toString());
    if (value.userType() == QMetaType::QStringList) {
        QStringList list = value.toStringList();
        for (QString &item : list)
            item = storable(item);
        return list;
    }
    return value;
}

// QSettings folds "a//b", "/a" and "a/" into other keys: such a key could
// never be written back as itself.
bool writableKey(const QString &key)
{
    return !key.contains(QLatin1String("//")) && !key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/'));
}

// A key the library reads as that temperature: "-20", never "-020".
bool canonicalTemp(const QString &temp, int *value)
{
    bool ok = false;
    const int t = temp.toInt(&ok, 10);
    if (!ok || QString::number(t) != temp || t < -32768 || t > 32767)
        return false;
    *value = t;
    return true;
}

} // namespace

int CalibTable::tempValue(const QString &temp)
{
    bool ok = false;
    const int t = temp.toInt(&ok, 10);
    return ok ? t : 0;
}

qint64 CalibTable::adValue(const QString &ad, bool *ok)
{
    bool parsed = false;
    const qint64 v = ad.trimmed().toLongLong(&parsed, 16);
    if (ok)
        *ok = parsed;
    return parsed ? v : 0;
}

QString CalibTable::adText(qint64 ad, bool upperCase)
{
    const QString text = QString::number(ad, 16);
    return upperCase ? text.toUpper() : text;
}

int CalibTable::indexOf(const QString &temp) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).temp == temp)
            return i;
    }
    return -1;
}

QString CalibTable::ad(const QString &temp) const
{
    const int i = indexOf(temp);
    return i < 0 ? QString() : m_rows.at(i).ad;
}

void CalibTable::setAd(const QString &temp, const QString &ad)
{
    const int i = indexOf(temp);
    if (i >= 0) {
        m_rows[i].ad = ad;
        return;
    }
    // After the last row of a lower or equal value: the order stays stable.
    const int value = tempValue(temp);
    auto at = std::upper_bound(m_rows.begin(), m_rows.end(), value,
                               [](int v, const Row &row) { return v < tempValue(row.temp); });
    m_rows.insert(at, Row{temp, ad});
}

void CalibTable::removeRow(const QString &temp)
{
    const int i = indexOf(temp);
    if (i >= 0)
        m_rows.removeAt(i);
}

QVariant CalibTable::value(const QString &key, const QVariant &fallback) const
{
    return m_other.value(key, fallback);
}

void CalibTable::setValue(const QString &key, const QVariant &value)
{
    m_other.insert(key, value);
}

void CalibTable::removeValue(const QString &key)
{
    m_other.remove(key);
}

int CalibTable::baseTemp() const
{
    bool ok = false;
    const int t = textOf(value(QStringLiteral("ParaSet/BaseTemp"))).trimmed().toInt(&ok, 10);
    return ok ? t : 30;
}

bool CalibTable::load(const QString &path)
{
    m_rows.clear();
    m_other.clear();
    m_error.clear();
    const QString file = Paths::resolve(path);
    if (!QFileInfo::exists(file)) {
        m_error = QStringLiteral("%1 is missing").arg(path);
        return false;
    }
    if (!TableFileLimit::readable(file)) {
        m_error = QStringLiteral("%1 is refused").arg(path);
        return false;
    }
    QSettings settings(file, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        m_error = QStringLiteral("%1 cannot be read").arg(path);
        return false;
    }
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys) {
        if (!writableKey(key))
            continue;
        const QVariant v = storable(settings.value(key));
        if (key.startsWith(s_rowGroup) && key.size() > s_rowGroup.size())
            m_rows.append(Row{key.mid(s_rowGroup.size()), textOf(v)});
        else
            m_other.insert(key, v);
    }
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const Row &a, const Row &b) { return tempValue(a.temp) < tempValue(b.temp); });
    return true;
}

QList<QPair<int, QString>> CalibTable::gridPoints() const
{
    QList<QPair<int, QString>> points;
    for (const Row &row : qAsConst(m_rows)) {
        int t = 0;
        if (!row.ad.isEmpty() && canonicalTemp(row.temp, &t))
            points.append({t, row.ad});
    }
    std::sort(points.begin(), points.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QPair<int, QString>> grid;
    for (const auto &point : qAsConst(points)) {
        if (grid.size() >= MaxPoints)
            break;
        if ((point.first - points.first().first) % 10 == 0)
            grid.append(point);
    }
    return grid;
}

void CalibTable::recomputeParaSet()
{
    const QList<QPair<int, QString>> grid = gridPoints();
    const QString para = QStringLiteral("ParaSet/");
    if (grid.isEmpty()) {
        for (const char *key : {"MinTemp", "MaxTemp", "MinAD", "MaxAD"})
            m_other.remove(para + QLatin1String(key));
    } else {
        m_other.insert(para + QStringLiteral("MinTemp"), grid.first().first);
        m_other.insert(para + QStringLiteral("MinAD"), grid.first().second);
        m_other.insert(para + QStringLiteral("MaxTemp"), grid.last().first);
        m_other.insert(para + QStringLiteral("MaxAD"), grid.last().second);
    }
    m_other.insert(para + QStringLiteral("TempNum"), int(grid.size()));
    const QString base = para + QStringLiteral("BaseTemp");
    if (m_other.contains(base)) {
        int t = 0;
        if (!canonicalTemp(textOf(m_other.value(base)).trimmed(), &t))
            m_other.remove(base);
    }
}

bool CalibTable::save(const QString &path)
{
    m_error.clear();
    recomputeParaSet();
    const QString file = Paths::resolve(path);
    const QString folder = QFileInfo(file).absolutePath();
    // The settings object writes a scratch file of a name of its own; its
    // text then replaces the table whole.
    QTemporaryFile scratch(folder + QLatin1Char('/') + QLatin1String(s_scratchPrefix) + QStringLiteral("XXXXXX"));
    if (!scratch.open()) {
        m_error = QStringLiteral("cannot write in %1").arg(QFileInfo(path).path());
        return false;
    }
    scratch.close();
    QByteArray text;
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        for (auto it = m_other.cbegin(); it != m_other.cend(); ++it)
            settings.setValue(it.key(), it.value());
        for (const Row &row : qAsConst(m_rows)) {
            if (!row.ad.isEmpty())
                settings.setValue(s_rowGroup + row.temp, row.ad);
        }
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            m_error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        // By name: the temporary file's own handle still holds the empty
        // file the settings object replaced.
        QFile written(scratch.fileName());
        if (!written.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("cannot write %1").arg(path);
            return false;
        }
        text = written.readAll();
        written.close();
        // QSettings keeps the last parse of every file it has closed in a
        // process-wide cache; a scratch name never comes back, so its parse
        // would only push useful ones out (and grow the heap on every
        // save). A file found gone on the last sync is not kept.
        written.remove();
        settings.sync();
    }
    if (!replaceFile(path, text)) {
        m_error = QStringLiteral("cannot replace %1").arg(path);
        return false;
    }
    // Rows without AD are not in the file any more.
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(), [](const Row &r) { return r.ad.isEmpty(); }),
                 m_rows.end());
    return true;
}

bool CalibTable::isScratchName(const QString &fileName)
{
    static const QRegularExpression scratch(QStringLiteral("^%1[A-Za-z]{6}(\\.[A-Za-z]+)?$")
                                                .arg(QRegularExpression::escape(QLatin1String(s_scratchPrefix))));
    return scratch.match(fileName).hasMatch();
}

int CalibTable::removeStaleScratch(const QString &folder)
{
    QDir dir(Paths::resolve(folder));
    int removed = 0;
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System;
    for (const QString &name : dir.entryList({QLatin1String(s_scratchPrefix) + QLatin1Char('*')}, files))
        if (isScratchName(name) && dir.remove(name))
            ++removed;
    for (const QString &table : dir.entryList({QStringLiteral("*.conf")}, QDir::Files))
        removed += AtomicFile::removeScratch(QDir(folder).filePath(table));
    return removed;
}

bool CalibTable::replaceFile(const QString &path, const QByteArray &data)
{
    const QString file = Paths::resolve(path);
    const QFileInfo before(file);
    const QDateTime old = before.exists() ? before.lastModified() : QDateTime();
    if (!AtomicFile::write(path, data))
        return false;
    QFile written(file);
    const QDateTime now = QFileInfo(file).lastModified();
    if (old.isValid() && now <= old && written.open(QIODevice::ReadOnly))
        written.setFileTime(old.addMSecs(1), QFileDevice::FileModificationTime);
    return true;
}
