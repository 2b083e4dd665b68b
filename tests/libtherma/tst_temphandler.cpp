#include "irpara.h"
#include "temphandler.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

TempSetup setupOf(float emiss, float dist, float offset)
{
    TempSetup s;
    s.emiss = emiss;
    s.dist = dist;
    s.offset = offset;
    s.reserved = 0;
    return s;
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

} // namespace

// The grey-body model on top of the converter: parameters, ambient values,
// status bands and both directions.
class TestTempHandler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void setTempSetupChecks_data();
    void setTempSetupChecks();
    void rejectedSetupKeepsThePrevious();
    void dewPoint_data();
    void dewPoint();
    void ambientChangeRecomputesTheDewPoint();
    void nonFiniteAmbientValuesAreIgnored();
    void statusBands_data();
    void statusBands();
    void bandsThroughTheModel_data();
    void bandsThroughTheModel();
    void blackBodyInClearAirAddsOffsetAndDrift();
    void noTransmissionReportsHigh();
    void negativeBalanceIsLow();
    void temperatureToADEnds_data();
    void temperatureToADEnds();
    void roundTripWithTheAtmosphere_data();
    void roundTripWithTheAtmosphere();
    void negativeSumOfADAndShutterDeltaIsLow();
    void sumAbove16BitsIsHigh();
    void boardADNeverWrapsBelowZero();
    void calibrationModeFillsTableTemp();
};

void TestTempHandler::setTempSetupChecks_data()
{
    QTest::addColumn<float>("emiss");
    QTest::addColumn<float>("dist");
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("defaults") << 0.95f << 5.0f << 0.0f << 1 << QString();
    QTest::newRow("limits accepted") << 1.0f << 100000.0f << 100.001f << 1 << QString();
    QTest::newRow("negative offset limit") << 0.5f << 0.0f << -100.001f << 1 << QString();
    QTest::newRow("emissivity 0.001 as f32") << 0.001f << 1.0f << 0.0f << 1 << QString();
    QTest::newRow("emissivity 1.001 as f32") << 1.001f << 1.0f << 0.0f << 0
                                             << "temphandler setTempSetup 80 emiss para error emiss:1.001000";
    QTest::newRow("emissivity 0") << 0.0f << 1.0f << 0.0f << 0 << "temphandler setTempSetup 80 emiss para error emiss:0.000000";
    QTest::newRow("distance 100000.1") << 0.9f << 100000.1f << 0.0f << 0 << "temphandler setTempSetup 87 dist para error";
    QTest::newRow("negative distance") << 0.9f << -1.0f << 0.0f << 0 << "temphandler setTempSetup 87 dist para error";
    QTest::newRow("offset 101") << 0.9f << 1.0f << 101.0f << 0 << "temphandler setTempSetup 92 offset para error";
    QTest::newRow("NaN emissivity") << kNaN << 1.0f << 0.0f << 0 << "temphandler setTempSetup 80 emiss para error emiss:nan";
    QTest::newRow("NaN distance") << 0.9f << kNaN << 0.0f << 0 << "temphandler setTempSetup 87 dist para error";
    QTest::newRow("infinite distance") << 0.9f << kInf << 0.0f << 0 << "temphandler setTempSetup 87 dist para error";
    QTest::newRow("NaN offset") << 0.9f << 1.0f << kNaN << 0 << "temphandler setTempSetup 92 offset para error";
    QTest::newRow("-infinite offset") << 0.9f << 1.0f << -kInf << 0 << "temphandler setTempSetup 92 offset para error";
}

void TestTempHandler::setTempSetupChecks()
{
    QFETCH(float, emiss);
    QFETCH(float, dist);
    QFETCH(float, offset);
    QFETCH(int, result);
    QFETCH(QString, message);
    IRPara p;
    TempHandler h(&p);
    if (!message.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(message));
    QCOMPARE(h.setTempSetup(setupOf(emiss, dist, offset)), result);
    if (result) {
        QCOMPARE(h.getTempSetup().emiss, emiss);
        QCOMPARE(h.getTempSetup().dist, dist);
        QCOMPARE(h.getTempSetup().offset, offset);
    }
}

