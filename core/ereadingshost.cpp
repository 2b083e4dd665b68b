#include "ereadingshost.h"

#include "eglobal.h"
#include "egraphicsview.h"

EReadingsHost::~EReadingsHost() = default;

EReadingsHost *EReadingsHost::host()
{
    return EGlobal::getGraphicsView();
}

void EReadingsHost::refreshReadings()
{
    if (EReadingsHost *h = host())
        h->displayTemp();
}

int EReadingsHost::rangeMin()
{
    const EReadingsHost *h = host();
    return h ? h->tempRangeMin() : DefaultRangeMin;
}

int EReadingsHost::rangeMax()
{
    const EReadingsHost *h = host();
    return h ? h->tempRangeMax() : DefaultRangeMax;
}
