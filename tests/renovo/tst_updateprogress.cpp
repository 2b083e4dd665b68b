#include "progressmessagereader.h"
#include "updateprogress.h"

#include <QtTest>

// The bar's arithmetic and the cutting of messages out of the pipe's reads.
class TestUpdateProgress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void barFollowsMessage_data();
    void barFollowsMessage();
    void refusedMessages_data();
    void refusedMessages();
    void missingValuesKeepThePreviousOnes();
    void integers_data();
    void integers();
    void messagesFromReads_data();
    void messagesFromReads();
    void endlessTextIsDropped();
};

using Values = QList<int>;

// Bar position, message, then what the bar shows after each tick (the
// first tick comes with the message); -1 marks a tick that leaves it.
void TestUpdateProgress::barFollowsMessage_data()
{
    QTest::addColumn<int>("bar");
    QTest::addColumn<Values>("message");
    QTest::addColumn<float>("step");
    QTest::addColumn<Values>("shown");
    QTest::newRow("0 10 30 from 0 stops at 30")
        << 0 << Values{0, 10, 30} << 3.0f << Values{3, 6, 9, 12, 15, 18, 21, 24, 27, 30, -1, -1};
    QTest::newRow("0 3 10 from 28 truncates the step")
        << 28 << Values{0, 3, 10} << 3.0f << Values{31, -1, -1};
    QTest::newRow("0 5 3 does not move") << 0 << Values{0, 5, 3} << 0.0f << Values{0, 0, 0};
    QTest::newRow("1 5 0 from 30") << 30 << Values{1, 5, 0} << 14.0f << Values{44, 58, 72, 86, 100, -1};
    QTest::newRow("1 6 0 from 0 stays at 99")
        << 0 << Values{1, 6, 0} << 100.0f / 6.0f << Values{16, 33, 50, 66, 83, 99, -1, -1};
    // The third single-precision third lies just above 100 and shows as 100.
    QTest::newRow("1 3 0 from 99 reaches 100") << 99 << Values{1, 3, 0} << 1.0f / 3.0f << Values{99, 99, 100, -1};
    QTest::newRow("negative amount below one second's worth") << 10 << Values{0, 5, -3} << 0.0f << Values{10, 10};
}

void TestUpdateProgress::barFollowsMessage()
{
    QFETCH(int, bar);
    QFETCH(Values, message);
    QFETCH(float, step);
    QFETCH(Values, shown);
    UpdateProgress progress;
    QVERIFY(progress.take(message, bar));
    QCOMPARE(progress.step(), step);
    for (int expected : shown) {
        const int value = progress.tick(bar);
        QCOMPARE(value, expected);
        if (value >= 0)
            bar = value;
        QVERIFY(progress.progress() >= 0.0f && int(progress.progress()) <= 100);
    }
}

// Seconds below 1 would divide by zero or run the bar backwards: such a
// message is ignored and the pace of the previous one goes on.
void TestUpdateProgress::refusedMessages_data()
{
    QTest::addColumn<Values>("message");
    QTest::newRow("seconds 0") << Values{0, 0, 30};
    QTest::newRow("final, seconds 0") << Values{1, 0, 0};
    QTest::newRow("negative seconds") << Values{1, -5, 0};
    QTest::newRow("amount running backwards") << Values{0, 1, -10};
}

void TestUpdateProgress::refusedMessages()
{
    QFETCH(Values, message);
    UpdateProgress fresh;
    QVERIFY(!fresh.take(message, 20));

    UpdateProgress running;
    QVERIFY(running.take({0, 10, 30}, 0));
    QCOMPARE(running.tick(0), 3);
    QVERIFY(!running.take(message, 3));
    QCOMPARE(running.step(), 3.0f);
    QCOMPARE(running.seconds(), 10);
    QCOMPARE(running.tick(3), 6);
}

