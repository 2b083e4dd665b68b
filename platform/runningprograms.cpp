#include "runningprograms.h"

#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {
// The kernel's name of a process; empty when it has gone meanwhile.
QByteArray processName(const QString &procDir, const QString &pid)
{
    QFile comm(procDir + QLatin1Char('/') + pid + QStringLiteral("/comm"));
    if (!comm.open(QIODevice::ReadOnly))
        return QByteArray();
    // The name is at most 15 bytes and a newline; more is not a name.
    return comm.read(64).trimmed();
}
} // namespace

QList<qint64> RunningPrograms::named(const QString &name)
{
    const QString procDir = Paths::resolve(QStringLiteral("/proc"));
    const QByteArray wanted = QFile::encodeName(name);
    const qint64 self = QCoreApplication::applicationPid();
    QList<qint64> pids;
    const QStringList entries = QDir(procDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid || pid <= 0 || pid == self)
            continue;
        if (processName(procDir, entry) == wanted)
            pids.append(pid);
    }
    return pids;
}

bool RunningPrograms::waitUntilGone(const QString &name, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (named(name).isEmpty())
            return true;
        const qint64 left = timeoutMs - waited.elapsed();
        if (left <= 0)
            return false;
        QThread::msleep(ulong(qMin<qint64>(PollMs, left)));
    }
}
