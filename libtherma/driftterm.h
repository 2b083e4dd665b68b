#pragma once

#include "therma_global.h"

#include <atomic>

// The board's internal temperatures as last stored (shutter, sensor, lens)
// and the sensor-drift term that every reading subtracts. The recording
// thread reads these values, so each is one atomic word.
class THERMA_EXPORT DriftTerm
{
public:
    void setShutterTemp(float t) { m_shutterTemp = t; }
    float getShutterTemp() const { return m_shutterTemp; }

    // Stores the sensor temperature; the drift restarts at 0.
    void setSensorTemp(float t);
    float getSensorTemp() const { return m_sensorTemp; }

    // Drift for the sensor temperature read now against the stored one.
    float updateDeltaTemp(float now);
    // A frozen picture clears the drift until the next update.
    float getDeltaTemp(bool frozen);

    void setLenTemp(float t) { m_lenTemp = t; }
    float getLenTemp() const { return m_lenTemp; }

    // Drift per degC of sensor change: steeper on a cool sensor.
    static float driftFactor(float now) { return now < 31.0f ? 4.8f : 1.6f; }

private:
    std::atomic<float> m_shutterTemp{0.0f};
    std::atomic<float> m_sensorTemp{0.0f};
    // Until someone sets it, the lens is taken at the converter's 30 degC.
    std::atomic<float> m_lenTemp{30.0f};
    std::atomic<float> m_deltaTemp{0.0f};
};
