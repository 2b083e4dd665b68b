#pragma once

#include "factoryresetactions.h"

// The reset's calls on the objects registered in EGlobal. An object that
// is not built (yet) is skipped with a log line.
class LiveFactoryReset : public FactoryResetActions
{
public:
    void changeTempRange(int range) override;
    void setEnvTemp(float celsius) override;
    void setHumid(float fraction) override;
    void setReflecTemp(float celsius) override;
    void setSystemTempSetup(const TempSetup &setup) override;
    void setObjectParameters(const QString &kind, int n, const TempSetup &setup, ParaMode_t mode) override;
    void setSpotMode(int n, int mode) override;
    void showSpot(int n) override;
    void clearCurrentFocusWidget() override;
    void hideObject(const QString &kind, int n) override;
    void setAreaResults(int n, bool max, bool min, bool average) override;
    void setAreaGeometry(int n, int width, int height, int x, int y) override;
    void moveLine(int n, int x, int y) override;
    void readTabTicks(const QString &kind) override;
    void disarmSpotAlarm(int n) override;
    void setAlarmOutput(bool on) override;
    void setImageMode(int mode) override;
    void setStandardPalette(int index) override;
    void setLevelSpanMode(int mode) override;
    void readPage(const QString &page) override;
    void setIsoSwitch(bool on) override;
    void setIsotherm(int mode, float lower, float upper, const char *colour) override;
    void clearScreen(bool cleared) override;
    void setVideoOutputMode(int mode) override;
    void setDoublePrecision(bool on) override;
    void changePrecision() override;
    void changeTempUnit(int unit) override;
    void setSystemLenUnit(int unit) override;
    void laserHandler(bool on) override;
    void lampHandler(bool on) override;
    void lcdPwm(int value) override;
    void stopIntervalCapture() override;
};
