#pragma once

#include <QWidget>

class ESpinBox;
class QPushButton;
class QTimer;

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

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void accelerate();
    void step(int direction);
    void stopRepeat();

    ESpinBox *m_spinBox;
    QPushButton *m_left;
    QPushButton *m_right;
    QTimer *m_downTimer;
    QTimer *m_upTimer;
    bool m_downLongPress = false;
    bool m_upLongPress = false;
    int m_ticks = 0;
    bool m_notify = false;
};
