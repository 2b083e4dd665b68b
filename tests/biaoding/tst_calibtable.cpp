#include "calibends.h"
#include "calibfit.h"
#include "temptablelog.h"
#include "calibpoint.h"
#include "calibrationfile.h"
#include "calibtable.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSettings>
#include <QtTest>

// The table files as their writers see them: loading, whole-file saving,
// the wizard's point, the editor's extension rows, both fits and the log.
class TestCalibTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loaderCases_data();
    void loaderCases();
    void readingNeverWrites();
    void onePointTableFallsBackToTheDefault();
    void saveReplacesWholeAndKeepsOtherKeys();
    void failedSaveKeepsTheOldFile();
    void savedTextReadsBack_data();
    void savedTextReadsBack();
    void paraSetFollowsTheKeys_data();
    void paraSetFollowsTheKeys();
    void wizardPoint_data();
    void wizardPoint();
    void wizardEndLeavingTheSpanIsRemoved();
    void pointKeepsTheADsRising_data();
    void pointKeepsTheADsRising();
    void extensionRows_data();
    void extensionRows();
    void fitRange0Example();
    void fitRange1Example();
    void fitRange0CopiesTheLowRows();
    void fitsHoldTheirADs();
    void missingSources_data();
    void missingSources();
    void logLine();
    void logAppendsOnlyToAnExistingLog();

private:
    // Rows as "t=ad" in file order of the model.
    static QStringList rows(const CalibTable &table);
    static TempInfoTab library(const QString &path, bool *sound = nullptr);

    TestRoot *m_root = nullptr;
};

namespace {
const QString Table = QStringLiteral("etc/calc_len0_temp0.conf");

// A table file: [ParaSet] from para, [Temp2AD] from "t=ad" pairs.
QByteArray tableText(const QString &para, const QStringList &points)
{
    QByteArray text = "[ParaSet]\n" + para.toLatin1().replace(';', '\n') + "\n[Temp2AD]\n";
    for (const QString &p : points)
        text += p.toLatin1() + '\n';
    return text;
}

QStringList grid(int from, int to, int firstAd = 0x7000, int step = 0x100)
{
    QStringList points;
    for (int t = from, ad = firstAd; t <= to; t += 10, ad += step)
        points << QStringLiteral("%1=%2").arg(t).arg(ad, 0, 16);
    return points;
}
} // namespace

void TestCalibTable::init()
{
    m_root = new TestRoot;
    QVERIFY(QDir().mkpath(QStringLiteral("etc")));
}

void TestCalibTable::cleanup()
{
    delete m_root;
}

QStringList TestCalibTable::rows(const CalibTable &table)
{
    QStringList out;
    for (const CalibTable::Row &row : table.rows())
        out << row.temp + QLatin1Char('=') + row.ad;
    return out;
}

TempInfoTab TestCalibTable::library(const QString &path, bool *sound)
{
    TempInfoTab t = CalibrationFile::emptyTable();
    const bool ok = CalibrationFile::readTable(path, &t);
    if (sound)
        *sound = ok;
    return t;
}

void TestCalibTable::loaderCases_data()
{
    QTest::addColumn<QString>("para");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("rows");
    QTest::newRow("MinTemp -30 loads all 20") << "MinTemp=-30;MaxTemp=160;TempNum=20" << grid(-30, 160) << 20 << 20;
    QTest::newRow("MinTemp -25 loads none") << "MinTemp=-25;MaxTemp=160;TempNum=20" << grid(-30, 160) << 0 << 20;
    QTest::newRow("TempNum 0 loads none") << "MinTemp=-30;MaxTemp=160;TempNum=0" << grid(-30, 160) << 0 << 20;
    QTest::newRow("TempNum 5 loads the lowest 5") << "MinTemp=-30;MaxTemp=160;TempNum=5" << grid(-30, 160) << 5 << 20;
    QTest::newRow("key above MaxTemp kept unread")
        << "MinTemp=0;MaxTemp=400;TempNum=41" << grid(0, 410) << 41 << 42;
}

