#include "key_num.h"
#include "messagechannel.h"
#include "setdata.h"
#include "simulatedclock.h"
#include "testroot.h"
#include "usernumkey_board.h"
#include "zlineedit.h"

#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

class TestUserNumKeyBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void buildsBoard();
    void shapesTheValue_data();
    void shapesTheValue();
    void typingThirteenAsMonthKeepsOne();
    void okSendsFieldMessageOnceAndStopsCheck_data();
    void okSendsFieldMessageOnceAndStopsCheck();
    void escapeSendsCloseInEveryMode();
    void dialogSetsFebruaryForLeapYears_data();
    void dialogSetsFebruaryForLeapYears();
    void dialogTakesValueAndDisposesBoard_data();
    void dialogTakesValueAndDisposesBoard();
    void dialogCloseClosesEverything();

private:
    TestRoot *m_root = nullptr;
    MessageChannel *m_listener = nullptr;
};

void TestUserNumKeyBoard::init()
{
    m_root = new TestRoot;
    m_listener = new MessageChannel(UserNumKey_Board::channelName());
}

void TestUserNumKeyBoard::cleanup()
{
    delete m_listener;
    delete m_root;
}

void TestUserNumKeyBoard::buildsBoard()
{
    UserNumKey_Board board;
    QCOMPARE(board.size(), QSize(320, 240));
    QVERIFY(board.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(board.okButton->text(), QStringLiteral("OK"));
    QCOMPARE(board.keypad->geometry(), QRect(0, 85, 320, 150));
    QCOMPARE(board.mode, 0);
    QVERIFY(board.pollTimer->isActive());
    QCOMPARE(board.pollTimer->interval(), 10);
    const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        QCOMPARE(board.daysInMonth[m], days[m - 1]);
}

void TestUserNumKeyBoard::shapesTheValue_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("monthText");
    QTest::addColumn<int>("february");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shaped");
    QTest::addColumn<int>("cursor"); // -1: not checked

    QTest::newRow("year five digits") << 1 << "" << 28 << "20181" << "2018" << 4;
    QTest::newRow("year four digits") << 1 << "" << 28 << "2018" << "2018" << -1;
    QTest::newRow("year letters") << 1 << "" << 28 << "abc" << "abc" << -1;
    QTest::newRow("month 13") << 2 << "" << 28 << "13" << "1" << 1;
    QTest::newRow("month 12") << 2 << "" << 28 << "12" << "12" << -1;
    QTest::newRow("month 123") << 2 << "" << 28 << "123" << "12" << 2;
    QTest::newRow("month 99") << 2 << "" << 28 << "99" << "9" << 1;
    QTest::newRow("month 0 stays") << 2 << "" << 28 << "0" << "0" << 1;
    QTest::newRow("month 00 stays") << 2 << "" << 28 << "00" << "00" << -1;
    QTest::newRow("month not a number") << 2 << "" << 28 << "x9" << "x9" << -1;
    QTest::newRow("day feb 29 common") << 3 << "02" << 28 << "29" << "2" << 1;
    QTest::newRow("day feb 28 common") << 3 << "02" << 28 << "28" << "28" << -1;
    QTest::newRow("day feb 29 leap") << 3 << "2" << 29 << "29" << "29" << -1;
    QTest::newRow("day feb 30 leap") << 3 << "02" << 29 << "30" << "3" << 1;
    QTest::newRow("day apr 31") << 3 << "04" << 28 << "31" << "3" << 1;
    QTest::newRow("day apr 30") << 3 << "04" << 28 << "30" << "30" << -1;
    QTest::newRow("day dec 31") << 3 << "12" << 28 << "31" << "31" << -1;
    QTest::newRow("day dec 32") << 3 << "12" << 28 << "32" << "3" << 1;
    QTest::newRow("day three digits") << 3 << "01" << 28 << "123" << "12" << 2;
    // Months outside 1..12 have no day bound (and read nothing outside the table).
    QTest::newRow("day month 0") << 3 << "0" << 28 << "45" << "45" << -1;
    QTest::newRow("day month 13") << 3 << "13" << 28 << "45" << "45" << -1;
    QTest::newRow("day month 99") << 3 << "99" << 28 << "99" << "99" << -1;
    QTest::newRow("day month -1") << 3 << "-1" << 28 << "99" << "99" << -1;
    QTest::newRow("day month text") << 3 << "ab" << 28 << "99" << "99" << -1;
    QTest::newRow("mode 0 untouched") << 0 << "" << 28 << "123456" << "123456" << -1;
}

