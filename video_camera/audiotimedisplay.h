#pragma once

#include <QWidget>

class LCDNumber;
class QHBoxLayout;
class Timeindicator;

// The recorder's elapsed time as MM:SS on four seven-segment digits; an
// hour or more reads 00:00. Paints nothing itself: the recorder's ground
// shows between the digits.
class AudioTimeDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit AudioTimeDisplay(QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(320, 100); }
    int time() const { return _time; }
    // Minutes tens, minutes units, seconds tens, seconds units.
    LCDNumber *digit(int index) const;

public Q_SLOTS:
    // Repaints through the digits' update(); never runs the event loop.
    void setTime(int _time);
    void Update();
    void UpdateTime();
    void drawwidgetBackground(QPainter *painter);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LCDNumber *m_digits[4] = {};
    Timeindicator *m_colon = nullptr;
    QHBoxLayout *m_layout = nullptr;
    int _time = 0;
};
