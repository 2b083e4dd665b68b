#pragma once

#include "tempboard.h"
#include "therma_global.h"

class FPGABottom;

// The temperature model's view of the board, over the front's registers:
// internal temperatures, the board's freeze bit and the lens. The range code
// needs no frame on this core, so it is accepted and dropped.
class THERMA_EXPORT FrontTempBoard : public TempBoard
{
public:
    explicit FrontTempBoard(FPGABottom &board);

    float readShutterTemp() override;
    float readSensorTemp() override;
    bool readFreezeStatus() override;
    int readLenIndex() override;
    void setSerialTempRange(int code) override;

    // 0..6 for a fitted lens; -1 for the no-lens code and anything else the
    // register layer might report.
    static int lensIndexOf(int code);

private:
    FPGABottom &m_board;
};
