#include "simboard.h"

#include <QPainter>

#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {
constexpr uint32_t RegImage = 0x00;
constexpr uint32_t RegDisplay = 0x10;
constexpr uint32_t RegPipCorners = 0x01;
constexpr uint32_t RegPowerLens = 0x0F;
constexpr uint32_t RegFreeze = 0x14;
constexpr uint32_t RegShutterTemp = 0x1C;
constexpr uint32_t RegSensorTemp = 0x1E;
constexpr uint32_t RegMixSize = 0x25;
constexpr uint32_t RegIrMixPercent = 0x2A;
constexpr uint32_t RegCcdMixPercent = 0x2F;
constexpr uint32_t RegStatsBegin = 0x40;
constexpr uint32_t RegStatsEnd = 0x60;     // exclusive
constexpr uint32_t RegLevel = 0x62;
constexpr uint32_t RegGain = 0x64;
constexpr uint32_t RegPixelCount = 0x6C;
constexpr uint32_t RegBoardLevel = 0x70;
constexpr uint32_t RegBoardGain = 0x72;
constexpr uint32_t RegShtTemp = 0x8C;
constexpr uint32_t RegShtHumid = 0x8E;
constexpr uint32_t RegHistMax = 0xA0;
constexpr uint32_t RegHistMin = 0xA2;
constexpr uint32_t RegHistMost = 0xA4;
constexpr uint32_t RegVersion = 0xF0;
constexpr uint32_t RegSpotBase = 0x1000;
constexpr uint32_t RegAreaBase = 0x10C0;
constexpr int SpotSlots = 12;
constexpr int AreaSlots = 5;
constexpr int MaxLoggedWrites = 4096;
constexpr double FramesPerSecond = 25.0;
constexpr int HistogramBin = 16;

bool overlaps(uint32_t offset, int length, uint32_t begin, uint32_t end)
{
    return offset < end && offset + static_cast<uint32_t>(length) > begin;
}

uint32_t noiseHash(uint32_t x, uint32_t y, uint32_t frame)
{
    uint32_t h = x * 73856093u ^ y * 19349663u ^ frame * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

// Remainders by one divisor of any 32-bit value, through a multiplication
// and shifts as a compiler does for a constant divisor (Granlund and
// Montgomery): the scene's noise takes one per pixel of every frame, and
// a division there costs more than the rest of the frame.
class Remainder
{
public:
    explicit Remainder(uint32_t divisor)
        : m_divisor(divisor)
    {
        int bits = 0;
        while ((uint64_t(1) << bits) < divisor)
            ++bits;
        m_multiplier = uint32_t((uint64_t(1) << 32) * ((uint64_t(1) << bits) - divisor) / divisor + 1);
        m_firstShift = std::min(bits, 1);
        m_secondShift = std::max(bits - 1, 0);
    }
    uint32_t of(uint32_t n) const
    {
        const uint32_t high = uint32_t((uint64_t(m_multiplier) * n) >> 32);
        const uint32_t quotient = (high + ((n - high) >> m_firstShift)) >> m_secondShift;
        return n - quotient * m_divisor;
    }

private:
    uint32_t m_divisor;
    uint32_t m_multiplier;
    int m_firstShift;
    int m_secondShift;
};

uint8_t clampByte(double v)
{
    return static_cast<uint8_t>(std::clamp(v, 0.0, 255.0));
}

// Pixel v of an axis `from` pixels long onto the axis `to` pixels long: the
// pixel under v's centre, so the two mappings undo each other on the board
// side.
int scaleAxis(int v, int from, int to)
{
    const int clamped = std::clamp(v, 0, from - 1);
    return std::min(to - 1, (2 * clamped + 1) * to / (2 * from));
}

// The first frame pixel whose centre lies at or past the board edge: the
// frame pixels of board columns [a, b) are [frameEdge(a), frameEdge(b)).
int frameEdge(int edge, int boardLength, int frameLength)
{
    const int numerator = 2 * edge * frameLength - boardLength;
    if (numerator <= 0)
        return 0;
    return std::min(frameLength, (numerator + 2 * boardLength - 1) / (2 * boardLength));
}
} // namespace

SimBoard::SimBoard()
    : m_registers(REGISTER_SPACE, '\0')
    , m_background(defaultBackgroundAD())
    , m_objects(defaultObjects())
    , m_palette(PALETTE_BYTES, '\0')
{
    setLensCode(3);
    setIrPower(true);
    // The internal temperature the default scene's ADs are given for.
    setShutterTempWord(temperatureWord(26.5));
    setSensorTempWord(temperatureWord(26.5));
    // 25 degC and about 50 % relative humidity.
    setShtWords(6466, 1380);
    setVersion(QByteArrayLiteral("SIMFPGA-1.00.00"));
    m_flash = QByteArray(FLASH_BYTES, char(0xFF));
    m_registers[REG_FLASH_ID] = char(0x14);
}

SimBoard::~SimBoard() = default;

void SimBoard::install(const std::shared_ptr<SimBoard> &board)
{
    if (!board) {
        RegisterDevice::installFactory(nullptr);
        return;
    }
    RegisterDevice::installFactory([board] { return std::static_pointer_cast<RegisterDevice>(board); });
}

// Under the simulator's default tables (low range, internal temperature
// 26.5 degC, emissivity 0.95 at 5 m) the background is 20 degC, the mug
// 50 degC, the cold pack 0 degC and the hot spot 100 degC.
QVector<SimBoard::SceneObject> SimBoard::defaultObjects()
{
    QVector<SceneObject> objects;
    objects.append({QStringLiteral("mug"), QRect(60, 90, 80, 100), true, 35106, QPoint(10, 0)});
    objects.append({QStringLiteral("cold pack"), QRect(250, 170, 90, 60), false, 30114, QPoint(0, 6)});
    objects.append({QStringLiteral("hot spot"), QRect(200, 60, 16, 16), true, 40101, QPoint(20, 10)});
    return objects;
}

