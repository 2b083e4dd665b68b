#include "emaininterface.h"

#include "cvmainwindow.h"
#include "eanalysistab.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagetab.h"
#include "einterfaceitem.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "heappolicy.h"
#include "messagechannel.h"
#include "pipecommand.h"
#include "smaplayer.h"
#include "thumbmenu.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QTimerEvent>

#include <cstdio>

namespace {
const EInterfaceItem::Spec Tiles[] = {
    {0, 0, QT_TRANSLATE_NOOP("EMainInterface", "Measure"), "Analysis", ":images/analysis.bmp"},
    {0, 1, QT_TRANSLATE_NOOP("EMainInterface", "Image"), "Image", ":/images/image.bmp"},
    {0, 2, QT_TRANSLATE_NOOP("EMainInterface", "Camera"), "Camera", ":images/camera.bmp"},
    {1, 0, QT_TRANSLATE_NOOP("EMainInterface", "Photo"), "Photo", ":images/photos.bmp"},
    {1, 1, QT_TRANSLATE_NOOP("EMainInterface", "Play"), "Play", ":images/play.bmp"},
    {1, 2, QT_TRANSLATE_NOOP("EMainInterface", "Settings"), "Config", ":images/config.bmp"},
};

bool liveViewShown()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    return view && view->isVisibled();
}
} // namespace

EMainInterface::EMainInterface(EMainWindow *, QWidget *parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    setObjectName(QStringLiteral("EMainInterface"));
    EInterfaceItem::seeThrough(this);

    QGridLayout *grid = EInterfaceItem::tileGrid(this);
    for (const EInterfaceItem::Spec &t : Tiles) {
        EInterfaceItem *item = EInterfaceItem::addTile(grid, this, tr(t.caption), t);
        connect(item, qOverload<const QString &>(&EInterfaceItem::clicked), this, &EMainInterface::mouseClicked);
        if (item->objectName() == QLatin1String("Play"))
            connect(item, &EInterfaceItem::press, this, &EMainInterface::mousePressClicked);
    }
    setGeometry(menuGeometry());

    auto *channel = new MessageChannel(QLatin1String(channelName()), this);
    connect(channel, &MessageChannel::received, this, &EMainInterface::mainInterface_received);
    auto *wakeChannel = new MessageChannel(QLatin1String(wakeChannelName()), this);
    connect(wakeChannel, &MessageChannel::received, this, &EMainInterface::mousewakeup_received, Qt::DirectConnection);

    if (EGraphicsView *view = EGlobal::getGraphicsView())
        installEventFilter(view);
    capturePanel();
    EGlobal::setMainInterface(this);
    EMainMenu::setInstance(this);
    m_startTimer = startTimer(0);
}

EMainInterface::~EMainInterface()
{
    if (EGlobal::getMainInterface() == this)
        EGlobal::setMainInterface(nullptr);
    if (EMainMenu::instance() == this)
        EMainMenu::setInstance(nullptr);
    delete m_photoBrowser.data();
    delete m_videoBrowser.data();
    if (m_imageTab && EGlobal::getImageTab() == m_imageTab)
        EGlobal::setImageTab(nullptr);
    delete m_imageTab.data();
    delete m_analysisTab.data();
    if (m_setupWindow && EGlobal::getSetupWindow() == m_setupWindow)
        EGlobal::setSetupWindow(nullptr);
    delete m_setupWindow.data();
    if (m_capturePanel && EGlobal::get_cvmainwindow() == m_capturePanel)
        EGlobal::set_cvmainwindow(nullptr);
    delete m_capturePanel.data();
}

ThumbMenu *EMainInterface::photoBrowser() const
{
    return m_photoBrowser;
}

Smaplayer *EMainInterface::videoBrowser() const
{
    return m_videoBrowser;
}

void EMainInterface::setVisibled(bool shown)
{
    m_shown = shown;
    setVisible(shown);
    update();
}

EInterfaceItem *EMainInterface::tile(const QString &name) const
{
    return findChild<EInterfaceItem *>(name, Qt::FindDirectChildrenOnly);
}

int EMainInterface::isWriteSelect(const char *command)
{
    if (!PipeCommand::send(PipeCommand::ServicePipe, QByteArray(command), "EMainInterface"))
        return -1;
    std::printf("\tdispose_cmd: %s \n", command);
    return 0;
}

// ---- first turn of the event loop ----

void EMainInterface::timerEvent(QTimerEvent *event)
{
    if (m_startTimer == 0 || event->timerId() != m_startTimer)
        return;
    killTimer(m_startTimer);
    m_startTimer = 0;
    buildAheadOfUse();
}

void EMainInterface::buildAheadOfUse()
{
    analysisTab();
    setupWindow();
    imageTab();
}

// Each of these returns the registered window, building it here first when
// nobody has yet; the analysis and image popups register themselves.
EAnalysisTab *EMainInterface::analysisTab()
{
    if (!EGlobal::getAnalysisTab())
        m_analysisTab = new EAnalysisTab(nullptr, Qt::FramelessWindowHint);
    return EGlobal::getAnalysisTab();
}

