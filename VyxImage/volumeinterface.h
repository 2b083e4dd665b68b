#pragma once

#include <QWidget>

// A painted vertical volume slider, 40x120: the level 0..100 grows upwards
// from y = 110 to y = 10. Only a drag hands the level on (volumeMoveEvent);
// press and release just redraw and let the owner hold its hide timer.
class VolumeInterface : public QWidget
{
    Q_OBJECT
public:
    explicit VolumeInterface(QWidget *parent = nullptr);

    void setVolume(int value);
    int getVolume() const { return m_VolumeVal; }
    // The level a pointer at widget height y stands for.
    static int levelAt(int y);

Q_SIGNALS:
    void volumePressEvent();
    void volumeReleaseEvent();
    void volumeMoveEvent(int level);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawframe(QPainter *painter);
    void drawGlobalBg(QPainter *painter);
    void drawBg(QPainter *painter);
    void drawSliderBar(QPainter *painter);

    // Set by the owner before the control is shown.
    int m_VolumeVal = 0;
};
