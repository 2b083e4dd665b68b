#include "pmainwindow.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "imagearea.h"
#include "paths.h"
#include "zvideoloadthread.h"
#include "videotoolwidget.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include <unistd.h>

PMainWindow::PMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags | Qt::FramelessWindowHint)
{
    // Inside the player window it is part of that window's surface, not a
    // window of its own that the player window would cover.
    if (parent)
        setWindowFlags(flags & ~Qt::WindowType_Mask);
    QDir().mkpath(Paths::resolve(ZVideoloadThread::thumbnailFolder()));
    setFocusPolicy(Qt::NoFocus);
    setWindowModality(Qt::WindowModal);
    setCursor(Qt::BlankCursor);
    resize(320, 240);

    m_area = new ImageArea(this);
    setCentralWidget(m_area);
    m_area->setFocusPolicy(Qt::StrongFocus);
    connect(m_area, &ImageArea::loadFile, this, &PMainWindow::playFileItem);
    connect(m_area, &ImageArea::loadDir, this, &PMainWindow::openDir);

    m_bar = new VideoToolWidget(this);
    connect(m_bar, &VideoToolWidget::exitButtonSignals, this, &PMainWindow::close_mode);
    connect(m_bar, &VideoToolWidget::deleteModeSignals, this, &PMainWindow::_remove_mode);
    connect(m_bar, &VideoToolWidget::cancelDeleteModeSignals, this, &PMainWindow::_back_delete);
    connect(m_bar, &VideoToolWidget::deleteFileButtonSignals, this, &PMainWindow::_delete_File);
    connect(m_bar, &VideoToolWidget::selectAllButtonSignals, this, &PMainWindow::toolWidgetSelectAllSlots);
    connect(m_bar, &VideoToolWidget::unSelectAllButtonSignals, this, &PMainWindow::toolWidgetUnSelectAllSlots);
    m_bar->setGeometry(0, 200, 320, 40);
    m_bar->show();
}

void PMainWindow::openDir()
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->sacnVideoDir();
    _loadFiles(ZVideoloadThread::videoFolder());
}

void PMainWindow::_loadFiles(const QString &path)
{
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    if (info.isDir()) {
        _loadFiles(absolute, QString());
        return;
    }
    const int slash = int(absolute.lastIndexOf(QLatin1Char('/')));
    if (slash >= 1)
        _loadFiles(absolute.left(slash), absolute.mid(slash + 1));
    else
        _loadFiles(QDir::currentPath(), absolute);
}

// The list is always the live view's scan of the video folder.
void PMainWindow::_loadFiles(const QString &, const QString &file)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (m_area && view)
        m_area->setFiles(view->getScanVideoFile(), file);
}

void PMainWindow::startCreateThumbThread()
{
    m_area->startCreateThumbThread();
}

void PMainWindow::playFileItem(int index, const QString &name)
{
    Q_EMIT send_playItem(index, name);
}

void PMainWindow::close_mode()
{
    _back_delete();
    m_bar->ResetToolWidgetUi();
    ::sync();
    m_area->onkeyPressEvent();
    hide();
    Q_EMIT sysexit();
}

void PMainWindow::_remove_mode()
{
    m_area->_remove_mode();
    m_area->update();
}

void PMainWindow::reset_mode()
{
    m_area->reset_mode();
}

void PMainWindow::_delete_File()
{
    m_area->_delete_File();
}

void PMainWindow::_back_delete()
{
    m_area->_remove_mode();
    m_area->update();
}

void PMainWindow::toolWidgetSelectAllSlots()
{
    m_area->selectAllVideoFile();
}

void PMainWindow::toolWidgetUnSelectAllSlots()
{
    m_area->unSelectAllVideoFile();
}

void PMainWindow::_run_mainwindowloadFiles()
{
    _loadFiles(ZVideoloadThread::videoFolder());
}

void PMainWindow::wheelEvent(QWheelEvent *event)
{
    m_area->onWheel(event);
}

void PMainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close_mode();
}

void PMainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    startCreateThumbThread();
}