void TestTempHandler::rejectedSetupKeepsThePrevious()
{
    IRPara p;
    TempHandler h(&p);
    QCOMPARE(h.setTempSetup(setupOf(0.8f, 1000.0f, 1.5f)), 1);
    const float trans = h.getTrans();
    QVERIFY(trans < 0.8f);
    QTest::ignoreMessage(QtWarningMsg, "temphandler setTempSetup 87 dist para error");
    QCOMPARE(h.setTempSetup(setupOf(0.5f, kNaN, 0.0f)), 0);
    QCOMPARE(h.getTempSetup().emiss, 0.8f);
    QCOMPARE(h.getTempSetup().dist, 1000.0f);
    QCOMPARE(h.getTrans(), trans);
}

void TestTempHandler::dewPoint_data()
{
    QTest::addColumn<float>("ambient");
    QTest::addColumn<float>("humidity");
    QTest::addColumn<float>("dew");
    QTest::newRow("25 degC, 60 %") << 25.0f << 0.6f << 16.70f;
    QTest::newRow("saturated air") << 25.0f << 1.0f << 25.0f;
    QTest::newRow("dry air has none") << 25.0f << 0.0f << TempHandler::NoDewPoint;
    QTest::newRow("negative humidity") << 25.0f << -0.1f << TempHandler::NoDewPoint;
}

void TestTempHandler::dewPoint()
{
    QFETCH(float, ambient);
    QFETCH(float, humidity);
    QFETCH(float, dew);
    IRPara p;
    TempHandler h(&p);
    h.setEnvTemp(ambient);
    h.setHumid(humidity);
    QVERIFY(std::isfinite(h.getDewpoint()));
    QVERIFY2(std::fabs(h.getDewpoint() - dew) < 0.01f, qPrintable(QString::number(h.getDewpoint())));
    QVERIFY(std::isfinite(h.getTrans()));
}

void TestTempHandler::ambientChangeRecomputesTheDewPoint()
{
    IRPara p;
    TempHandler h(&p);
    h.setHumid(1.0f);
    QVERIFY(std::fabs(h.getDewpoint() - 25.0f) < 0.01f);
    h.setEnvTemp(10.0f);
    QVERIFY2(std::fabs(h.getDewpoint() - 10.0f) < 0.01f, qPrintable(QString::number(h.getDewpoint())));
}

void TestTempHandler::nonFiniteAmbientValuesAreIgnored()
{
    IRPara p;
    TempHandler h(&p);
    h.setEnvTemp(kNaN);
    h.setHumid(kInf);
    h.setReflecTemp(-kInf);
    QCOMPARE(h.envTemp(), 25.0f);
    QCOMPARE(h.humid(), 0.6f);
    QCOMPARE(h.reflecTemp(), 25.0f);
    QVERIFY(std::isfinite(h.getTrans()));
    QVERIFY(std::isfinite(h.getDewpoint()));
}

void TestTempHandler::statusBands_data()
{
    QTest::addColumn<double>("t");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<float>("temp");
    // Range -20 .. 150.
    QTest::newRow("far below") << -30.0 << QByteArray("L") << -20.0f;
    QTest::newRow("just below min-2") << -22.001 << QByteArray("L") << -20.0f;
    QTest::newRow("exactly min-2") << -22.0 << QByteArray("LE") << -22.0f;
    QTest::newRow("1 below min") << -21.0 << QByteArray("LE") << -21.0f;
    QTest::newRow("just below min") << -20.001 << QByteArray("LE") << -20.001f;
    QTest::newRow("exactly min") << -20.0 << QByteArray("OK") << -20.0f;
    QTest::newRow("inside") << 36.6 << QByteArray("OK") << 36.6f;
    QTest::newRow("exactly max") << 150.0 << QByteArray("OK") << 150.0f;
    QTest::newRow("just above max") << 150.001 << QByteArray("HE") << 150.001f;
    QTest::newRow("exactly max+2") << 152.0 << QByteArray("HE") << 152.0f;
    QTest::newRow("just above max+2") << 152.001 << QByteArray("H") << 150.0f;
    QTest::newRow("far above") << 300.0 << QByteArray("H") << 150.0f;
}

