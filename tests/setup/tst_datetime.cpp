#include "edialogtitle.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "esetupcheckitem.h"
#include "esetupswitch.h"
#include "filenamesystem.h"
#include "key_num.h"
#include "messagechannel.h"
#include "rtcdevice.h"
#include "setdata.h"
#include "simrtc.h"
#include "simulatedclock.h"
#include "stdoutcapture.h"
#include "testroot.h"
#include "usernumkey_board.h"
#include "usersettime_board.h"
#include "zdateformat.h"
#include "zdatetimeitem.h"
#include "zdatetimepage.h"
#include "zlineedit.h"
#include "zsettime.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

#include <cstdlib>
#include <ctime>
#include <memory>

// The date and time page, its three dialogs and the time entry board, with
// the clock chip simulated and the system clock the test root's.
class TstDateTime : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TestRoot> m_root;
    std::shared_ptr<SimRtc> m_rtc;

    void setNow(const QDateTime &local) { QVERIFY(m_root->clock()->setSystemTime(local)); }
    static void store(const char *key, const QString &value)
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QLatin1String(key), value);
        settings.sync();
    }
    static QString stored(const char *key)
    {
        return QSettings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat).value(QLatin1String(key)).toString();
    }
    QDateTime clockNow() const { return m_root->clock()->now(); }

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<TestRoot>();
        m_rtc = std::make_shared<SimRtc>();
        SimRtc::install(m_rtc);
    }
    void cleanup()
    {
        SimRtc::install(nullptr);
        m_rtc.reset();
        m_root.reset();
    }

    void dateStepping_data();
    void dateStepping();
    void timeStepping_data();
    void timeStepping();
    void twelveHourDialog_data();
    void twelveHourDialog();
    void typedDate_data();
    void typedDate();
    void strayDateMessageIsIgnored();
    void typedTime_data();
    void typedTime();
    void timeBoardPoll_data();
    void timeBoardPoll();
    void dateDoneSetsBothClocks();
    void dateBefore2000SetAtOpening();
    void timeDoneSetsBothClocks();
    void missingRtcStillSetsSystemClock();
    void nonexistentLocalTimeSetsNothing();
    void escapeClosesSetupWindow_data();
    void escapeClosesSetupWindow();
    void dialogGoesAfterItsHandler_data();
    void dialogGoesAfterItsHandler();
    void dateFormatDialog();
    void dateFormatOrdersDateDialog_data();
    void dateFormatOrdersDateDialog();
    void timeSwitchStoresFormat();
    void rowsIgnoredWhileDialogUp();
};

void TstDateTime::dateStepping_data()
{
    QTest::addColumn<QStringList>("start"); // year month day
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("result");
    const auto d = [](const char *y, const char *m, const char *dd) {
        return QStringList{QLatin1String(y), QLatin1String(m), QLatin1String(dd)};
    };
    QTest::newRow("year + at 9999 stays") << d("9999", "05", "05") << "yearAdd" << d("9999", "05", "05");
    QTest::newRow("year - at 2000 stays") << d("2000", "05", "05") << "yearSub" << d("2000", "05", "05");
    QTest::newRow("year +") << d("2024", "02", "29") << "yearAdd" << d("2025", "02", "29");
    QTest::newRow("month + wraps, year kept") << d("2024", "12", "05") << "monthAdd" << d("2024", "01", "05");
    QTest::newRow("month - wraps") << d("2024", "01", "05") << "monthSub" << d("2024", "12", "05");
    QTest::newRow("day + Feb 28 2024") << d("2024", "02", "28") << "dayAdd" << d("2024", "02", "29");
    QTest::newRow("day + Feb 28 2000") << d("2000", "02", "28") << "dayAdd" << d("2000", "02", "29");
    QTest::newRow("day + Feb 28 2100") << d("2100", "02", "28") << "dayAdd" << d("2100", "02", "01");
    QTest::newRow("day - Feb 2024") << d("2024", "02", "01") << "daySub" << d("2024", "02", "29");
    QTest::newRow("day - April") << d("2024", "04", "01") << "daySub" << d("2024", "04", "30");
    QTest::newRow("day + 31 wraps") << d("2024", "12", "31") << "dayAdd" << d("2024", "12", "01");
    QTest::newRow("month step keeps day 31") << d("2024", "03", "31") << "monthAdd" << d("2024", "04", "31");
}

