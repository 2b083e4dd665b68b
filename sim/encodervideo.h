#pragma once

#include <QObject>

class QTimer;

// encoder-sim's answers to a recording: "multimedia start <path>" says
// "fadsave" on "/tmp/videomain" and "video" on "/tmp/videotime" and counts
// the recorded seconds in segment 0x25431, one a second; "multimedia stop"
// says "fadstop" and then "videostop". It writes no video file yet.
class EncoderVideo : public QObject
{
    Q_OBJECT
public:
    explicit EncoderVideo(QObject *parent = nullptr);

    // false when the command is no recording command.
    bool handle(const QByteArray &command);
    bool isRecording() const { return m_recording; }
    int seconds() const { return m_seconds; }

private:
    void second();
    void publishSeconds();

    QTimer *m_timer;
    bool m_recording = false;
    int m_seconds = 0;
};
