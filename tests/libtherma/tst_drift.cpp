#include "calibrationfile.h"
#include "driftcorrection.h"
#include "driftterm.h"
#include "scriptedtempboard.h"
#include "tempmodel.h"
#include "testroot.h"

#include <QtTest>

#include <cmath>

namespace {

// A range-0 table from -20 to 150 degC; the top point lies close to the
// end of the scale when `top` says so.
QByteArray tableText(int firstAD, int step)
{
    QByteArray text = "[ParaSet]\nMinTemp=-20\nMaxTemp=150\nTempNum=18\n";
    text += "MinAD=" + QByteArray::number(firstAD - 100, 16) + '\n';
    text += "MaxAD=" + QByteArray::number(firstAD + 17 * step, 16) + '\n';
    text += "[Temp2AD]\n";
    for (int i = 0; i < 18; ++i)
        text += QByteArray::number(-20 + 10 * i) + '=' + QByteArray::number(firstAD + i * step, 16) + '\n';
    return text;
}

} // namespace

// The sensor-drift term and the drift moves of the calibration table.
class TestDrift : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void driftTerm_data();
    void driftTerm();
    void storeRestartsAndFreezeClears();
    void moves_data();
    void moves();
    void movesBackAndForth_data();
    void movesBackAndForth();
    void tableMove();
    void warmCameraKeepsATableAboveTheLimitRising();
    void warmCameraReadsBelowTheTop();
    void movedADsSaturate();
    void factorAndShutterHandOver();
    void frozenKeepsTheConvertersShutter();
};

void TestDrift::driftTerm_data()
{
    QTest::addColumn<float>("stored");
    QTest::addColumn<float>("now");
    QTest::addColumn<float>("drift");
    QTest::newRow("cool sensor warms by 0.5") << 30.0f << 30.5f << 2.4f;
    QTest::newRow("31 takes the warm factor") << 30.0f << 31.0f << 1.6f;
    QTest::newRow("cools by 1") << 30.0f << 29.0f << -4.8f;
    QTest::newRow("unchanged") << 40.0f << 40.0f << 0.0f;
}

void TestDrift::driftTerm()
{
    QFETCH(float, stored);
    QFETCH(float, now);
    QFETCH(float, drift);
    ScriptedTempBoard board;
    TempModel model(&board);
    board.sensor = stored;
    model.updateSensorTemp(true);
    board.sensor = now;
    QVERIFY(std::fabs(model.updateDeltaTemp() - drift) < 1e-5f);
    QVERIFY(std::fabs(model.getDeltaTemp() - drift) < 1e-5f);
    QCOMPARE(model.getSensorTemp(), stored);
}

void TestDrift::storeRestartsAndFreezeClears()
{
    ScriptedTempBoard board;
    TempModel model(&board);
    board.sensor = 30.0f;
    model.updateSensorTemp(true);
    board.sensor = 32.0f;
    model.updateDeltaTemp();
    model.updateSensorTemp(true);
    QCOMPARE(model.getDeltaTemp(), 0.0f);
    board.sensor = 33.0f;
    model.updateDeltaTemp();
    board.frozen = true;
    QCOMPARE(model.getDeltaTemp(), 0.0f);
    board.frozen = false;
    QCOMPARE(model.getDeltaTemp(), 0.0f);
    QVERIFY(model.updateDeltaTemp() != 0.0f);
}

