#include "eglobal.h"

#include <QtTest>

class TestEGlobal : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void registryStartsEmpty();
    void temperature_data();
    void temperature();
    void length_data();
    void length();
};

void TestEGlobal::registryStartsEmpty()
{
    QVERIFY(!EGlobal::getFPGA());
    QVERIFY(!EGlobal::getGraphicsView());
    QVERIFY(!EGlobal::getToolBar());
    QVERIFY(!EGlobal::get_FilenameSystem());
    QVERIFY(!EGlobal::getIRCoreMainWindow());
    QVERIFY(!EGlobal::getDoublePrecision());
    QCOMPARE(int(EGlobal::getSystemTempUnit()), 0);
    QCOMPARE(int(EGlobal::getSystemLenUnit()), 0);
    auto *marker = reinterpret_cast<EToolWidget *>(0x10);
    EGlobal::setToolBar(marker);
    QCOMPARE(EGlobal::getToolBar(), marker);
    EGlobal::setToolBar(nullptr);
}

void TestEGlobal::temperature_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("celsius");
    QTest::addColumn<float>("shown");
    QTest::addColumn<float>("entered");
    QTest::addColumn<float>("taken");
    QTest::newRow("C") << 0 << 36.6f << 36.6f << -12.5f << -12.5f;
    QTest::newRow("F boiling") << 1 << 100.0f << 212.0f << 212.0f << 100.0f;
    QTest::newRow("F minus 40") << 1 << -40.0f << -40.0f << -40.0f << -40.0f;
    QTest::newRow("K uses 273.2") << 2 << 0.0f << 273.2f << 300.0f << 26.8f;
    QTest::newRow("K below zero") << 2 << -20.0f << 253.2f << 253.2f << -20.0f;
    QTest::newRow("unknown unit 3") << 3 << 25.0f << 25.0f << 77.0f << 77.0f;
    QTest::newRow("unknown unit -1") << -1 << 25.0f << 25.0f << 77.0f << 77.0f;
}

void TestEGlobal::temperature()
{
    QFETCH(int, unit);
    QFETCH(float, celsius);
    QFETCH(float, shown);
    QFETCH(float, entered);
    QFETCH(float, taken);
    EGlobal::setSystemTempUnit(static_cast<char>(unit));
    QCOMPARE(EGlobal::unit_out_temp(celsius), shown);
    QCOMPARE(EGlobal::unit_in_temp(entered), taken);
    EGlobal::setSystemTempUnit(0);
}

void TestEGlobal::length_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("entered");
    QTest::addColumn<float>("metres");
    QTest::addColumn<float>("stored");
    QTest::addColumn<QString>("shownOneDecimal");
    QTest::newRow("metres") << 0 << 10.0f << 10.0f << 5.0f << "5.0";
    QTest::newRow("feet") << 1 << 10.0f << 3.048f << 5.0f << "16.4";
    QTest::newRow("any non-zero is feet") << 7 << 1.0f << 0.3048f << 0.3048f << "1.0";
}

void TestEGlobal::length()
{
    QFETCH(int, unit);
    QFETCH(float, entered);
    QFETCH(float, metres);
    QFETCH(float, stored);
    QFETCH(QString, shownOneDecimal);
    EGlobal::setSystemLenUnit(static_cast<char>(unit));
    QCOMPARE(EGlobal::unit_in_len(entered), metres);
    QCOMPARE(QString::asprintf("%.1f", EGlobal::unit_out_len(stored)), shownOneDecimal);
    EGlobal::setSystemLenUnit(0);
}

QTEST_GUILESS_MAIN(TestEGlobal)
#include "tst_eglobal.moc"
