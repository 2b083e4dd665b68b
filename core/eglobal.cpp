#include "eglobal.h"

FPGA *EGlobal::g_fpga = nullptr;
EGraphicsView *EGlobal::g_graphicsView = nullptr;
EMainInterface *EGlobal::g_mainInterface = nullptr;
EAnalysisTab *EGlobal::g_analysisTab = nullptr;
EImageTab *EGlobal::g_imageTab = nullptr;
ESetupWindow *EGlobal::g_setupWindow = nullptr;
EToolWidget *EGlobal::g_toolBar = nullptr;
CvmainWindow *EGlobal::g_cvmainwindow = nullptr;
EAnalysisSetup *EGlobal::g_analysisSetup = nullptr;
ZMultifunctional *EGlobal::g_zmultifunctional = nullptr;
CLcd_power *EGlobal::g_LcdPower = nullptr;
FilenameSystem *EGlobal::g_filenameSystem = nullptr;
IRCoreMainWindow *EGlobal::g_irCoreMainWindow = nullptr;
bool EGlobal::g_doublePrecision = false;
char EGlobal::g_systemTempUnit = 0;
char EGlobal::g_systemLenUnit = 0;

// The device has always used 273.2 for kelvin; stored readings rely on it.
static constexpr double KelvinOffset = 273.2;
static constexpr double MetresPerFoot = 0.3048;

float EGlobal::unit_out_temp(float celsius)
{
    switch (g_systemTempUnit) {
    case 1: return static_cast<float>(static_cast<double>(celsius) * 1.8 + 32.0);
    case 2: return static_cast<float>(static_cast<double>(celsius) + KelvinOffset);
    default: return celsius;
    }
}

float EGlobal::unit_in_temp(float value)
{
    switch (g_systemTempUnit) {
    case 1: return static_cast<float>(static_cast<double>(value - 32.0f) / 1.8);
    case 2: return static_cast<float>(static_cast<double>(value) - KelvinOffset);
    default: return value;
    }
}

float EGlobal::unit_in_len(float value)
{
    return g_systemLenUnit ? static_cast<float>(static_cast<double>(value) * MetresPerFoot) : value;
}

float EGlobal::unit_out_len(float metres)
{
    return g_systemLenUnit ? static_cast<float>(static_cast<double>(metres) / MetresPerFoot) : metres;
}