void TstDateTime::dateStepping()
{
    QFETCH(QStringList, start);
    QFETCH(QString, step);
    QFETCH(QStringList, result);
    setData dialog;
    dialog.setTexts(start.at(0), start.at(1), start.at(2));
    dialog.show();
    auto *button = step == QLatin1String("yearAdd")    ? dialog.yearAdd
                   : step == QLatin1String("yearSub")  ? dialog.yearSub
                   : step == QLatin1String("monthAdd") ? dialog.monthAdd
                   : step == QLatin1String("monthSub") ? dialog.monthSub
                   : step == QLatin1String("dayAdd")   ? dialog.dayAdd
                                                       : dialog.daySub;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE((QStringList{dialog.yearText(), dialog.monthText(), dialog.dayText()}), result);
    QCOMPARE((QStringList{dialog.yearEdit->text(), dialog.monthEdit->text(), dialog.dayEdit->text()}), result);
}

void TstDateTime::timeStepping_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("hourAfter");
    QTest::addColumn<QString>("minuteAfter");
    QTest::newRow("24 hour + at 23") << "24" << "23" << "10" << "hourAdd" << "00" << "10";
    QTest::newRow("24 hour - at 00") << "24" << "00" << "10" << "hourSub" << "23" << "10";
    QTest::newRow("24 hour +") << "24" << "11" << "10" << "hourAdd" << "12" << "10";
    QTest::newRow("12 hour + at 12") << "12" << "12" << "10" << "hourAdd" << "01" << "10";
    QTest::newRow("12 hour - at 01") << "12" << "01" << "10" << "hourSub" << "12" << "10";
    QTest::newRow("12 hour + at 11") << "12" << "11" << "10" << "hourAdd" << "12" << "10";
    QTest::newRow("minute + at 59") << "24" << "05" << "59" << "minuteAdd" << "05" << "00";
    QTest::newRow("minute - at 00") << "12" << "05" << "00" << "minuteSub" << "05" << "59";
    QTest::newRow("minute - at 01") << "24" << "05" << "01" << "minuteSub" << "05" << "00";
}

void TstDateTime::timeStepping()
{
    QFETCH(QString, format);
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(QString, step);
    QFETCH(QString, hourAfter);
    QFETCH(QString, minuteAfter);
    store("Timeformat", format);
    ZSetTime dialog;
    dialog.setTexts(hour, minute);
    dialog.show();
    const QString amPm = dialog.amPmButton->text();
    auto *button = step == QLatin1String("hourAdd")   ? dialog.hourAdd
                   : step == QLatin1String("hourSub") ? dialog.hourSub
                   : step == QLatin1String("minuteAdd") ? dialog.minuteAdd
                                                        : dialog.minuteSub;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(dialog.hourText(), hourAfter);
    QCOMPARE(dialog.minuteText(), minuteAfter);
    QCOMPARE(dialog.amPmButton->text(), amPm); // stepping across 12 keeps AM/PM
}

void TstDateTime::twelveHourDialog_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<QString>("hour");   // typed, empty keeps the shown one
    QTest::addColumn<bool>("togglePm");
    QTest::addColumn<QString>("shownHour");
    QTest::addColumn<QString>("shownAmPm");
    QTest::addColumn<QTime>("set");
    QTest::newRow("00:30 is 12 AM") << QTime(0, 30) << "" << false << "12" << "AM" << QTime(0, 30);
    QTest::newRow("12:30 is 12 PM") << QTime(12, 30) << "" << false << "12" << "PM" << QTime(12, 30);
    QTest::newRow("03 PM is 15:00") << QTime(3, 30) << "03" << true << "03" << "AM" << QTime(15, 30);
    QTest::newRow("11 PM is 23") << QTime(23, 30, 59) << "" << false << "11" << "PM" << QTime(23, 30);
}

