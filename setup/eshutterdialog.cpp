#include "eshutterdialog.h"

#include "emiscpage.h"

EShutterDialog::EShutterDialog(QWidget *page, QWidget *parent, Qt::WindowFlags flags)
    : ETimerDialog(TimerChoices::Shutter, "ShutterDialog", QT_TRANSLATE_NOOP("EShutterDialog", "Auto Shutter"), page,
                   parent, flags)
{
}

void EShutterDialog::confirm(int index)
{
    // Not stored: the row and the camera keep the stored choice.
    if (!TimerChoices::store(TimerChoices::Shutter, index))
        index = TimerChoices::stored(TimerChoices::Shutter).index;
    if (page())
        page()->setShutterText(index, TimerChoices::period(TimerChoices::Shutter, index));
}
