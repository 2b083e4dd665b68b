#include "eshutdowndialog.h"

#include "emiscpage.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "setupsettings.h"

EShutdownDialog::EShutdownDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags)
    : ETimerDialog(TimerChoices::Shutdown, "ShutdownDialog", QT_TRANSLATE_NOOP("EShutdownDialog", "Power Off"), page,
                   parent, flags)
{
}

int EShutdownDialog::getCloseScreenparam()
{
    return SetupSettings::readInt("CloseScreenPeriod", 0);
}

void EShutdownDialog::confirm(int index)
{
    qWarning("done");
    // Not stored: the row and the camera keep the stored choice.
    if (!TimerChoices::store(TimerChoices::Shutdown, index))
        index = TimerChoices::stored(TimerChoices::Shutdown).index;
    int period = TimerChoices::period(TimerChoices::Shutdown, index);
    const int closeScreen = getCloseScreenparam();
    // Only a power-off time: the idle interval of one minute starts the
    // countdown. A screen-off time keeps the interval it set.
    if (closeScreen <= 0 && period > 0) {
        qWarning("func %s getCloseScreenparam %d timesec %d", "doneHandler", closeScreen, period);
        period = idleIntervalMs(closeScreen, period);
        IdleWatcher::instance()->setIntervalMs(period);
    }
    if (page())
        page()->setShutdownText(index, period);
}
