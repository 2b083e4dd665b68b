#include "b2page.h"
#include "calibinterface.h"
#include "calibpage.h"
#include "centredquestion.h"
#include "devversionpage.h"
#include "eglobal.h"
#include "einterfaceitem.h"
#include "egraphicsview.h"
#include "eircoreadjustitem.h"
#include "emiftestpage.h"
#include "encoderphoto.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "espotwidget.h"
#include "etoolwidget.h"
#include "intervals.h"
#include "ircorelistitem.h"
#include "ircoremainwindow.h"
#include "manualdeadpoint.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "parabackuppage.h"
#include "parapage.h"
#include "productinfowidget.h"
#include "setlistitem.h"
#include "setmainwindow.h"
#include "setuptouch.h"
#include "simircore.h"
#include "twocalib.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The core's maintenance window and the service pages as `ostrel
// --simulate` has them: C opens the menu, "IR Core" parks the serial link
// and opens the core's own, its pages work the simulated core, Escape gives
// the port back; "Settings" shows the versions (encoder-sim answering or
// silent), backs up to the simulated card and tests the bus; "P/N" opens
// the product editor. With OSTREL_SCREENS_DIR set each screen is a PNG.
class TestSimIRCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void coreWindow();
    void servicePages();
    void productInfo();

private:
    void finger(QWidget *target) { m_sim.touch(target); }
    void pressC();
    void save(const char *name) { m_sim.saveScreen(name); }
    EGraphicsView &view() { return *m_sim.live->view(); }
    SimIRCore *core() { return m_sim.simulator->irCore(); }
    Serial *serial() { return m_sim.live->fpga()->getSerial(); }

    SetupTouch m_sim;
};

void TestSimIRCore::initTestCase()
{
    m_sim.startWithSetup();
}

void TestSimIRCore::cleanupTestCase()
{
    Intervals::setScale(1.0);
    m_sim.stop();
}

void TestSimIRCore::pressC()
{
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_C);
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_C);
}

void TestSimIRCore::coreWindow()
{
    pressC();
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu && menu->isVisible());
    finger(menu->item(QStringLiteral("Update")));
    IRCoreMainWindow *window = EGlobal::getIRCoreMainWindow();
    QVERIFY(window && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(serial()->isParked());
    QVERIFY(core()->isOpen());
    save("ircore-calib.png");

    // Registers: the bar over the live picture moves the core's FID.
    finger(window->listItem()->rows().at(IRCoreMainWindow::ParaPageIndex));
    auto *para = static_cast<ParaPage *>(window->widget(IRCoreMainWindow::ParaPageIndex));
    QVERIFY(para->isVisible());
    save("ircore-para.png");
    finger(para->row(QStringLiteral("FID")));
    EIRCoreAdjustItem *bar = para->adjustItem();
    QVERIFY(bar->isVisible() && !window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(bar));
    finger(bar->upButton());
    QCOMPARE(core()->vfid(), 1781);
    finger(para->sumButton());
    save("ircore-bar.png");
    QTest::keyClick(bar, Qt::Key_Escape);
    QVERIFY(window->isVisible());
    QCOMPARE(para->row(QStringLiteral("FID"))->text(), QStringLiteral("1781"));
    QVERIFY(para->flushRecords());

    // Buffers.
    finger(window->listItem()->rows().at(IRCoreMainWindow::B2PageIndex));
    auto *b2 = static_cast<B2Page *>(window->widget(IRCoreMainWindow::B2PageIndex));
    finger(b2->button(QStringLiteral("Capture")));
    QCOMPARE(core()->bufferCommands(), QStringList{QStringLiteral("CaptureFishBuffer")});
    save("ircore-b2.png");

    // The K calibration's first step, then back.
    finger(window->listItem()->rows().at(IRCoreMainWindow::CalibPageIndex));
    auto *page = static_cast<CalibPage *>(window->widget(IRCoreMainWindow::CalibPageIndex));
    finger(page->startButton());
    TwoCalib *calib = page->twoCalib();
    QVERIFY(calib->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(calib));
    Intervals::setScale(0.01);
    finger(calib->button(QStringLiteral("OK")));
    QTRY_COMPARE(calib->messageLabel()->text(), QStringLiteral("init two point calib. para success"));
    Intervals::setScale(1.0);
    QCOMPARE(core()->kStep(), SimIRCore::KInitAll);
    save("ircore-twocalib.png");
    QTest::keyClick(calib, Qt::Key_Escape);
    QVERIFY(window->isVisible());

    // Dead points: one marked by the pad, then Escape and No.
    finger(page->deadPointButton());
    ManualDeadPoint *marking = page->manualDeadPoint();
    QVERIFY(marking->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(marking));
    marking->cursor()->move(100, 50, 0);
    finger(marking->padButton(ManualDeadPoint::Right));
    finger(marking->padButton(ManualDeadPoint::Ok));
    QCOMPARE(core()->deadPoints(), QVector<QPoint>{QPoint(202, 50)});
    save("ircore-deadpoint.png");
    CentredQuestion::Responder previous = CentredQuestion::setResponder(
        [](QMessageBox *box) { QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton); });
    QTest::keyClick(marking, Qt::Key_Escape);
    CentredQuestion::setResponder(previous);
    QVERIFY(!marking->isVisible());
    QVERIFY(window->isVisible());

    // Escape gives the port back and the menu comes again.
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(!serial()->isParked());
    QVERIFY(!core()->isOpen());
    QVERIFY(menu->isVisible());
    QVERIFY(!view().screenStatus());
    char version[16] = {};
    QCOMPARE(serial()->readCoreCpuVersion(version, sizeof version), 0);
}

