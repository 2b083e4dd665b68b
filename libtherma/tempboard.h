#pragma once

#include "therma_global.h"

// What the temperature model needs of the board and of the serial link:
// the internal temperatures, the freeze register, the lens and the range
// code. The front implements it over its registers; tests script it.
class THERMA_EXPORT TempBoard
{
public:
    virtual ~TempBoard();
    // degC; 0.0 when the read fails.
    virtual float readShutterTemp() = 0;
    virtual float readSensorTemp() = 0;
    // The board's own freeze bit, not the front's flag.
    virtual bool readFreezeStatus() = 0;
    // 0..6, -1 without a lens.
    virtual int readLenIndex() = 0;
    // 0x11, 0x22 or 0x33 for ranges 0, 1, 2.
    virtual void setSerialTempRange(int code) = 0;
};
