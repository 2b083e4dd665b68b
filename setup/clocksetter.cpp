#include "clocksetter.h"

#include "eglobal.h"
#include "egraphicsview.h"
#include "etoolwidget.h"
#include "rtcdevice.h"
#include "systemclock.h"

#include <QDateTime>

#include <cstdio>

bool ClockSetter::isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int ClockSetter::daysInMonth(int month, int year)
{
    static const int lengths[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 ? (isLeapYear(year) ? 29 : 28) : lengths[month];
}

bool ClockSetter::apply(const QDate &date, const QTime &time, const char *logPrefix)
{
    const QTime wanted(time.hour(), time.minute(), 0);
    const QDateTime local(date, wanted);
    // A time in a daylight-saving gap is moved by QDateTime: it does not exist.
    if (!date.isValid() || !time.isValid() || !local.isValid() || local.date() != date || local.time() != wanted) {
        qWarning("%s: %s %s is no local time, clocks left alone", logPrefix,
                 qPrintable(date.toString(Qt::ISODate)), qPrintable(wanted.toString(Qt::ISODate)));
        return false;
    }
    const QByteArray text = QString::asprintf("%d-%d-%d %d:%d:%d", date.year(), date.month(), date.day(),
                                              wanted.hour(), wanted.minute(), 0).toLatin1();
    std::printf("%s::SetSystemTime [%s] \n", logPrefix, text.constData());
    std::fflush(stdout);
    if (!SystemClock::instance()->setSystemTime(local)) {
        std::puts("Set system datatime error!");
        std::fflush(stdout);
    }

    const RtcRecord record = RtcRecord::fromLocal(local);
    qWarning("yy %d mm %d dd %d h %d m %d s %d ", record.year, record.mon + 1, record.mday, record.hour,
             record.min, record.sec);
    // The chip is written twice in a row, whatever the first result.
    const std::shared_ptr<RtcDevice> rtc = RtcDevice::create();
    for (int i = 0; i < 2; ++i) {
        if (!rtc->write(record)) {
            std::puts("x1226_settm failure");
            std::fflush(stdout);
        }
    }

    if (EGraphicsView *view = EGlobal::getGraphicsView()) {
        view->saveStatus();
        view->restoreStatus();
    }
    if (EToolWidget *toolBar = EGlobal::getToolBar()) {
        toolBar->updateTimerStatus();
        toolBar->updateTime(); // the new time shows without waiting a tick
    }
    return true;
}
