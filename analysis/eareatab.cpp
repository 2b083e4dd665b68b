#include "eareatab.h"

#include "eanalysistab.h"
#include "eareamode.h"
#include "eareasetup.h"

namespace {
// Created on first use and kept: one dialog serves every object of the kind.
EAreaMode *s_areaMode = nullptr;
EAreaSetup *s_areaSetup = nullptr;
}

EAreaTab::EAreaTab(QWidget *parent)
    : EObjectTab(Area, {tr("Area 1"), tr("Area 2"), tr("Area 3")}, false, parent)
{
}

void EAreaTab::openModeDialog(int n)
{
    if (!s_areaMode)
        s_areaMode = new EAreaMode(nullptr, Qt::FramelessWindowHint);
    s_areaMode->setAreaID(n);
    EAnalysisTab::raiseBottomLeft(s_areaMode);
}

void EAreaTab::openSetupDialog(int n)
{
    if (!s_areaSetup)
        s_areaSetup = new EAreaSetup(nullptr, Qt::FramelessWindowHint);
    s_areaSetup->setAreaID(n);
    EAnalysisTab::raiseBottomLeft(s_areaSetup);
}
