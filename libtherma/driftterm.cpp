#include "driftterm.h"

void DriftTerm::setSensorTemp(float t)
{
    m_sensorTemp = t;
    m_deltaTemp = 0.0f;
}

float DriftTerm::updateDeltaTemp(float now)
{
    const float delta = (now - m_sensorTemp) * driftFactor(now);
    m_deltaTemp = delta;
    return delta;
}

float DriftTerm::getDeltaTemp(bool frozen)
{
    if (frozen) {
        m_deltaTemp = 0.0f;
        return 0.0f;
    }
    return m_deltaTemp;
}
