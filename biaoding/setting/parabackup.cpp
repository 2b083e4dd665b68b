#include "parabackup.h"

#include "paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <unistd.h>

bool ParaBackup::validSerial(const QString &serial)
{
    static const QRegularExpression rule(QStringLiteral("^[0-9A-Za-z-]{1,20}$"));
    return rule.match(serial).hasMatch();
}

QString ParaBackup::destination(const QString &serial)
{
    return QDir(Paths::resolve(QStringLiteral("/media/mmc/os320"))).filePath(serial);
}

bool ParaBackup::run(const QString &sourceDir, const QString &destination, QString *error,
                     const std::atomic_bool *cancel)
{
    if (!QDir().mkpath(destination)) {
        if (error)
            *error = QStringLiteral("cannot make %1").arg(destination);
        return false;
    }
    bool ok = true;
    for (const char *folder : {"Parameter", "etc"}) {
        const QString name = QLatin1String(folder);
        ok = copyTree(QDir(sourceDir).filePath(name), QDir(destination).filePath(name), error, cancel) && ok;
    }
    if (cancel && cancel->load()) {
        if (error && error->isEmpty())
            *error = QStringLiteral("cancelled");
        return false;
    }
    ::sync();
    return ok;
}

bool ParaBackup::copyTree(const QString &from, const QString &to, QString *error, const std::atomic_bool *cancel)
{
    const auto fail = [error](const QString &why) {
        if (error && error->isEmpty())
            *error = why;
        return false;
    };
    if (!QFileInfo(from).isDir())
        return fail(QStringLiteral("no %1").arg(from));
    if (!QDir().mkpath(to))
        return fail(QStringLiteral("cannot make %1").arg(to));
    bool ok = true;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (cancel && cancel->load())
            return false;
        const QString source = it.next();
        const QFileInfo info = it.fileInfo();
        const QString target = QDir(to).filePath(QDir(from).relativeFilePath(source));
        if (info.isDir() && !info.isSymLink()) {
            if (!QDir().mkpath(target))
                ok = fail(QStringLiteral("cannot make %1").arg(target));
            continue;
        }
        // An earlier backup's copy is replaced.
        if (QFileInfo::exists(target) && !QFile::remove(target)) {
            ok = fail(QStringLiteral("cannot replace %1").arg(target));
            continue;
        }
        if (!QFile::copy(source, target) || QFileInfo(target).size() != info.size())
            ok = fail(QStringLiteral("cannot copy %1").arg(source));
    }
    return ok;
}
