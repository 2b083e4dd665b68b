#include "lcdscreensaver.h"

#include "eglobal.h"
#include "etoolwidget.h"
#include "setupsettings.h"

#include <algorithm>

int lcdScreenSaver::getshutdownparam() const
{
    return std::max(0, SetupSettings::readInt("ShutdownPeriod", 0));
}

bool lcdScreenSaver::periodSet() const
{
    return SetupSettings::readInt("CloseScreenPeriod", 0) > 0 || getshutdownparam() > 0;
}

bool lcdScreenSaver::save(int)
{
    if (periodSet()) {
        if (EToolWidget *bar = EGlobal::getToolBar())
            bar->start_pwm_timer();
    }
    return true;
}

void lcdScreenSaver::restore()
{
    if (periodSet()) {
        if (EToolWidget *bar = EGlobal::getToolBar())
            bar->stop_pwm_timer();
    }
}

bool lcdScreenSaver::isScreenDimmed() const
{
    const EToolWidget *bar = EGlobal::getToolBar();
    return bar && bar->isScreenDimmed();
}
