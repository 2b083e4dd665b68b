#include "processcommandrunner.h"

#include "paths.h"

#include <QProcess>

bool ProcessCommandRunner::allowed()
{
    return Paths::isRealRoot() && qEnvironmentVariableIsEmpty("OSTREL_SIMULATE");
}

CommandRunner::Result ProcessCommandRunner::run(const QString &program, const QStringList &arguments, int timeoutMs)
{
    Result result;
    if (!allowed()) {
        qWarning("refusing to run %s outside the device", qPrintable(program));
        return result;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return result;
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.output = process.readAll();
        return result;
    }
    result.finished = true;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAll();
    return result;
}

bool ProcessCommandRunner::startDetached(const QString &program, const QStringList &arguments)
{
    if (!allowed()) {
        qWarning("refusing to start %s outside the device", qPrintable(program));
        return false;
    }
    return QProcess::startDetached(program, arguments);
}
