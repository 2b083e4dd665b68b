#include "zdatetimepage.h"

#include "esetuptitle.h"

ZDateTimePage::ZDateTimePage(QWidget *parent)
    : QWidget(parent)
{
    ESetupTitle::addToPage(this, tr("set DateTime"));
}
