#pragma once

#include "plaincalibpage.h"

class EAreaWidget;

// The temperature calibration wizard over the calibration area; for now a
// plain page that only returns to the menu.
class MainBiaoDing : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit MainBiaoDing(EAreaWidget *area, QWidget *parent = nullptr);

    EAreaWidget *area() const { return m_area; }

private:
    EAreaWidget *m_area;
};
