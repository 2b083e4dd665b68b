#include "elinetab.h"

#include "eanalysistab.h"
#include "elinemode.h"
#include "elinesetup.h"

namespace {
// Created on first use and kept: one dialog serves every object of the kind.
ELineMode *s_lineMode = nullptr;
ELineSetup *s_lineSetup = nullptr;
}

ELineTab::ELineTab(QWidget *parent)
    : EObjectTab(Line, {tr("Hor Line"), tr("Ver Line")}, true, parent)
{
}

void ELineTab::openModeDialog(int n)
{
    if (!s_lineMode)
        s_lineMode = new ELineMode(nullptr, Qt::FramelessWindowHint);
    s_lineMode->setLineID(n);
    EAnalysisTab::raiseBottomLeft(s_lineMode);
}

void ELineTab::openSetupDialog(int n)
{
    if (!s_lineSetup)
        s_lineSetup = new ELineSetup(nullptr, Qt::FramelessWindowHint);
    s_lineSetup->setLineID(n);
    EAnalysisTab::raiseBottomLeft(s_lineSetup);
}