void TestUserNumKeyBoard::shapesTheValue()
{
    QFETCH(int, mode);
    QFETCH(QString, monthText);
    QFETCH(int, february);
    QFETCH(QString, typed);
    QFETCH(QString, shaped);
    QFETCH(int, cursor);
    UserNumKey_Board board;
    board.pollTimer->stop(); // the test turns the check itself
    board.mode = mode;
    board.monthText = monthText;
    board.daysInMonth[2] = february;
    board.textEdit->setPlainText(typed);
    board.timeout_update();
    board.timeout_update(); // a second turn changes nothing more
    QCOMPARE(board.textEdit->toPlainText(), shaped);
    if (cursor >= 0)
        QCOMPARE(board.textEdit->textCursor().position(), cursor);
}

void TestUserNumKeyBoard::typingThirteenAsMonthKeepsOne()
{
    UserNumKey_Board board;
    board.mode = UserNumKey_Board::MonthField;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::mouseClick(board.keypad->key(QStringLiteral("btn1")), Qt::LeftButton);
    QTest::mouseClick(board.keypad->key(QStringLiteral("btn3")), Qt::LeftButton);
    QTRY_COMPARE(board.textEdit->toPlainText(), QStringLiteral("1"));
    QTest::mouseClick(board.keypad->key(QStringLiteral("btn2")), Qt::LeftButton);
    QCOMPARE(board.textEdit->toPlainText(), QStringLiteral("12"));
    board.timeout_update();
    QCOMPARE(board.textEdit->toPlainText(), QStringLiteral("12"));
}

void TestUserNumKeyBoard::okSendsFieldMessageOnceAndStopsCheck_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << "";
    QTest::newRow("year") << 1 << "year";
    QTest::newRow("month") << 2 << "month";
    QTest::newRow("day") << 3 << "day";
    QTest::newRow("unknown mode") << 7 << "";
}

void TestUserNumKeyBoard::okSendsFieldMessageOnceAndStopsCheck()
{
    QFETCH(int, mode);
    QFETCH(QString, message);
    QSignalSpy received(m_listener, &MessageChannel::received);
    UserNumKey_Board board;
    board.mode = mode;
    board.textEdit->setPlainText(QStringLiteral("7"));
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::mouseClick(board.okButton, Qt::LeftButton);
    QVERIFY(!board.pollTimer->isActive());
    if (message.isEmpty()) {
        QCoreApplication::processEvents();
        QCOMPARE(received.count(), 0);
        return;
    }
    QTRY_COMPARE(received.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), message);
    QVERIFY(received.at(0).at(1).toByteArray().isEmpty());
}

void TestUserNumKeyBoard::escapeSendsCloseInEveryMode()
{
    QSignalSpy received(m_listener, &MessageChannel::received);
    for (int mode = 0; mode <= 3; ++mode) {
        UserNumKey_Board board;
        board.mode = mode;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QTest::keyClick(board.textEdit, Qt::Key_Escape);
        QVERIFY(board.pollTimer->isActive());
        QTRY_COMPARE(received.count(), mode + 1);
        QCOMPARE(received.last().at(0).toString(), QStringLiteral("close"));
    }
}

void TestUserNumKeyBoard::dialogSetsFebruaryForLeapYears_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("february");
    QTest::newRow("2024") << "2024" << 29;
    QTest::newRow("2023") << "2023" << 28;
    QTest::newRow("2000") << "2000" << 29;
    QTest::newRow("2100") << "2100" << 28;
    QTest::newRow("1900") << "1900" << 28;
}

