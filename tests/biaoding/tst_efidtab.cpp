#include "efidtab.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "testroot.h"

#include <QSettings>
#include <QTextEdit>
#include <QtTest>

// The "INT" tab: what it reads, and what each row takes from the keypad.
class TestEFidTab : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void stored();
    void entry_data();
    void entry();
    void escapeKeepsTheRow();
};

void TestEFidTab::defaults()
{
    TestRoot root;
    EFidTab tab;
    QCOMPARE(tab.getTempRangeNum(), QStringLiteral("2"));
    QCOMPARE(tab.getTempRange(0), QStringLiteral("-20~150"));
    QCOMPARE(tab.getTempRange(1), QStringLiteral("0~400"));
    QCOMPARE(tab.getTempRange(2), QStringLiteral("500~2000"));
    QCOMPARE(tab.getIntTime(0), QStringLiteral("100"));
    QCOMPARE(tab.getIntTime(1), QStringLiteral("190"));
    QCOMPARE(tab.getIntTime(2), QStringLiteral("200"));
    QCOMPARE(tab.getTempRange(3), QString());
    QCOMPARE(tab.getIntTime(-1), QString());
}

void TestEFidTab::stored()
{
    TestRoot root;
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("BiaoDing/TempRange1"), QStringLiteral("10~300"));
        settings.setValue(QStringLiteral("BiaoDing/IntTime2"), QStringLiteral("0120"));
        settings.setValue(QStringLiteral("BiaoDing/TempRangeNum"), 3);
    }
    EFidTab tab;
    QCOMPARE(tab.getTempRange(1), QStringLiteral("10~300"));
    QCOMPARE(tab.getIntTime(2), QStringLiteral("0120"));
    QCOMPARE(tab.getTempRangeNum(), QStringLiteral("3"));
}

void TestEFidTab::entry_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("int time low") << 4 << "10" << "25";
    QTest::newRow("int time high") << 4 << "500" << "430";
    QTest::newRow("int time as typed") << 4 << "0120" << "0120";
    QTest::newRow("int time no number") << 4 << "abc" << "25";
    QTest::newRow("count 3") << 0 << "3" << "3";
    QTest::newRow("count 1") << 0 << "1" << "1";
    QTest::newRow("count 4 refused") << 0 << "4" << "2";
    QTest::newRow("count 0 refused") << 0 << "0" << "2";
    QTest::newRow("count negative refused") << 0 << "-1" << "2";
    QTest::newRow("range") << 3 << "10~300" << "10~300";
    QTest::newRow("negative range") << 1 << "-30~100" << "-30~100";
    QTest::newRow("range without tilde") << 3 << "150" << "0~400";
    QTest::newRow("range reversed") << 3 << "400~0" << "0~400";
    QTest::newRow("range equal") << 3 << "100~100" << "0~400";
    QTest::newRow("range not numbers") << 5 << "abc~def" << "500~2000";
    QTest::newRow("range huge") << 5 << "0~99999999999" << "500~2000";
    QTest::newRow("range decimals") << 5 << "1.5~20" << "500~2000";
}

void TestEFidTab::entry()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TestRoot root;
    EFidTab tab;
    tab.show();
    QTest::mouseClick(tab.row(row), Qt::LeftButton);
    QVERIFY(tab.keyboard()->isVisible());
    QCOMPARE(tab.keyboard()->textEdit->toPlainText(), tab.row(row)->text());
    tab.keyboard()->setCurrentText(typed);
    QTest::mouseClick(tab.keyboard()->btnOk, Qt::LeftButton);
    QVERIFY(!tab.keyboard()->isVisible());
    QCOMPARE(tab.row(row)->text(), shown);
}

void TestEFidTab::escapeKeepsTheRow()
{
    TestRoot root;
    EFidTab tab;
    tab.show();
    QTest::mouseClick(tab.row(EFidTab::IntTime0Row), Qt::LeftButton);
    tab.keyboard()->setCurrentText(QStringLiteral("300"));
    QTest::keyClick(tab.keyboard(), Qt::Key_Escape);
    QVERIFY(!tab.keyboard()->isVisible());
    QCOMPARE(tab.getIntTime(0), QStringLiteral("100"));
}

QTEST_MAIN(TestEFidTab)
#include "tst_efidtab.moc"