void TestDrift::moves_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<float>("mean");
    QTest::addColumn<int>("T");
    QTest::addColumn<int>("ad");
    QTest::addColumn<int>("toReference");
    QTest::addColumn<int>("fromReference");
    QTest::newRow("range 0, 100 degC at 30") << 0 << 30.0f << 100 << 10000 << 9841 << 10158;
    QTest::newRow("range 1, 200 degC at 40") << 1 << 40.0f << 200 << 20000 << 20087 << 19912;
    QTest::newRow("range 0 at the reference") << 0 << 26.5f << 100 << 10000 << 10000 << 10000;
    QTest::newRow("range 1 at the reference") << 1 << 43.0f << 200 << 20000 << 20000 << 20000;
    QTest::newRow("range 0, 160 still moves") << 0 << 30.0f << 160 << 10000 << 9647 << 10352;
    // Above the limit only the move to the reference leaves the AD alone.
    QTest::newRow("range 0, 161: only from the reference") << 0 << 30.0f << 161 << 10000 << 10000 << 10356;
    QTest::newRow("range 1, 410 still moves") << 1 << 30.0f << 410 << 20000 << 21222 << 18777;
    QTest::newRow("range 1, 411: only from the reference") << 1 << 30.0f << 411 << 20000 << 20000 << 18772;
    QTest::newRow("saturates at the top") << 0 << 60.0f << 150 << 65000 << 61968 << 65535;
    QTest::newRow("saturates at 0") << 0 << 60.0f << 150 << 1000 << 0 << 4031;
}

void TestDrift::moves()
{
    QFETCH(int, range);
    QFETCH(float, mean);
    QFETCH(int, T);
    QFETCH(int, ad);
    QFETCH(int, toReference);
    QFETCH(int, fromReference);
    QCOMPARE(int(DriftCorrection::BiaoDingXiuzheng(range, mean, T, uint16_t(ad))), toReference);
    QCOMPARE(int(DriftCorrection::BiaoDingXiuzhengGet(range, mean, T, uint16_t(ad))), fromReference);
}

void TestDrift::movesBackAndForth_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<float>("mean");
    for (int range : {0, 1})
        for (float mean : {10.0f, 26.5f, 35.0f, 50.0f})
            QTest::addRow("range %d at %.1f", range, double(mean)) << range << mean;
}

void TestDrift::movesBackAndForth()
{
    QFETCH(int, range);
    QFETCH(float, mean);
    // Inverse to each other up to the limit.
    for (int T = -20; T <= DriftCorrection::limitTemp(range); T += 30) {
        const uint16_t ad = 30000;
        const int back = DriftCorrection::BiaoDingXiuzheng(range, mean, T, DriftCorrection::BiaoDingXiuzhengGet(range, mean, T, ad));
        QVERIFY2(std::abs(back - ad) <= 1, qPrintable(QStringLiteral("T %1: %2").arg(T).arg(back)));
    }
}

void TestDrift::tableMove()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), tableText(30000, 500)));
    ScriptedTempBoard board;
    board.shutter = 34.0f;
    board.sensor = 36.0f;  // internal 35.0
    TempModel model(&board);
    model.updateShutterTemp(true);
    const TempInfoTab t = model.calibrationTable();
    // 30 degC (point 5) stays, 40 degC moves.
    QCOMPARE(int(t.ad[5]), 30000 + 5 * 500);
    QCOMPARE(int(t.ad[6]), int(DriftCorrection::BiaoDingXiuzhengGet(0, 35.0f, 40, 30000 + 6 * 500)));
    // Each bound moves once, with the point beside it.
    QCOMPARE(int(t.minAD), int(DriftCorrection::BiaoDingXiuzhengGet(0, 35.0f, -20, 29900)));
    QCOMPARE(int(t.maxAD), int(DriftCorrection::BiaoDingXiuzhengGet(0, 35.0f, 150, 30000 + 17 * 500)));
    QCOMPARE(int(t.maxAD), int(t.ad[17]));
    QCOMPARE(model.getTempInfoTab().ad[6], t.ad[6]);
    QCOMPARE(model.getShutterTemp(), 34.0f);
    // A second update starts from the file again.
    model.updateShutterTemp(true);
    QCOMPARE(model.calibrationTable().ad[6], t.ad[6]);
}

