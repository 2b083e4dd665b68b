#pragma once

#include <QWidget>

class ArrowRepeat;
class ELabel;
class QPushButton;

// Row with a caption, an integer value with a unit suffix and two arrows.
// Holding an arrow repeats every 200 ms with a growing stride.
class EValueItem : public QWidget
{
    Q_OBJECT
public:
    EValueItem(const QString &text, QWidget *parent = nullptr);

    void setRange(int min, int max);
    // Shown as given, without clamping; emits nothing.
    void setValue(int value);
    int getValue() const { return m_value; }
    void setSuffix(const QString &suffix) { m_suffix = suffix; }
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
    void showValue();

    ELabel *m_caption;
    ELabel *m_valueLabel;
    QPushButton *m_left;
    QPushButton *m_right;
    ArrowRepeat *m_repeat;
    int m_value = 0;
    QString m_suffix;
    int m_maximum = 0;
    int m_minimum = 0;
};