void TestCalibTable::loaderCases()
{
    QFETCH(QString, para);
    QFETCH(QStringList, points);
    QFETCH(int, loaded);
    QFETCH(int, rows);
    QVERIFY(m_root->writeFile(Table, tableText(para, points)));
    QCOMPARE(int(library(Table).num), loaded);
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(table.rowCount(), rows);
    // Saved by a writer, every grid key is what the library loads.
    QVERIFY(table.save(Table));
    bool sound = false;
    const TempInfoTab t = library(Table, &sound);
    QVERIFY(sound);
    QCOMPARE(int(t.num), qMin(rows, int(CalibTable::MaxPoints)));
}

void TestCalibTable::readingNeverWrites()
{
    const QByteArray text = tableText("MinTemp=0;MaxTemp=10;TempNum=2", {"0=7ffd", "10=0x7FFE", "20=", "30=7FFF"});
    QVERIFY(m_root->writeFile(Table, text));
    const QDateTime before = QFileInfo(Table).lastModified();
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(m_root->readFile(Table), text);
    QCOMPARE(QFileInfo(Table).lastModified(), before);
    // 7FFD, 7ffd and 0x7FFD read alike; the text stays as written.
    QCOMPARE(table.ad(0), QStringLiteral("7ffd"));
    QCOMPARE(CalibTable::adValue(QStringLiteral("7FFD")), 32765);
    QCOMPARE(CalibTable::adValue(QStringLiteral("0x7FFD")), 32765);
    QCOMPARE(CalibTable::adValue(QStringLiteral("7ffd")), 32765);
    QCOMPARE(int(library(Table).ad[0]), 32765);

    CalibTable missing;
    QVERIFY(!missing.load(QStringLiteral("etc/calc_len3_temp1.conf")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("etc/calc_len3_temp1.conf")));
}

void TestCalibTable::onePointTableFallsBackToTheDefault()
{
    // A first point makes a table of one key: the library takes the
    // default table until a second point is there. No log, no log line.
    QVERIFY(CalibPoint::store(Table, 0, 40, 0x8400));
    bool isDefault = false;
    QCOMPARE(CalibrationFile::choose(0, 0, &isDefault), QStringLiteral("etc/calc_len0_temp0_default.conf"));
    QVERIFY(isDefault);
    QVERIFY(CalibPoint::store(Table, 0, 50, 0x8800));
    QCOMPARE(CalibrationFile::choose(0, 0, &isDefault), Table);
    QVERIFY(!isDefault);
    QVERIFY(!QFileInfo::exists(TempTableLog::fileName()));
}

void TestCalibTable::saveReplacesWholeAndKeepsOtherKeys()
{
    QVERIFY(m_root->writeFile(Table, "[Other]\nnote=kept, listed\n[ParaSet]\nBaseTemp=25\nMinTemp=99\n"
                                     "[Temp2AD]\n-10=7000\n0=7100\n5=7200\n"));
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(rows(table), (QStringList{"-10=7000", "0=7100", "5=7200"}));
    table.setAd(10, QStringLiteral("7300"));
    QVERIFY(table.save(Table));
    QSettings file(Table, QSettings::IniFormat);
    QCOMPARE(file.value("Other/note").toStringList(), (QStringList{"kept", "listed"}));
    QCOMPARE(file.value("ParaSet/BaseTemp").toInt(), 25);
    QCOMPARE(file.value("ParaSet/MinTemp").toInt(), -10);
    QCOMPARE(file.value("ParaSet/MaxTemp").toInt(), 10);
    QCOMPARE(file.value("ParaSet/TempNum").toInt(), 3);
    QCOMPARE(file.value("Temp2AD/5").toString(), QStringLiteral("7200"));
    // No scratch file is left beside the table.
    QCOMPARE(QDir(QStringLiteral("etc")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("calc_len0_temp0.conf")});
}

void TestCalibTable::failedSaveKeepsTheOldFile()
{
    CalibTable table;
    table.setAd(0, QStringLiteral("7000"));
    QVERIFY(!table.save(QStringLiteral("nofolder/calc_len0_temp0.conf")));
    QVERIFY(!table.errorString().isEmpty());
    // A folder in the table's place cannot be replaced: it stays.
    QVERIFY(QDir().mkpath(Table));
    QVERIFY(!table.save(Table));
    QVERIFY(QFileInfo(Table).isDir());
    QString error;
    QVERIFY(!CalibPoint::store(Table, 0, 20, 0x7000, &error));
    QVERIFY(!error.isEmpty());
}

