#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// scripts/device-rig.sh run by a test: the device build in the rig's
// namespaces, its root in a folder the test owns. Every wait is bounded;
// stop() ends the namespace, so nothing of the rig outlives the test.
class RigProcess
{
public:
    RigProcess() = default;
    ~RigProcess();
    RigProcess(const RigProcess &) = delete;
    RigProcess &operator=(const RigProcess &) = delete;

    // Why the rig cannot run on this machine; empty when it can.
    static QString unavailable();

    // root: an empty folder. program empty: the host build's ostrel.
    // timeScale: the program's seconds-long timers take that share of
    // their time.
    bool start(const QString &root, quint16 vncPort, double timeScale, const QString &program = QString(),
               const QString &emulator = QString(), const QStringList &arguments = QStringList());
    // Ends the program and everything in the rig.
    void stop();
    // Waits for the program to end by itself; its exit code, or -1.
    int waitForExit(int timeoutMs);
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    QByteArray output() const;

    QString root() const { return m_root; }
    QString hostPath(const QString &path) const { return m_root + path; }
    QByteArray readFile(const QString &path) const;
    // Waits until the rig's file holds text.
    bool waitForText(const QString &path, const QByteArray &text, int timeoutMs) const;

    static quint16 freePort();

private:
    QProcess m_process;
    QString m_root;
    mutable QByteArray m_output;
};
