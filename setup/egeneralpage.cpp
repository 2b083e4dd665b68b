#include "egeneralpage.h"

#include "esetuptitle.h"

EGeneralPage::EGeneralPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    ESetupTitle::addToPage(this, tr("General"));
}
