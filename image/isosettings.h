#pragma once

#include <QString>

// The isotherm keys of group "ISO" in "Parameter/Setting", read checked:
// levels clamped into the range the dialog offers and put in order, a
// type outside Below..Above read as Below, an unknown colour as Black.
// Writes are synced and a failure is logged and reported.
struct IsoSettings
{
    static constexpr float LowestLevel = -20.0f;
    static constexpr float HighestLevel = 400.0f;

    int mode = 0;                       // 0 Below, 1 Inter, 2 Above
    int colour = 0;                     // index into colourNames()
    float upper = 30.0f;                // degrees Celsius
    float lower = 20.0f;

    static IsoSettings read();
    bool write() const;

    // "Switch": the isotherm on or off.
    static bool readSwitch();
    static bool writeSwitch(bool on);

    // "Black", "White", "Green", "Trans": stored and handed to the board.
    static const char *colourName(int index);
    static int colourIndex(const QString &name);
    static constexpr int ColourCount = 4;
};
