#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// A program that runs beside the GUI and tells how it ended. Started with an
// argument list (no shell), standard output and error merged. The program
// is a system path ("/works/…") and is started only where Paths puts it, so
// under a test or simulator root nothing but what was placed there can run.
class ChildProcess : public QObject
{
    Q_OBJECT
public:
    explicit ChildProcess(QObject *parent = nullptr);
    // A child still running is killed with its group: it never outlives its owner.
    ~ChildProcess() override;

    // False when it was refused at once; failedToStart() follows in any
    // case where it does not run.
    bool start(const QString &program, const QStringList &arguments);
    bool isRunning() const;
    QByteArray readAll();
    // At most maxBytes of what the program wrote; empty when nothing waits.
    QByteArray read(qint64 maxBytes);
    // Ends the program and its group at once; crashed() follows.
    void kill();

    // The host path of program, or empty when it is no absolute system path.
    static QString resolve(const QString &program);

Q_SIGNALS:
    void outputReady();
    void finished(int exitCode);
    void crashed();
    void failedToStart(const QString &reason);

private:
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void processError(QProcess::ProcessError error);
    void endGroup();

    QProcess m_process;
    // The program's process group (its pid), 0 once it has ended.
    qint64 m_group = 0;
};
