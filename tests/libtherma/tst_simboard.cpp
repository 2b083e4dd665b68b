#include "fpgabottom.h"
#include "simboard.h"
#include "testroot.h"

#include <QtTest>

#include <cerrno>
#include <memory>

// The simulated board other tests and the simulator rely on: its scene,
// the computed registers, the frame stream, the recorded uploads and the
// injected faults.
class TestSimBoard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void sceneObjectsHaveTheirAD_data();
    void sceneObjectsHaveTheirAD();
    void objectsSwingSlowlyAndFreezeStopsThem();
    void noiseIsSmallAndRepeatable();
    void statisticsRegistersFollowTheFrame();
    void spotsTakeBoardCoordinates_data();
    void spotsTakeBoardCoordinates();
    void areasCoverTheFramePixelsUnderThem_data();
    void areasCoverTheFramePixelsUnderThem();
    void reversedHistogram();
    void frameStreamIsOneConsistentFrame();
    void paletteUploadIsRecordedAndDrawn();
    void faultRulesSkipAndExpire();
    void missingDeviceAndReadOnlyFrame();
    void installedBoardIsTheDefault();

private:
    std::unique_ptr<TestRoot> m_root;
    std::shared_ptr<SimBoard> m_board;
};

void TestSimBoard::init()
{
    m_root = std::make_unique<TestRoot>();
    m_board = std::make_shared<SimBoard>();
}

void TestSimBoard::cleanup()
{
    m_board.reset();
    m_root.reset();
}

void TestSimBoard::sceneObjectsHaveTheirAD_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ad");
    QTest::newRow("mug, 50 degC") << QStringLiteral("mug") << 35106;
    QTest::newRow("cold pack, 0 degC") << QStringLiteral("cold pack") << 30114;
    QTest::newRow("hot spot, 100 degC") << QStringLiteral("hot spot") << 40101;
}

void TestSimBoard::sceneObjectsHaveTheirAD()
{
    QFETCH(QString, name);
    QFETCH(int, ad);
    m_board->setNoise(0);
    m_board->setSceneTime(4.0);
    const QRect rect = m_board->objectRect(name);
    QVERIFY(rect.isValid());
    QCOMPARE(int(m_board->adAt(rect.center().x(), rect.center().y())), ad);
    // Just outside the object is background.
    QCOMPARE(m_board->adAt(rect.left() - 1, rect.center().y()), SimBoard::defaultBackgroundAD());
}

void TestSimBoard::objectsSwingSlowlyAndFreezeStopsThem()
{
    const QRect start = m_board->objectRect(QStringLiteral("hot spot"));
    m_board->advance(SimBoard::SwingPeriod / 4);
    const QRect quarter = m_board->objectRect(QStringLiteral("hot spot"));
    QCOMPARE(quarter.topLeft() - start.topLeft(), QPoint(20, 10));
    // Slow: a frame later it has moved by at most a pixel.
    m_board->advance(0.04);
    const QPoint step = m_board->objectRect(QStringLiteral("hot spot")).topLeft() - quarter.topLeft();
    QVERIFY(qAbs(step.x()) <= 1 && qAbs(step.y()) <= 1);

    FPGABottom fpga(m_board);
    fpga.fpga_freeze_image(true);
    const QVector<uint16_t> frozen = m_board->frame();
    m_board->advance(3.0);
    QCOMPARE(m_board->frame(), frozen);
    fpga.fpga_freeze_image(false);
    m_board->advance(3.0);
    QVERIFY(m_board->frame() != frozen);
}

void TestSimBoard::noiseIsSmallAndRepeatable()
{
    m_board->setNoise(2);
    const QVector<uint16_t> frame = m_board->frame();
    QCOMPARE(m_board->frame(), frame);
    const int background = SimBoard::defaultBackgroundAD();
    int noisy = 0;
    for (int x = 0; x < 40; ++x) {
        const int v = frame[5 * SimBoard::WIDTH + x];
        QVERIFY(qAbs(v - background) <= 2);
        noisy += v != background;
    }
    QVERIFY(noisy > 0);
    m_board->advance(0.04);
    QVERIFY(m_board->frame() != frame);
}

