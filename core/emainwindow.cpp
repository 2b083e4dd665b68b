#include "emainwindow.h"

#include "calibpages.h"
#include "clcd_power.h"
#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "egraphicsviewprivate.h"
#include "ekeyboardfilter.h"
#include "emaininterface.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "fpga.h"
#include "fpgabottom.h"
#include "intervals.h"
#include "saveimage.h"
#include "sdcard.h"
#include "serial.h"
#include "storageinfo.h"
#include "zmultifunctional.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>

EMainWindow::EMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(parent, flags)
    , m_fpga(std::make_unique<FPGA>())
{
    EGlobal::setFPGA(m_fpga.get());

    CalibPages::install();
    m_view = new EGraphicsView(this);
    m_view->setGeometry(0, 0, 320, 240);
    setCentralWidget(m_view);
    m_fpga->fpga_switch_colorBar(true);

    QPalette pal = palette();
    pal.setBrush(QPalette::Window, QColor(0, 0, 0, 0));
    setPalette(pal);
    setFixedSize(320, 240);

    m_menu = std::make_unique<EMainInterface>(this, nullptr, Qt::FramelessWindowHint);
    EGlobal::setMainInterface(m_menu.get());
    m_menu->show();
    m_menu->hide();
    const QRect g = m_menu->geometry();
    m_menu->move((319 - (g.right() - g.left())) / 2, (239 - (g.bottom() - g.top())) / 2);

    m_strip = std::make_unique<ZMultifunctional>();
    EGlobal::set_multifunctional(m_strip.get());
    m_strip->setGeometry(0, 200, 320, 40);
    m_strip->show();
    m_strip->hide();

    m_lcd = std::make_unique<CLcd_power>();
    EGlobal::set_LcdPower(m_lcd.get());

    buildCapture();

    // Connected before it starts, so no event is lost.
    m_sdCard = std::make_unique<SDCard>();
    connect(m_sdCard.get(), &SDCard::sdCardSignals, this, &EMainWindow::sdcardSlots);
    m_sdCard->start();

    m_longPress = new QTimer(this);
    connect(m_longPress, &QTimer::timeout, this, &EMainWindow::slot_longPress);

    QTimer::singleShot(Intervals::ms(SensorCheckDelayMs), this, &EMainWindow::slot_check_sensor);
}

CvmainWindow *EMainWindow::capturePanel()
{
    return EGlobal::get_cvmainwindow();
}

void EMainWindow::buildCapture()
{
    // The capture window is the main menu's, made and registered when the
    // menu was.
    m_saveImage = std::make_unique<SaveImage>();
    // The save thread composes the overlay into the photo itself (the one
    // composition path, remount and retry included); the window only
    // changes the overlay around the capture.
    connect(m_saveImage.get(), &SaveImage::showIRWrapsignals, this, &EMainWindow::showIRWrapSlots);
    connect(m_saveImage.get(), &SaveImage::hideIRWrapsignals, this, &EMainWindow::hideIRWrapSlots);
    connect(m_saveImage.get(), &SaveImage::saveFailed, this, &EMainWindow::saveFailedSlots);
    // Notes go to the photo just saved, once it is saved.
    if (CvmainWindow *capture = capturePanel())
        connect(m_saveImage.get(), &SaveImage::photoSaved, capture, &CvmainWindow::photoSaved);
    if (!m_saveImage->start())
        std::printf("\n\t[%s] [%s] [%d] Create fifo error \n", "video_camera/SaveImageThread", "SaveImage", 32);
}

EMainWindow::~EMainWindow()
{
    if (m_keys)
        QApplication::instance()->removeEventFilter(m_keys.get());
    m_keys.reset();
    m_sdCard.reset();
    if (EGlobal::getMainInterface() == m_menu.get())
        EGlobal::setMainInterface(nullptr);
    m_menu.reset();
    if (EGlobal::get_multifunctional() == m_strip.get())
        EGlobal::set_multifunctional(nullptr);
    m_strip.reset();
    m_saveImage.reset();
    m_names.reset();
    if (EGlobal::get_LcdPower() == m_lcd.get())
        EGlobal::set_LcdPower(nullptr);
    m_lcd.reset();
    delete m_view;
    m_view = nullptr;
    if (EGlobal::getFPGA() == m_fpga.get())
        EGlobal::setFPGA(nullptr);
}

EImageTab *EMainWindow::imagePopup() const
{
    return EGlobal::getImageTab();
}

