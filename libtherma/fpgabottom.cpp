#include "fpgabottom.h"

#include "registerdevice.h"

#include <QDebug>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {
// Register offsets of the board.
enum : unsigned int {
    RegImage = 0x00,
    RegPipePosition = 0x01,
    RegPowerLens = 0x0F,
    RegDisplay = 0x10,
    RegFreeze = 0x14,
    RegOutputs = 0x15,
    RegShutterTemp = 0x1C,
    RegSensorTemp = 0x1E,
    RegMixWindow = 0x25,
    RegMixZoom = 0x26,
    RegMixDx = 0x28,
    RegMixDy = 0x29,
    RegIrMixPercent = 0x2A,
    RegCcdMixPercent = 0x2F,
    RegLcdStart = 0x30,
    RegLcdState = 0x31,
    RegOutputMode = 0x34,
    RegFrameMax = 0x40,
    RegFrameMin = 0x42,
    RegFrameSum = 0x44,
    RegMixMax = 0x4A,
    RegMixMin = 0x4C,
    RegMaxX = 0x50,
    RegMaxY = 0x52,
    RegMinX = 0x54,
    RegMinY = 0x56,
    RegMixMaxX = 0x58,
    RegMixMaxY = 0x5A,
    RegMixMinX = 0x5C,
    RegMixMinY = 0x5E,
    RegLevelSpanControl = 0x60,
    RegLevel = 0x62,
    RegGain = 0x64,
    RegPixelCount = 0x6C,
    RegBoardLevel = 0x70,
    RegBoardGain = 0x72,
    RegShtTemp = 0x8C,
    RegShtHumid = 0x8E,
    RegHistMax = 0xA0,
    RegHistMin = 0xA2,
    RegHistMost = 0xA4,
    RegVersion = 0xF0,
    RegIsoEnable = 0x200,
    RegIsoType = 0x201,
    RegIsoMin = 0x202,
    RegIsoMax = 0x204,
    RegSpotBase = 0x1000,
    RegAreaBase = 0x10C0,
    RegLine1 = 0x1200,
    RegLine2 = 0x1202,
    RegPalette = 0x1300,
    RegFrame = 0x4000,
};

constexpr unsigned int SpotStride = 16;
constexpr unsigned int AreaStride = 64;
constexpr unsigned int GainNumerator = 0x400000;
constexpr unsigned short SpanWhenNoGain = 16448;
constexpr unsigned short BoardSpanWhenNoGain = 255;

// Lens index by the 3-bit lens code; code 7 asks register 0x00.
constexpr int LensByCode[7] = {6, 2, 4, 0, 5, 1, 3};

uint16_t littleWord(const unsigned char *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

unsigned char mixWeight(float fraction)
{
    if (!std::isfinite(fraction) || fraction < 0.0f)
        fraction = 0.0f;
    if (fraction > 1.0f)
        fraction = 1.0f;
    return static_cast<unsigned char>(static_cast<int>(fraction * 128) & 0xFF);
}
} // namespace

FPGABottom::FPGABottom()
    : FPGABottom(RegisterDevice::openBoard())
{
}

FPGABottom::FPGABottom(std::shared_ptr<RegisterDevice> device)
    : m_device(std::move(device))
{
}

FPGABottom::~FPGABottom() = default;

bool FPGABottom::isBoardOpen() const
{
    return m_device && m_device->isOpen();
}

int FPGABottom::readData(unsigned int reg, void *buf, int len)
{
    if (!buf || len < 1 || !isBoardOpen())
        return -1;
    const int n = m_device->readAt(reg, buf, len);
    if (n < 0)
        perror("read data failed");
    return n < 0 ? -1 : n;
}

int FPGABottom::writeData(unsigned int reg, const void *buf, int len)
{
    if (!buf || len < 1 || !isBoardOpen())
        return -1;
    const int n = m_device->writeAt(reg, buf, len);
    if (n < 0)
        perror("write fpga failed");
    return n < 0 ? -1 : n;
}

