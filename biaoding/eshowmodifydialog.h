#pragma once

#include "plaincalibpage.h"

// The correction-table viewer; for now a plain page.
class EShowModifyDialog : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit EShowModifyDialog(QWidget *parent = nullptr);
};
