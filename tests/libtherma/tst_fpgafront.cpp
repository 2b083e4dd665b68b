#include "frontfixture.h"
#include "librarysettings.h"

#include <QtTest>

#include <cmath>

// The front's start-up, its settings, the picture-path pass-throughs and
// the commands it sends to the core.
class TestFpgaFront : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUpByRange_data();
    void startUpByRange();
    void unusableSettingsFallBack_data();
    void unusableSettingsFallBack();
    void storedGlobalParametersAreApplied();
    void lensAndFreezeAtStart();
    void missingBoardAndCore();
    void pictureAndIdentity();
    void freezeHandsOverShutterTemperature();
    void coreCommands();
    void vskPerRange();
    void rejectedSystemSetupIsNotStored();
    void destroyWithCommandsPending();
};

void TestFpgaFront::startUpByRange_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("intTime");
    QTest::newRow("no settings") << QByteArray() << 0 << -20 << 150 << 100;
    QTest::newRow("range 1, default time") << QByteArray("[BiaoDing]\nTempRange=1\n") << 1 << 0 << 400 << 190;
    QTest::newRow("range 1, stored time")
        << QByteArray("[BiaoDing]\nTempRange=1\nIntTime0=90\nIntTime1=222\n") << 1 << 0 << 400 << 222;
    QTest::newRow("range 0, stored time") << QByteArray("[BiaoDing]\nTempRange=0\nIntTime0=90\n") << 0 << -20 << 150 << 90;
}

void TestFpgaFront::startUpByRange()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, range);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, intTime);
    FrontFixture f;
    if (!settings.isEmpty())
        QVERIFY(f.settings(settings));
    else
        QVERIFY(QFile::remove(f.root.hostPath(QStringLiteral("Parameter/Setting"))));
    FPGA &front = f.start();
    QCOMPARE(front.tempRange(), range);
    QCOMPARE(front.tempModel().systemHandler().tempRangeMin(), min);
    QCOMPARE(front.tempModel().systemHandler().tempRangeMax(), max);
    QCOMPARE(front.tempModel().objectHandler().tempRangeMax(), max);
    QCOMPARE(front.checkBiaoDingTab(), 0);
    // The level/span bounds are the ADs of the range's reporting limits.
    QCOMPARE(front.levelSpanMaxAD(), int(front.tempModel().systemHandler().irTemp2AD(float(max)).ad));
    QCOMPARE(front.levelSpanMinAD(), int(front.tempModel().systemHandler().irTemp2AD(float(min)).ad));

    f.board->clearWrites();
    front.init();
    QCOMPARE(f.board->registerByte(0x31), uint8_t(1));
    QVERIFY(f.core->waitForRequests(1, 5000));
    const SimCore::Request r = f.core->requests().constLast();
    QCOMPARE(r.code, uint8_t(0x82));
    QCOMPARE(r.payload, QByteArray::fromHex(QByteArray::number(intTime & 0xFF, 16).rightJustified(2, '0')
                                            + QByteArray::number(intTime >> 8, 16).rightJustified(2, '0') + "0000"));
}

