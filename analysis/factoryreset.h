#pragma once

#include <QString>

class FactoryResetActions;
class FactoryResetStore;

// Restores the factory values of the measurement, display and device
// settings: writes them (one checked write at the end) and applies them at
// once. Only the keys of its table are written; the file is never cleared,
// no file is removed and no command is run.
class FactoryReset
{
public:
    FactoryReset(FactoryResetActions &actions, FactoryResetStore &store);

    // false when the values could not be stored.
    bool run();

    static constexpr float Emiss = 0.95f;
    static constexpr int Distance = 5;
    static constexpr float Ambient = 25.0f;
    static constexpr float Humidity = 0.6f;

private:
    void resetRange();
    void resetGlobal();
    void resetSpots();
    void resetAreas();
    void resetLines();
    void resetAlarm();
    void resetImage();
    void resetDevice();
    // Emissivity, distance and offset as the factory sets them.
    void writeMeasureParameters(const QString &group);
    void writeObjectParameters(const QString &group);

    FactoryResetActions &m_actions;
    FactoryResetStore &m_store;
};
