#include "espottab.h"

#include "espotmode.h"
#include "espotsetup.h"

namespace {
// Created on first use and kept: one dialog serves every object of the kind.
ESpotMode *s_spotMode = nullptr;
ESpotSetup *s_spotSetup = nullptr;
}

ESpotTab::ESpotTab(QWidget *parent)
    : EObjectTab(Spot, {tr("Spot 1"), tr("Spot 2"), tr("Spot 3")}, true, parent)
{
}

void ESpotTab::openModeDialog(int n)
{
    openFor(s_spotMode, &ESpotMode::setSpotID, n);
}

void ESpotTab::openSetupDialog(int n)
{
    openFor(s_spotSetup, &ESpotSetup::setSpotID, n);
}
