#pragma once

#include "calctrans.h"
#include "temptypes.h"
#include "therma_global.h"

#include <functional>

class IRPara;

// Converts between board AD values and object temperatures for one set of
// measurement parameters under the ambient conditions: the grey-body
// balance with emissivity, atmospheric transmission, reflected and ambient
// temperature on top of the black-body table of IRPara.
//
// It needs only the converter (table and shutter delta AD) and the
// sensor-drift term, so it is usable without a board.
//
// Not locked: only the GUI thread touches it. The photo and recording
// writers take its settings there (EFileManager) before any worker runs.
class THERMA_EXPORT TempHandler
{
public:
    using DeltaTempSource = std::function<float()>;

    // irPara must outlive the handler; without deltaTemp the drift is 0.
    explicit TempHandler(IRPara *irPara, DeltaTempSource deltaTemp = DeltaTempSource());

    int setTempSetup(const TempSetup &setup);
    TempSetup getTempSetup() const;
    void setTempRangeMinMax(int min, int max);
    int tempRangeMin() const { return m_rangeMin; }
    int tempRangeMax() const { return m_rangeMax; }

    // Non-finite values are ignored: the previous value stays.
    void setEnvTemp(float t);
    void setHumid(float rh);
    void setReflecTemp(float t);
    float envTemp() const { return m_env; }
    float humid() const { return m_humid; }
    float reflecTemp() const { return m_reflec; }

    void calcTrans();
    float getTrans() const { return m_trans; }
    float getDewpoint() const { return m_dewpoint; }

    void setCalibrationMode(bool on) { m_calibration = on; }
    bool calibrationMode() const { return m_calibration; }

    IrTempStru irAD2Temp(unsigned int ad) const;
    IrTempStru irTemp2AD(float t0) const;

    // Dew point (Magnus) of ambient degC at relative humidity rh; -273.15
    // when the air holds no water (rh <= 0).
    static float dewPoint(float ambient, float rh);
    static constexpr float NoDewPoint = -273.15f;

    // Status of object temperature t against the reporting range; "L" and
    // "H" carry the limit itself.
    static void classify(IrTempStru &r, double t, int min, int max);

private:

    bool m_calibration = false;
    TempSetup m_setup;
    float m_env = 25.0f;
    float m_humid = 0.6f;
    float m_reflec = 25.0f;
    float m_trans = 1.0f;
    float m_dewpoint = 0.0f;
    IRPara *m_irPara;
    DeltaTempSource m_deltaTemp;
    CalcTrans m_calcTrans;
    int m_rangeMin = -20;
    int m_rangeMax = 150;
};
