#include "emodifyprofile.h"

EModifyProfile::EModifyProfile(QWidget *parent)
    : CalibPage(-1, QStringLiteral("Profile"), parent)
{
}
