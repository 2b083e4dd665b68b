#include "colortables.h"
#include "frontfixture.h"

#include <QtTest>

#include <cstring>

// Palettes and the isotherm through the front: what reaches the board's
// palette and isotherm registers.
class TestFpgaIso : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void standardPalettes_data();
    void standardPalettes();
    void badPaletteIndices_data();
    void badPaletteIndices();
    void customPalette();
    void isothermBands_data();
    void isothermBands();
    void transBlendsTowardRed();
    void paletteFractions();
    void levelSpanFractions();
    void dewPointBand();
    void settingTheIsotherm();
    void newLevelAndSpanMoveTheBand();

private:
    _yuv_item boardEntry(int i) const;
    Isotherm iso(int type, float lower, float upper, const char *colour = "Red") const;
    std::unique_ptr<FrontFixture> m_f;
    FPGA *m_front = nullptr;
};

namespace {

bool sameColour(const _yuv_item &a, const _yuv_item &b)
{
    return a.y == b.y && a.u == b.u && a.v == b.v;
}

const _yuv_item Red{81, 90, 239, 0};

} // namespace

void TestFpgaIso::init()
{
    m_f = std::make_unique<FrontFixture>(false);
    m_front = &m_f->start();
}

void TestFpgaIso::cleanup()
{
    m_front = nullptr;
    m_f.reset();
}

_yuv_item TestFpgaIso::boardEntry(int i) const
{
    const QByteArray p = m_f->board->palette();
    _yuv_item e{};
    std::memcpy(&e, p.constData() + 4 * i, 4);
    return e;
}

Isotherm TestFpgaIso::iso(int type, float lower, float upper, const char *colour) const
{
    Isotherm i = ISOHandler::defaultIsotherm();
    i.type = type;
    i.selector = 1;
    i.lower = lower;
    i.upper = upper;
    std::strncpy(i.colour, colour, sizeof i.colour - 1);
    return i;
}

void TestFpgaIso::standardPalettes_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < color_size; ++i)
        QTest::addRow("%d", i) << i;
}

void TestFpgaIso::standardPalettes()
{
    QFETCH(int, index);
    QCOMPARE(m_front->setStandardPaletteIndex(index), 0);
    QCOMPARE(m_front->getPaletteIndex(), index);
    const QByteArray p = m_f->board->palette();
    QCOMPARE(p.size(), 1044);
    QCOMPARE(std::memcmp(p.constData(), color_tables_yuv[index], 1024), 0);
    // The tables' two extra entries are not copied; the isotherm entries
    // stay clear while it is off.
    QCOMPARE(p.mid(1024), QByteArray(20, '\0'));
    QCOMPARE(std::memcmp(m_front->getCurrentPalette(), color_tables_yuv[index], 1024), 0);
    QCOMPARE(m_front->getColorTable(index), color_tables_yuv[index]);
}

void TestFpgaIso::badPaletteIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("9") << 9;
    QTest::newRow("1000") << 1000;
}

void TestFpgaIso::badPaletteIndices()
{
    QFETCH(int, index);
    QCOMPARE(m_front->setStandardPaletteIndex(COLOR_RAINBOW), 0);
    const int uploads = m_f->board->paletteUploads();
    QCOMPARE(m_front->setStandardPaletteIndex(index), -1);
    QCOMPARE(m_front->getPaletteIndex(), int(COLOR_RAINBOW));
    QCOMPARE(m_f->board->paletteUploads(), uploads);
    QCOMPARE(std::memcmp(m_front->getCurrentPalette(), Rainbow_TAB, 1024), 0);
    QVERIFY(!m_front->getColorTable(index));
}

void TestFpgaIso::customPalette()
{
    _yuv_item ramp[256];
    for (int i = 0; i < 256; ++i)
        ramp[i] = _yuv_item{uint8_t(i), uint8_t(255 - i), 7, 0};
    QCOMPARE(m_front->setCustomPalette(ramp), 0);
    QCOMPARE(m_front->getPaletteIndex(), 8);
    QCOMPARE(std::memcmp(m_f->board->palette().constData(), ramp, 1024), 0);

    const int uploads = m_f->board->paletteUploads();
    QCOMPARE(m_front->setCustomPalette(nullptr, 256), -1);
    QCOMPARE(m_front->setCustomPalette(ramp, 255), -1);
    QCOMPARE(m_f->board->paletteUploads(), uploads);
    QCOMPARE(m_front->setStandardPaletteIndex(COLOR_IRON), 0);
    QCOMPARE(m_front->setCustomPalette(ramp, 300), 0);
    QCOMPARE(m_front->getPaletteIndex(), 8);
}

