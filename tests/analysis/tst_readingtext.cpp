#include "eanalysiswidget.h"
#include "eglobal.h"

#include <QtTest>

#include <cstring>

// The reading text every measurement object shows, over status x
// precision x unit, with the range limits -20 and 150 degC.
class TestReadingText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void text_data();
    void text();
};

void TestReadingText::cleanup()
{
    EGlobal::setSystemTempUnit(0);
    EGlobal::setDoublePrecision(false);
}

void TestReadingText::text_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("status");
    QTest::addColumn<float>("temp");
    QTest::addColumn<bool>("twoDecimals");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("expected");

    QTest::newRow("OK C .1") << 0 << "OK" << 23.44f << false << 0 << "23.4";
    QTest::newRow("OK C .2") << 0 << "OK" << 23.444f << true << 0 << "23.44";
    QTest::newRow("OK F .1") << 0 << "OK" << 30.0f << false << 1 << "86.0";
    QTest::newRow("OK K .2") << 0 << "OK" << 30.0f << true << 2 << "303.20";
    QTest::newRow("H C .1") << 0 << "H" << 999.0f << false << 0 << ">150.0";
    QTest::newRow("HE C .1") << 0 << "HE" << 151.0f << false << 0 << "~150.0";
    QTest::newRow("HE F .1") << 0 << "HE" << 151.0f << false << 1 << "~302.0";
    QTest::newRow("H K .2") << 0 << "H" << 999.0f << true << 2 << ">423.20";
    QTest::newRow("L C .1") << 0 << "L" << -99.0f << false << 0 << "<-20.0";
    QTest::newRow("L K .2") << 0 << "L" << -99.0f << true << 2 << "<253.20";
    QTest::newRow("LE C .2") << 0 << "LE" << -21.0f << true << 0 << "~-20.00";
    QTest::newRow("LE F .1") << 0 << "LE" << -21.0f << false << 1 << "~-4.0";
    // A failed board access shows no number at all, in any unit.
    QTest::newRow("failed C") << -1 << "NULL" << 0.0f << false << 0 << "--";
    QTest::newRow("failed F .2") << -1 << "NULL" << 0.0f << true << 1 << "--";
    QTest::newRow("rejected parameters K") << -2 << "NULL" << 0.0f << false << 2 << "--";
    QTest::newRow("unknown status") << 0 << "XX" << 25.0f << false << 0 << "--";
}

void TestReadingText::text()
{
    QFETCH(int, result);
    QFETCH(QString, status);
    QFETCH(float, temp);
    QFETCH(bool, twoDecimals);
    QFETCH(int, unit);
    QFETCH(QString, expected);
    EGlobal::setDoublePrecision(twoDecimals);
    EGlobal::setSystemTempUnit(char(unit));
    IrTempStru reading{};
    std::strncpy(reading.status, qPrintable(status), sizeof reading.status - 1);
    reading.temp = temp;
    QCOMPARE(EAnalysisWidget::readingText(result, reading, -20, 150), expected);
}

QTEST_MAIN(TestReadingText)
#include "tst_readingtext.moc"
