#pragma once

#include "temptypes.h"

class QString;
struct Isotherm;

// Every call the factory reset makes outside its own dialog: the board,
// the live view and its objects, the analysis panel's tabs, the image and
// setup pages, the status bar, the backlight and interval capture.
class FactoryResetActions
{
public:
    virtual ~FactoryResetActions() = default;

    virtual void changeTempRange(int range) = 0;
    virtual void setEnvTemp(float celsius) = 0;
    virtual void setHumid(float fraction) = 0;
    virtual void setReflecTemp(float celsius) = 0;
    virtual void setSystemTempSetup(const TempSetup &setup) = 0;

    // kind: "Spot", "Area" or "Line"; n from 1.
    virtual void setObjectParameters(const QString &kind, int n, const TempSetup &setup, ParaMode_t mode) = 0;
    virtual void setSpotMode(int n, int mode) = 0;
    virtual void showSpot(int n) = 0;
    virtual void clearCurrentFocusWidget() = 0;
    virtual void hideObject(const QString &kind, int n) = 0;
    virtual void setAreaResults(int n, bool max, bool min, bool average) = 0;
    virtual void setAreaGeometry(int n, int width, int height, int x, int y) = 0;
    virtual void moveLine(int n, int x, int y) = 0;
    // The panel's tab of that kind re-reads its ticks.
    virtual void readTabTicks(const QString &kind) = 0;

    virtual void disarmSpotAlarm(int n) = 0;
    virtual void setAlarmOutput(bool on) = 0;

    virtual void setImageMode(int mode) = 0;
    virtual void setStandardPalette(int index) = 0;
    virtual void setLevelSpanMode(int mode) = 0;
    // "Pip", "Palette", "Mode" of the image popup; "General", "Misc" of the setup window.
    virtual void readPage(const QString &page) = 0;
    virtual void setIsoSwitch(bool on) = 0;
    virtual void setIsotherm(int mode, float lower, float upper, const char *colour) = 0;
    virtual void clearScreen(bool cleared) = 0;
    virtual void setVideoOutputMode(int mode) = 0;
    virtual void setDoublePrecision(bool on) = 0;
    virtual void changePrecision() = 0;
    virtual void changeTempUnit(int unit) = 0;
    virtual void setSystemLenUnit(int unit) = 0;
    virtual void laserHandler(bool on) = 0;
    virtual void lampHandler(bool on) = 0;
    virtual void lcdPwm(int value) = 0;
    virtual void stopIntervalCapture() = 0;
};
