#include "emiscpage.h"

#include "esetuptitle.h"

EMiscPage::EMiscPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    ESetupTitle::addToPage(this, tr("Misc"));
}
