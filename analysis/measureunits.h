#pragma once

#include <QString>

// Display units of the measurement dialogs. Temperatures go through
// EGlobal; an offset is a difference, so it scales (x 1.8 in Fahrenheit)
// but never shifts, and stays unchanged in kelvin.
class MeasureUnits
{
public:
    // " °C", " F" or " K" for the system unit.
    static QString tempSuffix();
    static float offsetOut(float celsius);
    static float offsetIn(float shown);
    // The offset row's limits in the system unit (-100 .. 100 degC).
    static float offsetLimit() { return offsetOut(100.0f); }

    // The largest stored distance, and what it is in the system unit.
    static constexpr float MaxDistanceMetres = 5000.0f;

private:
    MeasureUnits() = delete;
};