int FPGABottom::readExact(unsigned int reg, void *buf, int len)
{
    return readData(reg, buf, len) == len ? FPGA_OK : FPGA_FAILED;
}

int FPGABottom::writeExact(unsigned int reg, const void *buf, int len)
{
    return writeData(reg, buf, len) == len ? FPGA_OK : FPGA_FAILED;
}

unsigned short FPGABottom::readWord(unsigned int reg, bool *ok)
{
    unsigned char bytes[2] = {0, 0};
    const bool done = readExact(reg, bytes, 2) == FPGA_OK;
    if (ok)
        *ok = done;
    return done ? littleWord(bytes) : 0;
}

int FPGABottom::writeWord(unsigned int reg, unsigned short value)
{
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    return writeExact(reg, bytes, 2);
}

int FPGABottom::writeByte(unsigned int reg, unsigned char value)
{
    return writeExact(reg, &value, 1);
}

int FPGABottom::updateByte(unsigned int reg, unsigned char keep, unsigned char set)
{
    std::lock_guard<std::mutex> lock(m_updateLock);
    unsigned char value = 0;
    if (readExact(reg, &value, 1) != FPGA_OK)
        return FPGA_FAILED;
    value = static_cast<unsigned char>((value & keep) | set);
    return writeExact(reg, &value, 1);
}

int FPGABottom::switchBit(unsigned int reg, unsigned char mask, bool on)
{
    return updateByte(reg, static_cast<unsigned char>(~mask), on ? mask : 0);
}

int FPGABottom::readBit(unsigned int reg, unsigned char mask, bool *ok)
{
    unsigned char value = 0;
    const bool done = readExact(reg, &value, 1) == FPGA_OK;
    if (ok)
        *ok = done;
    return done && (value & mask) ? 1 : 0;
}

// ---- picture composition ----

int FPGABottom::fpga_set_image(Image_Mode_t mode)
{
    m_imageMode.store(mode & 0x07);
    return updateByte(RegImage, 0xF8, static_cast<unsigned char>(mode & 0x07));
}

int FPGABottom::fpga_get_image(unsigned char *value)
{
    if (!value)
        return FPGA_FAILED;
    return readExact(RegImage, value, 1);
}

int FPGABottom::fpga_set_ccd_pipe_ir_position(int position)
{
    return updateByte(RegPipePosition, 0xCF, static_cast<unsigned char>((position & 0x03) << 4));
}

int FPGABottom::fpga_set_ir_pipe_ccd_position(int position)
{
    return updateByte(RegPipePosition, 0xFC, static_cast<unsigned char>(position & 0x03));
}

int FPGABottom::fpga_set_CCD_Mix_IR_Size(int on)
{
    // On keeps bits 4-7, clears 1-3 and sets bit 0; off clears bit 0 only.
    return on ? updateByte(RegMixWindow, 0xF0, 0x01) : updateByte(RegMixWindow, 0xFE, 0x00);
}

int FPGABottom::fpga_set_IR_Mix_CCD_Size(int on)
{
    // On keeps bits 0-3, clears 4-6 and sets bit 7; off clears bit 7 only.
    return on ? updateByte(RegMixWindow, 0x0F, 0x80) : updateByte(RegMixWindow, 0x7F, 0x00);
}

int FPGABottom::set_mix_zoom(int zoom)
{
    return writeWord(RegMixZoom, static_cast<unsigned short>(zoom & 0xFFFF));
}

int FPGABottom::get_mix_zoom(bool *ok)
{
    return readWord(RegMixZoom, ok);
}

int FPGABottom::set_mix_dx(char dx)
{
    return writeByte(RegMixDx, static_cast<unsigned char>(dx));
}

int FPGABottom::set_mix_dy(char dy)
{
    return writeByte(RegMixDy, static_cast<unsigned char>(dy));
}

int FPGABottom::get_mix_dx(bool *ok)
{
    unsigned char value = 0;
    const bool done = readExact(RegMixDx, &value, 1) == FPGA_OK;
    if (ok)
        *ok = done;
    return static_cast<signed char>(value);
}

