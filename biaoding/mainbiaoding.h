#pragma once

#include "plaincalibpage.h"

class BiaoDing;
class EAreaWidget;
class QPushButton;

// The temperature calibration wizard over the calibration area; for now a
// plain page that returns to the menu and opens the settings window.
class MainBiaoDing : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit MainBiaoDing(EAreaWidget *area, QWidget *parent = nullptr);
    ~MainBiaoDing() override;

    EAreaWidget *area() const { return m_area; }
    QPushButton *calibInfoButton() const { return m_calibInfo; }
    BiaoDing *settingsWindow() const { return m_settings; }

public Q_SLOTS:
    void slot_btnBiaoDing();
    void slot_closeBiaoDing(bool ok);

private:
    EAreaWidget *m_area;
    QPushButton *m_calibInfo;
    BiaoDing *m_settings = nullptr;
};
