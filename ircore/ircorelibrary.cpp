#include "ircorelibrary.h"

#ifdef OSTREL_LINKED_IRCORE
#include "linkedircorelibrary.h"
#endif

#include <memory>
#include <mutex>

namespace {

// No core library in this build: every call fails.
class AbsentIRCore : public IRCoreLibrary
{
public:
    int Ctl_EMIF_Open() override { return -1; }
    int Ctl_EMIF_Close() override { return -1; }
    int CtlReadVfid() override { return -1; }
    int CtlReadVsk() override { return -1; }
    int CtlReadINT_Time() override { return -1; }
    int CtlReadCTIA_Gain() override { return -1; }
    int CtlReadHeaterOnOff() override { return -1; }
    int CtlSetVfid(uint16_t) override { return -1; }
    int CtlSetVsk(uint16_t) override { return -1; }
    int CtlSetINT_Time(uint16_t) override { return -1; }
    int CtlSetFIR(uint8_t) override { return -1; }
    int CtlSetCTIA_Gain(uint8_t) override { return -1; }
    int CtlHeaterOnOff(int) override { return -1; }
    uint32_t ReadADSum() override { return 0; }
    int Init_ALL_K_Parameter() override { return -1; }
    int Init_Sht_Parameter() override { return -1; }
    int GetLowTemperature() override { return -1; }
    int GetHighTemperature() override { return -1; }
    int Calc_K_Parameter() override { return -1; }
    int Save_K_Para(int) override { return -1; }
    int StartSetDeadPoint() override { return -1; }
    int SetDeadPointXY(int,  int) override { return -1; }
    int SetDeadPointValid() override { return -1; }
    int FinishSetDeadPoint() override { return -1; }
    int SetFishBuffer() override { return -1; }
    int SaveFishBuffer() override { return -1; }
    int FilterFishBuffer() override { return -1; }
    int SubFishBuffer() override { return -1; }
    int CaptureFishBuffer() override { return -1; }
    int ClearFishBuffer() override { return -1; }
};

std::mutex s_mutex;
std::unique_ptr<IRCoreLibrary> s_library;

IRCoreLibrary *makeDefault()
{
#ifdef OSTREL_LINKED_IRCORE
    return new LinkedIRCoreLibrary;
#else
    return new AbsentIRCore;
#endif
}

} // namespace

IRCoreLibrary *IRCoreLibrary::instance()
{
    std::lock_guard<std::mutex> lock(s_mutex);
    if (!s_library)
        s_library.reset(makeDefault());
    return s_library.get();
}

void IRCoreLibrary::install(IRCoreLibrary *library)
{
    std::lock_guard<std::mutex> lock(s_mutex);
    s_library.reset(library ? library : makeDefault());
}
