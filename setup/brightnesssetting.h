#pragma once

// "BrightConfig", the brightness slider position 38 (dimmest) .. 183
// (brightest), and what it means for the backlight. Every reader goes
// through here: one range for the pages, the dialog and the wake-up of the
// status bar, which differ only in what a missing value means.
class BrightnessSetting
{
public:
    enum { Min = 38, Max = 183, Default = 183, DimmedBacklight = 4096 };

    static int clamp(int position);
    // Missing or not a number gives Default; clamped to Min..Max.
    static int stored();
    // The wake-up's read: missing or not a number is 0, so the panel wakes
    // at its dimmest; clamped to Min..Max.
    static int storedForWake();
    static bool store(int position);
    // Backlight value 0..8192 (lower is brighter) of a clamped position.
    static int backlightValue(int position);
    // Percentage shown for a position, 0..100.
    static int percent(int position);

private:
    BrightnessSetting() = delete;
};
