#include "calibrationfile.h"
#include "scenetable.h"
#include "scriptedtempboard.h"
#include "simroot.h"
#include "tempmodel.h"
#include "testroot.h"

#include <QtTest>

#include <cmath>

// The simulator's default tables: every lens and range loads a sound
// table, temperatures survive the trip to a board AD and back, and the
// scene's ADs mean the temperatures written down in data/scene_ad.txt.
class TestTempScene : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void defaultTables_data();
    void defaultTables();
    void sceneADs_data();
    void sceneADs();
};

void TestTempScene::defaultTables_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<int>("range");
    for (int lens = 0; lens <= 6; ++lens)
        for (int range : {0, 1})
            QTest::addRow("lens %d range %d", lens, range) << lens << range;
}

void TestTempScene::defaultTables()
{
    QFETCH(int, lens);
    QFETCH(int, range);
    TestRoot root;
    QVERIFY(SimRoot::prepare(root.root()));
    TempInfoTab t = CalibrationFile::emptyTable();
    QVERIFY(CalibrationFile::readTable(CalibrationFile::defaultTablePath(lens, range), &t));
    ScriptedTempBoard board;
    board.lens = lens;
    board.shutter = board.sensor = 33.0f;
    TempModel model(&board);
    QCOMPARE(model.get_set_lenIndex(), lens);
    QCOMPARE(model.setTempRange(range), int(TempModel::TableFromFile));
    QCOMPARE(model.checkBiaoDingTab(), 0);
    int min = 0;
    int max = 0;
    TempModel::reportingLimits(range, &min, &max);
    model.setTempRangeMinMax(min, max);
    model.updateShutterTemp(true);
    QCOMPARE(model.checkBiaoDingTab(), 0);
    for (float temp = float(min) + 0.5f; temp <= float(max); temp += 2.5f) {
        const IrTempStru ad = model.systemHandler().irTemp2AD(temp);
        QCOMPARE(ad.status, "OK");
        const IrTempStru back = model.systemHandler().irAD2Temp(ad.ad);
        QCOMPARE(back.status, "OK");
        QVERIFY2(std::fabs(back.temp - temp) < 0.1f, qPrintable(QStringLiteral("%1 -> %2 -> %3").arg(temp).arg(ad.ad).arg(back.temp)));
    }
    // The level/span bounds lie inside the table.
    QVERIFY(model.levelSpanMinAD() > 0);
    QVERIFY(model.levelSpanMaxAD() > model.levelSpanMinAD());
    QVERIFY(model.levelSpanMaxAD() < 65535);
}

void TestTempScene::sceneADs_data()
{
    addSceneTableRows();
}

void TestTempScene::sceneADs()
{
    QFETCH(int, range);
    QFETCH(float, internal);
    QFETCH(float, object);
    QFETCH(int, ad);
    TestRoot root;
    QVERIFY(SimRoot::prepare(root.root()));
    for (int lens = 0; lens <= 6; ++lens) {
        ScriptedTempBoard board;
        board.shutter = board.sensor = internal;
        board.lens = lens;
        QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[BiaoDing]\nTempRange=" + QByteArray::number(range) + '\n'));
        TempModel model(&board);
        model.start();
        QCOMPARE(model.tempRange(), range);
        QVERIFY(std::abs(int(model.systemHandler().irTemp2AD(object).ad) - ad) <= 1);
        const IrTempStru r = model.systemHandler().irAD2Temp(unsigned(ad));
        QVERIFY2(std::fabs(r.temp - object) < 0.1f, qPrintable(QString::number(r.temp)));
    }
}

QTEST_GUILESS_MAIN(TestTempScene)
#include "tst_tempscene.moc"
