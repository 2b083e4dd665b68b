#include "calibview.h"

#include "calibinterface.h"
#include "eareawidget.h"
#include "einterfaceitem.h"
#include "mainbiaoding.h"
#include "calibtable.h"
#include "tempselct.h"
#include "temptablelog.h"

#include <QFile>

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <cmath>

// The calibration wizard's pages driven by scripted area averages and
// real clicks, with the table file and the log it writes.
class TestMainBiaoDing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void stateTable();
    void driftCorrectedPointAndLog_data();
    void driftCorrectedPointAndLog();
    void endPointThroughTheWizard();
    void noLensSavesNothing();
    void lensChangedSavesIntoTheNewLensTable();
    void chooserWithoutCapturedADStays();
    void pointBreakingTheOrderIsRefused();
    void unusableTableToldOnceOnTheTip();

private:
    MainBiaoDing *openWizard(CalibView &c);
    static void chooseTemperature(MainBiaoDing *wizard, int temperature);
    // Takes the wizard from page 0 to the chooser with the given AD.
    static void captureAD(CalibView &c, MainBiaoDing *wizard, uint16_t ad);
};

void TestMainBiaoDing::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
}

MainBiaoDing *TestMainBiaoDing::openWizard(CalibView &c)
{
    c.view->enterCalibInterface(false);
    QTest::mouseClick(c.view->calibMenu()->item(QStringLiteral("Calib")), Qt::LeftButton);
    MainBiaoDing *wizard = c.view->biaoDingWidget();
    if (wizard)
        wizard->pollTimer()->stop();
    return wizard;
}

// Pages through the chooser to the temperature's button and presses it.
void TestMainBiaoDing::chooseTemperature(MainBiaoDing *wizard, int temperature)
{
    TempSelct *chooser = wizard->tempSelect();
    QVERIFY(chooser && chooser->isVisible());
    const QString text = QString::number(temperature) + QStringLiteral("\u00B0C");
    for (int page = 0; page < 10; ++page) {
        for (int i = 0; i < TempSelct::ButtonsPerPage; ++i) {
            QToolButton *button = chooser->button(i);
            if (button->isVisible() && button->text() == text) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QVERIFY(chooser->nextButton()->isVisible());
        QTest::mouseClick(chooser->nextButton(), Qt::LeftButton);
    }
    QFAIL("no such temperature");
}

void TestMainBiaoDing::stateTable()
{
    CalibView c(true);
    MainBiaoDing *wizard = openWizard(c);
    QVERIFY(wizard && wizard->isVisible());
    QCOMPARE(wizard->area(), c.view->calibArea());
    QCOMPARE(wizard->getCurPage(), 0);
    QCOMPARE(wizard->nextButton()->text(), QStringLiteral("SetBg"));
    SimBoard &board = *c.front.board;

    // Settled AD before "SetBg" does not move on.
    board.setAreaAverages(1, {0x8000});
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->adLabel()->text(), QStringLiteral("0x8000"));
    QCOMPARE(wizard->getCurPage(), 0);

    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QVERIFY(wizard->backgroundTaken());
    QVERIFY(c.front.core->waitForRequests(1, 5000));
    QTRY_VERIFY(c.front.core->codes().contains(uint8_t(Serial::OutsideShutter)));
    QCOMPARE(wizard->getCurPage(), 0);

    board.setAreaAverages(1, {0x7ffc, 0x8002});
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->getCurPage(), 0);
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->getCurPage(), 1);
    QCOMPARE(wizard->nextButton()->text(), QStringLiteral("Next"));

    // Back from page 1 and 2 returns to the background step, flag cleared.
    QTest::mouseClick(wizard->backButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), 0);
    QVERIFY(!wizard->backgroundTaken());

    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    board.setAreaAverages(1, {0x8001, 0x87a4});
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->getCurPage(), 1);
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->adLabel()->text(), QStringLiteral("0x87a4"));
    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), 2);
    QCOMPARE(wizard->capturedAD(), QStringLiteral("87a4"));
    QVERIFY(wizard->tempSelect()->isVisible());

    // The chooser's "back": page 1, the captured AD cleared.
    QTest::mouseClick(wizard->tempSelect()->backButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), 1);
    QVERIFY(wizard->capturedAD().isEmpty());
    QVERIFY(!wizard->tempSelect()->isVisible());

    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), 2);
    chooseTemperature(wizard, 50);
    QCOMPARE(wizard->getCurPage(), 0);
    QCOMPARE(wizard->lastSavedTemp(), 50);
    QVERIFY(!wizard->tempSelect()->isVisible());

    // Back on page 0 leaves for the menu; the page is deleted.
    QTest::mouseClick(wizard->backButton(), Qt::LeftButton);
    QTRY_COMPARE(c.view->currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(c.view->calibMenu()->isVisible());
    QVERIFY(!c.view->biaoDingWidget());
}

