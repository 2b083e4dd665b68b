#include "calibrationfile.h"
#include "testroot.h"

#include <QtTest>

#include <cstring>

namespace {

// Copies a fixture into the root's "etc/" and returns its relative path.
QString installed(const TestRoot &root, const QString &fixture)
{
    QFile file(TestRoot::testData(QStringLiteral("data/") + fixture));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString path = QStringLiteral("etc/") + fixture;
    return root.writeFile(path, file.readAll()) ? path : QString();
}

} // namespace

// Parsing one calibration file into a table.
class TestCalibFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileNames();
    void readTable_data();
    void readTable();
    void gridPointsInFileOrder();
    void hexadecimalTexts();
    void moreThanSixtyPointsStayInTheTable();
    void unreadableFileGivesTheEmptyTable_data();
    void unreadableFileGivesTheEmptyTable();
    void nullTable();
};

void TestCalibFile::fileNames()
{
    QCOMPARE(CalibrationFile::tablePath(0, 1), QStringLiteral("etc/calc_len0_temp1.conf"));
    QCOMPARE(CalibrationFile::defaultTablePath(3, 0), QStringLiteral("etc/calc_len3_temp0_default.conf"));
    QCOMPARE(CalibrationFile::tablePath(-1, 0), QStringLiteral("etc/calc_len-1_temp0.conf"));
}

void TestCalibFile::readTable_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("sound");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("firstTemp");
    QTest::addColumn<int>("lastTemp");
    QTest::newRow("18 grid points, off-grid keys ignored") << "calib_grid.conf" << true << 18 << -20 << 150;
    QTest::newRow("TempNum 5 of 18 keys") << "calib_tempnum5.conf" << true << 5 << -20 << 20;
    QTest::newRow("MinTemp above MaxTemp") << "calib_minabovemax.conf" << false << 0 << 0 << 0;
    QTest::newRow("two keys") << "calib_two_keys.conf" << true << 2 << 0 << 10;
    QTest::newRow("TempNum promises more than the file holds") << "calib_tempnum_short.conf" << false << 18 << -20 << 150;
    QTest::newRow("negative TempNum") << "calib_tempnum_negative.conf" << false << 0 << 0 << 0;
    QTest::newRow("TempNum 70") << "calib_tempnum70.conf" << false << 60 << 0 << 590;
    QTest::newRow("grid from INT_MIN to INT_MAX") << "calib_wide_grid.conf" << true << 3 << -20 << 20;
    QTest::newRow("equal ADs") << "calib_equal_ad.conf" << false << 3 << 0 << 20;
    QTest::newRow("one point") << "calib_one_key.conf" << false << 1 << 0 << 0;
    QTest::newRow("numbers that do not fit") << "calib_bad_numbers.conf" << false << 3 << -20 << 0;
}

void TestCalibFile::readTable()
{
    QFETCH(QString, fixture);
    QFETCH(bool, sound);
    QFETCH(int, points);
    QFETCH(int, firstTemp);
    QFETCH(int, lastTemp);
    TestRoot root;
    TempInfoTab t = CalibrationFile::emptyTable();
    QCOMPARE(CalibrationFile::readTable(installed(root, fixture), &t), sound);
    QCOMPARE(int(t.num), points);
    QVERIFY(t.num <= TEMP_TAB_POINTS);
    if (points > 0) {
        QCOMPARE(int(t.temp[0]), firstTemp);
        QCOMPARE(int(t.temp[points - 1]), lastTemp);
    }
    for (int i = points; i < TEMP_TAB_POINTS; ++i) {
        QCOMPARE(int(t.ad[i]), 0);
        QCOMPARE(int(t.temp[i]), 0);
    }
}

void TestCalibFile::gridPointsInFileOrder()
{
    TestRoot root;
    TempInfoTab t = CalibrationFile::emptyTable();
    QVERIFY(CalibrationFile::readTable(installed(root, QStringLiteral("calib_grid.conf")), &t));
    for (int i = 0; i < 18; ++i) {
        QCOMPARE(int(t.temp[i]), -20 + 10 * i);
        QCOMPARE(int(t.ad[i]), 20000 + 1000 * i);
    }
    QCOMPARE(int(t.maxAD), 0xB000);
    QCOMPARE(int(t.minAD), 20000);
    QCOMPARE(int(t.baseTemp), 30);
    QCOMPARE(t.lenTemp, 0.0f);
}

void TestCalibFile::hexadecimalTexts()
{
    TestRoot root;
    TempInfoTab t = CalibrationFile::emptyTable();
    QVERIFY(CalibrationFile::readTable(installed(root, QStringLiteral("calib_hex.conf")), &t));
    QCOMPARE(int(t.minAD), 6699);
    QCOMPARE(int(t.ad[0]), 6699);
    QCOMPARE(int(t.ad[1]), 6700);
    // No "MaxAD": the whole scale.
    QCOMPARE(int(t.maxAD), 65535);
}

void TestCalibFile::moreThanSixtyPointsStayInTheTable()
{
    TestRoot root;
    struct Guarded {
        TempInfoTab table;
        unsigned char guard[64];
    } g;
    std::memset(&g, 0xA5, sizeof g);
    QVERIFY(!CalibrationFile::readTable(installed(root, QStringLiteral("calib_tempnum70.conf")), &g.table));
    for (unsigned char c : g.guard)
        QCOMPARE(int(c), 0xA5);
    QCOMPARE(int(g.table.num), TEMP_TAB_POINTS);
}

void TestCalibFile::unreadableFileGivesTheEmptyTable_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("warning");
    QTest::newRow("missing") << 0 << QString();
    // A sound table at its head: read, it would give 18 points.
    QTest::newRow("300 MB") << 1 << QStringLiteral("too large");
    QTest::newRow("a folder") << 2 << QStringLiteral("not a regular file");
}

void TestCalibFile::unreadableFileGivesTheEmptyTable()
{
    QFETCH(int, kind);
    QFETCH(QString, warning);
    TestRoot root;
    const QString path = QStringLiteral("etc/calc_len0_temp0.conf");
    if (kind == 1) {
        QFile grid(TestRoot::testData(QStringLiteral("data/calib_grid.conf")));
        QVERIFY(grid.open(QIODevice::ReadOnly));
        QVERIFY(root.writeSparseFile(path, grid.readAll(), qint64(300) * 1024 * 1024));
    } else if (kind == 2) {
        QVERIFY(QDir().mkpath(root.hostPath(path)));
    }
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    TempInfoTab t;
    std::memset(&t, 0x5A, sizeof t);
    QVERIFY(!CalibrationFile::readTable(path, &t));
    QCOMPARE(int(t.num), 0);
    QCOMPARE(int(t.maxAD), 65535);
    QCOMPARE(int(t.minAD), 0);
    QCOMPARE(int(t.baseTemp), 30);
}

void TestCalibFile::nullTable()
{
    TestRoot root;
    QVERIFY(!CalibrationFile::readTable(installed(root, QStringLiteral("calib_grid.conf")), nullptr));
}

QTEST_GUILESS_MAIN(TestCalibFile)
#include "tst_calibfile.moc"