// ---- RegisterDevice ----

bool SimBoard::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_present;
}

bool SimBoard::takeFault(Fault fault, uint32_t offset)
{
    for (int i = 0; i < m_faults.size(); ++i) {
        FaultRule &rule = m_faults[i];
        if (rule.fault != fault || (rule.offset >= 0 && uint32_t(rule.offset) != offset))
            continue;
        if (rule.skip > 0) {
            --rule.skip;
            continue;
        }
        if (rule.times > 0 && --rule.times == 0)
            m_faults.removeAt(i);
        return true;
    }
    return false;
}

void SimBoard::setBusTestAnswer(uint8_t low, uint8_t high)
{
    QMutexLocker lock(&m_mutex);
    m_busAnswer[0] = low;
    m_busAnswer[1] = high;
}

int SimBoard::readAt(uint32_t offset, void *buffer, int length)
{
    QMutexLocker lock(&m_mutex);
    if (!m_present) {
        errno = ENODEV;
        return -1;
    }
    if (!buffer || length < 0) {
        errno = EINVAL;
        return -1;
    }
    const bool fail = takeFault(FailRead, offset);
    const bool shortRead = !fail && takeFault(ShortRead, offset);
    // The bus test's two offsets answer their patterns, outside the frame.
    if (length == 1 && (offset == BUS_TEST_LOW || offset == BUS_TEST_HIGH)) {
        if (fail) {
            errno = EIO;
            return -1;
        }
        *static_cast<uint8_t *>(buffer) = offset == BUS_TEST_LOW ? m_busAnswer[0] : m_busAnswer[1];
        return 1;
    }
    if (offset >= FRAME_OFFSET) {
        // The board's frame sequencer moves on even when the transfer fails.
        QVector<char> scratch(length);
        const int n = readFrameStream(scratch.data(), length);
        if (fail) {
            errno = EIO;
            return -1;
        }
        const int delivered = shortRead ? n / 2 : n;
        std::memcpy(buffer, scratch.constData(), static_cast<size_t>(delivered));
        return delivered;
    }
    if (fail) {
        errno = EIO;
        return -1;
    }
    const int available = std::min<int>(length, int(REGISTER_SPACE - offset));
    const int n = shortRead ? available / 2 : available;
    if (n <= 0)
        return 0;
    refreshComputed(offset, n);
    playAreaAverages(offset, n);
    std::memcpy(buffer, m_registers.constData() + offset, static_cast<size_t>(n));
    auto blank = [&](uint32_t begin, uint32_t end) {
        for (uint32_t r = std::max(begin, offset); r < std::min(end, offset + uint32_t(n)); ++r)
            static_cast<char *>(buffer)[r - offset] = 0;
    };
    if (m_boardFaults & ZeroGain) {
        blank(RegGain, RegGain + 4);
        blank(RegBoardGain, RegBoardGain + 2);
    }
    if (m_boardFaults & ZeroPixelCount)
        blank(RegPixelCount, RegPixelCount + 4);
    return n;
}

int SimBoard::writeAt(uint32_t offset, const void *buffer, int length)
{
    QMutexLocker lock(&m_mutex);
    if (!m_present) {
        errno = ENODEV;
        return -1;
    }
    if (!buffer || length < 0) {
        errno = EINVAL;
        return -1;
    }
    if (takeFault(FailWrite, offset) || offset >= REGISTER_SPACE) {
        errno = EIO;
        return -1;
    }
    if (isFlashRegister(offset, length))
        return writeFlash(offset, buffer, length);
    int n = std::min<int>(length, int(REGISTER_SPACE - offset));
    if (takeFault(ShortWrite, offset))
        n /= 2;
    if (n <= 0)
        return 0;
    storeBytes(offset, buffer, n);
    m_writes.append({offset, QByteArray(static_cast<const char *>(buffer), n)});
    if (m_writes.size() > MaxLoggedWrites)
        m_writes.remove(0, m_writes.size() - MaxLoggedWrites);
    if (offset == PALETTE_OFFSET && n == int(PALETTE_BYTES)) {
        m_palette = QByteArray(static_cast<const char *>(buffer), n);
        ++m_paletteUploads;
    }
    return n;
}

int SimBoard::readFrameStream(void *buffer, int length)
{
    if (m_streamCursor == 0 || m_streamFrame.size() != PIXELS) {
        ensureFrame();
        m_streamFrame = m_frame;
        m_streamCursor = 0;
    }
    const int n = std::min(length, int(FRAME_BYTES) - m_streamCursor);
    std::memcpy(buffer, reinterpret_cast<const char *>(m_streamFrame.constData()) + m_streamCursor,
                static_cast<size_t>(n));
    m_streamCursor += length;
    if (m_streamCursor >= int(FRAME_BYTES))
        m_streamCursor = 0;
    return n;
}

void SimBoard::restartFrameStream()
{
    QMutexLocker lock(&m_mutex);
    m_streamCursor = 0;
}

// ---- computed registers ----

void SimBoard::storeBytes(uint32_t offset, const void *data, int length)
{
    std::memcpy(m_registers.data() + offset, data, static_cast<size_t>(length));
}

void SimBoard::storeWord(uint32_t offset, uint16_t value)
{
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    storeBytes(offset, bytes, 2);
}

