#pragma once

#include <QGraphicsView>

class ESpotWidget;
class QPushButton;
class QSignalMapper;
class QTimer;

// Marks dead pixels by hand over the live picture: a cross cursor moved
// by touch or by a pad of four arrows (a tap one pixel, a hold one pixel
// every 100 ms), and OK, which sends the cursor to the core as one dead
// point (x doubled: the core's picture is twice as wide). OK stays ready
// after a point the core refused. The pad keeps to the half of the screen
// the cursor is not in. Type 1 is a step of the K calibration: Escape ends
// it and reports manual_close(); otherwise Escape asks whether to save.
class ManualDeadPoint : public QGraphicsView
{
    Q_OBJECT
public:
    enum { Up, Down, Left, Right, Ok };

    explicit ManualDeadPoint(QWidget *parent = nullptr);
    ~ManualDeadPoint() override;

    void setType(int type) { m_type = type; }
    int type() const { return m_type; }
    ESpotWidget *cursor() const { return m_cursor; }
    QPushButton *padButton(int number) const { return m_buttons[number]; }
    QPoint padCentre() const { return QPoint(m_centreX, m_centreY); }
    QTimer *longPressTimer() const { return m_longPress; }
    // Ends a marking without asking (the core window is closing for good).
    void abandon();

    // The pad's centre for a cursor at y.
    static QPoint padCentreFor(int cursorY);

Q_SIGNALS:
    void manual_close();

public Q_SLOTS:
    void slot_clicked_ok();
    void slot_btnPressed(int number);
    void slot_btnReleased(int number);
    void mouseLongPress();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void changePosition();
    void stepCursor(int number);
    void finish(bool save);

    ESpotWidget *m_cursor = nullptr;
    bool m_dragging = false;
    QPushButton *m_buttons[5] = {};
    int m_centreX = 0;
    int m_centreY = 0;
    int m_type = 0;
    QSignalMapper *m_pressMapper = nullptr;
    QSignalMapper *m_releaseMapper = nullptr;
    QTimer *m_longPress = nullptr;
    int m_direction = 0;
    bool m_longPressed = false;
};
