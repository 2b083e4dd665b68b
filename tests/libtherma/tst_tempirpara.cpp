#include "irpara.h"

#include <QtTest>

#include <atomic>
#include <cmath>
#include <thread>
#include <cstring>

namespace {

TempInfoTab tableOf(std::initializer_list<std::pair<int, int>> points, int minAD = 0, int maxAD = 0xFFFF)
{
    TempInfoTab t;
    std::memset(&t, 0, sizeof t);
    t.minAD = uint16_t(minAD);
    t.maxAD = uint16_t(maxAD);
    t.baseTemp = 30;
    for (const auto &p : points) {
        t.temp[t.num] = int16_t(p.first);
        t.ad[t.num] = uint16_t(p.second);
        ++t.num;
    }
    return t;
}

} // namespace

Q_DECLARE_METATYPE(TempInfoTab)

// AD <-> black-body temperature through the calibration table.
class TestTempIRPara : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void constructionDefaults_data();
    void constructionDefaults();
    void limitsOfTheTable();
    void calADBracketsAndEnds_data();
    void calADBracketsAndEnds();
    void calDeltaAD();
    void tableLoadKeepsTheObjectsTemperatures();
    void sensorDeltaAD();
    void roundTrip_data();
    void roundTrip();
    void unusableTablesReportLimits_data();
    void unusableTablesReportLimits();
    void adBetweenLimitsAndPointsIsExtrapolated();
    void copiesNeverMixTwoTables();
};

void TestTempIRPara::constructionDefaults_data()
{
    QTest::addColumn<uint>("ad");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<float>("temp");
    QTest::newRow("first point, table -20") << 28672u << QByteArray("OK") << -17.125f;
    QTest::newRow("middle, table 190") << 36864u << QByteArray("OK") << 185.13f;
    QTest::newRow("last point, table 400") << 45056u << QByteArray("OK") << 391.76f;
    // Below the first point (the minimum AD is 0) the line passes
    // -273.15 degC between AD 18796 and 18797. Beyond, the fourth power of
    // the black-body step would turn it warm again; just above, the step
    // gives its coldest reading, about -132 degC.
    QTest::newRow("below the first point") << 25000u << QByteArray("OK") << IRPara::blackBodyOf(-20.0 - 3672 * 420.0 / 16384);
    QTest::newRow("just above absolute zero") << 18797u << QByteArray("OK") << -132.16f;
    QTest::newRow("just below absolute zero") << 18796u << QByteArray("L") << IRPara::BelowTable;
    QTest::newRow("far below the first point") << 10000u << QByteArray("L") << IRPara::BelowTable;
    QTest::newRow("AD 0") << 0u << QByteArray("L") << IRPara::BelowTable;
}

void TestTempIRPara::constructionDefaults()
{
    QFETCH(uint, ad);
    QFETCH(QByteArray, status);
    QFETCH(float, temp);
    IRPara p;
    const IrTempStru r = p.calTemp(ad);
    QCOMPARE(QByteArray(r.status), status);
    QCOMPARE(r.ad, uint16_t(ad));
    QVERIFY2(std::fabs(r.temp - temp) < 0.01f, qPrintable(QString::number(r.temp)));
    const TempInfoTab t = p.getADToTempTab();
    QCOMPARE(t.lenTemp, 30.0f);
    QCOMPARE(t.shutterTemp, 30.0f);
    QCOMPARE(int(t.num), 2);
}

void TestTempIRPara::limitsOfTheTable()
{
    IRPara p;
    p.setADToTempTab(tableOf({{-20, 10000}, {100, 20000}}, 9000, 21000));
    IrTempStru r = p.calTemp(8999);
    QCOMPARE(r.status, "L");
    QCOMPARE(r.temp, -4001.0f);
    r = p.calTemp(21001);
    QCOMPARE(r.status, "H");
    QCOMPARE(r.temp, 4001.0f);
    QCOMPARE(p.calTemp(9000).status, "OK");
    QCOMPARE(p.calTemp(21000).status, "OK");
}

void TestTempIRPara::calADBracketsAndEnds_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<int>("ad");
    // 25 degC is its own table temperature: (45056-28672)*45/420+28672.
    QTest::newRow("25 looks up 25") << 25.0f << QByteArray("OK") << 30427;
    QTest::newRow("below the first point") << -30.0f << QByteArray("L") << 28672;
    QTest::newRow("above the last point") << 420.0f << QByteArray("H") << 45056;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << QByteArray("L") << 28672;
}

void TestTempIRPara::calADBracketsAndEnds()
{
    QFETCH(float, t);
    QFETCH(QByteArray, status);
    QFETCH(int, ad);
    IRPara p;
    const IrTempStru r = p.calAD(t);
    QCOMPARE(QByteArray(r.status), status);
    QCOMPARE(int(r.ad), ad);
}

void TestTempIRPara::calDeltaAD()
{
    IRPara p;
    QVERIFY2(std::fabs(p.calDeltaAD(30.0f) - -2135.5f) < 0.5f, qPrintable(QString::number(p.calDeltaAD(30.0f))));
    // Above the last point the line through (30, 32768) and the first point
    // still holds.
    const float a = IRPara::tableTempOf(450.0);
    const float line = (28672.0f - 32768.0f) * (a - 30.0f) / (-20.0f - 30.0f);
    QVERIFY(std::fabs(p.calDeltaAD(450.0f) - line) < 0.5f);
    // Shutter temperature sets the shutter delta.
    p.setShutterTemp(30.0f);
    QCOMPARE(p.readShutterDeltaAD(), p.calDeltaAD(30.0f));
}

