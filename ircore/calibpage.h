#pragma once

#include <QWidget>

class ManualDeadPoint;
class QPushButton;
class TwoCalib;

// Page "Two Calib" of the core window: starts the two-point K calibration
// and the dead-pixel marking. Both screens are built on first use and kept.
class CalibPage : public QWidget
{
    Q_OBJECT
public:
    explicit CalibPage(QWidget *parent = nullptr);

    TwoCalib *twoCalib() const { return m_twoCalib; }
    ManualDeadPoint *manualDeadPoint() const { return m_deadPoint; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *deadPointButton() const { return m_manual; }
    // Hides both screens (the core window is closing for good).
    void hideScreens();

public Q_SLOTS:
    void startTwoCalib();
    void startManualCalib(int type = 0);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *m_start = nullptr;
    QPushButton *m_manual = nullptr;
    TwoCalib *m_twoCalib = nullptr;
    ManualDeadPoint *m_deadPoint = nullptr;
};
