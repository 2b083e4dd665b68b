#include "levelspan.h"

#include "fpgabottom.h"
#include "tempmodel.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Maximum: above the upper bound first; minimum and average: below the
// lower bound first.
int clampHighFirst(int v, int boundMin, int boundMax)
{
    return v > boundMax ? boundMax : (v < boundMin ? boundMin : v);
}

int clampLowFirst(int v, int boundMin, int boundMax)
{
    return v < boundMin ? boundMin : (v > boundMax ? boundMax : v);
}

LevelSpan::Window narrowWindow(int max, int centre, int boundMax, int minSpan, int narrowOffset)
{
    // A scene at the top of the range keeps its hottest part on the palette.
    const int level = max == boundMax ? boundMax - minSpan : centre - narrowOffset;
    return LevelSpan::Window{level, minSpan};
}

bool isOk(const IrTempStru &r)
{
    return std::strcmp(r.status, "OK") == 0;
}

} // namespace

LevelSpan::LevelSpan(FPGABottom &board, TempModel &model)
    : m_board(board)
    , m_model(model)
{
}

void LevelSpan::loadFromBoard()
{
    bool okLevel = false;
    bool okSpan = false;
    const unsigned short level = m_board.fpga_get_fpga_level(&okLevel);
    const unsigned short span = m_board.fpga_get_fpga_span(&okSpan);
    if (okLevel)
        m_level = level;
    if (okSpan && span != 0)
        m_span = span;
    else if (m_span == 0)
        m_span = MIN_SPAN;
}

void LevelSpan::startControl(bool on)
{
    loadFromBoard();
    std::printf("start level span control fpgaLevel:%x fpgaSpan:%x\n", m_level, m_span);
    m_board.fpga_set_levelSpan(m_level, gainOf(m_span));
    m_controlStarted = on;
    m_board.fpga_start_level_span_control(on);
}

LevelSpan::Window LevelSpan::autoWindow(int max, int min, int average, int boundMax, int boundMin,
                                        int minSpan, int narrowOffset)
{
    max = clampHighFirst(max, boundMin, boundMax);
    min = clampLowFirst(min, boundMin, boundMax);
    average = clampLowFirst(average, boundMin, boundMax);
    const int width = max - min;
    if (width <= minSpan)
        return narrowWindow(max, average, boundMax, minSpan, narrowOffset);
    return Window{min, width};
}

LevelSpan::Window LevelSpan::histogramWindow(int max, int min, int most, int boundMax, int boundMin)
{
    // A histogram that reports its ends the wrong way round still spans
    // the same values.
    if (max < min)
        std::swap(max, min);
    max = clampHighFirst(max, boundMin, boundMax);
    min = clampLowFirst(min, boundMin, boundMax);
    most = clampLowFirst(most, boundMin, boundMax);
    const int width = max - min;
    if (width >= MIN_SPAN)
        return Window{min, width};
    return narrowWindow(max, most, boundMax, MIN_SPAN, NARROW_OFFSET);
}

LevelSpan::Window LevelSpan::smoothed(const Window &next, const Window &current)
{
    return Window{(next.level + 3 * current.level) / 4, (next.span + 3 * current.span) / 4};
}

LevelSpan::Window LevelSpan::clampedWindow(const Window &window)
{
    return Window{qBound(0, window.level, 0xFFFF), qBound(1, window.span, 0xFFFF)};
}

unsigned int LevelSpan::gainOf(int span)
{
    return GAIN_NUMERATOR / unsigned(span < 1 ? 1 : span);
}

bool LevelSpan::readAutoStats(int *max, int *min, int *average)
{
    bool okMax = false;
    bool okMin = false;
    bool okAverage = false;
    *max = m_board.fpga_get_auto_max(&okMax);
    *min = m_board.fpga_get_auto_min(&okMin);
    *average = m_board.fpga_get_auto_averg(&okAverage);
    return okMax && okMin && okAverage;
}

void LevelSpan::step(Mode_t mode, bool smooth)
{
    if (m_calls < CONTROL_CALLS)
        ++m_calls;
    if (m_calls == 1)
        startControl(true);

    const int boundMax = m_model.levelSpanMaxAD();
    const int boundMin = m_model.levelSpanMinAD();
    Window next{0, 0};
    if (mode == MODE_HISTOGRAM) {
        unsigned short max = 0;
        unsigned short min = 0;
        unsigned short most = 0;
        if (m_board.fpga_get_zft_maxMin(&max, &min) != FPGABottom::FPGA_OK
            || m_board.fpga_get_zft_most(&most) != FPGABottom::FPGA_OK) {
            qWarning("level/span: histogram not readable, step skipped");
            return;
        }
        next = histogramWindow(max, min, most, boundMax, boundMin);
    } else if (mode == MODE_AUTO) {
        int max = 0;
        int min = 0;
        int average = 0;
        if (!readAutoStats(&max, &min, &average)) {
            qWarning("level/span: frame statistics not readable, step skipped");
            return;
        }
        next = autoWindow(max, min, average, boundMax, boundMin, MIN_SPAN, NARROW_OFFSET);
    } else {
        return;
    }
    if (smooth)
        next = smoothed(next, Window{m_level, m_span});
    write(next);
}

int LevelSpan::hand(float low, float high)
{
    TempHandler &handler = m_model.systemHandler();
    handler.setTempSetup(m_model.storedSystemTempSetup());
    const IrTempStru a = handler.irTemp2AD(low);
    const IrTempStru b = handler.irTemp2AD(high);
    if (!isOk(a) || !isOk(b))
        return 1;
    int first = a.ad;
    int last = b.ad;
    if (last < first)
        std::swap(first, last);
    // Equal ends are no range: there is no scale to draw.
    if (last == first)
        return 1;
    write(Window{first, last - first});
    return 1;
}

void LevelSpan::autoMinMax(IrTempStru *low, IrTempStru *high)
{
    int max = 0;
    int min = 0;
    int average = 0;
    if (readAutoStats(&max, &min, &average)) {
        const int minSpan = m_model.tempRange() == 0 ? 255 : 128;
        write(autoWindow(max, min, average, m_model.levelSpanMaxAD(), m_model.levelSpanMinAD(),
                         minSpan, minSpan / 2 + 1));
    } else {
        qWarning("level/span: frame statistics not readable, scale kept");
    }
    TempHandler &handler = m_model.systemHandler();
    handler.setTempSetup(m_model.storedSystemTempSetup());
    if (high)
        *high = handler.irAD2Temp(unsigned(m_level) + m_span);
    if (low)
        *low = handler.irAD2Temp(m_level);
}

void LevelSpan::write(Window window)
{
    const Window w = clampedWindow(window);
    m_level = static_cast<unsigned short>(w.level);
    m_span = static_cast<unsigned short>(w.span);
    m_board.fpga_set_levelSpan(m_level, gainOf(w.span));
    if (m_afterWrite)
        m_afterWrite();
}
