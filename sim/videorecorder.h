#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

// The encoding side of a recording, on a thread of its own so that the
// command pipe is served meanwhile: the board's picture (the scene of the
// frame segment) ten times a second into an MP4 at a host path. A read
// that finds the scene busy repeats the last picture; frames before the
// scene first comes show its first picture; only a recording during which
// no scene came at all holds the test pattern. One frame's slot lasts
// slotMs (scaled with the other timers); slots the encoder could not keep
// up with lengthen the frame before them.
// requestStop() ends it: the last frame lasts up to the stop, the file is
// finished with its end box and finished() follows.
class VideoRecorder : public QThread
{
    Q_OBJECT
public:
    // Real time between two frames at least, whatever the scale.
    enum { MinGapMs = 10 };

    VideoRecorder(const QString &hostPath, int slotMs, QObject *parent = nullptr);
    // Stops and waits: the file is finished either way.
    ~VideoRecorder() override;

    // The card has room for the video of that many frame slots only: a
    // recording that runs longer fails there, as on a full card. Before
    // start().
    void setRoomForSlots(qint64 count) { m_roomForSlots = count; }
    void requestStop();
    // Valid once finished: the MP4 is whole.
    bool succeeded() const { return m_ok.load(); }

protected:
    void run() override;

private:
    const QString m_path;
    const int m_slotMs;
    QMutex m_lock;
    QWaitCondition m_wake;
    bool m_stop = false;
    qint64 m_roomForSlots = -1;
    std::atomic<bool> m_ok{false};
};
