#include "simtranslations.h"

#include <QDir>
#include <QFile>

QString SimTranslations::directory()
{
    const QString fromEnv = qEnvironmentVariable("OSTREL_TRANSLATIONS");
    return fromEnv.isEmpty() ? QStringLiteral(OSTREL_TRANSLATIONS_DIR) : fromEnv;
}

int SimTranslations::install(const QString &rootDir)
{
    const QDir source(directory());
    QDir target(rootDir);
    if (!target.mkpath(QStringLiteral("language")))
        return -1;
    target.cd(QStringLiteral("language"));
    int copied = 0;
    for (const QString &name : source.entryList({QStringLiteral("ostrel_*.qm")}, QDir::Files)) {
        QFile built(source.filePath(name));
        QFile installed(target.filePath(name));
        if (!built.open(QIODevice::ReadOnly))
            continue;
        const QByteArray contents = built.readAll();
        if (installed.open(QIODevice::ReadOnly) && installed.readAll() == contents)
            continue;
        installed.close();
        if (!installed.open(QIODevice::WriteOnly | QIODevice::Truncate) || installed.write(contents) != contents.size())
            return -1;
        ++copied;
    }
    return copied;
}