int FPGABottom::get_mix_dy(bool *ok)
{
    unsigned char value = 0;
    const bool done = readExact(RegMixDy, &value, 1) == FPGA_OK;
    if (ok)
        *ok = done;
    return static_cast<signed char>(value);
}

int FPGABottom::set_IR_mix_CCD_percent(float fraction)
{
    return writeByte(RegIrMixPercent, mixWeight(fraction));
}

int FPGABottom::set_CCD_mix_IR_percent(float fraction)
{
    return writeByte(RegCcdMixPercent, mixWeight(fraction));
}

// ---- power, lens and switches ----

int FPGABottom::fpga_get_IR_power()
{
    return readBit(RegPowerLens, 0x80);
}

int FPGABottom::fpga_read_lenIndex()
{
    unsigned char code = 0;
    // A board that cannot be read has no lens; code 0 would name a real one.
    if (readExact(RegPowerLens, &code, 1) != FPGA_OK)
        return NO_LENS;
    code &= 0x07;
    if (code < 7)
        return LensByCode[code];
    unsigned char image = 0;
    if (readExact(RegImage, &image, 1) != FPGA_OK)
        return NO_LENS;
    return (image & 0x80) ? 0 : NO_LENS;
}

int FPGABottom::fpga_display_line(int line, bool on)
{
    if (line != 1 && line != 2)
        return -1;
    return switchBit(RegDisplay, line == 1 ? 0x01 : 0x02, on);
}

int FPGABottom::fpga_open_saturation(bool on)
{
    return switchBit(RegDisplay, 0x40, on);
}

int FPGABottom::fpga_switch_colorBar(bool on)
{
    return switchBit(RegDisplay, 0x80, on);
}

int FPGABottom::fpga_freeze_image(bool on)
{
    return switchBit(RegFreeze, 0x01, on);
}

int FPGABottom::fpga_get_freeze_status()
{
    return readBit(RegFreeze, 0x01);
}

int FPGABottom::fpga_open_alarm(bool on)
{
    return switchBit(RegOutputs, 0x01, on);
}

int FPGABottom::openLaser(bool on)
{
    return switchBit(RegOutputs, 0x02, on);
}

bool FPGABottom::getLaserStatus()
{
    return readBit(RegOutputs, 0x02) != 0;
}

int FPGABottom::openLamp(bool on)
{
    return switchBit(RegOutputs, 0x04, on);
}

bool FPGABottom::getLampStatus()
{
    return readBit(RegOutputs, 0x04) != 0;
}

int FPGABottom::fpga_open_CCD(bool on)
{
    return switchBit(RegOutputs, 0x10, on);
}

// ---- LCD path and video output ----

int FPGABottom::fpga_start_arm_lcd(unsigned char mode)
{
    if (mode == 255)
        mode = 1;
    qDebug("fpga write 0x30 mode:%d", mode);
    return writeByte(RegLcdStart, mode);
}

int FPGABottom::fpga_set_arm_lcd_jingDu(unsigned char state)
{
    return writeByte(RegLcdState, state);
}

int FPGABottom::fpga_set_output_mode(int mode)
{
    return writeByte(RegOutputMode, static_cast<unsigned char>(mode & 0xFF));
}

// ---- temperatures ----

int FPGABottom::readTemperatureWord(unsigned int reg, float *out)
{
    if (!out)
        return FPGA_FAILED;
    bool ok = false;
    const unsigned short word = readWord(reg, &ok);
    if (!ok)
        return FPGA_FAILED;
    // Signed two's complement, 1/256 degC per count.
    *out = static_cast<float>(static_cast<int16_t>(word)) / 256.0f;
    return FPGA_OK;
}

int FPGABottom::fpga_read_shutterTemp(float *out)
{
    return readTemperatureWord(RegShutterTemp, out);
}

int FPGABottom::fpga_read_sensorTemp(float *out)
{
    return readTemperatureWord(RegSensorTemp, out);
}

