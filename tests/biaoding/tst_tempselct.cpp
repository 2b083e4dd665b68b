#include "tempselct.h"
#include "testroot.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <climits>

// The blackbody temperature chooser: the list each range text gives, the
// pages of nine, the disabled base temperature and what a press reports.
class TestTempSelct : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void lists_data();
    void lists();
    void defaultRangeZeroPages();
    void rangeOneLastPage();
    void textWithoutTildeKeepsTheList();
    void pressReportsTemperature();
    void shorterListKeepsLastPage();

private:
    void setRange(int range, const QString &text);
    QStringList shown(TempSelct &chooser) const;

    std::unique_ptr<TestRoot> m_root;
};

void TestTempSelct::init()
{
    m_root = std::make_unique<TestRoot>();
}

void TestTempSelct::cleanup()
{
    m_root.reset();
}

void TestTempSelct::setRange(int range, const QString &text)
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("BiaoDing/TempRange"), range);
    if (!text.isNull())
        settings.setValue(QStringLiteral("BiaoDing/TempRange%1").arg(range), text);
}

QStringList TestTempSelct::shown(TempSelct &chooser) const
{
    QStringList texts;
    for (int i = 0; i < TempSelct::ButtonsPerPage; ++i) {
        if (chooser.button(i)->isVisibleTo(&chooser))
            texts << chooser.button(i)->text();
    }
    return texts;
}

void TestTempSelct::lists_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("range 0 default") << 0 << "-20~150" << 18 << -20 << 150;
    QTest::newRow("range 1 default") << 1 << "0~400" << 21 << 0 << 400;
    QTest::newRow("range 2 by 100") << 2 << "500~2000" << 16 << 500 << 2000;
    QTest::newRow("reversed gives the first") << 0 << "100~50" << 1 << 100 << 100;
    QTest::newRow("one page") << 0 << "0~80" << 9 << 0 << 80;
    // A huge range neither wraps nor builds millions of buttons.
    QTest::newRow("capped") << 0 << "0~2000000000" << int(TempSelct::MaxTemps) << 0 << 890;
    QTest::newRow("near the top") << 2 << QStringLiteral("%1~%2").arg(INT_MAX - 150).arg(INT_MAX) << 2 << INT_MAX - 150
                                  << INT_MAX - 50;
    QTest::newRow("not numbers") << 0 << "abc~def" << 1 << 0 << 0;
}

void TestTempSelct::lists()
{
    QFETCH(int, range);
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    QList<int> list;
    QVERIFY(TempSelct::temperatures(range, text, &list));
    QCOMPARE(list.size(), count);
    QCOMPARE(list.first(), first);
    QCOMPARE(list.last(), last);
    for (int i = 1; i < list.size(); ++i)
        QVERIFY(list.at(i) > list.at(i - 1));
    if (range == 1 && count == 21) {
        QCOMPARE(list.at(15), 150);
        QCOMPARE(list.at(16), 200);
    }
}

void TestTempSelct::defaultRangeZeroPages()
{
    TempSelct chooser;
    QCOMPARE(chooser.pageCount(), 2);
    QCOMPARE(shown(chooser), QStringList({"-20°C", "-10°C", "0°C", "10°C", "20°C", "30°C", "40°C", "50°C", "60°C"}));
    QVERIFY(!chooser.button(5)->isEnabled());
    QVERIFY(chooser.button(4)->isEnabled());
    QVERIFY(!chooser.prevButton()->isVisibleTo(&chooser));
    QVERIFY(chooser.nextButton()->isVisibleTo(&chooser));
    chooser.show();
    QTest::mouseClick(chooser.nextButton(), Qt::LeftButton);
    QCOMPARE(chooser.currentPage(), 2);
    QCOMPARE(shown(chooser).first(), QStringLiteral("70°C"));
    QCOMPARE(shown(chooser).last(), QStringLiteral("150°C"));
    QVERIFY(chooser.prevButton()->isVisible());
    QVERIFY(!chooser.nextButton()->isVisible());
}

void TestTempSelct::rangeOneLastPage()
{
    setRange(1, QStringLiteral("0~400"));
    TempSelct chooser;
    chooser.show();
    QTest::mouseClick(chooser.nextButton(), Qt::LeftButton);
    QTest::mouseClick(chooser.nextButton(), Qt::LeftButton);
    QCOMPARE(chooser.currentPage(), 3);
    QCOMPARE(shown(chooser), QStringList({"300°C", "350°C", "400°C"}));
    QVERIFY(chooser.button(0)->isVisible());
    QVERIFY(!chooser.button(3)->isVisible());
}

void TestTempSelct::textWithoutTildeKeepsTheList()
{
    TempSelct chooser;
    const QList<int> before = chooser.tempList();
    setRange(0, QStringLiteral("150"));
    chooser.initPara(30);
    QCOMPARE(chooser.tempList(), before);
    // Range 2 now has a list of its own.
    setRange(2, QString());
    chooser.initPara(30);
    QCOMPARE(chooser.tempList().size(), 16);
    QCOMPARE(shown(chooser).first(), QStringLiteral("500°C"));
}

void TestTempSelct::pressReportsTemperature()
{
    TempSelct chooser;
    chooser.show();
    QSignalSpy exits(&chooser, &TempSelct::sign_exit);
    QTest::mouseClick(chooser.button(1), Qt::LeftButton);
    // The excluded base temperature cannot be pressed.
    QTest::mouseClick(chooser.button(5), Qt::LeftButton);
    QTest::mouseClick(chooser.backButton(), Qt::LeftButton);
    QCOMPARE(exits.size(), 2);
    QCOMPARE(exits.at(0).at(0).toInt(), -10);
    QCOMPARE(exits.at(1).at(0).toInt(), int(TempSelct::Back));
}

void TestTempSelct::shorterListKeepsLastPage()
{
    setRange(1, QStringLiteral("0~400"));
    TempSelct chooser;
    chooser.show();
    QTest::mouseClick(chooser.nextButton(), Qt::LeftButton);
    QTest::mouseClick(chooser.nextButton(), Qt::LeftButton);
    QCOMPARE(chooser.currentPage(), 3);
    setRange(1, QStringLiteral("0~100"));
    chooser.initPara(30);
    QCOMPARE(chooser.pageCount(), 2);
    QCOMPARE(chooser.currentPage(), 2);
    QCOMPARE(shown(chooser), QStringList({"90°C", "100°C"}));
    QVERIFY(chooser.prevButton()->isVisible());
}

QTEST_MAIN(TestTempSelct)
#include "tst_tempselct.moc"
