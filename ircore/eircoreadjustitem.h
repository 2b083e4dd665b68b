#pragma once

#include <QWidget>

class ArrowRepeat;
class QPushButton;

// The value bar of a core register, over the live picture: down arrow,
// value, up arrow. Holding an arrow moves the value by its step on the
// first nine ticks, ten steps on the next ten, a hundred steps on the
// next twenty, then holds; every change and every tick reports the
// (clamped) value. Pressing the value asks for typing; any key closes the
// bar. The object name is the register's and travels with every signal.
class EIRCoreAdjustItem : public QWidget
{
    Q_OBJECT
public:
    explicit EIRCoreAdjustItem(QWidget *parent = nullptr);

    void setRange(int min, int max);
    void setStep(int step) { m_step = step; }
    int step() const { return m_step; }
    void setValue(int value, bool notify);
    int value() const;
    QPushButton *downButton() const { return m_down; }
    QPushButton *upButton() const { return m_up; }
    QPushButton *valueButton() const { return m_value; }
    ArrowRepeat *repeat() const { return m_repeat; }

    // How far the ticks-th tick of a hold moves (0 for a short click: one
    // step).
    static int stride(int ticks, int step);

Q_SIGNALS:
    void valueChanged(const QString &name, int value);
    void clicked(const QString &name);
    void signal_close(const QString &name);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *m_down = nullptr;
    QPushButton *m_value = nullptr;
    QPushButton *m_up = nullptr;
    ArrowRepeat *m_repeat = nullptr;
    int m_min = 0;
    int m_max = 0;
    int m_current = 0;
    int m_step = 1;
};
