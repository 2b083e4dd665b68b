#include "eclosescreendialog.h"

#include "emiscpage.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "setupsettings.h"

#include <algorithm>

ECloseScreenDialog::ECloseScreenDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags)
    : ETimerDialog(TimerChoices::CloseScreen, "CloseScreenDialog",
                   QT_TRANSLATE_NOOP("ECloseScreenDialog", "Screen Off"), page, parent, flags)
{
}

int ECloseScreenDialog::getshutdownparam()
{
    return std::max(0, SetupSettings::readInt("ShutdownPeriod", 0));
}

void ECloseScreenDialog::confirm(int index)
{
    qWarning("done");
    // Not stored: the row and the camera keep the stored choice.
    if (!TimerChoices::store(TimerChoices::CloseScreen, index))
        index = TimerChoices::stored(TimerChoices::CloseScreen).index;
    const int period = TimerChoices::period(TimerChoices::CloseScreen, index);
    const int shutdown = getshutdownparam();
    const int interval = idleIntervalMs(period, shutdown);
    if (interval != period)
        qWarning("func %s getshutdownparam %d timesec %d", "doneHandler", shutdown, period);
    IdleWatcher::instance()->setIntervalMs(interval);
    if (page())
        page()->setCloseScreenText(index, interval);
}
