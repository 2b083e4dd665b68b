#include "modifyfactors.h"
#include "testroot.h"

#include <QtTest>

// The application defines variables of these names for its own screens;
// the library's limits must never be these.
float m_minModifyTemp = 123.0f;
float m_maxModifyTemp = -123.0f;

namespace {

bool install(const TestRoot &root, const QString &fixture, const QString &as)
{
    QFile file(TestRoot::testData(QStringLiteral("data/") + fixture));
    return file.open(QIODevice::ReadOnly) && root.writeFile(as, file.readAll());
}

} // namespace

// Correction factors: file choice, keys and the fill rules.
class TestModify : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }
    void keys_data();
    void keys();
    void fileChoice_data();
    void fileChoice();
    void ownFileAndLoad();
    void fill_data();
    void fill();
    void oversizedFileIsTakenAsMissing_data();
    void oversizedFileIsTakenAsMissing();
    void noFileMeansNoCorrection();
    void libraryLimitsAreItsOwn();
    void indexOfInternalTemperature_data();
    void indexOfInternalTemperature();
};

void TestModify::keys_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("key");
    QTest::newRow("-20") << 0 << "Averg_-20";
    QTest::newRow("-19.5") << 1 << "Averg_-19.5";
    QTest::newRow("-0.5") << 39 << "Averg_-0.5";
    QTest::newRow("0") << 40 << "Averg_0";
    QTest::newRow("0.5") << 41 << "Averg_0.5";
    QTest::newRow("79.5") << 199 << "Averg_79.5";
}

void TestModify::keys()
{
    QFETCH(int, index);
    QFETCH(QString, key);
    QCOMPARE(ModifyFactors::keyOf(index), key);
}

void TestModify::fileChoice_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("chosen");
    const QString plain = QStringLiteral("Parameter/Modify");
    QTest::newRow("lens 2 range 1, own file") << 2 << 1 << QStringList{"Parameter/Modify_2_Temp_1", plain} << "Parameter/Modify_2_Temp_1";
    QTest::newRow("lens 2 range 1, none") << 2 << 1 << QStringList{plain} << plain;
    QTest::newRow("lens 0 range 1") << 0 << 1 << QStringList{"Parameter/Modify_Temp_1", plain} << "Parameter/Modify_Temp_1";
    QTest::newRow("lens 0 range 0") << 0 << 0 << QStringList{"Parameter/Modify_Temp_0", "Parameter/Modify_0_Temp_0"} << plain;
    QTest::newRow("no lens counts as a lens") << -1 << 0 << QStringList{"Parameter/Modify_-1_Temp_0"} << "Parameter/Modify_-1_Temp_0";
}

void TestModify::fileChoice()
{
    QFETCH(int, lens);
    QFETCH(int, range);
    QFETCH(QStringList, present);
    QFETCH(QString, chosen);
    TestRoot root;
    for (const QString &file : present)
        QVERIFY(root.writeFile(file, "Averg_20=1.1\n"));
    ModifyFactors factors;
    QCOMPARE(factors.updateModify(lens, range), chosen);
}

// The file of exactly a lens and range, and one named file loaded alone:
// what the correction editor works on, missing or not.
void TestModify::ownFileAndLoad()
{
    TestRoot root;
    QCOMPARE(ModifyFactors::ownFileName(2, 1), QStringLiteral("Parameter/Modify_2_Temp_1"));
    QCOMPARE(ModifyFactors::ownFileName(0, 1), QStringLiteral("Parameter/Modify_Temp_1"));
    QCOMPARE(ModifyFactors::ownFileName(0, 0), QStringLiteral("Parameter/Modify"));
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), "Averg_20=1.1\n"));
    ModifyFactors factors;
    // Missing: no fallback to the plain file, and no correction.
    QVERIFY(!factors.load(ModifyFactors::ownFileName(2, 1)));
    QCOMPARE(factors.factor(80), 1.0f);
    QVERIFY(root.writeFile(ModifyFactors::ownFileName(2, 1), "Averg_0=0.9\nAverg_10=1.2\n"));
    QVERIFY(factors.load(ModifyFactors::ownFileName(2, 1)));
    QCOMPARE(factors.minModifyTemp(), 0.0f);
    QCOMPARE(factors.maxModifyTemp(), 10.0f);
    QCOMPARE(factors.factor(0), 0.9f);
    QCOMPARE(factors.factor(50), 0.9f);
    QCOMPARE(factors.factor(60), 1.2f);
    QCOMPARE(factors.factor(199), 1.2f);
}