void TestMainBiaoDing::captureAD(CalibView &c, MainBiaoDing *wizard, uint16_t ad)
{
    QCOMPARE(wizard->getCurPage(), 0);
    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    c.front.board->setAreaAverages(1, {0x8000, ad});
    wizard->slot_tmGetAd();
    QCOMPARE(wizard->getCurPage(), 1);
    wizard->slot_tmGetAd();
    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), 2);
}

// The log gets a line for a point only once the point is in the table.
void TestMainBiaoDing::driftCorrectedPointAndLog_data()
{
    QTest::addColumn<bool>("tableWritable");
    QTest::newRow("saved: table and log") << true;
    QTest::newRow("table not writable: no log line") << false;
}

void TestMainBiaoDing::driftCorrectedPointAndLog()
{
    QFETCH(bool, tableWritable);
    CalibView c(true);
    QVERIFY(c.front.root.writeFile(TempTableLog::fileName(), QByteArray()));
    MainBiaoDing *wizard = openWizard(c);
    const QString table0 = QStringLiteral("etc/calc_len0_temp0.conf");
    if (!tableWritable) {
        // A folder in the table's place cannot be replaced.
        QVERIFY(QFile::remove(c.path(table0)));
        QVERIFY(QDir().mkpath(c.path(table0)));
    }
    FPGA &fpga = *c.front.front;
    fpga.setSensorTemp(30.0f, true);
    fpga.setShutterTemp(28.0f);
    const float sensor = fpga.getSensorTemp();
    const float shutter = fpga.getShutterTemp();
    const float drift = (sensor + shutter) * 0.5f;
    captureAD(c, wizard, 0x8bf0);
    chooseTemperature(wizard, 60);
    // Range 0, T <= 160: AD + (26.5 - drift) * (2.131 T^2 + 369.36 T - 12861) / 1000.
    const float poly = float((2.131 * 60 * 60 + 369.36 * 60 - 12861) / 1000.0);
    const unsigned expected = unsigned(uint16_t(unsigned(0x8bf0 + (26.5 - double(drift)) * double(poly))));
    QCOMPARE(unsigned(fpga.BiaoDingXiuzheng(sensor, shutter, drift, 60, 0x8bf0)), expected);
    QVERIFY(expected != 0x8bf0u);
    if (!tableWritable) {
        QCOMPARE(wizard->tipLabel()->text(), QStringLiteral("Save failed!"));
        QVERIFY(QFileInfo(c.path(table0)).isDir());
        QCOMPARE(c.front.root.readFile(TempTableLog::fileName()), QByteArray());
        return;
    }
    QSettings table = c.file(table0);
    QCOMPARE(table.value(QStringLiteral("Temp2AD/60")).toString(), QString::number(expected, 16).toUpper());
    const QByteArray log = c.front.root.readFile(TempTableLog::fileName());
    QCOMPARE(log, QString::asprintf("%4.4f\t%4.4f\t%4.4f\t60\t8bf0\t%x\n", double(sensor), double(shutter), double(drift), expected)
                      .toLatin1());
    // The library reads the new point: [ParaSet] follows the file.
    QVERIFY(table.value(QStringLiteral("ParaSet/TempNum")).toInt() >= 18);
}