void TestCalibTable::savedTextReadsBack_data()
{
    // A hand-edited file: one AD with escapes, one other key; the AD and
    // the other key's text as the table holds them.
    QTest::addColumn<QByteArray>("ad");
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<QString>("heldAd");
    QTest::addColumn<QStringList>("heldNote");
    const QString replacement(QChar::ReplacementCharacter);
    QTest::newRow("half a pair from a hex escape")
        << QByteArray("\\xd800z") << QByteArray("kept") << replacement + "z" << QStringList{"kept"};
    QTest::newRow("half a pair from a long octal escape")
        << QByteArray("\\0555555555555=0x63") << QByteArray("kept") << replacement + "=0x63" << QStringList{"kept"};
    QTest::newRow("a whole pair stays")
        << QByteArray("a\\xd83d\\xde00z") << QByteArray("kept") << QString::fromUtf8("a\xF0\x9F\x98\x80" "z") << QStringList{"kept"};
    QTest::newRow("half a pair in a listed key")
        << QByteArray("7100") << QByteArray("\\xdc00q, listed") << QStringLiteral("7100") << QStringList{replacement + "q", "listed"};
}

void TestCalibTable::savedTextReadsBack()
{
    QFETCH(QByteArray, ad);
    QFETCH(QByteArray, note);
    QFETCH(QString, heldAd);
    QFETCH(QStringList, heldNote);
    QVERIFY(m_root->writeFile(Table, "[Other]\nnote=" + note + "\n[Temp2AD]\n0=" + ad + "\n10=7200\n"));
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(table.ad(0), heldAd);
    const QVariant held = table.value(QStringLiteral("Other/note"));
    QCOMPARE(held.userType() == QMetaType::QStringList ? held.toStringList() : QStringList{held.toString()}, heldNote);
    QVERIFY(table.save(Table));
    CalibTable again;
    QVERIFY(again.load(Table));
    QCOMPARE(rows(again), rows(table));
    QCOMPARE(again.value(QStringLiteral("Other/note")), held);
}

void TestCalibTable::paraSetFollowsTheKeys_data()
{
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<int>("minTemp");
    QTest::addColumn<int>("maxTemp");
    QTest::addColumn<int>("count");
    QTest::newRow("off-grid base row left out") << QStringList{"0=7000", "10=7100", "25=8000", "30=7200"} << 0 << 30 << 3;
    QTest::newRow("grid through the lowest key") << QStringList{"-25=6000", "-20=7000", "-15=7100"} << -25 << -15 << 2;
    QTest::newRow("at most sixty") << grid(-100, 700, 0x100) << -100 << 490 << 60;
    QTest::newRow("odd keys ignored") << QStringList{"-020=1", "abc=2", "0=7000", "10=7100"} << 0 << 10 << 2;
}

void TestCalibTable::paraSetFollowsTheKeys()
{
    QFETCH(QStringList, points);
    QFETCH(int, minTemp);
    QFETCH(int, maxTemp);
    QFETCH(int, count);
    QVERIFY(m_root->writeFile(Table, tableText("MinTemp=500;MaxTemp=-5;TempNum=199;BaseTemp=x", points)));
    CalibTable table;
    QVERIFY(table.load(Table));
    QVERIFY(table.save(Table));
    QSettings file(Table, QSettings::IniFormat);
    QCOMPARE(file.value("ParaSet/MinTemp").toInt(), minTemp);
    QCOMPARE(file.value("ParaSet/MaxTemp").toInt(), maxTemp);
    QCOMPARE(file.value("ParaSet/TempNum").toInt(), count);
    QVERIFY(!file.contains("ParaSet/BaseTemp"));
    const TempInfoTab t = library(Table);
    QCOMPARE(int(t.num), count);
    QCOMPARE(int(t.temp[0]), minTemp);
    QCOMPARE(int(t.temp[count - 1]), maxTemp);
    QCOMPARE(int(t.minAD), int(CalibTable::adValue(file.value("ParaSet/MinAD").toString())));
}