void TstDateTime::twelveHourDialog()
{
    QFETCH(QTime, now);
    QFETCH(QString, hour);
    QFETCH(bool, togglePm);
    QFETCH(QString, shownHour);
    QFETCH(QString, shownAmPm);
    QFETCH(QTime, set);
    store("Timeformat", QStringLiteral("12"));
    setNow(QDateTime(QDate(2026, 7, 1), now));
    ZSetTime dialog;
    dialog.show();
    QCOMPARE(dialog.title->text(), QStringLiteral("12-Hour"));
    QVERIFY(dialog.amPmButton->isVisible());
    QCOMPARE(dialog.hourText(), shownHour);
    QCOMPARE(dialog.minuteText(), QStringLiteral("30"));
    QCOMPARE(dialog.amPmButton->text(), shownAmPm);
    if (!hour.isEmpty())
        dialog.setTexts(hour, dialog.minuteText());
    if (togglePm)
        QTest::mouseClick(dialog.amPmButton, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(clockNow().date(), QDate(2026, 7, 1));
    QVERIFY(qAbs(clockNow().time().secsTo(set)) <= 2);
}

void TstDateTime::typedDate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("year") << "year" << "2050" << "2050";
    QTest::newRow("year 1999 gives clock year") << "year" << "1999" << "2035";
    QTest::newRow("year empty gives clock year") << "year" << "" << "2035";
    QTest::newRow("year 20251 gives clock year") << "year" << "20251" << "2035";
    QTest::newRow("month 7") << "month" << "7" << "07";
    QTest::newRow("month 0") << "month" << "0" << "01";
    QTest::newRow("month empty") << "month" << "" << "01";
    QTest::newRow("month 13 clamped") << "month" << "13" << "12";
    QTest::newRow("month 99 clamped") << "month" << "99" << "12";
    QTest::newRow("day 0") << "day" << "0" << "01";
    QTest::newRow("day 9") << "day" << "9" << "09";
}

void TstDateTime::typedDate()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    setNow(QDateTime(QDate(2035, 6, 1), QTime(12, 0)));
    setData dialog;
    dialog.setTexts(QStringLiteral("2020"), QStringLiteral("01"), QStringLiteral("01"));
    dialog.show();
    ZLineEdit *edit = field == QLatin1String("year")    ? dialog.yearEdit
                      : field == QLatin1String("month") ? dialog.monthEdit
                                                        : dialog.dayEdit;
    QTest::mouseClick(edit, Qt::LeftButton);
    QPointer<UserNumKey_Board> board = dialog.board();
    QVERIFY(board);
    // Straight to the receiver, before the board's poll could trim the text.
    board->textEdit->setPlainText(typed);
    dialog.datetime_received(field, QByteArray());
    QCOMPARE(edit->text(), shown);
    QVERIFY(!dialog.board());
    QTRY_VERIFY(board.isNull());
    if (field == QLatin1String("month")) {
        // The clamped month reaches the clocks as a real month.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(clockNow().date(), QDate(2020, shown.toInt(), 1));
    }
}

void TstDateTime::strayDateMessageIsIgnored()
{
    setData dialog;
    QSignalSpy finished(&dialog, &setData::send_setDate_signals);
    dialog.setTexts(QStringLiteral("2020"), QStringLiteral("03"), QStringLiteral("04"));
    dialog.show();
    for (const char *message : {"year", "month", "day", "close"})
        dialog.datetime_received(QLatin1String(message), QByteArray());
    QCOMPARE(dialog.yearText(), QStringLiteral("2020"));
    QCOMPARE(dialog.monthText(), QStringLiteral("03"));
    QCOMPARE(dialog.dayText(), QStringLiteral("04"));
    QCOMPARE(finished.count(), 0);
    QVERIFY(dialog.isVisible());
}

void TstDateTime::typedTime_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("24 hour 7") << "24" << "hour" << "7" << "07";
    QTest::newRow("24 hour 0") << "24" << "hour" << "0" << "00";
    QTest::newRow("12 hour 00") << "12" << "hour" << "00" << "01";
    QTest::newRow("12 hour 0") << "12" << "hour" << "0" << "01";
    QTest::newRow("24 hour 99 clamped") << "24" << "hour" << "99" << "23";
    QTest::newRow("12 hour 13 clamped") << "12" << "hour" << "13" << "12";
    QTest::newRow("24 hour empty is now") << "24" << "hour" << "" << "21";
    QTest::newRow("12 hour empty is now") << "12" << "hour" << "" << "09";
    QTest::newRow("minute 75 clamped") << "24" << "minute" << "75" << "59";
    QTest::newRow("minute 5") << "12" << "minute" << "5" << "05";
    QTest::newRow("minute empty is now") << "24" << "minute" << "" << "47";
}

