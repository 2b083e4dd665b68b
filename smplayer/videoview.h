#pragma once

#include <QFileInfo>
#include <QWidget>

class QLabel;
class QPhotoInfoLabel;
class QTimer;
class VideoInterface;
class VolumeInterface;

// The player widget in the playback screen's scene: the banner, the
// transport (made with the first file) and the volume slider; it relays
// the transport's seconds to the playback screen.
class VideoView : public QWidget
{
    Q_OBJECT
public:
    explicit VideoView(QWidget *parent = nullptr);

    void loadNetVideo(const QFileInfo &file);
    void defaultkeyPressEvent(QKeyEvent *event);
    void mplayProcessClose();
    bool isVideoInterface(int x, int y) const;
    // The mixer's master volume 0..100, -1 when it cannot be read; the
    // level set (clamped), -1 when the mixer cannot be asked.
    static int get_volume();
    static int set_volume(int level);

    QPhotoInfoLabel *banner() const { return m_banner; }
    VideoInterface *transport() const { return m_videoInterface; }
    VolumeInterface *volumeSlider() const { return m_volumeInterface; }
    QTimer *volumeTimer() const { return m_volumeTimer; }
    // "This video cannot be played", shown when the player refuses the file.
    QLabel *refusalNotice() const { return m_refusal; }

    enum { VolumeHideMs = 3000 };

Q_SIGNALS:
    void signal_startTime(int second, bool seek);
    void signal_stopPlay();

public Q_SLOTS:
    void sliderMoved_slots(int level);
    void sliderReleased_slots();
    void sliderPressed_slots();
    void SoundShow_Slots();
    void Soundtimer_SLots();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPhotoInfoLabel *m_banner;
    VideoInterface *m_videoInterface = nullptr;
    VolumeInterface *m_volumeInterface = nullptr;
    QTimer *m_volumeTimer;
    QLabel *m_refusal;
};
