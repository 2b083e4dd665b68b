#pragma once

#include "temptypes.h"
#include "therma_global.h"

#include <QMutex>

// Converts AD values into temperatures and back through the calibration
// table of the lens and range in use, and holds the shutter temperature
// with its AD offset and the sensor temperature with its AD drift.
//
// The recording thread copies the table while the GUI thread replaces it,
// so every access goes through one lock.
class THERMA_EXPORT IRPara
{
public:
    IRPara();

    TempInfoTab getADToTempTab() const;
    int setADToTempTab(const TempInfoTab &tab);

    // x already includes the shutter delta.
    IrTempStru calTemp(unsigned int x) const;
    // `ad` of the result is the table AD of black-body temperature t.
    IrTempStru calAD(float t) const;
    // Table AD of black-body temperature t minus 32768, not rounded.
    float calDeltaAD(float t) const;

    void setLenTemp(float t);
    float getShutterTemp() const;
    int setShutterTemp(float t);
    int calShutterDeltaAD();
    float readShutterDeltaAD() const;
    int setSensorTemp(float t, bool reset);
    int calSensorDeltaAD();
    float readSensorDeltaAD() const;

    // Points the conversions use: the leading run of points whose AD and
    // temperature both rise, at most the point count and never above 60.
    // Fewer than two means the table converts nothing.
    int usablePoints() const;
    static int usablePoints(const TempInfoTab &tab);

    // Table temperature (grey reference) <-> black-body temperature.
    static float blackBodyOf(double tableTemp);
    static float tableTempOf(double blackBodyTemp);

    static constexpr float BelowTable = -4001.0f;
    static constexpr float AboveTable = 4001.0f;

private:
    IrTempStru calTempLocked(unsigned int x) const;
    IrTempStru calADLocked(float t) const;
    float calDeltaADLocked(float t) const;
    void recountLocked();

    mutable QMutex m_lock;
    TempInfoTab m_tab;
    float m_shutterDeltaAD = 0.0f;
    float m_sensorDeltaAD = 0.0f;
    float m_referenceSensorTemp = 0.0f;
    int m_usable = 0;
};