void TstDateTime::typedTime()
{
    QFETCH(QString, format);
    QFETCH(QString, title);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    store("Timeformat", format);
    setNow(QDateTime(QDate(2026, 7, 1), QTime(21, 47)));
    ZSetTime dialog;
    dialog.setTexts(QStringLiteral("05"), QStringLiteral("06"));
    dialog.show();
    QTest::mouseClick(title == QLatin1String("hour") ? dialog.hourEdit : dialog.minuteEdit, Qt::LeftButton);
    QPointer<USersetTime_Board> board = dialog.board();
    QVERIFY(board);
    QCOMPARE(board->title, title);
    QCOMPARE(board->textEdit->toPlainText(), title == QLatin1String("hour") ? QStringLiteral("05") : QStringLiteral("06"));
    board->textEdit->setPlainText(typed);
    QTest::mouseClick(board->okButton, Qt::LeftButton); // before any poll
    QCOMPARE(title == QLatin1String("hour") ? dialog.hourText() : dialog.minuteText(), shown);
    QVERIFY(!dialog.board());
    QVERIFY(board); // still alive: its handler has just returned
    QTRY_VERIFY(board.isNull());
}

void TstDateTime::timeBoardPoll_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("24: 23 kept") << "24" << "hour" << "23" << "23";
    QTest::newRow("24: 24 cut") << "24" << "hour" << "24" << "2";
    QTest::newRow("12: 12 kept") << "12" << "hour" << "12" << "12";
    QTest::newRow("12: 13 cut") << "12" << "hour" << "13" << "1";
    QTest::newRow("minute 59 kept") << "24" << "minute" << "59" << "59";
    QTest::newRow("minute 60 cut") << "24" << "minute" << "60" << "6";
    QTest::newRow("third digit undone") << "24" << "minute" << "091" << "09";
    QTest::newRow("not a number") << "24" << "hour" << "ab" << "ab";
}

void TstDateTime::timeBoardPoll()
{
    QFETCH(QString, format);
    QFETCH(QString, title);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    store("Timeformat", format);
    USersetTime_Board board;
    board.title = title;
    board.textEdit->setPlainText(typed);
    board.real_update_time();
    QCOMPARE(board.textEdit->toPlainText(), kept);
}

void TstDateTime::dateDoneSetsBothClocks()
{
    setNow(QDateTime(QDate(2026, 5, 10), QTime(14, 5, 37)));
    setData dialog;
    QSignalSpy finished(&dialog, &setData::send_setDate_signals);
    QCOMPARE(dialog.yearText(), QStringLiteral("2026"));
    // 29 February, then the year stepped to a common year.
    dialog.setTexts(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("29"));
    dialog.show();
    QTest::mouseClick(dialog.yearAdd, Qt::LeftButton);
    QTest::mouseClick(dialog.title->findChildren<QPushButton *>().last(), Qt::LeftButton); // Done
    QCOMPARE(finished.count(), 1);
    const QDateTime now = clockNow();
    QCOMPARE(now.date(), QDate(2025, 2, 28));
    QCOMPARE(now.time().hour(), 14);
    QCOMPARE(now.time().minute(), 5);
    QVERIFY(now.time().second() <= 2);
    QCOMPARE(m_rtc->writeCount(), 2);
    const RtcRecord record = m_rtc->record();
    // Every field from the new date, weekday and year day included.
    QCOMPARE((QList<int>{record.sec, record.min, record.hour, record.mday, record.mon, record.year, record.wday,
                         record.yday}),
             (QList<int>{0, 5, 14, 28, 1, 125, 5, 58}));
    QCOMPARE(record, RtcRecord::fromLocal(QDateTime(QDate(2025, 2, 28), QTime(14, 5))));
}

