#pragma once

#include "etimerdialog.h"

// "Screen Off": the idle time after which the panel dims and goes dark.
// Its Done puts the idle interval into force at once.
class ECloseScreenDialog : public ETimerDialog
{
    Q_OBJECT
public:
    explicit ECloseScreenDialog(QWidget *page, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Stored "ShutdownPeriod", negative as 0.
    static int getshutdownparam();

protected:
    void confirm(int index) override;
};
