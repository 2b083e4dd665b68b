#include "capturerelease.h"

#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "etoolwidget.h"
#include "pipecommand.h"

void CaptureRelease::release(bool stopEncoder, const char *caller)
{
    if (stopEncoder)
        PipeCommand::send(PipeCommand::ServicePipe, QByteArrayLiteral("jpegenc stop"), caller);
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->freezeFPGAImage(false);
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->freezeImageFlag(false);
    if (CvmainWindow *panel = EGlobal::get_cvmainwindow()) {
        panel->set_Imagestate(0);
        panel->setEndCamera(0);
        panel->set_mouseImagestate(0);
    }
}
