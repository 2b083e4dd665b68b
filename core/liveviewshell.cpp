#include "liveviewshell.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "emaininterface.h"
#include "fpga.h"

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
    // menu made (it builds the popups on the first turn of the event loop
    // and, building the image popup, programs the board's inset corner and
    // blend registers from the settings) and the key filter installed.
    m_fpga->fpga_switch_colorBar(true);
    m_menu = std::make_unique<EMainInterface>(nullptr, nullptr, Qt::FramelessWindowHint);
    m_keys = std::make_unique<EKeyboardFilter>();
    QApplication::instance()->installEventFilter(m_keys.get());
}

LiveViewShell::~LiveViewShell()
{
    QApplication::instance()->removeEventFilter(m_keys.get());
    m_keys.reset();
    m_menu.reset();
    m_view.reset();
    if (EGlobal::getFPGA() == m_fpga.get())
        EGlobal::setFPGA(nullptr);
}

EImageTab *LiveViewShell::imagePopup() const
{
    return EGlobal::getImageTab();
}
