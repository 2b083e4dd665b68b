#include "eimageviewhost.h"

namespace {
EImageViewHost *s_host = nullptr;
}

EImageViewHost::~EImageViewHost()
{
    if (s_host == this)
        s_host = nullptr;
}

void EImageViewHost::setInstance(EImageViewHost *host)
{
    s_host = host;
}

EImageViewHost *EImageViewHost::instance()
{
    return s_host;
}