void TestFpgaIso::isothermBands_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("lower");
    QTest::addColumn<float>("upper");
    QTest::addColumn<QByteArray>("colour");
    QTest::addColumn<int>("first");     // first coloured entry, -1 for none
    QTest::addColumn<int>("last");
    // Scale: level at 20 degC, span up to 30 degC.
    QTest::newRow("between, the whole scale") << 1 << 20.0f << 30.0f << QByteArray("Red") << 0 << 255;
    QTest::newRow("between, the middle") << 1 << 22.0f << 28.0f << QByteArray("Red") << -2 << -2;
    QTest::newRow("between, wider than the scale") << 1 << 0.0f << 100.0f << QByteArray("Red") << 0 << 255;
    QTest::newRow("above, upper beyond the table") << 2 << 20.0f << 5000.0f << QByteArray("Red") << -1 << -1;
    QTest::newRow("above 25") << 2 << 22.0f << 25.0f << QByteArray("Red") << -2 << 255;
    QTest::newRow("below, lower beneath the table") << 0 << -100.0f << 28.0f << QByteArray("Red") << -1 << -1;
    QTest::newRow("below 25") << 0 << 25.0f << 28.0f << QByteArray("Red") << 0 << -2;
    QTest::newRow("unknown colour") << 1 << 20.0f << 30.0f << QByteArray("Mauve") << -1 << -1;
    QTest::newRow("unterminated colour name") << 1 << 20.0f << 30.0f << QByteArray("Redxxxxxxxxxxxxx") << -1 << -1;
}

void TestFpgaIso::isothermBands()
{
    QFETCH(int, type);
    QFETCH(float, lower);
    QFETCH(float, upper);
    QFETCH(QByteArray, colour);
    QFETCH(int, first);
    QFETCH(int, last);
    QCOMPARE(m_front->setStandardPaletteIndex(COLOR_GREY), 0);
    m_front->setLevelSpanMode(MODE_MANUAL);
    QCOMPARE(m_front->handLevelSpan(20.0f, 30.0f), 1);
    Isotherm i = iso(type, lower, upper);
    std::memcpy(i.colour, colour.constData(), std::min<size_t>(sizeof i.colour, size_t(colour.size()) + 1));
    m_front->setIsoPara(i);
    m_f->board->clearWrites();
    QCOMPARE(m_front->setIsoSwitch(true), 0);
    QCOMPARE(m_f->board->registerByte(0x200), uint8_t(1));

    const int L = m_front->level();
    const int S = m_front->span();
    const auto indexAt = [L, S](float t, const TempHandler &h) { return int((h.irTemp2AD(t).ad - L) * 255.0 / S); };
    const TempHandler &h = m_front->tempModel().systemHandler();
    if (first == -2)
        first = indexAt(type == 2 ? upper : lower, h);
    if (last == -2)
        last = indexAt(type == 0 ? lower : upper, h);
    const bool known = colour == "Red";
    for (int e = 0; e < 256; ++e) {
        const bool inBand = first >= 0 && e >= first && e <= last;
        QVERIFY2(sameColour(boardEntry(e), inBand ? Red : Grey_TAB[e]), qPrintable(QString::number(e)));
    }
    QVERIFY(sameColour(boardEntry(258), known ? Red : _yuv_item{0, 0, 0, 0}));
    QVERIFY(sameColour(boardEntry(259), Grey_TAB[0]));
    QVERIFY(sameColour(boardEntry(260), Grey_TAB[255]));
    // The kept palette stays plain.
    QCOMPARE(std::memcmp(m_front->getCurrentPalette(), Grey_TAB, 1024), 0);
    QCOMPARE(m_f->board->registerWord(0x202), m_front->isoLowerReading().ad);
    QCOMPARE(m_f->board->registerWord(0x204), m_front->isoUpperReading().ad);
}

void TestFpgaIso::transBlendsTowardRed()
{
    QCOMPARE(m_front->setStandardPaletteIndex(COLOR_GREY), 0);
    m_front->handLevelSpan(20.0f, 30.0f);
    m_front->setIsoPara(iso(0, 22.0f, 28.0f, "Trans"));
    QCOMPARE(m_front->setIsoSwitch(true), 0);
    QVERIFY(sameColour(boardEntry(0), _yuv_item{48, 109, 183, 0}));
    QVERIFY(sameColour(boardEntry(258), Red));
    QVERIFY(sameColour(boardEntry(255), Grey_TAB[255]));
}

void TestFpgaIso::paletteFractions()
{
    m_front->setStandardPaletteIndex(COLOR_IRON);
    Isotherm i = iso(1, 0, 0);
    i.bandKind = 1;
    i.lowerFraction = 0.25f;
    i.upperFraction = 0.75f;
    m_front->setIsoPara(i);
    m_f->board->clearWrites();
    m_front->setIsoSwitch(true);
    QCOMPARE(m_front->isoHandler().lowerIndex(), 63);
    QCOMPARE(m_front->isoHandler().upperIndex(), 191);
    QVERIFY(m_f->board->writesTo(0x202).isEmpty());
    QVERIFY(m_f->board->writesTo(0x204).isEmpty());
    // Fractions beyond the palette are clamped, not wrapped.
    i.lowerFraction = -3.0f;
    i.upperFraction = std::nanf("");
    m_front->setIsoPara(i);
    m_front->palette_cal();
    QCOMPARE(m_front->isoHandler().lowerIndex(), 0);
    QCOMPARE(m_front->isoHandler().upperIndex(), 0);
}

