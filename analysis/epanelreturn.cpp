#include "epanelreturn.h"

#include "eanalysistab.h"
#include "eglobal.h"

void EPanelReturn::showPanel()
{
    if (QWidget *panel = EGlobal::getAnalysisTab())
        panel->setVisible(true);
}
