#pragma once

#include <QPoint>
#include <QRect>

// Where the infrared picture, and with it every spot and area, lies on the
// 320x240 screen: -1 full screen (one to one); 0 top-left, 1 bottom-left,
// 2 bottom-right, 3 top-right half-size quadrant (the order of the
// picture-in-picture corners); 4 half size centred.
typedef int Scaled_Type_t;

class EScaledLayout
{
public:
    enum { FullScreen = -1, Centred = 4 };

    static bool isKnown(Scaled_Type_t type) { return type >= FullScreen && type <= Centred; }
    static bool isHalfSize(Scaled_Type_t type) { return type >= 0 && type <= Centred; }
    // Top-left of the half-size picture on the screen; (0, 0) full screen.
    static QPoint offset(Scaled_Type_t type);
    // Where an object may stand on the screen in this layout: left, top,
    // right, bottom edges (inclusive). Full screen keeps clear of the
    // 16-pixel status bar.
    static QRect bounds(Scaled_Type_t type);
    // Overlay position of a full-screen picture position.
    static QPoint toOverlay(Scaled_Type_t type, int frameX, int frameY);
};
