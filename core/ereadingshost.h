#pragma once

// What a measurement object needs of the live view: a refresh of the whole
// readout and the range limits its out-of-range texts show. Objects reach
// the view only through this, found with host(), which is null while no
// live view exists (object tests, tools built before the view). The live
// view registers itself with setHost().
class EReadingsHost
{
public:
    // The range limits (degC) until the level/span code sets the real ones.
    enum { DefaultRangeMin = -20, DefaultRangeMax = 150 };

    virtual ~EReadingsHost();

    virtual void displayTemp() = 0;
    virtual int tempRangeMin() const = 0;
    virtual int tempRangeMax() const = 0;

    // The registered live view, or null.
    static void setHost(EReadingsHost *host);
    static EReadingsHost *host();
    // Through the host when there is one, else the defaults.
    static void refreshReadings();
    static int rangeMin();
    static int rangeMax();
};
