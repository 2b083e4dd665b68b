#include "fpga.h"

#include "librarysettings.h"
#include "serial.h"

#include <cstdio>

FPGA::FPGA()
    : FPGABottom()
    , m_tempBoard(*this)
    , m_model(&m_tempBoard)
    , m_readings(*this, m_model)
    , m_levelSpan(*this, m_model)
    , m_palette(*this, m_model, m_levelSpan)
{
    m_serial = std::make_unique<Serial>(this, QString::fromLatin1(Serial::defaultDevice()));
    m_coreFpgaVersion.clear();
    m_coreCpuVersion.clear();
    m_coreVersionNum = 1;

    // Sensor temperature and freeze bit (a frozen picture keeps its shutter
    // temperature until it is unfrozen), stored range and lens, table,
    // shutter update, stored parameters, reporting limits.
    m_model.start();
    m_saturation = false;
    m_levelSpan.loadFromBoard();

    // A new level and span moves the isotherm band on the palette.
    m_levelSpan.setAfterWrite([this] {
        if (m_palette.isoSwitch())
            m_palette.upload();
    });
}

FPGA::~FPGA()
{
    // The worker may still be sending; it is joined before anything it
    // could reach goes away.
    m_serial.reset();
}

void FPGA::init()
{
    const unsigned short intTime = LibrarySettings::intTime(m_model.tempRange());
    fpga_set_arm_lcd_jingDu(1);
    m_serial->changeTempRange(intTime, 0);
}

// ---- picture path ----

int FPGA::setImageMode(Image_Mode_t mode)
{
    return fpga_set_image(mode);
}

int FPGA::set_CCD_Pipe_IR_Position(Image_Position_t position)
{
    return fpga_set_ccd_pipe_ir_position(position);
}

int FPGA::set_IR_Pipe_CCD_Position(Image_Position_t position)
{
    return fpga_set_ir_pipe_ccd_position(position);
}

int FPGA::start_arm_lcd(char mode)
{
    return fpga_start_arm_lcd(static_cast<unsigned char>(mode));
}

int FPGA::setADV7179Mode(int mode)
{
    return fpga_set_output_mode(mode);
}

int FPGA::freeze_image(bool on)
{
    m_model.freezeChanged(on);
    return fpga_freeze_image(on);
}

bool FPGA::getFreezeImageStatus()
{
    return m_model.frozen();
}

void FPGA::setSaturation(const bool &on)
{
    m_saturation = on;
}

const bool &FPGA::getSaturation() const
{
    return m_saturation;
}

void FPGA::saturation()
{
}

// ---- identity ----

QString FPGA::getDllVersion()
{
    return QStringLiteral("VYX20180705.2.00");
}

QString FPGA::getCoreFPGAVerisonStr()
{
    return m_coreFpgaVersion;
}

QString FPGA::getCoreCpuVerisonStr()
{
    return m_coreCpuVersion;
}

int FPGA::getCoreVersionNum()
{
    return m_coreVersionNum;
}

int FPGA::getLenIndex()
{
    return m_model.lenIndex();
}

Serial *FPGA::getSerial()
{
    return m_serial.get();
}

IRPara &FPGA::getIRPara()
{
    return m_model.irPara();
}

// ---- calibration tables ----

int FPGA::readTable(const char *path, TempInfoTab *table)
{
    return table && TempModel::readTable(path, table) ? 1 : 0;
}

int FPGA::setSystemAdToTempTab(int lens, int range)
{
    return m_model.setSystemAdToTempTab(lens, range);
}

int FPGA::setSystemAdToTempTab()
{
    return m_model.setSystemAdToTempTab();
}

int FPGA::get_set_lenIndex()
{
    return m_model.get_set_lenIndex();
}

int FPGA::setTempRange(int range)
{
    return m_model.setTempRange(range);
}

int FPGA::checkBiaoDingTab()
{
    return m_model.checkBiaoDingTab();
}

