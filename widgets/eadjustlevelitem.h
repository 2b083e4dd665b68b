#pragma once

#include <QFrame>

class QPushButton;

// Strip for adjusting level and span by hand: a mode button, the Min, Both
// and Max selectors and two arrows. The selection is outlined and published
// as the strip's object name ("Auto", "Min", "Both", "Max"); the arrows'
// presses and releases are passed on as signals for the owner to act on.
class EAdjustLevelItem : public QFrame
{
    Q_OBJECT
public:
    enum Selection { Auto = 0, Min = 1, Both = 2, Max = 3 };

    EAdjustLevelItem(const QString &name, QWidget *parent = nullptr);

    void setStep(float step) { m_step = step; }
    float getStep() const { return m_step; }
    void setValue(float value) { m_value = value; }
    float value() const { return m_value; }
    void setRange(float min, float max);
    // 0 automatic, 1 histogram, 2 manual; anything else clears the icon.
    void changeMode(int levelSpanMode);
    // Bit 0 the direction (1 up), bit 7 the release.
    void emit_signal(int code);
    QString text() const;
    void setText(const QString &text);
    void setCustomStyleSheet(int);
    int selection() const { return m_selection; }

Q_SIGNALS:
    void valueChanged(float value);
    void signal_upPress();
    void signal_upRelease();
    void signal_downPress();
    void signal_downRelease();
    void signal_changeToManual();

public Q_SLOTS:
    void slot_clicked_autoItem();
    void slot_clicked_minItem();
    void slot_clicked_bothItem();
    void slot_clicked_maxItem();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void select(int selection, const QString &name);

    QPushButton *m_modeButton;
    QPushButton *m_bothButton;
    QPushButton *m_minButton;
    QPushButton *m_maxButton;
    QPushButton *m_left;
    QPushButton *m_right;
    float m_maximum = 0;
    float m_minimum = 0;
    float m_value = 0;
    float m_step = 0;
    int m_selection = Auto;
};
