#include "outputlines.h"

#include <QtTest>

// Output cut into lines in bounded memory: lines over several pieces, cut
// lines keeping their end, NULs and blanks.
class TestOutputLines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data();
    void lines();
};

void TestOutputLines::lines_data()
{
    QTest::addColumn<int>("keepChars");
    QTest::addColumn<int>("keepLines");
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QStringList>("lines"); // after the end, the open one too
    const QString cut = QStringLiteral("\u2026");
    QTest::newRow("a line over pieces") << 20 << 20 << QByteArrayList{"abc", "def\ngh", "i"} << "ghi"
                                        << QStringList{"abcdef", "ghi"};
    QTest::newRow("blanks left out, ends trimmed") << 20 << 20 << QByteArrayList{"  a \r\n\n \t\nb\n"} << ""
                                                   << QStringList{"a", "b"};
    QTest::newRow("exactly as long as kept") << 10 << 20 << QByteArrayList{"0123456789\n"} << ""
                                             << QStringList{"0123456789"};
    QTest::newRow("longer in one piece") << 10 << 20 << QByteArrayList{QByteArray(100, 'x') + "END\nz"} << "z"
                                         << QStringList{cut + "xxxxxxxEND", "z"};
    QTest::newRow("longer over many pieces")
        << 10 << 20 << QByteArrayList(50, "0123456789") << cut + "0123456789" << QStringList{cut + "0123456789"};
    QTest::newRow("over by one byte") << 10 << 20 << QByteArrayList{"01234", "56789", "A"} << cut + "123456789A"
                                      << QStringList{cut + "123456789A"};
    QTest::newRow("a NUL ends the line's text") << 20 << 20 << QByteArrayList{QByteArray("ab\0cd", 5), "ef\ngh"}
                                                << "gh" << QStringList{"ab", "gh"};
    QTest::newRow("cut inside a character") << 3 << 20 << QByteArrayList{"x\xc3\xa9", "ab"} << cut + "ab"
                                            << QStringList{cut + "ab"};
    QTest::newRow("the last lines only") << 20 << 2 << QByteArrayList{"a\nb\n", "c\nd"} << "d"
                                         << QStringList{"c", "d"};
}

void TestOutputLines::lines()
{
    QFETCH(int, keepChars);
    QFETCH(int, keepLines);
    QFETCH(QByteArrayList, pieces);
    QFETCH(QString, open);
    QFETCH(QStringList, lines);
    OutputLines output(keepChars, keepLines);
    for (const QByteArray &piece : pieces)
        output.add(piece);
    QCOMPARE(output.openLine(), open);
    output.finish();
    QCOMPARE(output.openLine(), QString());
    QCOMPARE(output.takeLines(), lines);
    QVERIFY(output.takeLines().isEmpty());
}

QTEST_GUILESS_MAIN(TestOutputLines)
#include "tst_outputlines.moc"