void TstDateTime::dateBefore2000SetAtOpening()
{
    setNow(QDateTime(QDate(1970, 1, 1), QTime(6, 15, 40)));
    setData dialog;
    QCOMPARE(dialog.yearText(), QStringLiteral("2000"));
    QCOMPARE(clockNow().date(), QDate(2000, 1, 1));
    QVERIFY(qAbs(clockNow().time().secsTo(QTime(6, 15))) <= 2);
    QCOMPARE(m_rtc->writeCount(), 2);
    QCOMPARE(m_rtc->record(), RtcRecord::fromLocal(QDateTime(QDate(2000, 1, 1), QTime(6, 15))));
    // Cancel afterwards does not undo it.
    dialog.set_cancelButton();
    QCOMPARE(clockNow().date(), QDate(2000, 1, 1));
}

void TstDateTime::timeDoneSetsBothClocks()
{
    setNow(QDateTime(QDate(1970, 3, 7), QTime(8, 0)));
    m_rtc->setFailRead(true); // a stale read must not reach the record
    ZSetTime dialog;
    QSignalSpy finished(&dialog, &ZSetTime::send_timeclosesignals);
    dialog.show();
    QCOMPARE(dialog.title->text(), QStringLiteral("24-Hour"));
    QVERIFY(!dialog.amPmButton->isVisible());
    dialog.setTexts(QStringLiteral("17"), QStringLiteral("42"));
    QTest::mouseClick(dialog.title->findChildren<QPushButton *>().last(), Qt::LeftButton); // Done
    QCOMPARE(finished.count(), 1);
    QCOMPARE(clockNow().date(), QDate(2000, 3, 7)); // before 2000 is written as 2000
    QVERIFY(qAbs(clockNow().time().secsTo(QTime(17, 42))) <= 2);
    QCOMPARE(m_rtc->writeCount(), 2);
    QCOMPARE(m_rtc->record(), RtcRecord::fromLocal(QDateTime(QDate(2000, 3, 7), QTime(17, 42))));
    QCOMPARE(m_rtc->record().wday, 2);
}

void TstDateTime::missingRtcStillSetsSystemClock()
{
    SimRtc::install(nullptr); // the node under the root, which is not there
    setNow(QDateTime(QDate(2026, 5, 10), QTime(9, 0)));
    for (int which = 0; which < 2; ++which) {
        StdoutCapture out(m_root->hostPath(QStringLiteral("/out.txt")));
        if (which == 0) {
            setData dialog;
            dialog.setTexts(QStringLiteral("2031"), QStringLiteral("08"), QStringLiteral("09"));
            QTest::keyClick(&dialog, Qt::Key_Return);
        } else {
            ZSetTime dialog;
            dialog.setTexts(QStringLiteral("06"), QStringLiteral("07"));
            QTest::keyClick(&dialog, Qt::Key_Return);
        }
        const QByteArray text = out.text();
        QCOMPARE(text.count("x1226_settm failure\n"), 2);
        QCOMPARE(text.count("open /dev/X12026 is failed !\n"), 2);
    }
    QCOMPARE(clockNow().date(), QDate(2031, 8, 9));
    QVERIFY(qAbs(clockNow().time().secsTo(QTime(6, 7))) <= 2);
}

