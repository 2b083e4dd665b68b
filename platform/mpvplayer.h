#pragma once

#include "mplaylib.h"

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QTimer>

class QLocalSocket;

// The player on a PC and in the simulator: an mpv child started idle with
// a JSON IPC socket, told to load, pause, seek and stop over it, and
// observed for its position, length, pause and idle state. The child dies
// with this process; when the player goes it is told to quit, killed if it
// has not within QuitWaitMs and reaped, the GUI waiting at most
// QuitWaitMs + KillWaitMs. Without mpv the player reports the stopped state and logs why.
class MpvPlayer : public MplayLib
{
    Q_OBJECT
public:
    explicit MpvPlayer(QObject *parent = nullptr);
    ~MpvPlayer() override;

    void play(const QString &file) override;
    void pause() override;
    void stop() override;
    void seek(qint64 position, bool absolute) override;

    // Picture and sound off (tests and the simulator); on by default.
    static void setHeadless(bool headless);
    // The program started; "mpv" from PATH unless changed (tests).
    static void setProgram(const QString &program);

    QString socketPath() const { return m_socketPath; }
    bool isChildRunning() const { return m_process && m_process->state() != QProcess::NotRunning; }
    qint64 childPid() const { return m_process ? m_process->processId() : 0; }

    // Where the socket goes: under the root's "/tmp" unless that path is
    // too long for a socket address, then under the host's temporary folder.
    static QString chooseSocketPath(const QString &name);

    enum { ConnectRetryMs = 25, ConnectAttempts = 200, QuitWaitMs = 80, KillWaitMs = 20 };

private:
    bool ensureChild();
    void tryConnect();
    void onConnected();
    void onReadyRead();
    void handle(const QByteArray &line);
    void send(const QList<QVariant> &command);
    void failed(const QString &reason);
    void endChild();

    QProcess *m_process = nullptr;   // the running child, made per start
    QLocalSocket *m_socket;
    QTimer m_connectTimer;
    int m_attempts = 0;
    QString m_socketPath;
    QByteArray m_buffer;
    QList<QByteArray> m_pending;
    bool m_loaded = false;   // a file was loaded and has not ended
    bool m_fileStarted = false;   // mpv has begun the file play() asked for
    bool m_paused = false;
    int m_second = -1;
    int m_length = -1;
};
