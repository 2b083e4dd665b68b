#include "libircore.h"
#include "linkedircorelibrary.h"
#include "simircore.h"

#include <QtTest>

// The device build's core forwards every call to the library's C
// functions; here those are the simulated core's.
class TestLinkedIRCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void forwardsEveryCall();
};

void TestLinkedIRCore::forwardsEveryCall()
{
    SimIRCore sim;
    // No serial link to check in this build: the open is refused, which
    // must come back through the forwarding as well.
    sim.setSerialSource([] { return static_cast<Serial *>(nullptr); });
    SimIRCore::exportAsLibrary(&sim);
    LinkedIRCoreLibrary linked;
    QVERIFY(linked.Ctl_EMIF_Open() != 0);
    QVERIFY(linked.CtlReadVfid() < 0);
    QCOMPARE(sim.calls(), (QStringList{QStringLiteral("Ctl_EMIF_Open"), QStringLiteral("CtlReadVfid")}));

    sim.clearLog();
    linked.CtlSetVfid(1);
    linked.CtlSetVsk(2);
    linked.CtlSetINT_Time(3);
    linked.CtlSetFIR(4);
    linked.CtlSetCTIA_Gain(6);
    linked.CtlHeaterOnOff(1);
    linked.ReadADSum();
    linked.Init_ALL_K_Parameter();
    linked.Init_Sht_Parameter();
    linked.GetLowTemperature();
    linked.GetHighTemperature();
    linked.Calc_K_Parameter();
    linked.Save_K_Para(0);
    linked.StartSetDeadPoint();
    linked.SetDeadPointXY(10, 20);
    linked.SetDeadPointValid();
    linked.FinishSetDeadPoint();
    linked.SetFishBuffer();
    linked.SaveFishBuffer();
    linked.FilterFishBuffer();
    linked.SubFishBuffer();
    linked.CaptureFishBuffer();
    linked.ClearFishBuffer();
    linked.CtlReadVsk();
    linked.CtlReadINT_Time();
    linked.CtlReadCTIA_Gain();
    linked.CtlReadHeaterOnOff();
    linked.Ctl_EMIF_Close();
    const QStringList expected{
        "CtlSetVfid(1) = -1", "CtlSetVsk(2) = -1", "CtlSetINT_Time(3) = -1", "CtlSetFIR(4) = -1",
        "CtlSetCTIA_Gain(6) = -1", "CtlHeaterOnOff(1) = -1", "ReadADSum() = 0", "Init_ALL_K_Parameter() = -1",
        "Init_Sht_Parameter() = -1", "GetLowTemperature() = -1", "GetHighTemperature() = -1",
        "Calc_K_Parameter() = -1", "Save_K_Para(0) = -1", "StartSetDeadPoint() = -1", "SetDeadPointXY(10, 20) = -1",
        "SetDeadPointValid() = -1", "FinishSetDeadPoint() = -1", "SetFishBuffer() = -1", "SaveFishBuffer() = -1",
        "FilterFishBuffer() = -1", "SubFishBuffer() = -1", "CaptureFishBuffer() = -1", "ClearFishBuffer() = -1",
        "CtlReadVsk() = -1", "CtlReadINT_Time() = -1", "CtlReadCTIA_Gain() = -1", "CtlReadHeaterOnOff() = -1",
        "Ctl_EMIF_Close() = -1"};
    QCOMPARE(sim.log(), expected);
    SimIRCore::exportAsLibrary(nullptr);
    QCOMPARE(linked.CtlReadVsk(), -1);
}

QTEST_MAIN(TestLinkedIRCore)
#include "tst_linkedircore.moc"
