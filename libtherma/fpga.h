#pragma once

#include "fpgabottom.h"
#include "fpgatypes.h"
#include "fronttempboard.h"
#include "levelspan.h"
#include "measurementreader.h"
#include "palettecontrol.h"
#include "tempmodel.h"
#include "temptypes.h"
#include "therma_global.h"

#include <QString>

#include <memory>

class IRPara;
class Serial;

// The library's front: the one object through which the application uses
// the board, the serial link to the core and the temperature model. It is
// created once by the main window and lives for the whole process; the
// register operations of FPGABottom are called on it too. Not a QObject:
// it reports through return values.
//
// The board comes from RegisterDevice::openBoard() (the simulator installs
// its board there) and the serial link opens "/dev/ttyS1" under the path
// root (the simulator links its core's pseudo-terminal there).
//
// The front is thin: the temperature side lives in TempModel, the readings
// in MeasurementReader, level and span in LevelSpan, the palette and the
// isotherm in PaletteControl; the settings it reads are checked by
// LibrarySettings.
class THERMA_EXPORT FPGA : public FPGABottom
{
public:
    // ---- construction, start-up and destruction ----
    FPGA();
    ~FPGA();
    FPGA(const FPGA &) = delete;
    FPGA &operator=(const FPGA &) = delete;
    void init();

    // ---- picture path ----
    int setImageMode(Image_Mode_t mode);
    int set_CCD_Pipe_IR_Position(Image_Position_t position);
    int set_IR_Pipe_CCD_Position(Image_Position_t position);
    int start_arm_lcd(char mode);
    int setADV7179Mode(int mode);
    int freeze_image(bool on);
    bool getFreezeImageStatus();
    void setSaturation(const bool &on);
    const bool &getSaturation() const;
    void saturation();

    // ---- identity ----
    QString getDllVersion();
    QString getCoreFPGAVerisonStr();
    QString getCoreCpuVerisonStr();
    int getCoreVersionNum();
    int getLenIndex();
    Serial *getSerial();
    IRPara &getIRPara();

    // ---- calibration tables ----
    // 1 for a usable table, 0 otherwise.
    int readTable(const char *path, TempInfoTab *table);
    int setSystemAdToTempTab(int lens, int range);
    int setSystemAdToTempTab();
    int get_set_lenIndex();
    int setTempRange(int range);
    int checkBiaoDingTab();
    TempInfoTab getTempInfoTab();

    // ---- correction factors ----
    void updateModify(int lens, int range);
    void updateModify(int lens);

    // ---- drift correction ----
    void updateShutterTemp(bool flag);
    unsigned short BiaoDingXiuzheng(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD);
    unsigned short BiaoDingXiuzhengGet(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD);
    void startBiaoDing(bool on);
    float getModifyValue();

    // ---- ranges, integration time, shutter commands and settings ----
    // Queued commands return 0 when queued, -1 when the link refused them.
    int changeTempRange(int range, unsigned short intTime);
    int setIntTime(int range, unsigned short intTime);
    int setVSK(int range);
    int setSerialVSK(unsigned short vsk);
    int getSerialVSK(unsigned short *out);
    int getSerialSum(unsigned short *out);
    int insideShutter();
    int insideShutterNoVSK();
    int autoShutter(bool on);
    void setTempRangeMinMax(int min, int max);
    // Both read the settings checked, falling back to the defaults.
    void setSystemTempPara();
    void readTempSetup();
    TempSetup getSystemTempSetup();

    // ---- internal temperatures and drift term ----
    void setShutterTemp(float t);
    float getShutterTemp();
    float getModifyShutterTemp();
    void setSensorTemp(float t, bool reset);
    float getSensorTemp();
    void updateSensorTemp(bool flag);
    float updateDeltaTemp();
    float getDeltaTemp();
    void setLenTemp(float t);
    float getLenTemp();

    // ---- measurement readings ----
    // 0 done; -1 bad slot or kind, or the board could not be positioned or
    // read; -2 the object's own parameters were rejected. On failure the
    // status is "NULL".
    int getSpotTemp(int n, int kind, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    int getSpotAD(int n, _fpga_point &point);
    int getLineTemp(int line, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    int getAreaTemp(int n, _area &rect, ParaMode_t mode, const TempSetup &setup, _area_val &val, Area_Temp &out);
    void getMinMaxTemp(IrTempStru *low, IrTempStru *high);
    void getAutoMinMaxTemp(IrTempStru *low, IrTempStru *high);
    // 1 when accepted; 0 when rejected, and nothing is stored.
    int setSystemTempSetup(TempSetup setup);
    void setHumid(float humid);
    void setEnvTemp(float temp);
    void setReflecTemp(float temp);

    // ---- level and span ----
    void setLevelSpanMode(Mode_t mode);
    void calcLevelSpan(Mode_t mode, bool smooth);
    // Reversed ends are swapped; ends outside the table change nothing.
    int handLevelSpan(float low, float high);
    void startLevelSpanControl(bool on);
    void autoLevel(float value);
    void autoSpan(float value);

    // ---- isotherm and palettes ----
    int setIsoSwitch(bool on);
    bool getIsoSwitch();
    void setIsoPara(Isotherm iso);
    Isotherm getIsoPara();
    void setIsoIndex();
    void getIsoTempStru(float low, float high);
    // The argument is not used: the current palette is uploaded.
    int palette_cal(_yuv_item *palette = nullptr);
    // -1 for an index outside 0-8.
    int setStandardPaletteIndex(COLOR_TABLE index);
    // 256 entries, entry 0 the coldest; -1 for a null palette or a count
    // below 256. The palette index becomes 8.
    int setCustomPalette(const _yuv_item (&palette)[PaletteControl::RAMP_ENTRIES]);
    int setCustomPalette(const _yuv_item *palette, int count);
    int getPaletteIndex();
    // BOARD_PALETTE_ENTRIES entries.
    const _yuv_item *getCurrentPalette();
    // Null outside 0-8.
    const _yuv_item *getColorTable(int index);

    // ---- state the library exports to the application ----
    int levelSpanMaxAD() const { return m_model.levelSpanMaxAD(); }
    int levelSpanMinAD() const { return m_model.levelSpanMinAD(); }
    bool levelSpanControlStarted() const { return m_levelSpan.controlStarted(); }
    Mode_t levelSpanMode() const { return m_levelSpan.mode(); }
    unsigned short level() const { return m_levelSpan.level(); }
    unsigned short span() const { return m_levelSpan.span(); }
    IrTempStru isoLowerReading() const { return m_palette.isoLower(); }
    IrTempStru isoUpperReading() const { return m_palette.isoUpper(); }
    float vskTemp() const { return m_vskTemp; }
    int tempRange() const { return m_model.tempRange(); }
    TempModel &tempModel() { return m_model; }
    const ISOHandler &isoHandler() const { return m_palette.isoHandler(); }

private:
    FrontTempBoard m_tempBoard;
    TempModel m_model;
    MeasurementReader m_readings;
    LevelSpan m_levelSpan;
    PaletteControl m_palette;
    std::unique_ptr<Serial> m_serial;
    bool m_saturation = false;
    QString m_coreFpgaVersion;
    QString m_coreCpuVersion;
    int m_coreVersionNum = 1;
    // Bias values per range; nothing fills them on this core.
    float m_vskTemp = 40.0f;
    unsigned short m_vskValue0 = 0;
    unsigned short m_vskValue1 = 0;
};