void TestTempIRPara::tableLoadKeepsTheObjectsTemperatures()
{
    IRPara p;
    p.setLenTemp(33.0f);
    p.setShutterTemp(28.0f);
    p.setSensorTemp(29.0f, false);
    TempInfoTab loaded = tableOf({{-20, 27000}, {150, 44000}});
    QCOMPARE(p.setADToTempTab(loaded), 1);
    const TempInfoTab t = p.getADToTempTab();
    QCOMPARE(t.lenTemp, 33.0f);
    QCOMPARE(t.shutterTemp, 28.0f);
    QCOMPARE(t.sensorTemp, 29.0f);
    QCOMPARE(p.readSensorDeltaAD(), 0.0f);
    QCOMPARE(p.readShutterDeltaAD(), p.calDeltaAD(28.0f));
    QCOMPARE(int(t.ad[1]), 44000);
}

void TestTempIRPara::sensorDeltaAD()
{
    IRPara p;
    p.setSensorTemp(30.0f, true);
    p.setSensorTemp(30.0f, false);
    QCOMPARE(p.readSensorDeltaAD(), 0.0f);
    p.setSensorTemp(35.0f, false);
    QCOMPARE(p.readSensorDeltaAD(), p.calDeltaAD(35.0f) - p.calDeltaAD(30.0f));
    p.setSensorTemp(20.0f, true);
    QCOMPARE(p.readSensorDeltaAD(), 0.0f);
}

void TestTempIRPara::roundTrip_data()
{
    QTest::addColumn<float>("t");
    for (float t : {-15.0f, 0.0f, 25.0f, 36.6f, 100.0f, 250.0f, 390.0f})
        QTest::newRow(qPrintable(QString::number(t))) << t;
}

void TestTempIRPara::roundTrip()
{
    QFETCH(float, t);
    IRPara p;
    const IrTempStru ad = p.calAD(t);
    QCOMPARE(ad.status, "OK");
    const IrTempStru back = p.calTemp(ad.ad);
    // One AD is 420/16384 degC of table.
    QVERIFY2(std::fabs(back.temp - t) < 0.05f, qPrintable(QString::number(back.temp)));
}

void TestTempIRPara::unusableTablesReportLimits_data()
{
    QTest::addColumn<TempInfoTab>("table");
    // A missing default file loads a table without points.
    QTest::newRow("no points") << tableOf({});
    QTest::newRow("one point") << tableOf({{-20, 1000}});
    QTest::newRow("equal ADs") << tableOf({{-20, 5000}, {0, 5000}});
    QTest::newRow("falling ADs") << tableOf({{-20, 6000}, {0, 5000}});
    QTest::newRow("equal temperatures") << tableOf({{10, 5000}, {10, 6000}});
}

void TestTempIRPara::unusableTablesReportLimits()
{
    QFETCH(TempInfoTab, table);
    IRPara p;
    p.setShutterTemp(25.0f);
    p.setADToTempTab(table);
    QVERIFY(p.usablePoints() < 2);
    for (unsigned ad : {0u, 1000u, 5000u, 6000u, 65535u}) {
        const IrTempStru r = p.calTemp(ad);
        QVERIFY(std::isfinite(r.temp));
        QVERIFY(QByteArray(r.status) == "L" || QByteArray(r.status) == "H");
    }
    const IrTempStru a = p.calAD(25.0f);
    QCOMPARE(a.status, "L");
    QVERIFY(std::isfinite(p.calDeltaAD(25.0f)));
    QVERIFY(std::isfinite(p.readShutterDeltaAD()));
}

void TestTempIRPara::adBetweenLimitsAndPointsIsExtrapolated()
{
    IRPara p;
    p.setADToTempTab(tableOf({{0, 10000}, {10, 11000}, {20, 12000}}, 9000, 13000));
    const IrTempStru low = p.calTemp(9500);
    QCOMPARE(low.status, "OK");
    QVERIFY(std::fabs(low.temp - IRPara::blackBodyOf(-5.0)) < 1e-3f);
    const IrTempStru high = p.calTemp(12500);
    QCOMPARE(high.status, "OK");
    QVERIFY(std::fabs(high.temp - IRPara::blackBodyOf(25.0)) < 1e-3f);
    // A first point at 30 degC gives no line through (30, 32768): the
    // shutter delta stays a number.
    p.setADToTempTab(tableOf({{30, 32768}, {40, 33768}}));
    QVERIFY(std::isfinite(p.calDeltaAD(0.0f)));
    QVERIFY(std::isfinite(p.calDeltaAD(100.0f)));
}

// The recording thread copies the table while the GUI thread reloads it:
// every copy is one whole table, never a mix.
void TestTempIRPara::copiesNeverMixTwoTables()
{
    IRPara p;
    TempInfoTab a = tableOf({{-20, 1000}, {0, 2000}});
    TempInfoTab b = a;
    for (int i = 0; i < TEMP_TAB_POINTS; ++i) {
        a.ad[i] = 1000;
        b.ad[i] = 2000;
    }
    p.setADToTempTab(a);
    std::atomic<bool> stop{false};
    std::atomic<int> mixed{0};
    std::thread reader([&] {
        while (!stop) {
            const TempInfoTab t = p.getADToTempTab();
            for (int i = 1; i < TEMP_TAB_POINTS; ++i) {
                if (t.ad[i] != t.ad[0])
                    ++mixed;
            }
        }
    });
    for (int i = 0; i < 20000; ++i)
        p.setADToTempTab(i % 2 ? a : b);
    stop = true;
    reader.join();
    QCOMPARE(mixed.load(), 0);
}

QTEST_GUILESS_MAIN(TestTempIRPara)
#include "tst_tempirpara.moc"