void SimBoard::refreshComputed(uint32_t offset, int length)
{
    const bool stats = overlaps(offset, length, RegStatsBegin, RegStatsEnd)
                       || overlaps(offset, length, RegPixelCount, RegPixelCount + 4)
                       || overlaps(offset, length, RegBoardLevel, RegBoardGain + 2);
    if (stats) {
        computeStats();
        const StatsData &s = m_stats;
        storeWord(0x40, s.max);
        storeWord(0x42, s.min);
        unsigned char sum[6];
        for (int i = 0; i < 6; ++i)
            sum[i] = static_cast<unsigned char>((s.sum >> (8 * i)) & 0xFF);
        storeBytes(0x44, sum, 6);
        storeWord(0x4A, s.mixMax);
        storeWord(0x4C, s.mixMin);
        storeBoardPoint(0x50, s.maxX, s.maxY);
        storeBoardPoint(0x54, s.minX, s.minY);
        storeBoardPoint(0x58, s.mixMaxX, s.mixMaxY);
        storeBoardPoint(0x5C, s.mixMinX, s.mixMinY);
        const uint32_t count = PIXELS;
        storeBytes(RegPixelCount, &count, 4);
        // The board's own control spans the frame, never narrower than 128.
        const int span = std::max(128, int(s.max) - int(s.min));
        storeWord(RegBoardLevel, s.min);
        storeWord(RegBoardGain, static_cast<uint16_t>(0x400000 / span));
    }
    // The histogram only for its own registers: the automatic level/span
    // reads the others every frame.
    if (overlaps(offset, length, RegHistMax, RegHistMost + 2)) {
        computeHistogram();
        const StatsData &s = m_stats;
        const bool reversed = m_boardFaults & ReversedHistogram;
        storeWord(RegHistMax, reversed ? s.histMin : s.histMax);
        storeWord(RegHistMin, reversed ? s.histMax : s.histMin);
        storeWord(RegHistMost, s.histMost);
    }
    for (int n = 0; n < SpotSlots; ++n) {
        const uint32_t slot = RegSpotBase + 16u * n;
        if (overlaps(offset, length, slot + 4, slot + 6))
            refreshSpot(slot);
    }
    for (int n = 0; n < AreaSlots; ++n) {
        const uint32_t slot = RegAreaBase + 64u * n;
        if (overlaps(offset, length, slot + 0x10, slot + 0x16) || overlaps(offset, length, slot + 0x20, slot + 0x28))
            refreshArea(slot);
    }
}

void SimBoard::storeBoardPoint(uint32_t offset, int frameX, int frameY)
{
    const QPoint p = boardPoint(QPoint(frameX, frameY));
    storeWord(offset, static_cast<uint16_t>(p.x()));
    storeWord(offset + 2, static_cast<uint16_t>(p.y()));
}

// A point beyond the picture measures its edge.
void SimBoard::refreshSpot(uint32_t slot)
{
    ensureFrame();
    const QPoint p = framePixel(QPoint(wordAt(slot), wordAt(slot + 2)));
    storeWord(slot + 4, m_frame.at(p.y() * WIDTH + p.x()));
}

// The area covers the frame pixels under its board rectangle. Right and
// bottom edges are exclusive; an empty rectangle is one board pixel.
void SimBoard::refreshArea(uint32_t slot)
{
    ensureFrame();
    const int left = std::min<int>(wordAt(slot), BOARD_WIDTH - 1);
    const int top = std::min<int>(wordAt(slot + 2), BOARD_HEIGHT - 1);
    const int right = std::clamp<int>(wordAt(slot + 4), left + 1, BOARD_WIDTH);
    const int bottom = std::clamp<int>(wordAt(slot + 6), top + 1, BOARD_HEIGHT);
    const int x0 = frameEdge(left, BOARD_WIDTH, WIDTH);
    const int y0 = frameEdge(top, BOARD_HEIGHT, HEIGHT);
    const int x1 = frameEdge(right, BOARD_WIDTH, WIDTH);
    const int y1 = frameEdge(bottom, BOARD_HEIGHT, HEIGHT);
    uint16_t max = 0, min = 0xFFFF;
    int maxX = x0, maxY = y0, minX = x0, minY = y0;
    uint64_t sum = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const uint16_t v = m_frame.at(y * WIDTH + x);
            sum += v;
            if (v > max || (x == x0 && y == y0)) {
                max = v;
                maxX = x;
                maxY = y;
            }
            if (v < min) {
                min = v;
                minX = x;
                minY = y;
            }
        }
    }
    const uint64_t count = uint64_t(x1 - x0) * uint64_t(y1 - y0);
    storeWord(slot + 0x10, max);
    storeWord(slot + 0x12, min);
    storeWord(slot + 0x14, static_cast<uint16_t>(sum / count));
    storeBoardPoint(slot + 0x20, maxX, maxY);
    storeBoardPoint(slot + 0x24, minX, minY);
}

void SimBoard::playAreaAverages(uint32_t offset, int length)
{
    for (int n = 0; n < m_areaAverages.size(); ++n) {
        QVector<uint16_t> &script = m_areaAverages[n];
        const uint32_t average = RegAreaBase + 64u * n + 0x14;
        if (script.isEmpty() || !overlaps(offset, length, average, average + 2))
            continue;
        storeWord(average, script.first());
        if (script.size() > 1)
            script.removeFirst();
    }
}

void SimBoard::computeStats() const
{
    ensureFrame();
    if (m_statsValid)
        return;
    const uint16_t *frame = m_frame.constData();
    uint64_t sum = 0;
    for (int y = 0; y < HEIGHT; ++y) {
        const uint16_t *row = frame + y * WIDTH;
        uint32_t rowSum = 0;
        for (int x = 0; x < WIDTH; ++x)
            rowSum += row[x];
        sum += rowSum;
    }
    m_stats.sum = sum;
    const Extremes all = findExtremes(frame, QRect(0, 0, WIDTH, HEIGHT));
    m_stats.max = all.max;
    m_stats.maxX = uint16_t(all.maxAt.x());
    m_stats.maxY = uint16_t(all.maxAt.y());
    m_stats.min = all.min;
    m_stats.minX = uint16_t(all.minAt.x());
    m_stats.minY = uint16_t(all.minAt.y());
    const Extremes mix = findExtremes(frame, mixWindow());
    m_stats.mixMax = mix.max;
    m_stats.mixMaxX = uint16_t(mix.maxAt.x());
    m_stats.mixMaxY = uint16_t(mix.maxAt.y());
    m_stats.mixMin = mix.min;
    m_stats.mixMinX = uint16_t(mix.minAt.x());
    m_stats.mixMinY = uint16_t(mix.minAt.y());
    m_statsValid = true;
}

