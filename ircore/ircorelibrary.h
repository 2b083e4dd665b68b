#pragma once

#include <cstdint>

// The infrared core's library as the application calls it: one virtual per
// function of libircore.h, same names and results. The device build
// installs the linked library; the simulator and the tests install the
// simulated core. Until something is installed every call fails, so no
// build ever reaches for a library it was not linked with.
class IRCoreLibrary
{
public:
    virtual ~IRCoreLibrary() = default;

    virtual int Ctl_EMIF_Open() = 0;
    virtual int Ctl_EMIF_Close() = 0;

    // Negative: the core did not answer.
    virtual int CtlReadVfid() = 0;
    virtual int CtlReadVsk() = 0;
    virtual int CtlReadINT_Time() = 0;
    virtual int CtlReadCTIA_Gain() = 0;
    virtual int CtlReadHeaterOnOff() = 0;

    virtual int CtlSetVfid(uint16_t value) = 0;
    virtual int CtlSetVsk(uint16_t value) = 0;
    virtual int CtlSetINT_Time(uint16_t value) = 0;
    virtual int CtlSetFIR(uint8_t value) = 0;
    virtual int CtlSetCTIA_Gain(uint8_t value) = 0;
    virtual int CtlHeaterOnOff(int on) = 0;

    virtual uint32_t ReadADSum() = 0;

    virtual int Init_ALL_K_Parameter() = 0;
    virtual int Init_Sht_Parameter() = 0;
    virtual int GetLowTemperature() = 0;
    virtual int GetHighTemperature() = 0;
    virtual int Calc_K_Parameter() = 0;
    virtual int Save_K_Para(int n) = 0;

    virtual int StartSetDeadPoint() = 0;
    virtual int SetDeadPointXY(int x, int y) = 0;
    virtual int SetDeadPointValid() = 0;
    virtual int FinishSetDeadPoint() = 0;

    virtual int SetFishBuffer() = 0;
    virtual int SaveFishBuffer() = 0;
    virtual int FilterFishBuffer() = 0;
    virtual int SubFishBuffer() = 0;
    virtual int CaptureFishBuffer() = 0;
    virtual int ClearFishBuffer() = 0;

    // The process-wide library; a core that fails everything until
    // something installs another one (the linked one on the device build).
    static IRCoreLibrary *instance();
    // Takes ownership; nullptr puts the default back.
    static void install(IRCoreLibrary *library);
};
