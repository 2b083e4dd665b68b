#pragma once

#include "temptypes.h"
#include "therma_global.h"

// What the library reads from "Parameter/Setting": the stored range, the
// integration times, the global measurement parameters and the bias
// temperature. Every value is checked before use: a missing, unreadable,
// non-finite or out-of-range entry gives that entry's default and a printed
// warning, so a damaged settings file never reaches the core or the
// temperature model. The file is opened per call and never written.
class THERMA_EXPORT LibrarySettings
{
public:
    struct GlobalPara
    {
        float emiss;    // 0.001 .. 1
        float dist;     // metres, 0 .. 100000
        float offset;   // degC, -100 .. 100
        float env;      // degC, -60 .. 200
        float humid;    // fraction, 0 .. 1
        float reflec;   // degC, -60 .. 2000
    };

    static const char *fileName() { return "Parameter/Setting"; }

    static GlobalPara defaults();
    // "BiaoDing/TempRange": 0 or 1, default 0.
    static int tempRange();
    // "BiaoDing/IntTime<range>": 1 .. 65535, default 100 for range 0 and
    // 190 for any other range.
    static unsigned short intTime(int range);
    static unsigned short defaultIntTime(int range) { return range == 0 ? 100 : 190; }
    // Group "GlobalPara".
    static GlobalPara globalPara();
    // "BiaoDing/VSKTemp": finite, default 40.
    static float vskTemp();

private:
    LibrarySettings() = delete;
};