int FPGABottom::fpga_get_sht11_temp_humid(float *temp, float *humid)
{
    if (!temp || !humid)
        return FPGA_FAILED;
    bool ok = false;
    const unsigned short rawTemp = readWord(RegShtTemp, &ok);
    if (!ok)
        return FPGA_FAILED;
    if (rawTemp == 0xFFFF)
        return -1;
    const float t = static_cast<float>(0.01 * rawTemp - 39.66);
    *temp = t;
    const unsigned short rawHumid = readWord(RegShtHumid, &ok);
    if (!ok)
        return FPGA_FAILED;
    if (rawHumid == 0xFFFF)
        return -1;
    // Linear and temperature-compensated terms of the sensor's 12-bit reading.
    const float linear = static_cast<float>(0.0405 * rawHumid - 4.0 - 0.0000028 * rawHumid * rawHumid);
    *humid = static_cast<float>((t - 25) * (0.01 + 0.00008 * rawHumid) + linear);
    return 0;
}

// ---- frame statistics ----

unsigned short FPGABottom::fpga_get_auto_max(bool *ok)
{
    return readWord(RegFrameMax, ok);
}

unsigned short FPGABottom::fpga_get_auto_min(bool *ok)
{
    return readWord(RegFrameMin, ok);
}

unsigned short FPGABottom::fpga_get_auto_averg(bool *ok)
{
    unsigned char sum[8] = {0};
    unsigned char count[4] = {0};
    const bool done = readExact(RegFrameSum, sum, 6) == FPGA_OK
                      && readExact(RegPixelCount, count, 4) == FPGA_OK;
    uint64_t total = 0;
    for (int i = 5; i >= 0; --i)
        total = (total << 8) | sum[i];
    const uint32_t pixels = static_cast<uint32_t>(count[0]) | (static_cast<uint32_t>(count[1]) << 8)
                            | (static_cast<uint32_t>(count[2]) << 16) | (static_cast<uint32_t>(count[3]) << 24);
    // No pixels counted (no board, or a board not yet measuring): no average.
    const bool valid = done && pixels != 0;
    if (ok)
        *ok = valid;
    return valid ? static_cast<unsigned short>(total / pixels) : 0;
}

int FPGABottom::readPoint(unsigned int adReg, unsigned int xReg, unsigned int yReg,
                          uint16_t *ad, uint16_t *x, uint16_t *y)
{
    bool okAd = false, okX = false, okY = false;
    const uint16_t a = readWord(adReg, &okAd);
    const uint16_t px = readWord(xReg, &okX);
    const uint16_t py = readWord(yReg, &okY);
    if (!okAd || !okX || !okY)
        return FPGA_FAILED;
    *ad = a;
    *x = px;
    *y = py;
    return FPGA_OK;
}

int FPGABottom::fpga_point_max_get(_point_max *point)
{
    if (!point)
        return FPGA_FAILED;
    if (m_imageMode.load() == VIS_MIX_IR)
        return readPoint(RegMixMax, RegMixMaxX, RegMixMaxY, &point->ad, &point->x, &point->y);
    return readPoint(RegFrameMax, RegMaxX, RegMaxY, &point->ad, &point->x, &point->y);
}

int FPGABottom::fpga_point_min_get(_point_min *point)
{
    if (!point)
        return FPGA_FAILED;
    if (m_imageMode.load() == VIS_MIX_IR)
        return readPoint(RegMixMin, RegMixMinX, RegMixMinY, &point->ad, &point->x, &point->y);
    return readPoint(RegFrameMin, RegMinX, RegMinY, &point->ad, &point->x, &point->y);
}

int FPGABottom::fpga_get_zft_maxMin(unsigned short *max, unsigned short *min)
{
    if (!max || !min)
        return FPGA_FAILED;
    bool okMax = false, okMin = false;
    const unsigned short high = readWord(RegHistMax, &okMax);
    const unsigned short low = readWord(RegHistMin, &okMin);
    if (!okMax || !okMin)
        return FPGA_FAILED;
    *max = high;
    *min = low;
    return FPGA_OK;
}

int FPGABottom::fpga_get_zft_most(unsigned short *most)
{
    if (!most)
        return FPGA_FAILED;
    bool ok = false;
    const unsigned short value = readWord(RegHistMost, &ok);
    if (!ok)
        return FPGA_FAILED;
    *most = value;
    return FPGA_OK;
}

