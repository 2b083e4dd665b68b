#include "calibrationfile.h"
#include "scriptedtempboard.h"
#include "tempmodel.h"
#include "testroot.h"

#include <QtTest>

#include <cmath>

namespace {

QByteArray fixture(const QString &name)
{
    QFile file(TestRoot::testData(QStringLiteral("data/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray modifyWith(float factor)
{
    QByteArray text;
    for (int i = 0; i < ModifyFactors::Count; ++i)
        text += ModifyFactors::keyOf(i).toLatin1() + '=' + QByteArray::number(double(factor)) + '\n';
    return text;
}

// The "no usable table" lines a load writes, counted by a message handler.
int s_faultLines = 0;
QtMessageHandler s_previousHandler = nullptr;

void countFaultLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("holds no usable table"))) {
        ++s_faultLines;
        return;
    }
    if (s_previousHandler)
        s_previousHandler(type, context, message);
}

} // namespace

// Loading the table of a lens and range, the fallback to the default file,
// the lens and range changes and the consistency check.
class TestCalibLoad : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void chooseTheFile_data();
    void chooseTheFile();
    void missingEverythingIsReportedAndSafe();
    void sameLensLoadsOnce();
    void rangeChange_data();
    void rangeChange();
    void storedRangeFromTheSettings();
    void levelSpanBounds_data();
    void levelSpanBounds();
    void checkBiaoDingTab_data();
    void checkBiaoDingTab();
    void withoutMinADFarBelowTheTableIsLow_data();
    void withoutMinADFarBelowTheTableIsLow();
    void unusableTableLoggedOncePerChange();
};

void TestCalibLoad::chooseTheFile_data()
{
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("points");
    QTest::newRow("sound file") << "calib_grid.conf" << "calib_two_keys.conf" << int(TempModel::TableFromFile) << 18;
    QTest::newRow("no file: default") << QString() << "calib_grid.conf" << int(TempModel::TableFromDefault) << 18;
    QTest::newRow("one key: default") << "calib_one_key.conf" << "calib_grid.conf" << int(TempModel::TableFromDefault) << 18;
    QTest::newRow("two keys are used") << "calib_two_keys.conf" << "calib_grid.conf" << int(TempModel::TableFromFile) << 2;
    // A file that disagrees with itself is used (so the check can warn)
    // but reported as no sound table.
    QTest::newRow("short file") << "calib_tempnum_short.conf" << "calib_grid.conf" << int(TempModel::TableInvalid) << 18;
    QTest::newRow("bad default") << QString() << "calib_equal_ad.conf" << int(TempModel::TableInvalid) << 3;
    // A sound table followed by a hole to 300 MB: refused unread, as if
    // missing.
    QTest::newRow("300 MB file: default") << "300 MB" << "calib_grid.conf" << int(TempModel::TableFromDefault) << 18;
    QTest::newRow("300 MB default: empty table") << QString() << "300 MB" << int(TempModel::TableInvalid) << 0;
}

void TestCalibLoad::chooseTheFile()
{
    QFETCH(QString, main);
    QFETCH(QString, fallback);
    QFETCH(int, result);
    QFETCH(int, points);
    TestRoot root;
    const QString oversized = QStringLiteral("300 MB");
    auto install = [&](const QString &path, const QString &name) {
        if (name != oversized)
            return root.writeFile(path, fixture(name));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("too large")));
        return root.writeSparseFile(path, fixture(QStringLiteral("calib_grid.conf")), qint64(300) * 1024 * 1024);
    };
    if (!main.isEmpty())
        QVERIFY(install(CalibrationFile::tablePath(2, 0), main));
    QVERIFY(install(CalibrationFile::defaultTablePath(2, 0), fallback));
    TempModel model;
    QCOMPARE(model.setSystemAdToTempTab(2, 0), result);
    QCOMPARE(int(model.calibrationTable().num), points);
    QCOMPARE(int(model.getTempInfoTab().num), points);
    QCOMPARE(model.getTempInfoTab().ad[1], model.calibrationTable().ad[1]);
    if (result == TempModel::TableInvalid)
        QCOMPARE(model.checkBiaoDingTab(), -1);
}

void TestCalibLoad::missingEverythingIsReportedAndSafe()
{
    TestRoot root;
    TempModel model;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("calc_len-1_temp0.conf is no exist")));
    QCOMPARE(model.setSystemAdToTempTab(-1, 0), int(TempModel::TableInvalid));
    const TempInfoTab t = model.calibrationTable();
    QCOMPARE(int(t.num), 0);
    QCOMPARE(int(t.maxAD), 65535);
    QCOMPARE(int(t.baseTemp), 30);
    QCOMPARE(model.checkBiaoDingTab(), -1);
    for (unsigned ad : {0u, 30000u, 65535u}) {
        const IrTempStru r = model.systemHandler().irAD2Temp(ad);
        QCOMPARE(r.status, "L");
        QVERIFY(std::isfinite(r.temp));
    }
    QVERIFY(std::isfinite(model.irPara().readShutterDeltaAD()));
}

