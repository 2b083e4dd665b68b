#include "eimagepopup.h"

namespace {
EImagePopup *s_popup = nullptr;
}

EImagePopup::~EImagePopup()
{
    if (s_popup == this)
        s_popup = nullptr;
}

void EImagePopup::setInstance(EImagePopup *popup)
{
    s_popup = popup;
}

EImagePopup *EImagePopup::instance()
{
    return s_popup;
}
