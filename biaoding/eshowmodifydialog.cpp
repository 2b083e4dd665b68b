#include "eshowmodifydialog.h"

EShowModifyDialog::EShowModifyDialog(QWidget *parent)
    : PlainCalibPage(-1, QStringLiteral("Modify table"), parent)
{
}
