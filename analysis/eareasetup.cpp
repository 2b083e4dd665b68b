#include "eareasetup.h"

namespace {
EmissTable *s_emissTable = nullptr;
}

EAreaSetup::EAreaSetup(QWidget *parent, Qt::WindowFlags flags)
    : EObjectSetup(EObjectTab::Area, tr("Area 1 Setting"), parent, flags)
{
}

void EAreaSetup::setAreaID(int n)
{
    setNumber(n, tr("Area %1 Setting").arg(n));
}

EmissTable *&EAreaSetup::chooser()
{
    return s_emissTable;
}
