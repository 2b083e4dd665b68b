#include "smaplayer.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "evideographicsview.h"
#include "messagechannel.h"
#include "nativename.h"
#include "paths.h"
#include "zvideoloadthread.h"
#include "pmainwindow.h"
#include "videotoolwidget.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>


Smaplayer::Smaplayer(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Smaplayer"));
    setFixedSize(320, 240);
    setCursor(Qt::BlankCursor);
    m_playback = new EVideoGraphicsView(nullptr);
    connect(m_playback, &EVideoGraphicsView::listPlayerSignal, this, &Smaplayer::ShowMplayerList);
    m_playback->hide();
    m_list = new PMainWindow(this);
    connect(m_list, &PMainWindow::send_playItem, this, &Smaplayer::RecvListSendItem);
    connect(m_list, &PMainWindow::sysexit, this, &Smaplayer::PlaySysExit);
    m_channel = new MessageChannel(QStringLiteral("videoGraphicsViewinterface"), this);
    connect(m_channel, &MessageChannel::received, this, &Smaplayer::videoGraphicsView_received);
}

Smaplayer::~Smaplayer()
{
    delete m_playback;
}

QPushButton *Smaplayer::exitButton() const
{
    return m_list->bar()->exitButton();
}

void Smaplayer::CreateMplayerList(bool reload)
{
    qWarning("\t file [%s] func [%s] line [%d] \n", __FILE__, "CreateMplayerList", __LINE__);
    ++m_listBuilds;
    QDir().mkpath(Paths::resolve(ZVideoloadThread::thumbnailFolder()));
    if (!reload)
        return;
    getCurrentDirFile();
    m_list->reset_mode();
    m_list->_back_delete();
    m_list->_loadFiles(ZVideoloadThread::videoFolder());
    ShowMplayerList();
}

void Smaplayer::ShowMplayerList()
{
    qWarning("\t file [%s] func [%s] line [%d] \n", __FILE__, "ShowMplayerList", __LINE__);
    if (!m_list)
        return;
    m_list->show();
    m_list->startCreateThumbThread();
    m_playback->close();
}

void Smaplayer::HideMplayerList()
{
    if (m_list)
        m_list->hide();
}

void Smaplayer::getCurrentDirFile()
{
    if (EGraphicsView *view = EGlobal::getGraphicsView())
        view->sacnVideoDir();
}

QString Smaplayer::GetCurrentPlayFilePath(int index)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    const QStringList files = view ? view->getScanVideoFile() : QStringList();
    if (index < 0 || index >= files.size())
        return {};
    return Paths::resolve(ZVideoloadThread::videoFolder() + files.at(index));
}

void Smaplayer::RecvListSendItem(int index, const QString &)
{
    const QString path = GetCurrentPlayFilePath(index);
    qWarning("\t Play name: %s \n", qPrintable(NativeName::shown(path)));
    QFile regular;
    if (path.isEmpty() || !NativeName::openForReading(regular, path))
        return;
    regular.close();
    m_playback->loadNetVideo(QFileInfo(path));
    m_playback->show();
}

void Smaplayer::PlaySysExit()
{
    MessageChannel::send(QStringLiteral("emaininterface"), QStringLiteral("playexit"));
}

void Smaplayer::videoGraphicsView_received(const QString &message, const QByteArray &)
{
    qWarning("\t file %s func %s line %d message: %s \n", __FILE__, "videoGraphicsView_received", __LINE__,
             qPrintable(message));
    if (message == QLatin1String("playlistSig")) {
        if (m_playback)
            m_playback->releaseMplayer();
    } else if (message == QLatin1String("backPlaySig")) {
        if (m_playback)
            m_playback->releaseMplayer();
        PlaySysExit();
    }
}

void Smaplayer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        PlaySysExit();
}
