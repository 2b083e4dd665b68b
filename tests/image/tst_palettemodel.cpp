#include "colortables.h"
#include "custompaletterecord.h"
#include "ecolorrect.h"
#include "ecolortablerect.h"
#include "imagefixture.h"

#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QtTest>

// The palette record, its table and YUV form, the colour bar's choice of
// palette at start and its painting, and the preview strip.
class TstPaletteModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void yuvConversions_data();
    void yuvConversions();
    void ramps();
    void quarterAnchors();
    void oneReaderDefaultsToGrey();
    void malformedRecords_data();
    void malformedRecords();
    void editorRecordBuildsExactly();
    void temperatureOfPosition();
    void startPalette_data();
    void startPalette();
    void customPaletteUploaded();
    void refusedUploadIsLogged();
    void barPainting();
    void tablesAreCopied();
    void previewStrip();
};

void TstPaletteModel::yuvConversions_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("u");
    QTest::addColumn<int>("v");
    QTest::newRow("white") << 255 << 255 << 255 << 235 << 128 << 128;
    QTest::newRow("black") << 0 << 0 << 0 << 16 << 128 << 128;
    QTest::newRow("grey") << 128 << 128 << 128 << 125 << 128 << 128;
    QTest::newRow("red") << 255 << 0 << 0 << 81 << 90 << 239;
}

void TstPaletteModel::yuvConversions()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, y);
    QFETCH(int, u);
    QFETCH(int, v);
    int oy, ou, ov;
    EColorRect::rgbToYuv(r, g, b, &oy, &ou, &ov);
    QCOMPARE(QList<int>({oy, ou, ov}), QList<int>({y, u, v}));
    RgbTable table;
    table.fill(_rgb_item{uint8_t(r), uint8_t(g), uint8_t(b), 0});
    const YuvTable yuv = CustomPaletteRecord::toYuv(table);
    QCOMPARE(QList<int>({yuv[200].y, yuv[200].u, yuv[200].v, yuv[200].pad}), QList<int>({y, u, v, 0}));
}

void TstPaletteModel::ramps()
{
    // Red to blue: hue rises as a plain number, through yellow and cyan,
    // never through magenta.
    RgbTable table{};
    bool anchors[256] = {};
    table[0] = {255, 0, 0, 0};
    table[255] = {0, 0, 255, 0};
    anchors[0] = anchors[255] = true;
    CustomPaletteRecord::lineGradient(table.data(), anchors);
    for (int k = 1; k < 255; ++k) {
        const QColor c(table[k].r, table[k].g, table[k].b);
        QVERIFY2(qAbs(c.hsvHue() - 240 * k / 255) <= 1, qPrintable(QString::number(k)));
    }
    QCOMPARE(QColor(table[0].r, table[0].g, table[0].b), QColor(255, 0, 0));

    // Black counts as hue 0: a quarter of the way to blue is yellow, half
    // way green.
    RgbTable dark{};
    dark[0] = {0, 0, 0, 0};
    dark[4] = {0, 0, 255, 0};
    bool ends[256] = {};
    ends[0] = ends[4] = true;
    CustomPaletteRecord::lineGradient(dark.data(), ends);
    QCOMPARE(QColor(dark[1].r, dark[1].g, dark[1].b).hsvHue(), 60);
    QCOMPARE(QColor(dark[2].r, dark[2].g, dark[2].b).hsvHue(), 120);

    // Adjacent anchors keep their colours and nothing lies between.
    RgbTable pair{};
    pair[10] = {1, 2, 3, 0};
    pair[11] = {200, 100, 50, 0};
    bool two[256] = {};
    two[10] = two[11] = true;
    CustomPaletteRecord::calcColor(pair.data(), 10, 11);
    QCOMPARE(int(pair[11].r), 200);
    QCOMPARE(int(pair[10].b), 3);
}

