#pragma once

#include <QRect>

class QWidget;

// Where a pad window (a number, hex or letter keypad over a page) goes:
// whole, inside the screen it shows on, so that no row of keys lies past
// the panel's edge. Every place that opens a pad shows it through here.
class PadPlacement
{
public:
    // The pad's rectangle moved the shortest way into the screen; a pad
    // larger than the screen keeps its top-left corner on it.
    static QRect inside(const QRect &pad, const QRect &screen);
    // Puts the pad, at its full size, inside its screen, then shows and
    // raises it.
    static void show(QWidget *pad);
};
