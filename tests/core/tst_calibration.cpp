#include "../biaoding/calibview.h"

#include "calibaccesscode.h"
#include "calibinterface.h"
#include "correctionbins.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "einterfaceitem.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "einttimeitem.h"
#include "emodifyprofile.h"
#include "eshowmodifydialog.h"
#include "eupdateepcsinterface.h"
#include "intervals.h"
#include "ircorelibrary.h"
#include "ircoremainwindow.h"
#include "simircore.h"
#include "mainbiaoding.h"
#include "mykeyboard.h"
#include "productinfowidget.h"
#include "setlistitem.h"
#include "setmainwindow.h"
#include "simulatedclock.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>


// Calibration mode on the live view: entry behind the access code, the
// page dispatch, the raw readout, the correction and delta runs with
// their tables, the fusion panel and the integration time.
class TestCalibration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void accessCodeFollowsTheClock();
    void entryAndLeave_data();
    void entryAndLeave();
    void pageDispatch_data();
    void pageDispatch();
    void coreWindowHidesTheOverlay();
    void readoutFormat();
    void bins_data();
    void bins();
    void tableFileNames_data();
    void tableFileNames();
    void tableKeepsOnlyAcceptedFactors();
    void correctionRunWritesAndReloads();
    void correctionRunRefusedWithoutLens();
    void runsCountApartAndLogsClose();
    void deltaReferenceCadence();
    void mixPanel();
    void integrationTime_data();
    void integrationTime();
    void flashDialogBuiltOnce();
};

void TestCalibration::cleanup()
{
    Intervals::setScale(1.0);
}

void TestCalibration::accessCodeFollowsTheClock()
{
    CalibView c;
    SimulatedClock *clock = c.front.root.clock();
    QVERIFY(clock->setSystemTime(QDateTime(QDate(2026, 3, 4), QTime(10, 20, 1))));
    const QString code = CalibAccessCode::currentCode();
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{6}$")).match(code).hasMatch());
    const qint64 now = clock->now().toSecsSinceEpoch();
    QCOMPARE(CalibAccessCode::codeAt(now - now % 600), code);
    QVERIFY(CalibAccessCode::codeAt(now + 600) != code);

    c.view->enterCalibInterface(true);
    QVERIFY(c.view->accessKeyboard() && c.view->accessKeyboard()->isVisible());
    c.view->slot_enterCalib(code);
    QCOMPARE(c.view->getInterfaceMode(), int(EGraphicsViewPrivate::CalibrationInterface));
    QVERIFY(!c.view->accessKeyboard()->isVisible());
    c.view->enterCalibInterface(false);
    QCOMPARE(c.view->getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));

    // One step later the same text is refused; the fixed code still opens.
    QVERIFY(clock->setSystemTime(clock->now().addSecs(600)));
    c.view->enterCalibInterface(true);
    c.view->slot_enterCalib(code);
    QCOMPARE(c.view->getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
    c.view->slot_enterCalib(QStringLiteral("Blue Harbor"));
    QCOMPARE(c.view->getInterfaceMode(), int(EGraphicsViewPrivate::CalibrationInterface));
}

void TestCalibration::entryAndLeave_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("menuShown");
    QTest::addColumn<bool>("keypad");
    QTest::newRow("fixed code, no keypad") << "fixed" << 1 << true << false;
    QTest::newRow("code asked") << "ask" << 0 << false << true;
    QTest::newRow("wrong code") << "wrong" << 0 << false << false;
    QTest::newRow("KeyOut") << "KeyOut" << 0 << false << false;
    QTest::newRow("modal window up") << "modal" << 0 << false << false;
    QTest::newRow("key on a page") << "page" << 1 << true << false;
    QTest::newRow("key on the menu") << "menu" << 0 << false << false;
}

