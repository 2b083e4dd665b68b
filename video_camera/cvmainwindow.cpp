#include "cvmainwindow.h"

CvmainWindow::CvmainWindow(QWidget *parent)
    : QMainWindow(parent)
{
}

void CvmainWindow::video_work(int state)
{
    if (state != VIdle || m_imageState != 0)
        return;
    m_videoState = VIdle;
}
