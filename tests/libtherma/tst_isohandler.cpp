#include "colortables.h"
#include "isohandler.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace {
std::vector<_yuv_item> greyPalette()
{
    std::vector<_yuv_item> p(BOARD_PALETTE_ENTRIES, _yuv_item{0, 0, 0, 0});
    std::memcpy(p.data(), Grey_TAB, 256 * sizeof(_yuv_item));
    return p;
}

Isotherm isotherm(int type, const char *colour)
{
    Isotherm iso = ISOHandler::defaultIsotherm();
    iso.type = type;
    std::memset(iso.colour, 0, sizeof iso.colour);
    std::strncpy(iso.colour, colour, sizeof iso.colour - 1);
    return iso;
}

bool same(const _yuv_item &a, const _yuv_item &b)
{
    return a.y == b.y && a.u == b.u && a.v == b.v;
}
} // namespace

class TestIsoHandler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaults();
    void position_data();
    void position();
    void transBlendsTowardRed();
    void solidColourFillsTheBand();
    void emptyBandsColourNothing_data();
    void emptyBandsColourNothing();
    void unknownOrUnterminatedNameChangesNothing();
};

void TestIsoHandler::defaults()
{
    ISOHandler h;
    const Isotherm iso = h.getIsoInfo();
    QCOMPARE(iso.type, 1);
    QCOMPARE(iso.width, 6.0f);
    QCOMPARE(iso.centre, 20.0f);
    QCOMPARE(iso.lower, 20.0f);
    QCOMPARE(iso.upper, 30.0f);
    QCOMPARE(iso.bandKind, 0);
    QCOMPARE(iso.selector, 0);
    QCOMPARE(QByteArray(iso.colour), QByteArray("Trans"));
    QCOMPARE(h.upperIndex(), 0);
    QCOMPARE(h.lowerIndex(), 0);
}

void TestIsoHandler::position_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("lower");
    QTest::newRow("between whole palette") << 1 << 255 << 0 << 255 << 0;
    QTest::newRow("between clamps") << 1 << 256 << -1 << 255 << 0;
    QTest::newRow("above") << 2 << 100 << 7 << 255 << 100;
    QTest::newRow("above over the top") << 2 << 256 << 7 << 255 << 256;
    QTest::newRow("above below the bottom") << 2 << -1 << 7 << 255 << 0;
    QTest::newRow("below") << 0 << 100 << 60 << 60 << 0;
    QTest::newRow("below under the bottom") << 0 << 100 << -1 << -1 << 0;
    QTest::newRow("below over the top") << 0 << 100 << 256 << 255 << 0;
}

void TestIsoHandler::position()
{
    QFETCH(int, type);
    QFETCH(int, up);
    QFETCH(int, lo);
    QFETCH(int, upper);
    QFETCH(int, lower);
    ISOHandler h;
    h.setIsoInfo(isotherm(type, "Red"));
    h.setIsoPosition(up, lo);
    QCOMPARE(h.upperIndex(), upper);
    QCOMPARE(h.lowerIndex(), lower);
}

void TestIsoHandler::transBlendsTowardRed()
{
    ISOHandler h;
    h.setIsoInfo(isotherm(1, "Trans"));
    h.setIsoPosition(20, 10);
    auto p = greyPalette();
    const _yuv_item before11 = p[11];
    h.setIsoPalette(p.data());
    QVERIFY(same(p[9], Grey_TAB[9]));
    QVERIFY(same(p[21], Grey_TAB[21]));
    QCOMPARE(int(p[11].y), int(before11.y * 0.5 + 40.5));
    QCOMPARE(int(p[11].u), int(before11.u * 0.5 + 45.0));
    QCOMPARE(int(p[11].v), int(before11.v * 0.5 + 119.5));
    QVERIFY(same(p[258], _yuv_item{81, 90, 239, 0}));
    QVERIFY(same(p[259], Grey_TAB[0]));
    QVERIFY(same(p[260], Grey_TAB[255]));

    unsigned char black[3] = {16, 128, 128};
    h.calIsoColor(black, 10);
    QCOMPARE(int(black[0]), 48);
    QCOMPARE(int(black[1]), 109);
    QCOMPARE(int(black[2]), 183);
    unsigned char below[3] = {16, 128, 128};
    h.calIsoColor(below, 9);
    QCOMPARE(int(below[0]), 16);
}

void TestIsoHandler::solidColourFillsTheBand()
{
    ISOHandler h;
    h.setIsoInfo(isotherm(1, "Green"));
    h.setIsoPosition(255, 0);
    auto p = greyPalette();
    h.setIsoPalette(p.data());
    for (int i = 0; i < 256; ++i)
        QVERIFY(same(p[i], _yuv_item{145, 54, 34, 0}));
    QVERIFY(same(p[258], _yuv_item{145, 54, 34, 0}));
    QVERIFY(same(p[259], Grey_TAB[0]));
}

void TestIsoHandler::emptyBandsColourNothing_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("lo");
    QTest::newRow("above with the upper edge over the table") << 2 << 256 << 5;
    QTest::newRow("below with the lower edge under the table") << 0 << 10 << -1;
    QTest::newRow("between reversed") << 1 << 40 << 80;
    QTest::newRow("above far out of range") << 2 << 100000 << 0;
}

void TestIsoHandler::emptyBandsColourNothing()
{
    QFETCH(int, type);
    QFETCH(int, up);
    QFETCH(int, lo);
    for (const char *colour : {"Trans", "Blue"}) {
        ISOHandler h;
        h.setIsoInfo(isotherm(type, colour));
        h.setIsoPosition(up, lo);
        auto p = greyPalette();
        h.setIsoPalette(p.data());
        for (int i = 0; i < 256; ++i)
            QVERIFY2(same(p[i], Grey_TAB[i]), colour);
    }
}

void TestIsoHandler::unknownOrUnterminatedNameChangesNothing()
{
    ISOHandler h;
    Isotherm iso = isotherm(1, "Purple");
    h.setIsoInfo(iso);
    h.setIsoPosition(255, 0);
    auto p = greyPalette();
    h.setIsoPalette(p.data());
    for (int i = 0; i < 256; ++i)
        QVERIFY(same(p[i], Grey_TAB[i]));
    QVERIFY(same(p[258], _yuv_item{0, 0, 0, 0}));

    // Twelve bytes of name with no terminator: read within the field only.
    std::memset(iso.colour, 'R', sizeof iso.colour);
    h.setIsoInfo(iso);
    QCOMPARE(std::strlen(h.getIsoInfo().colour), sizeof iso.colour - 1);
    h.setIsoPalette(p.data());
    QVERIFY(same(p[100], Grey_TAB[100]));
    h.setIsoPalette(nullptr);
}

QTEST_GUILESS_MAIN(TestIsoHandler)
#include "tst_isohandler.moc"
