#pragma once

#include <QFrame>

class QColor;
class QPainter;

// The brightness slider: a 145-pixel track between a small and a large sun,
// the lit part ending at the position (38 dimmest .. 183 brightest), the
// percentage written on it. A drag or a tap on the track sends the
// backlight value at once; a drag that leaves the track at either end
// stops at that end and sends its value.
class BrightConfig : public QFrame
{
public:
    explicit BrightConfig(QWidget *parent = nullptr);

    // Sends the backlight value of a position and repaints.
    void updateLcdPwm(int position);

    int value() const { return m_value; }
    void setValue(int position);
    bool isPressed() const { return m_pressed; }

    void drawBg(QPainter *painter);
    void drawLeftimage(QPainter *painter);
    void drawBar(QPainter *painter);
    void drawLightBar(QPainter *painter);
    void drawRightimage(QPainter *painter);
    void drawText(QPainter *painter);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static bool inTrack(const QPoint &point, int top);
    static void drawBand(QPainter *painter, int bandWidth, const QColor &top, const QColor &bottom);

    bool m_pressed = false;
    int m_value = 38;
};