void TestUserNumKeyBoard::dialogSetsFebruaryForLeapYears()
{
    QFETCH(QString, year);
    QFETCH(int, february);
    setData dialog;
    dialog.setTexts(year, QStringLiteral("02"), QStringLiteral("7"));
    dialog.show();
    QTest::mouseClick(dialog.dayEdit, Qt::LeftButton);
    UserNumKey_Board *board = dialog.board();
    QVERIFY(board);
    QCOMPARE(board->mode, int(UserNumKey_Board::DayField));
    QCOMPARE(board->daysInMonth[2], february);
    QCOMPARE(board->monthText, QStringLiteral("02"));
    QCOMPARE(board->textEdit->toPlainText(), QStringLiteral("7"));
    QCOMPARE(board->textEdit->textCursor().position(), 1);
    QCOMPARE(dialog.yearEdit->focusPolicy(), Qt::NoFocus);
}

void TestUserNumKeyBoard::dialogTakesValueAndDisposesBoard_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("year") << "year" << "2031" << "2031";
    QTest::newRow("year too early takes clock year") << "year" << "1999" << "2035";
    QTest::newRow("month padded") << "month" << "3" << "03";
    QTest::newRow("month 0 becomes 1") << "month" << "0" << "01";
    QTest::newRow("day 00 becomes 1") << "day" << "00" << "01";
    QTest::newRow("day") << "day" << "28" << "28";
}

void TestUserNumKeyBoard::dialogTakesValueAndDisposesBoard()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    m_root->clock()->setSystemTime(QDateTime(QDate(2035, 6, 1), QTime(12, 0)));
    setData dialog;
    dialog.setTexts(QStringLiteral("2020"), QStringLiteral("01"), QStringLiteral("01"));
    dialog.show();
    dialog.set_lineedit(field);
    QPointer<UserNumKey_Board> board = dialog.board();
    QVERIFY(board);
    board->textEdit->setPlainText(typed);
    QTest::mouseClick(board->okButton, Qt::LeftButton);
    QTRY_VERIFY(!dialog.board());
    QVERIFY(!board || !board->isVisible()); // closed at once, deleted later
    QTRY_VERIFY(board.isNull());
    ZLineEdit *edit = field == QLatin1String("year") ? dialog.yearEdit
                      : field == QLatin1String("month") ? dialog.monthEdit
                                                        : dialog.dayEdit;
    QCOMPARE(edit->text(), shown);
    QVERIFY(dialog.isVisible());
}

void TestUserNumKeyBoard::dialogCloseClosesEverything()
{
    MessageChannel setupWindow(QStringLiteral("setupwindow"));
    QSignalSpy setupSpy(&setupWindow, &MessageChannel::received);
    setData dialog;
    QSignalSpy dateSpy(&dialog, &setData::send_setDate_signals);
    dialog.show();
    dialog.set_lineedit(QStringLiteral("month"));
    QPointer<UserNumKey_Board> board = dialog.board();
    // A second touch replaces the open board instead of leaving it behind.
    dialog.set_lineedit(QStringLiteral("year"));
    QTRY_VERIFY(board.isNull());
    board = dialog.board();
    board->show();
    QVERIFY(QTest::qWaitForWindowExposed(board));
    QTest::keyClick(board->textEdit, Qt::Key_Escape);
    QTRY_VERIFY(board.isNull());
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dateSpy.count(), 1);
    QTRY_COMPARE(setupSpy.count(), 1);
    QCOMPARE(setupSpy.at(0).at(0).toString(), QStringLiteral("close"));
    dialog.set_lineedit(QStringLiteral("hour")); // not a date field
    QVERIFY(!dialog.board());
}

QTEST_MAIN(TestUserNumKeyBoard)
#include "tst_usernumkey_board.moc"