// Row by row first, so the loops over the pixels carry no positions; the
// position is looked up in the one row that holds the extreme first.
SimBoard::Extremes SimBoard::findExtremes(const uint16_t *frame, const QRect &area)
{
    uint16_t rowMax[HEIGHT];
    uint16_t rowMin[HEIGHT];
    for (int i = 0; i < area.height(); ++i)
        rangeOf(frame + (area.top() + i) * WIDTH + area.left(), area.width(), &rowMax[i], &rowMin[i]);
    Extremes e;
    const auto firstIn = [&](int i, uint16_t value) {
        const uint16_t *row = frame + (area.top() + i) * WIDTH + area.left();
        const int x = int(std::find(row, row + area.width(), value) - row);
        return QPoint(area.left() + x, area.top() + i);
    };
    const int maxRow = int(std::max_element(rowMax, rowMax + area.height()) - rowMax);
    const int minRow = int(std::min_element(rowMin, rowMin + area.height()) - rowMin);
    e.max = rowMax[maxRow];
    e.maxAt = firstIn(maxRow, e.max);
    e.min = rowMin[minRow];
    e.minAt = firstIn(minRow, e.min);
    return e;
}

// Sixteen running extremes over blocks of sixteen values, as signed values
// (the top bit flipped keeps the order): the form the compiler turns into
// vector instructions of the baseline x86-64 set.
void SimBoard::rangeOf(const uint16_t *values, int count, uint16_t *max, uint16_t *min)
{
    constexpr int Lanes = 16;
    const auto ordered = [](uint16_t v) { return int16_t(v ^ 0x8000); };
    int16_t high[Lanes];
    int16_t low[Lanes];
    std::fill_n(high, Lanes, std::numeric_limits<int16_t>::min());
    std::fill_n(low, Lanes, std::numeric_limits<int16_t>::max());
    int i = 0;
    for (; i + Lanes <= count; i += Lanes) {
        for (int k = 0; k < Lanes; ++k) {
            high[k] = std::max(high[k], ordered(values[i + k]));
            low[k] = std::min(low[k], ordered(values[i + k]));
        }
    }
    int16_t highest = *std::max_element(high, high + Lanes);
    int16_t lowest = *std::min_element(low, low + Lanes);
    for (; i < count; ++i) {
        highest = std::max(highest, ordered(values[i]));
        lowest = std::min(lowest, ordered(values[i]));
    }
    *max = uint16_t(uint16_t(highest) ^ 0x8000);
    *min = uint16_t(uint16_t(lowest) ^ 0x8000);
}

void SimBoard::computeHistogram() const
{
    ensureFrame();
    if (m_histogramValid)
        return;
    // Four counts, one for each pixel of four: most pixels fall into the
    // background's few bins, and one count would wait on each increment.
    constexpr int Bins = 65536 / HistogramBin;
    std::vector<uint32_t> counts(4 * Bins, 0);
    const uint16_t *frame = m_frame.constData();
    for (int i = 0; i < PIXELS; i += 4) {
        ++counts[frame[i] / HistogramBin];
        ++counts[Bins + frame[i + 1] / HistogramBin];
        ++counts[2 * Bins + frame[i + 2] / HistogramBin];
        ++counts[3 * Bins + frame[i + 3] / HistogramBin];
    }
    QVector<uint32_t> histogram(Bins);
    for (int bin = 0; bin < Bins; ++bin)
        histogram[bin] = counts[bin] + counts[Bins + bin] + counts[2 * Bins + bin] + counts[3 * Bins + bin];
    // Histogram limits leave out half a percent of outliers at each end.
    const uint32_t tail = PIXELS / 200;
    uint32_t seen = 0;
    int lowBin = 0;
    for (; lowBin < histogram.size(); ++lowBin) {
        seen += histogram[lowBin];
        if (seen > tail)
            break;
    }
    seen = 0;
    int highBin = histogram.size() - 1;
    for (; highBin > 0; --highBin) {
        seen += histogram[highBin];
        if (seen > tail)
            break;
    }
    const int mostBin = int(std::max_element(histogram.begin(), histogram.end()) - histogram.begin());
    m_stats.histMin = static_cast<uint16_t>(lowBin * HistogramBin);
    m_stats.histMax = static_cast<uint16_t>(std::min(65535, highBin * HistogramBin + HistogramBin - 1));
    m_stats.histMost = static_cast<uint16_t>(mostBin * HistogramBin + HistogramBin / 2);
    m_histogramValid = true;
}

// ---- scene ----

QRect SimBoard::objectRectAt(const SceneObject &object, double time) const
{
    const double phase = std::sin(2.0 * M_PI * time / SwingPeriod);
    return object.rect.translated(int(std::lround(object.swing.x() * phase)),
                                  int(std::lround(object.swing.y() * phase)));
}

