#pragma once

#include <cstdint>

// Plain types of the board's register layer. They cross between the library
// and the application by value or pointer and match the register layout
// (little-endian 16-bit fields), so they hold no pointers and no Qt types.

// A pixel position on the infrared picture; written as one 4-byte block to
// a spot slot.
struct _fpga_point
{
    uint16_t x;
    uint16_t y;
};

// An area rectangle: left, top, left + width, top + height.
struct _area
{
    uint16_t x0;
    uint16_t y0;
    uint16_t x1;
    uint16_t y1;
};

// What the board measured inside one area.
struct _area_val
{
    uint16_t max;
    uint16_t min;
    uint16_t avg;
    uint16_t max_x;
    uint16_t max_y;
    uint16_t min_x;
    uint16_t min_y;
};

// Hottest pixel of the whole frame.
struct _point_max
{
    uint16_t ad;
    uint16_t x;
    uint16_t y;
};

// Coldest pixel of the whole frame.
struct _point_min
{
    uint16_t ad;
    uint16_t x;
    uint16_t y;
};

// Picture mode; the register field is 3 bits wide.
typedef int Image_Mode_t;
enum {
    IR = 0,             // infrared only
    Visible = 1,        // visible camera only
    IR_PIPE_VIS = 2,    // infrared full screen, visible inset
    VIS_PIPE_IR = 3,    // visible full screen, infrared inset
    IR_MIX_VIS = 4,     // infrared blended over visible
    VIS_MIX_IR = 5      // visible blended over infrared
};

// Quarter-screen corner of a picture-in-picture inset.
typedef int Image_Position_t;
enum {
    POSITION_TOP_LEFT = 0,
    POSITION_BOTTOM_LEFT = 1,
    POSITION_BOTTOM_RIGHT = 2,
    POSITION_TOP_RIGHT = 3
};

// Level/span mode.
typedef int Mode_t;
enum { MODE_AUTO = 0, MODE_HISTOGRAM = 1, MODE_MANUAL = 2 };

// Index of a standard palette.
typedef int COLOR_TABLE;
enum {
    COLOR_IRON = 0,
    COLOR_RAINBOW = 1,
    COLOR_GREY = 2,
    COLOR_GREY_INVERTED = 3,
    COLOR_SEPIA = 4,
    COLOR_BLUE_RED = 5,
    COLOR_HOT_COLD = 6,
    COLOR_FEATHER = 7,
    COLOR_MEDICAL = 8,
    COLOR_TABLE_COUNT = 9
};

// One palette entry: Y, U (Cb), V (Cr), fourth byte 0.
struct _yuv_item
{
    uint8_t y;
    uint8_t u;
    uint8_t v;
    uint8_t pad;
};

// One palette entry of the application's RGB tables.
struct _rgb_item
{
    uint8_t r;
    uint8_t g;
    uint8_t b;
    uint8_t pad;
};

// Entries of the palette held by the board (register 0x1300).
enum { BOARD_PALETTE_ENTRIES = 261 };

// The isotherm setting, passed by value.
struct Isotherm
{
    int type;           // 0 below, 1 between, 2 above
    float width;        // degC, with the centre
    float centre;       // degC
    float lower;        // degC
    float upper;        // degC
    float lowerFraction;    // 0..1
    float upperFraction;    // 0..1
    int bandKind;       // 0 temperatures, 1 palette fractions, 2 level/span fractions, 3 dew point
    int selector;       // temperatures: 0 centre and width, otherwise lower and upper
    char colour[12];    // NUL-terminated: "Trans", "Green", "Black", "White", "Red", "Blue"
};

// Layout checks: these structures are copied to and from the board as-is.
static_assert(sizeof(_fpga_point) == 4, "spot slot block is 4 bytes");
static_assert(sizeof(_area) == 8, "area rectangle is 8 bytes");
static_assert(sizeof(_area_val) == 14, "area result is 14 bytes");
static_assert(sizeof(_yuv_item) == 4 && sizeof(_rgb_item) == 4, "palette entries are 4 bytes");
