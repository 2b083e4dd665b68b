#pragma once

#include <cstdint>

// Plain types of the temperature path. They cross between the library and
// the application by value, so they hold no pointers and no Qt types.

// Room for calibration points in one table.
constexpr int TEMP_TAB_POINTS = 60;

// A temperature-to-AD calibration table of one lens and range, as loaded
// from "etc/calc_len%d_temp%d.conf". The first three fields are 0 in a
// loaded table; the converter's copy carries its own temperatures there.
struct TempInfoTab
{
    float lenTemp;              // degC
    float sensorTemp;           // degC
    float shutterTemp;          // degC (corrected)
    uint16_t maxAD;             // highest AD the table accepts
    uint16_t minAD;             // lowest AD the table accepts
    uint16_t reserved;          // 0
    uint16_t num;               // number of points, at most TEMP_TAB_POINTS
    int16_t baseTemp;           // degC, carried only
    uint16_t ad[TEMP_TAB_POINTS];   // AD of point i, rising
    int16_t temp[TEMP_TAB_POINTS];  // degC of point i, rising
};

// One converted reading. status is "OK", "L", "LE", "H", "HE", or "NULL"
// when the board could not be read.
struct IrTempStru
{
    char status[6];
    uint16_t ad;                // the AD that was converted
    float temp;                 // degC
    uint16_t adShutter;         // the AD looked up: ad plus the shutter delta
    int16_t deltaAD;            // the shutter delta that was added
    float tableTemp;            // calibration mode: table temperature of ad
};

// Measurement parameters of the whole picture or of one object.
struct TempSetup
{
    float emiss;                // emissivity
    float dist;                 // metres
    float offset;               // degC added to every result
    int32_t reserved;           // carried along, never read by the library
};

// Whether a reading uses the object's own TempSetup (0) or the global
// parameters (any other value).
typedef int ParaMode_t;
enum { PARA_OWN = 0, PARA_GLOBAL = 1 };

// Maximum, minimum and average of one area.
struct Area_Temp
{
    IrTempStru max;
    IrTempStru min;
    IrTempStru avg;
};
