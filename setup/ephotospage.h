#pragma once

#include <QPointer>
#include <QWidget>

class ESetupComboBox;
class ESetupSwitch;
class PhotoTimeDialog;
class QTimer;

// The Photos page: interval capture. "Repeat" starts and stops a timer
// that takes one photo per period with the capture panel's two commands;
// "Period" shows the interval and opens the interval dialog. A tick is
// skipped while the live view is covered, the card is missing or full, or
// the previous photo is still being saved. Nothing of the running state is
// stored: after a restart interval capture is off.
class EPhotosPage : public QWidget
{
    Q_OBJECT
public:
    explicit EPhotosPage(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    void repeatHandler_start();
    void repeatHandler_stop();
    // The stored interval in seconds.
    static qint64 readConfigParam();
    // "5s", "1m30s", "1h0m0s".
    static QString int_to_time(qint64 seconds);

    ESetupSwitch *repeatSwitch() const { return m_repeat; }
    ESetupComboBox *periodRow() const { return m_period; }
    QTimer *repeatTimer() const { return m_timer; }
    PhotoTimeDialog *dialog() const;

public Q_SLOTS:
    void repeatHandler();
    void repeatTimeHandler();
    void timeoutslots();
    void phototimeHandle();

private:
    void setCustomStyle();
    void capture();
    // A command that could not be written ends the capture at once.
    void abandonCapture(bool encoderStarted);

    ESetupSwitch *m_repeat = nullptr;
    ESetupComboBox *m_period = nullptr;
    QTimer *m_timer = nullptr;
    QPointer<PhotoTimeDialog> m_dialog;
};
