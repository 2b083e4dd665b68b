#include "ecalibpages.h"

namespace {
ECalibPages *s_pages = nullptr;
}

ECalibPages::~ECalibPages()
{
    if (s_pages == this)
        s_pages = nullptr;
}

void ECalibPages::setInstance(ECalibPages *pages)
{
    s_pages = pages;
}

ECalibPages *ECalibPages::instance()
{
    return s_pages;
}
