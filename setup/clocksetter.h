#pragma once

#include <QDate>
#include <QTime>

// What Done in the date and the time dialog does: sets the system clock to
// the chosen local date and time (seconds zero), writes the clock chip
// twice, and re-arms the live view's and the status bar's timers.
class ClockSetter
{
public:
    // False when the local time does not exist (a daylight-saving gap) or is
    // invalid: then nothing is set and the caller finishes as after a failed
    // write. logPrefix names the caller in the log line of the text form.
    static bool apply(const QDate &date, const QTime &time, const char *logPrefix);

    static bool isLeapYear(int year);
    // Days of month 1..12 in year; 0 for any other month.
    static int daysInMonth(int month, int year);
};