void TestCalibration::entryAndLeave()
{
    QFETCH(QString, step);
    QFETCH(int, mode);
    QFETCH(bool, menuShown);
    QFETCH(bool, keypad);
    CalibView c;
    EGraphicsView &view = *c.view;
    QDialog modal;
    if (step == QLatin1String("modal")) {
        modal.setModal(true);
        modal.show();
        QTRY_VERIFY(QApplication::activeModalWidget());
        view.enterCalibInterface(false);
    } else if (step == QLatin1String("fixed")) {
        view.enterCalibInterface(false);
        QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
        QVERIFY(view.calibArea() && !view.calibArea()->isVisibled());
    } else if (step == QLatin1String("ask")) {
        view.enterCalibInterface(true);
    } else if (step == QLatin1String("wrong") || step == QLatin1String("KeyOut")) {
        view.enterCalibInterface(true);
        view.accessKeyboard()->sign_sndEdit(step == QLatin1String("wrong") ? QStringLiteral("123456x") : QStringLiteral("KeyOut"));
        QVERIFY(!view.accessKeyboard()->isVisible());
    } else if (step == QLatin1String("page")) {
        view.enterCalibInterface(false);
        view.calibMenu()->mouseClicked(QStringLiteral("Modify"));
        QVERIFY(!view.calibMenu()->isVisible());
        view.enterCalibInterface(false);
        QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
        QVERIFY(!view.startModifyButton());
    } else if (step == QLatin1String("menu")) {
        view.enterCalibInterface(false);
        view.enterCalibInterface(false);
        QVERIFY(!view.calibArea());
    }
    QCOMPARE(view.getInterfaceMode(), mode);
    QCOMPARE(view.calibMenu() && view.calibMenu()->isVisible(), menuShown);
    QCOMPARE(view.accessKeyboard() && view.accessKeyboard()->isVisible(), keypad);
}

void TestCalibration::pageDispatch_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("type");
    QTest::newRow("Calib") << "Calib" << 1;
    QTest::newRow("Modify") << "Modify" << 2;
    QTest::newRow("P/N") << "PN" << 4;
    QTest::newRow("Mix") << "Mix" << 5;
    QTest::newRow("Settings") << "Settings" << 6;
}

void TestCalibration::pageDispatch()
{
    QFETCH(QString, item);
    QFETCH(int, type);
    CalibView c;
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(view.calibMenu()->item(item), Qt::LeftButton);
        QCOMPARE(int(view.currentCalibType()), type);
        QVERIFY(!view.calibMenu()->isVisible());
        QPushButton *back = nullptr;
        switch (type) {
        case 1:
            QVERIFY(view.biaoDingWidget()->isVisible());
            QCOMPARE(view.biaoDingWidget()->area(), view.calibArea());
            QVERIFY(view.calibArea()->isVisibled());
            QVERIFY(!view.readoutTimer()->isActive());
            back = view.biaoDingWidget()->backButton();
            break;
        case 2:
            QVERIFY(view.readoutTimer()->isActive() && view.shutterTempTimer()->isActive());
            QVERIFY(view.calibArea()->isVisibled());
            QVERIFY(view.readoutItem()->plainText().startsWith(QLatin1String("AD: 0x")));
            back = view.modifyBackButton();
            break;
        case 4:
            back = view.productInfoWidget()->backButton();
            break;
        case 5:
            back = view.mixCloseButton();
            break;
        case 6:
            back = view.setWidget()->listItem()->cancelButton();
            break;
        }
        QVERIFY(back && back->isVisible());
        QTest::mouseClick(back, Qt::LeftButton);
        // Closing deletes the page (the service pages ask for it queued,
        // not from inside their own button); the menu comes back.
        QTRY_COMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
        QVERIFY(view.calibMenu()->isVisible());
        QVERIFY(!view.biaoDingWidget() && !view.productInfoWidget() && !view.setWidget());
        QVERIFY(!view.modifyBackButton() && !view.readoutItem() && !view.mixCloseButton());
        QVERIFY(!view.readoutTimer()->isActive() && !view.shutterTempTimer()->isActive());
        QVERIFY(!view.calibArea()->isVisibled());
    }
}

