#include "ereadingshost.h"

void EReadingsHost::refreshReadings()
{
    if (EReadingsHost *h = instance())
        h->displayTemp();
}

int EReadingsHost::rangeMin()
{
    const EReadingsHost *h = instance();
    return h ? h->tempRangeMin() : DefaultRangeMin;
}

int EReadingsHost::rangeMax()
{
    const EReadingsHost *h = instance();
    return h ? h->tempRangeMax() : DefaultRangeMax;
}
