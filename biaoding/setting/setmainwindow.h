#pragma once

#include "plaincalibpage.h"

// The service settings window; for now a plain page that only returns to
// the menu.
class SetMainWindow : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit SetMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
};
