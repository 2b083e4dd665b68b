#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

// The full-screen slide-to-power-off confirmation shown while the power key
// is held: a knob to slide to the right, the time and date, and a cancel
// button. A slide that reached the end, or the key held on, powers off at
// the next tick through PowerOff.
class ZPshutdown : public QWidget
{
    Q_OBJECT
public:
    // The band the finger must stay in, and the knob's travel.
    static constexpr int BandTop = 151;
    static constexpr int BandBottom = 222;
    static constexpr int PressLeft = 18;
    static constexpr int PressRight = 68;
    static constexpr int TravelRight = 219;
    static constexpr int KnobHome = 17;
    static constexpr int KnobY = 176;
    static constexpr int KnobEnd = 170;
    static constexpr int TickMs = 1000;
    static constexpr int KeyTickMs = 1500;

    explicit ZPshutdown(QWidget *parent = nullptr);

    // Power off without sliding (the power key held on).
    void KeyCloseWindow();

    QLabel *knob() const { return m_knob; }
    QLabel *timeLabel() const { return m_timeLabel; }
    QLabel *dateLabel() const { return m_dateLabel; }
    QLabel *slideLabel() const { return m_slideLabel; }
    QLabel *shutdownLabel() const { return m_shutdownLabel; }
    QPushButton *cancelButton() const { return m_cancel; }
    QTimer *tickTimer() const { return m_timer; }
    bool isArmed() const { return m_armed; }
    bool isSlid() const { return m_slid; }

public Q_SLOTS:
    void update_time();
    void cancel_shutdownslots();

Q_SIGNALS:
    void cancel_shutdown_signal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    static bool inBand(int y) { return y >= BandTop && y <= BandBottom; }
    void snapBack();
    void disarm();

    QLabel *m_knob = nullptr;
    bool m_pressed = false;
    bool m_slid = false;
    bool m_reachedEnd = false;
    bool m_byKey = false;
    int m_pressX = 0;
    bool m_armed = false;
    QLabel *m_timeLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_slideLabel = nullptr;
    QLabel *m_shutdownLabel = nullptr;
    QString m_timeText;
    QString m_dateText;
    QTimer *m_timer = nullptr;
    QPushButton *m_cancel = nullptr;
};
