#pragma once

#include <QPushButton>

class ELabel;

// Caption row whose arrows only pass their presses and releases on; the
// owner runs the stepping. Holds a float value for its owner.
class EAdjustTempItem : public QPushButton
{
    Q_OBJECT
public:
    EAdjustTempItem(const QString &text, QWidget *parent = nullptr);

    void setStep(float step) { m_step = step; }
    float getStep() const { return m_step; }
    void setValue(float value) { m_value = value; }
    float value() const { return m_value; }
    void setRange(float min, float max);
    void setText(const QString &text);
    QString text() const;
    void setCustomStyleSheet(int);

Q_SIGNALS:
    void valueChanged(float value);
    void signal_upPress();
    void signal_upRelease();
    void signal_downPress();
    void signal_downRelease();

private:
    ELabel *m_caption;
    QPushButton *m_left;
    QPushButton *m_right;
    float m_maximum = 0;
    float m_minimum = 0;
    float m_value = 0;
    float m_step = 0;
};