void TstDateTime::nonexistentLocalTimeSetsNothing()
{
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    const QTime gapTime(2, 30);
    const QDate gapDay(2026, 3, 29);
    const QDateTime inGap(gapDay, gapTime);
    const bool hasGap = !inGap.isValid() || inGap.time() != gapTime;
    if (hasGap) {
        setNow(QDateTime(gapDay, QTime(10, 0)));
        const qint64 offset = m_root->clock()->offsetMs();
        ZSetTime dialog;
        QSignalSpy finished(&dialog, &ZSetTime::send_timeclosesignals);
        dialog.setTexts(QStringLiteral("02"), QStringLiteral("30"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no local time")));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m_root->clock()->offsetMs(), offset);
        QCOMPARE(m_rtc->writeCount(), 0);
    }
    if (oldTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldTz);
    tzset();
    if (!hasGap)
        QSKIP("no daylight-saving zone data here");
}

void TstDateTime::escapeClosesSetupWindow_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("date dialog") << "date";
    QTest::newRow("date board") << "dateBoard";
    QTest::newRow("time dialog") << "time";
    QTest::newRow("time board") << "timeBoard";
    QTest::newRow("format dialog") << "format";
}

void TstDateTime::escapeClosesSetupWindow()
{
    QFETCH(QString, where);
    MessageChannel setupWindow(QStringLiteral("setupwindow"));
    QSignalSpy setupSpy(&setupWindow, &MessageChannel::received);
    store("Dateformat", QStringLiteral("dmy"));
    std::unique_ptr<QWidget> dialog;
    std::unique_ptr<QSignalSpy> finished;
    QWidget *target = nullptr;
    if (where.startsWith(QLatin1String("date"))) {
        auto *d = new setData;
        dialog.reset(d);
        finished = std::make_unique<QSignalSpy>(d, &setData::send_setDate_signals);
        d->show();
        target = d;
        if (where == QLatin1String("dateBoard")) {
            QTest::mouseClick(d->dayEdit, Qt::LeftButton);
            target = d->board()->textEdit;
        }
    } else if (where.startsWith(QLatin1String("time"))) {
        auto *t = new ZSetTime;
        dialog.reset(t);
        finished = std::make_unique<QSignalSpy>(t, &ZSetTime::send_timeclosesignals);
        t->show();
        target = t;
        if (where == QLatin1String("timeBoard")) {
            QTest::mouseClick(t->minuteEdit, Qt::LeftButton);
            target = t->board()->textEdit;
        }
    } else {
        auto *f = new ZDateFormat;
        dialog.reset(f);
        finished = std::make_unique<QSignalSpy>(f, &ZDateFormat::send_dateFarmat_closesignals);
        f->show();
        target = f;
        QTest::mouseClick(f->firstItem, Qt::LeftButton);
    }
    const QDateTime before = clockNow();
    QTest::keyClick(target, Qt::Key_Escape);
    QTRY_COMPARE(finished->count(), 1); // the board's "close" comes over the channel
    QTRY_COMPARE(setupSpy.count(), 1);
    QCOMPARE(setupSpy.at(0).at(0).toString(), QStringLiteral("close"));
    QCOMPARE(m_rtc->writeCount(), 0);
    QVERIFY(qAbs(clockNow().secsTo(before)) <= 2);
    QCOMPARE(stored("Dateformat"), QStringLiteral("dmy")); // nothing stored
}

void TstDateTime::dialogGoesAfterItsHandler_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("path");
    for (const char *dialog : {"date", "time", "format"}) {
        for (const char *path : {"done", "cancel", "return", "escape", "board close"}) {
            if (QByteArray(dialog) == "format" && QByteArray(path) == "board close")
                continue;
            QTest::newRow(QByteArray(dialog).append(' ').append(path).constData()) << dialog << path;
        }
    }
}