void SimBoard::generateFrame(QVector<uint16_t> &out) const
{
    out.resize(PIXELS);
    uint16_t *pixels = out.data();
    std::fill_n(pixels, PIXELS, m_background);
    for (const SceneObject &object : m_objects) {
        const QRect r = objectRectAt(object, m_time).intersected(QRect(0, 0, WIDTH, HEIGHT));
        const QRect full = objectRectAt(object, m_time);
        const double cx = full.x() + full.width() / 2.0;
        const double cy = full.y() + full.height() / 2.0;
        const double rx = full.width() / 2.0;
        const double ry = full.height() / 2.0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            uint16_t *row = pixels + y * WIDTH;
            if (!object.round) {
                std::fill(row + r.left(), row + r.right() + 1, object.ad);
                continue;
            }
            const double dy = (y + 0.5 - cy) / ry;
            for (int x = r.left(); x <= r.right(); ++x) {
                const double dx = (x + 0.5 - cx) / rx;
                if (dx * dx + dy * dy <= 1.0)
                    row[x] = object.ad;
            }
        }
    }
    if (m_noise > 0) {
        const uint32_t frameNumber = static_cast<uint32_t>(m_time * FramesPerSecond);
        const Remainder spread(2u * uint32_t(m_noise) + 1u);
        // A row's hashes first, in a loop of 32-bit steps only, then the
        // remainders: each loop is simpler than the two together.
        uint32_t hashes[WIDTH];
        for (int y = 0; y < HEIGHT; ++y) {
            uint16_t *row = pixels + y * WIDTH;
            for (int x = 0; x < WIDTH; ++x)
                hashes[x] = noiseHash(uint32_t(x), uint32_t(y), frameNumber);
            for (int x = 0; x < WIDTH; ++x) {
                const int delta = int(spread.of(hashes[x])) - m_noise;
                row[x] = static_cast<uint16_t>(std::clamp(int(row[x]) + delta, 0, 65535));
            }
        }
    }
}

void SimBoard::ensureFrame() const
{
    if (m_frameValid)
        return;
    if (m_fixedFrame.size() == PIXELS)
        m_frame = m_fixedFrame;
    else
        generateFrame(m_frame);
    const int shift = int(std::lround(m_offset));
    if (shift != 0) {
        for (uint16_t &v : m_frame)
            v = static_cast<uint16_t>(std::clamp(int(v) + shift, 0, 65535));
    }
    m_frameValid = true;
    m_statsValid = false;
    m_histogramValid = false;
    ++m_framesMade;
}

void SimBoard::setBackgroundAD(uint16_t ad)
{
    QMutexLocker lock(&m_mutex);
    m_background = ad;
    m_frameValid = false;
}

uint16_t SimBoard::backgroundAD() const
{
    QMutexLocker lock(&m_mutex);
    return m_background;
}

void SimBoard::setObjects(const QVector<SceneObject> &objects)
{
    QMutexLocker lock(&m_mutex);
    m_objects = objects;
    m_frameValid = false;
}

QVector<SimBoard::SceneObject> SimBoard::objects() const
{
    QMutexLocker lock(&m_mutex);
    return m_objects;
}

QRect SimBoard::objectRect(const QString &name) const
{
    QMutexLocker lock(&m_mutex);
    for (const SceneObject &object : m_objects) {
        if (object.name == name)
            return objectRectAt(object, m_time);
    }
    return QRect();
}

QRect SimBoard::objectBoardRect(const QString &name) const
{
    const QRect pixels = objectRect(name);
    if (!pixels.isValid())
        return QRect();
    return QRect(boardPoint(pixels.topLeft()), boardPoint(pixels.bottomRight()));
}

QPoint SimBoard::objectCentre(const QString &name) const
{
    const QRect pixels = objectRect(name);
    return pixels.isValid() ? boardPoint(pixels.center()) : QPoint();
}

QPoint SimBoard::framePixel(const QPoint &board)
{
    return QPoint(scaleAxis(board.x(), BOARD_WIDTH, WIDTH), scaleAxis(board.y(), BOARD_HEIGHT, HEIGHT));
}

QPoint SimBoard::boardPoint(const QPoint &pixel)
{
    return QPoint(scaleAxis(pixel.x(), WIDTH, BOARD_WIDTH), scaleAxis(pixel.y(), HEIGHT, BOARD_HEIGHT));
}

void SimBoard::setNoise(int amplitude)
{
    QMutexLocker lock(&m_mutex);
    m_noise = std::clamp(amplitude, 0, 1000);
    m_frameValid = false;
}

void SimBoard::setSceneTime(double seconds)
{
    QMutexLocker lock(&m_mutex);
    if (!std::isfinite(seconds))
        return;
    m_time = seconds;
    m_frameValid = false;
}

void SimBoard::advance(double seconds)
{
    QMutexLocker lock(&m_mutex);
    // A frozen board keeps showing and measuring the same frame.
    if (!std::isfinite(seconds) || (uint8_t(m_registers[RegFreeze]) & 0x01))
        return;
    m_time += seconds;
    if (m_offsetSteps > 0) {
        m_offset += (m_offsetTarget - m_offset) / m_offsetSteps;
        --m_offsetSteps;
    }
    m_frameValid = false;
}

void SimBoard::setAreaAverages(int slot, const QVector<uint16_t> &averages)
{
    QMutexLocker lock(&m_mutex);
    if (slot < 0 || slot >= AreaSlots)
        return;
    if (m_areaAverages.size() != AreaSlots)
        m_areaAverages.resize(AreaSlots);
    m_areaAverages[slot] = averages;
}

// The mean of the frame under the middle square, as an area there reads it.
double SimBoard::centreMean() const
{
    ensureFrame();
    const QRect square = centreSquare();
    const int x0 = frameEdge(square.left(), BOARD_WIDTH, WIDTH);
    const int y0 = frameEdge(square.top(), BOARD_HEIGHT, HEIGHT);
    const int x1 = frameEdge(square.left() + square.width(), BOARD_WIDTH, WIDTH);
    const int y1 = frameEdge(square.top() + square.height(), BOARD_HEIGHT, HEIGHT);
    double sum = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
            sum += m_frame.at(y * WIDTH + x);
    }
    return sum / double((x1 - x0) * (y1 - y0));
}

void SimBoard::correctBackground(uint16_t target, int frames)
{
    QMutexLocker lock(&m_mutex);
    const double unshifted = centreMean() - std::lround(m_offset);
    m_offsetTarget = double(target) - unshifted;
    m_offsetSteps = std::max(1, frames);
}

