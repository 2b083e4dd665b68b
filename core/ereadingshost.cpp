#include "ereadingshost.h"

namespace {
EReadingsHost *s_host = nullptr;
}

EReadingsHost::~EReadingsHost()
{
    if (s_host == this)
        s_host = nullptr;
}

void EReadingsHost::setHost(EReadingsHost *host)
{
    s_host = host;
}

EReadingsHost *EReadingsHost::host()
{
    return s_host;
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
