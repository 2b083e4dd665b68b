#include "setlistitem.h"

#include "eglobal.h"
#include "egraphicsview.h"

SetListItem::SetListItem(QWidget *parent, Qt::WindowFlags flags)
    : PageList(tr("Settings"), {tr("Calib"), tr("Ver"), tr("Bak"), QStringLiteral("EMIF"), QString()}, parent, flags)
{
    setFixedWidth(70);
    connect(this, &PageList::closeRequested, this, [] {
        // The live view deletes the window: not from inside its own button.
        if (EGraphicsView *view = EGlobal::getGraphicsView())
            view->closeCalibLater(EGraphicsViewPrivate::EM_CALIB_SET);
    });
}
