#include "emainmenu.h"

namespace {
EMainMenu *s_menu = nullptr;
}

EMainMenu::~EMainMenu()
{
    if (s_menu == this)
        s_menu = nullptr;
}

void EMainMenu::setInstance(EMainMenu *menu)
{
    s_menu = menu;
}

EMainMenu *EMainMenu::instance()
{
    return s_menu;
}
