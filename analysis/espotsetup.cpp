#include "espotsetup.h"

namespace {
EmissTable *s_emissTable = nullptr;
}

ESpotSetup::ESpotSetup(QWidget *parent, Qt::WindowFlags flags)
    : EObjectSetup(EObjectTab::Spot, tr("Spot Setting"), parent, flags)
{
}

void ESpotSetup::setSpotID(int n)
{
    setNumber(n, tr("Spot %1 Setting").arg(n));
}

EmissTable *&ESpotSetup::chooser()
{
    return s_emissTable;
}
