#include "paths.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace {
QMutex s_mutex;
bool s_initialised = false;
QString s_root;

QString normalisedRoot(const QString &root)
{
    if (root.isEmpty())
        return QStringLiteral("/");
    QString clean = QDir::cleanPath(QDir(root).absolutePath());
    return clean.isEmpty() ? QStringLiteral("/") : clean;
}

QString currentRoot()
{
    QMutexLocker lock(&s_mutex);
    if (!s_initialised) {
        s_root = normalisedRoot(qEnvironmentVariable("OSTREL_ROOT"));
        s_initialised = true;
    }
    return s_root;
}
} // namespace

QString Paths::root()
{
    return currentRoot();
}

void Paths::setRoot(const QString &root)
{
    QMutexLocker lock(&s_mutex);
    s_root = normalisedRoot(root);
    s_initialised = true;
}

bool Paths::isRealRoot()
{
    return currentRoot() == QLatin1String("/");
}

QString Paths::resolve(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return path;
    const QString base = currentRoot();
    if (base == QLatin1String("/"))
        return path;
    // "/tmp/../../etc" must not climb out of the root.
    QStringList inside;
    for (const QString &part : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("..")) {
            if (!inside.isEmpty())
                inside.removeLast();
        } else if (part != QLatin1String(".")) {
            inside.append(part);
        }
    }
    return inside.isEmpty() ? base : base + QLatin1Char('/') + inside.join(QLatin1Char('/'));
}

QByteArray Paths::resolveNative(const QString &path)
{
    return QFile::encodeName(resolve(path));
}
