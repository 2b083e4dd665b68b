#pragma once

#include <QWidget>

class ArrowRepeat;
class QPushButton;

// One-line integer stepper: left arrow, value, right arrow. The value is
// always kept inside the range; holding an arrow (when enabled) repeats with
// strides of 1, 10 and 100 steps and stops moving after 8 seconds.
class EIntTimeItem : public QWidget
{
    Q_OBJECT
public:
    explicit EIntTimeItem(QWidget *parent = nullptr, bool repeatOnHold = true);

    void setRange(int min, int max);
    void setStep(int step) { m_step = step; }
    // Clamps, shows and announces (also when unchanged).
    void setValue(int value);
    int value() const;
    void disableUpDown();

Q_SIGNALS:
    void valueChanged(int value);
    void clicked();

public Q_SLOTS:
    void upPress();
    void upRelease();
    void downPress();
    void downRelease();
    void mouseLongPressUp();
    void mouseLongPressDown();
    void slot_clicked();

private:
    void step(int direction, int ticks);

    QPushButton *m_valueButton;
    QPushButton *m_left;
    QPushButton *m_right;
    int m_maximum = 0;
    int m_minimum = 0;
    int m_value = 0;
    ArrowRepeat *m_repeat;
    int m_step = 1;
};
