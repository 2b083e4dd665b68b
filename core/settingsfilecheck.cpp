#include "settingsfilecheck.h"

#include "atomicfile.h"
#include "paths.h"
#include "storedsettings.h"
#include "tablefilelimit.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>

QString SettingsFileCheck::run()
{
    const QString file = QLatin1String(FileName);
    AtomicFile::removeScratch(file);
    const QString host = Paths::resolve(file);
    // A missing file is the usual first start; readable() warns about the rest.
    if (!QFileInfo::exists(host) || TableFileLimit::readable(host)) {
        // Saves follow a link; from now on they land on a file of our own.
        AtomicFile::replaceLink(host, TableFileLimit::MAX_BYTES);
        return {};
    }
    for (int n = 1; n <= MaxAside; ++n) {
        const QString aside = n == 1 ? QLatin1String(AsideName) : QStringLiteral("%1-%2").arg(QLatin1String(AsideName)).arg(n);
        if (renameWithoutReplacing(file, aside)) {
            qWarning("%s set aside as %s: the settings start from their defaults", FileName, qPrintable(aside));
            return aside;
        }
        if (errno != EEXIST)
            break;
    }
    qWarning("%s cannot be set aside: %s", FileName, std::strerror(errno));
    // Still not read: every settings object of this run opens a stand-in.
    StoredSettings::hostPathFor(file);
    return {};
}

bool SettingsFileCheck::renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = Paths::resolveNative(from);
    const QByteArray target = Paths::resolveNative(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: look first, then rename.
    if (QFileInfo(QFile::decodeName(target)).exists() || QFileInfo(QFile::decodeName(target)).isSymLink()) {
        errno = EEXIST;
        return false;
    }
    return ::rename(source.constData(), target.constData()) == 0;
}