void EMainWindow::installKeyFilter(EKeyboardFilter *filter)
{
    if (m_keys)
        QApplication::instance()->removeEventFilter(m_keys.get());
    m_keys.reset(filter);
    if (filter)
        QApplication::instance()->installEventFilter(filter);
}

void EMainWindow::installFilenameSystem(FilenameSystem *names)
{
    m_names.reset(names);
}

// ---- sensor check: timers only, the GUI thread never sleeps ----

void EMainWindow::slot_check_sensor()
{
    qWarning("start read sensor value");
    char text[16] = {};
    m_fpga->getSerial()->readCoreCpuVersion(text, sizeof text);
    const int version = SensorSettle::versionNumber(text);
    qWarning("version:%d", version);
    m_settle = SensorSettle();
    if (!SensorSettle::polls(version)) {
        QTimer::singleShot(Intervals::ms(OldCorePauseMs), this, &EMainWindow::finishSensorCheck);
        return;
    }
    pollSensor();
}

void EMainWindow::pollSensor()
{
    unsigned short value = 0;
    m_fpga->getSerial()->readSensor(&value);
    qWarning("timer:%d count:%d read value:%d old value:%d", m_settle.readings() + 1, m_settle.count(), value, m_settle.previous());
    if (m_settle.add(value))
        finishSensorCheck();
    else
        QTimer::singleShot(Intervals::ms(SensorPollMs), this, &EMainWindow::pollSensor);
}

void EMainWindow::finishSensorCheck()
{
    m_fpga->fpga_set_arm_lcd_jingDu(2);
    m_view->shutterHandler();
    m_sensorChecked = true;
    QTimer::singleShot(Intervals::ms(LcdStartMs), this, &EMainWindow::slot_start_arm_lcd);
}

void EMainWindow::slot_start_arm_lcd()
{
    m_fpga->start_arm_lcd(char(255));
}

// ---- Escape and its long press ----

void EMainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    CvmainWindow *capture = EGlobal::get_cvmainwindow();
    if (capture && capture->get_activationstat() == CvmainWindow::HiddenByTimer && capture->get_currentwidget() == 1) {
        capture->show();
        capture->start_timer();
        return;
    }
    if (m_view->getInterfaceMode() != EGraphicsViewPrivate::CalibrationInterface)
        m_menu->setVisibled(true);
    startLongPressTimer();
    QMainWindow::keyPressEvent(event);
}

void EMainWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return;
    m_menu->setVisibled(false);
    stopLongPressTimer();
}

void EMainWindow::startLongPressTimer()
{
    EToolWidget *bar = EGlobal::getToolBar();
    if (bar && bar->mixIsVisible())
        m_longPress->start(Intervals::ms(LongPressMs));
}

void EMainWindow::stopLongPressTimer()
{
    m_longPress->stop();
}

void EMainWindow::slot_longPress()
{
    m_longPress->stop();
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->setMixIndex((bar->getMixIndex() + 1) % MixPresets);
}

// ---- the save thread's signals ----

void EMainWindow::showIRWrapSlots(QString filename)
{
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->hide();
    m_view->displayTempUnit();
    m_view->showIRWrapIndicator(filename.toLatin1().constData());
    if (CvmainWindow *capture = capturePanel())
        capture->hide();
    m_view->setTipsVisibled_p(false);
    QCoreApplication::processEvents();
}

// The end of every capture, saved or not: the status bar comes back.
void EMainWindow::hideIRWrapSlots()
{
    m_view->hideIRWrapIndicator();
    if (EToolWidget *bar = EGlobal::getToolBar()) {
        bar->freezeImageFlag(false);
        bar->show();
    }
    m_view->hideTempUnit();
}

// The capture has already ended (status bar back, "Save failed" shown);
// the capture window, hidden for the photo, comes back unless it takes
// photos by itself.
void EMainWindow::saveFailedSlots()
{
    CvmainWindow *capture = capturePanel();
    if (capture && !capture->getSnapshot())
        capture->show();
}

void EMainWindow::sdcardSlots(bool isSd)
{
    StorageInfo::setCardMounted(isSd);
    if (!isSd)
        m_saveImage->cardRemoved();
    if (EToolWidget *bar = EGlobal::getToolBar())
        bar->displaySDCard(isSd);
    // After the status bar: the panel reads the card's state from it.
    CvmainWindow *capture = capturePanel();
    if (!isSd && capture)
        capture->cardRemoved();
}