void TestMainBiaoDing::endPointThroughTheWizard()
{
    CalibView c(true);
    MainBiaoDing *wizard = openWizard(c);
    captureAD(c, wizard, 0xb000);
    chooseTemperature(wizard, 150);
    QSettings table = c.file(QStringLiteral("etc/calc_len0_temp0.conf"));
    const int at140 = int(CalibTable::adValue(table.value(QStringLiteral("Temp2AD/140")).toString()));
    const int at150 = int(CalibTable::adValue(table.value(QStringLiteral("Temp2AD/150")).toString()));
    QCOMPARE(table.value(QStringLiteral("Temp2AD/150")).toString(), QStringLiteral("B000"));
    QCOMPARE(int(CalibTable::adValue(table.value(QStringLiteral("Temp2AD/160")).toString())), 2 * at150 - at140);
    QCOMPARE(table.value(QStringLiteral("ParaSet/MaxTemp")).toInt(), 160);
}

void TestMainBiaoDing::noLensSavesNothing()
{
    CalibView c(true);
    const QByteArray before = c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf"));
    c.front.board->setLensCode(7);
    c.front.board->setLensFlag(false);
    MainBiaoDing *wizard = openWizard(c);
    QCOMPARE(wizard->tipLabel()->text(), QStringLiteral("No Lens!"));
    QVERIFY(!wizard->nextButton()->isEnabled());
    QVERIFY(wizard->tableFile().isEmpty());
    wizard->slot_btnNext();
    QVERIFY(!wizard->backgroundTaken());
    // A lens fitted shows at the next poll, and taken off again.
    c.front.board->setLensCode(3);
    wizard->slot_tmGetAd();
    QVERIFY(wizard->nextButton()->isEnabled());
    QCOMPARE(wizard->tableFile(), QStringLiteral("etc/calc_len0_temp0.conf"));
    captureAD(c, wizard, 0x9000);
    c.front.board->setLensCode(7);
    chooseTemperature(wizard, 50);
    QCOMPARE(wizard->tipLabel()->text(), QStringLiteral("No Lens!"));
    QCOMPARE(c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf")), before);
    QVERIFY(!QFile::exists(c.path(QStringLiteral("etc/calc_len255_temp0.conf"))));
    QVERIFY(!QFile::exists(c.path(QStringLiteral("etc/calc_len-1_temp0.conf"))));
}

void TestMainBiaoDing::lensChangedSavesIntoTheNewLensTable()
{
    CalibView c(true);
    MainBiaoDing *wizard = openWizard(c);
    QCOMPARE(wizard->tableFile(), QStringLiteral("etc/calc_len0_temp0.conf"));
    const QByteArray lens0 = c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf"));
    captureAD(c, wizard, 0x8700);
    // Lens code 5: index 1, whose table has its own ends.
    c.front.board->setLensCode(5);
    chooseTemperature(wizard, 50);
    QCOMPARE(wizard->tableFile(), QStringLiteral("etc/calc_len1_temp0.conf"));
    QCOMPARE(c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf")), lens0);
    QSettings table = c.file(QStringLiteral("etc/calc_len1_temp0.conf"));
    QCOMPARE(table.value(QStringLiteral("Temp2AD/50")).toString(), QStringLiteral("8700"));
    CalibTable model;
    QVERIFY(model.load(QStringLiteral("etc/calc_len1_temp0.conf")));
    QCOMPARE(table.value(QStringLiteral("ParaSet/TempNum")).toInt(), model.rowCount());
}

void TestMainBiaoDing::chooserWithoutCapturedADStays()
{
    CalibView c(true);
    MainBiaoDing *wizard = openWizard(c);
    const QByteArray before = c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf"));
    captureAD(c, wizard, 0x9000);
    // A capture of nothing: the label was never filled.
    wizard->adLabel()->clear();
    QTest::mouseClick(wizard->tempSelect()->backButton(), Qt::LeftButton);
    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QVERIFY(wizard->capturedAD().isEmpty());
    wizard->slot_saveValue(40);
    QCOMPARE(wizard->getCurPage(), 2);
    QCOMPARE(c.front.root.readFile(QStringLiteral("etc/calc_len0_temp0.conf")), before);
}

// 50 degC measured below the 40 degC of the table: the wizard says so and
// leaves the table, the log and the library's table as they were.
void TestMainBiaoDing::pointBreakingTheOrderIsRefused()
{
    CalibView c(true);
    QVERIFY(c.front.root.writeFile(TempTableLog::fileName(), QByteArray()));
    const QString table0 = QStringLiteral("etc/calc_len0_temp0.conf");
    const QByteArray before = c.front.root.readFile(table0);
    FPGA &fpga = *c.front.front;
    QCOMPARE(fpga.setSystemAdToTempTab(0, 0), int(TempModel::TableFromFile));
    const TempInfoTab loaded = fpga.tempModel().calibrationTable();
    MainBiaoDing *wizard = openWizard(c);
    const float sensor = fpga.getSensorTemp();
    const float shutter = fpga.getShutterTemp();
    const unsigned short corrected = fpga.BiaoDingXiuzheng(sensor, shutter, (sensor + shutter) * 0.5f, 50, 0x8000);
    QVERIFY(corrected < 0x83e8);
    captureAD(c, wizard, 0x8000);
    chooseTemperature(wizard, 50);

    QCOMPARE(wizard->tipLabel()->text(), QStringLiteral("Refused: AD 0x%1 at 50\u00B0C is not above 0x83e8 at 40\u00B0C. "
                                                       "The table is unchanged.")
                                             .arg(corrected, 0, 16));
    // Measured again on the same background.
    QCOMPARE(wizard->getCurPage(), int(MainBiaoDing::TargetPage));
    QVERIFY(wizard->capturedAD().isEmpty());
    QCOMPARE(wizard->lastSavedTemp(), int(MainBiaoDing::NoneSaved));
    QCOMPARE(c.front.root.readFile(table0), before);
    QCOMPARE(c.front.root.readFile(TempTableLog::fileName()), QByteArray());
    fpga.updateShutterTemp(true);
    QVERIFY(fpga.tempModel().tableIsSound());
    QCOMPARE(fpga.tempModel().tableFile(), table0);
    QCOMPARE(fpga.tempModel().tableFaultReports(), 0u);
    QCOMPARE(fpga.setSystemAdToTempTab(0, 0), int(TempModel::TableFromFile));
    QCOMPARE(int(fpga.tempModel().calibrationTable().num), int(loaded.num));
    QCOMPARE(fpga.tempModel().calibrationTable().ad[7], loaded.ad[7]);

    // A rising AD for 50 is then stored.
    c.front.board->setAreaAverages(1, {0x8700});
    wizard->slot_tmGetAd();
    QTest::mouseClick(wizard->nextButton(), Qt::LeftButton);
    QCOMPARE(wizard->getCurPage(), int(MainBiaoDing::ChoosePage));
    chooseTemperature(wizard, 50);
    QCOMPARE(wizard->lastSavedTemp(), 50);
    QVERIFY(c.front.root.readFile(table0) != before);
}

// The correction panel reloads the table every second: a table that is
// unusable on disk shows the tip once, not again on every reload, and again
// once the file changes.
void TestMainBiaoDing::unusableTableToldOnceOnTheTip()
{
    CalibView c(true);
    c.view->enterCalibInterface(false);
    QTest::mouseClick(c.view->calibMenu()->item(QStringLiteral("Modify")), Qt::LeftButton);
    QCOMPARE(c.view->currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MODIFY);
    c.view->readoutTimer()->stop();
    c.view->shutterTempTimer()->stop();
    c.view->setTipsVisibled(false);
    c.view->updateShutterTemp();
    QVERIFY(!c.view->tipsVisibled());

    const QString table0 = QStringLiteral("etc/calc_len0_temp0.conf");
    const QByteArray broken = "[ParaSet]\nMinTemp=0\nMaxTemp=20\nTempNum=3\n[Temp2AD]\n0=7000\n10=7100\n20=7000\n";
    QVERIFY(c.front.root.writeFile(table0, broken));
    c.view->updateShutterTemp();
    QVERIFY(c.view->tipsVisibled());
    QCOMPARE(c.view->getTipsText(), QStringLiteral("Calibration file error!"));
    // Put away: the next reloads of the same file leave it away.
    c.view->setTipsVisibled(false);
    for (int i = 0; i < 3; ++i) {
        c.view->updateShutterTemp();
        c.view->calibrationHandler();
    }
    QVERIFY(!c.view->tipsVisibled());
    QVERIFY(c.front.root.writeFile(table0, broken + "[Note]\nedited=1\n"));
    c.view->updateShutterTemp();
    QVERIFY(c.view->tipsVisibled());
}

QTEST_MAIN(TestMainBiaoDing)
#include "tst_mainbiaoding.moc"
