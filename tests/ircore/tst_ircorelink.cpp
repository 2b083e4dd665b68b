#include "corefixture.h"

#include "serial.h"

#include <QtTest>

// The core's two users of one bus: the library's link opens only over the
// parked serial link, gives it back on every failure and on close, and
// both directions are idempotent.
class TestIRCoreLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openParksAndCloseRestores();
    void failedOpenGivesTheSerialBack_data();
    void failedOpenGivesTheSerialBack();
    void closedCoreRefusesEveryCall();
    void noLibraryFailsEverything();
    void registersKeepTheirWidths();
    void kStepsRunOnlyInOrder();
};

void TestIRCoreLink::openParksAndCloseRestores()
{
    CoreFixture f(false);
    QVERIFY(!IRCoreLink::isOpen());
    QVERIFY(IRCoreLink::open());
    QVERIFY(f.serial()->isParked());
    QVERIFY(f.core->isOpen());
    // Reopening changes nothing.
    QVERIFY(IRCoreLink::open());
    QCOMPARE(f.core->calls(), QStringList{QStringLiteral("Ctl_EMIF_Open")});

    IRCoreLink::close();
    QVERIFY(!f.serial()->isParked());
    QVERIFY(!f.core->isOpen());
    IRCoreLink::close();
    QCOMPARE(f.core->calls(), (QStringList{QStringLiteral("Ctl_EMIF_Open"), QStringLiteral("Ctl_EMIF_Close")}));

    // The pair runs again from the start.
    QVERIFY(IRCoreLink::open());
    QVERIFY(f.serial()->isParked());
    IRCoreLink::close();
    QVERIFY(!f.serial()->isParked());
    // The serial link works again.
    char version[16] = {};
    QCOMPARE(f.serial()->readCoreCpuVersion(version, sizeof version), 0);
}

void TestIRCoreLink::failedOpenGivesTheSerialBack_data()
{
    QTest::addColumn<bool>("coreRefuses");
    QTest::newRow("core refuses") << true;
    QTest::newRow("serial link not seen parked") << false;
}

void TestIRCoreLink::failedOpenGivesTheSerialBack()
{
    QFETCH(bool, coreRefuses);
    CoreFixture f(false);
    if (coreRefuses)
        f.core->failCall(QStringLiteral("Ctl_EMIF_Open"), 1);
    else
        f.core->setSerialSource([] { return static_cast<Serial *>(nullptr); });
    QVERIFY(!IRCoreLink::open());
    QVERIFY(!IRCoreLink::isOpen());
    QVERIFY(!f.serial()->isParked());
    QVERIFY(!f.core->isOpen());
    // Nothing to close.
    IRCoreLink::close();
    QVERIFY(!f.core->calls().contains(QStringLiteral("Ctl_EMIF_Close")));
    if (coreRefuses) {
        // The refusal was once: the next try opens.
        QVERIFY(IRCoreLink::open());
        QVERIFY(f.serial()->isParked());
    }
}

void TestIRCoreLink::closedCoreRefusesEveryCall()
{
    SimIRCore core;
    core.setSerialSource([] { return static_cast<Serial *>(nullptr); });
    QVERIFY(core.CtlReadVfid() < 0);
    QVERIFY(core.CtlReadHeaterOnOff() < 0);
    QVERIFY(core.CtlSetVfid(5) != 0);
    QVERIFY(core.Init_ALL_K_Parameter() != 0);
    QVERIFY(core.StartSetDeadPoint() != 0);
    QVERIFY(core.ClearFishBuffer() != 0);
    QCOMPARE(core.ReadADSum(), 0u);
    QCOMPARE(core.vfid(), 1780);
    QVERIFY(core.bufferCommands().isEmpty());
    QVERIFY(core.Ctl_EMIF_Open() != 0);
    QCOMPARE(core.log().first(), QStringLiteral("CtlReadVfid() = -1"));
}

void TestIRCoreLink::noLibraryFailsEverything()
{
    IRCoreLibrary::install(nullptr);
    IRCoreLibrary *absent = IRCoreLibrary::instance();
    QVERIFY(absent->Ctl_EMIF_Open() != 0);
    QVERIFY(absent->CtlReadVsk() < 0);
    QVERIFY(absent->Save_K_Para(0) != 0);
}

void TestIRCoreLink::registersKeepTheirWidths()
{
    CoreFixture f(false);
    QVERIFY(IRCoreLink::open());
    IRCoreLibrary *core = IRCoreLibrary::instance();
    QCOMPARE(core->CtlSetVfid(uint16_t(70000)), 0);
    QCOMPARE(core->CtlReadVfid(), 70000 & 0xFFFF);
    QCOMPARE(core->CtlSetCTIA_Gain(uint8_t(258)), 0);
    QCOMPARE(core->CtlReadCTIA_Gain(), 2);
    QCOMPARE(core->CtlHeaterOnOff(1), 0);
    QCOMPARE(core->CtlReadHeaterOnOff(), 1);
    f.core->failCall(QStringLiteral("CtlSetVsk"));
    QVERIFY(core->CtlSetVsk(5) != 0);
    QCOMPARE(core->CtlReadVsk(), 1880);
}

void TestIRCoreLink::kStepsRunOnlyInOrder()
{
    CoreFixture f(false);
    QVERIFY(IRCoreLink::open());
    IRCoreLibrary *core = IRCoreLibrary::instance();
    QVERIFY(core->GetLowTemperature() != 0);
    QCOMPARE(core->Init_ALL_K_Parameter(), 0);
    QVERIFY(core->GetLowTemperature() != 0);
    QCOMPARE(core->Init_Sht_Parameter(), 0);
    QCOMPARE(core->GetLowTemperature(), 0);
    QVERIFY(core->Calc_K_Parameter() != 0);
    QCOMPARE(core->GetHighTemperature(), 0);
    QCOMPARE(core->Calc_K_Parameter(), 0);
    QCOMPARE(f.core->kStep(), SimIRCore::KCalculated);
    // Starting again is always allowed.
    QCOMPARE(core->Init_ALL_K_Parameter(), 0);
    QCOMPARE(f.core->kStep(), SimIRCore::KInitAll);
}

QTEST_MAIN(TestIRCoreLink)
#include "tst_ircorelink.moc"