TempInfoTab FPGA::getTempInfoTab()
{
    return m_model.getTempInfoTab();
}

// ---- correction factors ----

void FPGA::updateModify(int lens, int range)
{
    m_model.updateModify(lens, range);
}

void FPGA::updateModify(int lens)
{
    m_model.updateModify(lens);
}

// ---- drift correction ----

void FPGA::updateShutterTemp(bool flag)
{
    m_model.updateShutterTemp(flag);
}

unsigned short FPGA::BiaoDingXiuzheng(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD)
{
    return m_model.BiaoDingXiuzheng(sensorTemp, shutterTemp, meanTemp, T, AD);
}

unsigned short FPGA::BiaoDingXiuzhengGet(float sensorTemp, float shutterTemp, float meanTemp, int T, unsigned short AD)
{
    return m_model.BiaoDingXiuzhengGet(sensorTemp, shutterTemp, meanTemp, T, AD);
}

void FPGA::startBiaoDing(bool on)
{
    m_model.startBiaoDing(on);
}

float FPGA::getModifyValue()
{
    return m_model.getModifyValue();
}

// ---- ranges, integration time, shutter commands and settings ----

int FPGA::changeTempRange(int range, unsigned short intTime)
{
    // Only the core is told: the application reloads the table and the
    // reporting limits afterwards.
    m_model.setRange(range);
    return m_serial->changeTempRange(intTime, 0) ? 0 : -1;
}

int FPGA::setIntTime(int range, unsigned short intTime)
{
    const bool queued = m_serial->setIntTime(range, intTime);
    m_model.setRange(range);
    return queued ? 0 : -1;
}

int FPGA::setVSK(int range)
{
    int result = 0;
    if (range == 0)
        result = setSerialVSK(m_vskValue0);
    else if (range == 1)
        result = setSerialVSK(m_vskValue1);
    m_vskTemp = LibrarySettings::vskTemp();
    return result;
}

int FPGA::setSerialVSK(unsigned short vsk)
{
    std::printf("============set vsk:%d\n", vsk);
    return m_serial->setVSK(vsk) ? 0 : -1;
}

int FPGA::getSerialVSK(unsigned short *out)
{
    if (!out)
        return -1;
    return m_serial->readSerialVSK(out);
}

int FPGA::getSerialSum(unsigned short *out)
{
    if (!out)
        return -1;
    return m_serial->readSerialSum(out);
}

int FPGA::insideShutter()
{
    return m_serial->insideShutter() ? 0 : -1;
}

int FPGA::insideShutterNoVSK()
{
    return m_serial->insideShutterNoVSK() ? 0 : -1;
}

int FPGA::autoShutter(bool on)
{
    return m_serial->autoShutter(on) ? 0 : -1;
}

void FPGA::setTempRangeMinMax(int min, int max)
{
    m_model.setTempRangeMinMax(min, max);
}

void FPGA::setSystemTempPara()
{
    m_model.setSystemTempPara();
}

void FPGA::readTempSetup()
{
    m_model.readTempSetup();
}

TempSetup FPGA::getSystemTempSetup()
{
    return m_model.getSystemTempSetup();
}

// ---- internal temperatures and drift term ----

void FPGA::setShutterTemp(float t)
{
    m_model.setShutterTemp(t);
}

float FPGA::getShutterTemp()
{
    return m_model.getShutterTemp();
}

float FPGA::getModifyShutterTemp()
{
    return m_model.getModifyShutterTemp();
}

void FPGA::setSensorTemp(float t, bool reset)
{
    m_model.setSensorTemp(t, reset);
}

float FPGA::getSensorTemp()
{
    return m_model.getSensorTemp();
}

void FPGA::updateSensorTemp(bool flag)
{
    m_model.updateSensorTemp(flag);
}

float FPGA::updateDeltaTemp()
{
    return m_model.updateDeltaTemp();
}

