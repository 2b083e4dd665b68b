#pragma once

#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>

// Runs encoder-sim, the stand-in for the encoder service, for one simulator
// root. The child ends with its parent (parent-death signal, and stop() on
// the normal exit path), runs in a process group of its own so a Ctrl-C on
// the terminal reaches only ostrel, and a death while it should run is
// reported on stderr. A start first ends encoder-sim processes left by an
// earlier run of the same root, so only one reader owns its pipe.
class SimEncoder : public QObject
{
    Q_OBJECT
public:
    explicit SimEncoder(QObject *parent = nullptr);
    ~SimEncoder() override;

    bool start(const QString &root);
    void stop();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    // encoder-sim beside the running program.
    static QString program();
    // Running encoder-sim processes serving root, other than this process;
    // each checked through /proc/<pid>/exe and its command line.
    static QList<qint64> runningFor(const QString &root);
    static bool isEncoderOf(qint64 pid, const QString &root);
    // Ends what runningFor() finds; the number ended.
    static int endStale(const QString &root);

private:
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    bool m_stopping = false;
};