void TestCalibration::coreWindowHidesTheOverlay()
{
    CalibView c(true);
    auto *core = new SimIRCore;
    core->setSerialSource([&c] { return c.front.front->getSerial(); });
    IRCoreLibrary::install(core);
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);

    // A core that does not open leaves the menu up and says so.
    core->failCall(QStringLiteral("Ctl_EMIF_Open"), 1);
    QTest::mouseClick(view.calibMenu()->item(QStringLiteral("Update")), Qt::LeftButton);
    QVERIFY(!EGlobal::getIRCoreMainWindow());
    QVERIFY(view.calibMenu()->isVisible());
    QCOMPARE(view.calibMenu()->note()->text(), QStringLiteral("IR Core open failed!"));
    QVERIFY(!c.front.front->getSerial()->isParked());

    QTest::mouseClick(view.calibMenu()->item(QStringLiteral("Update")), Qt::LeftButton);
    IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(view.screenStatus());
    QVERIFY(c.front.front->getSerial()->isParked());
    QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(!view.calibMenu()->isVisible());
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(!view.screenStatus());
    QVERIFY(view.calibMenu()->isVisible());
    QVERIFY(!c.front.front->getSerial()->isParked());
    QVERIFY(!core->isOpen());
    delete window;
    IRCoreLibrary::install(nullptr);
}

void TestCalibration::readoutFormat()
{
    IrTempStru average{};
    average.ad = 0xABCD;
    average.tableTemp = 25.06f;
    average.deltaAD = -1;
    average.adShutter = 0x0F10;
    average.temp = 36.55f;
    const QStringList lines = EGraphicsViewPrivate::readoutText(average, 123456.789f, 20.5f, 1.0123f).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("AD: 0xabcd [43981] Orgin Temp: 25.1"));
    // Every number is cut to nine characters.
    QCOMPARE(lines.at(1), QStringLiteral("Sensor: 123456.78 Shutter: 20.5000"));
    QCOMPARE(lines.at(2), QStringLiteral("AT:61738.644 deltaAD: 0xffff 1.0123"));
    QCOMPARE(lines.at(3), QStringLiteral("ADSum:0xf10 T:36.5"));
}

void TestCalibration::bins_data()
{
    QTest::addColumn<float>("t");
    QTest::addColumn<int>("bin");
    QTest::addColumn<QString>("key");
    QTest::newRow("-25") << -25.0f << 0 << "-20";
    QTest::newRow("-20") << -20.0f << 0 << "-20";
    QTest::newRow("-19.5") << -19.5f << 1 << "-19.5";
    QTest::newRow("25.3") << 25.3f << 90 << "25";
    QTest::newRow("25.7") << 25.7f << 91 << "25.5";
    QTest::newRow("79.9") << 79.9f << 199 << "79.5";
    QTest::newRow("80") << 80.0f << 199 << "79.5";
    QTest::newRow("1e30") << 1e30f << 199 << "79.5";
    QTest::newRow("nan") << std::nanf("") << -1 << "";
    QTest::newRow("inf") << INFINITY << -1 << "";
}

void TestCalibration::bins()
{
    QFETCH(float, t);
    QFETCH(int, bin);
    QFETCH(QString, key);
    QCOMPARE(CorrectionBins::binOf(t), bin);
    CorrectionBins bins;
    QCOMPARE(bins.add(t, 1.0f), bin >= 0);
    if (bin >= 0) {
        QCOMPARE(CorrectionBins::binText(bin), key);
        QCOMPARE(bins.count(bin), 1);
    }
    QVERIFY(!bins.add(20.0f, std::nanf("")));
    QVERIFY(!bins.add(20.0f, INFINITY));
}

void TestCalibration::tableFileNames_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("name");
    QTest::newRow("lens 0 range 0") << 0 << 0 << "Parameter/Modify";
    QTest::newRow("lens 0 range 1") << 0 << 1 << "Parameter/Modify_Temp_1";
    QTest::newRow("lens 2 range 0") << 2 << 0 << "Parameter/Modify_2_Temp_0";
    QTest::newRow("lens 5 range 2") << 5 << 2 << "Parameter/Modify_5_Temp_2";
}

void TestCalibration::tableFileNames()
{
    QFETCH(int, lens);
    QFETCH(int, range);
    QFETCH(QString, name);
    QCOMPARE(CorrectionBins::modifyFileName(lens, range), name);
}