void TstPaletteModel::quarterAnchors()
{
    TestRoot root;
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.beginGroup(QStringLiteral("CustomPalette/Name3"));
    settings.setValue(QStringLiteral("OneQuarterEnable"), 1);
    settings.setValue(QStringLiteral("TwoQuarterEnable"), 0);
    settings.setValue(QStringLiteral("ThreeQuarterEnable"), 1);
    settings.setValue(QStringLiteral("Point1_Red"), 255);
    settings.setValue(QStringLiteral("Point1_Green"), 0);
    settings.setValue(QStringLiteral("Point1_Blue"), 0);
    settings.setValue(QStringLiteral("Point2_Red"), 200);
    settings.setValue(QStringLiteral("Point2_Green"), 0);
    settings.setValue(QStringLiteral("Point2_Blue"), 200);
    settings.setValue(QStringLiteral("Point3_Red"), 0);
    settings.setValue(QStringLiteral("Point3_Green"), 0);
    settings.setValue(QStringLiteral("Point3_Blue"), 255);
    settings.endGroup();
    const RgbTable table = CustomPaletteRecord::read(settings, 3).table();
    QCOMPARE(QColor(table[64].r, table[64].g, table[64].b), QColor(255, 0, 0));
    QCOMPARE(QColor(table[192].r, table[192].g, table[192].b), QColor(0, 0, 255));
    // Anchor 2 is off: its magenta never shows, the ramp runs red to blue
    // through green.
    QCOMPARE(QColor(table[128].r, table[128].g, table[128].b), QColor(0, 255, 0));
}

void TstPaletteModel::oneReaderDefaultsToGrey()
{
    // An unedited palette looks the same in the list and after a restart.
    TestRoot root;
    const RgbTable table = CustomPaletteRecord::read(4).table();
    for (const _rgb_item &entry : table)
        QCOMPARE(QList<int>({entry.r, entry.g, entry.b, entry.pad}), QList<int>({128, 128, 128, 0}));
}

