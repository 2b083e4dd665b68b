#include "liveviewshell.h"

#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "emaininterface.h"
#include "fpga.h"
#include "saveimage.h"
#include "zmultifunctional.h"

#include <QApplication>

LiveViewShell::LiveViewShell()
    : m_fpga(std::make_unique<FPGA>())
{
    EGlobal::setFPGA(m_fpga.get());
    m_fpga->init();
    // Until the start-up isotherm step exists, as it will: the isotherm
    // dialog's two levels bound the band.
    Isotherm iso = m_fpga->getIsoPara();
    iso.selector = 1;
    m_fpga->setIsoPara(iso);
    m_view = std::make_unique<EGraphicsView>();
    // As the main window does at start: the board's colour bar on, the
    // capture side built, the menu made (it builds the popups on the first
    // turn of the event loop and, building the image popup, programs the
    // board's inset corner and blend registers from the settings) and the
    // key filter installed.
    m_fpga->fpga_switch_colorBar(true);
    buildCapture();
    m_menu = std::make_unique<EMainInterface>(nullptr, nullptr, Qt::FramelessWindowHint);
    m_keys = std::make_unique<EKeyboardFilter>();
    QApplication::instance()->installEventFilter(m_keys.get());
}

void LiveViewShell::buildCapture()
{
    m_capture = std::make_unique<CvmainWindow>();
    EGlobal::set_cvmainwindow(m_capture.get());
    m_saveImage = std::make_unique<SaveImage>();
    if (!m_saveImage->start())
        qWarning("LiveViewShell: the save pipe cannot be made");
    // The notes go to the photo just finished.
    QObject::connect(m_saveImage.get(), &SaveImage::photoSaved, m_capture.get(), &CvmainWindow::photoSaved);
    m_strip = std::make_unique<ZMultifunctional>();
    EGlobal::set_multifunctional(m_strip.get());
    m_strip->setGeometry(0, 200, 320, 40);
    m_strip->show();
    m_strip->hide();
}

LiveViewShell::~LiveViewShell()
{
    QApplication::instance()->removeEventFilter(m_keys.get());
    m_keys.reset();
    m_menu.reset();
    if (EGlobal::get_multifunctional() == m_strip.get())
        EGlobal::set_multifunctional(nullptr);
    m_strip.reset();
    m_saveImage.reset();
    if (EGlobal::get_cvmainwindow() == m_capture.get())
        EGlobal::set_cvmainwindow(nullptr);
    m_capture.reset();
    m_view.reset();
    if (EGlobal::getFPGA() == m_fpga.get())
        EGlobal::setFPGA(nullptr);
}

EImageTab *LiveViewShell::imagePopup() const
{
    return EGlobal::getImageTab();
}
