#include "ecapturepanel.h"

namespace {
ECapturePanel *s_panel = nullptr;
}

ECapturePanel::~ECapturePanel()
{
    if (s_panel == this)
        s_panel = nullptr;
}

void ECapturePanel::setInstance(ECapturePanel *panel)
{
    s_panel = panel;
}

ECapturePanel *ECapturePanel::instance()
{
    return s_panel;
}
