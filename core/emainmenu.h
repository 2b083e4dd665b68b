#pragma once

#include "soleinstance.h"

// What the live view, its calibration mode and its status bar ask of the
// main menu: whether it is up, and to bring it up or put it away (with all
// that goes with that, such as pausing the live refresh). The menu
// registers itself when built; instance() is null without one.
class EMainMenu : public SoleInstance<EMainMenu>
{
public:
    virtual ~EMainMenu() = default;

    virtual void setVisibled(bool shown) = 0;
    virtual bool isVisibled() const = 0;
};