void TestCalibration::tableKeepsOnlyAcceptedFactors()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Modify"), "[General]\nAverg_0=1.5\n"));
    CorrectionBins bins;
    bins.add(25.0f, 1.0123f);
    bins.add(26.0f, 3.5f);     // the library would refuse the table
    bins.add(27.0f, 0.05f);
    bins.add(28.0f, 0.10004f);  // stored as 0.1000
    const CorrectionBins::WriteResult result = bins.write(QStringLiteral("Parameter/Modify"), QStringLiteral("Averg_"), 0.1, 3.0);
    QVERIFY(result.ok);
    QCOMPARE(result.written, 1);
    QCOMPARE(result.skipped, 3);
    QSettings file(root.hostPath(QStringLiteral("Parameter/Modify")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Averg_25")).toString(), QStringLiteral("1.0123"));
    QCOMPARE(file.value(QStringLiteral("Averg_0")).toString(), QStringLiteral("1.5"));
    QVERIFY(!file.contains(QStringLiteral("Averg_26")) && !file.contains(QStringLiteral("Averg_27")));
    QVERIFY(!QFile::exists(root.hostPath(QStringLiteral("Parameter/Modify.edit"))));

    // Nothing to write creates no file.
    CorrectionBins none;
    QVERIFY(none.write(QStringLiteral("Parameter/Delta"), QStringLiteral("Sensor_"), -1e9, 1e9).ok);
    QVERIFY(!QFile::exists(root.hostPath(QStringLiteral("Parameter/Delta"))));
    CorrectionBins one;
    one.add(30.0f, 1.25f);
    QVERIFY(one.write(QStringLiteral("Parameter/Delta"), QStringLiteral("Sensor_"), -1e9, 1e9).ok);
    QCOMPARE(QFile::permissions(root.hostPath(QStringLiteral("Parameter/Delta"))),
             QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

void TestCalibration::correctionRunWritesAndReloads()
{
    CalibView c;
    c.front.root.writeFile(QStringLiteral("Parameter/Setting"), "[BiaoDing]\nTempRange=0\n");
    c.front.board->setLensCode(1);   // lens 2
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, true);
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    QCOMPARE(view.startModifyButton()->text(), QStringLiteral("StopModify"));
    QVERIFY(view.modifyTimer()->isActive());
    view.slot_calcBeishu();
    QCOMPARE(view.modifySampleCount(), 1);
    const QString averg = view.averageLabel()->text();
    QCOMPARE(view.modifyBins().filledBins(), 1);
    int bin = 0;
    while (!view.modifyBins().count(bin))
        ++bin;
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    QCOMPARE(view.startModifyButton()->text(), QStringLiteral("StartModify"));
    QVERIFY(!view.modifyTimer()->isActive());
    QSettings table = c.file(QStringLiteral("Parameter/Modify_2_Temp_0"));
    const QStringList keys = table.allKeys();
    QCOMPARE(keys, QStringList{QStringLiteral("Averg_") + CorrectionBins::binText(bin)});
    QCOMPARE(table.value(keys.first()).toString(), averg);
    // The library took the new table at once.
    QCOMPARE(c.front.front->tempModel().modifyFactors().givenCount(), 1);
    QVERIFY(QFile::exists(c.front.root.hostPath(QStringLiteral("Parameter/shutter.txt"))));
}

void TestCalibration::correctionRunRefusedWithoutLens()
{
    CalibView c;
    c.front.board->setLensCode(7);
    c.front.board->setLensFlag(false);
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, true);
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    QCOMPARE(view.startModifyButton()->text(), QStringLiteral("StartModify"));
    QVERIFY(!view.modifyTimer()->isActive());
    QCOMPARE(view.modifyNoteLabel()->text(), QStringLiteral("No Lens!"));
    QVERIFY(!QFile::exists(c.front.root.hostPath(QStringLiteral("Parameter/Modify_255_Temp_0"))));
    QVERIFY(!QFile::exists(c.front.root.hostPath(QStringLiteral("Parameter/shutter.txt"))));
}

void TestCalibration::runsCountApartAndLogsClose()
{
    CalibView c;
    QVERIFY(c.front.root.writeFile(QStringLiteral("/works/etc/modifytemptable.txt"), QByteArray()));
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, true);
    QTest::mouseClick(view.startDeltaButton(), Qt::LeftButton);
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    view.calcDeltaHandler();                     // reference tick
    view.slot_calcBeishu();
    view.slot_calcBeishu();
    QCOMPARE(view.deltaTickCount(), 1);
    QCOMPARE(view.modifySampleCount(), 2);
    // Stopping one run leaves the other's count alone.
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    QCOMPARE(view.deltaTickCount(), 1);
    QCOMPARE(c.front.root.readFile(QStringLiteral("/works/etc/modifytemptable.txt")).count('\n'), 2);
    QCOMPARE(c.front.root.readFile(QStringLiteral("Parameter/shutter.txt")).count('\n'), 2);
    QCOMPARE(QFile::permissions(c.front.root.hostPath(QStringLiteral("Parameter/shutter.txt"))) & QFileDevice::WriteOther, 0);

    // Closing the panel ends the delta run and lets its log go: a second
    // panel's run starts a fresh handle on the same file.
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, false);
    QVERIFY(!view.deltaTimer()->isActive());
    QVERIFY(QFile::remove(c.front.root.hostPath(QStringLiteral("delta.txt"))));
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, true);
    QCOMPARE(view.startDeltaButton()->text(), QStringLiteral("StartDelta"));
    QTest::mouseClick(view.startDeltaButton(), Qt::LeftButton);
    view.calcDeltaHandler();
    QCOMPARE(c.front.root.readFile(QStringLiteral("delta.txt")), QByteArray("\n"));
}

