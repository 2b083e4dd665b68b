#pragma once

#include "ircorelibrary.h"

// The device build's core: every call goes straight to the library named
// at configure time (OSTREL_IRCORE_LIBRARY).
class LinkedIRCoreLibrary : public IRCoreLibrary
{
public:
    int Ctl_EMIF_Open() override;
    int Ctl_EMIF_Close() override;
    int CtlReadVfid() override;
    int CtlReadVsk() override;
    int CtlReadINT_Time() override;
    int CtlReadCTIA_Gain() override;
    int CtlReadHeaterOnOff() override;
    int CtlSetVfid(uint16_t value) override;
    int CtlSetVsk(uint16_t value) override;
    int CtlSetINT_Time(uint16_t value) override;
    int CtlSetFIR(uint8_t value) override;
    int CtlSetCTIA_Gain(uint8_t value) override;
    int CtlHeaterOnOff(int on) override;
    uint32_t ReadADSum() override;
    int Init_ALL_K_Parameter() override;
    int Init_Sht_Parameter() override;
    int GetLowTemperature() override;
    int GetHighTemperature() override;
    int Calc_K_Parameter() override;
    int Save_K_Para(int n) override;
    int StartSetDeadPoint() override;
    int SetDeadPointXY(int x, int y) override;
    int SetDeadPointValid() override;
    int FinishSetDeadPoint() override;
    int SetFishBuffer() override;
    int SaveFishBuffer() override;
    int FilterFishBuffer() override;
    int SubFishBuffer() override;
    int CaptureFishBuffer() override;
    int ClearFishBuffer() override;
};