void TestModify::fill_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<float>("minTemp");
    QTest::addColumn<float>("maxTemp");
    QTest::addColumn<QList<QPair<int, float>>>("expected");
    QTest::addColumn<bool>("sound");
    using E = QList<QPair<int, float>>;
    // Entry i is -20 + 0.5 i degC.
    QTest::newRow("20 and 30; 25 = 0 is absent") << "modify_20_30.ini" << 20.0f << 30.0f
        << E{{0, 1.1f}, {79, 1.1f}, {80, 1.1f}, {99, 1.1f}, {100, 1.2f}, {199, 1.2f}} << true;
    QTest::newRow("only 79.5 fills everything below") << "modify_only_79_5.ini" << 79.5f << 79.5f
        << E{{0, 1.3f}, {198, 1.3f}, {199, 1.3f}} << true;
    QTest::newRow("only zeros at the edges") << "modify_zero_edge.ini" << 79.0f << -20.0f
        << E{{0, 1.0f}, {100, 1.0f}, {198, 1.0f}, {199, 1.0f}} << true;
    // Filled like absent ones, so no reading meets them, but the file is
    // corrupt.
    QTest::newRow("non-finite values: filled, unsound") << "modify_nonfinite.ini" << 20.0f << 20.0f
        << E{{0, 1.05f}, {60, 1.05f}, {80, 1.05f}, {100, 1.05f}, {199, 1.05f}} << false;
    QTest::newRow("half-degree keys") << "modify_half_keys.ini" << -0.5f << 0.5f
        << E{{0, 0.9f}, {39, 0.9f}, {40, 1.0f}, {41, 1.1f}, {199, 1.1f}} << true;
}

void TestModify::fill()
{
    QFETCH(QString, fixture);
    QFETCH(float, minTemp);
    QFETCH(float, maxTemp);
    using E = QList<QPair<int, float>>;
    QFETCH(E, expected);
    QFETCH(bool, sound);
    TestRoot root;
    QVERIFY(install(root, fixture, QStringLiteral("Parameter/Modify")));
    ModifyFactors factors;
    factors.updateModify(0, 0);
    QCOMPARE(factors.minModifyTemp(), minTemp);
    QCOMPARE(factors.maxModifyTemp(), maxTemp);
    for (const auto &e : expected)
        QVERIFY2(factors.factor(e.first) == e.second, qPrintable(QStringLiteral("entry %1: %2").arg(e.first).arg(factors.factor(e.first))));
    for (int i = 0; i < ModifyFactors::Count; ++i)
        QVERIFY(factors.factor(i) != 0.0f);
    QCOMPARE(factors.isSound(), sound);
}

void TestModify::oversizedFileIsTakenAsMissing_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<QString>("oversized");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<float>("factor");
    QTest::newRow("lens file: the common one") << 2 << "Parameter/Modify_2_Temp_0" << "Parameter/Modify" << 1.1f;
    QTest::newRow("common file: no correction") << 0 << "Parameter/Modify" << "Parameter/Modify" << 1.0f;
}

void TestModify::oversizedFileIsTakenAsMissing()
{
    QFETCH(int, lens);
    QFETCH(QString, oversized);
    QFETCH(QString, chosen);
    QFETCH(float, factor);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), "Averg_20=1.1\n"));
    // Factors at its head that would count if it were read.
    QVERIFY(root.writeSparseFile(oversized, "Averg_20=2.5\n", qint64(300) * 1024 * 1024));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("too large")));
    ModifyFactors factors;
    QCOMPARE(factors.updateModify(lens, 0), chosen);
    for (int i = 0; i < ModifyFactors::Count; ++i)
        QCOMPARE(factors.factor(i), factor);
    QVERIFY(factors.isSound());
}

void TestModify::noFileMeansNoCorrection()
{
    TestRoot root;
    ModifyFactors factors;
    QCOMPARE(factors.updateModify(3, 1), QStringLiteral("Parameter/Modify"));
    for (int i = 0; i < ModifyFactors::Count; ++i)
        QCOMPARE(factors.factor(i), 1.0f);
    QCOMPARE(factors.minModifyTemp(), 79.0f);
    QCOMPARE(factors.maxModifyTemp(), -20.0f);
    QCOMPARE(factors.givenCount(), 0);
}

void TestModify::libraryLimitsAreItsOwn()
{
    TestRoot root;
    QVERIFY(install(root, QStringLiteral("modify_20_30.ini"), QStringLiteral("Parameter/Modify")));
    ModifyFactors factors;
    factors.updateModify(0);
    QCOMPARE(factors.minModifyTemp(), 20.0f);
    QCOMPARE(m_minModifyTemp, 123.0f);
    QCOMPARE(m_maxModifyTemp, -123.0f);
}

void TestModify::indexOfInternalTemperature_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<int>("index");
    QTest::newRow("25.2") << 25.2f << 90;
    QTest::newRow("-20") << -20.0f << 0;
    QTest::newRow("-25") << -25.0f << 0;
    QTest::newRow("79.9") << 79.9f << 199;
    QTest::newRow("80") << 80.0f << 199;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestModify::indexOfInternalTemperature()
{
    QFETCH(float, t);
    QFETCH(int, index);
    QCOMPARE(ModifyFactors::indexOf(t), index);
}

QTEST_GUILESS_MAIN(TestModify)
#include "tst_modify.moc"
