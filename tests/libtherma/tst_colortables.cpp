#include "colortables.h"

#include <QtTest>

#include <cstdlib>

class TestColorTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void referenceEntries_data();
    void referenceEntries();
    void studioTablesFollowTheirRgb();
    void featherRoundTrips();
    void medicalIsFullRangeWithRedAndBlueExchanged();
    void fixedTailEntries();
};

void TestColorTables::referenceEntries_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("u");
    QTest::addColumn<int>("v");
    QTest::newRow("grey black") << 2 << 0 << 16 << 128 << 128;
    QTest::newRow("grey white") << 2 << 255 << 235 << 128 << 128;
    QTest::newRow("grey inverted white") << 3 << 0 << 235 << 128 << 128;
    QTest::newRow("grey inverted black") << 3 << 255 << 16 << 128 << 128;
    QTest::newRow("iron 0") << 0 << 0 << 16 << 128 << 128;
    QTest::newRow("iron 128") << 0 << 128 << 103 << 122 << 201;
    QTest::newRow("iron 255") << 0 << 255 << 233 << 123 << 129;
    QTest::newRow("hot cold start") << 6 << 0 << 40 << 239 << 109;
    QTest::newRow("feather 0") << 7 << 0 << 16 << 128 << 128;
    QTest::newRow("feather 64") << 7 << 64 << 93 << 195 << 71;
    QTest::newRow("feather 128") << 7 << 128 << 175 << 36 << 136;
    QTest::newRow("feather 192") << 7 << 192 << 101 << 115 << 221;
    QTest::newRow("feather 255") << 7 << 255 << 230 << 106 << 131;
    QTest::newRow("medical 0") << 8 << 0 << 0 << 128 << 128;
    QTest::newRow("medical 1") << 8 << 1 << 1 << 128 << 128;
    QTest::newRow("medical 64") << 8 << 64 << 24 << 208 << 123;
    QTest::newRow("medical 128") << 8 << 128 << 84 << 105 << 68;
    QTest::newRow("medical 192") << 8 << 192 << 125 << 57 << 197;
    QTest::newRow("medical 254") << 8 << 254 << 253 << 128 << 128;
    QTest::newRow("medical 255") << 8 << 255 << 255 << 128 << 128;
}

void TestColorTables::referenceEntries()
{
    QFETCH(int, table);
    QFETCH(int, index);
    QFETCH(int, y);
    QFETCH(int, u);
    QFETCH(int, v);
    const _yuv_item e = color_tables_yuv[table][index];
    QCOMPARE(int(e.y), y);
    QCOMPARE(int(e.u), u);
    QCOMPARE(int(e.v), v);
    QCOMPARE(int(e.pad), 0);
}

void TestColorTables::studioTablesFollowTheirRgb()
{
    for (int t = 0; t < COLOR_FEATHER; ++t) {
        for (int i = 0; i < 256; ++i) {
            const _rgb_item c = color_tables_rgb[t][i];
            int y, u, v;
            paletteRgbToYuv(c.r, c.g, c.b, &y, &u, &v);
            const _yuv_item e = color_tables_yuv[t][i];
            QVERIFY2(std::abs(y - e.y) <= 1 && std::abs(u - e.u) <= 1 && std::abs(v - e.v) <= 1,
                     qPrintable(QStringLiteral("table %1 entry %2").arg(t).arg(i)));
            QVERIFY(e.y >= 16 && e.y <= 235);
        }
    }
}

void TestColorTables::featherRoundTrips()
{
    for (int i = 0; i < 256; ++i) {
        const _yuv_item e = Feather_TAB[i];
        int r, g, b;
        paletteYuvToRgb(e.y, e.u, e.v, &r, &g, &b);
        const _rgb_item c = Feather_TAB_rgb[i];
        QVERIFY2(std::abs(r - c.r) <= 1 && std::abs(g - c.g) <= 1 && std::abs(b - c.b) <= 1,
                 qPrintable(QStringLiteral("entry %1: %2 %3 %4 vs %5 %6 %7").arg(i).arg(r).arg(g).arg(b).arg(c.r).arg(c.g).arg(c.b)));
    }
}

void TestColorTables::medicalIsFullRangeWithRedAndBlueExchanged()
{
    const _yuv_item *medical = color_tables_yuv[COLOR_MEDICAL];
    for (int i = 0; i < 256; ++i) {
        int r, g, b;
        paletteYuvToRgb(medical[i].y, medical[i].u, medical[i].v, &r, &g, &b);
        const _rgb_item c = Medical_TAB_rgb[i];
        QVERIFY(std::abs(qBound(0, b, 255) - c.r) <= 17);
        QVERIFY(std::abs(qBound(0, g, 255) - c.g) <= 17);
        QVERIFY(std::abs(qBound(0, r, 255) - c.b) <= 17);
    }
}

void TestColorTables::fixedTailEntries()
{
    for (int t = 0; t < color_size; ++t) {
        QCOMPARE(int(color_tables_yuv[t][256].y), 143);
        QCOMPARE(int(color_tables_yuv[t][256].u), 153);
        QCOMPARE(int(color_tables_yuv[t][256].v), 124);
        QCOMPARE(int(color_tables_yuv[t][257].y), 150);
        QCOMPARE(int(color_tables_yuv[t][257].u), 58);
        QCOMPARE(int(color_tables_yuv[t][257].v), 40);
    }
}

QTEST_GUILESS_MAIN(TestColorTables)
#include "tst_colortables.moc"
