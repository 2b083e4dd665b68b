#include "storedsettings.h"

#include "paths.h"
#include "tablefilelimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>

namespace {
QMutex s_mutex;
// Host paths of the stand-ins already begun in this run.
QSet<QString> s_begun;
} // namespace

StoredSettings::StoredSettings(const QString &file, QSettings::Format format)
    : QSettings(hostPathFor(file), format)
{
}

QString StoredSettings::standInFor(const QString &path)
{
    QString inside = QDir::cleanPath(path);
    while (inside.startsWith(QLatin1Char('/')) || inside.startsWith(QLatin1String("../")))
        inside.remove(0, inside.startsWith(QLatin1Char('/')) ? 1 : 3);
    return Paths::resolve(QLatin1String(StandInFolder) + QLatin1Char('/') + inside);
}

QString StoredSettings::hostPathFor(const QString &path)
{
    const QString host = Paths::resolve(path);
    const TableFileLimit::Verdict verdict = TableFileLimit::check(host);
    // A folder reads as nothing at once, and its writes fail and are
    // reported as for a card that takes none: no stand-in for it.
    if (verdict == TableFileLimit::Missing || verdict == TableFileLimit::Readable || QFileInfo(host).isDir())
        return host;
    const QString standIn = standInFor(path);
    QMutexLocker lock(&s_mutex);
    if (!s_begun.contains(standIn)) {
        s_begun.insert(standIn);
        // Whatever an earlier run left there is not this run's defaults.
        QFile::remove(standIn);
        QDir().mkpath(QFileInfo(standIn).absolutePath());
        TableFileLimit::readable(host);
        qWarning("%s is not read: the settings start from their defaults, kept in %s", qPrintable(path), qPrintable(standIn));
    }
    return standIn;
}
