#pragma once

struct LaunchOptions;

// Picks the Qt platform of a simulated program before its QApplication
// exists: the user's choice, else offscreen for a screenshot without a
// display, else the VNC screen on its port. Also sets the panel's 72 dpi.
class ScreenPlatform
{
public:
    // False when the VNC port is taken; the reason is on stderr then.
    static bool choose(const LaunchOptions &options, const char *program);

private:
    ScreenPlatform() = delete;
};