void TstPaletteModel::malformedRecords_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<QList<int>>("firstColour");
    QTest::addColumn<QList<int>>("enables");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::newRow("positions beyond the table")
        << QByteArray("OneQuarterPosition=0\nTwoQuarterPosition=255\nThreeQuarterPosition=-4000\n")
        << QList<int>{64, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("repeated position")
        << QByteArray("OneQuarterPosition=100\nTwoQuarterPosition=100\nThreeQuarterPosition=200\n")
        << QList<int>{64, 128, 200} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("out of order")
        << QByteArray("OneQuarterPosition=10\nTwoQuarterPosition=250\nThreeQuarterPosition=20\n")
        << QList<int>{10, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("components beyond a byte, odd enables")
        << QByteArray("Point0_Red=300\nPoint0_Green=-7\nPoint0_Blue=abc\nOneQuarterEnable=5\nTwoQuarterEnable=x\n")
        << QList<int>{64, 128, 192} << QList<int>{255, 0, 128} << QList<int>{1, 0, 0} << "0.0" << "50.0";
    QTest::newRow("temperatures not numbers")
        << QByteArray("T_Min=cold\nT_Max=40.0\n")
        << QList<int>{64, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("temperatures reversed")
        << QByteArray("T_Min=40.0\nT_Max=10.0\n")
        << QList<int>{64, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("temperatures too close")
        << QByteArray("T_Min=10.0\nT_Max=10.5\n")
        << QList<int>{64, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "0.0" << "50.0";
    QTest::newRow("temperatures fine")
        << QByteArray("T_Min=-5.5\nT_Max=80.0\n")
        << QList<int>{64, 128, 192} << QList<int>{128, 128, 128} << QList<int>{0, 0, 0} << "-5.5" << "80.0";
}

void TstPaletteModel::malformedRecords()
{
    QFETCH(QByteArray, record);
    QFETCH(QList<int>, positions);
    QFETCH(QList<int>, firstColour);
    QFETCH(QList<int>, enables);
    QFETCH(QString, min);
    QFETCH(QString, max);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[CustomPalette]\nName/Name1=Hand\n\n[CustomPalette/Name1]\n" + record));
    const CustomPaletteRecord r = CustomPaletteRecord::read(1);
    QCOMPARE(QList<int>({r.position(0), r.position(1), r.position(2)}), positions);
    QCOMPARE(QList<int>({r.point(0).r, r.point(0).g, r.point(0).b}), firstColour);
    QCOMPARE(QList<int>({int(r.enabled(0)), int(r.enabled(1)), int(r.enabled(2))}), enables);
    QCOMPARE(r.minText(), min);
    QCOMPARE(r.maxText(), max);
    // Whatever the file held, the table is built inside its bounds.
    const RgbTable table = r.table();
    QCOMPARE(int(table[0].r), firstColour.at(0));
}

void TstPaletteModel::editorRecordBuildsExactly()
{
    // What the editor writes passes through unchanged.
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"),
                           "[CustomPalette/Name2]\nT_Max=120.0\nT_Min=20.0\nOneQuarterPosition=1\nTwoQuarterPosition=2\n"
                           "ThreeQuarterPosition=254\nOneQuarterEnable=1\nTwoQuarterEnable=1\nThreeQuarterEnable=1\n"
                           "Point0_Red=0\nPoint0_Green=0\nPoint0_Blue=0\nPoint1_Red=10\nPoint1_Green=20\nPoint1_Blue=30\n"
                           "Point2_Red=40\nPoint2_Green=50\nPoint2_Blue=60\nPoint3_Red=70\nPoint3_Green=80\nPoint3_Blue=90\n"
                           "Point4_Red=255\nPoint4_Green=255\nPoint4_Blue=255\n"));
    const CustomPaletteRecord r = CustomPaletteRecord::read(2);
    QCOMPARE(QList<int>({r.position(0), r.position(1), r.position(2)}), QList<int>({1, 2, 254}));
    QCOMPARE(r.minTemp(), 20.0f);
    QCOMPARE(r.maxTemp(), 120.0f);
    const RgbTable table = r.table();
    QCOMPARE(QList<int>({table[1].r, table[2].g, table[254].b, table[255].r}), QList<int>({10, 50, 90, 255}));
}

void TstPaletteModel::temperatureOfPosition()
{
    QCOMPARE(CustomPaletteRecord::temperatureAt(0.0f, 50.0f, 0), QStringLiteral("0.0"));
    QCOMPARE(CustomPaletteRecord::temperatureAt(0.0f, 50.0f, 64), QStringLiteral("12.5"));
    QCOMPARE(CustomPaletteRecord::temperatureAt(0.0f, 50.0f, 255), QStringLiteral("49.8"));
    QCOMPARE(CustomPaletteRecord::temperatureAt(-20.0f, 150.0f, 128), QStringLiteral("65.0"));
}

void TstPaletteModel::startPalette_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("boardIndex");
    QTest::addColumn<int>("table");
    QTest::newRow("no keys: Iron") << QByteArray("[General]\nLang=en\n") << int(COLOR_IRON) << int(COLOR_IRON);
    QTest::newRow("stored Rainbow") << QByteArray("[General]\nColorTable_Mode=Standard\nStandard_ColorTable_Index=1\n")
                                    << int(COLOR_RAINBOW) << int(COLOR_RAINBOW);
    QTest::newRow("index beyond the tables")
        << QByteArray("[General]\nColorTable_Mode=Standard\nStandard_ColorTable_Index=42\n") << int(COLOR_IRON) << int(COLOR_IRON);
    QTest::newRow("negative index") << QByteArray("[General]\nStandard_ColorTable_Index=-3\n") << int(COLOR_IRON) << int(COLOR_IRON);
    QTest::newRow("index not a number") << QByteArray("[General]\nStandard_ColorTable_Index=hot\n") << int(COLOR_IRON) << int(COLOR_IRON);
    QTest::newRow("Medical") << QByteArray("[General]\nStandard_ColorTable_Index=8\n") << int(COLOR_MEDICAL) << int(COLOR_MEDICAL);
}

void TstPaletteModel::startPalette()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, boardIndex);
    QFETCH(int, table);
    ImageFixture f(settings);
    QGraphicsScene scene;
    const int uploads = f.board().paletteUploads();
    EColorRect bar(&scene, 299, 56, 16, 128);
    QCOMPARE(f.fpga->getPaletteIndex(), boardIndex);
    QVERIFY(f.board().paletteUploads() > uploads);
    const QByteArray palette = f.board().palette();
    for (int k : {0, 77, 255}) {
        const _yuv_item expected = color_tables_yuv[boardIndex][k];
        QCOMPARE(QList<int>({uint8_t(palette[4 * k]), uint8_t(palette[4 * k + 1]), uint8_t(palette[4 * k + 2])}),
                 QList<int>({expected.y, expected.u, expected.v}));
    }
    const RgbTable rgb = bar.getColorTable();
    if (table != COLOR_MEDICAL) {
        QVERIFY(std::equal(rgb.begin(), rgb.end(), color_tables_rgb[table],
                           [](const _rgb_item &a, const _rgb_item &b) { return a.r == b.r && a.g == b.g && a.b == b.b; }));
    } else {
        // The bar shows the board's Medical colours, not the swapped table.
        for (int k : {0, 100, 255}) {
            int r, g, b;
            EColorRect::yuvToRgb(color_tables_yuv[COLOR_MEDICAL][k].y, color_tables_yuv[COLOR_MEDICAL][k].u,
                                 color_tables_yuv[COLOR_MEDICAL][k].v, &r, &g, &b);
            QCOMPARE(QList<int>({rgb[k].r, rgb[k].g, rgb[k].b}),
                     QList<int>({qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255)}));
        }
    }
    // Stored Rainbow: the bar paints Rainbow once it is shown.
    bar.calPalette(true);
    const QColor bottom = bar.lines().first()->pen().color();
    QCOMPARE(QList<int>({bottom.red(), bottom.green(), bottom.blue()}), QList<int>({rgb[0].r, rgb[0].g, rgb[0].b}));
}

