#include "boarddevice.h"
#include "fpgabottom.h"
#include "registerdevice.h"
#include "simboard.h"
#include "testroot.h"

#include <QtTest>

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

// The register layer against the simulated board: register cases, slot
// bounds, full-width results, the frame read and thread-safe bit switches.
class TestFpgaBottom : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void lensIndex_data();
    void lensIndex();
    void temperatureWords_data();
    void temperatureWords();
    void humiditySensor_data();
    void humiditySensor();
    void slotBounds_data();
    void slotBounds();
    void imageModeKeepsOtherBits();
    void hottestPixelFollowsImageMode();
    void pictureInPictureAndMixBits();
    void longTransfersReportTheirFullCount();
    void failedAndShortTransfersAreFailures();
    void frameRead();
    void frameReadWithFailingChunk_data();
    void frameReadWithFailingChunk();
    void zeroFirstPixelOfEachChunk();
    void smallFrameRead();
    void averageWithoutPixels();
    void spanFromGain();
    void levelSpanWriteLayout();
    void versionIsBounded();
    void lcdStartMode();
    void spotAndAreaMeasurements();
    void missingBoardFailsEverywhere();
    void realDeviceUnderTheRoot();
    void concurrentBitSwitchesLoseNothing();

private:
    std::unique_ptr<TestRoot> m_root;
    std::shared_ptr<SimBoard> m_board;
    std::unique_ptr<FPGABottom> m_fpga;
};

void TestFpgaBottom::init()
{
    m_root = std::make_unique<TestRoot>();
    m_board = std::make_shared<SimBoard>();
    m_board->setNoise(0);
    m_fpga = std::make_unique<FPGABottom>(m_board);
}

void TestFpgaBottom::cleanup()
{
    m_fpga.reset();
    m_board.reset();
    m_root.reset();
}

void TestFpgaBottom::lensIndex_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<int>("index");
    QTest::newRow("code 3") << 3 << false << 0;
    QTest::newRow("code 5") << 5 << false << 1;
    QTest::newRow("code 1") << 1 << false << 2;
    QTest::newRow("code 6") << 6 << false << 3;
    QTest::newRow("code 2") << 2 << false << 4;
    QTest::newRow("code 4") << 4 << false << 5;
    QTest::newRow("code 0") << 0 << false << 6;
    QTest::newRow("code 7, flag set") << 7 << true << 0;
    QTest::newRow("code 7, flag clear") << 7 << false << int(FPGABottom::NO_LENS);
}

void TestFpgaBottom::lensIndex()
{
    QFETCH(int, code);
    QFETCH(bool, flag);
    QFETCH(int, index);
    m_board->setLensCode(code);
    m_board->setLensFlag(flag);
    m_board->setIrPower(true);
    QCOMPARE(m_fpga->fpga_read_lenIndex(), index);
    QCOMPARE(m_fpga->fpga_get_IR_power(), 1);
}

void TestFpgaBottom::temperatureWords_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<float>("degC");
    QTest::newRow("+1") << 0x0100 << 1.0f;
    QTest::newRow("-1") << 0xFF00 << -1.0f;
    QTest::newRow("zero") << 0x0000 << 0.0f;
    QTest::newRow("fraction") << 0x1980 << 25.5f;
    QTest::newRow("most negative") << 0x8000 << -128.0f;
    QTest::newRow("most positive") << 0x7FFF << 32767.0f / 256.0f;
    QTest::newRow("-0.5") << 0xFF80 << -0.5f;
}

void TestFpgaBottom::temperatureWords()
{
    QFETCH(int, word);
    QFETCH(float, degC);
    m_board->setShutterTempWord(uint16_t(word));
    m_board->setSensorTempWord(uint16_t(word));
    float shutter = 99.0f, sensor = 99.0f;
    QCOMPARE(m_fpga->fpga_read_shutterTemp(&shutter), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_fpga->fpga_read_sensorTemp(&sensor), int(FPGABottom::FPGA_OK));
    QCOMPARE(shutter, degC);
    QCOMPARE(sensor, degC);
    QCOMPARE(m_fpga->fpga_read_sensorTemp(nullptr), int(FPGABottom::FPGA_FAILED));
}

