#pragma once

#include "fpgatypes.h"
#include "therma_global.h"

// Keeps the isotherm setting and recolours a board palette (261 entries)
// between the band's palette indices.
class THERMA_EXPORT ISOHandler
{
public:
    ISOHandler();

    void setIsoInfo(const Isotherm &iso);
    Isotherm getIsoInfo() const { return m_iso; }

    // Indices as computed from the band's readings: -1 below the palette,
    // 256 above it. The isotherm type decides which of them bound the band.
    void setIsoPosition(int upperIndex, int lowerIndex);
    int upperIndex() const { return m_upperIndex; }
    int lowerIndex() const { return m_lowerIndex; }

    // Blends one entry (Y, U, V bytes) halfway toward red, when index lies
    // at or above the band's lower index.
    void calIsoColor(unsigned char *entry, unsigned char index) const;
    // Colours the band of a palette of BOARD_PALETTE_ENTRIES entries and
    // sets its entries 258 to 260. A null palette is left alone.
    void setIsoPalette(_yuv_item *palette) const;

    static Isotherm defaultIsotherm();
    // The colour of a known colour name; false for any other name.
    static bool colourOf(const char *name, _yuv_item *colour);

private:
    Isotherm m_iso;
    int m_upperIndex = 0;
    int m_lowerIndex = 0;
};
