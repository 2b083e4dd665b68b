#pragma once

#include "etimerdialog.h"

// "Auto Shutter": automatic, off, or a fixed period of 30 s, 1 or 2 min.
class EShutterDialog : public ETimerDialog
{
    Q_OBJECT
public:
    explicit EShutterDialog(QWidget *page, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

protected:
    void confirm(int index) override;
};