void TstPaletteModel::customPaletteUploaded()
{
    // Any mode but "Standard" is custom; a slot beyond 0..9 means slot 0.
    ImageFixture f("[General]\nColorTable_Mode=\nCustom_ColorTable_Index=15\n\n[CustomPalette/Name0]\n"
                   "Point0_Red=0\nPoint0_Green=0\nPoint0_Blue=0\nPoint4_Red=255\nPoint4_Green=255\nPoint4_Blue=255\n");
    QGraphicsScene scene;
    EColorRect bar(&scene, 299, 56, 16, 128);
    QCOMPARE(f.fpga->getPaletteIndex(), 8);
    const QByteArray palette = f.board().palette();
    QCOMPARE(QList<int>({uint8_t(palette[0]), uint8_t(palette[1]), uint8_t(palette[2])}), QList<int>({16, 128, 128}));
    QCOMPARE(QList<int>({uint8_t(palette[1020]), uint8_t(palette[1021]), uint8_t(palette[1022])}), QList<int>({235, 128, 128}));
    QCOMPARE(int(bar.getColorTable()[255].g), 255);
    QCOMPARE(bar.yuvTable()[255].y, uint8_t(235));
}

void TstPaletteModel::refusedUploadIsLogged()
{
    ImageFixture f;
    QLoggingCategory::setFilterRules(QString());
    f.board().addFault({SimBoard::FailWrite, SimBoard::PALETTE_OFFSET, 0, -1});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused the palette")));
    QGraphicsScene scene;
    EColorRect bar(&scene, 299, 56, 16, 128);
    QCOMPARE(int(bar.getColorTable()[255].r), int(Iron_TAB_rgb[255].r));
}

