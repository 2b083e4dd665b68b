#include "biaoding.h"
#include "calibinterface.h"
#include "efidtab.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "emodifyprofile.h"
#include "eshowmodifydialog.h"
#include "drawnregion.h"
#include "eareawidget.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "mainbiaoding.h"
#include "modifyprofilewindow.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "screentouch.h"
#include "simcore.h"
#include "tempselct.h"
#include "temptablelog.h"

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

// The blackbody calibration as `ostrel --simulate` has it: C opens the
// menu, "Calib" the wizard, "SetBg" makes the simulated core take a
// background that brings the picture's middle to 0x8000, "Next" and a
// temperature save a point into the root's table and log; "CalibInfo "
// and OK load the table; "Modify" opens the correction editor and the
// curves. With OSTREL_SCREENS_DIR set each screen is written as a PNG.
class TestSimCalibFlow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void wizardShowsTheCalibrationArea();
    void wizardSavesAPoint();
    void wizardRefusesAPointOutOfOrder();
    void settingsWindowLoadsTheTable();
    void correctionScreens();
    void leave();

private:
    void finger(QWidget *target);
    void pressC();
    void save(const char *name);
    static QPushButton *topLevelButton(const QString &name);
    // How many corners of the calibration area (where the AD is read) the
    // panel shows.
    int areaCornersShown();
    EGraphicsView &view() { return *m_sim.live->view(); }

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

void TestSimCalibFlow::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    m_finger = QTest::createTouchDevice();
    // The log is kept only where it already is.
    QVERIFY(m_sim.root->writeFile(QStringLiteral("sim-root/etc/temptable.txt"), QByteArray()));
}

void TestSimCalibFlow::cleanupTestCase()
{
    m_sim.stop();
}

void TestSimCalibFlow::save(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), QLatin1String(name));
}

void TestSimCalibFlow::finger(QWidget *target)
{
    QVERIFY(target && target->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(target->window()));
    ScreenTouch::finger(m_finger, target);
}

void TestSimCalibFlow::pressC()
{
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_C);
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_C);
}

QPushButton *TestSimCalibFlow::topLevelButton(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return qobject_cast<QPushButton *>(w);
    }
    return nullptr;
}

int TestSimCalibFlow::areaCornersShown()
{
    const QImage shown = m_sim.screen->composed();
    // The board reads the area's rectangle; each corner's grey stroke lies
    // one pixel outside it.
    const _area read = m_sim.live->view()->calibArea() ? m_sim.live->view()->calibArea()->getPoint() : _area{145, 105, 175, 135};
    const QRgb grey = QColor(Qt::gray).rgb();
    int corners = 0;
    for (const QPoint &corner : {QPoint(read.x0 - 1, read.y0 - 1), QPoint(read.x1 + 1, read.y0 - 1),
                                 QPoint(read.x0 - 1, read.y1 + 1), QPoint(read.x1 + 1, read.y1 + 1)})
        corners += drawnNear(shown, corner, grey) ? 1 : 0;
    return corners;
}

// The wizard covers the live view with a clear window, which shows the
// board's picture: it shows the calibration area itself, where the AD it
// polls is read, and the area goes with the wizard.
void TestSimCalibFlow::wizardShowsTheCalibrationArea()
{
    pressC();
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu && menu->isVisible());
    finger(menu->item(QStringLiteral("Calib")));
    MainBiaoDing *wizard = view().biaoDingWidget();
    QVERIFY(wizard && wizard->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(wizard));
    EAreaWidget *area = view().calibArea();
    QCOMPARE(wizard->area(), area);
    const _area read = area->getPoint();
    QCOMPARE(QRect(QPoint(read.x0, read.y0), QPoint(read.x1, read.y1)).center(), QPoint(160, 120));
    QTRY_VERIFY(!wizard->adLabel()->text().isEmpty());
    QCOMPARE(areaCornersShown(), 4);
    save("calibflow-wizard-area.png");

    finger(wizard->backButton());
    QTRY_COMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(areaCornersShown(), 0);
    // Out of calibration mode, as the next case starts.
    pressC();
    QCOMPARE(view().getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
    QCOMPARE(areaCornersShown(), 0);
}

