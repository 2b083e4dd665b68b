#pragma once

#include "plaincalibpage.h"

// The chooser of the two correction profiles; for now a plain page.
class EModifyProfile : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit EModifyProfile(QWidget *parent = nullptr);
};
