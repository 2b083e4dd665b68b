#include "calctrans.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestCalcTrans : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findOrderTable_data();
    void findOrderTable();
    void transmission_data();
    void transmission();
    void saturatedDensityClampsToTheTable_data();
    void saturatedDensityClampsToTheTable();
    void extrapolationStopsAtZero();
};

void TestCalcTrans::findOrderTable_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("negative") << -1.0f << 0 << 0;
    QTest::newRow("zero") << 0.0f << 0 << 0;
    QTest::newRow("0.2 as f32 lies above the double 0.2") << 0.2f << 1 << 2;
    QTest::newRow("just below 0.2") << 0.19f << 0 << 1;
    QTest::newRow("node 0.5") << 0.5f << 2 << 2;
    QTest::newRow("between 0.5 and 1") << 0.7f << 2 << 3;
    QTest::newRow("node 200") << 200.0f << 10 << 10;
    QTest::newRow("above 200") << 250.0f << 9 << 10;
    QTest::newRow("NaN keeps the caller's pair") << std::numeric_limits<float>::quiet_NaN() << 0 << 0;
}

void TestCalcTrans::findOrderTable()
{
    QFETCH(float, x);
    QFETCH(int, lo);
    QFETCH(int, hi);
    CalcTrans calc;
    int l = 0;
    int h = 0;
    calc.findOrderTable(l, h, x);
    QCOMPARE(l, lo);
    QCOMPARE(h, hi);
}

void TestCalcTrans::transmission_data()
{
    QTest::addColumn<float>("ambient");
    QTest::addColumn<float>("humidity");
    QTest::addColumn<int>("metres");
    QTest::addColumn<double>("water");
    QTest::addColumn<double>("co2");
    QTest::addColumn<double>("trans");
    // 25 degC holds 23.0 g/m3: 5 m at 60 % is 0.069 mm of water.
    QTest::newRow("defaults") << 25.0f << 0.6f << 5 << 0.99884 << 0.99962 << 0.99847;
    QTest::newRow("1000 m") << 25.0f << 0.6f << 1000 << 0.79886 << 0.939283 << 0.7504;
    QTest::newRow("no distance") << 25.0f << 0.6f << 0 << 1.0 << 1.0 << 1.0;
}

void TestCalcTrans::transmission()
{
    QFETCH(float, ambient);
    QFETCH(float, humidity);
    QFETCH(int, metres);
    QFETCH(double, water);
    QFETCH(double, co2);
    QFETCH(double, trans);
    CalcTrans calc;
    const float mm = float(CalcTrans::saturatedDensity(ambient)) * humidity * float(metres) / 1000.0f;
    QVERIFY2(std::fabs(calc.calcH2OTrans(mm) - water) < 5e-5, qPrintable(QString::number(calc.calcH2OTrans(mm), 'f', 6)));
    QVERIFY(std::fabs(calc.calcCO2Trans(float(metres) / 1000.0f) - co2) < 5e-5);
    QVERIFY2(std::fabs(calc.getTrans(ambient, humidity, metres) - trans) < 5e-5,
             qPrintable(QString::number(calc.getTrans(ambient, humidity, metres), 'f', 6)));
}

void TestCalcTrans::saturatedDensityClampsToTheTable_data()
{
    QTest::addColumn<float>("ambient");
    QTest::addColumn<double>("density");
    QTest::newRow("below -49") << -80.0f << 0.0431;
    QTest::newRow("-49") << -49.0f << 0.0431;
    QTest::newRow("25.7 uses 25") << 25.7f << 23.0;
    QTest::newRow("0") << 0.0f << 4.84;
    QTest::newRow("49") << 49.0f << 78.9;
    QTest::newRow("above 49") << 70.0f << 78.9;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0.0431;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 78.9;
}

void TestCalcTrans::saturatedDensityClampsToTheTable()
{
    QFETCH(float, ambient);
    QFETCH(double, density);
    QCOMPARE(CalcTrans::saturatedDensity(ambient), density);
}

void TestCalcTrans::extrapolationStopsAtZero()
{
    CalcTrans calc;
    QCOMPARE(calc.calcH2OTrans(1000.0f), 0.0f);
    QVERIFY(calc.calcH2OTrans(210.0f) < 0.050583f);
    QVERIFY(calc.calcH2OTrans(210.0f) > 0.0f);
    // Long distance in humid air: water vapour takes everything.
    QCOMPARE(calc.getTrans(30.0f, 1.0f, 100000), 0.0f);
}

QTEST_GUILESS_MAIN(TestCalcTrans)
#include "tst_calctrans.moc"
