#include "childprocess.h"

#include "paths.h"

#include <QMetaObject>

#include <csignal>

#include <unistd.h>

ChildProcess::ChildProcess(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    // Its own group, so what it starts in the background can be found and
    // ended with it.
    m_process.setChildProcessModifier([] { ::setpgid(0, 0); });
    connect(&m_process, &QProcess::readyRead, this, &ChildProcess::outputReady);
    connect(&m_process, &QProcess::finished, this, &ChildProcess::processEnded);
    connect(&m_process, &QProcess::errorOccurred, this, &ChildProcess::processError);
}

ChildProcess::~ChildProcess()
{
    endGroup();
    if (m_process.state() != QProcess::NotRunning) {
        m_process.blockSignals(true);
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

QString ChildProcess::resolve(const QString &program)
{
    if (!program.startsWith(QLatin1Char('/')))
        return QString();
    return Paths::resolve(program);
}

bool ChildProcess::start(const QString &program, const QStringList &arguments)
{
    const QString hostPath = resolve(program);
    if (hostPath.isEmpty() || m_process.state() != QProcess::NotRunning) {
        const QString reason = hostPath.isEmpty() ? QStringLiteral("%1 is no system path").arg(program)
                                                  : QStringLiteral("a child is still running");
        // Reported like any other start failure: after the caller returns.
        QMetaObject::invokeMethod(this, [this, reason] { Q_EMIT failedToStart(reason); }, Qt::QueuedConnection);
        return false;
    }
    m_process.start(hostPath, arguments, QIODevice::ReadWrite);
    m_group = m_process.processId();
    // Also from this side, so the group exists before anything signals it
    // (the child may not have run its part yet; once it has run the program
    // this fails, harmlessly).
    if (m_group > 0)
        ::setpgid(pid_t(m_group), pid_t(m_group));
    return true;
}

bool ChildProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

QByteArray ChildProcess::readAll()
{
    return m_process.readAll();
}

QByteArray ChildProcess::read(qint64 maxBytes)
{
    return m_process.read(maxBytes);
}

void ChildProcess::kill()
{
    endGroup();
    m_process.kill();
}

void ChildProcess::endGroup()
{
    // Never 0 or 1: kill() would take those as this program's own group or
    // as every process there is.
    if (m_group > 1)
        ::kill(-pid_t(m_group), SIGKILL);
}

void ChildProcess::processEnded(int exitCode, QProcess::ExitStatus status)
{
    // What the program left running goes with it. The group's id stays
    // taken while anything is left in it; when nothing is, it has been free
    // only since the program was reaped a moment ago.
    endGroup();
    m_group = 0;
    if (status == QProcess::CrashExit)
        Q_EMIT crashed();
    else
        Q_EMIT finished(exitCode);
}

void ChildProcess::processError(QProcess::ProcessError error)
{
    // A crash also ends in finished(); only a start failure comes here alone.
    if (error == QProcess::FailedToStart) {
        m_group = 0;
        Q_EMIT failedToStart(m_process.errorString());
    }
}
