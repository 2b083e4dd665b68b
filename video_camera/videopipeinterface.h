#pragma once

#include "encoderlink.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>

#include <memory>

class FifoReader;
class QTimer;
class ReplyTokenizer;
class SideFileSync;

// The radiometric side file beside a recording. The encoder service says
// "fadsave" on "/tmp/videomain" when it starts writing a video: the side
// file "/root/tmp.avi" is made anew and gets one parameter record per
// elapsed second; "fadstop" closes it; "videostop" closes it and tells the
// panel that the recording has really ended. Every message of a read is
// handled, even several in one read. The pipe is read on the reader's
// thread; the records are built where the live view lives and put on the
// card by SideFileSync's worker, once a second. A side file that cannot be
// made, written or flushed is told once a recording (sideFileNotWritten()).
class VideoPipeInterface : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *SideFile = EncoderLink::VideoSideFile;
    // A gap longer than MaxCatchUpSeconds is the clock being set, not a
    // stall: the video did not run that long, so one record follows.
    enum { RecordSize = 1792, TickMs = 250, MaxCatchUpSeconds = 10 };

    explicit VideoPipeInterface(QObject *parent = nullptr);
    ~VideoPipeInterface() override;

    // false when the pipe cannot be made.
    bool start();
    void stop();

    // One message as the reader delivers it (tests feed it directly).
    void handleData(const QByteArray &data);
    // One quiet turn: records every whole second passed since the last.
    void tick();

    bool isRecording() const { return m_recording; }
    int secondCount() const { return m_seconds; }
    bool hasSideFile() const { return m_fd >= 0; }
    SideFileSync *sideFileSync() const { return m_sync; }

Q_SIGNALS:
    void videoExitPipeSignals();
    void sideFileNotWritten();

private:
    void handleMessage(const QByteArray &message);
    bool openIrAdFile();
    void writeIrAdFile(int seconds);
    void closeIrAdFile();
    void tellNotWritten();

    FifoReader *m_reader;
    std::unique_ptr<ReplyTokenizer> m_tokens;
    QTimer *m_tick;
    SideFileSync *m_sync;
    int m_fd = -1;
    bool m_failureTold = false;
    bool m_recording = false;
    int m_seconds = 0;
    QDateTime m_lastSecond;
};