void TestSimBoard::statisticsRegistersFollowTheFrame()
{
    m_board->setNoise(2);
    m_board->setSceneTime(7.0);
    const QVector<uint16_t> frame = m_board->frame();
    uint64_t sum = 0;
    uint16_t max = 0, min = 0xFFFF;
    int maxAt = 0;
    for (int i = 0; i < frame.size(); ++i) {
        const uint16_t v = frame[i];
        sum += v;
        if (v > max)
            maxAt = i;
        max = qMax(max, v);
        min = qMin(min, v);
    }
    FPGABottom fpga(m_board);
    QCOMPARE(fpga.fpga_get_auto_max(), max);
    QCOMPARE(fpga.fpga_get_auto_min(), min);
    QCOMPARE(fpga.fpga_get_auto_averg(), uint16_t(sum / frame.size()));
    unsigned char raw[6];
    QCOMPARE(fpga.readData(0x44, raw, 6), 6);
    uint64_t boardSum = 0;
    for (int i = 5; i >= 0; --i)
        boardSum = (boardSum << 8) | raw[i];
    QCOMPARE(boardSum, sum);
    QCOMPARE(m_board->registerLong(0x6C), uint32_t(SimBoard::PIXELS));

    _point_max hot{};
    QCOMPARE(fpga.fpga_point_max_get(&hot), int(FPGABottom::FPGA_OK));
    // The first hottest pixel, at its board position.
    QCOMPARE(hot.ad, max);
    QCOMPARE(QPoint(hot.x, hot.y), SimBoard::boardPoint(QPoint(maxAt % SimBoard::WIDTH, maxAt / SimBoard::WIDTH)));
    QVERIFY(m_board->objectBoardRect(QStringLiteral("hot spot")).contains(hot.x, hot.y));

    unsigned short histMax = 0, histMin = 0, most = 0;
    QCOMPARE(fpga.fpga_get_zft_maxMin(&histMax, &histMin), int(FPGABottom::FPGA_OK));
    QCOMPARE(fpga.fpga_get_zft_most(&most), int(FPGABottom::FPGA_OK));
    QVERIFY(histMin <= most && most <= histMax);
    // Most of the picture is background.
    QVERIFY(qAbs(int(most) - int(SimBoard::defaultBackgroundAD())) <= 16);
}

// Spot positions are those of the 320x240 picture; the board measures the
// frame pixel drawn under them and reports a frame pixel where it is drawn.
void TestSimBoard::spotsTakeBoardCoordinates_data()
{
    QTest::addColumn<QPoint>("board");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("reported");
    QTest::newRow("origin") << QPoint(0, 0) << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("second pixel") << QPoint(1, 1) << QPoint(1, 1) << QPoint(1, 1);
    QTest::newRow("third pixel") << QPoint(2, 2) << QPoint(3, 3) << QPoint(2, 2);
    QTest::newRow("centre") << QPoint(160, 120) << QPoint(192, 144) << QPoint(160, 120);
    QTest::newRow("far corner") << QPoint(319, 239) << QPoint(383, 287) << QPoint(319, 239);
    QTest::newRow("beyond the picture") << QPoint(320, 240) << QPoint(383, 287) << QPoint(319, 239);
    QTest::newRow("sensor size") << QPoint(383, 287) << QPoint(383, 287) << QPoint(319, 239);
    QTest::newRow("largest word") << QPoint(65535, 65535) << QPoint(383, 287) << QPoint(319, 239);
}

void TestSimBoard::spotsTakeBoardCoordinates()
{
    QFETCH(QPoint, board);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, reported);
    FPGABottom fpga(m_board);
    const _fpga_point point{uint16_t(board.x()), uint16_t(board.y())};
    QCOMPARE(fpga.fpga_point_position_set(2, &point), int(FPGABottom::FPGA_OK));
    // Columns, then rows, numbered in the frame.
    QVector<uint16_t> frame(SimBoard::PIXELS);
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = uint16_t(1000 + i % SimBoard::WIDTH);
    m_board->setFrame(frame);
    unsigned short ad = 0;
    QCOMPARE(fpga.fpga_point_ad_get(2, &ad), int(FPGABottom::FPGA_OK));
    QCOMPARE(int(ad) - 1000, pixel.x());
    for (int i = 0; i < frame.size(); ++i)
        frame[i] = uint16_t(1000 + i / SimBoard::WIDTH);
    m_board->setFrame(frame);
    QCOMPARE(fpga.fpga_point_ad_get(2, &ad), int(FPGABottom::FPGA_OK));
    QCOMPARE(int(ad) - 1000, pixel.y());

    // The hottest pixel there is reported at the clamped board position.
    frame.fill(30000);
    frame[pixel.y() * SimBoard::WIDTH + pixel.x()] = 40000;
    m_board->setFrame(frame);
    _point_max hot{};
    QCOMPARE(fpga.fpga_point_max_get(&hot), int(FPGABottom::FPGA_OK));
    QCOMPARE(QPoint(hot.x, hot.y), reported);
}

