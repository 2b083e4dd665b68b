#include "ircorelink.h"

#include "eglobal.h"
#include "fpga.h"
#include "ircorelibrary.h"
#include "serial.h"

#include <QtGlobal>

namespace {
bool s_open = false;
}

Serial *IRCoreLink::frontSerial()
{
    FPGA *fpga = EGlobal::getFPGA();
    return fpga ? fpga->getSerial() : nullptr;
}

bool IRCoreLink::open()
{
    if (s_open)
        return true;
    Serial *serial = frontSerial();
    if (serial)
        serial->closeSerial();
    const int result = IRCoreLibrary::instance()->Ctl_EMIF_Open();
    if (result != 0) {
        qWarning("IR core: open failed (%d)", result);
        if (serial)
            serial->restoreSerial();
        return false;
    }
    s_open = true;
    return true;
}

void IRCoreLink::close()
{
    if (!s_open)
        return;
    s_open = false;
    // The serial link comes back even when the core did not answer.
    const int result = IRCoreLibrary::instance()->Ctl_EMIF_Close();
    if (result != 0)
        qWarning("IR core: close failed (%d)", result);
    if (Serial *serial = frontSerial())
        serial->restoreSerial();
}

bool IRCoreLink::isOpen()
{
    return s_open;
}
