#include "calibinterface.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "einterfaceitem.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "einttimeitem.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "mainbiaoding.h"
#include "productinfowidget.h"
#include "screentouch.h"
#include "setlistitem.h"
#include "setmainwindow.h"

#include <QLabel>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// Calibration mode as `ostrel --simulate` has it: the C key opens the
// menu at once (no access code asked), each page opens and closes by
// touch, and a correction run measures a known object under the
// calibration area. With OSTREL_SCREENS_DIR set the menu, the correction
// panel and the fusion panel are written as PNGs.
class TestSimCalibration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void menuAndPages();
    void correctionRunOnAKnownObject();
    void fusionPanel();
    void keyLeavesCalibration();

private:
    void finger(QWidget *target);
    void pressC();
    void save(const char *name);
    EGraphicsView &view() { return *m_sim.live->view(); }

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

namespace {
// The correction run converts 65536 - AD: this blackbody reads there as
// the scene's background, near the camera's own temperature.
const uint16_t BlackbodyAD = 65536 - 32110;
}

void TestSimCalibration::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    // A blackbody filling the middle of the picture, where the
    // calibration area stands.
    SimBoard::SceneObject blackbody;
    blackbody.name = QStringLiteral("blackbody");
    blackbody.rect = QRect(SimBoard::framePixel(QPoint(120, 80)), SimBoard::framePixel(QPoint(200, 160)));
    blackbody.ad = BlackbodyAD;
    m_sim.simulator->board()->setObjects({blackbody});
    m_finger = QTest::createTouchDevice();
}

void TestSimCalibration::cleanupTestCase()
{
    m_sim.stop();
}

void TestSimCalibration::save(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

// One finger on a widget of a page, through its own window.
void TestSimCalibration::finger(QWidget *target)
{
    ScreenTouch::finger(m_finger, target);
}

void TestSimCalibration::pressC()
{
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_C);
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_C);
}

void TestSimCalibration::menuAndPages()
{
    pressC();
    QCOMPARE(view().getInterfaceMode(), int(EGraphicsViewPrivate::CalibrationInterface));
    CalibInterface *menu = view().calibMenu();
    QVERIFY(menu && menu->isVisible());
    QVERIFY(!view().accessKeyboard());
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    save("calib-menu.png");

    struct Page
    {
        const char *item;
        EGraphicsViewPrivate::EM_CALIB_TYPE type;
    };
    const Page pages[] = {{"Calib", EGraphicsViewPrivate::EM_CALIB_BIAODING}, {"Modify", EGraphicsViewPrivate::EM_CALIB_MODIFY},
                          {"PN", EGraphicsViewPrivate::EM_CALIB_PRODUCT}, {"Mix", EGraphicsViewPrivate::EM_CALIB_MIX},
                          {"Settings", EGraphicsViewPrivate::EM_CALIB_SET}};
    for (const Page &page : pages) {
        finger(menu->item(QLatin1String(page.item)));
        QCOMPARE(view().currentCalibType(), page.type);
        QVERIFY(!menu->isVisible());
        QPushButton *back = nullptr;
        switch (page.type) {
        case EGraphicsViewPrivate::EM_CALIB_BIAODING:
            back = view().biaoDingWidget()->backButton();
            break;
        case EGraphicsViewPrivate::EM_CALIB_MODIFY:
            back = view().modifyBackButton();
            break;
        case EGraphicsViewPrivate::EM_CALIB_PRODUCT:
            back = view().productInfoWidget()->backButton();
            break;
        case EGraphicsViewPrivate::EM_CALIB_MIX:
            back = view().mixCloseButton();
            break;
        default:
            back = view().setWidget()->listItem()->cancelButton();
            break;
        }
        QVERIFY(QTest::qWaitForWindowExposed(back->window()));
        finger(back);
        QTRY_COMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
        QTRY_VERIFY(menu->isVisible());
    }
}

void TestSimCalibration::correctionRunOnAKnownObject()
{
    QVERIFY(view().calibMenu() && view().calibMenu()->isVisible());
    finger(view().calibMenu()->item(QStringLiteral("Modify")));
    QVERIFY(view().calibArea()->isVisibled());
    // The readout shows the blackbody's AD under the area.
    QTRY_VERIFY(view().readoutItem()->plainText().startsWith(QStringLiteral("AD: 0x8292 [33426]")));
    QVERIFY(QTest::qWaitForWindowExposed(view().startModifyButton()));
    save("calib-modify.png");

    finger(view().startModifyButton());
    QCOMPARE(view().startModifyButton()->text(), QStringLiteral("StopModify"));
    // The settle after the shutter cycle ends in the sample.
    view().slot_calcBeishu();
    QCOMPARE(view().modifySampleCount(), 1);
    const QString averg = view().averageLabel()->text();
    finger(view().startModifyButton());
    QCOMPARE(view().startModifyButton()->text(), QStringLiteral("StartModify"));
    // Relative to the working folder, as the application writes it.
    QSettings table(QStringLiteral("Parameter/Modify"), QSettings::IniFormat);
    const QStringList keys = table.allKeys().filter(QStringLiteral("Averg_"));
    QVERIFY(!keys.isEmpty());
    bool found = false;
    for (const QString &key : keys)
        found = found || table.value(key).toString() == averg;
    QVERIFY2(found, qPrintable(averg));
    finger(view().modifyBackButton());
    QCOMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestSimCalibration::fusionPanel()
{
    finger(view().calibMenu()->item(QStringLiteral("Mix")));
    EIntTimeItem *hor = view().mixStepper(EGraphicsViewPrivate::MixHorStepper);
    QVERIFY(hor && QTest::qWaitForWindowExposed(hor));
    const int before = hor->value();
    // The right arrow of the horizontal stepper, by touch.
    QList<QPushButton *> arrows = hor->findChildren<QPushButton *>();
    QVERIFY(arrows.size() >= 3);
    QPushButton *right = arrows.first();
    for (QPushButton *b : arrows)
        if (b->geometry().x() > right->geometry().x())
            right = b;
    finger(right);
    QTRY_COMPARE(hor->value(), before + 1);
    QCOMPARE(int(int8_t(m_sim.simulator->board()->registerByte(0x28))), before + 1);
    save("calib-mix.png");
    finger(view().mixCloseButton());
    QCOMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestSimCalibration::keyLeavesCalibration()
{
    finger(view().calibMenu()->item(QStringLiteral("PN")));
    pressC();
    QCOMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(view().calibMenu()->isVisible());
    pressC();
    QCOMPARE(view().getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
    QVERIFY(!view().calibMenu()->isVisible());
    QVERIFY(!view().calibArea());
}

QTEST_MAIN(TestSimCalibration)
#include "tst_simcalibration.moc"