// A warm camera moves the points up, the more the hotter the point: points
// above the limit must move too, or the one below it overtakes them.
void TestDrift::warmCameraKeepsATableAboveTheLimitRising()
{
    TestRoot root;
    QByteArray text = "[ParaSet]\nMinTemp=-20\nMaxTemp=200\nTempNum=23\nMinAD=2710\nMaxAD=EA60\n[Temp2AD]\n";
    for (int i = 0; i < 23; ++i)
        text += QByteArray::number(-20 + 10 * i) + '=' + QByteArray::number(10000 + i * 1500, 16) + '\n';
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), text));
    ScriptedTempBoard board;
    board.shutter = board.sensor = 50.0f;
    TempModel model(&board);
    model.updateShutterTemp(true);
    const TempInfoTab t = model.calibrationTable();
    for (int i = 1; i < 23; ++i)
        QVERIFY2(t.ad[i] > t.ad[i - 1], qPrintable(QStringLiteral("point %1: %2 after %3").arg(i).arg(t.ad[i]).arg(t.ad[i - 1])));
    QCOMPARE(model.irPara().usablePoints(), 23);
    QCOMPARE(int(t.ad[22]), int(DriftCorrection::BiaoDingXiuzhengGet(0, 50.0f, 200, 10000 + 22 * 1500)));
}

// On a warm camera the points move up; the top bound must move with them.
void TestDrift::warmCameraReadsBelowTheTop()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), tableText(30000, 500)));
    ScriptedTempBoard board;
    board.shutter = 40.0f;
    board.sensor = 40.0f;
    TempModel model(&board);
    model.updateShutterTemp(true);
    const TempInfoTab t = model.calibrationTable();
    QVERIFY(t.ad[17] > 30000 + 17 * 500);
    const IrTempStru r = model.irPara().calTemp(t.ad[17] - 1u);
    QCOMPARE(r.status, "OK");
    QVERIFY(r.temp > 140.0f);
}

void TestDrift::movedADsSaturate()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), tableText(56000, 550)));
    ScriptedTempBoard board;
    board.shutter = 60.0f;
    board.sensor = 60.0f;
    TempModel model(&board);
    model.updateShutterTemp(true);
    const TempInfoTab t = model.calibrationTable();
    QCOMPARE(int(t.ad[17]), 65535);
    QCOMPARE(int(t.maxAD), 65535);
    // The top stays the top: no wrap to a small AD.
    for (int i = 1; i < 18; ++i)
        QVERIFY(t.ad[i] >= t.ad[i - 1]);
    QCOMPARE(model.irPara().calTemp(65535).status, "OK");
}

void TestDrift::factorAndShutterHandOver()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), tableText(30000, 500)));
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), "Averg_25=1.1\nAverg_25.5=1.2\n"));
    ScriptedTempBoard board;
    board.shutter = 25.0f;
    board.sensor = 25.4f;  // internal 25.2: entry 90, 25 degC
    TempModel model(&board);
    model.updateShutterTemp(true);
    QCOMPARE(model.getModifyValue(), 1.1f);
    QCOMPARE(model.getModifyShutterTemp(), 1.1f * 25.2f);
    QCOMPARE(model.irPara().readShutterDeltaAD(), model.irPara().calDeltaAD(1.1f * 25.2f));
    QCOMPARE(model.levelSpanMaxAD(), int(model.systemHandler().irTemp2AD(150.0f).ad));
}

void TestDrift::frozenKeepsTheConvertersShutter()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), tableText(30000, 500)));
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), "Averg_20=1.1\nAverg_30=1.2\n"));
    ScriptedTempBoard board;
    board.shutter = board.sensor = 20.0f;
    TempModel model(&board);
    model.updateShutterTemp(true);
    QCOMPARE(model.getModifyShutterTemp(), 22.0f);
    model.freezeChanged(true);
    board.shutter = board.sensor = 30.0f;
    model.updateShutterTemp(true);
    QCOMPARE(model.getModifyValue(), 1.2f);
    QCOMPARE(model.getModifyShutterTemp(), 22.0f);
    model.freezeChanged(false);
    QCOMPARE(model.getModifyShutterTemp(), 36.0f);
}

QTEST_GUILESS_MAIN(TestDrift)
#include "tst_drift.moc"