// ---- level and span ----

int FPGABottom::fpga_start_level_span_control(bool on)
{
    return writeByte(RegLevelSpanControl, on ? 0x00 : 0xFF);
}

int FPGABottom::fpga_set_levelSpan(unsigned short level, unsigned int gain)
{
    const unsigned char bytes[4] = {static_cast<unsigned char>(gain & 0xFF),
                                    static_cast<unsigned char>((gain >> 8) & 0xFF),
                                    static_cast<unsigned char>((gain >> 16) & 0xFF),
                                    static_cast<unsigned char>((gain >> 24) & 0xFF)};
    const bool levelDone = writeWord(RegLevel, level) == FPGA_OK;
    const bool gainDone = writeExact(RegGain, bytes, 4) == FPGA_OK;
    return levelDone && gainDone ? FPGA_OK : FPGA_FAILED;
}

unsigned short FPGABottom::fpga_get_level(bool *ok)
{
    return readWord(RegLevel, ok);
}

unsigned short FPGABottom::fpga_get_span(bool *ok)
{
    const unsigned short gain = readWord(RegGain, ok);
    if (gain == 0)
        return SpanWhenNoGain;
    return static_cast<unsigned short>(GainNumerator / gain);
}

unsigned short FPGABottom::fpga_get_fpga_level(bool *ok)
{
    return readWord(RegBoardLevel, ok);
}

unsigned short FPGABottom::fpga_get_fpga_span(bool *ok)
{
    const unsigned short gain = readWord(RegBoardGain, ok);
    if (gain == 0)
        return BoardSpanWhenNoGain;
    return static_cast<unsigned short>(GainNumerator / gain);
}

// ---- version ----

int FPGABottom::fpga_get_version(char *out, int size)
{
    if (!out || size < 1)
        return FPGA_FAILED;
    char version[VERSION_LENGTH] = {0};
    const int result = readExact(RegVersion, version, VERSION_LENGTH);
    const int length = result == FPGA_OK ? qMin(size - 1, int(VERSION_LENGTH)) : 0;
    std::memcpy(out, version, static_cast<size_t>(length));
    out[length] = '\0';
    return result;
}

// ---- isotherm ----

int FPGABottom::fpga_set_iso_enable(bool on)
{
    return writeByte(RegIsoEnable, on ? 1 : 0);
}

int FPGABottom::fpga_set_iso_type(unsigned char type)
{
    return writeByte(RegIsoType, type);
}

int FPGABottom::fpga_set_iso_min(unsigned short ad)
{
    return writeWord(RegIsoMin, ad);
}

int FPGABottom::fpga_set_iso_max(unsigned short ad)
{
    return writeWord(RegIsoMax, ad);
}

// ---- measurement slots ----

int FPGABottom::fpga_point_position_set(unsigned char n, const _fpga_point *point)
{
    if (n >= SPOT_SLOTS || !point)
        return FPGA_FAILED;
    const unsigned char bytes[4] = {static_cast<unsigned char>(point->x & 0xFF),
                                    static_cast<unsigned char>(point->x >> 8),
                                    static_cast<unsigned char>(point->y & 0xFF),
                                    static_cast<unsigned char>(point->y >> 8)};
    return writeExact(RegSpotBase + SpotStride * n, bytes, 4);
}

int FPGABottom::fpga_point_ad_get(unsigned char n, unsigned short *ad)
{
    if (n >= SPOT_SLOTS || !ad)
        return FPGA_FAILED;
    bool ok = false;
    const unsigned short value = readWord(RegSpotBase + SpotStride * n + 4, &ok);
    if (!ok)
        return FPGA_FAILED;
    *ad = value;
    return FPGA_OK;
}