void TestCalibTable::wizardPoint_data()
{
    // Points stored in order (temperature:AD), then the table's rows.
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("minTemp");
    QTest::addColumn<int>("maxTemp");
    QTest::newRow("150 after 140 extends to 160")
        << 0 << QStringList{"140:9c40", "150:a000"} << QStringList{"140=9C40", "150=A000", "160=a3c0"} << 140 << 160;
    QTest::newRow("150 again rewrites 150 and 160")
        << 0 << QStringList{"140:9c40", "150:a000", "150:a100"} << QStringList{"140=9C40", "150=A100", "160=a5c0"} << 140 << 160;
    QTest::newRow("-20 after -10 extends to -30")
        << 0 << QStringList{"-10:7400", "-20:7200"} << QStringList{"-30=7000", "-20=7200", "-10=7400"} << -30 << -10;
    QTest::newRow("400 after 350: 410 = f333")
        << 1 << QStringList{"350:e000", "400:f000"} << QStringList{"350=E000", "400=F000", "410=f333"} << 350 << 410;
    QTest::newRow("0 before 10 writes no -10, 10 then does")
        << 1 << QStringList{"0:7800", "10:7a00"} << QStringList{"-10=7600", "0=7800", "10=7A00"} << -10 << 10;
    QTest::newRow("range 2 never extends")
        << 2 << QStringList{"500:7000", "510:7100"} << QStringList{"500=7000", "510=7100"} << 500 << 510;
    QTest::newRow("a new highest point is loaded")
        << 0 << QStringList{"0:7000", "10:7100", "20:7200"} << QStringList{"0=7000", "10=7100", "20=7200"} << 0 << 20;
    QTest::newRow("a re-saved lowest point moves MinAD")
        << 1 << QStringList{"20:7000", "30:8000", "20:7100"} << QStringList{"20=7100", "30=8000"} << 20 << 30;
    QTest::newRow("end below 0 skipped")
        << 0 << QStringList{"-10:300", "-20:100"} << QStringList{"-20=100", "-10=300"} << -20 << -10;
    QTest::newRow("end past FFFF skipped")
        << 1 << QStringList{"350:f000", "400:fff0"} << QStringList{"350=F000", "400=FFF0"} << 350 << 400;
}

void TestCalibTable::wizardPoint()
{
    QFETCH(int, range);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);
    QFETCH(int, minTemp);
    QFETCH(int, maxTemp);
    for (const QString &point : stored) {
        const QStringList parts = point.split(QLatin1Char(':'));
        QVERIFY(CalibPoint::store(Table, range, parts.at(0).toInt(), quint16(parts.at(1).toUInt(nullptr, 16))));
    }
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(rows(table), expected);
    QSettings file(Table, QSettings::IniFormat);
    QCOMPARE(file.value("ParaSet/MinTemp").toInt(), minTemp);
    QCOMPARE(file.value("ParaSet/MaxTemp").toInt(), maxTemp);
    QCOMPARE(file.value("ParaSet/TempNum").toInt(), expected.size());
    QCOMPARE(file.value("ParaSet/MaxAD").toString(), expected.last().section(QLatin1Char('='), 1));
    QCOMPARE(file.value("ParaSet/MinAD").toString(), expected.first().section(QLatin1Char('='), 1));
    QCOMPARE(int(library(Table).num), expected.size());
}

void TestCalibTable::wizardEndLeavingTheSpanIsRemoved()
{
    QVERIFY(CalibPoint::store(Table, 0, -10, 0x7400));
    QVERIFY(CalibPoint::store(Table, 0, -20, 0x7200));
    CalibTable table;
    QVERIFY(table.load(Table));
    QCOMPARE(table.ad(-30), QStringLiteral("7000"));
    // -20 re-measured far lower: the end would fall below 0 and goes.
    QVERIFY(CalibPoint::store(Table, 0, -20, 0x3000));
    QVERIFY(table.load(Table));
    QVERIFY(!table.contains(-30));
}

