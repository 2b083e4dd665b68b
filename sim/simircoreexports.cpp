// The C functions of libircore.h over the simulated core: a test links
// these in place of the core's own library to build the linked seam.
// Not part of the sim library.

#include "libircore.h"
#include "simircore.h"

int Ctl_EMIF_Open(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Ctl_EMIF_Open() : -1;
}

int Ctl_EMIF_Close(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Ctl_EMIF_Close() : -1;
}

int CtlReadVfid(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlReadVfid() : -1;
}

int CtlReadVsk(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlReadVsk() : -1;
}

int CtlReadINT_Time(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlReadINT_Time() : -1;
}

int CtlReadCTIA_Gain(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlReadCTIA_Gain() : -1;
}

int CtlReadHeaterOnOff(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlReadHeaterOnOff() : -1;
}

int CtlSetVfid(unsigned short value)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlSetVfid(value) : -1;
}

int CtlSetVsk(unsigned short value)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlSetVsk(value) : -1;
}

int CtlSetINT_Time(unsigned short value)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlSetINT_Time(value) : -1;
}

int CtlSetFIR(unsigned char value)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlSetFIR(value) : -1;
}

int CtlSetCTIA_Gain(unsigned char value)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlSetCTIA_Gain(value) : -1;
}

int CtlHeaterOnOff(int on)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CtlHeaterOnOff(on) : -1;
}

unsigned int ReadADSum(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->ReadADSum() : 0;
}

int Init_ALL_K_Parameter(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Init_ALL_K_Parameter() : -1;
}

int Init_Sht_Parameter(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Init_Sht_Parameter() : -1;
}

int GetLowTemperature(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->GetLowTemperature() : -1;
}

int GetHighTemperature(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->GetHighTemperature() : -1;
}

int Calc_K_Parameter(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Calc_K_Parameter() : -1;
}

int Save_K_Para(int n)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->Save_K_Para(n) : -1;
}

int StartSetDeadPoint(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->StartSetDeadPoint() : -1;
}

int SetDeadPointXY(int x, int y)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->SetDeadPointXY(x, y) : -1;
}

int SetDeadPointValid(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->SetDeadPointValid() : -1;
}

int FinishSetDeadPoint(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->FinishSetDeadPoint() : -1;
}

int SetFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->SetFishBuffer() : -1;
}

int SaveFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->SaveFishBuffer() : -1;
}

int FilterFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->FilterFishBuffer() : -1;
}

int SubFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->SubFishBuffer() : -1;
}

int CaptureFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->CaptureFishBuffer() : -1;
}

int ClearFishBuffer(void)
{
    SimIRCore *core = SimIRCore::exported();
    return core ? core->ClearFishBuffer() : -1;
}