int FPGABottom::fpga_area_set(unsigned char n, const _area *area)
{
    if (n >= AREA_SLOTS || !area)
        return FPGA_FAILED;
    const unsigned int base = RegAreaBase + AreaStride * n;
    const uint16_t corners[4] = {area->x0, area->y0, area->x1, area->y1};
    bool done = true;
    for (int i = 0; i < 4; ++i)
        done = writeWord(base + 2 * i, corners[i]) == FPGA_OK && done;
    return done ? FPGA_OK : FPGA_FAILED;
}

int FPGABottom::fpga_area_val_get(unsigned char n, _area_val *val)
{
    if (n >= AREA_SLOTS || !val)
        return FPGA_FAILED;
    const unsigned int base = RegAreaBase + AreaStride * n;
    const unsigned int regs[7] = {base + 0x10, base + 0x12, base + 0x14,
                                  base + 0x20, base + 0x22, base + 0x24, base + 0x26};
    uint16_t values[7] = {0};
    bool done = true;
    for (int i = 0; i < 7 && done; ++i)
        values[i] = readWord(regs[i], &done);
    if (!done)
        return FPGA_FAILED;
    *val = _area_val{values[0], values[1], values[2], values[3], values[4], values[5], values[6]};
    return FPGA_OK;
}

int FPGABottom::fpga_set_line_position(int line, unsigned short x, unsigned short y)
{
    if (line == 1)
        return writeWord(RegLine1, y);
    if (line == 2)
        return writeWord(RegLine2, x);
    return -1;
}

// ---- palette ----

int FPGABottom::fpga_colorTable_set(const unsigned char *table)
{
    if (!table)
        return FPGA_FAILED;
    return writeExact(RegPalette, table, PALETTE_BYTES);
}

int FPGABottom::fpga_colorTable_get(void *buf, int len)
{
    if (!buf || len < 1 || len > PALETTE_BYTES)
        return FPGA_FAILED;
    return readExact(RegPalette, buf, len);
}

// ---- frames ----

namespace {
// Whole seconds and the microseconds within them.
void split(std::chrono::steady_clock::time_point t, long long *s, long long *us)
{
    const long long total = std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
    *s = total / 1000000;
    *us = total % 1000000;
}

void printReadTime(std::chrono::steady_clock::time_point start, std::chrono::steady_clock::time_point end)
{
    long long startS = 0, startUs = 0, endS = 0, endUs = 0;
    split(start, &startS, &startUs);
    split(end, &endS, &endUs);
    // Labelled by whether the microseconds borrow from the seconds.
    if (endUs >= startUs)
        qDebug("time2:%d ms", int((endUs - startUs) / 1000 + (endS - startS) * 1000));
    else
        qDebug("time1:%d ms", int((endUs + 1000000 - startUs) / 1000 + (endS - 1 - startS) * 1000));
}
} // namespace

int FPGABottom::readFrameChunk(unsigned short *chunk, int bytes)
{
    if (readExact(RegFrame, chunk, bytes) != FPGA_OK)
        return FPGA_FAILED;
    // The board's first pixel of a chunk is not a measurement.
    if (chunk[0] == 0)
        chunk[0] = chunk[1];
    return FPGA_OK;
}

int FPGABottom::fpga_read_IRAD(unsigned short *frame)
{
    if (!frame) {
        qWarning("add is null");
        return FPGA_FAILED;
    }
    return readFrameChunk(frame, SMALL_FRAME_PIXELS * 2);
}

int FPGABottom::fpga_read_IRAD_384(unsigned short *frame)
{
    qDebug("fpga read irad 384");
    if (!frame) {
        qWarning("add is null");
        return FPGA_FAILED;
    }
    const auto start = std::chrono::steady_clock::now();
    // Every chunk is asked for even after a failure: the board hands out
    // successive chunks, and skipping some would shift the next frame.
    bool done = true;
    for (int i = 0; i < FRAME_CHUNKS; ++i) {
        unsigned short *chunk = frame + i * (FRAME_CHUNK_BYTES / 2);
        done = readFrameChunk(chunk, FRAME_CHUNK_BYTES) == FPGA_OK && done;
    }
    printReadTime(start, std::chrono::steady_clock::now());
    return done ? FPGA_OK : FPGA_FAILED;
}