void TestFpgaIso::levelSpanFractions()
{
    m_front->setStandardPaletteIndex(COLOR_IRON);
    m_front->handLevelSpan(20.0f, 30.0f);
    Isotherm i = iso(1, 24.0f, 26.0f);
    i.bandKind = 2;
    i.lowerFraction = 0.0f;
    i.upperFraction = 0.5f;
    m_front->setIsoPara(i);
    m_front->setLevelSpanMode(MODE_AUTO);
    m_front->setIsoSwitch(true);
    QCOMPARE(m_front->isoLowerReading().ad, m_front->level());
    QCOMPARE(int(m_front->isoUpperReading().ad), m_front->level() + m_front->span() / 2);
    QCOMPARE(m_front->isoHandler().lowerIndex(), 0);
    QCOMPARE(m_front->isoHandler().upperIndex(), 127);
    // In manual mode the band is the temperatures.
    m_front->setLevelSpanMode(MODE_MANUAL);
    m_front->palette_cal();
    const TempHandler &h = m_front->tempModel().systemHandler();
    QCOMPARE(m_front->isoLowerReading().ad, h.irTemp2AD(24.0f).ad);
    QCOMPARE(m_front->isoUpperReading().ad, h.irTemp2AD(26.0f).ad);
    QCOMPARE(m_f->board->registerWord(0x204), h.irTemp2AD(26.0f).ad);
}

void TestFpgaIso::dewPointBand()
{
    m_front->setEnvTemp(25.0f);
    m_front->setHumid(0.6f);
    Isotherm i = iso(1, 0, 0);
    i.bandKind = 3;
    m_front->setIsoPara(i);
    m_front->setIsoSwitch(true);
    const TempHandler &h = m_front->tempModel().systemHandler();
    const float dew = h.getDewpoint();
    QVERIFY(dew > 15.0f && dew < 18.0f);
    QCOMPARE(m_front->isoLowerReading().ad, h.irTemp2AD(dew).ad);
    QCOMPARE(m_front->isoUpperReading().ad, h.irTemp2AD(dew).ad);
    QVERIFY(FrontFixture::statusIs(m_front->isoLowerReading(), "OK"));
}

void TestFpgaIso::settingTheIsotherm()
{
    const int uploads = m_f->board->paletteUploads();
    Isotherm i = ISOHandler::defaultIsotherm();
    i.type = 2;
    i.centre = 30.0f;
    i.width = 4.0f;
    m_front->setIsoPara(i);
    QCOMPARE(m_f->board->registerByte(0x201), uint8_t(2));
    QCOMPARE(m_f->board->paletteUploads(), uploads);
    const TempHandler &h = m_front->tempModel().systemHandler();
    QCOMPARE(m_front->isoLowerReading().ad, h.irTemp2AD(28.0f).ad);
    QCOMPARE(m_front->isoUpperReading().ad, h.irTemp2AD(32.0f).ad);
    QCOMPARE(m_front->getIsoPara().type, 2);
    i.type = 258;
    m_front->setIsoPara(i);
    QCOMPARE(m_f->board->registerByte(0x201), uint8_t(2));
    QCOMPARE(QByteArray(m_front->getIsoPara().colour), QByteArray("Trans"));
    QVERIFY(!m_front->getIsoSwitch());
    m_front->setIsoSwitch(true);
    QVERIFY(m_front->getIsoSwitch());
    m_front->setIsoSwitch(false);
    QCOMPARE(m_f->board->registerByte(0x200), uint8_t(0));
    QCOMPARE(m_f->board->palette().mid(1024), QByteArray(20, '\0'));
}

void TestFpgaIso::newLevelAndSpanMoveTheBand()
{
    m_front->setStandardPaletteIndex(COLOR_IRON);
    m_front->calcLevelSpan(MODE_AUTO, false);
    int uploads = m_f->board->paletteUploads();
    m_front->calcLevelSpan(MODE_AUTO, true);
    m_front->handLevelSpan(20.0f, 30.0f);
    QCOMPARE(m_f->board->paletteUploads(), uploads);

    m_front->setIsoPara(iso(1, 24.0f, 26.0f));
    m_front->setIsoSwitch(true);
    const int narrowLower = m_front->isoHandler().lowerIndex();
    uploads = m_f->board->paletteUploads();
    m_front->handLevelSpan(0.0f, 100.0f);
    QCOMPARE(m_f->board->paletteUploads(), uploads + 1);
    QVERIFY(m_front->isoHandler().lowerIndex() != narrowLower);
    m_front->calcLevelSpan(MODE_AUTO, true);
    QCOMPARE(m_f->board->paletteUploads(), uploads + 2);
}

QTEST_GUILESS_MAIN(TestFpgaIso)
#include "tst_fpgaiso.moc"
