#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The video player the transport drives: play, pause (a toggle), stop and
// an absolute seek in seconds; it reports its state, the position and the
// length in whole seconds. Every signal is emitted on the GUI thread. On a
// PC and in the simulator an mpv child plays (MpvPlayer); the camera's
// player library sits behind the same calls.
class MplayLib : public QObject
{
    Q_OBJECT
public:
    enum State { stStopped = 0, stLoading = 1, stBuffering = 2, stPlaying = 3, stPaused = 4 };
    Q_ENUM(State)

    explicit MplayLib(QObject *parent = nullptr);
    ~MplayLib() override;

    virtual void play(const QString &file) = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void seek(qint64 position, bool absolute) = 0;

    // What is playing now, as the simulated screen follows it: the player
    // made last that still lives, its file and its last reported second.
    static MplayLib *active();
    QString playingFile() const { return m_file; }
    int position() const { return m_position; }
    State state() const { return m_state; }

    using Factory = std::function<MplayLib *()>;
    // The installed factory's player, else an mpv child.
    static MplayLib *create();
    // An empty factory restores the default.
    static void installFactory(Factory factory);

Q_SIGNALS:
    void stateChange(MplayLib::State state);
    void starttime(int second);
    void endtime(int length);
    void finished();

protected:
    // The one way a player reports, so active() always knows what plays.
    void reportFile(const QString &file) { m_file = file; }
    void reportState(State state);
    void reportPosition(int second);
    void reportLength(int length);

private:
    QString m_file;
    int m_position = 0;
    State m_state = stStopped;
};
