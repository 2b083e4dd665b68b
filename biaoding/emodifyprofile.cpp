#include "emodifyprofile.h"

EModifyProfile::EModifyProfile(QWidget *parent)
    : PlainCalibPage(-1, QStringLiteral("Profile"), parent)
{
}