void TestFpgaFront::unusableSettingsFallBack_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("intTime");
    QTest::addColumn<float>("emiss");
    QTest::addColumn<float>("dist");
    QTest::addColumn<float>("offset");
    QTest::addColumn<float>("env");
    QTest::addColumn<float>("humid");
    QTest::newRow("range out of the table") << QByteArray("[BiaoDing]\nTempRange=7\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("range negative") << QByteArray("[BiaoDing]\nTempRange=-1\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("range text") << QByteArray("[BiaoDing]\nTempRange=high\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("time zero") << QByteArray("[BiaoDing]\nIntTime0=0\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("time wider than 16 bits") << QByteArray("[BiaoDing]\nIntTime0=70000\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("time text") << QByteArray("[BiaoDing]\nTempRange=1\nIntTime1=fast\n") << 1 << 190 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("emissivity above 1") << QByteArray("[GlobalPara]\nEmiss=5\nDistan=10\n") << 0 << 100 << 0.95f << 10.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("emissivity nan") << QByteArray("[GlobalPara]\nEmiss=nan\nOffset=2.5\n") << 0 << 100 << 0.95f << 5.0f << 2.5f << 25.0f << 0.6f;
    QTest::newRow("negative distance") << QByteArray("[GlobalPara]\nEmiss=0.8\nDistan=-3\n") << 0 << 100 << 0.8f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("offset too large") << QByteArray("[GlobalPara]\nOffset=1e9\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.6f;
    QTest::newRow("humidity above 1") << QByteArray("[GlobalPara]\nHumid=60\nEnv=30.00\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 30.0f << 0.6f;
    QTest::newRow("ambient inf") << QByteArray("[GlobalPara]\nEnv=inf\nHumid=0.40\n") << 0 << 100 << 0.95f << 5.0f << 0.0f << 25.0f << 0.4f;
}

void TestFpgaFront::unusableSettingsFallBack()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, range);
    QFETCH(int, intTime);
    QFETCH(float, emiss);
    QFETCH(float, dist);
    QFETCH(float, offset);
    QFETCH(float, env);
    QFETCH(float, humid);
    FrontFixture f;
    QVERIFY(f.settings(settings));
    QCOMPARE(LibrarySettings::intTime(range), static_cast<unsigned short>(intTime));
    FPGA &front = f.start();
    QCOMPARE(front.tempRange(), range);
    const TempSetup s = front.getSystemTempSetup();
    QCOMPARE(s.emiss, emiss);
    QCOMPARE(s.dist, dist);
    QCOMPARE(s.offset, offset);
    QCOMPARE(front.tempModel().systemHandler().envTemp(), env);
    QCOMPARE(front.tempModel().objectHandler().humid(), humid);
    // readTempSetup takes the same checked values.
    front.readTempSetup();
    QCOMPARE(front.getSystemTempSetup().emiss, emiss);
    QCOMPARE(front.getSystemTempSetup().dist, dist);
}

void TestFpgaFront::storedGlobalParametersAreApplied()
{
    FrontFixture f;
    QVERIFY(f.settings("[GlobalPara]\nEmiss=0.80\nDistan=2.00\nOffset=-1.50\nEnv=30.00\nHumid=0.40\nReflec=35.00\n"));
    FPGA &front = f.start();
    const TempSetup s = front.getSystemTempSetup();
    QCOMPARE(s.emiss, 0.8f);
    QCOMPARE(s.dist, 2.0f);
    QCOMPARE(s.offset, -1.5f);
    for (TempHandler *h : {&front.tempModel().systemHandler(), &front.tempModel().objectHandler()}) {
        QCOMPARE(h->envTemp(), 30.0f);
        QCOMPARE(h->humid(), 0.4f);
        QCOMPARE(h->reflecTemp(), 35.0f);
    }
    // The bounds follow the applied parameters.
    QCOMPARE(front.levelSpanMaxAD(), int(front.tempModel().systemHandler().irTemp2AD(150.0f).ad));
}

void TestFpgaFront::lensAndFreezeAtStart()
{
    FrontFixture f(false);
    f.board->setLensCode(7);
    f.board->setLensFlag(false);
    f.board->setRegister(0x14, QByteArray(1, '\x01'));
    FPGA &front = f.start();
    QCOMPARE(front.getLenIndex(), -1);
    QVERIFY(front.getFreezeImageStatus());
    QCOMPARE(front.tempModel().tableFile(), QStringLiteral("etc/calc_len-1_temp0_default.conf"));

    // A lens fitted later is found and its table loaded.
    f.board->setLensCode(3);
    QCOMPARE(front.get_set_lenIndex(), 0);
    QCOMPARE(front.getLenIndex(), 0);
    QCOMPARE(front.checkBiaoDingTab(), 0);
}

void TestFpgaFront::missingBoardAndCore()
{
    FrontFixture f(false);
    f.board->setPresent(false);
    FPGA &front = f.start();
    QCOMPARE(front.getLenIndex(), -1);
    QVERIFY(!front.getFreezeImageStatus());
    QCOMPARE(front.getSensorTemp(), 0.0f);
    QVERIFY(!front.getSerial()->isOpen());
    front.init();
    unsigned short vsk = 7;
    QCOMPARE(front.getSerialVSK(&vsk), -1);
    QCOMPARE(vsk, static_cast<unsigned short>(0));
    QCOMPARE(front.getSerialVSK(nullptr), -1);
    IrTempStru out{};
    _fpga_point p{10, 10};
    QCOMPARE(front.getSpotTemp(0, 0, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), -1);
    QVERIFY(FrontFixture::statusIs(out, "NULL"));
}

void TestFpgaFront::pictureAndIdentity()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    f.board->clearWrites();
    QCOMPARE(front.start_arm_lcd(char(255)), 0);
    QCOMPARE(f.board->registerByte(0x30), uint8_t(1));
    QCOMPARE(front.setImageMode(IR_MIX_VIS), 0);
    QCOMPARE(f.board->registerByte(0x00) & 0x07, IR_MIX_VIS);
    QCOMPARE(front.setADV7179Mode(1), 0);
    QCOMPARE(f.board->registerByte(0x34), uint8_t(1));

    f.board->clearWrites();
    front.setSaturation(true);
    QVERIFY(front.getSaturation());
    QVERIFY(f.board->writes().isEmpty());

    QCOMPARE(front.getDllVersion(), QStringLiteral("VYX20180705.2.00"));
    QVERIFY(front.getCoreFPGAVerisonStr().isEmpty());
    QVERIFY(front.getCoreCpuVerisonStr().isEmpty());
    QCOMPARE(front.getCoreVersionNum(), 1);
    QVERIFY(front.getSerial());
    QCOMPARE(front.getIRPara().getADToTempTab().num, front.getTempInfoTab().num);
}

void TestFpgaFront::freezeHandsOverShutterTemperature()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    const float before = front.getModifyShutterTemp();
    QCOMPARE(front.freeze_image(true), 0);
    QVERIFY(f.board->frozen());
    // A shutter update while frozen is kept back...
    f.board->setShutterTempWord(SimBoard::temperatureWord(36.5));
    f.board->setSensorTempWord(SimBoard::temperatureWord(36.5));
    front.updateShutterTemp(true);
    QCOMPARE(front.getModifyShutterTemp(), before);
    // ...and the stored flag is what is reported, whatever the register says.
    f.board->setRegister(0x14, QByteArray(1, '\0'));
    QVERIFY(front.getFreezeImageStatus());
    QCOMPARE(front.freeze_image(false), 0);
    QVERIFY(!front.getFreezeImageStatus());
    QVERIFY(std::fabs(front.getModifyShutterTemp() - before) > 5.0f);
}