float FPGA::getDeltaTemp()
{
    return m_model.getDeltaTemp();
}

void FPGA::setLenTemp(float t)
{
    m_model.setLenTemp(t);
}

float FPGA::getLenTemp()
{
    return m_model.getLenTemp();
}

// ---- measurement readings ----

int FPGA::getSpotTemp(int n, int kind, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out)
{
    return m_readings.spot(n, kind, mode, setup, point, out);
}

int FPGA::getSpotAD(int n, _fpga_point &point)
{
    return m_readings.spotAD(n, point);
}

int FPGA::getLineTemp(int line, ParaMode_t mode, const TempSetup &setup, _fpga_point &point, IrTempStru &out)
{
    return m_readings.line(line, mode, setup, point, out);
}

int FPGA::getAreaTemp(int n, _area &rect, ParaMode_t mode, const TempSetup &setup, _area_val &val, Area_Temp &out)
{
    return m_readings.area(n, rect, mode, setup, val, out);
}

void FPGA::getMinMaxTemp(IrTempStru *low, IrTempStru *high)
{
    m_readings.scaleEnds(m_levelSpan.level(), m_levelSpan.span(), low, high);
}

void FPGA::getAutoMinMaxTemp(IrTempStru *low, IrTempStru *high)
{
    m_levelSpan.autoMinMax(low, high);
}

int FPGA::setSystemTempSetup(TempSetup setup)
{
    return m_model.setSystemTempSetup(setup);
}

void FPGA::setHumid(float humid)
{
    m_model.setHumid(humid);
}

void FPGA::setEnvTemp(float temp)
{
    m_model.setEnvTemp(temp);
}

void FPGA::setReflecTemp(float temp)
{
    m_model.setReflecTemp(temp);
}

// ---- level and span ----

void FPGA::setLevelSpanMode(Mode_t mode)
{
    m_levelSpan.setMode(mode);
}

void FPGA::calcLevelSpan(Mode_t mode, bool smooth)
{
    m_levelSpan.step(mode, smooth);
}

int FPGA::handLevelSpan(float low, float high)
{
    return m_levelSpan.hand(low, high);
}

void FPGA::startLevelSpanControl(bool on)
{
    m_levelSpan.startControl(on);
}

void FPGA::autoLevel(float)
{
}

void FPGA::autoSpan(float)
{
}

// ---- isotherm and palettes ----

int FPGA::setIsoSwitch(bool on)
{
    return m_palette.setIsoSwitch(on);
}

bool FPGA::getIsoSwitch()
{
    return m_palette.isoSwitch();
}

void FPGA::setIsoPara(Isotherm iso)
{
    m_palette.setIsoPara(iso);
}

Isotherm FPGA::getIsoPara()
{
    return m_palette.isoPara();
}

void FPGA::setIsoIndex()
{
    m_palette.setIsoIndex();
}

void FPGA::getIsoTempStru(float low, float high)
{
    m_palette.isoTempStru(low, high);
}

int FPGA::palette_cal(_yuv_item *)
{
    return m_palette.upload();
}

int FPGA::setStandardPaletteIndex(COLOR_TABLE index)
{
    return m_palette.setStandardPaletteIndex(index);
}

int FPGA::setCustomPalette(const _yuv_item (&palette)[PaletteControl::RAMP_ENTRIES])
{
    return m_palette.setCustomPalette(palette, PaletteControl::RAMP_ENTRIES);
}

int FPGA::setCustomPalette(const _yuv_item *palette, int count)
{
    return m_palette.setCustomPalette(palette, count);
}

int FPGA::getPaletteIndex()
{
    return m_palette.paletteIndex();
}

const _yuv_item *FPGA::getCurrentPalette()
{
    return m_palette.currentPalette();
}

const _yuv_item *FPGA::getColorTable(int index)
{
    return PaletteControl::colorTable(index);
}