void TestSimBoard::areasCoverTheFramePixelsUnderThem_data()
{
    QTest::addColumn<QRect>("area");  // left, top, right, bottom as written
    QTest::addColumn<QPoint>("pixel"); // the one hot frame pixel
    QTest::addColumn<bool>("covered");
    QTest::addColumn<QPoint>("reported");
    // Board pixel 4 covers frame pixels 4 and 5, board pixel 5 frame pixel 6.
    QTest::newRow("last pixel of the area") << QRect(QPoint(0, 0), QPoint(5, 5)) << QPoint(5, 5) << true
                                            << QPoint(4, 4);
    QTest::newRow("just past the area") << QRect(QPoint(0, 0), QPoint(5, 5)) << QPoint(6, 6) << false << QPoint();
    QTest::newRow("first pixel of the next area") << QRect(QPoint(5, 5), QPoint(10, 10)) << QPoint(6, 6) << true
                                                  << QPoint(5, 5);
    QTest::newRow("empty area is one board pixel") << QRect(QPoint(5, 5), QPoint(5, 5)) << QPoint(6, 6) << true
                                                   << QPoint(5, 5);
    QTest::newRow("far corner") << QRect(QPoint(300, 200), QPoint(320, 240)) << QPoint(383, 287) << true
                                << QPoint(319, 239);
    QTest::newRow("beyond the picture") << QRect(QPoint(400, 300), QPoint(500, 400)) << QPoint(383, 287) << true
                                        << QPoint(319, 239);
    QTest::newRow("whole picture") << QRect(QPoint(0, 0), QPoint(320, 240)) << QPoint(200, 100) << true
                                   << SimBoard::boardPoint(QPoint(200, 100));
}

void TestSimBoard::areasCoverTheFramePixelsUnderThem()
{
    QFETCH(QRect, area);
    QFETCH(QPoint, pixel);
    QFETCH(bool, covered);
    QFETCH(QPoint, reported);
    QVector<uint16_t> frame(SimBoard::PIXELS, 30000);
    frame[pixel.y() * SimBoard::WIDTH + pixel.x()] = 40000;
    m_board->setFrame(frame);
    FPGABottom fpga(m_board);
    const _area rect{uint16_t(area.left()), uint16_t(area.top()), uint16_t(area.right()), uint16_t(area.bottom())};
    QCOMPARE(fpga.fpga_area_set(1, &rect), int(FPGABottom::FPGA_OK));
    _area_val val{};
    QCOMPARE(fpga.fpga_area_val_get(1, &val), int(FPGABottom::FPGA_OK));
    QCOMPARE(val.max, uint16_t(covered ? 40000 : 30000));
    if (covered)
        QCOMPARE(QPoint(val.max_x, val.max_y), reported);
}

void TestSimBoard::reversedHistogram()
{
    FPGABottom fpga(m_board);
    unsigned short high = 0, low = 0;
    fpga.fpga_get_zft_maxMin(&high, &low);
    QVERIFY(high > low);
    m_board->setBoardFaults(SimBoard::ReversedHistogram);
    unsigned short high2 = 0, low2 = 0;
    fpga.fpga_get_zft_maxMin(&high2, &low2);
    QCOMPARE(high2, low);
    QCOMPARE(low2, high);
}

void TestSimBoard::frameStreamIsOneConsistentFrame()
{
    // Chunks of one frame come from one snapshot even when the scene moves
    // between them.
    const QVector<uint16_t> first = m_board->frame();
    QVector<uint16_t> streamed(SimBoard::PIXELS);
    const int chunk = FPGABottom::FRAME_CHUNK_BYTES;
    for (int i = 0; i < FPGABottom::FRAME_CHUNKS; ++i) {
        QCOMPARE(m_board->readAt(0x4000, reinterpret_cast<char *>(streamed.data()) + i * chunk, chunk), chunk);
        m_board->advance(0.04);
    }
    QCOMPARE(streamed, first);
    // The next read starts a new frame.
    QCOMPARE(m_board->readAt(0x4000, streamed.data(), chunk), chunk);
    QCOMPARE(streamed.mid(0, chunk / 2), m_board->frame().mid(0, chunk / 2));
}

