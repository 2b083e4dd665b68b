#pragma once

#include <QWidget>

class EComboBoxItem;
class ESpinBoxItem;
class ESpotWidget;
class ETitle;

// "Alarm Setting": which spot carries the alarm, the condition and the
// threshold (stored in degC, shown in the system unit). While the alarm is
// armed (openAlarm(true) by the panel) every change re-arms the spot at
// once; every way out stores the three keys.
class EAlarmSetup : public QWidget
{
    Q_OBJECT
public:
    explicit EAlarmSetup(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // false when the settings file could not be written.
    bool savePara();
    bool isArmed() const { return m_armed; }
    int currentTarget() const { return m_currentTarget; }
    // The threshold in degC, from the editor.
    float threshold() const;

    ETitle *title() const { return m_title; }
    EComboBoxItem *targetItem() const { return m_target; }
    EComboBoxItem *modeItem() const { return m_mode; }
    ESpinBoxItem *tempItem() const { return m_temp; }

public Q_SLOTS:
    void okClicked();
    void changeTargetPara(int index);
    void changeModePara(int);
    void changeTempPara(const QString &);
    void updateDisplayTemp();
    void openAlarm(bool on);
    void readConfigPara();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    static ESpotWidget *spot(int target);
    void armCurrent();

    ETitle *m_title;
    EComboBoxItem *m_target;
    EComboBoxItem *m_mode;
    ESpinBoxItem *m_temp;
    bool m_armed = false;
    int m_currentTarget = 0;
};
