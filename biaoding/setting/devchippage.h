#pragma once

#include <QWidget>

class ESetupComboBox;
class ESetupSwitch;

// Page "Calib": how the calibration key enters calibration mode. "Pw-Start"
// asks for the access code ("VyxSet/EnterMode"); "Delay" is how long the
// key must be held ("VyxSet/DelayTime": OFF, 1 or 5 seconds).
class DevChipPage : public QWidget
{
    Q_OBJECT
public:
    explicit DevChipPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    ESetupSwitch *pwStartRow() const { return m_pwStart; }
    ESetupComboBox *delayRow() const { return m_delay; }
    int delayIndex() const { return m_delayIndex; }

    // The choice a stored delay shows as, and the seconds a choice stores.
    static int indexForSeconds(int seconds);
    static int secondsForIndex(int index);
    static QString delayLabel(int index);

public Q_SLOTS:
    void slot_itemPwStart();
    void slot_itemDelay();

private:
    void readConfigPara();
    bool write(const QString &key, int value);

    ESetupSwitch *m_pwStart = nullptr;
    ESetupComboBox *m_delay = nullptr;
    int m_delayIndex = 0;
};
