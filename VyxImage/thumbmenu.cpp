#include "thumbmenu.h"

ThumbMenu::ThumbMenu(QWidget *parent)
    : MenuExitPage(tr("Photos"), QStringLiteral("Imagephotos"), parent)
{
    setObjectName(QStringLiteral("ThumbMenu"));
}