void TestCalibTable::pointKeepsTheADsRising_data()
{
    // The table before ("t=ad"), the point saved, whether it is stored and
    // else the neighbour it clashes with.
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("ad");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<int>("neighbour");
    const QStringList three{"10=7100", "20=7200", "30=7300"};
    QTest::newRow("rising between its neighbours") << 2 << three << 20 << 0x7250 << true << 0;
    QTest::newRow("equal to the lower neighbour") << 2 << three << 20 << 0x7100 << false << 10;
    QTest::newRow("equal to the higher neighbour") << 2 << three << 20 << 0x7300 << false << 30;
    QTest::newRow("falling below the lower neighbour") << 2 << three << 20 << 0x7000 << false << 10;
    QTest::newRow("above the higher neighbour") << 2 << three << 20 << 0x7400 << false << 30;
    QTest::newRow("new first point below") << 2 << three << 0 << 0x7000 << true << 0;
    QTest::newRow("new first point equal") << 2 << three << 0 << 0x7100 << false << 10;
    QTest::newRow("new last point above") << 2 << three << 40 << 0x7301 << true << 0;
    QTest::newRow("new last point falling") << 2 << three << 40 << 0x7000 << false << 30;
    QTest::newRow("first point re-saved rising") << 2 << three << 10 << 0x7000 << true << 0;
    QTest::newRow("first point re-saved too high") << 2 << three << 10 << 0x7200 << false << 20;
    QTest::newRow("last point re-saved rising") << 2 << three << 30 << 0x7201 << true << 0;
    QTest::newRow("last point re-saved equal") << 2 << three << 30 << 0x7200 << false << 20;
    QTest::newRow("50 below 40 of the default table")
        << 0 << QStringList{"30=0x8000", "40=0x83E8", "50=0x87D0", "60=0x8BB8"} << 50 << 0x8000 << false << 40;
    QTest::newRow("off the loaded grid: never loaded") << 2 << three << 25 << 0x6000 << true << 0;
    QTest::newRow("mends a broken row") << 2 << QStringList{"10=7100", "20=7000", "30=7300"} << 20 << 0x7200 << true << 0;
    // The end it anchors moves with it and stays beyond it.
    QTest::newRow("outer anchor of an end") << 0 << QStringList{"140=9C40", "150=A000", "160=a3c0"} << 140 << 0x9000
                                            << true << 0;
    QTest::newRow("inner anchor equal to the outer") << 0 << QStringList{"140=9C40", "150=A000", "160=a3c0"} << 150
                                                     << 0x9C40 << false << 140;
}

// The library needs the ADs to rise with the temperature: a point that
// breaks that order is refused and the file stays byte for byte.
void TestCalibTable::pointKeepsTheADsRising()
{
    QFETCH(int, range);
    QFETCH(QStringList, before);
    QFETCH(int, temperature);
    QFETCH(int, ad);
    QFETCH(bool, stored);
    QFETCH(int, neighbour);
    QVERIFY(m_root->writeFile(Table, tableText(QStringLiteral("BaseTemp=30"), before)));
    CalibTable sorted;
    QVERIFY(sorted.load(Table));
    sorted.recomputeParaSet();
    QVERIFY(sorted.save(Table));
    const QByteArray old = m_root->readFile(Table);
    CalibPoint::Neighbour clash;
    QString error;
    const CalibPoint::Outcome outcome = CalibPoint::save(Table, range, temperature, quint16(ad), &clash, &error);
    if (stored) {
        QCOMPARE(outcome, CalibPoint::Stored);
        CalibTable table;
        QVERIFY(table.load(Table));
        QCOMPARE(table.ad(temperature), CalibTable::adText(ad, true));
        return;
    }
    QCOMPARE(outcome, CalibPoint::OutOfOrder);
    QCOMPARE(clash.temperature, neighbour);
    QCOMPARE(clash.higher, neighbour > temperature);
    QVERIFY(!error.isEmpty());
    QCOMPARE(m_root->readFile(Table), old);
    QVERIFY(!CalibPoint::store(Table, range, temperature, quint16(ad)));
    QCOMPARE(m_root->readFile(Table), old);
}

void TestCalibTable::extensionRows_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::newRow("range 0 both ends") << 0 << QStringList{"-20=7200", "-10=7400", "140=9C40", "150=A000"}
                                       << QStringList{"-30", "160"} << "7000" << "a3c0";
    QTest::newRow("range 1 both ends, 409 truncated") << 1 << QStringList{"0=7800", "10=7A00", "350=C000", "400=C800"}
                                                      << QStringList{"-10", "410"} << "7600" << "c999";
    QTest::newRow("range 1 falling top skipped") << 1 << QStringList{"0=7800", "10=7A00", "350=C800", "400=C000"}
                                                 << QStringList{"-10"} << "7600" << "";
    QTest::newRow("ends already there") << 0 << QStringList{"-30=6000", "-20=7200", "-10=7400", "140=9C40", "150=A000", "160=B000"}
                                        << QStringList{} << "6000" << "B000";
    QTest::newRow("no 140: no 160") << 0 << QStringList{"-20=7200", "-10=7400", "150=A000"} << QStringList{"-30"} << "7000" << "";
    QTest::newRow("range 2 none") << 2 << QStringList{"-20=7200", "-10=7400", "140=9C40", "150=A000"} << QStringList{} << "" << "";
    QTest::newRow("-100 skipped") << 0 << QStringList{"-20=100", "-10=300"} << QStringList{} << "" << "";
}

