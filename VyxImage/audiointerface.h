#pragma once

#include <QByteArray>
#include <QFile>
#include <QTime>
#include <QWidget>

#include <memory>

class AudioDevice;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

// The voice-note player over the photo viewer: plays "/root/music.wav" (a
// 44-byte header, then 8000 Hz mono 16-bit sound) one second a tick. The
// feed never blocks: each tick hands the device what it takes and keeps the
// rest for the next tick, and the position counts the bytes taken. It stops
// at the end of the sound, and on a note it cannot open or read.
class AudioInterface : public QWidget
{
    Q_OBJECT
public:
    // Run state, shared by every player: 2 idle, 1 playing or paused, 0
    // while a stop is in progress.
    enum { Stopping = 0, Running = 1, Idle = 2 };
    enum { HeaderBytes = 44, BytesPerSecond = 16000, FeedMs = 1000 };

    explicit AudioInterface(QWidget *parent = nullptr);
    ~AudioInterface() override;

    static QString musicFile() { return QStringLiteral("/root/music.wav"); }

    void setAudioFn(const QString &path) { m_audioFn = path; }
    QString audioFn() const { return m_audioFn; }
    void createAudioInterface();

    static int getRunState();
    static void setRunState(int state);
    // The pause flag: 0 running, 1 paused.
    static int getpthreadRunState();
    static void setpthreadRunState(int state);

    qint64 bytesFed() const { return m_bytesFed; }
    qint64 dataLength() const { return m_dataLength; }
    QTimer *feedTimer() const { return m_feedTimer; }
    QLabel *elapsedLabel() const { return m_elapsed; }
    QLabel *totalLabel() const { return m_total; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *playButton() const { return m_play; }
    QPushButton *soundButton() const { return m_sound; }
    QSlider *timeSlider() const { return m_slider; }

Q_SIGNALS:
    void soundplay_signals();
    void bufLengthSig(int length);
    void runExitSig();

public Q_SLOTS:
    QTime int_to_time(int second);
    void audioStopPlay();
    void startslost(int second);
    void stopslots(int second);
    void BufTotime(int length);
    void runMusicPlay();
    void seekPlay(int pos);
    void soundPlay();
    int startpausePlay();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBg(QPainter *painter);
    void start();
    void setIcon(QPushButton *button, const char *image);
    QPushButton *makeButton(int x, const char *image);

    QTimer *m_feedTimer = nullptr;
    QLabel *m_elapsed = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_sound = nullptr;
    QSlider *m_slider = nullptr;
    QString m_audioFn;
    QFile m_note;
    std::shared_ptr<AudioDevice> m_device;
    // Read from the note but not yet taken by the device.
    QByteArray m_pending;
    qint64 m_bytesFed = 0;
    qint64 m_bytesRead = 0;
    qint64 m_dataLength = 0;
};