void TestSimIRCore::servicePages()
{
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu->isVisible());
    finger(menu->item(QStringLiteral("Settings")));
    SetMainWindow *w = view().setWidget();
    QVERIFY(w && w->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(w));
    save("service-calib.png");

    // Versions: encoder-sim answers.
    finger(w->listItem()->rows().at(SetMainWindow::VersionPage));
    auto *versions = static_cast<DevVersionPage *>(w->widget(SetMainWindow::VersionPage));
    QTRY_COMPARE(versions->row(DevVersionPage::EncoderRow)->text(), QLatin1String(EncoderPhoto::Version));
    QVERIFY(!versions->row(DevVersionPage::CoreCpu)->text().isEmpty());
    QCOMPARE(versions->row(DevVersionPage::Kernel)->text(), QStringLiteral("vyx.1"));
    save("service-version.png");
    // Silent: "no answer" once the wait is over, the page live meanwhile.
    QVERIFY(m_sim.root->writeFile(QStringLiteral("sim-root/tmp/encoder-sim.switches"), "version-silent\n"));
    Intervals::setScale(0.05);
    finger(w->listItem()->rows().at(SetMainWindow::ChipPage));
    finger(w->listItem()->rows().at(SetMainWindow::VersionPage));
    QCOMPARE(versions->row(DevVersionPage::EncoderRow)->text(), QString());
    QTRY_COMPARE(versions->row(DevVersionPage::EncoderRow)->text(), QStringLiteral("no answer"));
    Intervals::setScale(1.0);
    QVERIFY(m_sim.root->writeFile(QStringLiteral("sim-root/tmp/encoder-sim.switches"), ""));

    // Backup to the simulated card.
    QTRY_VERIFY(EGlobal::getToolBar()->SDCardStatus());
    finger(w->listItem()->rows().at(SetMainWindow::BackupPage));
    auto *backup = static_cast<ParaBackupPage *>(w->widget(SetMainWindow::BackupPage));
    QVERIFY(backup->backupButton()->isEnabled());
    finger(backup->backupButton());
    QTRY_COMPARE(backup->resultLabel()->text(), ParaBackupPage::successText());
    QVERIFY(QFileInfo::exists(m_sim.root->hostPath(QStringLiteral("sim-root/media/mmc/os320/2012010001/Parameter/Setting"))));
    save("service-backup.png");

    // Bus test on the simulated board.
    finger(w->listItem()->rows().at(SetMainWindow::EmifPage));
    auto *emif = static_cast<EmifTestPage *>(w->widget(SetMainWindow::EmifPage));
    finger(emif->testButton());
    QCOMPARE(emif->resultLabel()->text(), QStringLiteral("emif test success!"));
    save("service-emif.png");

    QTest::mousePress(w->listItem()->cancelButton(), Qt::LeftButton);
    QTest::mouseRelease(w->listItem()->cancelButton(), Qt::LeftButton);
    QTRY_VERIFY(menu->isVisible());
}

void TestSimIRCore::productInfo()
{
    CalibInterface *menu = view().calibMenu();
    finger(menu->item(QStringLiteral("PN")));
    ProductInfoWidget *editor = view().productInfoWidget();
    QVERIFY(editor && editor->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QCOMPARE(editor->row(ProductInfoWidget::Serial)->text(), QStringLiteral("2012010001"));
    save("service-productinfo.png");
    finger(editor->row(ProductInfoWidget::Date));
    QVERIFY(editor->keyboard()->isVisible());
    QTest::keyClick(editor->keyboard(), Qt::Key_Escape);
    finger(editor->backButton());
    QTRY_VERIFY(menu->isVisible());
    pressC();
    QCOMPARE(view().getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
}

QTEST_MAIN(TestSimIRCore)
#include "tst_simircore.moc"
