#pragma once

#include <QFileInfo>
#include <QWidget>

class QPhotoInfoLabel;
class QTimer;
class VideoInterface;

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

    QPhotoInfoLabel *banner() const { return m_banner; }
    VideoInterface *transport() const { return m_videoInterface; }
    QTimer *volumeTimer() const { return m_volumeTimer; }

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
    QWidget *m_volumeInterface = nullptr;
    QTimer *m_volumeTimer;
};
