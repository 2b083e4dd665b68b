#pragma once

#include <QObject>

class FPGA;
class EGraphicsView;
class EMainInterface;
class EAnalysisTab;
class EImageTab;
class ESetupWindow;
class EToolWidget;
class CvmainWindow;
class EAnalysisSetup;
class ZMultifunctional;
class CLcd_power;
class FilenameSystem;
class IRCoreMainWindow;

// Process-wide registry of the long-lived objects and the one place that
// holds the display units and converts between them and degrees Celsius /
// metres. Static members only; it owns nothing it points to.
class EGlobal : public QObject
{
    Q_OBJECT
public:
    static void setFPGA(FPGA *fpga) { g_fpga = fpga; }
    static FPGA *getFPGA() { return g_fpga; }
    static void setGraphicsView(EGraphicsView *view) { g_graphicsView = view; }
    static EGraphicsView *getGraphicsView() { return g_graphicsView; }
    static void setMainInterface(EMainInterface *w) { g_mainInterface = w; }
    static EMainInterface *getMainInterface() { return g_mainInterface; }
    static void setAnalysisTab(EAnalysisTab *w) { g_analysisTab = w; }
    static EAnalysisTab *getAnalysisTab() { return g_analysisTab; }
    static void setImageTab(EImageTab *w) { g_imageTab = w; }
    static EImageTab *getImageTab() { return g_imageTab; }
    static void setSetupWindow(ESetupWindow *w) { g_setupWindow = w; }
    static ESetupWindow *getSetupWindow() { return g_setupWindow; }
    static void setToolBar(EToolWidget *w) { g_toolBar = w; }
    static EToolWidget *getToolBar() { return g_toolBar; }
    static void set_cvmainwindow(CvmainWindow *w) { g_cvmainwindow = w; }
    static CvmainWindow *get_cvmainwindow() { return g_cvmainwindow; }
    static void setAnalysisSetup(EAnalysisSetup *w) { g_analysisSetup = w; }
    static EAnalysisSetup *getAnalysisSetup() { return g_analysisSetup; }
    static void set_multifunctional(ZMultifunctional *w) { g_zmultifunctional = w; }
    static ZMultifunctional *get_multifunctional() { return g_zmultifunctional; }
    static void set_LcdPower(CLcd_power *p) { g_LcdPower = p; }
    static CLcd_power *get_LcdPower() { return g_LcdPower; }
    static void set_FilenameSystem(FilenameSystem *f) { g_filenameSystem = f; }
    static FilenameSystem *get_FilenameSystem() { return g_filenameSystem; }
    static void setIRCoreMainWindow(IRCoreMainWindow *w) { g_irCoreMainWindow = w; }
    static IRCoreMainWindow *getIRCoreMainWindow() { return g_irCoreMainWindow; }

    // false: one decimal ("%.1f"), true: two ("%.2f").
    static void setDoublePrecision(bool on) { g_doublePrecision = on; }
    static bool getDoublePrecision() { return g_doublePrecision; }
    // 0 Celsius, 1 Fahrenheit, 2 kelvin.
    static void setSystemTempUnit(char unit) { g_systemTempUnit = unit; }
    static char getSystemTempUnit() { return g_systemTempUnit; }
    // 0 metres, 1 feet.
    static void setSystemLenUnit(char unit) { g_systemLenUnit = unit; }
    static char getSystemLenUnit() { return g_systemLenUnit; }

    static float unit_out_temp(float celsius);
    static float unit_in_temp(float value);
    static float unit_in_len(float value);
    static float unit_out_len(float metres);

private:
    EGlobal() = delete;

    static FPGA *g_fpga;
    static EGraphicsView *g_graphicsView;
    static EMainInterface *g_mainInterface;
    static EAnalysisTab *g_analysisTab;
    static EImageTab *g_imageTab;
    static ESetupWindow *g_setupWindow;
    static EToolWidget *g_toolBar;
    static CvmainWindow *g_cvmainwindow;
    static EAnalysisSetup *g_analysisSetup;
    static ZMultifunctional *g_zmultifunctional;
    static CLcd_power *g_LcdPower;
    static FilenameSystem *g_filenameSystem;
    static IRCoreMainWindow *g_irCoreMainWindow;
    static bool g_doublePrecision;
    static char g_systemTempUnit;
    static char g_systemLenUnit;
};
