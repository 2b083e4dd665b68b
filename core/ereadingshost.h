#pragma once

#include "soleinstance.h"

// What a measurement object needs of the live view: a refresh of the whole
// readout and the range limits its out-of-range texts show. Objects reach
// the view only through this, found with instance(), which is null while no
// live view exists (object tests, tools built before the view). The live
// view registers itself with setInstance().
class EReadingsHost : public SoleInstance<EReadingsHost>
{
public:
    // The range limits (degC) until the level/span code sets the real ones.
    enum { DefaultRangeMin = -20, DefaultRangeMax = 150 };

    virtual ~EReadingsHost() = default;

    virtual void displayTemp() = 0;
    virtual int tempRangeMin() const = 0;
    virtual int tempRangeMax() const = 0;

    // Through the host when there is one, else the defaults.
    static void refreshReadings();
    static int rangeMin();
    static int rangeMax();
};
