#include "colortables.h"

#include <cmath>

_yuv_item Iron_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Rainbow_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Grey_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Grey_Inverted_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Spia_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Blue_Red_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Hot_Cold_TAB[COLOR_TABLE_YUV_ENTRIES];
_yuv_item Feather_TAB[COLOR_TABLE_YUV_ENTRIES];
static _yuv_item Medical_TAB[COLOR_TABLE_YUV_ENTRIES];

_yuv_item *const color_tables_yuv[color_size] = {
    Iron_TAB, Rainbow_TAB, Grey_TAB, Grey_Inverted_TAB, Spia_TAB,
    Blue_Red_TAB, Hot_Cold_TAB, Feather_TAB, Medical_TAB};

_rgb_item Iron_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Rainbow_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Grey_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Grey_Inverted_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Spia_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Blue_Red_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Hot_Cold_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Feather_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
_rgb_item Medical_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];

_rgb_item *const color_tables_rgb[color_size] = {
    Iron_TAB_rgb, Rainbow_TAB_rgb, Grey_TAB_rgb, Grey_Inverted_TAB_rgb, Spia_TAB_rgb,
    Blue_Red_TAB_rgb, Hot_Cold_TAB_rgb, Feather_TAB_rgb, Medical_TAB_rgb};

void paletteRgbToYuv(int r, int g, int b, int *y, int *u, int *v)
{
    *y = static_cast<int>(0.257 * r + 0.504 * g + 0.098 * b + 16);
    *u = static_cast<int>(-0.148 * r - 0.291 * g + 0.439 * b + 128);
    *v = static_cast<int>(0.439 * r - 0.368 * g - 0.071 * b + 128);
}

void paletteYuvToRgb(int y, int u, int v, int *r, int *g, int *b)
{
    *r = static_cast<int>(y + 1.402 * (v - 128));
    *g = static_cast<int>(y - 0.34413 * (u - 128) - 0.71414 * (v - 128));
    *b = static_cast<int>(y + 1.772 * (u - 128));
}