void SimBoard::clearBackgroundCorrection()
{
    QMutexLocker lock(&m_mutex);
    m_offset = m_offsetTarget = 0.0;
    m_offsetSteps = 0;
    m_frameValid = false;
}

int SimBoard::backgroundOffset() const
{
    QMutexLocker lock(&m_mutex);
    return int(std::lround(m_offset));
}

double SimBoard::sceneTime() const
{
    QMutexLocker lock(&m_mutex);
    return m_time;
}

void SimBoard::setFrame(const QVector<uint16_t> &frame)
{
    QMutexLocker lock(&m_mutex);
    m_fixedFrame = frame.size() == PIXELS ? frame : QVector<uint16_t>();
    m_frameValid = false;
}

QVector<uint16_t> SimBoard::frame() const
{
    QMutexLocker lock(&m_mutex);
    ensureFrame();
    return m_frame;
}

uint16_t SimBoard::adAt(int x, int y) const
{
    QMutexLocker lock(&m_mutex);
    if (x < 0 || y < 0 || x >= WIDTH || y >= HEIGHT)
        return 0;
    ensureFrame();
    return m_frame.at(y * WIDTH + x);
}

uint16_t SimBoard::adAtBoard(const QPoint &board) const
{
    const QPoint pixel = framePixel(board);
    return adAt(pixel.x(), pixel.y());
}

// ---- board words ----

void SimBoard::setLensCode(int code)
{
    QMutexLocker lock(&m_mutex);
    m_registers[RegPowerLens] = char((uint8_t(m_registers[RegPowerLens]) & 0xF8) | (code & 0x07));
}

void SimBoard::setLensFlag(bool set)
{
    QMutexLocker lock(&m_mutex);
    const uint8_t value = uint8_t(m_registers[RegImage]);
    m_registers[RegImage] = char(set ? (value | 0x80) : (value & 0x7F));
}

void SimBoard::setIrPower(bool on)
{
    QMutexLocker lock(&m_mutex);
    const uint8_t value = uint8_t(m_registers[RegPowerLens]);
    m_registers[RegPowerLens] = char(on ? (value | 0x80) : (value & 0x7F));
}

void SimBoard::setShutterTempWord(uint16_t word)
{
    QMutexLocker lock(&m_mutex);
    storeWord(RegShutterTemp, word);
}

void SimBoard::setSensorTempWord(uint16_t word)
{
    QMutexLocker lock(&m_mutex);
    storeWord(RegSensorTemp, word);
}

uint16_t SimBoard::temperatureWord(double degC)
{
    const long counts = std::lround(std::clamp(degC, -128.0, 127.99) * 256.0);
    return static_cast<uint16_t>(static_cast<int16_t>(counts));
}

void SimBoard::setShtWords(uint16_t temperature, uint16_t humidity)
{
    QMutexLocker lock(&m_mutex);
    storeWord(RegShtTemp, temperature);
    storeWord(RegShtHumid, humidity);
}

void SimBoard::setVersion(const QByteArray &version)
{
    QMutexLocker lock(&m_mutex);
    QByteArray field = version.left(15);
    field.append(QByteArray(15 - field.size(), '\0'));
    storeBytes(RegVersion, field.constData(), 15);
}

bool SimBoard::frozen() const
{
    QMutexLocker lock(&m_mutex);
    return uint8_t(m_registers[RegFreeze]) & 0x01;
}

uint8_t SimBoard::registerByte(uint32_t offset) const
{
    QMutexLocker lock(&m_mutex);
    return offset < REGISTER_SPACE ? uint8_t(m_registers[int(offset)]) : 0;
}

uint16_t SimBoard::registerWord(uint32_t offset) const
{
    QMutexLocker lock(&m_mutex);
    return wordAt(offset);
}

uint16_t SimBoard::wordAt(uint32_t offset) const
{
    if (offset + 1 >= REGISTER_SPACE)
        return 0;
    return static_cast<uint16_t>(uint8_t(m_registers[int(offset)]) | (uint8_t(m_registers[int(offset) + 1]) << 8));
}

uint32_t SimBoard::registerLong(uint32_t offset) const
{
    QMutexLocker lock(&m_mutex);
    if (offset + 3 >= REGISTER_SPACE)
        return 0;
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | uint8_t(m_registers[int(offset) + i]);
    return value;
}

void SimBoard::setRegister(uint32_t offset, const QByteArray &bytes)
{
    QMutexLocker lock(&m_mutex);
    if (offset >= REGISTER_SPACE)
        return;
    const int n = std::min<int>(bytes.size(), int(REGISTER_SPACE - offset));
    storeBytes(offset, bytes.constData(), n);
}

// ---- uploads ----

QByteArray SimBoard::palette() const
{
    QMutexLocker lock(&m_mutex);
    return m_palette;
}

int SimBoard::paletteUploads() const
{
    QMutexLocker lock(&m_mutex);
    return m_paletteUploads;
}

QVector<SimBoard::Write> SimBoard::writes() const
{
    QMutexLocker lock(&m_mutex);
    return m_writes;
}

QVector<SimBoard::Write> SimBoard::writesTo(uint32_t offset) const
{
    QMutexLocker lock(&m_mutex);
    QVector<Write> found;
    for (const Write &write : m_writes) {
        if (write.offset == offset)
            found.append(write);
    }
    return found;
}

void SimBoard::clearWrites()
{
    QMutexLocker lock(&m_mutex);
    m_writes.clear();
}

// ---- faults ----

void SimBoard::setPresent(bool present)
{
    QMutexLocker lock(&m_mutex);
    m_present = present;
}

void SimBoard::addFault(const FaultRule &rule)
{
    QMutexLocker lock(&m_mutex);
    if (rule.times != 0)
        m_faults.append(rule);
}

