#include "etipshost.h"

namespace {
ETipsHost *s_host = nullptr;
}

ETipsHost::~ETipsHost()
{
    if (s_host == this)
        s_host = nullptr;
}

void ETipsHost::setHost(ETipsHost *host)
{
    s_host = host;
}

ETipsHost *ETipsHost::host()
{
    return s_host;
}
