#pragma once

#include <QWidget>

class ERemindItem;
class ETabItem;

// The settings page of the analysis panel: the global object parameters,
// the measurement setup and the spot alarm (switch and setup).
class ESettingTab : public QWidget
{
    Q_OBJECT
public:
    explicit ESettingTab(QWidget *parent = nullptr);

    ERemindItem *globalRow() const { return m_global; }
    ERemindItem *measureRow() const { return m_measure; }
    ETabItem *alarmRow() const { return m_alarm; }
    // Arms (on) or disarms the alarm on its stored target spot with the
    // stored mode and threshold; off also switches the board's output off.
    void readAlarmPara(bool on);

public Q_SLOTS:
    void settingHandler(const QString &text);
    void clickedGlobalSetupHandler();
    void clickedAlarmSetupHandler();
    void alarmSetupHandler() {}
    void clickedAlarmHandler();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ERemindItem *m_global;
    ERemindItem *m_measure;
    ETabItem *m_alarm;
};
