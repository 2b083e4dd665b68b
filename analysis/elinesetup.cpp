#include "elinesetup.h"

namespace {
EmissTable *s_emissTable = nullptr;
}

ELineSetup::ELineSetup(QWidget *parent, Qt::WindowFlags flags)
    : EObjectSetup(EObjectTab::Line, tr("Line Setting"), parent, flags)
{
}

void ELineSetup::setLineID(int n)
{
    // Another number keeps the title it had.
    setNumber(n, n == 1 ? tr("Hor Line Setting") : n == 2 ? tr("Ver Line Setting") : QString());
}

EmissTable *&ELineSetup::chooser()
{
    return s_emissTable;
}