void TestUpdateProgress::missingValuesKeepThePreviousOnes()
{
    UpdateProgress progress;
    QVERIFY(!progress.take({0}, 0)); // no seconds given yet
    QVERIFY(progress.take({0, 2, 10}, 0));
    QVERIFY(progress.take({1}, 10)); // final, seconds 2 kept: (100 - 10) / 2
    QCOMPARE(progress.step(), 45.0f);
    QCOMPARE(progress.tick(10), 55);
    QCOMPARE(progress.tick(55), 100);
}

void TestUpdateProgress::integers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Values>("values");
    QTest::newRow("three") << QByteArray("0 10 30") << Values{0, 10, 30};
    QTest::newRow("more than three") << QByteArray("1 2 3 4") << Values{1, 2, 3};
    QTest::newRow("blanks and signs") << QByteArray("  -1\t+2\n 3") << Values{-1, 2, 3};
    QTest::newRow("two") << QByteArray("1 5") << Values{1, 5};
    QTest::newRow("stops at a word") << QByteArray("1 x 3") << Values{1};
    QTest::newRow("stops after a glued word") << QByteArray("1 5x 3") << Values{1, 5};
    QTest::newRow("out of range") << QByteArray("1 99999999999 3") << Values{1};
    QTest::newRow("nothing") << QByteArray("ok") << Values{};
}

void TestUpdateProgress::integers()
{
    QFETCH(QByteArray, text);
    QFETCH(Values, values);
    QCOMPARE(ProgressMessageReader::integers(text), values);
}

// Reads in order; the message each read completes ("" for none) and the
// text left waiting after the last.
void TestUpdateProgress::messagesFromReads_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QList<QByteArray>>("messages");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("whole line") << QList<QByteArray>{"0 10 30\n"} << QList<QByteArray>{"0 10 30"} << QByteArray();
    QTest::newRow("three integers without line end")
        << QList<QByteArray>{"1 5 0"} << QList<QByteArray>{"1 5 0"} << QByteArray();
    QTest::newRow("split after the first value")
        << QList<QByteArray>{"0 ", "10 30\n"} << QList<QByteArray>{"", "0 10 30"} << QByteArray();
    QTest::newRow("split inside a number")
        << QList<QByteArray>{"0 1", "0 30\n"} << QList<QByteArray>{"", "0 10 30"} << QByteArray();
    QTest::newRow("only the first message of a read counts")
        << QList<QByteArray>{"0 10 30\n1 5 0\n"} << QList<QByteArray>{"0 10 30"} << QByteArray();
    QTest::newRow("a second message's start waits")
        << QList<QByteArray>{"0 10 30\n1 ", "5 0\n"} << QList<QByteArray>{"0 10 30", "1 5 0"} << QByteArray();
    QTest::newRow("a short line is a message") << QList<QByteArray>{"1\n"} << QList<QByteArray>{"1"} << QByteArray();
    QTest::newRow("NUL ends a message")
        << QList<QByteArray>{QByteArray("0 2 10\0garbage", 14)} << QList<QByteArray>{"0 2 10"} << QByteArray("garbage");
    QTest::newRow("empty lines are no messages")
        << QList<QByteArray>{"\n\n", "0 1 2\n"} << QList<QByteArray>{"", "0 1 2"} << QByteArray();
}

void TestUpdateProgress::messagesFromReads()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QList<QByteArray>, messages);
    QFETCH(QByteArray, left);
    ProgressMessageReader reader;
    for (int i = 0; i < reads.size(); ++i) {
        const std::optional<QByteArray> message = reader.add(reads.at(i));
        QCOMPARE(message.value_or(QByteArray()), messages.at(i));
    }
    QCOMPARE(reader.pending(), left);
}

void TestUpdateProgress::endlessTextIsDropped()
{
    ProgressMessageReader reader;
    for (int i = 0; i < 3; ++i)
        QVERIFY(!reader.add(QByteArray(60, 'x')));
    QVERIFY(reader.pending().size() <= ProgressMessageReader::MaxPending);
    QCOMPARE(reader.add("\n1 2 3\n").value_or(QByteArray()), QByteArray("1 2 3"));
}

QTEST_GUILESS_MAIN(TestUpdateProgress)
#include "tst_updateprogress.moc"
