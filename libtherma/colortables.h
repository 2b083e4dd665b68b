#pragma once

#include "fpgatypes.h"
#include "therma_global.h"

// The nine standard palettes in COLOR_TABLE order (Iron, Rainbow, Grey,
// GreyInverted, Sepia, Blue_Red, Hot_Cold, Feather, Medical), entry 0 the
// coldest colour.
//
// The board's tables are YUV, 258 entries each (the ramp and two fixed
// entries that every table carries); the application paints from the RGB
// tables of 256 entries. Tables 0-6 are the studio-range (BT.601) form of
// the RGB ramp, Feather its full-range form, and Medical a full-range ramp
// of its own.
enum { color_size = 9, COLOR_TABLE_YUV_ENTRIES = 258, COLOR_TABLE_RGB_ENTRIES = 256 };

extern THERMA_EXPORT _yuv_item Iron_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Rainbow_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Grey_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Grey_Inverted_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Spia_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Blue_Red_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Hot_Cold_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item Feather_TAB[COLOR_TABLE_YUV_ENTRIES];
extern THERMA_EXPORT _yuv_item *const color_tables_yuv[color_size];

extern THERMA_EXPORT _rgb_item Iron_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Rainbow_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Grey_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Grey_Inverted_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Spia_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Blue_Red_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Hot_Cold_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Feather_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item Medical_TAB_rgb[COLOR_TABLE_RGB_ENTRIES];
extern THERMA_EXPORT _rgb_item *const color_tables_rgb[color_size];

// Studio-range BT.601 (black Y 16, white Y 235), each result truncated.
THERMA_EXPORT void paletteRgbToYuv(int r, int g, int b, int *y, int *u, int *v);
// The inverse the user interface uses to preview a board table, truncated
// and not clamped.
THERMA_EXPORT void paletteYuvToRgb(int y, int u, int v, int *r, int *g, int *b);