void TestTempHandler::statusBands()
{
    QFETCH(double, t);
    QFETCH(QByteArray, status);
    QFETCH(float, temp);
    IrTempStru r;
    std::memset(&r, 0, sizeof r);
    TempHandler::classify(r, t, -20, 150);
    QCOMPARE(QByteArray(r.status), status);
    QCOMPARE(r.temp, temp);
}

void TestTempHandler::bandsThroughTheModel_data()
{
    QTest::addColumn<float>("wanted");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<float>("temp");
    QTest::newRow("1 below min") << -21.0f << QByteArray("LE") << -21.0f;
    QTest::newRow("3 below min") << -23.0f << QByteArray("L") << -20.0f;
    QTest::newRow("1 above max") << 151.0f << QByteArray("HE") << 151.0f;
    QTest::newRow("3 above max") << 153.0f << QByteArray("H") << 150.0f;
}

// The drift term moves a reading of 25 degC onto the wanted temperature.
void TestTempHandler::bandsThroughTheModel()
{
    QFETCH(float, wanted);
    QFETCH(QByteArray, status);
    QFETCH(float, temp);
    IRPara p;
    float drift = 0.0f;
    TempHandler h(&p, [&drift] { return drift; });
    h.setTempRangeMinMax(-20, 150);
    const IrTempStru base = h.irAD2Temp(p.calAD(25.0f).ad - int(p.readShutterDeltaAD()));
    QCOMPARE(base.status, "OK");
    drift = base.temp - wanted;
    const IrTempStru r = h.irAD2Temp(base.ad);
    QCOMPARE(QByteArray(r.status), status);
    QVERIFY2(std::fabs(r.temp - temp) < 1e-3f, qPrintable(QString::number(r.temp)));
}

void TestTempHandler::blackBodyInClearAirAddsOffsetAndDrift()
{
    IRPara p;
    TempHandler h(&p, [] { return 1.5f; });
    h.setTempRangeMinMax(-20, 400);
    QCOMPARE(h.setTempSetup(setupOf(1.0f, 0.0f, 2.0f)), 1);
    QCOMPARE(h.getTrans(), 1.0f);
    p.setShutterTemp(30.0f);
    const int delta = int(p.readShutterDeltaAD());
    const IrTempStru r = h.irAD2Temp(36864 - delta);
    QCOMPARE(r.status, "OK");
    QCOMPARE(int(r.adShutter), 36864);
    QCOMPARE(int(r.deltaAD), delta);
    QVERIFY(std::fabs(r.temp - (p.calTemp(36864).temp + 2.0f - 1.5f)) < 1e-3f);
}

void TestTempHandler::noTransmissionReportsHigh()
{
    IRPara p;
    TempHandler h(&p);
    h.setTempRangeMinMax(0, 400);
    h.setEnvTemp(30.0f);
    h.setHumid(1.0f);
    QCOMPARE(h.setTempSetup(setupOf(0.95f, 100000.0f, 0.0f)), 1);
    QCOMPARE(h.getTrans(), 0.0f);
    const IrTempStru r = h.irAD2Temp(36000);
    QCOMPARE(r.status, "H");
    QCOMPARE(r.temp, 400.0f);
    // The inverse direction needs no division.
    const IrTempStru ad = h.irTemp2AD(100.0f);
    QCOMPARE(ad.temp, 100.0f);
}

void TestTempHandler::negativeBalanceIsLow()
{
    IRPara p;
    TempHandler h(&p);
    h.setTempRangeMinMax(-20, 150);
    QCOMPARE(h.setTempSetup(setupOf(0.1f, 5.0f, 0.0f)), 1);
    h.setReflecTemp(200.0f);
    const IrTempStru r = h.irAD2Temp(28700);
    QCOMPARE(r.status, "L");
    QCOMPARE(r.temp, -20.0f);
}

void TestTempHandler::temperatureToADEnds_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("-61") << -61.0f << QByteArray("L");
    QTest::newRow("4001") << 4001.0f << QByteArray("H");
    QTest::newRow("NaN") << kNaN << QByteArray("L");
    QTest::newRow("infinity") << kInf << QByteArray("H");
}

