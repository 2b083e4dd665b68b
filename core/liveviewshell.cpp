#include "liveviewshell.h"

#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagetab.h"
#include "fpga.h"
#include "saveimage.h"
#include "zmultifunctional.h"

#include <QPushButton>
#include <QTimer>

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
    // As the main window does at start: the board's colour bar on.
    m_fpga->fpga_switch_colorBar(true);
    buildCapture();
    // As the main menu does on the first turn of the event loop: the popup
    // is built ahead of use, and building it programs the board's inset
    // corner and blend registers from the settings.
    QTimer::singleShot(0, m_view.get(), [this] { buildImagePopup(); });
}

void LiveViewShell::buildImagePopup()
{
    if (!m_popup)
        m_popup = std::make_unique<EImageTab>(nullptr, nullptr, Qt::FramelessWindowHint);
}

void LiveViewShell::buildCapture()
{
    m_capture = std::make_unique<CvmainWindow>();
    EGlobal::set_cvmainwindow(m_capture.get());
    m_saveImage = std::make_unique<SaveImage>();
    if (!m_saveImage->start())
        qWarning("LiveViewShell: the save pipe cannot be made");
    m_strip = std::make_unique<ZMultifunctional>();
    EGlobal::set_multifunctional(m_strip.get());
    m_strip->setGeometry(0, 200, 320, 40);
    m_strip->show();
    m_strip->hide();
}

LiveViewShell::~LiveViewShell()
{
    if (EGlobal::get_multifunctional() == m_strip.get())
        EGlobal::set_multifunctional(nullptr);
    m_strip.reset();
    m_saveImage.reset();
    if (EGlobal::get_cvmainwindow() == m_capture.get())
        EGlobal::set_cvmainwindow(nullptr);
    m_capture.reset();
    m_popup.reset();
    m_view.reset();
    if (EGlobal::getFPGA() == m_fpga.get())
        EGlobal::setFPGA(nullptr);
}

void LiveViewShell::openImagePopup()
{
    buildImagePopup();
    m_popup->hide();
    m_popup->show();
    m_popup->move(0, 240 - m_popup->height());
}

QPushButton *LiveViewShell::addImageTab(QWidget *screen)
{
    auto *tab = new QPushButton(QStringLiteral("Image"), screen);
    tab->setObjectName(QStringLiteral("SimImageTab"));
    tab->setFocusPolicy(Qt::NoFocus);
    // Right of the adjust strip (x 10 to 271) and below the colour bar.
    tab->setGeometry(320 - 44, 240 - 18, 44, 18);
    tab->setStyleSheet(QStringLiteral("QPushButton{color: white; background-color: rgba(1,103,233,160); border: none;}"));
    tab->raise();
    tab->show();
    QObject::connect(tab, &QPushButton::clicked, [this] { toggleImagePopup(); });
    return tab;
}

void LiveViewShell::toggleImagePopup()
{
    if (m_popup && m_popup->modePage()->adjustWindowIsVisible()) {
        m_popup->modePage()->hideAdjustWindow();
        return;
    }
    if (m_popup && m_popup->isVisible())
        m_popup->close();
    else
        openImagePopup();
}