void SimBoard::clearFaults()
{
    QMutexLocker lock(&m_mutex);
    m_faults.clear();
}

void SimBoard::setBoardFaults(int faults)
{
    QMutexLocker lock(&m_mutex);
    m_boardFaults = faults;
    m_statsValid = false;
    m_histogramValid = false;
}

int SimBoard::boardFaults() const
{
    QMutexLocker lock(&m_mutex);
    return m_boardFaults;
}

// ---- picture ----

// The simulator asks for the picture every frame: a picture nothing has
// changed since is handed out again, shared, so the screen sees at once
// that it stands still.
QImage SimBoard::render() const
{
    QMutexLocker lock(&m_mutex);
    ensureFrame();
    const QByteArray sources = pictureSources();
    if (m_rendered.isNull() || sources != m_renderedFrom) {
        m_rendered = drawPicture();
        m_renderedFrom = sources;
    }
    return m_rendered;
}

// What render() draws from: the frame, the palette and the picture
// registers (mode, inset corners, mix size and weights, level and gain).
QByteArray SimBoard::pictureSources() const
{
    QByteArray sources;
    sources.append(reinterpret_cast<const char *>(&m_framesMade), sizeof m_framesMade);
    sources.append(reinterpret_cast<const char *>(&m_paletteUploads), sizeof m_paletteUploads);
    for (uint32_t offset : {RegImage, RegPipCorners, RegMixSize, RegIrMixPercent, RegCcdMixPercent})
        sources.append(m_registers.at(int(offset)));
    sources.append(m_registers.mid(int(RegLevel), int(RegGain + 4 - RegLevel)));
    return sources;
}

QImage SimBoard::drawPicture() const
{
    const QImage infrared = infraredPicture();
    const int mode = uint8_t(m_registers[RegImage]) & 0x07;
    if (mode == 0 || mode > 5)
        return infrared;
    const QImage visible = visiblePictureAt(m_time);
    const uint8_t corners = uint8_t(m_registers[RegPipCorners]);
    const uint8_t mixSize = uint8_t(m_registers[RegMixSize]);
    switch (mode) {
    case 1:
        return visible;
    case 2:
        return withInset(infrared, visible, corners & 0x03);
    case 3:
        return withInset(visible, infrared, (corners >> 4) & 0x03);
    case 4:
        return blended(visible, infrared, uint8_t(m_registers[RegIrMixPercent]), (mixSize & 0x80) != 0);
    default:
        return blended(infrared, visible, uint8_t(m_registers[RegCcdMixPercent]), (mixSize & 0x01) != 0);
    }
}

void SimBoard::paletteColours(QRgb *colours) const
{
    for (int i = 0; i < 256; ++i) {
        const double y = uint8_t(m_palette[4 * i]) - 16.0;
        const double u = uint8_t(m_palette[4 * i + 1]) - 128.0;
        const double v = uint8_t(m_palette[4 * i + 2]) - 128.0;
        colours[i] = qRgb(clampByte(1.164 * y + 1.596 * v), clampByte(1.164 * y - 0.392 * u - 0.813 * v),
                          clampByte(1.164 * y + 2.017 * u));
    }
}

QImage SimBoard::colorBar() const
{
    QMutexLocker lock(&m_mutex);
    if (!(uint8_t(m_registers[RegDisplay]) & 0x80) || m_palette.size() < 4 * 256)
        return QImage();
    // Shared while the palette stays, as the picture is.
    if (m_colorBarPalette != m_paletteUploads) {
        m_colorBar = drawColorBar();
        m_colorBarPalette = m_paletteUploads;
    }
    return m_colorBar;
}

QImage SimBoard::drawColorBar() const
{
    QRgb colours[256];
    paletteColours(colours);
    // Entry 255 at the top, two entries per row.
    QImage bar(ColorBarWidth, ColorBarHeight, QImage::Format_RGB32);
    for (int row = 0; row < ColorBarHeight; ++row)
        std::fill_n(reinterpret_cast<QRgb *>(bar.scanLine(row)), ColorBarWidth, colours[255 - row * 2]);
    return bar;
}

QImage SimBoard::visiblePicture() const
{
    QMutexLocker lock(&m_mutex);
    return visiblePictureAt(m_time);
}

QRect SimBoard::insetRect(int corner)
{
    const int x = corner == 2 || corner == 3 ? WIDTH / 2 : 0;
    const int y = corner == 1 || corner == 2 ? HEIGHT / 2 : 0;
    return QRect(x, y, WIDTH / 2, HEIGHT / 2);
}

QImage SimBoard::infraredPicture() const
{
    const int level = wordAt(RegLevel);
    const uint32_t gain = uint32_t(wordAt(RegGain)) | (uint32_t(wordAt(RegGain + 2)) << 16);
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    QRgb colours[256];
    paletteColours(colours);
    const uint16_t *frame = m_frame.constData();
    for (int y = 0; y < HEIGHT; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const uint16_t *row = frame + y * WIDTH;
        for (int x = 0; x < WIDTH; ++x) {
            // gain = 0x400000 / span, so 256 steps across the span.
            const int64_t index = (int64_t(row[x]) - level) * int64_t(gain) / 16384;
            line[x] = colours[std::clamp<int64_t>(index, 0, 255)];
        }
    }
    return image;
}

// ---- configuration flash ----

bool SimBoard::isFlashRegister(uint32_t offset, int length)
{
    return overlaps(offset, length, REG_FLASH_COMMAND, REG_FLASH_COMMAND + 1)
           || overlaps(offset, length, REG_FLASH_ADDRESS, REG_FLASH_ADDRESS + 3)
           || overlaps(offset, length, REG_FLASH_BUFFER, REG_FLASH_BUFFER + FLASH_PAGE_BYTES);
}