void TestTempHandler::temperatureToADEnds()
{
    QFETCH(float, t);
    QFETCH(QByteArray, status);
    IRPara p;
    TempHandler h(&p);
    QCOMPARE(QByteArray(h.irTemp2AD(t).status), status);
}

void TestTempHandler::roundTripWithTheAtmosphere_data()
{
    QTest::addColumn<float>("t");
    for (float t : {-10.0f, 0.0f, 36.6f, 100.0f, 250.0f, 380.0f})
        QTest::newRow(qPrintable(QString::number(t))) << t;
}

void TestTempHandler::roundTripWithTheAtmosphere()
{
    QFETCH(float, t);
    IRPara p;
    p.setShutterTemp(27.0f);
    TempHandler h(&p);
    h.setTempRangeMinMax(-20, 400);
    QCOMPARE(h.setTempSetup(setupOf(0.7f, 300.0f, 1.0f)), 1);
    h.setReflecTemp(40.0f);
    const IrTempStru ad = h.irTemp2AD(t);
    QCOMPARE(ad.status, "OK");
    const IrTempStru back = h.irAD2Temp(ad.ad);
    QCOMPARE(back.status, "OK");
    QVERIFY2(std::fabs(back.temp - t) < 0.15f, qPrintable(QString::number(back.temp)));
}

// A very cold shutter makes the delta AD strongly negative; a low AD plus
// that delta is below every table, never a wrapped "high" value.
void TestTempHandler::negativeSumOfADAndShutterDeltaIsLow()
{
    IRPara p;
    p.setShutterTemp(-40.0f);
    QVERIFY(p.readShutterDeltaAD() < -1000.0f);
    TempHandler h(&p);
    TempInfoTab t = p.getADToTempTab();
    t.minAD = 0;
    p.setADToTempTab(t);
    const IrTempStru r = h.irAD2Temp(100);
    QCOMPARE(r.status, "L");
    QCOMPARE(r.temp, IRPara::BelowTable);
    QCOMPARE(int(r.ad), 100);
    QCOMPARE(int(r.adShutter), 0);
}

void TestTempHandler::sumAbove16BitsIsHigh()
{
    IRPara p;
    TempInfoTab t = p.getADToTempTab();
    t.maxAD = 0xFFFF;
    p.setADToTempTab(t);
    p.setShutterTemp(200.0f);
    QVERIFY(p.readShutterDeltaAD() > 1000.0f);
    TempHandler h(&p);
    const IrTempStru r = h.irAD2Temp(65500);
    QCOMPARE(r.status, "H");
    QCOMPARE(int(r.adShutter), 65535);
    // level + span beyond 16 bits is not wrapped either.
    QCOMPARE(h.irAD2Temp(65535u + 100u).status, "H");
}

// A hot shutter pushes the delta above the table AD of a cold object: the
// board AD stops at 0 instead of wrapping to the top of the scale.
void TestTempHandler::boardADNeverWrapsBelowZero()
{
    IRPara p;
    TempInfoTab t = p.getADToTempTab();
    t.ad[0] = 100;
    t.ad[1] = 60000;
    p.setADToTempTab(t);
    p.setShutterTemp(300.0f);
    QVERIFY(p.readShutterDeltaAD() > 10000.0f);
    TempHandler h(&p);
    QCOMPARE(h.setTempSetup(setupOf(1.0f, 0.0f, 0.0f)), 1);
    const IrTempStru r = h.irTemp2AD(-10.0f);
    QCOMPARE(r.status, "OK");
    QCOMPARE(int(r.ad), 0);
}

void TestTempHandler::calibrationModeFillsTableTemp()
{
    IRPara p;
    p.setShutterTemp(30.0f);
    TempHandler h(&p);
    h.setTempRangeMinMax(-20, 400);
    QCOMPARE(h.irAD2Temp(36000).tableTemp, 0.0f);
    h.setCalibrationMode(true);
    QCOMPARE(h.irAD2Temp(36000).tableTemp, p.calTemp(36000).temp);
}

QTEST_GUILESS_MAIN(TestTempHandler)
#include "tst_temphandler.moc"
