#pragma once

#include "calibpage.h"

// The infrared-core maintenance window; for now a blank page whose "Back"
// gives the overlay back and returns to the calibration menu.
class IRCoreMainWindow : public CalibPage
{
    Q_OBJECT
public:
    explicit IRCoreMainWindow(QWidget *parent = nullptr, QWidget *owner = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~IRCoreMainWindow() override;

private Q_SLOTS:
    void leave();
};
