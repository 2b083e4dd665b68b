#pragma once

// Indicators are painted before their callers go on to keep the GUI thread
// busy. Only painting and timers run here: a key press or touch waiting in
// the queue must not start the next action inside the current one.
class PaintFlush
{
public:
    static void now();

private:
    PaintFlush() = delete;
};