void TestFpgaBottom::humiditySensor_data()
{
    QTest::addColumn<int>("rawTemp");
    QTest::addColumn<int>("rawHumid");
    QTest::addColumn<int>("result");
    QTest::addColumn<float>("temp");
    QTest::addColumn<float>("humid");
    // temp = 0.01 raw - 39.66; humid = (t - 25)(0.01 + 0.00008 h) + 0.0405 h - 4 - 2.8e-6 h^2
    QTest::newRow("25 degC") << 6466 << 1380 << 0 << 25.0f << 46.55768f;
    QTest::newRow("35 degC") << 7466 << 2000 << 0 << 35.0f << 67.5f;
    QTest::newRow("no temperature") << 0xFFFF << 1000 << -1 << 99.0f << 99.0f;
    QTest::newRow("no humidity") << 6466 << 0xFFFF << -1 << 25.0f << 99.0f;
}

void TestFpgaBottom::humiditySensor()
{
    QFETCH(int, rawTemp);
    QFETCH(int, rawHumid);
    QFETCH(int, result);
    QFETCH(float, temp);
    QFETCH(float, humid);
    m_board->setShtWords(uint16_t(rawTemp), uint16_t(rawHumid));
    float t = 99.0f, h = 99.0f;
    QCOMPARE(m_fpga->fpga_get_sht11_temp_humid(&t, &h), result);
    QVERIFY2(qAbs(t - temp) < 1e-3f, qPrintable(QString::number(t)));
    QVERIFY2(qAbs(h - humid) < 1e-3f, qPrintable(QString::number(h)));
}

void TestFpgaBottom::slotBounds_data()
{
    QTest::addColumn<bool>("area");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("spot 0") << false << 0 << true;
    QTest::newRow("spot 5 (line cursor)") << false << 5 << true;
    QTest::newRow("spot 11, last of the block") << false << 11 << true;
    QTest::newRow("spot 12 would be area 0") << false << 12 << false;
    QTest::newRow("spot 16") << false << 16 << false;
    QTest::newRow("spot 255") << false << 255 << false;
    QTest::newRow("area 0") << true << 0 << true;
    QTest::newRow("area 4, last of the block") << true << 4 << true;
    QTest::newRow("area 5 would be the line registers") << true << 5 << false;
    QTest::newRow("area 9 would be the palette") << true << 9 << false;
    QTest::newRow("area 16") << true << 16 << false;
}

void TestFpgaBottom::slotBounds()
{
    QFETCH(bool, area);
    QFETCH(int, slot);
    QFETCH(bool, accepted);
    const int expected = accepted ? FPGABottom::FPGA_OK : FPGABottom::FPGA_FAILED;
    const unsigned char n = static_cast<unsigned char>(slot);
    if (area) {
        const _area rect{10, 20, 30, 40};
        _area_val val{1, 2, 3, 4, 5, 6, 7};
        QCOMPARE(m_fpga->fpga_area_set(n, &rect), expected);
        QCOMPARE(m_fpga->fpga_area_val_get(n, &val), expected);
        if (!accepted)
            QCOMPARE(val.max, uint16_t(1));
        QCOMPARE(m_fpga->fpga_area_set(n, nullptr), int(FPGABottom::FPGA_FAILED));
    } else {
        const _fpga_point point{100, 50};
        unsigned short ad = 7;
        QCOMPARE(m_fpga->fpga_point_position_set(n, &point), expected);
        QCOMPARE(m_fpga->fpga_point_ad_get(n, &ad), expected);
        QCOMPARE(ad, accepted ? m_board->adAtBoard(QPoint(100, 50)) : uint16_t(7));
        QCOMPARE(m_fpga->fpga_point_ad_get(n, nullptr), int(FPGABottom::FPGA_FAILED));
    }
    // A refused slot touches nothing on the board.
    QCOMPARE(m_board->writes().isEmpty(), !accepted);
}

