#include "eanalysistabbar.h"

namespace {
const EIconTabBar::Tab s_tabs[EIconTabBar::PageCount] = {
    {"Spot", "spot"},
    {"Line", "line"},
    {"Area", "area"},
    {"Setting", "setting"},
};
}

EAnalysisTabBar::EAnalysisTabBar(QWidget *parent, Qt::WindowFlags flags)
    : EIconTabBar(s_tabs, 0, parent, flags)
{
    setFixedWidth(210);
}
