#pragma once

#include "fpgabottom.h"
#include "fpgatypes.h"
#include "temptypes.h"
#include "therma_global.h"

#include <QString>

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
class THERMA_EXPORT FPGA : public FPGABottom
{
public:
    // ---- construction, start-up and destruction ----
    FPGA();
    ~FPGA();
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
    int getSpotTemp(int n, int kind, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    int getSpotAD(int n, _fpga_point &point);
    int getLineTemp(int line, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out);
    int getAreaTemp(int n, _area &rect, ParaMode_t mode, const TempSetup &setup, _area_val &val, Area_Temp &out);
    void getMinMaxTemp(IrTempStru *low, IrTempStru *high);
    void getAutoMinMaxTemp(IrTempStru *low, IrTempStru *high);
    int setSystemTempSetup(TempSetup setup);
    void setHumid(float humid);
    void setEnvTemp(float temp);
    void setReflecTemp(float temp);

    // ---- level and span ----
    void setLevelSpanMode(Mode_t mode);
    void calcLevelSpan(Mode_t mode, bool smooth);
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
    int palette_cal(_yuv_item *palette);
    int setStandardPaletteIndex(COLOR_TABLE index);
    int setCustomPalette(_yuv_item *palette);
    int getPaletteIndex();
    _yuv_item *getCurrentPalette();
    _yuv_item *getColorTable(int index);

    // The front's state (handlers, tables, isotherm, palette, level and
    // span) is added with the implementation of the groups above.
};
