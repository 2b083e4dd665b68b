#pragma once

#include "menuexitpage.h"

// Stand-in of the photo browser until the browsing screens exist: a
// full-screen page whose exit reports "Imagephotos", as the browser does.
class ThumbMenu : public MenuExitPage
{
    Q_OBJECT
public:
    explicit ThumbMenu(QWidget *parent = nullptr);

    void browse() {}
};