void TestSimCalibFlow::wizardSavesAPoint()
{
    pressC();
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu && menu->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    save("calibflow-menu.png");

    finger(menu->item(QStringLiteral("Calib")));
    MainBiaoDing *wizard = view().biaoDingWidget();
    QVERIFY(wizard && wizard->isVisible());
    QTRY_VERIFY(wizard->adLabel()->text().startsWith(QStringLiteral("0x7d")));
    save("calibflow-wizard-background.png");

    // The core's background brings the middle to 0x8000 in a few frames.
    finger(wizard->nextButton());
    QTRY_COMPARE_WITH_TIMEOUT(wizard->getCurPage(), 1, 5000);
    QVERIFY(m_sim.simulator->core()->codes().contains(uint8_t(0x52)));
    // The target blackbody, 50 degC as the default table has it, fills the
    // middle of the picture.
    SimBoard *board = m_sim.simulator->board();
    SimBoard::SceneObject blackbody;
    blackbody.name = QStringLiteral("blackbody");
    blackbody.rect = QRect(SimBoard::framePixel(QPoint(120, 80)), SimBoard::framePixel(QPoint(200, 160)));
    blackbody.ad = uint16_t(0x87d0 - board->backgroundOffset());
    board->setObjects({blackbody});
    QTRY_COMPARE_WITH_TIMEOUT(wizard->adLabel()->text(), QStringLiteral("0x87d0"), 3000);
    save("calibflow-wizard-target.png");

    finger(wizard->nextButton());
    QCOMPARE(wizard->getCurPage(), 2);
    const QString captured = wizard->capturedAD();
    QVERIFY(!captured.isEmpty());
    TempSelct *chooser = wizard->tempSelect();
    QVERIFY(chooser && chooser->isVisible());
    save("calibflow-chooser.png");
    QCOMPARE(captured, QStringLiteral("87d0"));
    // 50 degC: the eighth button of the first page.
    QCOMPARE(chooser->button(7)->text(), QStringLiteral("50\u00B0C"));
    finger(chooser->button(7));
    QCOMPARE(wizard->getCurPage(), 0);
    QCOMPARE(wizard->lastSavedTemp(), 50);

    QSettings table(QStringLiteral("etc/calc_len0_temp0.conf"), QSettings::IniFormat);
    const QString stored = table.value(QStringLiteral("Temp2AD/50")).toString();
    QVERIFY(!stored.isEmpty());
    const QByteArray log = m_sim.root->readFile(QStringLiteral("sim-root/etc/temptable.txt"));
    QVERIFY2(log.contains(QByteArray("\t50\t") + captured.toLatin1() + '\t' + stored.toLower().toLatin1() + '\n'), log.constData());
}