void TestFpgaFront::coreCommands()
{
    FrontFixture f;
    FPGA &front = f.start();
    const TempInfoTab before = front.getTempInfoTab();
    QCOMPARE(front.changeTempRange(1, 190), 0);
    QCOMPARE(front.tempRange(), 1);
    // The table stays until the application reloads it.
    const TempInfoTab after = front.getTempInfoTab();
    QCOMPARE(after.num, before.num);
    QCOMPARE(after.ad[0], before.ad[0]);
    QCOMPARE(front.setIntTime(0, 100), 0);
    QCOMPARE(front.tempRange(), 0);
    QCOMPARE(front.setSerialVSK(1900), 0);
    QCOMPARE(front.insideShutter(), 0);
    QCOMPARE(front.insideShutterNoVSK(), 0);
    QCOMPARE(front.autoShutter(true), 0);
    QVERIFY(front.getSerial()->waitForIdle(5000));
    QCOMPARE(f.core->codes(), (QVector<uint8_t>{0x82, 0x70, 0x78, 0x31, 0x51, 0x30}));
    const QVector<SimCore::Request> r = f.core->requests();
    QCOMPARE(r[0].payload, QByteArray::fromHex("be000000"));
    QCOMPARE(r[1].payload, QByteArray::fromHex("6400"));
    QCOMPARE(r[2].payload, QByteArray::fromHex("6c07"));
    QVERIFY(f.core->autoShutterOn());

    f.core->setVsk(1234);
    f.core->setSum(4321);
    unsigned short v = 0;
    QCOMPARE(front.getSerialVSK(&v), 0);
    QCOMPARE(v, static_cast<unsigned short>(1234));
    QCOMPARE(front.getSerialSum(&v), 0);
    QCOMPARE(v, static_cast<unsigned short>(4321));
}

void TestFpgaFront::vskPerRange()
{
    FrontFixture f;
    QVERIFY(f.settings("[BiaoDing]\nVSKTemp=33.5\n"));
    FPGA &front = f.start();
    QCOMPARE(front.vskTemp(), 40.0f);
    QCOMPARE(front.setVSK(2), 0);
    QCOMPARE(front.vskTemp(), 33.5f);
    QCOMPARE(front.setVSK(0), 0);
    QVERIFY(front.getSerial()->waitForIdle(5000));
    QCOMPARE(f.core->codes(), QVector<uint8_t>{0x78});
    QVERIFY(f.settings("[BiaoDing]\nVSKTemp=nan\n"));
    front.setVSK(2);
    QCOMPARE(front.vskTemp(), 40.0f);
}

void TestFpgaFront::rejectedSystemSetupIsNotStored()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    QCOMPARE(front.setSystemTempSetup(FrontFixture::setup(0.7f, 3.0f, 1.0f)), 1);
    const int maxAD = front.levelSpanMaxAD();
    for (const TempSetup &bad : {FrontFixture::setup(2.0f), FrontFixture::setup(0.0f), FrontFixture::setup(0.9f, -1.0f),
                                 FrontFixture::setup(0.9f, 5.0f, 500.0f), FrontFixture::setup(std::nanf(""))}) {
        QCOMPARE(front.setSystemTempSetup(bad), 0);
        QCOMPARE(front.getSystemTempSetup().emiss, 0.7f);
        QCOMPARE(front.tempModel().storedSystemTempSetup().emiss, 0.7f);
        QCOMPARE(front.tempModel().storedSystemTempSetup().offset, 1.0f);
        QCOMPARE(front.levelSpanMaxAD(), maxAD);
    }
    // The scale ends still convert with the accepted parameters.
    IrTempStru low{};
    IrTempStru high{};
    front.getMinMaxTemp(&low, &high);
    QCOMPARE(front.getSystemTempSetup().emiss, 0.7f);
}

void TestFpgaFront::destroyWithCommandsPending()
{
    FrontFixture f;
    f.core->setFault(SimCore::Silent);
    FPGA &front = f.start();
    // A full queue refuses commands: reported, not taken for sent.
    int refused = 0;
    for (int i = 0; i < Serial::QUEUE_LIMIT + 4; ++i)
        refused += front.insideShutter() == -1 ? 1 : 0;
    QVERIFY(refused >= 3);
    // The worker is stopped and joined with the front.
    f.front.reset();
    QVERIFY(!f.front);
}

QTEST_GUILESS_MAIN(TestFpgaFront)
#include "tst_fpgafront.moc"
