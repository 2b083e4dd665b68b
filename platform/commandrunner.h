#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every program the system starts goes through one runner, always with an
// argument list: no shell line is ever built from file or user text.
class CommandRunner
{
public:
    struct Result {
        bool started = false;   // the program could be started at all
        bool finished = false;  // it ended before the time limit
        int exitCode = -1;
        QByteArray output;

        bool ok() const { return started && finished && exitCode == 0; }
    };

    virtual ~CommandRunner() = default;

    // Runs and waits at most timeoutMs. Callers on the GUI thread keep that short.
    virtual Result run(const QString &program, const QStringList &arguments, int timeoutMs) = 0;
    // Starts without waiting; true when the program was started.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;

    // The process-wide runner. Until something installs another one this is a
    // recording runner, so nothing reaches the real system by accident.
    static CommandRunner *instance();
    // Takes ownership; nullptr puts a fresh recording runner back.
    static void install(CommandRunner *runner);
};