EImageTab *EMainInterface::imageTab()
{
    if (!EGlobal::getImageTab())
        m_imageTab = new EImageTab(this, nullptr, Qt::FramelessWindowHint);
    return EGlobal::getImageTab();
}

ESetupWindow *EMainInterface::setupWindow()
{
    if (!EGlobal::getSetupWindow()) {
        m_setupWindow = new ESetupWindow(nullptr, Qt::FramelessWindowHint);
        EGlobal::setSetupWindow(m_setupWindow);
    }
    return EGlobal::getSetupWindow();
}

CvmainWindow *EMainInterface::capturePanel()
{
    if (!EGlobal::get_cvmainwindow()) {
        m_capturePanel = new CvmainWindow(nullptr);
        EGlobal::set_cvmainwindow(m_capturePanel);
    }
    return EGlobal::get_cvmainwindow();
}

// ---- tiles ----

void EMainInterface::mouseClicked(const QString &name)
{
    if (!tile(name))
        return;
    if (name == QLatin1String("Analysis"))
        openAnalysis();
    else if (name == QLatin1String("Image"))
        openImage();
    else if (!liveViewShown())
        return;
    else if (name == QLatin1String("Camera"))
        openCamera();
    else if (name == QLatin1String("Photo"))
        openPhotos();
    else if (name == QLatin1String("Play"))
        openPlayer();
    else if (name == QLatin1String("Config"))
        openSetup();
}

void EMainInterface::mousePressClicked(const QString &name)
{
    if (name != QLatin1String("Play"))
        return;
    if (CvmainWindow *panel = EGlobal::get_cvmainwindow())
        panel->setSCstate(1);
}

void EMainInterface::openAnalysis()
{
    setVisibled(false);
    analysisTab()->popUp();
}

void EMainInterface::openImage()
{
    setVisibled(false);
    EAnalysisTab::raiseBottomLeft(imageTab());
}

void EMainInterface::openCamera()
{
    CvmainWindow *panel = capturePanel();
    setVisibled(false);
    if (panel->get_currentwidget() != 1) {
        std::printf(" cvmainwindow->get_currentwidget()=%d \n", panel->get_currentwidget());
        panel->set_currentwidget(0);
    }
    panel->show();
    panel->SetAutoImage(1);
    panel->move(0, 200);
    EGlobal::getGraphicsView()->setVisibled(false);
}

void EMainInterface::openPhotos()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    setVisibled(false);
    if (!m_photoBrowser) {
        isWriteSelect("resume start");
        m_photoBrowser = new ThumbMenu(nullptr);
        m_photoBrowser->browse();
        m_photoBrowser->show();
        view->setVisibled(false);
    }
    view->saveStatus();
}

void EMainInterface::openPlayer()
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    isWriteSelect("capture stop");
    view->setVisibled(false);
    view->saveStatus();
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->stopToolwidgetupdate();
    setVisibled(false);
    if (!m_videoBrowser)
        m_videoBrowser = new Smaplayer(nullptr);
    if (CvmainWindow *panel = EGlobal::get_cvmainwindow())
        panel->SetAutoImage(1);
    m_videoBrowser->CreateMplayerList(true);
    m_videoBrowser->show();
}

void EMainInterface::openSetup()
{
    setVisibled(false);
    ESetupWindow *setup = setupWindow();
    setup->setGeometry(0, 16, 320, 225);
    setup->hide();
    setup->show();
    isWriteSelect("resume start");
    EGlobal::getGraphicsView()->setVisibled(false);
}

// ---- channels ----

void EMainInterface::mainInterface_received(const QString &message, const QByteArray &)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (message == QLatin1String("Imagephotos")) {
        isWriteSelect("resume stop");
        if (view)
            view->restoreStatus();
        delete m_photoBrowser.data();
        if (view)
            view->setVisibled(true);
        giveBackScreenMemory();
    } else if (message == QLatin1String("playexit")) {
        if (EToolWidget *bar = EGlobal::getToolBar())
            bar->updateTimerStatus();
        if (m_videoBrowser)
            m_videoBrowser->hide();
        if (view) {
            view->restoreStatus();
            view->setVisibled(true);
        }
        if (CvmainWindow *panel = EGlobal::get_cvmainwindow()) {
            panel->SetAutoImage(1);
            panel->setSCstate(0);
        }
        isWriteSelect("capture start");
        giveBackScreenMemory();
    }
}

// The photo and video lists leave thumbnails, decoded photos and their
// windows' buffers freed behind them: hand the memory back to the system
// once what they deleted later is gone too.
void EMainInterface::giveBackScreenMemory()
{
    QTimer::singleShot(0, this, [] { HeapPolicy::giveBack(); });
}

void EMainInterface::mousewakeup_received(const QString &, const QByteArray &)
{
    EGraphicsView *view = EGlobal::getGraphicsView();
    if (!view || !view->getLcdPowerstate())
        return;
    view->setLcdPowerstate(false);
    view->setTouchLcdstate(false);
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->stop_pwm_timer();
}

// ---- keys ----

// Escape closes the menu; the main window's long-press timer joins here
// once the main window exists.
void EMainInterface::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        setVisibled(false);
}

void EMainInterface::keyReleaseEvent(QKeyEvent *)
{
}
