#include "einfopage.h"

#include "esetuptitle.h"

EInfoPage::EInfoPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    ESetupTitle::addToPage(this, tr("Info"));
}