void TestCalibLoad::sameLensLoadsOnce()
{
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(3, 0), fixture(QStringLiteral("calib_grid.conf"))));
    ScriptedTempBoard board;
    board.lens = 3;
    TempModel model(&board);
    QCOMPARE(model.get_set_lenIndex(), 3);
    QCOMPARE(int(model.calibrationTable().num), 18);
    // Replace the file: an unchanged lens must not reload it.
    QVERIFY(root.writeFile(CalibrationFile::tablePath(3, 0), fixture(QStringLiteral("calib_two_keys.conf"))));
    QCOMPARE(model.get_set_lenIndex(), 3);
    QCOMPARE(int(model.calibrationTable().num), 18);
    board.lens = -1;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("is no exist")));
    QCOMPARE(model.get_set_lenIndex(), -1);
    QCOMPARE(model.lenIndex(), -1);
    QCOMPARE(int(model.calibrationTable().num), 0);
}

void TestCalibLoad::rangeChange_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("file");
    QTest::newRow("range 1") << 1 << QList<int>{0x22} << "etc/calc_len0_temp1.conf";
    QTest::newRow("range 2") << 2 << QList<int>{0x33} << "etc/calc_len0_temp2.conf";
    QTest::newRow("range 5") << 5 << QList<int>{} << "etc/calc_len0_temp5.conf";
}

void TestCalibLoad::rangeChange()
{
    QFETCH(int, range);
    QFETCH(QList<int>, codes);
    QFETCH(QString, file);
    TestRoot root;
    QVERIFY(root.writeFile(file, fixture(QStringLiteral("calib_grid.conf"))));
    ScriptedTempBoard board;
    TempModel model(&board);
    QCOMPARE(model.setTempRange(range), int(TempModel::TableFromFile));
    QCOMPARE(board.rangeCodes, codes);
    QCOMPARE(model.tempRange(), range);
    QCOMPARE(model.tableFile(), file);
}

void TestCalibLoad::storedRangeFromTheSettings()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[BiaoDing]\nTempRange=1\n"));
    QVERIFY(root.writeFile(QStringLiteral("etc/calc_len0_temp1.conf"), fixture(QStringLiteral("calib_grid.conf"))));
    TempModel model;
    QCOMPARE(model.setSystemAdToTempTab(), int(TempModel::TableFromFile));
    QCOMPARE(model.tempRange(), 1);
    QCOMPARE(model.tableFile(), QStringLiteral("etc/calc_len0_temp1.conf"));
}

void TestCalibLoad::levelSpanBounds_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<float>("low");
    QTest::addColumn<float>("high");
    QTest::newRow("low range") << 0 << -20.0f << 150.0f;
    QTest::newRow("high range") << 1 << 0.0f << 400.0f;
}

void TestCalibLoad::levelSpanBounds()
{
    QFETCH(int, range);
    QFETCH(float, low);
    QFETCH(float, high);
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, range), fixture(QStringLiteral("calib_grid.conf"))));
    TempModel model;
    model.setRange(range);
    model.setSystemAdToTempTab(0, range);
    QCOMPARE(model.levelSpanMaxAD(), int(model.systemHandler().irTemp2AD(high).ad));
    QCOMPARE(model.levelSpanMinAD(), int(model.systemHandler().irTemp2AD(low).ad));
    QVERIFY(model.levelSpanMinAD() < model.levelSpanMaxAD() || range == 1);
    // New parameters move the bounds.
    const int before = model.levelSpanMinAD();
    TempSetup s = model.getSystemTempSetup();
    s.emiss = 0.5f;
    model.setSystemTempSetup(s);
    QCOMPARE(model.levelSpanMinAD(), int(model.systemHandler().irTemp2AD(low).ad));
    QVERIFY(model.levelSpanMinAD() != before);
}

