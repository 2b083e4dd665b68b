#pragma once

#include "mplaylib.h"

#include <QFile>
#include <QTime>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class QTimer;

// The transport bar: elapsed time, position slider, length and five
// buttons over the player. It counts its own ticks, two to a second, and
// steers their period towards the position the player reports; it emits
// the counted second for the measurement replay.
class VideoInterface : public QWidget
{
    Q_OBJECT
public:
    explicit VideoInterface(QWidget *parent = nullptr);
    ~VideoInterface() override;

    void setVideoFn(const QString &path) { m_path = path; }
    QString videoFn() const { return m_path; }

    MplayLib *player() const { return m_player; }
    QTimer *progressTimer() const { return m_progress; }
    QSlider *slider() const { return m_slider; }
    QLabel *elapsedLabel() const { return m_elapsed; }
    QLabel *lengthLabel() const { return m_lengthLabel; }
    QPushButton *stopButton() const { return m_stop; }
    QPushButton *playButton() const { return m_play; }
    QPushButton *listButton() const { return m_list; }
    QPushButton *volumeButton() const { return m_volume; }
    QPushButton *exitButton() const { return m_exit; }
    bool isStarted() const { return m_started; }
    // The player gave up on the file before it played.
    bool wasRefused() const { return m_refused; }
    bool isPaused() const { return m_paused; }
    int shownSecond() const { return m_shown; }
    int length() const { return m_length; }
    static int progressTicks();
    // The period that brings the count back in step with the player.
    static int pacedInterval(int shown, int reported);

Q_SIGNALS:
    void sound_signals();
    void signal_startTime(int second, bool seek);
    void signal_stopPlay();
    // The player stopped without ever playing the file asked for.
    void signal_cannotPlay();

public Q_SLOTS:
    QTime int_to_time(int seconds);
    void startslost(int second);
    void stopslots(int length);
    void mplayerStateChanged(MplayLib::State state);
    void backPlay();
    void videolistPlay();
    void seekPlay(int position);
    void soundPlay();
    void slot_tmProgress();
    void stopPlay();
    void startpausePlay();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void createVideoUiInterface();
    void showStateIcons(MplayLib::State state);
    QString timeText(int seconds);

    QLabel *m_elapsed = nullptr;
    QLabel *m_lengthLabel = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_list = nullptr;
    QPushButton *m_exit = nullptr;
    QPushButton *m_volume = nullptr;
    QSlider *m_slider = nullptr;
    QString m_path;
    MplayLib *m_player = nullptr;
    // The file playing, held open when the player reaches it through this
    // process's descriptor (a name that is not UTF-8).
    QFile m_playing;
    bool m_started = false;
    // play() was asked and the player has not yet played or paused.
    bool m_awaitingPlay = false;
    bool m_refused = false;
    // Set and cleared only by the player's state, never guessed from the
    // progress timer.
    bool m_paused = false;
    int m_shown = 0;
    int m_length = 0;
    QTimer *m_progress = nullptr;
    int m_reported = 0;
};
