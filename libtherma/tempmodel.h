#pragma once

#include "driftterm.h"
#include "irpara.h"
#include "modifyfactors.h"
#include "temphandler.h"
#include "temptypes.h"
#include "therma_global.h"

#include <atomic>

class TempBoard;

// The temperature side of the front: the calibration table of the current
// lens and range, the correction factors, the converter, the system and
// object handlers, the internal temperatures with the drift term and the
// drift correction of the table. The front owns one and forwards to it.
class THERMA_EXPORT TempModel
{
public:
    // Where a table load found a sound table.
    enum TableSource { TableFromFile = 0, TableFromDefault = 1, TableInvalid = -1 };

    // board may be null: temperatures then read 0.0, the picture is never
    // frozen and the lens never changes.
    explicit TempModel(TempBoard *board = nullptr);
    TempModel(const TempModel &) = delete;
    TempModel &operator=(const TempModel &) = delete;

    // The start-up sequence of the front: sensor temperature, freeze bit,
    // stored range and lens, table, shutter update, stored parameters,
    // reporting limits.
    void start();

    // Calibration tables.
    int setSystemAdToTempTab(int lens, int range);
    int setSystemAdToTempTab();
    static bool readTable(const char *path, TempInfoTab *table);
    int get_set_lenIndex();
    int setTempRange(int range);
    int checkBiaoDingTab() const;
    TempInfoTab getTempInfoTab() const { return m_irPara.getADToTempTab(); }
    // The table as loaded and drift-corrected (the front's member).
    const TempInfoTab &calibrationTable() const { return m_table; }
    bool tableIsSound() const { return m_tableSound; }
    // How often a load found an unusable table: once for each state of the
    // file (its size and time), however often that file is loaded again.
    // The screens compare it to tell the fault once.
    unsigned tableFaultReports() const { return m_tableFaultReports; }
    QString tableFile() const { return m_tableFile; }

    // Correction factors.
    void updateModify(int lens, int range) { m_modify.updateModify(lens, range); }
    void updateModify(int lens) { m_modify.updateModify(lens, 0); }
    const ModifyFactors &modifyFactors() const { return m_modify; }

    // Drift correction.
    void updateShutterTemp(bool unused = true);
    unsigned short BiaoDingXiuzheng(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD) const;
    unsigned short BiaoDingXiuzhengGet(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD) const;
    void startBiaoDing(bool on);
    float getModifyValue() const { return m_modifyValue; }
    float correctedShutterTemp() const { return m_correctedShutterTemp; }

    // Internal temperatures and drift term.
    void setShutterTemp(float t) { m_drift.setShutterTemp(t); }
    float getShutterTemp() const { return m_drift.getShutterTemp(); }
    float getModifyShutterTemp() const { return m_irPara.getShutterTemp(); }
    void setSensorTemp(float t, bool unused = true) { m_drift.setSensorTemp(t); }
    float getSensorTemp() const { return m_drift.getSensorTemp(); }
    void updateSensorTemp(bool flag = true);
    float updateDeltaTemp();
    float getDeltaTemp();
    void setLenTemp(float t);
    float getLenTemp() const { return m_drift.getLenTemp(); }

    // Freeze flag of the front; unfreezing hands over the shutter
    // temperature computed while frozen.
    void freezeChanged(bool frozen);
    bool frozen() const { return m_frozen; }

    // Parameters and readings. A setup the handler rejects is not stored:
    // 0, and the previous parameters stay in force; 1 when accepted.
    int setSystemTempSetup(const TempSetup &setup);
    TempSetup storedSystemTempSetup() const { return m_systemSetup; }
    TempSetup getSystemTempSetup() const { return m_systemHandler.getTempSetup(); }
    void setHumid(float v);
    void setEnvTemp(float v);
    void setReflecTemp(float v);
    void setTempRangeMinMax(int min, int max);
    // Applies the checked "GlobalPara" settings: the ambient values and
    // then the object parameters (readTempSetup).
    void setSystemTempPara();
    // Applies the checked emissivity, distance and offset of "GlobalPara".
    void readTempSetup();

    // AD bounds of automatic level/span: the board ADs of the range's
    // reporting limits.
    void updateLevelSpanBounds();
    int levelSpanMaxAD() const { return m_levelSpanMaxAD; }
    int levelSpanMinAD() const { return m_levelSpanMinAD; }

    int lenIndex() const { return m_lensIndex; }
    void setLenIndex(int lens) { m_lensIndex = lens; }
    int tempRange() const { return m_range; }
    void setRange(int range) { m_range = range; }

    IRPara &irPara() { return m_irPara; }
    const IRPara &irPara() const { return m_irPara; }
    TempHandler &systemHandler() { return m_systemHandler; }
    TempHandler &objectHandler() { return m_objectHandler; }

    static void reportingLimits(int range, int *min, int *max);

private:
    void updateLevelSpanBounds(int range);
    void reportTableFault();
    static QString fileStamp(const QString &path);
    float boardShutterTemp() const;
    float boardSensorTemp() const;

    TempBoard *m_board;
    IRPara m_irPara;
    DriftTerm m_drift;
    ModifyFactors m_modify;
    TempHandler m_systemHandler;
    TempHandler m_objectHandler;
    TempInfoTab m_table;
    bool m_tableSound = false;
    QString m_tableFile;
    QString m_faultStamp;
    unsigned m_tableFaultReports = 0;
    TempSetup m_systemSetup;
    int m_lensIndex = 0;
    int m_range = 0;
    bool m_frozen = false;
    std::atomic<float> m_modifyValue{0.0f};
    float m_correctedShutterTemp = 0.0f;
    int m_levelSpanMaxAD = 0;
    int m_levelSpanMinAD = 0;
};