void TestFpgaBottom::imageModeKeepsOtherBits()
{
    m_board->setRegister(0x00, QByteArray(1, char(0xF8)));
    QCOMPARE(m_fpga->fpga_set_image(VIS_MIX_IR), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_board->registerByte(0x00), uint8_t(0xFD));
    QCOMPARE(m_fpga->imageMode(), VIS_MIX_IR);
    QCOMPARE(m_fpga->fpga_set_image(IR), int(FPGABottom::FPGA_OK));
    unsigned char value = 0;
    QCOMPARE(m_fpga->fpga_get_image(&value), int(FPGABottom::FPGA_OK));
    QCOMPARE(value, uint8_t(0xF8));
    QCOMPARE(m_fpga->fpga_get_image(nullptr), int(FPGABottom::FPGA_FAILED));
}

void TestFpgaBottom::hottestPixelFollowsImageMode()
{
    // A hot pixel outside the mix window and a warmer-than-background one
    // inside it: mode 5 reads the window's copies, other modes the frame's.
    QVector<uint16_t> frame(SimBoard::PIXELS, 30000);
    frame[10 * SimBoard::WIDTH + 5] = 40000;
    frame[100 * SimBoard::WIDTH + 150] = 35000;
    frame[20 * SimBoard::WIDTH + 7] = 20000;
    frame[110 * SimBoard::WIDTH + 160] = 25000;
    m_board->setFrame(frame);

    _point_max max{};
    _point_min min{};
    QCOMPARE(m_fpga->fpga_point_max_get(&max), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_fpga->fpga_point_min_get(&min), int(FPGABottom::FPGA_OK));
    // Positions come back in board coordinates.
    QCOMPARE(max.ad, uint16_t(40000));
    QCOMPARE(QPoint(max.x, max.y), SimBoard::boardPoint(QPoint(5, 10)));
    QCOMPARE(min.ad, uint16_t(20000));
    QCOMPARE(QPoint(min.x, min.y), SimBoard::boardPoint(QPoint(7, 20)));
    QCOMPARE(m_fpga->fpga_get_auto_max(), uint16_t(40000));
    QCOMPARE(m_fpga->fpga_get_auto_min(), uint16_t(20000));

    m_fpga->fpga_set_image(VIS_MIX_IR);
    QCOMPARE(m_fpga->fpga_point_max_get(&max), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_fpga->fpga_point_min_get(&min), int(FPGABottom::FPGA_OK));
    QCOMPARE(max.ad, uint16_t(35000));
    QCOMPARE(QPoint(max.x, max.y), SimBoard::boardPoint(QPoint(150, 100)));
    QCOMPARE(min.ad, uint16_t(25000));
    QCOMPARE(QPoint(min.x, min.y), SimBoard::boardPoint(QPoint(160, 110)));
    QCOMPARE(m_fpga->fpga_point_max_get(nullptr), int(FPGABottom::FPGA_FAILED));
}

