#include "eareatab.h"

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
    openFor(s_areaMode, &EAreaMode::setAreaID, n);
}

void EAreaTab::openSetupDialog(int n)
{
    openFor(s_areaSetup, &EAreaSetup::setAreaID, n);
}
