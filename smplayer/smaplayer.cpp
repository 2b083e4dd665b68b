#include "smaplayer.h"

Smaplayer::Smaplayer(QWidget *parent)
    : MenuExitPage(tr("Videos"), QStringLiteral("playexit"), parent)
{
    setObjectName(QStringLiteral("Smaplayer"));
}
