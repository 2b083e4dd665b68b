#pragma once

#include "fpgatypes.h"

#include <QString>

#include <array>

class QSettings;

// 256 RGB entries, entry 0 the coldest colour.
using RgbTable = std::array<_rgb_item, 256>;
// The board's form of the same palette.
using YuvTable = std::array<_yuv_item, 256>;

// One custom palette as stored under "CustomPalette/Name<slot>": two end
// colours, three quarter anchors that can be switched off, and the
// palette's temperature range. The one reader the colour bar, the palette
// list and the editor share; what it hands out is always usable: hand-edited
// positions, colours and temperatures that would place colours outside the
// table or out of order fall back to their defaults.
class CustomPaletteRecord
{
public:
    enum { SlotCount = 10, QuarterCount = 3, PointCount = 5, DefaultComponent = 128 };
    static constexpr float DefaultMin = 0.0f;
    static constexpr float DefaultMax = 50.0f;

    CustomPaletteRecord();

    // Slots outside 0..9 read as slot 0.
    static int checkedSlot(int slot);
    static QString group(int slot);
    static CustomPaletteRecord read(QSettings &settings, int slot);
    static CustomPaletteRecord read(int slot);

    // Table index of quarter anchor i (0..2): 1..254, strictly increasing.
    int position(int quarter) const { return m_positions[quarter]; }
    bool enabled(int quarter) const { return m_enables[quarter]; }
    // Point 0 the minimum colour, 1..3 the quarters, 4 the maximum colour.
    _rgb_item point(int n) const { return m_points[n]; }
    // The stored texts; T_Min/T_Max are defaults when they were unusable.
    QString minText() const { return m_minText; }
    QString maxText() const { return m_maxText; }
    float minTemp() const;
    float maxTemp() const;
    QString quarterText(int quarter) const { return m_quarterTexts[quarter]; }

    void setPosition(int quarter, int position);
    void setEnabled(int quarter, bool on);
    void setPoint(int n, _rgb_item colour);
    void setRange(const QString &minText, const QString &maxText);
    void setQuarterText(int quarter, const QString &text) { m_quarterTexts[quarter] = text; }

    // Writes the record under its slot the way the editor stores it: the
    // colour of a quarter that is off is left as the file held it.
    void write(QSettings &settings, int slot) const;
    // Moves every key of one slot's record to another slot.
    static void moveRecord(QSettings &settings, int from, int to);

    // The anchors placed into a zeroed table and joined by HSV ramps.
    RgbTable table() const;

    // Fills the entries strictly between a and b with the HSV ramp from
    // entry a to entry b; hue is a plain number, a colour without hue counts
    // as hue 0.
    static void calcColor(_rgb_item *table, int a, int b);
    // calcColor over every pair of consecutive anchors.
    static void lineGradient(_rgb_item *table, const bool *anchors);
    static YuvTable toYuv(const RgbTable &table);
    // Temperature label of table position p for a palette min..max.
    static QString temperatureAt(float min, float max, int position);

private:
    void checkPositions();

    std::array<int, QuarterCount> m_positions;
    std::array<bool, QuarterCount> m_enables;
    std::array<_rgb_item, PointCount> m_points;
    QString m_minText;
    QString m_maxText;
    std::array<QString, QuarterCount> m_quarterTexts;
};
