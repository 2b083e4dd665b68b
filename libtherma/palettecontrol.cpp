#include "palettecontrol.h"

#include "colortables.h"
#include "fpgabottom.h"
#include "levelspan.h"
#include "tempmodel.h"

#include <cmath>
#include <cstring>

namespace {

void setReading(IrTempStru &r, const char *status, double ad)
{
    std::memset(&r, 0, sizeof r);
    std::strncpy(r.status, status, sizeof r.status - 1);
    r.ad = static_cast<uint16_t>(ad < 0.0 ? 0.0 : (ad > 65535.0 ? 65535.0 : ad));
}

bool statusIs(const IrTempStru &r, const char *status)
{
    return std::strncmp(r.status, status, sizeof r.status) == 0;
}

const unsigned char *bytesOf(const _yuv_item *palette)
{
    return reinterpret_cast<const unsigned char *>(palette);
}

} // namespace

PaletteControl::PaletteControl(FPGABottom &board, TempModel &model, const LevelSpan &levelSpan)
    : m_board(board)
    , m_model(model)
    , m_levelSpan(levelSpan)
{
    std::memset(m_palette, 0, sizeof m_palette);
    std::memset(&m_isoLower, 0, sizeof m_isoLower);
    std::memset(&m_isoUpper, 0, sizeof m_isoUpper);
}

const _yuv_item *PaletteControl::colorTable(int index)
{
    return index >= 0 && index < color_size ? color_tables_yuv[index] : nullptr;
}

int PaletteControl::setStandardPaletteIndex(int index)
{
    const _yuv_item *table = colorTable(index);
    if (!table) {
        qWarning("palette: no standard palette %d", index);
        return FAILED;
    }
    std::memcpy(m_palette, table, RAMP_ENTRIES * sizeof(_yuv_item));
    m_index = index;
    return upload();
}

int PaletteControl::setCustomPalette(const _yuv_item *palette, int count)
{
    if (!palette || count < RAMP_ENTRIES) {
        qWarning("palette: custom palette of %d entries refused", palette ? count : 0);
        return FAILED;
    }
    std::memcpy(m_palette, palette, RAMP_ENTRIES * sizeof(_yuv_item));
    m_index = CUSTOM_INDEX;
    return upload();
}

int PaletteControl::upload()
{
    if (!m_isoOn)
        return m_board.fpga_colorTable_set(bytesOf(m_palette));
    setIsoIndex();
    _yuv_item coloured[BOARD_PALETTE_ENTRIES];
    std::memcpy(coloured, m_palette, sizeof coloured);
    m_iso.setIsoPalette(coloured);
    return m_board.fpga_colorTable_set(bytesOf(coloured));
}

int PaletteControl::setIsoSwitch(bool on)
{
    // A refused enable write is reported too, so callers do not record a
    // switch the board never took.
    const int enabled = m_board.fpga_set_iso_enable(on);
    m_isoOn = on;
    const int uploaded = upload();
    return enabled != 0 ? enabled : uploaded;
}

void PaletteControl::setIsoPara(const Isotherm &iso)
{
    m_iso.setIsoInfo(iso);
    // The board knows three band types; anything else would be cut to a
    // byte and reach the register as some other value.
    if (iso.type >= 0 && iso.type <= 2)
        m_board.fpga_set_iso_type(static_cast<unsigned char>(iso.type));
    else
        qWarning("isotherm: no band type %d, register left as it was", iso.type);
    if (iso.selector != 0)
        isoTempStru(iso.lower, iso.upper);
    else
        isoTempStru(iso.centre - iso.width / 2, iso.centre + iso.width / 2);
}

void PaletteControl::isoTempStru(float low, float high)
{
    TempHandler &handler = m_model.systemHandler();
    handler.setTempSetup(m_model.storedSystemTempSetup());
    m_isoLower = handler.irTemp2AD(low);
    m_isoUpper = handler.irTemp2AD(high);
}

int PaletteControl::fractionIndex(float fraction)
{
    const float v = fraction * 255.0f;
    if (!std::isfinite(v))
        return v > 0.0f ? 255 : 0;
    if (v > 255.0f)
        return 255;
    if (v < 0.0f)
        return 0;
    return int(v);
}

int PaletteControl::indexOf(const IrTempStru &reading, int level, int span)
{
    if (statusIs(reading, "OK")) {
        if (int(reading.ad) < level)
            return -1;
        const double f = (int(reading.ad) - level) * 255.0 / (span < 1 ? 1 : span);
        return f > 255.0 ? 256 : int(f);
    }
    if (statusIs(reading, "L") || statusIs(reading, "LE"))
        return -1;
    return 256;
}

void PaletteControl::setIsoIndex()
{
    const Isotherm iso = m_iso.getIsoInfo();
    const int level = m_levelSpan.level();
    const int span = m_levelSpan.span() < 1 ? 1 : m_levelSpan.span();
    switch (iso.bandKind) {
    case 0:
        if (iso.selector == 0)
            isoTempStru(iso.centre - 0.5f * iso.width, iso.centre + 0.5f * iso.width);
        else
            isoTempStru(iso.lower, iso.upper);
        break;
    case 1:
        m_iso.setIsoPosition(fractionIndex(iso.upperFraction), fractionIndex(iso.lowerFraction));
        return;
    case 2:
        if (m_levelSpan.mode() == MODE_MANUAL) {
            isoTempStru(iso.lower, iso.upper);
            break;
        }
        {
            const auto adOf = [level, span](float fraction) {
                return std::isfinite(fraction) ? double(fraction) * span + level : double(level);
            };
            setReading(m_isoLower, "OK", adOf(iso.lowerFraction));
            setReading(m_isoUpper, "OK", adOf(iso.upperFraction));
        }
        m_iso.setIsoPosition(fractionIndex(iso.upperFraction), fractionIndex(iso.lowerFraction));
        return;
    case 3: {
        const float dew = m_model.systemHandler().getDewpoint();
        isoTempStru(dew, dew);
        break;
    }
    default:
        break;
    }
    m_iso.setIsoPosition(indexOf(m_isoUpper, level, span), indexOf(m_isoLower, level, span));
    m_board.fpga_set_iso_min(m_isoLower.ad);
    m_board.fpga_set_iso_max(m_isoUpper.ad);
}