// The background brings the blackbody to 0x8000, below the 0x83e8 the table
// holds for 40 degC: saved as 50 degC it would break the table's order.
void TestSimCalibFlow::wizardRefusesAPointOutOfOrder()
{
    MainBiaoDing *wizard = view().biaoDingWidget();
    QVERIFY(wizard);
    QCOMPARE(wizard->getCurPage(), 0);
    // Relative to the working folder, as the application writes it.
    const auto readTable = [] {
        QFile file(QStringLiteral("etc/calc_len0_temp0.conf"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray table = readTable();
    const QByteArray log = m_sim.root->readFile(QStringLiteral("sim-root/etc/temptable.txt"));
    QVERIFY(!table.isEmpty());
    finger(wizard->nextButton());
    QTRY_COMPARE_WITH_TIMEOUT(wizard->getCurPage(), 1, 5000);
    finger(wizard->nextButton());
    QCOMPARE(wizard->getCurPage(), 2);
    const uint captured = wizard->capturedAD().toUInt(nullptr, 16);
    QVERIFY2(captured >= 0x7ffd && captured <= 0x8002, qPrintable(wizard->capturedAD()));
    finger(wizard->tempSelect()->button(7));
    QCOMPARE(wizard->getCurPage(), 1);
    QVERIFY(wizard->tipLabel()->text().startsWith(QStringLiteral("Refused: AD 0x")));
    QVERIFY(wizard->tipLabel()->text().contains(QStringLiteral("at 50\u00B0C is not above 0x83e8 at 40\u00B0C")));
    save("calibflow-wizard-refused.png");
    QCOMPARE(readTable(), table);
    QCOMPARE(m_sim.root->readFile(QStringLiteral("sim-root/etc/temptable.txt")), log);
    QVERIFY(m_sim.live->fpga()->tempModel().tableIsSound());
}

void TestSimCalibFlow::settingsWindowLoadsTheTable()
{
    MainBiaoDing *wizard = view().biaoDingWidget();
    QVERIFY(wizard);
    finger(wizard->calibInfoButton());
    BiaoDing *settings = wizard->settingsWindow();
    QVERIFY(settings && settings->isVisible());
    QVERIFY(wizard->isOpenBiaodingList());
    save("calibflow-settings-table.png");
    settings->tabs()->setCurrentIndex(1);
    finger(settings->intTab()->row(EFidTab::IntTime0Row));
    settings->intTab()->keyboard()->setCurrentText(QStringLiteral("120"));
    finger(settings->intTab()->keyboard()->btnOk);
    QCOMPARE(settings->intTab()->getIntTime(0), QStringLiteral("120"));
    save("calibflow-settings-int.png");
    finger(settings->okButton());
    QVERIFY(!settings->isVisible());
    QVERIFY(!wizard->isOpenBiaodingList());
    QCOMPARE(wizard->getCurPage(), 0);
    QCOMPARE(m_sim.live->fpga()->tempModel().tableFile(), QStringLiteral("etc/calc_len0_temp0.conf"));
    QVERIFY(m_sim.live->fpga()->tempModel().tableIsSound());
    QVERIFY(m_sim.live->fpga()->getSerial()->waitForIdle(5000));
    QTRY_COMPARE(int(m_sim.simulator->core()->intTime()), 120);
    finger(wizard->backButton());
    QTRY_COMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestSimCalibFlow::correctionScreens()
{
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu->isVisible());
    finger(menu->item(QStringLiteral("Modify")));
    QVERIFY(view().modifyTableButton());
    finger(view().modifyTableButton());
    EShowModifyDialog *editor = view().modifyViewer();
    QVERIFY(editor && editor->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    save("calibflow-modify-editor.png");
    finger(editor->row(0));
    editor->keyboard()->setCurrentText(QStringLiteral("1.02"));
    finger(editor->keyboard()->btnOk);
    QVERIFY(editor->written());
    QSettings factors(QStringLiteral("Parameter/Modify"), QSettings::IniFormat);
    QCOMPARE(factors.value(QStringLiteral("Averg_25")).toString(), QStringLiteral("1.02"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());

    finger(topLevelButton(QStringLiteral("Profile")));
    EModifyProfile *profiles = view().modifyProfile();
    QVERIFY(profiles && profiles->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(profiles));
    save("calibflow-modify-profiles.png");
    finger(profiles->button(0));
    ModifyProfileWindow *plot = profiles->plotWindow();
    QVERIFY(plot && plot->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(plot));
    save("calibflow-modify-plot.png");
    QTest::keyClick(plot, Qt::Key_Escape);
    QTest::keyClick(profiles, Qt::Key_Escape);
    QVERIFY(!plot->isVisible() && !profiles->isVisible());
    finger(view().modifyBackButton());
    QCOMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestSimCalibFlow::leave()
{
    pressC();
    QCOMPARE(view().getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
    QVERIFY(!view().calibMenu()->isVisible());
    // The internal shutter gave the scene its own levels back.
    QVERIFY(m_sim.live->fpga()->getSerial()->waitForIdle(5000));
    QTRY_COMPARE(m_sim.simulator->board()->backgroundOffset(), 0);
}

QTEST_MAIN(TestSimCalibFlow)
#include "tst_simcalibflow.moc"
