#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

// scripts/device-rig.sh run by a test: the device build in the rig's
// namespaces, its root in a folder the test owns. Every wait is bounded;
// stop() stops the script, so nothing of the rig outlives the test.
class RigProcess
{
public:
    // One process, told apart from a later one given the same number.
    struct Process
    {
        qint64 pid = 0;
        quint64 startTime = 0;
    };
    // Who starts the script: the test itself, or a shell that the test
    // can end (the script then has no parent left to stop it).
    enum class Parent { Test, Shell };

    RigProcess() = default;
    ~RigProcess();
    RigProcess(const RigProcess &) = delete;
    RigProcess &operator=(const RigProcess &) = delete;

    // Why the rig cannot run on this machine; empty when it can.
    static QString unavailable();
    // The build folder the script is given.
    static QString buildDir();
    static QString script();

    // The script's $TMPDIR, where it makes its root when given none.
    void setTemporaryFolder(const QString &folder) { m_temporaryFolder = folder; }
    // root: an empty folder, or empty for the script's own temporary one.
    // program empty: the host build's ostrel. timeScale: the program's
    // seconds-long timers take that share of their time.
    bool start(const QString &root, quint16 vncPort, double timeScale, const QString &program = QString(),
               const QString &emulator = QString(), const QStringList &arguments = QStringList(),
               Parent parent = Parent::Test);
    // Stops the script (TERM) and so everything in the rig.
    void stop();
    // With Parent::Shell: kills the shell that started the script.
    void endParent();
    Process scriptProcess() const { return m_script; }

    // The process of that number now, or pid 0 when there is none.
    static Process process(qint64 pid);
    // Still there, and not yet only a dead process's exit status.
    static bool runs(const Process &process);
    // The process and all below it, read from /proc by parent number.
    static QList<Process> tree(qint64 pid);
    // Its arguments, as it was started.
    static QStringList arguments(const Process &process);
    // Waits until none of them runs; true when none does.
    static bool waitForEnd(const QList<Process> &processes, int timeoutMs);
    // Waits for the program to end by itself; its exit code, or -1.
    int waitForExit(int timeoutMs);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    QByteArray output() const;

    QString temporaryFolder() const { return m_temporaryFolder; }

    QString root() const { return m_root; }
    QString hostPath(const QString &path) const { return m_root + path; }
    QByteArray readFile(const QString &path) const;
    // Waits until the rig's file holds text.
    bool waitForText(const QString &path, const QByteArray &text, int timeoutMs) const;

    static quint16 freePort();

private:
    QProcess m_process;
    Process m_script;
    QString m_root;
    QString m_temporaryFolder;
    mutable QByteArray m_output;
};
