#pragma once

#include "etimerdialog.h"

// "Power Off": the idle time after which the camera powers itself off.
// With no screen-off time its Done sets the one-minute idle interval, so
// the countdown can start.
class EShutdownDialog : public ETimerDialog
{
    Q_OBJECT
public:
    explicit EShutdownDialog(QWidget *page, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Stored "CloseScreenPeriod", as stored.
    static int getCloseScreenparam();

protected:
    void confirm(int index) override;
};