void TestFpgaBottom::pictureInPictureAndMixBits()
{
    m_board->setRegister(0x01, QByteArray(1, char(0xFF)));
    m_fpga->fpga_set_ccd_pipe_ir_position(POSITION_BOTTOM_LEFT);
    QCOMPARE(m_board->registerByte(0x01), uint8_t(0xDF));
    m_fpga->fpga_set_ir_pipe_ccd_position(POSITION_BOTTOM_RIGHT);
    QCOMPARE(m_board->registerByte(0x01), uint8_t(0xDE));

    m_board->setRegister(0x25, QByteArray(1, char(0x7E)));
    m_fpga->fpga_set_CCD_Mix_IR_Size(1);
    QCOMPARE(m_board->registerByte(0x25), uint8_t(0x71));
    m_fpga->fpga_set_IR_Mix_CCD_Size(1);
    QCOMPARE(m_board->registerByte(0x25), uint8_t(0x81));
    m_fpga->fpga_set_CCD_Mix_IR_Size(0);
    QCOMPARE(m_board->registerByte(0x25), uint8_t(0x80));
    m_fpga->fpga_set_IR_Mix_CCD_Size(0);
    QCOMPARE(m_board->registerByte(0x25), uint8_t(0x00));

    m_fpga->set_mix_zoom(0x12345);
    QCOMPARE(m_fpga->get_mix_zoom(), 0x2345);
    m_fpga->set_mix_dx(char(-5));
    m_fpga->set_mix_dy(7);
    QCOMPARE(m_fpga->get_mix_dx(), -5);
    QCOMPARE(m_fpga->get_mix_dy(), 7);
    m_fpga->set_IR_mix_CCD_percent(0.5f);
    m_fpga->set_CCD_mix_IR_percent(2.0f);
    QCOMPARE(m_board->registerByte(0x2A), uint8_t(64));
    QCOMPARE(m_board->registerByte(0x2F), uint8_t(128));

    m_fpga->openLamp(true);
    m_fpga->openLaser(true);
    m_fpga->fpga_open_CCD(true);
    QVERIFY(m_fpga->getLampStatus());
    QVERIFY(m_fpga->getLaserStatus());
    m_fpga->openLaser(false);
    QVERIFY(!m_fpga->getLaserStatus());
    QCOMPARE(m_board->registerByte(0x15), uint8_t(0x14));

    QCOMPARE(m_fpga->fpga_display_line(3, true), -1);
    QCOMPARE(m_fpga->fpga_set_line_position(0, 1, 2), -1);
    m_fpga->fpga_display_line(2, true);
    m_fpga->fpga_switch_colorBar(true);
    m_fpga->fpga_open_saturation(true);
    QCOMPARE(m_board->registerByte(0x10), uint8_t(0xC2));
    m_fpga->fpga_set_line_position(1, 11, 22);
    m_fpga->fpga_set_line_position(2, 33, 44);
    QCOMPARE(m_board->registerWord(0x1200), uint16_t(22));
    QCOMPARE(m_board->registerWord(0x1202), uint16_t(33));

    m_fpga->fpga_freeze_image(true);
    QVERIFY(m_board->frozen());
    QCOMPARE(m_fpga->fpga_get_freeze_status(), 1);

    m_fpga->fpga_set_iso_enable(true);
    m_fpga->fpga_set_iso_type(2);
    m_fpga->fpga_set_iso_min(30000);
    m_fpga->fpga_set_iso_max(31000);
    QCOMPARE(m_board->registerByte(0x200), uint8_t(1));
    QCOMPARE(m_board->registerByte(0x201), uint8_t(2));
    QCOMPARE(m_board->registerWord(0x202), uint16_t(30000));
    QCOMPARE(m_board->registerWord(0x204), uint16_t(31000));
}

void TestFpgaBottom::longTransfersReportTheirFullCount()
{
    // Byte counts above 255 must not wrap (a 38,400-byte read is not 0,
    // a 255-byte one is not an error).
    QByteArray palette(FPGABottom::PALETTE_BYTES, 0);
    for (int i = 0; i < palette.size(); ++i)
        palette[i] = char(i * 7);
    QCOMPARE(m_fpga->writeData(0x1300, palette.constData(), palette.size()), int(FPGABottom::PALETTE_BYTES));
    QByteArray back(255, 0);
    QCOMPARE(m_fpga->readData(0x1300, back.data(), 255), 255);
    QCOMPARE(back, palette.left(255));
    QVector<unsigned short> pixels(FPGABottom::SMALL_FRAME_PIXELS);
    QCOMPARE(m_fpga->readData(0x4000, pixels.data(), 38400), 38400);
    QCOMPARE(m_fpga->readData(0x10, nullptr, 1), -1);
    QCOMPARE(m_fpga->readData(0x10, back.data(), 0), -1);
}

