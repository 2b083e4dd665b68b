#pragma once

// Every timer that waits seconds takes its interval from here, so tests and
// the simulator can shorten them all at once (OSTREL_TIME_SCALE, e.g. 0.01).
class Intervals
{
public:
    static int ms(int nominalMs);
    static double scale();
    static void setScale(double scale);

private:
    Intervals() = delete;
};
