#include "espottab.h"

#include "eanalysistab.h"
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
    if (!s_spotMode)
        s_spotMode = new ESpotMode(nullptr, Qt::FramelessWindowHint);
    s_spotMode->setSpotID(n);
    EAnalysisTab::raiseBottomLeft(s_spotMode);
}

void ESpotTab::openSetupDialog(int n)
{
    if (!s_spotSetup)
        s_spotSetup = new ESpotSetup(nullptr, Qt::FramelessWindowHint);
    s_spotSetup->setSpotID(n);
    EAnalysisTab::raiseBottomLeft(s_spotSetup);
}
