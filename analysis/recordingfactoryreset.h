#pragma once

#include "factoryresetactions.h"
#include "factoryresetstore.h"

#include <QMap>
#include <QStringList>

// Both seams of the factory reset as one ordered log of lines such as
// "setEnvTemp 25.0" and "write GlobalPara/Emiss 0.95"; reads answer from
// stored and are not logged.
class RecordingFactoryReset : public FactoryResetActions, public FactoryResetStore
{
public:
    QStringList log;
    QMap<QString, int> stored; // "group/key" read by readInt
    bool commitResult = true;

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

    int readInt(const QString &group, const QString &key, int fallback) override;
    void setValue(const QString &group, const QString &key, const QVariant &value) override;
    bool commit() override;

private:
    void add(const QString &line) { log.append(line); }
};
