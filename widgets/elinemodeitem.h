#pragma once

#include <QPushButton>

class ArrowRepeat;
class QLabel;

// Integer stepper row with its own accelerating repeat (1, 10, 100, then
// standing still after 8 seconds). Signals only real changes of the value.
class ELineModeItem : public QPushButton
{
    Q_OBJECT
public:
    ELineModeItem(const QString &text, QWidget *parent = nullptr);

    void setRange(int min, int max);
    void setValue(int value);
    int value() const;
    void setText(const QString &text);
    QString text() const;
    void setCustomStyleSheet(int);

Q_SIGNALS:
    void valueChanged(int value);

public Q_SLOTS:
    void upPress();
    void upRelease();
    void downPress();
    void downRelease();
    void mouseLongPressUp();
    void mouseLongPressDown();

private:
    void step(int direction, int ticks);

    QLabel *m_caption;
    QLabel *m_valueLabel;
    QPushButton *m_left;
    QPushButton *m_right;
    int m_maximum = 0;
    int m_minimum = 0;
    int m_value = 0;
    ArrowRepeat *m_repeat;
};