void TestSimBoard::paletteUploadIsRecordedAndDrawn()
{
    m_board->setNoise(0);
    FPGABottom fpga(m_board);
    QByteArray grey(FPGABottom::PALETTE_BYTES, '\0');
    for (int i = 0; i < 256; ++i) {
        grey[4 * i] = char(16 + i * 219 / 255);
        grey[4 * i + 1] = char(128);
        grey[4 * i + 2] = char(128);
    }
    QCOMPARE(fpga.fpga_colorTable_set(reinterpret_cast<const unsigned char *>(grey.constData())),
             int(FPGABottom::FPGA_OK));
    QCOMPARE(m_board->paletteUploads(), 1);
    QCOMPARE(m_board->palette(), grey);
    QCOMPARE(m_board->writesTo(0x1300).size(), 1);

    // Level at the cold pack, span up to the hot spot.
    fpga.fpga_set_levelSpan(30114, 0x400000 / (40101 - 30114));
    const QImage picture = m_board->render();
    QCOMPARE(picture.size(), QSize(SimBoard::WIDTH, SimBoard::HEIGHT));
    auto brightness = [&](const QString &name) {
        const QPoint c = m_board->objectRect(name).center();
        return qGray(picture.pixel(c));
    };
    QCOMPARE(brightness(QStringLiteral("cold pack")), 0);
    QVERIFY(brightness(QStringLiteral("hot spot")) >= 250);
    const int background = qGray(picture.pixel(2, 2));
    QVERIFY(brightness(QStringLiteral("cold pack")) < background);
    QVERIFY(background < brightness(QStringLiteral("mug")));
    QVERIFY(brightness(QStringLiteral("mug")) < brightness(QStringLiteral("hot spot")));
}

void TestSimBoard::faultRulesSkipAndExpire()
{
    unsigned char byte = 0;
    m_board->addFault({SimBoard::FailRead, 0x15, 2, 2});
    QCOMPARE(m_board->readAt(0x15, &byte, 1), 1);
    QCOMPARE(m_board->readAt(0x14, &byte, 1), 1); // another register: not counted
    QCOMPARE(m_board->readAt(0x15, &byte, 1), 1);
    QCOMPARE(m_board->readAt(0x15, &byte, 1), -1);
    QCOMPARE(errno, EIO);
    QCOMPARE(m_board->readAt(0x15, &byte, 1), -1);
    QCOMPARE(m_board->readAt(0x15, &byte, 1), 1);

    unsigned char words[4] = {1, 2, 3, 4};
    m_board->addFault({SimBoard::ShortWrite, -1, 0, 1});
    QCOMPARE(m_board->writeAt(0x62, words, 4), 2);
    QCOMPARE(m_board->writeAt(0x62, words, 4), 4);
    m_board->addFault({SimBoard::FailWrite});
    QCOMPARE(m_board->writeAt(0x10, words, 1), -1);
    QCOMPARE(m_board->writeAt(0x11, words, 1), -1);
    m_board->clearFaults();
    QCOMPARE(m_board->writeAt(0x10, words, 1), 1);
}

void TestSimBoard::missingDeviceAndReadOnlyFrame()
{
    unsigned char bytes[4] = {};
    QCOMPARE(m_board->writeAt(0x4000, bytes, 4), -1);
    // A read running past the register space is short, not an overrun.
    QCOMPARE(m_board->readAt(0x3FFE, bytes, 4), 2);
    m_board->setPresent(false);
    QVERIFY(!m_board->isOpen());
    QCOMPARE(m_board->readAt(0x10, bytes, 1), -1);
    QCOMPARE(errno, ENODEV);
    QCOMPARE(m_board->writeAt(0x10, bytes, 1), -1);
    m_board->setPresent(true);
    QCOMPARE(m_board->readAt(0x10, bytes, 1), 1);
}

void TestSimBoard::installedBoardIsTheDefault()
{
    SimBoard::install(m_board);
    {
        FPGABottom fpga;
        QCOMPARE(fpga.registerDevice(), static_cast<RegisterDevice *>(m_board.get()));
        fpga.openLamp(true);
        QCOMPARE(m_board->registerByte(0x15), uint8_t(0x04));
    }
    SimBoard::install(nullptr);
    FPGABottom real;
    QVERIFY(real.registerDevice() != m_board.get());
    QVERIFY(!real.isBoardOpen()); // no board device under the test root
}

QTEST_GUILESS_MAIN(TestSimBoard)
#include "tst_simboard.moc"
