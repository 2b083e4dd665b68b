#pragma once

#include "fpgatypes.h"
#include "temptypes.h"
#include "therma_global.h"

#include <functional>

class FPGABottom;
class TempModel;

// Display level and span of the infrared picture: the AD at the bottom of
// the palette and the AD width of the palette, written to the board as the
// level and a gain of 0x400000 / span. Chosen from the board's frame
// statistics (auto), its histogram (histogram) or two temperatures
// (manual). The automatic choice stays inside the temperature model's
// level/span AD bounds.
//
// All arithmetic is signed and wide: a span is at least 1, a level at
// least 0, and the gain keeps its 32 bits.
class THERMA_EXPORT LevelSpan
{
public:
    enum {
        MIN_SPAN = 128,             // auto and histogram modes
        NARROW_OFFSET = 65,         // level below the average of a narrow scene
        GAIN_NUMERATOR = 0x400000,
        CONTROL_CALLS = 3           // calls counted before the counter stops
    };

    struct Window
    {
        int level;
        int span;
    };

    LevelSpan(FPGABottom &board, TempModel &model);
    LevelSpan(const LevelSpan &) = delete;
    LevelSpan &operator=(const LevelSpan &) = delete;

    // Run after every write of level and span (the front re-uploads the
    // palette while the isotherm is on).
    void setAfterWrite(std::function<void()> afterWrite) { m_afterWrite = std::move(afterWrite); }

    // Takes the level and span the board's own control chose.
    void loadFromBoard();

    void setMode(Mode_t mode) { m_mode = mode; }
    Mode_t mode() const { return m_mode; }
    unsigned short level() const { return m_level; }
    unsigned short span() const { return m_span; }
    bool controlStarted() const { return m_controlStarted; }
    // Automatic steps counted so far, at most CONTROL_CALLS.
    int calls() const { return m_calls; }

    // Hands the board's own level and span over and switches its control.
    void startControl(bool on);
    // One automatic step in auto or histogram mode; the first step of this
    // object starts the board's control. Manual mode writes nothing. A step
    // whose statistics cannot be read writes nothing either.
    void step(Mode_t mode, bool smooth);
    // Manual ends from two temperatures; reversed ends are swapped. Ends the
    // table cannot convert, and ends that meet at one AD, change nothing.
    // Returns 1.
    int hand(float low, float high);
    // One automatic step with the range's minimum span (255 in the low range,
    // 128 otherwise), then the temperatures at both ends of the scale.
    void autoMinMax(IrTempStru *low, IrTempStru *high);

    // ---- the arithmetic, on plain numbers ----
    static Window autoWindow(int max, int min, int average, int boundMax, int boundMin,
                             int minSpan, int narrowOffset);
    static Window histogramWindow(int max, int min, int most, int boundMax, int boundMin);
    static Window smoothed(const Window &next, const Window &current);
    // The window as written to the board: level 0 .. 65535, span 1 .. 65535.
    static Window clampedWindow(const Window &window);
    static unsigned int gainOf(int span);

private:
    bool readAutoStats(int *max, int *min, int *average);
    void write(Window window);

    FPGABottom &m_board;
    TempModel &m_model;
    std::function<void()> m_afterWrite;
    Mode_t m_mode = MODE_AUTO;
    unsigned short m_level = 0;
    unsigned short m_span = 0;
    int m_calls = 0;
    bool m_controlStarted = false;
};
