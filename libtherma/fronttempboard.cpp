#include "fronttempboard.h"

#include "fpgabottom.h"

FrontTempBoard::FrontTempBoard(FPGABottom &board)
    : m_board(board)
{
}

float FrontTempBoard::readShutterTemp()
{
    float t = 0.0f;
    m_board.fpga_read_shutterTemp(&t);
    return t;
}

float FrontTempBoard::readSensorTemp()
{
    float t = 0.0f;
    m_board.fpga_read_sensorTemp(&t);
    return t;
}

bool FrontTempBoard::readFreezeStatus()
{
    return m_board.fpga_get_freeze_status() == 1;
}

int FrontTempBoard::readLenIndex()
{
    return lensIndexOf(m_board.fpga_read_lenIndex());
}

void FrontTempBoard::setSerialTempRange(int)
{
}

int FrontTempBoard::lensIndexOf(int code)
{
    return code >= 0 && code <= 6 ? code : -1;
}
