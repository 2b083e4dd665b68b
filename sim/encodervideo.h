#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QThread;
class QTimer;
class VideoRecorder;

// encoder-sim's recording. "multimedia start <path>" says "fadsave" on
// "/tmp/videomain" and "video" on "/tmp/videotime", counts the recorded
// seconds in segment 0x25431, one a second, and encodes the board's picture
// at 10 frames a second into an MP4 under a temporary name beside path
// (VideoRecorder, a thread of its own). "multimedia stop" finishes the MP4
// with its end box and says "fadstop"; once the side file "/root/tmp.avi"
// has stopped growing for a moment its bytes and their offset are appended,
// the file takes its name and "videostop" follows. Switches in the switch
// file, read for every command, make it misbehave the ways a real service
// can.
class EncoderVideo : public QObject
{
    Q_OBJECT
public:
    // Nominal times (through Intervals) of the side-file wait: polled every
    // SidePollMs, taken when unchanged for SideQuietMs, at most SideWaitMs.
    enum { SidePollMs = 250, SideQuietMs = 1500, SideWaitMs = 10000, CountLead = 2 };
    // A card that fills during a recording has room for this many frame
    // slots (half a second); the recording is then lost, while the seconds
    // and the answers go on as the service's do.
    enum { CardFullSlots = 5 };
    static constexpr const char *TemporarySuffix = ".enc";

    // A recording cut off (encoder-sim killed) leaves its temporary in the
    // card's video folder; a start removes those of the camera's ".mp4"
    // names and nothing else. The number removed.
    static int removeStaleTemporaries();

    // One word per line of the switch file.
    struct Switches
    {
        bool stopsMerged = false;   // "video-stops-merged": "fadstop" and "videostop" in one write, after the file
        bool noVideoStop = false;   // "no-videostop"
        bool noVideo = false;       // "no-video": nothing on "/tmp/videotime"
        bool countStuck = false;    // "count-stuck": the seconds stay 0
        bool countAhead = false;    // "count-ahead": the seconds run CountLead ahead
        bool cardFull = false;      // "card-full": the card fills after CardFullSlots frame slots
        static Switches parse(const QByteArray &text);
        static Switches load();
    };

    enum State { Idle, Recording, Finishing, WaitingForSideFile, Completing };

    explicit EncoderVideo(QObject *parent = nullptr);
    ~EncoderVideo() override;

    // false when the command is no recording command.
    bool handle(const QByteArray &command);
    State state() const { return m_state; }
    bool isRecording() const { return m_state == Recording; }
    int seconds() const { return m_seconds; }

private:
    void start(const QByteArray &path);
    void stop();
    void recorderFinished();
    void videoFinished();
    void pollSideFile();
    void complete();
    void answerStop();
    void second();
    void publishSeconds();

    QTimer *m_timer;
    QTimer *m_sidePoll;
    VideoRecorder *m_recorder = nullptr;
    QThread *m_completer = nullptr;
    State m_state = Idle;
    Switches m_switches;
    int m_seconds = 0;
    QString m_path;
    QString m_temporary;
    QDateTime m_startedAt;
    qint64 m_sideSize = -1;
    QDateTime m_sideChanged;
    QElapsedTimer m_sideQuiet;
    QElapsedTimer m_sideWait;
};
