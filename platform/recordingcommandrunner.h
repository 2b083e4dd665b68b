#pragma once

#include "commandrunner.h"

#include <QHash>
#include <QList>
#include <QMutex>

// Logs every command and answers with scripted results; starts nothing.
// Tests and the simulator always run with this one.
class RecordingCommandRunner : public CommandRunner
{
public:
    struct Call {
        QString program;
        QStringList arguments;
        bool detached = false;

        QString line() const;
    };

    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;

    // The answer for a program (by name or full path); unscripted programs
    // "succeed" with exit code 0 and no output.
    void script(const QString &program, int exitCode, const QByteArray &output = QByteArray());
    void scriptNotStarted(const QString &program);

    QList<Call> calls() const;
    QStringList lines() const;
    void clear();

private:
    Result answerFor(const QString &program) const;

    mutable QMutex m_mutex;
    QList<Call> m_calls;
    QHash<QString, Result> m_scripted;
};