void TestCalibLoad::checkBiaoDingTab_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("modify");
    QTest::addColumn<int>("result");
    QTest::newRow("rising ADs, factors 1.0") << "calib_grid.conf" << modifyWith(1.0f) << 0;
    QTest::newRow("ADs 100, 200, 200") << "calib_equal_ad.conf" << modifyWith(1.0f) << -1;
    QTest::newRow("a table fault hides a factor fault") << "calib_equal_ad.conf" << modifyWith(3.0f) << -1;
    QTest::newRow("factor 3.0") << "calib_grid.conf" << modifyWith(3.0f) << -2;
    QTest::newRow("factor 0.09") << "calib_grid.conf" << modifyWith(0.09f) << -2;
    QTest::newRow("factor 0.1 as f32 passes") << "calib_grid.conf" << modifyWith(0.1f) << 0;
    QTest::newRow("factor nan") << "calib_grid.conf" << modifyWith(1.0f).replace("Averg_25=1\n", "Averg_25=nan\n") << -2;
    QTest::newRow("factor inf") << "calib_grid.conf" << modifyWith(1.0f).replace("Averg_79.5=1\n", "Averg_79.5=inf\n") << -2;
    QTest::newRow("factor -inf, the only one") << "calib_grid.conf" << QByteArray("Averg_0=-inf\n") << -2;
    QTest::newRow("promises more points") << "calib_tempnum_short.conf" << modifyWith(1.0f) << -1;
}

void TestCalibLoad::checkBiaoDingTab()
{
    QFETCH(QString, table);
    QFETCH(QByteArray, modify);
    QFETCH(int, result);
    TestRoot root;
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 0), fixture(table)));
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), modify));
    TempModel model;
    model.setSystemAdToTempTab(0, 0);
    QCOMPARE(model.checkBiaoDingTab(), result);
}

void TestCalibLoad::withoutMinADFarBelowTheTableIsLow_data()
{
    QTest::addColumn<uint>("ad");
    QTest::addColumn<QByteArray>("status");
    // The line through the first points passes absolute zero near AD
    // 20300; far below, the fourth power of the black-body step would make
    // it a warm reading.
    QTest::newRow("AD 1000") << 1000u << QByteArray("L");
    QTest::newRow("AD 0") << 0u << QByteArray("L");
    QTest::newRow("100 degC of table") << 35568u << QByteArray("OK");
}

void TestCalibLoad::withoutMinADFarBelowTheTableIsLow()
{
    QFETCH(uint, ad);
    QFETCH(QByteArray, status);
    TestRoot root;
    // A high-range table, -10 .. 410 degC, 400 ADs per 10 degC, without
    // "MinAD": it reads as 0.
    QByteArray text = "[ParaSet]\nMaxAD=0xBB60\nMinTemp=-10\nMaxTemp=410\nTempNum=43\n[Temp2AD]\n";
    for (int i = 0; i < 43; ++i)
        text += QByteArray::number(-10 + 10 * i) + "=" + QByteArray::number(0x79C0 + 400 * i, 16) + "\n";
    QVERIFY(root.writeFile(CalibrationFile::tablePath(0, 1), text));
    TempModel model;
    model.setRange(1);
    QCOMPARE(model.setSystemAdToTempTab(0, 1), int(TempModel::TableFromFile));
    QCOMPARE(int(model.calibrationTable().minAD), 0);
    const IrTempStru r = model.systemHandler().irAD2Temp(ad);
    QVERIFY2(QByteArray(r.status) == status, qPrintable(QStringLiteral("%1 %2").arg(r.status).arg(r.temp)));
}

// The shutter tick reloads the table every second or two: an unusable file
// is logged (and counted for the screens) once for each change of it, not
// once per tick.
void TestCalibLoad::unusableTableLoggedOncePerChange()
{
    TestRoot root;
    const QString path = CalibrationFile::tablePath(0, 0);
    const QByteArray bad = fixture(QStringLiteral("calib_equal_ad.conf"));
    QVERIFY(root.writeFile(path, bad));
    ScriptedTempBoard board;
    TempModel model(&board);
    s_faultLines = 0;
    s_previousHandler = qInstallMessageHandler(countFaultLines);
    struct Restore
    {
        ~Restore() { qInstallMessageHandler(s_previousHandler); }
    } restore;
    auto ticks = [&model] {
        for (int i = 0; i < 5; ++i)
            model.updateShutterTemp(true);
    };

    ticks();
    QCOMPARE(s_faultLines, 1);
    QCOMPARE(model.tableFaultReports(), 1u);
    QVERIFY(!model.tableIsSound());

    // Written again, still unusable: told again, once.
    QVERIFY(root.writeFile(path, bad + "\n[Note]\nedited=1\n"));
    ticks();
    QCOMPARE(s_faultLines, 2);
    QCOMPARE(model.tableFaultReports(), 2u);

    // Mended: nothing to tell.
    QVERIFY(root.writeFile(path, fixture(QStringLiteral("calib_grid.conf"))));
    ticks();
    QVERIFY(model.tableIsSound());
    QCOMPARE(s_faultLines, 2);

    // Broken again: told again.
    QVERIFY(root.writeFile(path, bad));
    ticks();
    QCOMPARE(s_faultLines, 3);
    QCOMPARE(model.tableFaultReports(), 3u);
}

QTEST_GUILESS_MAIN(TestCalibLoad)
#include "tst_calibload.moc"
