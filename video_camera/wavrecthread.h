#pragma once

#include <QMutex>
#include <QThread>

class AudioDevice;
class MediaRecorder;

// The voice note's capture: reads 8000 Hz mono 16-bit sound in blocks of
// 2048 bytes and copies them into the voice-note segment from offset 0,
// never past the segment's end, until its stop flag is set, the segment is
// full or the device fails. Each block goes to the recorder.
class WavRecThread : public QThread
{
    Q_OBJECT
public:
    enum { BlockBytes = 2048 };

    explicit WavRecThread(MediaRecorder *recorder);

    void setWavRecFlag(bool stop);
    bool getWavRecFlag();

protected:
    void run() override;

private:
    int audioConfig(AudioDevice *device, unsigned char channels, unsigned char bits, unsigned int rate);
    void audioSetVolume(int level);

    QMutex m_flagLock;
    bool m_stop = false;
    MediaRecorder *m_recorder;
};
