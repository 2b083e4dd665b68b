#include "elinetab.h"

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
    openFor(s_lineMode, &ELineMode::setLineID, n);
}

void ELineTab::openSetupDialog(int n)
{
    openFor(s_lineSetup, &ELineSetup::setLineID, n);
}