void TstDateTime::dialogGoesAfterItsHandler()
{
    QFETCH(QString, dialog);
    QFETCH(QString, path);
    EGraphicsView view;
    FilenameSystem names;
    EGlobal::set_FilenameSystem(&names);
    ZDateTimePage page;
    page.show();
    QWidget *row = dialog == QLatin1String("date")   ? static_cast<QWidget *>(page.dateItem)
                   : dialog == QLatin1String("time") ? static_cast<QWidget *>(page.timeItem)
                                                     : static_cast<QWidget *>(page.formatItem);
    QTest::mouseClick(row, Qt::LeftButton);
    QVERIFY(view.isSetupVisibled());
    QPointer<QWidget> open = dialog == QLatin1String("date")   ? static_cast<QWidget *>(page.dateDialog())
                             : dialog == QLatin1String("time") ? static_cast<QWidget *>(page.timeDialog())
                                                               : static_cast<QWidget *>(page.dateFormatDialog());
    QVERIFY(open);
    QVERIFY(open->isVisible());
    QCOMPARE(open->pos(), dialog == QLatin1String("format") ? QPoint(40, 30) : QPoint(45, 50));
    EDialogTitle *title = open->findChild<EDialogTitle *>();
    const QList<QPushButton *> titleButtons = title->findChildren<QPushButton *>();
    QPointer<QWidget> board;
    bool finished = false;
    bool aliveAfterPageSlot = false;
    const auto afterPage = [&] {
        finished = true;
        aliveAfterPageSlot = !open.isNull();
    };
    if (auto *d = qobject_cast<setData *>(open.data()))
        connect(d, &setData::send_setDate_signals, this, afterPage);
    else if (auto *t = qobject_cast<ZSetTime *>(open.data()))
        connect(t, &ZSetTime::send_timeclosesignals, this, afterPage);
    else
        connect(static_cast<ZDateFormat *>(open.data()), &ZDateFormat::send_dateFarmat_closesignals, this, afterPage);
    if (path == QLatin1String("done")) {
        QTest::mouseClick(titleButtons.last(), Qt::LeftButton);
    } else if (path == QLatin1String("cancel")) {
        QTest::mouseClick(titleButtons.first(), Qt::LeftButton);
    } else if (path == QLatin1String("return")) {
        QTest::keyClick(open, Qt::Key_Return);
    } else if (path == QLatin1String("escape")) {
        QTest::keyClick(open, Qt::Key_Escape);
    } else if (dialog == QLatin1String("date")) {
        auto *d = static_cast<setData *>(open.data());
        QTest::mouseClick(d->yearEdit, Qt::LeftButton);
        board = d->board();
        QTest::keyClick(d->board()->textEdit, Qt::Key_Escape);
    } else {
        auto *t = static_cast<ZSetTime *>(open.data());
        QTest::mouseClick(t->hourEdit, Qt::LeftButton);
        board = t->board();
        QTest::keyClick(t->board()->textEdit, Qt::Key_Escape);
    }
    QTRY_VERIFY(finished);
    QVERIFY(aliveAfterPageSlot);
    if (!path.startsWith(QLatin1String("board"))) {
        // The handler that emitted has returned: the dialog is still there.
        QVERIFY(open);
        QVERIFY(!open->isVisible());
    }
    QVERIFY(!view.isSetupVisibled());
    QVERIFY(!page.dateDialog() && !page.timeDialog() && !page.dateFormatDialog());
    QTRY_VERIFY(open.isNull());
    QTRY_VERIFY(board.isNull());
    // Only the date dialog refreshes the file names, also after Cancel.
    QCOMPARE(names.updateCount(), dialog == QLatin1String("date") ? 1 : 0);
    const bool wrote = path == QLatin1String("done") || path == QLatin1String("return");
    QCOMPARE(m_rtc->writeCount(), wrote && dialog != QLatin1String("format") ? 2 : 0);
    EGlobal::set_FilenameSystem(nullptr);
}