void TestCalibration::deltaReferenceCadence()
{
    Intervals::setScale(0.001);
    CalibView c;
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MODIFY, true);
    QTest::mouseClick(view.startDeltaButton(), Qt::LeftButton);
    QCOMPARE(view.startDeltaButton()->text(), QStringLiteral("StopDelta"));
    view.deltaTimer()->stop();
    QList<int> references;
    for (int tick = 0; tick < 65; ++tick) {
        const int before = view.deltaTickCount();
        view.deltaTimer()->start(60000);
        view.calcDeltaHandler();
        if (!view.deltaTimer()->isActive()) {
            references << before;
            // The settle restarts the timer.
            QTRY_VERIFY(view.deltaTimer()->isActive());
        }
        view.deltaTimer()->stop();
    }
    QCOMPARE(references, (QList<int>{0, 30, 60}));
    // The correction run's samples do not shift the cadence.
    view.deltaTimer()->stop();
    const int ticks = view.deltaTickCount();
    QTest::mouseClick(view.startModifyButton(), Qt::LeftButton);
    view.slot_calcBeishu();
    QCOMPARE(view.deltaTickCount(), ticks);
    QTest::mouseClick(view.startDeltaButton(), Qt::LeftButton);
    QCOMPARE(view.deltaTickCount(), 0);
    QCOMPARE(view.modifySampleCount(), 1);
}