void TstPaletteModel::barPainting()
{
    ImageFixture f;
    QGraphicsScene scene;
    {
        EColorRect bar(&scene, 299.7f, 56.2f, 16, 128);
        QCOMPARE(bar.lines().size(), 128);
        QCOMPARE(bar.geometry(), QRect(299, 56, 16, 128));
        QCOMPARE(scene.items().size(), 128);
        // Hidden at start; bottom line at y + height, top at y + 1.
        QVERIFY(!bar.lines().first()->isVisible());
        QCOMPARE(bar.lines().first()->line(), QLineF(299, 184, 315, 184));
        QCOMPARE(bar.lines().last()->line(), QLineF(299, 57, 315, 57));
        RgbTable ramp;
        for (int k = 0; k < 256; ++k)
            ramp[k] = {uint8_t(k), 0, uint8_t(255 - k), 0};
        bar.setColorTable(ramp.data(), false);
        QVERIFY(!bar.lines().first()->isVisible());
        bar.setColorTable(ramp.data(), true);
        for (int k = 0; k < 128; ++k)
            QCOMPARE(bar.lines().at(k)->pen().color().red(), 2 * k);
        QVERIFY(bar.lines().last()->isVisible());
        bar.setVisible(false);
        QVERIFY(!bar.lines().at(5)->isVisible());
    }
    // The lines go with the bar.
    QCOMPARE(scene.items().size(), 0);

    // Taller than the table: every line shows entry 0.
    EColorRect tall(&scene, 0, 0, 4, 300);
    RgbTable ramp;
    for (int k = 0; k < 256; ++k)
        ramp[k] = {uint8_t(k), 0, 0, 0};
    tall.setColorTable(ramp.data(), true);
    QCOMPARE(tall.lines().at(299)->pen().color().red(), 0);
}

void TstPaletteModel::tablesAreCopied()
{
    ImageFixture f;
    QGraphicsScene scene;
    EColorRect bar(&scene, 299, 56, 16, 128);
    auto table = std::make_unique<RgbTable>();
    table->fill(_rgb_item{9, 9, 9, 0});
    bar.setColorTable(table->data(), true);
    table.reset();
    // Repainting after the caller's table is gone still paints its copy.
    bar.calPalette(true);
    QCOMPARE(bar.lines().at(3)->pen().color(), QColor(9, 9, 9));
    RgbTable copy = bar.getColorTable();
    copy[0].r = 200;
    QCOMPARE(int(bar.getColorTable()[0].r), 9);
}

void TstPaletteModel::previewStrip()
{
    TestRoot root;
    EColorTableRect strip(nullptr, 1, 256, 20);
    QCOMPARE(strip.size(), QSize(256, 20));
    RgbTable ramp;
    for (int k = 0; k < 256; ++k)
        ramp[k] = {uint8_t(k), uint8_t(255 - k), 0, 0};
    strip.setColorTable(ramp.data());
    QImage image(strip.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    strip.render(&image);
    QCOMPARE(image.pixelColor(10, 2), QColor(10, 245, 0));
    QCOMPARE(image.pixelColor(200, 11), QColor(200, 55, 0));
    // Marks: the colours stop 8 rows above the bottom, the end marks reach it.
    QVERIFY(image.pixelColor(100, 18) != QColor(100, 155, 0));
    QCOMPARE(image.pixelColor(0, 18), QColor(Qt::black));
    QCOMPARE(image.pixelColor(255, 18), QColor(Qt::black));

    EColorTableRect plain(nullptr, 0, 256, 12);
    plain.setColorTable(ramp.data());
    QImage full(plain.size(), QImage::Format_RGB32);
    plain.render(&full);
    QCOMPARE(full.pixelColor(100, 11), QColor(100, 155, 0));
}

QTEST_MAIN(TstPaletteModel)
#include "tst_palettemodel.moc"
