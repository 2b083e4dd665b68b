#pragma once

// Waits for the infrared sensor to settle before the first shutter: three
// successive readings within 3 of the one before (the first compared with
// 0), or 60 readings at most.
class SensorSettle
{
public:
    enum { MaxReadings = 60, Close = 3, Agreeing = 3 };

    // The version number is the text's last two characters; anything else
    // (too short, no number) is version 0, an older core.
    static int versionNumber(const char *text);
    // Cores up to 12 get a fixed pause instead of polling.
    static bool polls(int version) { return version >= 13; }

    // One reading; true when the check is over.
    bool add(unsigned short value);
    int readings() const { return m_readings; }
    int count() const { return m_count; }
    unsigned short previous() const { return m_previous; }

private:
    int m_readings = 0;
    int m_count = 0;
    unsigned short m_previous = 0;
};
