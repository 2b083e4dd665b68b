#include "eshowmodifydialog.h"

EShowModifyDialog::EShowModifyDialog(QWidget *parent)
    : CalibPage(-1, QStringLiteral("Modify table"), parent)
{
}