namespace {

// A ramp is a few anchor colours joined by straight lines. Anchors that the
// picture depends on were chosen so that their conversions land exactly on
// the board's reference colours (Iron at 128 and 255, Feather at every
// quarter, Hot_Cold's pure blue start).
struct Anchor {
    int index;
    int c0, c1, c2;
};

template <typename Item, int N>
void fillRamp(Item *out, const Anchor (&anchors)[N])
{
    for (int k = 0; k + 1 < N; ++k) {
        const Anchor &a = anchors[k];
        const Anchor &b = anchors[k + 1];
        for (int i = a.index; i <= b.index; ++i) {
            const double t = double(i - a.index) / (b.index - a.index);
            auto mix = [t](int from, int to) {
                return static_cast<uint8_t>(std::lround(from + (to - from) * t));
            };
            uint8_t *c = reinterpret_cast<uint8_t *>(&out[i]);
            c[0] = mix(a.c0, b.c0);
            c[1] = mix(a.c1, b.c1);
            c[2] = mix(a.c2, b.c2);
            c[3] = 0;
        }
    }
}

const Anchor IronAnchors[] = {
    {0, 0, 0, 0}, {40, 40, 0, 110}, {85, 140, 0, 150}, {128, 218, 44, 90},
    {170, 245, 110, 20}, {215, 255, 190, 0}, {255, 255, 254, 243}};
const Anchor RainbowAnchors[] = {
    {0, 10, 0, 60}, {40, 0, 0, 255}, {85, 0, 200, 255}, {128, 0, 220, 60},
    {170, 255, 255, 0}, {215, 255, 80, 0}, {255, 255, 0, 0}};
const Anchor GreyAnchors[] = {{0, 0, 0, 0}, {255, 255, 255, 255}};
const Anchor GreyInvertedAnchors[] = {{0, 255, 255, 255}, {255, 0, 0, 0}};
const Anchor SepiaAnchors[] = {{0, 20, 10, 0}, {128, 150, 95, 45}, {255, 255, 240, 200}};
const Anchor BlueRedAnchors[] = {{0, 0, 0, 255}, {128, 128, 0, 128}, {255, 255, 0, 0}};
const Anchor HotColdAnchors[] = {
    {0, 0, 0, 255}, {64, 0, 160, 255}, {128, 128, 128, 128}, {192, 255, 200, 0}, {255, 255, 0, 0}};
const Anchor FeatherAnchors[] = {
    {0, 16, 16, 16}, {64, 13, 110, 212}, {128, 186, 201, 12}, {192, 231, 39, 78}, {255, 234, 235, 191}};
// Medical is the board's own full-range ramp, in Y, U, V.
const Anchor MedicalYuvAnchors[] = {
    {0, 0, 128, 128}, {1, 1, 128, 128}, {64, 24, 208, 123}, {128, 84, 105, 68},
    {192, 125, 57, 197}, {254, 253, 128, 128}, {255, 255, 128, 128}};

uint8_t clampByte(int v)
{
    return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Full range (JPEG) form: Y rounded up, U and V to the nearest.
_yuv_item fullRangeYuv(const _rgb_item &c)
{
    const double y = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
    const double u = -0.1687 * c.r - 0.3313 * c.g + 0.5 * c.b + 128;
    const double v = 0.5 * c.r - 0.4187 * c.g - 0.0813 * c.b + 128;
    // The small margin keeps an exact integer Y (grey) from rounding up
    // through the last bit of the products.
    return {clampByte(static_cast<int>(std::ceil(y - 1e-9))), clampByte(static_cast<int>(std::lround(u))),
            clampByte(static_cast<int>(std::lround(v))), 0};
}

void buildTables()
{
    fillRamp(Iron_TAB_rgb, IronAnchors);
    fillRamp(Rainbow_TAB_rgb, RainbowAnchors);
    fillRamp(Grey_TAB_rgb, GreyAnchors);
    fillRamp(Grey_Inverted_TAB_rgb, GreyInvertedAnchors);
    fillRamp(Spia_TAB_rgb, SepiaAnchors);
    fillRamp(Blue_Red_TAB_rgb, BlueRedAnchors);
    fillRamp(Hot_Cold_TAB_rgb, HotColdAnchors);
    fillRamp(Feather_TAB_rgb, FeatherAnchors);
    fillRamp(Medical_TAB, MedicalYuvAnchors);

    for (int t = 0; t < COLOR_FEATHER; ++t) {
        for (int i = 0; i < COLOR_TABLE_RGB_ENTRIES; ++i) {
            const _rgb_item &c = color_tables_rgb[t][i];
            int y, u, v;
            paletteRgbToYuv(c.r, c.g, c.b, &y, &u, &v);
            color_tables_yuv[t][i] = {clampByte(y), clampByte(u), clampByte(v), 0};
        }
    }
    for (int i = 0; i < COLOR_TABLE_RGB_ENTRIES; ++i)
        Feather_TAB[i] = fullRangeYuv(Feather_TAB_rgb[i]);
    // The application's Medical colours are the board ramp previewed with
    // red and blue exchanged, as the camera has always shown them.
    for (int i = 0; i < COLOR_TABLE_RGB_ENTRIES; ++i) {
        int r, g, b;
        paletteYuvToRgb(Medical_TAB[i].y, Medical_TAB[i].u, Medical_TAB[i].v, &r, &g, &b);
        Medical_TAB_rgb[i] = {clampByte(b), clampByte(g), clampByte(r), 0};
    }
    for (_yuv_item *table : color_tables_yuv) {
        table[256] = {143, 153, 124, 0};
        table[257] = {150, 58, 40, 0};
    }
}

// Filled when the library is loaded, before the application's main runs.
const bool s_built = (buildTables(), true);

} // namespace
