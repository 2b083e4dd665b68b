#include "cvmainwindow.h"

#include "eglobal.h"
#include "egraphicsview.h"

CvmainWindow::CvmainWindow(QWidget *parent)
    : QMainWindow(parent)
{
}

void CvmainWindow::video_work(int state)
{
    if (state != VIdle || m_imageState != 0)
        return;
    setRecording(false);
}

void CvmainWindow::video_start()
{
    setRecording(m_videoState != VRecording);
}

// The live view's recording flag follows the panel's state.
void CvmainWindow::setRecording(bool on)
{
    m_videoState = on ? VRecording : VIdle;
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->SetCameraVideoFlag(on);
}