void TestCalibration::mixPanel()
{
    CalibView c;
    EGraphicsView &view = *c.view;
    const QString mixFile = c.front.root.hostPath(QStringLiteral("etc/MixOffset"));
    QFile::remove(mixFile);   // a fresh device
    view.enterCalibInterface(false);
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MIX, true);
    // A fresh device: defaults shown, nothing written.
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixZoomStepper)->value(), 232);
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixIndexStepper)->value(), 0);
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixHorStepper)->value(), 0);
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixVerStepper)->value(), 0);
    QVERIFY(!QFile::exists(mixFile));

    // The board takes one signed byte: -200 is held at -128, and the file
    // keeps what the board has.
    view.mixStepper(EGraphicsViewPrivate::MixHorStepper)->setValue(-200);
    QCOMPARE(c.front.board->registerByte(0x28), uint8_t(0x80));
    view.mixStepper(EGraphicsViewPrivate::MixVerStepper)->setValue(57);
    QCOMPARE(c.front.board->registerByte(0x29), uint8_t(57));
    view.mixStepper(EGraphicsViewPrivate::MixZoomStepper)->setValue(300);
    QCOMPARE(c.front.front->get_mix_zoom(), 300);
    {
        QSettings mix(mixFile, QSettings::IniFormat);
        QCOMPARE(mix.value(QStringLiteral("MIX_Dx")).toInt(), -128);
        QCOMPARE(mix.value(QStringLiteral("MIX_Dx_0.5")).toInt(), -128);
        QCOMPARE(mix.value(QStringLiteral("MIX_Dy_0.5")).toInt(), 57);
        QCOMPARE(mix.value(QStringLiteral("MIX_Zoom")).toInt(), 300);
    }
    // Index 3 with no stored pair: both offsets 0 on the board and in the file.
    view.mixStepper(EGraphicsViewPrivate::MixIndexStepper)->setValue(3);
    QCOMPARE(c.front.board->registerByte(0x28), uint8_t(0));
    QCOMPARE(c.front.board->registerByte(0x29), uint8_t(0));
    {
        QSettings mix(mixFile, QSettings::IniFormat);
        QCOMPARE(mix.value(QStringLiteral("MIX_Index")).toInt(), 3);
        QCOMPARE(mix.value(QStringLiteral("MIX_Dx")).toInt(), 0);
        QCOMPARE(mix.value(QStringLiteral("MIX_Dy_5.0")).toInt(), 0);
        QVERIFY(mix.contains(QStringLiteral("MIX_Dx_5.0")));
        QCOMPARE(mix.value(QStringLiteral("MIX_Dy_0.5")).toInt(), 57);
    }
    // Back to index 0 brings its pair back; reopening builds from the file.
    view.mixStepper(EGraphicsViewPrivate::MixIndexStepper)->setValue(0);
    QCOMPARE(c.front.board->registerByte(0x29), uint8_t(57));
    QTest::mouseClick(view.mixCloseButton(), Qt::LeftButton);
    QVERIFY(!view.mixStepper(EGraphicsViewPrivate::MixHorStepper));
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_MIX, true);
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixHorStepper)->value(), -128);
    QCOMPARE(view.mixStepper(EGraphicsViewPrivate::MixZoomStepper)->value(), 300);
}

void TestCalibration::integrationTime_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("sent");
    QTest::newRow("range missing") << QByteArray() << 4000 << "IntTime/IntTime0" << 4000;
    QTest::newRow("range 2") << QByteArray("[BiaoDing]\nTempRange=2\n") << 65535 << "IntTime/IntTime2" << 65535;
    QTest::newRow("70000 refused") << QByteArray() << 70000 << "" << 0;
    QTest::newRow("0 refused") << QByteArray() << 0 << "" << 0;
    QTest::newRow("negative refused") << QByteArray() << -5 << "" << 0;
}

void TestCalibration::integrationTime()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, value);
    QFETCH(QString, key);
    QFETCH(int, sent);
    CalibView c(true);
    QVERIFY(c.front.core->isValid());
    if (!settings.isEmpty())
        QVERIFY(c.front.settings(settings));
    QVERIFY(c.front.front->getSerial()->waitForIdle(5000));
    const uint16_t before = c.front.core->intTime();
    c.view->changeIntTime(value);    // sends as well, stores nothing
    c.view->slot_changeIntTime(value);
    QVERIFY(c.front.front->getSerial()->waitForIdle(5000));
    QSettings stored(c.front.root.hostPath(QStringLiteral("Parameter/Setting")), QSettings::IniFormat);
    if (key.isEmpty()) {
        QCOMPARE(c.front.core->intTime(), before);
        QVERIFY(!stored.childGroups().contains(QStringLiteral("IntTime")));
    } else {
        QTRY_COMPARE(int(c.front.core->intTime()), sent);
        QCOMPARE(stored.value(key).toInt(), value);
    }
}

void TestCalibration::flashDialogBuiltOnce()
{
    CalibView c;
    QWidget holder;
    c.view->setParent(&holder);
    const Qt::WindowFlags flags = c.view->windowFlags();
    c.view->updateEPCS();
    EUpdateEPCSInterface *first = c.view->flashDialog();
    QVERIFY(first && first->isVisible());
    QCOMPARE(first->geometry(), QRect(0, 0, 320, 240));
    c.view->updateEPCS();
    QCOMPARE(c.view->flashDialog(), first);
    QCOMPARE(c.view->windowFlags(), flags);
    QCOMPARE(c.view->parentWidget(), &holder);
    QVERIFY(!c.view->isWindow());
    c.view->setParent(nullptr);
}

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
