#include "simroot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QStringList SimRoot::folders()
{
    return {QStringLiteral("tmp"), QStringLiteral("media/mmc"), QStringLiteral("dev"),
            QStringLiteral("dev/fb"), QStringLiteral("root"), QStringLiteral("works"),
            QStringLiteral("Parameter"), QStringLiteral("etc"), QStringLiteral("language")};
}

QString SimRoot::defaultsDirectory()
{
    const QString fromEnv = qEnvironmentVariable("OSTREL_DEFAULTS");
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStringLiteral(OSTREL_DEFAULTS_DIR);
}

bool SimRoot::prepare(const QString &rootDir, const QString &defaultsDir)
{
    QDir root(rootDir);
    if (!root.mkpath(QStringLiteral(".")))
        return false;
    for (const QString &folder : folders()) {
        if (!root.mkpath(folder))
            return false;
    }
    QDir defaults(defaultsDir);
    if (!defaults.exists())
        return true;
    QDirIterator it(defaultsDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = defaults.relativeFilePath(source);
        const QString target = root.filePath(relative);
        if (QFileInfo::exists(target))
            continue;
        if (!root.mkpath(QFileInfo(relative).path()) || !QFile::copy(source, target))
            return false;
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}
