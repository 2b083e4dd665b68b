#include "childprocess.h"

#include "paths.h"

#include <QMetaObject>

ChildProcess::ChildProcess(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    connect(&m_process, &QProcess::readyRead, this, &ChildProcess::outputReady);
    connect(&m_process, &QProcess::finished, this, &ChildProcess::processEnded);
    connect(&m_process, &QProcess::errorOccurred, this, &ChildProcess::processError);
}

ChildProcess::~ChildProcess()
{
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
    m_process.kill();
}

void ChildProcess::processEnded(int exitCode, QProcess::ExitStatus status)
{
    if (status == QProcess::CrashExit)
        Q_EMIT crashed();
    else
        Q_EMIT finished(exitCode);
}

void ChildProcess::processError(QProcess::ProcessError error)
{
    // A crash also ends in finished(); only a start failure comes here alone.
    if (error == QProcess::FailedToStart)
        Q_EMIT failedToStart(m_process.errorString());
}