// Flash writes stay out of the write log: a full programming run is half a
// million of them.
int SimBoard::writeFlash(uint32_t offset, const void *buffer, int length)
{
    if (m_flashWritesLeft == 0) {
        errno = EIO;
        return -1;
    }
    if (m_flashWritesLeft > 0)
        --m_flashWritesLeft;
    const int n = std::min<int>(length, int(REGISTER_SPACE - offset));
    storeBytes(offset, buffer, n);
    if (offset == REG_FLASH_COMMAND && n >= 1) {
        const uint8_t code = static_cast<const uint8_t *>(buffer)[0];
        if (code == 0)
            m_flashCommandArmed = true;
        else if (m_flashCommandArmed)
            flashCommand(code);
    }
    return n;
}

void SimBoard::flashCommand(uint8_t code)
{
    m_flashCommandArmed = false;
    const bool busy = m_flashBusy > 0 || m_flashStuckBusy;
    switch (code) {
    case EpcsRegisters::WriteEnable:
        m_flashWriteEnabled = true;
        break;
    case EpcsRegisters::Erase:
        if (!m_flashWriteEnabled || busy)
            break;
        m_flash.fill(char(0xFF));
        m_flashWriteEnabled = false;
        m_flashBusy = m_flashErasePolls;
        ++m_flashErases;
        break;
    case EpcsRegisters::ReadStatus:
        m_registers[REG_FLASH_STATUS] = char((busy ? 1 : 0) | (m_flashWriteEnabled ? 2 : 0));
        if (m_flashBusy > 0)
            --m_flashBusy;
        break;
    case EpcsRegisters::ProgramPage: {
        if (!m_flashWriteEnabled || busy)
            break;
        const auto byte = [this](uint32_t r) { return uint32_t(static_cast<uint8_t>(m_registers.at(int(r)))); };
        const uint32_t address = byte(REG_FLASH_ADDRESS) | byte(REG_FLASH_ADDRESS + 1) << 8
                                 | byte(REG_FLASH_ADDRESS + 2) << 16;
        m_flashWriteEnabled = false;
        if (address + FLASH_PAGE_BYTES > FLASH_BYTES)
            break;
        for (uint32_t i = 0; i < FLASH_PAGE_BYTES; ++i)
            m_flash[int(address + i)] = char(m_flash.at(int(address + i)) & m_registers.at(int(REG_FLASH_BUFFER + i)));
        m_flashBusy = m_flashPagePolls;
        ++m_flashPages;
        break;
    }
    default:
        break;
    }
}

QByteArray SimBoard::flash() const
{
    QMutexLocker lock(&m_mutex);
    return m_flash;
}

void SimBoard::setFlash(const QByteArray &contents)
{
    QMutexLocker lock(&m_mutex);
    m_flash = contents.left(FLASH_BYTES);
    m_flash.append(QByteArray(FLASH_BYTES - m_flash.size(), char(0xFF)));
}

void SimBoard::setFlashId(uint8_t id)
{
    QMutexLocker lock(&m_mutex);
    m_registers[REG_FLASH_ID] = char(id);
}

void SimBoard::setFlashBusyPolls(int erasePolls, int pagePolls)
{
    QMutexLocker lock(&m_mutex);
    m_flashErasePolls = std::max(0, erasePolls);
    m_flashPagePolls = std::max(0, pagePolls);
}

void SimBoard::setFlashStuckBusy(bool stuck)
{
    QMutexLocker lock(&m_mutex);
    m_flashStuckBusy = stuck;
}

void SimBoard::setFlashWritesFailAfter(int writes)
{
    QMutexLocker lock(&m_mutex);
    m_flashWritesLeft = writes < 0 ? -1 : writes;
}

int SimBoard::flashErases() const
{
    QMutexLocker lock(&m_mutex);
    return m_flashErases;
}

int SimBoard::flashPagesProgrammed() const
{
    QMutexLocker lock(&m_mutex);
    return m_flashPages;
}

// The visible-light camera's view of the same scene in daylight: a wall
// over a table top, each object a flat shape in its own colour where the
// infrared picture shows it.
QImage SimBoard::visiblePictureAt(double time) const
{
    QImage image(WIDTH, HEIGHT, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, WIDTH, HEIGHT * 2 / 3), QColor(196, 212, 226));
    painter.fillRect(QRect(0, HEIGHT * 2 / 3, WIDTH, HEIGHT - HEIGHT * 2 / 3), QColor(176, 140, 96));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const SceneObject &object : m_objects) {
        QColor colour(120, 120, 120);
        if (object.name == QLatin1String("mug"))
            colour = QColor(250, 250, 245);
        else if (object.name == QLatin1String("cold pack"))
            colour = QColor(40, 110, 210);
        else if (object.name == QLatin1String("hot spot"))
            colour = QColor(230, 60, 30);
        painter.setBrush(colour);
        const QRect rect = objectRectAt(object, time);
        if (object.round)
            painter.drawEllipse(rect);
        else
            painter.drawRect(rect);
    }
    return image;
}

QImage SimBoard::withInset(const QImage &full, const QImage &inset, int corner)
{
    QImage out = full;
    QPainter painter(&out);
    const QRect target = insetRect(corner);
    painter.drawImage(target, inset.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return out;
}

// weight/128 of the top picture over the bottom one, in the centre mix
// window or over the whole picture.
QImage SimBoard::blended(const QImage &bottom, const QImage &top, uint8_t weight, bool whole)
{
    QImage out = bottom;
    const int w = std::min<int>(weight, 128);
    const QRect area = whole ? out.rect() : mixWindow();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        const QRgb *over = reinterpret_cast<const QRgb *>(top.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb a = line[x], b = over[x];
            line[x] = qRgb((qRed(a) * (128 - w) + qRed(b) * w) / 128, (qGreen(a) * (128 - w) + qGreen(b) * w) / 128,
                           (qBlue(a) * (128 - w) + qBlue(b) * w) / 128);
        }
    }
    return out;
}
