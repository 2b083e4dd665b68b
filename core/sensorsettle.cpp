#include "sensorsettle.h"

#include <cstdlib>
#include <cstring>

int SensorSettle::versionNumber(const char *text)
{
    const size_t length = text ? std::strlen(text) : 0;
    if (length < 2)
        return 0;
    const char *tail = text + length - 2;
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        if (tail[i] < '0' || tail[i] > '9')
            return 0;
        value = value * 10 + (tail[i] - '0');
    }
    return value;
}

bool SensorSettle::add(unsigned short value)
{
    ++m_readings;
    if (std::abs(int(value) - int(m_previous)) <= Close)
        ++m_count;
    else
        m_count = 0;
    m_previous = value;
    return m_count >= Agreeing || m_readings >= MaxReadings;
}