void TestCalibTable::extensionRows()
{
    QFETCH(int, range);
    QFETCH(QStringList, points);
    QFETCH(QStringList, added);
    QFETCH(QString, low);
    QFETCH(QString, high);
    CalibTable table;
    for (const QString &p : points)
        table.setAd(p.section(QLatin1Char('='), 0, 0), p.section(QLatin1Char('='), 1));
    QCOMPARE(CalibEnds::addMissing(table, range), added);
    const QList<CalibEnds::End> ends = CalibEnds::ends(range);
    if (!ends.isEmpty()) {
        QCOMPARE(table.ad(ends.first().target), low);
        QCOMPARE(table.ad(ends.last().target), high);
    }
    QCOMPARE(table.rowCount(), points.size() + added.size());
}

void TestCalibTable::fitRange0Example()
{
    CalibTable source;
    source.setAd(0, QStringLiteral("7000"));
    source.setAd(90, QStringLiteral("9400"));
    source.setAd(150, QStringLiteral("b000"));
    CalibFit::Coefficients k;
    const CalibTable made = CalibFit::generate(source, 0, &k);
    QVERIFY(qAbs(k.a - 0.005688888) < 1e-8);
    QVERIFY(qAbs(k.b + 0.7395555) < 1e-6);
    QVERIFY(qAbs(k.c - 109.22663) < 1e-4);
    QCOMPARE(rows(made), (QStringList{"0=7000", "10=7622", "20=7b6c", "30=8000", "40=8400", "50=878e", "60=8acc",
                                      "70=8ddd", "80=90e3", "90=93ff", "100=9755", "110=9b05", "120=9f33", "130=a3ff",
                                      "140=a98e", "150=afff", "160=b777"}));
    QCOMPARE(made.value("ParaSet/TempNum").toInt(), 17);
    QCOMPARE(made.value("ParaSet/MaxAD").toString(), QStringLiteral("b777"));
    QVERIFY(!made.value("ParaSet/BaseTemp").isValid());
}

void TestCalibTable::fitRange1Example()
{
    CalibTable source;
    source.setAd(0, QStringLiteral("7000"));
    source.setAd(150, QStringLiteral("9800"));
    source.setAd(400, QStringLiteral("e000"));
    CalibFit::Coefficients k;
    CalibTable made = CalibFit::generate(source, 1, &k);
    QVERIFY(qAbs(k.a - 15.744384) < 1e-5);
    QVERIFY(qAbs(k.b + 0.71058835) < 1e-7);
    QVERIFY(qAbs(k.c - 113.79869) < 1e-4);
    QCOMPARE(rows(made), (QStringList{"0=7000", "10=75f3", "20=7b45", "30=8000", "40=842c", "50=87d4", "60=8b00",
                                      "70=8dbb", "80=900e", "90=9201", "100=93a0", "110=94f2", "120=9601", "130=96d8",
                                      "140=977f", "150=97ff", "200=9990", "250=9cef", "300=a6b9", "350=bb8a",
                                      "400=dfff", "410=e993"}));
    QVERIFY(made.save(CalibFit::generatedPath(0, 1)));
    QCOMPARE(CalibFit::generatedPath(0, 1), QStringLiteral("etc/new_calc_len0_temp1.conf"));
    bool sound = false;
    const TempInfoTab t = library(CalibFit::generatedPath(0, 1), &sound);
    QVERIFY(sound);
    QCOMPARE(int(t.num), 22);
}

