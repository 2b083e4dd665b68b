#pragma once

// The idle behaviour of the panel: when the idle interval has passed the
// status bar dims the backlight and later switches the panel off and counts
// down to power-off; the next input wakes it. Holds no state: every call
// reads the stored periods afresh.
class lcdScreenSaver
{
public:
    lcdScreenSaver() = default;
    virtual ~lcdScreenSaver() = default;

    virtual void restore();
    // level is the elapsed interval's index; unused. Always true.
    virtual bool save(int level);
    // Stored "ShutdownPeriod", negative as 0.
    int getshutdownparam() const;
    // The status bar has dimmed the backlight (or gone on to switch the
    // panel off) and not woken it since.
    virtual bool isScreenDimmed() const;

private:
    bool periodSet() const;
};
