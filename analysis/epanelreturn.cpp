#include "epanelreturn.h"

#include "eglobal.h"

#if __has_include("eanalysistab.h")
#include "eanalysistab.h"
#define OSTREL_HAS_ANALYSIS_PANEL 1
#endif

void EPanelReturn::showPanel()
{
#ifdef OSTREL_HAS_ANALYSIS_PANEL
    if (QWidget *panel = EGlobal::getAnalysisTab())
        panel->setVisible(true);
#endif
}
