#pragma once

#include "calibpage.h"

// The chooser of the two correction profiles; for now a plain page.
class EModifyProfile : public CalibPage
{
    Q_OBJECT
public:
    explicit EModifyProfile(QWidget *parent = nullptr);
};
