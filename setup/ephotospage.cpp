#include "ephotospage.h"

#include "esetuptitle.h"

EPhotosPage::EPhotosPage(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    ESetupTitle::addToPage(this, tr("Photos"));
}
