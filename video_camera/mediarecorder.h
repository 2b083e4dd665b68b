#pragma once

#include <QByteArray>
#include <QMutex>
#include <QWidget>

class AudioTimeDisplay;
class QPushButton;
class Waveform;
class WavRecThread;

// The voice-note recorder over the whole screen: a time display, a live
// waveform, the record button and the save button. Its capture thread fills
// the voice-note segment; the save lays a WAV header over the first 44
// bytes and reports the image length with audiorecoderexit() (0: nothing
// to keep), as the last thing it does. It owns its thread: destroying it
// stops the thread and waits for it.
class MediaRecorder : public QWidget
{
    Q_OBJECT
public:
    enum State { Idle = 0, Recording = 1, StopRequested = 2 };
    enum { MaxSeconds = 60 };

    explicit MediaRecorder(QWidget *parent = nullptr);
    ~MediaRecorder() override;

    // Called by the capture thread for every block; total is the byte count
    // after it.
    void setSoundBuffer(char *block, int bytes, int total);
    void setSampleBuffer(char *block, int bytes, int total);
    const char *getSampleBuffer() const { return m_samples.constData(); }
    void startWaveRecording();
    void stopWaveRecording();

    int state() const { return m_state; }
    int byteCount();
    QPushButton *recordButton() const { return m_recordButton; }
    QPushButton *writeButton() const { return m_writeButton; }
    AudioTimeDisplay *timeDisplay() const { return m_time; }
    Waveform *waveform() const { return m_waveform; }
    WavRecThread *captureThread() const { return m_thread; }

Q_SIGNALS:
    void audiotimesignals(int seconds);
    void audiorecoderexit(int length);
    void showwave(int bytes);

public Q_SLOTS:
    void recordClicked();
    void currentTimeRecordSlots(int seconds);
    void showWaveData(int bytes);
    int writeAudioDateFile();
    void threadWavAudioSlots();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBackground(QPainter *painter);
    void setSkin(QPushButton *button, const char *image);

    QPushButton *m_recordButton = nullptr;
    QPushButton *m_writeButton = nullptr;
    Waveform *m_waveform = nullptr;
    AudioTimeDisplay *m_time = nullptr;
    QMutex m_sampleLock;
    int m_state = Idle;
    bool m_discard = false;
    int m_byteCount = 0;
    QByteArray m_samples;
    int m_sampleBytes = 0;
    WavRecThread *m_thread = nullptr;
};
