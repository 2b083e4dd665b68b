#pragma once

#include "fpgatypes.h"
#include "isohandler.h"
#include "temptypes.h"
#include "therma_global.h"

class FPGABottom;
class LevelSpan;
class TempModel;

// The palette the board shows and the isotherm drawn into it: the current
// 261-entry board palette (a standard or custom ramp in entries 0-255),
// its index, the isotherm switch and setting, and the isotherm band as two
// readings. Every upload while the isotherm is on recomputes the band's
// palette indices from the current level and span and colours a copy; the
// kept palette stays plain.
class THERMA_EXPORT PaletteControl
{
public:
    enum { RAMP_ENTRIES = 256, CUSTOM_INDEX = 8 };
    enum Result { FAILED = -1 };

    PaletteControl(FPGABottom &board, TempModel &model, const LevelSpan &levelSpan);
    PaletteControl(const PaletteControl &) = delete;
    PaletteControl &operator=(const PaletteControl &) = delete;

    // FAILED for an index outside the standard tables (nothing changes),
    // else the upload result.
    int setStandardPaletteIndex(int index);
    // FAILED for a null palette or fewer than 256 entries (nothing changes),
    // else the upload result. The palette index becomes CUSTOM_INDEX.
    int setCustomPalette(const _yuv_item *palette, int count);
    // Uploads the current palette, coloured by the isotherm when it is on.
    int upload();
    int paletteIndex() const { return m_index; }
    const _yuv_item *currentPalette() const { return m_palette; }
    // Standard table index (0-8), or null outside them.
    static const _yuv_item *colorTable(int index);

    int setIsoSwitch(bool on);
    bool isoSwitch() const { return m_isoOn; }
    void setIsoPara(const Isotherm &iso);
    Isotherm isoPara() const { return m_iso.getIsoInfo(); }
    // Converts the band's ends into board ADs with the global parameters.
    void isoTempStru(float low, float high);
    IrTempStru isoLower() const { return m_isoLower; }
    IrTempStru isoUpper() const { return m_isoUpper; }
    // Turns the band into palette indices and the isotherm registers.
    void setIsoIndex();
    const ISOHandler &isoHandler() const { return m_iso; }

    // Palette index of a band end: -1 below the palette, 256 above it.
    static int indexOf(const IrTempStru &reading, int level, int span);
    // Palette index of a fraction 0..1 of the palette, clamped to 0..255.
    static int fractionIndex(float fraction);

private:
    FPGABottom &m_board;
    TempModel &m_model;
    const LevelSpan &m_levelSpan;
    _yuv_item m_palette[BOARD_PALETTE_ENTRIES];
    int m_index = 0;
    bool m_isoOn = false;
    ISOHandler m_iso;
    IrTempStru m_isoLower;
    IrTempStru m_isoUpper;
};
