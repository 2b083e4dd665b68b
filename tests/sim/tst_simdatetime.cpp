#include "edialogtitle.h"
#include "eglobal.h"
#include "elistitems.h"
#include "egraphicsview.h"
#include "esetupcheckitem.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "fontfamilies.h"
#include "key_num.h"
#include "mainwindowup.h"
#include "paths.h"
#include "rtcdevice.h"
#include "setdata.h"
#include "menuroute.h"
#include "setuptouch.h"
#include "systemclock.h"
#include "usernumkey_board.h"
#include "usersettime_board.h"
#include "zdateformat.h"
#include "zdatetimeitem.h"
#include "zdatetimepage.h"
#include "zlineedit.h"
#include "zsettime.h"

#include <QFile>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

#include <cstring>

// The Date & Time page as `ostrel --simulate` shows it: the menu's "Settings" tile opens the setup
// window, touches reach the page, each dialog and each board (each written
// as a PNG when OSTREL_SCREENS_DIR is set), and the status-bar clock follows
// the simulated clock and the 12/24-hour switch at once.
class TestSimDateTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void pageDialogsAndBoards();

private:
    void touch(QWidget *target) { m_sim.touch(target); }
    void saveScreen(const char *name) { m_sim.saveScreen(name); }
    QString clockText() const { return EGlobal::getToolBar()->clockLabel()->text(); }

    SetupTouch m_sim;
};

void TestSimDateTime::initTestCase()
{
    m_sim.startWithSetup();
}

void TestSimDateTime::cleanupTestCase()
{
    m_sim.stop();
}

void TestSimDateTime::pageDialogsAndBoards()
{
    SystemClock::instance()->setSystemTime(QDateTime(QDate(2026, 11, 8), QTime(9, 41)));
    MenuRoute::openTile("Config");
    ESetupWindow *window = EGlobal::getSetupWindow();
    QVERIFY(window && window->isVisible());
    touch(window->listItems()->findChild<ESetupItem *>(QStringLiteral("Date & Time")));
    auto *page = qobject_cast<ZDateTimePage *>(window->widget(3));
    QVERIFY(page && page->isVisible());
    saveScreen("datetime_0_page.png");

    // 12/24-hour switch: the status-bar clock changes form at once.
    EGlobal::getToolBar()->updateTime();
    QVERIFY(!clockText().contains(QLatin1String("AM")));
    touch(page->timeSwitch);
    QVERIFY(clockText().contains(QLatin1String("AM")));
    saveScreen("datetime_1_page_12hour.png");
    touch(page->timeSwitch);
    QVERIFY(!clockText().contains(QLatin1String("AM")));

    // Date format: day first.
    touch(page->formatItem);
    ZDateFormat *format = page->dateFormatDialog();
    QVERIFY(format && format->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(format));
    touch(format->secondItem);
    QVERIFY(format->secondItem->checked());
    saveScreen("datetime_2_dateformat.png");
    touch(format->title->findChildren<QPushButton *>().last());
    QTRY_VERIFY(!page->dateFormatDialog());

    // Date dialog, in the day-first order; the day board, then Done.
    touch(page->dateItem);
    setData *date = page->dateDialog();
    QVERIFY(date && QTest::qWaitForWindowExposed(date));
    QCOMPARE(date->title->text(), QStringLiteral("dd/mm/yyyy"));
    QVERIFY(date->dayEdit->x() < date->monthEdit->x());
    saveScreen("datetime_3_date.png");
    touch(date->dayEdit);
    UserNumKey_Board *dateBoard = date->board();
    QVERIFY(dateBoard && QTest::qWaitForWindowExposed(dateBoard));
    touch(dateBoard->keypad->key(QStringLiteral("btndel")));
    touch(dateBoard->keypad->key(QStringLiteral("btndel")));
    touch(dateBoard->keypad->key(QStringLiteral("btn2")));
    touch(dateBoard->keypad->key(QStringLiteral("btn4")));
    QCOMPARE(dateBoard->textEdit->toPlainText(), QStringLiteral("24"));
    saveScreen("datetime_4_date_board.png");
    touch(dateBoard->okButton);
    QTRY_COMPARE(date->dayText(), QStringLiteral("24"));
    touch(date->monthAdd);
    QCOMPARE(date->monthText(), QStringLiteral("12"));
    touch(date->title->findChildren<QPushButton *>().last());
    QTRY_VERIFY(!page->dateDialog());
    QCOMPARE(SystemClock::instance()->now().date(), QDate(2026, 12, 24));
    // The simulated clock chip keeps its record in the root.
    QFile chip(Paths::resolve(QStringLiteral("/tmp/rtc-record")));
    QVERIFY(chip.open(QIODevice::ReadOnly));
    const QByteArray bytes = chip.readAll();
    QCOMPARE(bytes.size(), int(sizeof(RtcRecord)));
    RtcRecord record;
    std::memcpy(&record, bytes.constData(), sizeof(RtcRecord));
    QCOMPARE(record.year, 126);
    QCOMPARE(record.mon, 11);
    QCOMPARE(record.mday, 24);
    QCOMPARE(record.wday, 4);

    // Time dialog, its board, then Done: the clock shows the new time at once.
    touch(page->timeItem);
    ZSetTime *time = page->timeDialog();
    QVERIFY(time && QTest::qWaitForWindowExposed(time));
    saveScreen("datetime_5_time.png");
    touch(time->hourEdit);
    USersetTime_Board *timeBoard = time->board();
    QVERIFY(timeBoard && QTest::qWaitForWindowExposed(timeBoard));
    touch(timeBoard->keypad->key(QStringLiteral("btndel")));
    touch(timeBoard->keypad->key(QStringLiteral("btndel")));
    touch(timeBoard->keypad->key(QStringLiteral("btn1")));
    touch(timeBoard->keypad->key(QStringLiteral("btn7")));
    QCOMPARE(timeBoard->textEdit->toPlainText(), QStringLiteral("17"));
    saveScreen("datetime_6_time_board.png");
    touch(timeBoard->okButton);
    QCOMPARE(time->hourText(), QStringLiteral("17"));
    touch(time->minuteAdd);
    const QString minute = time->minuteText();
    touch(time->title->findChildren<QPushButton *>().last());
    QTRY_VERIFY(!page->timeDialog());
    QCOMPARE(clockText().replace(2, 1, QLatin1Char(':')), QStringLiteral("17:%1").arg(minute));
    QCOMPARE(SystemClock::instance()->now().date(), QDate(2026, 12, 24));
    saveScreen("datetime_7_page_after.png");

    // Escape on a dialog closes it and the setup window.
    touch(page->timeItem);
    QVERIFY(page->timeDialog());
    QTest::keyClick(page->timeDialog(), Qt::Key_Escape);
    QTRY_VERIFY(!window->isVisible());
}

QTEST_MAIN(TestSimDateTime)
#include "tst_simdatetime.moc"
