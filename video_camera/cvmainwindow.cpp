#include "cvmainwindow.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "intervals.h"

#include <QTimer>

CvmainWindow::CvmainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    m_hideTimer = new QTimer(this);
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, [this] {
        m_hidingByTimer = true;
        hide();
        m_hidingByTimer = false;
    });
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

void CvmainWindow::start_timer()
{
    m_hideTimer->stop();
    m_hideTimer->start(Intervals::ms(HideMs));
}

void CvmainWindow::showEvent(QShowEvent *event)
{
    m_activation = Shown;
    QMainWindow::showEvent(event);
}

// Hidden by its own timer the panel comes back at the next touch.
void CvmainWindow::hideEvent(QHideEvent *event)
{
    m_activation = m_hidingByTimer ? HiddenByTimer : Hidden;
    QMainWindow::hideEvent(event);
}