void TestCalibTable::fitRange0CopiesTheLowRows()
{
    CalibTable source;
    source.setAd(-30, QStringLiteral("6A00"));
    source.setAd(-10, QStringLiteral("6E00"));
    source.setAd(0, QStringLiteral("7000"));
    source.setAd(90, QStringLiteral("9400"));
    source.setAd(150, QStringLiteral("b000"));
    CalibTable made = CalibFit::generate(source, 0);
    QCOMPARE(made.ad(-30), QStringLiteral("6A00"));
    QCOMPARE(made.ad(-10), QStringLiteral("6E00"));
    QVERIFY(!made.contains(-20));
    QCOMPARE(made.value("ParaSet/TempNum").toInt(), 19);
    QCOMPARE(made.value("ParaSet/MinTemp").toInt(), -30);
    QCOMPARE(made.value("ParaSet/MinAD").toString(), QStringLiteral("6A00"));
}

void TestCalibTable::fitsHoldTheirADs()
{
    // A steep falling source drives the fits outside 0..FFFF.
    CalibTable source;
    source.setAd(0, QStringLiteral("ff00"));
    source.setAd(90, QStringLiteral("100"));
    source.setAd(150, QStringLiteral("fff0"));
    source.setAd(400, QStringLiteral("0"));
    for (int range : {0, 1}) {
        const CalibTable made = CalibFit::generate(source, range);
        for (const CalibTable::Row &row : made.rows()) {
            bool ok = false;
            const qint64 ad = CalibTable::adValue(row.ad, &ok);
            QVERIFY2(ok && ad >= 0 && ad <= 0xFFFF, qPrintable(row.temp + QLatin1Char('=') + row.ad));
        }
    }
}

void TestCalibTable::missingSources_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("text");
    QTest::newRow("range 0 all there") << 0 << QStringList{"0", "90", "150"} << "";
    QTest::newRow("range 0 no 0 and 150") << 0 << QStringList{"90"} << "no temp: 0\nno temp: 150";
    QTest::newRow("range 0 no 150") << 0 << QStringList{"0", "90"} << "no temp: 150";
    QTest::newRow("range 0 none") << 0 << QStringList{} << "no temp: 0\nno temp: 90\nno temp: 150";
    QTest::newRow("range 1 checked too") << 1 << QStringList{"0", "400"} << "no temp: 150";
    QTest::newRow("range 1 all there") << 1 << QStringList{"0", "150", "400"} << "";
}

void TestCalibTable::missingSources()
{
    QFETCH(int, range);
    QFETCH(QStringList, present);
    QFETCH(QString, text);
    CalibTable source;
    for (const QString &t : present)
        source.setAd(t, QStringLiteral("8000"));
    QCOMPARE(CalibFit::missingText(source, range), text);
}

void TestCalibTable::logLine()
{
    QCOMPARE(TempTableLog::line(31.5f, 30.25f, 30.875f, 150, QStringLiteral("9c3f"), 0x9d01),
             QByteArray("31.5000\t30.2500\t30.8750\t150\t9c3f\t9d01\n"));
    // Each temperature field holds at most 9 characters, the line 200 bytes.
    const QByteArray wide = TempTableLog::line(1e30f, -123456.0f, 0.0f, -20, QString(500, QLatin1Char('f')), 0xFFFF);
    QVERIFY(wide.size() <= 200);
    QVERIFY(wide.endsWith("\tffff\n"));
    const QList<QByteArray> fields = wide.split('\t');
    QCOMPARE(fields.size(), 6);
    QCOMPARE(fields.at(0).size(), 9);
    QCOMPARE(fields.at(1), QByteArray("-123456.0"));
}

void TestCalibTable::logAppendsOnlyToAnExistingLog()
{
    const QByteArray line = TempTableLog::line(30.0f, 30.0f, 30.0f, 40, QStringLiteral("8100"), 0x8101);
    QVERIFY(!TempTableLog::append(line));
    QVERIFY(!QFileInfo::exists(TempTableLog::fileName()));
    QVERIFY(m_root->writeFile(TempTableLog::fileName(), "earlier\n"));
    QVERIFY(TempTableLog::append(line));
    QVERIFY(TempTableLog::append(line));
    QCOMPARE(m_root->readFile(TempTableLog::fileName()), "earlier\n" + line + line);
}

QTEST_GUILESS_MAIN(TestCalibTable)
#include "tst_calibtable.moc"
