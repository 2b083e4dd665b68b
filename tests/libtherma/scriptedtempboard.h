#pragma once

#include "tempboard.h"

#include <QList>

// A board whose temperatures, freeze bit and lens the test sets, and which
// records the range codes it is given.
class ScriptedTempBoard : public TempBoard
{
public:
    float readShutterTemp() override { return shutter; }
    float readSensorTemp() override { return sensor; }
    bool readFreezeStatus() override { return frozen; }
    int readLenIndex() override
    {
        ++lensReads;
        return lens;
    }
    void setSerialTempRange(int code) override { rangeCodes.append(code); }

    float shutter = 26.5f;
    float sensor = 26.5f;
    bool frozen = false;
    int lens = 0;
    int lensReads = 0;
    QList<int> rangeCodes;
};
