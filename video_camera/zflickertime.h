#pragma once

#include <QWidget>

#include <memory>

class FifoReader;
class QTimer;
class ReplyTokenizer;
class SharedMemory;

// The recording time at the top of the screen. It counts its own ticks,
// two to a second, and steers its period towards the encoder's count of
// recorded seconds (shared memory 0x25431) instead of showing that count.
// It starts counting once the encoder confirms the recording, by "video"
// on "/tmp/videotime" or by a count above 0. While counting it checks the
// card once a second and raises spacesignals() when a video no longer fits.
class ZFlickerTime : public QWidget
{
    Q_OBJECT
public:
    enum { WaitMs = 50, FastMs = 350, NormalMs = 500, SlowMs = 600, Height = 15 };

    explicit ZFlickerTime(QWidget *parent = nullptr);
    ~ZFlickerTime() override;

    void startflickerTimer();
    void stopflickerTimer();
    // The encoder's count at the last counting tick; 0 while waiting.
    int getflickertime() const { return m_lastCount; }
    int seconds() const { return m_lastCount; }
    QString text() const { return m_text; }
    bool isCounting() const { return m_started; }
    QTimer *timer() const { return m_timer; }
    static QString timeText(int seconds);

    // The pipe's bytes as its reader delivers them.
    void handleTimePipe(const QByteArray &data);

Q_SIGNALS:
    void spacesignals();

public Q_SLOTS:
    void flickertime_timeout();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // -1 when the segment is missing or too small: still waiting.
    int readEncoderCount();
    void setPeriod(int ms);
    void place();

    QTimer *m_timer;
    FifoReader *m_pipe;
    std::unique_ptr<ReplyTokenizer> m_tokens;
    bool m_confirmedByPipe = false;
    bool m_started = false;
    bool m_periodChanged = false;
    int m_lastCount = 0;
    int m_encoderCount = 0;
    int m_ticks = 0;
    int m_textWidth = 0;
    int m_spaceTicks = 0;
    QString m_text;
};