void TstDateTime::dateFormatDialog()
{
    setNow(QDateTime(QDate(2027, 3, 1), QTime(23, 59, 59)));
    {
        ZDateFormat dialog; // no value stored yet
        QCOMPARE(stored("Dateformat"), QStringLiteral("ymd"));
        QVERIFY(dialog.thirdItem->checked());
        QCOMPARE(dialog.firstItem->text(), QStringLiteral("03-01-2027"));
        QCOMPARE(dialog.secondItem->text(), QStringLiteral("01-03-2027"));
        QCOMPARE(dialog.thirdItem->text(), QStringLiteral("2027-03-01"));
        dialog.show();
        QTest::mouseClick(dialog.firstItem, Qt::LeftButton);
        QTest::mouseClick(dialog.title->findChildren<QPushButton *>().first(), Qt::LeftButton); // Cancel
        QCOMPARE(stored("Dateformat"), QStringLiteral("ymd"));
    }
    store("Dateformat", QStringLiteral("MDY")); // case counts
    {
        ZDateFormat dialog;
        QCOMPARE(stored("Dateformat"), QStringLiteral("ymd"));
        dialog.show();
        QTest::mouseClick(dialog.secondItem, Qt::LeftButton);
        QTest::mouseClick(dialog.secondItem, Qt::LeftButton);
        QVERIFY(dialog.secondItem->checked());
        QVERIFY(!dialog.firstItem->checked() && !dialog.thirdItem->checked());
        QTest::keyClick(&dialog, Qt::Key_Enter); // not Return: ignored
        QCOMPARE(stored("Dateformat"), QStringLiteral("ymd"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(stored("Dateformat"), QStringLiteral("dmy"));
    }
    {
        ZDateFormat dialog;
        QVERIFY(dialog.secondItem->checked());
        dialog.show();
        QTest::mouseClick(dialog.firstItem, Qt::LeftButton);
        QTest::mouseClick(dialog.title->findChildren<QPushButton *>().last(), Qt::LeftButton); // Done
        QCOMPARE(stored("Dateformat"), QStringLiteral("mdy"));
    }
}

void TstDateTime::dateFormatOrdersDateDialog_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("order"); // fields left to right
    QTest::newRow("mdy") << "mdy" << "mm/dd/yyyy" << "month day year";
    QTest::newRow("dmy") << "dmy" << "dd/mm/yyyy" << "day month year";
    QTest::newRow("ymd") << "ymd" << "yyyy/mm/dd" << "year month day";
    QTest::newRow("other") << "xyz" << "yyyy/mm/dd" << "year month day";
}

void TstDateTime::dateFormatOrdersDateDialog()
{
    QFETCH(QString, format);
    QFETCH(QString, caption);
    QFETCH(QString, order);
    store("Dateformat", format);
    setData dialog;
    QCOMPARE(dialog.title->text(), caption);
    QList<ZLineEdit *> fields{dialog.yearEdit, dialog.monthEdit, dialog.dayEdit};
    std::sort(fields.begin(), fields.end(), [](ZLineEdit *a, ZLineEdit *b) { return a->x() < b->x(); });
    QStringList names;
    for (ZLineEdit *f : fields)
        names << f->name();
    QCOMPARE(names.join(QLatin1Char(' ')), order);
}

void TstDateTime::timeSwitchStoresFormat()
{
    EGraphicsView view;
    {
        ZDateTimePage page; // nothing stored: 24-hour shown, nothing written
        QVERIFY(page.timeSwitch->isOpen());
        QCOMPARE(page.timeSwitch->m_titleLabel->text(), QStringLiteral("24-hour"));
        QVERIFY(stored("Timeformat").isEmpty());
        page.show();
        QTest::mouseClick(page.timeSwitch, Qt::LeftButton);
        QCOMPARE(stored("Timeformat"), QStringLiteral("12"));
        QVERIFY(!page.timeSwitch->isOpen());
        QCOMPARE(page.timeSwitch->m_titleLabel->text(), QStringLiteral("12-hour"));
        QCOMPARE(view.gettimeFormat(), 12);
        QTest::mouseClick(page.timeSwitch, Qt::LeftButton);
        QCOMPARE(stored("Timeformat"), QStringLiteral("24"));
        QCOMPARE(view.gettimeFormat(), 24);
    }
    store("Timeformat", QStringLiteral("12"));
    ZDateTimePage page;
    QVERIFY(!page.timeSwitch->isOpen());
    QVERIFY(page.isTwelveHour());
    QCOMPARE(view.gettimeFormat(), 12);
}

void TstDateTime::rowsIgnoredWhileDialogUp()
{
    EGraphicsView view;
    ZDateTimePage page;
    page.show();
    QTest::mouseClick(page.dateItem, Qt::LeftButton);
    QPointer<setData> date = page.dateDialog();
    QVERIFY(date);
    QTest::mouseClick(page.timeItem, Qt::LeftButton);
    QTest::mouseClick(page.formatItem, Qt::LeftButton);
    QTest::mouseClick(page.timeSwitch, Qt::LeftButton);
    QTest::mouseClick(page.dateItem, Qt::LeftButton);
    QVERIFY(!page.timeDialog() && !page.dateFormatDialog());
    QCOMPARE(page.dateDialog(), date.data());
    QVERIFY(stored("Timeformat").isEmpty());
    date->set_cancelButton();
    QTRY_VERIFY(date.isNull());
    QTest::mouseClick(page.formatItem, Qt::LeftButton);
    QVERIFY(page.dateFormatDialog());
    page.recv_dateFarmat_slots();
}

QTEST_MAIN(TstDateTime)
#include "tst_datetime.moc"
