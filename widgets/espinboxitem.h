#pragma once

#include <QWidget>

class ArrowRepeat;
class ESpinBox;
class QPushButton;

// Row around a read-only ESpinBox: left arrow, value, right arrow. A short
// tap steps once; holding repeats every 200 ms with strides of 1, 2, 10 and
// 100 steps. User changes are signalled with the row's object name.
class ESpinBoxItem : public QWidget
{
    Q_OBJECT
public:
    explicit ESpinBoxItem(QWidget *parent = nullptr, int size = 48);

    void setObjectName(const QString &name);
    void setDecimals(int decimals);
    void setSuffix(const QString &suffix);
    void setAlignment(Qt::Alignment alignment);
    void setWrapping(bool on);
    QString cleanText() const;
    double value() const;
    double singleStep_float() const;
    double orginSingleStep() const;
    void setSingleStep(double step, bool keep);
    // Loaded ranges are never signalled, even when they move the value.
    void setRange(float min, float max);
    // notify: whether this and later changes of the value are signalled.
    void setValue(float value, bool notify);
    ESpinBox *spinBox() const { return m_spinBox; }

Q_SIGNALS:
    void valueChanged(const QString &name);
    void clicked();
    void clicked(const QString &name);

public Q_SLOTS:
    void upPress();
    void upRelease();
    void downPress();
    void downRelease();
    void mouseLongPressUp();
    void mouseLongPressDown();
    void clickedHandler();
    void slot_valueChanged(const QString &text);

private:
    void step(int direction, int ticks);
    void restoreStep();

    ESpinBox *m_spinBox;
    QPushButton *m_left;
    QPushButton *m_right;
    ArrowRepeat *m_repeat;
    bool m_notify = false;
};
