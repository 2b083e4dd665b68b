#include "liveviewshell.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "fpga.h"

LiveViewShell::LiveViewShell()
    : m_fpga(std::make_unique<FPGA>())
{
    EGlobal::setFPGA(m_fpga.get());
    m_fpga->init();
    m_fpga->setStandardPaletteIndex(COLOR_IRON);
    m_fpga->setLevelSpanMode(MODE_AUTO);
    m_fpga->calcLevelSpan(MODE_AUTO, false);
    m_view = new EGraphicsView;
}

LiveViewShell::~LiveViewShell()
{
    delete m_view.data();
    if (EGlobal::getFPGA() == m_fpga.get())
        EGlobal::setFPGA(nullptr);
}