void TestFpgaBottom::failedAndShortTransfersAreFailures()
{
    m_board->addFault({SimBoard::ShortWrite, 0x1000, 0, 1});
    const _fpga_point point{1, 2};
    QCOMPARE(m_fpga->fpga_point_position_set(0, &point), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(m_fpga->fpga_point_position_set(0, &point), int(FPGABottom::FPGA_OK));

    m_board->addFault({SimBoard::FailRead, 0x1C, 0, 1});
    float t = 42.0f;
    QCOMPARE(m_fpga->fpga_read_shutterTemp(&t), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(t, 42.0f);

    // A failing read inside a read-modify-write writes nothing back.
    m_board->addFault({SimBoard::FailRead, 0x15, 0, 1});
    m_board->clearWrites();
    QCOMPARE(m_fpga->openLamp(true), int(FPGABottom::FPGA_FAILED));
    QVERIFY(m_board->writes().isEmpty());

    m_board->addFault({SimBoard::ShortRead, 0x1300, 0, 1});
    QByteArray palette(FPGABottom::PALETTE_BYTES, 0);
    QCOMPARE(m_fpga->fpga_colorTable_get(palette.data(), palette.size()), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(m_fpga->fpga_colorTable_get(palette.data(), palette.size() + 1), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(m_fpga->fpga_colorTable_set(reinterpret_cast<const unsigned char *>(palette.constData())),
             int(FPGABottom::FPGA_OK));
    QCOMPARE(m_board->paletteUploads(), 1);
    QCOMPARE(m_fpga->fpga_colorTable_set(nullptr), int(FPGABottom::FPGA_FAILED));

    _area_val val{9, 9, 9, 9, 9, 9, 9};
    m_board->addFault({SimBoard::FailRead, 0x10E0 + 64 * 2, 0, 1});
    QCOMPARE(m_fpga->fpga_area_val_get(2, &val), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(val.max, uint16_t(9));
}

void TestFpgaBottom::frameRead()
{
    m_board->setNoise(2);
    m_board->setSceneTime(3.0);
    QVector<unsigned short> frame(FPGABottom::FRAME_PIXELS, 0);
    // The read announces itself and then tells its time.
    QTest::ignoreMessage(QtDebugMsg, "fpga read irad 384");
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^time[12]:\\d+ ms$")));
    QCOMPARE(m_fpga->fpga_read_IRAD_384(frame.data()), int(FPGABottom::FPGA_OK));
    QCOMPARE(frame, m_board->frame());
    QTest::ignoreMessage(QtDebugMsg, "fpga read irad 384");
    QTest::ignoreMessage(QtWarningMsg, "add is null");
    QCOMPARE(m_fpga->fpga_read_IRAD_384(nullptr), int(FPGABottom::FPGA_FAILED));
}

void TestFpgaBottom::frameReadWithFailingChunk_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("chunk");
    QTest::newRow("first chunk fails") << int(SimBoard::FailRead) << 0;
    QTest::newRow("fourth chunk fails") << int(SimBoard::FailRead) << 3;
    QTest::newRow("last chunk is short") << int(SimBoard::ShortRead) << 7;
}

void TestFpgaBottom::frameReadWithFailingChunk()
{
    QFETCH(int, fault);
    QFETCH(int, chunk);
    m_board->setNoise(2);
    m_board->addFault({SimBoard::Fault(fault), 0x4000, chunk, 1});
    QVector<unsigned short> frame(FPGABottom::FRAME_PIXELS, 0);
    QCOMPARE(m_fpga->fpga_read_IRAD_384(frame.data()), int(FPGABottom::FPGA_FAILED));
    // The next frame is whole and in step with the board's chunk sequence.
    m_board->advance(0.04);
    QCOMPARE(m_fpga->fpga_read_IRAD_384(frame.data()), int(FPGABottom::FPGA_OK));
    QCOMPARE(frame, m_board->frame());
}

void TestFpgaBottom::zeroFirstPixelOfEachChunk()
{
    QVector<uint16_t> source(SimBoard::PIXELS);
    for (int i = 0; i < source.size(); ++i)
        source[i] = uint16_t(1000 + i % 5000);
    const int chunkPixels = FPGABottom::FRAME_CHUNK_BYTES / 2;
    for (int c = 0; c < FPGABottom::FRAME_CHUNKS; ++c)
        source[c * chunkPixels] = 0;
    m_board->setFrame(source);
    QVector<unsigned short> frame(FPGABottom::FRAME_PIXELS, 0);
    QCOMPARE(m_fpga->fpga_read_IRAD_384(frame.data()), int(FPGABottom::FPGA_OK));
    for (int c = 0; c < FPGABottom::FRAME_CHUNKS; ++c)
        QCOMPARE(frame[c * chunkPixels], source[c * chunkPixels + 1]);
    QCOMPARE(frame[5], source[5]);
}

void TestFpgaBottom::smallFrameRead()
{
    QVector<uint16_t> source(SimBoard::PIXELS, 2000);
    source[0] = 0;
    source[1] = 1234;
    m_board->setFrame(source);
    QVector<unsigned short> frame(FPGABottom::SMALL_FRAME_PIXELS, 0);
    QCOMPARE(m_fpga->fpga_read_IRAD(frame.data()), int(FPGABottom::FPGA_OK));
    QCOMPARE(frame[0], uint16_t(1234));
    QCOMPARE(frame.last(), uint16_t(2000));
    QCOMPARE(m_fpga->fpga_read_IRAD(nullptr), int(FPGABottom::FPGA_FAILED));
}

void TestFpgaBottom::averageWithoutPixels()
{
    QVector<uint16_t> source(SimBoard::PIXELS, 30000);
    for (int i = 0; i < source.size() / 2; ++i)
        source[i] = 30100;
    m_board->setFrame(source);
    bool ok = false;
    QCOMPARE(m_fpga->fpga_get_auto_averg(&ok), uint16_t(30050));
    QVERIFY(ok);
    // No pixel count: a defined result and a failure, not a division by 0.
    m_board->setBoardFaults(SimBoard::ZeroPixelCount);
    QCOMPARE(m_fpga->fpga_get_auto_averg(&ok), uint16_t(0));
    QVERIFY(!ok);
    m_board->setPresent(false);
    QCOMPARE(m_fpga->fpga_get_auto_averg(&ok), uint16_t(0));
    QVERIFY(!ok);
}

void TestFpgaBottom::spanFromGain()
{
    QCOMPARE(m_fpga->fpga_set_levelSpan(30000, 0x400000 / 2048), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_fpga->fpga_get_level(), uint16_t(30000));
    QCOMPARE(m_fpga->fpga_get_span(), uint16_t(2048));
    // The board's own control spans this frame: background to hot spot.
    QCOMPARE(m_fpga->fpga_get_fpga_level(), m_fpga->fpga_get_auto_min());
    QCOMPARE(m_fpga->fpga_get_fpga_span(),
             uint16_t(0x400000 / (0x400000 / (m_fpga->fpga_get_auto_max() - m_fpga->fpga_get_auto_min()))));
    m_board->setBoardFaults(SimBoard::ZeroGain);
    QCOMPARE(m_fpga->fpga_get_span(), uint16_t(16448));
    QCOMPARE(m_fpga->fpga_get_fpga_span(), uint16_t(255));
}

void TestFpgaBottom::levelSpanWriteLayout()
{
    m_fpga->fpga_set_levelSpan(0x1234, 0x00ABCDEF);
    const QVector<SimBoard::Write> writes = m_board->writes();
    QCOMPARE(writes.size(), 2);
    QCOMPARE(writes[0].offset, 0x62u);
    QCOMPARE(writes[0].data, QByteArray::fromHex("3412"));
    QCOMPARE(writes[1].offset, 0x64u);
    QCOMPARE(writes[1].data, QByteArray::fromHex("efcdab00"));
    m_fpga->fpga_start_level_span_control(false);
    QCOMPARE(m_board->registerByte(0x60), uint8_t(0xFF));
    m_fpga->fpga_start_level_span_control(true);
    QCOMPARE(m_board->registerByte(0x60), uint8_t(0x00));
}

void TestFpgaBottom::versionIsBounded()
{
    m_board->setVersion("ABCDEFGHIJKLMNOPQRS");
    char full[32];
    std::memset(full, 'x', sizeof full);
    QCOMPARE(m_fpga->fpga_get_version(full, sizeof full), int(FPGABottom::FPGA_OK));
    QCOMPARE(QByteArray(full), QByteArray("ABCDEFGHIJKLMNO"));
    char small[8];
    std::memset(small, 'x', sizeof small);
    QCOMPARE(m_fpga->fpga_get_version(small, sizeof small), int(FPGABottom::FPGA_OK));
    QCOMPARE(QByteArray(small), QByteArray("ABCDEFG"));
    QCOMPARE(m_fpga->fpga_get_version(small, 0), int(FPGABottom::FPGA_FAILED));
    m_board->setPresent(false);
    QCOMPARE(m_fpga->fpga_get_version(full, sizeof full), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(QByteArray(full), QByteArray());
}

void TestFpgaBottom::lcdStartMode()
{
    m_fpga->fpga_start_arm_lcd(255);
    QCOMPARE(m_board->registerByte(0x30), uint8_t(1));
    m_fpga->fpga_start_arm_lcd(3);
    QCOMPARE(m_board->registerByte(0x30), uint8_t(3));
    m_fpga->fpga_set_arm_lcd_jingDu(2);
    QCOMPARE(m_board->registerByte(0x31), uint8_t(2));
    m_fpga->fpga_set_output_mode(0x105);
    QCOMPARE(m_board->registerByte(0x34), uint8_t(5));
}

void TestFpgaBottom::spotAndAreaMeasurements()
{
    const QPoint mug = m_board->objectCentre(QStringLiteral("mug"));
    const _fpga_point centre{uint16_t(mug.x()), uint16_t(mug.y())};
    unsigned short ad = 0;
    QCOMPARE(m_fpga->fpga_point_position_set(3, &centre), int(FPGABottom::FPGA_OK));
    QCOMPARE(m_fpga->fpga_point_ad_get(3, &ad), int(FPGABottom::FPGA_OK));
    QCOMPARE(ad, uint16_t(35106));

    // An area around the cold pack and some background.
    const QRect pack = m_board->objectBoardRect(QStringLiteral("cold pack"));
    const _area rect{uint16_t(pack.left() - 5), uint16_t(pack.top() - 5), uint16_t(pack.left() + 20),
                     uint16_t(pack.top() + 20)};
    QCOMPARE(m_fpga->fpga_area_set(1, &rect), int(FPGABottom::FPGA_OK));
    _area_val val{};
    QCOMPARE(m_fpga->fpga_area_val_get(1, &val), int(FPGABottom::FPGA_OK));
    QCOMPARE(val.max, SimBoard::defaultBackgroundAD());
    QCOMPARE(val.min, uint16_t(30114));
    QCOMPARE(val.min_x, uint16_t(pack.left()));
    QCOMPARE(val.min_y, uint16_t(pack.top()));
    QVERIFY(val.avg > val.min && val.avg < val.max);
}

void TestFpgaBottom::missingBoardFailsEverywhere()
{
    m_board->setPresent(false);
    QVERIFY(!m_fpga->isBoardOpen());
    QCOMPARE(m_fpga->fpga_read_lenIndex(), int(FPGABottom::NO_LENS));
    float t = 5.0f, h = 6.0f;
    QCOMPARE(m_fpga->fpga_read_sensorTemp(&t), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(m_fpga->fpga_get_sht11_temp_humid(&t, &h), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(t, 5.0f);
    QVERIFY(!m_fpga->getLampStatus());
    QCOMPARE(m_fpga->openLamp(true), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(m_fpga->fpga_set_image(IR_MIX_VIS), int(FPGABottom::FPGA_FAILED));
    QVector<unsigned short> frame(FPGABottom::FRAME_PIXELS, 77);
    QCOMPARE(m_fpga->fpga_read_IRAD_384(frame.data()), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(frame.first(), uint16_t(77));
    bool ok = true;
    QCOMPARE(m_fpga->fpga_get_auto_max(&ok), uint16_t(0));
    QVERIFY(!ok);
    _point_max max{1, 2, 3};
    QCOMPARE(m_fpga->fpga_point_max_get(&max), int(FPGABottom::FPGA_FAILED));
    QCOMPARE(max.ad, uint16_t(1));
}

void TestFpgaBottom::realDeviceUnderTheRoot()
{
    // The real device class on a plain file under the test root: positioned
    // transfers at register offsets, and a missing node is a closed board.
    QVERIFY(m_root->writeFile(QStringLiteral("/dev/DM365-FPGA"), QByteArray(0x100, '\0')));
    FPGABottom real(std::make_shared<BoardDevice>());
    QVERIFY(real.isBoardOpen());
    QCOMPARE(real.openLamp(true), int(FPGABottom::FPGA_OK));
    QCOMPARE(real.fpga_set_iso_max(0xBEEF), int(FPGABottom::FPGA_OK));
    const QByteArray file = m_root->readFile(QStringLiteral("/dev/DM365-FPGA"));
    QCOMPARE(uint8_t(file[0x15]), uint8_t(0x04));
    QCOMPARE(file.mid(0x204, 2), QByteArray::fromHex("efbe"));

    QVERIFY(QFile::remove(m_root->hostPath(QStringLiteral("/dev/DM365-FPGA"))));
    FPGABottom missing(std::make_shared<BoardDevice>());
    QVERIFY(!missing.isBoardOpen());
    QCOMPARE(missing.fpga_read_lenIndex(), int(FPGABottom::NO_LENS));

    // The default board comes from the installed factory.
    RegisterDevice::installFactory([this] { return m_board; });
    FPGABottom simulated;
    QCOMPARE(simulated.registerDevice(), static_cast<RegisterDevice *>(m_board.get()));
    RegisterDevice::installFactory(nullptr);
    FPGABottom fallback;
    QVERIFY(dynamic_cast<BoardDevice *>(fallback.registerDevice()));
}

void TestFpgaBottom::concurrentBitSwitchesLoseNothing()
{
    // Several threads switch bits of register 0x15; each read-modify-write
    // must keep the others' bits.
    std::atomic<bool> go{false};
    auto toggle = [&](auto on, auto off) {
        while (!go.load()) {
        }
        for (int i = 0; i < 20000; ++i) {
            off();
            on();
        }
    };
    std::thread lamp(toggle, [&] { m_fpga->openLamp(true); }, [&] { m_fpga->openLamp(false); });
    std::thread laser(toggle, [&] { m_fpga->openLaser(true); }, [&] { m_fpga->openLaser(false); });
    std::thread alarm(toggle, [&] { m_fpga->fpga_open_alarm(false); }, [&] { m_fpga->fpga_open_alarm(true); });
    go.store(true);
    lamp.join();
    laser.join();
    alarm.join();
    QCOMPARE(m_board->registerByte(0x15), uint8_t(0x06));
}

QTEST_GUILESS_MAIN(TestFpgaBottom)
#include "tst_fpgabottom.moc"
