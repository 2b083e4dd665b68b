#include "recordingcommandrunner.h"

#include <QFileInfo>
#include <QMutexLocker>

QString RecordingCommandRunner::Call::line() const
{
    return (QStringList{program} + arguments).join(QLatin1Char(' '));
}

CommandRunner::Result RecordingCommandRunner::run(const QString &program, const QStringList &arguments, int)
{
    QMutexLocker lock(&m_mutex);
    m_calls.append({program, arguments, false});
    return answerFor(program);
}

bool RecordingCommandRunner::startDetached(const QString &program, const QStringList &arguments)
{
    QMutexLocker lock(&m_mutex);
    m_calls.append({program, arguments, true});
    return answerFor(program).started;
}

void RecordingCommandRunner::script(const QString &program, int exitCode, const QByteArray &output)
{
    QMutexLocker lock(&m_mutex);
    Result r;
    r.started = true;
    r.finished = true;
    r.exitCode = exitCode;
    r.output = output;
    m_scripted.insert(program, r);
}

void RecordingCommandRunner::scriptNotStarted(const QString &program)
{
    QMutexLocker lock(&m_mutex);
    m_scripted.insert(program, Result{});
}

QList<RecordingCommandRunner::Call> RecordingCommandRunner::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

QStringList RecordingCommandRunner::lines() const
{
    QMutexLocker lock(&m_mutex);
    QStringList out;
    for (const Call &c : m_calls)
        out << c.line();
    return out;
}

void RecordingCommandRunner::clear()
{
    QMutexLocker lock(&m_mutex);
    m_calls.clear();
}

CommandRunner::Result RecordingCommandRunner::answerFor(const QString &program) const
{
    auto it = m_scripted.constFind(program);
    if (it == m_scripted.constEnd())
        it = m_scripted.constFind(QFileInfo(program).fileName());
    if (it != m_scripted.constEnd())
        return *it;
    Result ok;
    ok.started = true;
    ok.finished = true;
    ok.exitCode = 0;
    return ok;
}
