#include "linkedircorelibrary.h"

#include "libircore.h"

int LinkedIRCoreLibrary::Ctl_EMIF_Open()
{
    return ::Ctl_EMIF_Open();
}

int LinkedIRCoreLibrary::Ctl_EMIF_Close()
{
    return ::Ctl_EMIF_Close();
}

int LinkedIRCoreLibrary::CtlReadVfid()
{
    return ::CtlReadVfid();
}

int LinkedIRCoreLibrary::CtlReadVsk()
{
    return ::CtlReadVsk();
}

int LinkedIRCoreLibrary::CtlReadINT_Time()
{
    return ::CtlReadINT_Time();
}

int LinkedIRCoreLibrary::CtlReadCTIA_Gain()
{
    return ::CtlReadCTIA_Gain();
}

int LinkedIRCoreLibrary::CtlReadHeaterOnOff()
{
    return ::CtlReadHeaterOnOff();
}

int LinkedIRCoreLibrary::CtlSetVfid(uint16_t value)
{
    return ::CtlSetVfid(value);
}

int LinkedIRCoreLibrary::CtlSetVsk(uint16_t value)
{
    return ::CtlSetVsk(value);
}

int LinkedIRCoreLibrary::CtlSetINT_Time(uint16_t value)
{
    return ::CtlSetINT_Time(value);
}

int LinkedIRCoreLibrary::CtlSetFIR(uint8_t value)
{
    return ::CtlSetFIR(value);
}

int LinkedIRCoreLibrary::CtlSetCTIA_Gain(uint8_t value)
{
    return ::CtlSetCTIA_Gain(value);
}

int LinkedIRCoreLibrary::CtlHeaterOnOff(int on)
{
    return ::CtlHeaterOnOff(on);
}

uint32_t LinkedIRCoreLibrary::ReadADSum()
{
    return ::ReadADSum();
}

int LinkedIRCoreLibrary::Init_ALL_K_Parameter()
{
    return ::Init_ALL_K_Parameter();
}

int LinkedIRCoreLibrary::Init_Sht_Parameter()
{
    return ::Init_Sht_Parameter();
}

int LinkedIRCoreLibrary::GetLowTemperature()
{
    return ::GetLowTemperature();
}

int LinkedIRCoreLibrary::GetHighTemperature()
{
    return ::GetHighTemperature();
}

int LinkedIRCoreLibrary::Calc_K_Parameter()
{
    return ::Calc_K_Parameter();
}

int LinkedIRCoreLibrary::Save_K_Para(int n)
{
    return ::Save_K_Para(n);
}

int LinkedIRCoreLibrary::StartSetDeadPoint()
{
    return ::StartSetDeadPoint();
}

int LinkedIRCoreLibrary::SetDeadPointXY(int x, int y)
{
    return ::SetDeadPointXY(x, y);
}

int LinkedIRCoreLibrary::SetDeadPointValid()
{
    return ::SetDeadPointValid();
}

int LinkedIRCoreLibrary::FinishSetDeadPoint()
{
    return ::FinishSetDeadPoint();
}

int LinkedIRCoreLibrary::SetFishBuffer()
{
    return ::SetFishBuffer();
}

int LinkedIRCoreLibrary::SaveFishBuffer()
{
    return ::SaveFishBuffer();
}

int LinkedIRCoreLibrary::FilterFishBuffer()
{
    return ::FilterFishBuffer();
}

int LinkedIRCoreLibrary::SubFishBuffer()
{
    return ::SubFishBuffer();
}

int LinkedIRCoreLibrary::CaptureFishBuffer()
{
    return ::CaptureFishBuffer();
}

int LinkedIRCoreLibrary::ClearFishBuffer()
{
    return ::ClearFishBuffer();
}
