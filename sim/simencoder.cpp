#include "simencoder.h"

#include "simroot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr const char *ProgramName = "encoder-sim";

QByteArray readProcFile(const QString &path)
{
    // /proc files report no size: read until the end.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray data;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0 || data.size() > 65536)
            break;
        data.append(buffer, int(n));
    }
    ::close(fd);
    return data;
}

QString executableOf(qint64 pid)
{
    char target[4096];
    const QByteArray link = "/proc/" + QByteArray::number(pid) + "/exe";
    const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
    if (n <= 0)
        return QString();
    QString path = QFile::decodeName(QByteArray(target, int(n)));
    // A program rebuilt while it runs shows as "… (deleted)".
    const QLatin1String deleted(" (deleted)");
    if (path.endsWith(deleted))
        path.chop(deleted.size());
    return path;
}

bool isGone(qint64 pid, const QString &root)
{
    // A zombie has no executable any more, so it no longer counts.
    return ::kill(pid_t(pid), 0) != 0 || !SimEncoder::isEncoderOf(pid, root);
}

} // namespace

SimEncoder::SimEncoder(QObject *parent)
    : QObject(parent)
{
    connect(&m_process, &QProcess::finished, this, &SimEncoder::onFinished);
}

SimEncoder::~SimEncoder()
{
    stop();
}

QString SimEncoder::program()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(ProgramName);
}

bool SimEncoder::isEncoderOf(qint64 pid, const QString &root)
{
    if (pid <= 0 || pid == qint64(::getpid()))
        return false;
    if (QFileInfo(executableOf(pid)).fileName() != QLatin1String(ProgramName))
        return false;
    const QList<QByteArray> args = readProcFile(QStringLiteral("/proc/%1/cmdline").arg(pid)).split('\0');
    if (args.size() < 2 || QFileInfo(QFile::decodeName(args.at(0))).fileName() != QLatin1String(ProgramName))
        return false;
    const QString served = QFile::decodeName(args.at(1));
    return QDir::isAbsolutePath(served) && SimRoot::resolve(served) == SimRoot::resolve(root);
}

QList<qint64> SimEncoder::runningFor(const QString &root)
{
    QList<qint64> pids;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && isEncoderOf(pid, root))
            pids << pid;
    }
    return pids;
}

int SimEncoder::endStale(const QString &root)
{
    int ended = 0;
    for (const qint64 pid : runningFor(root)) {
        qWarning("ending encoder-sim %lld, left running for this root by an earlier run", pid);
        ::kill(pid_t(pid), SIGTERM);
        for (int waited = 0; waited < 1000 && !isGone(pid, root); waited += 10)
            QThread::msleep(10);
        // Checked again right before: the number may belong to another
        // program by now.
        if (!isGone(pid, root))
            ::kill(pid_t(pid), SIGKILL);
        ++ended;
    }
    return ended;
}

bool SimEncoder::start(const QString &root)
{
    const QString encoder = program();
    if (!QFileInfo(encoder).isExecutable()) {
        qWarning("encoder-sim not found beside %s; encoder commands will fail",
                 qPrintable(QCoreApplication::applicationFilePath()));
        return false;
    }
    endStale(root);
    m_stopping = false;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([parent] {
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The parent may have died before the line above.
        if (::getppid() != parent)
            ::_exit(127);
    });
    m_process.start(encoder, {root});
    if (!m_process.waitForStarted(1000)) {
        qWarning("cannot start %s: %s; encoder commands will fail", qPrintable(encoder),
                 qPrintable(m_process.errorString()));
        return false;
    }
    return true;
}

void SimEncoder::stop()
{
    m_stopping = true;
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(1000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

void SimEncoder::onFinished(int exitCode, QProcess::ExitStatus status)
{
    if (m_stopping)
        return;
    if (status == QProcess::CrashExit)
        qWarning("encoder-sim ended unexpectedly (killed by a signal); encoder commands will fail");
    else
        qWarning("encoder-sim ended unexpectedly (exit code %d); encoder commands will fail", exitCode);
}
