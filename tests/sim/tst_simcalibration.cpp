#include "calibinterface.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "einterfaceitem.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
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
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

// Calibration mode as `ostrel --simulate` has it: the C key opens the
// menu at once (no access code asked), each page opens and closes by
// touch, and a correction run measures a known object under the
// calibration area. With OSTREL_SCREENS_DIR set the menu, the correction
// panel and the fusion panel are written as PNGs. With any objects on, the
// readings list stays clear of the correction readout and of the fusion
// steppers with their names, which also leave the colour bar's labels be.
class TestSimCalibration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void menuAndPages();
    void correctionRunOnAKnownObject();
    void fusionPanel();
    void readoutClearOfReadings_data();
    void readoutClearOfReadings();
    void fusionStepperNamesClearOfReadings_data();
    void fusionStepperNamesClearOfReadings();
    void keyLeavesCalibration();

private:
    void finger(QWidget *target);
    void pressC();
    void save(const char *name);
    void objectsTable();
    void switchObjectsOn();
    QList<QRect> readingsOnScreen();
    QRect onScreen(const QRectF &sceneRect);
    static QRect onScreen(const QWidget *widget);
    // The current row's name, fit for a file name.
    static QString fileTag();
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

// Which objects are on, by number.
void TestSimCalibration::objectsTable()
{
    QTest::addColumn<QString>("spots");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("areas");
    QTest::newRow("spot 1") << "1" << "" << "";
    QTest::newRow("spots 1-3") << "123" << "" << "";
    QTest::newRow("spots 1-3, area 1") << "123" << "" << "1";
    QTest::newRow("spots 1-3, lines 1-2, area 1") << "123" << "12" << "1";
}

void TestSimCalibration::switchObjectsOn()
{
    QFETCH(QString, spots);
    QFETCH(QString, lines);
    QFETCH(QString, areas);
    EGraphicsView &v = view();
    for (int n = 1; n <= EGraphicsView::SpotCount; ++n)
        spots.contains(QString::number(n)) ? v.showSpot(n, true) : v.hideSpot(n);
    for (int n = 1; n <= EGraphicsView::LineCount; ++n)
        lines.contains(QString::number(n)) ? v.showLine(n, true) : v.hideLine(n);
    for (int n = 1; n <= EGraphicsView::AreaCount; ++n)
        areas.contains(QString::number(n)) ? v.showArea(n, true) : v.hideArea(n);
}

QRect TestSimCalibration::onScreen(const QRectF &sceneRect)
{
    const QRect inView = view().mapFromScene(sceneRect).boundingRect();
    return QRect(view().viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

QRect TestSimCalibration::onScreen(const QWidget *widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

// Each line of the readings list where the panel shows it.
QList<QRect> TestSimCalibration::readingsOnScreen()
{
    view().displayTemp();
    EGraphicsTextItem *readings = view().readingsItem();
    QList<QRect> lines;
    if (readings->isVisible())
        for (const QRectF &line : readings->lineRects())
            lines << onScreen(readings->mapRectToScene(line));
    return lines;
}

QString TestSimCalibration::fileTag()
{
    return QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(QStringLiteral("[^0-9a-z]+")), QStringLiteral("-"));
}

void TestSimCalibration::readoutClearOfReadings_data()
{
    objectsTable();
}

void TestSimCalibration::readoutClearOfReadings()
{
    switchObjectsOn();
    finger(view().calibMenu()->item(QStringLiteral("Modify")));
    QVERIFY(QTest::qWaitForWindowExposed(view().modifyBackButton()));
    EGraphicsTextItem *readout = view().readoutItem();
    QVERIFY(readout && readout->isVisible());
    const QRect panel(0, 0, 320, 240);
    const QRect box = onScreen(readout->sceneBoundingRect());
    QVERIFY(panel.contains(box));
    const QList<QRect> readings = readingsOnScreen();
    QVERIFY(!readings.isEmpty());
    for (const QRect &line : readings) {
        QVERIFY(panel.contains(line));
        QVERIFY2(!line.intersects(box), qPrintable(QStringLiteral("reading at %1,%2").arg(line.x()).arg(line.y())));
    }
    // On a box of its own above the objects' markers and labels.
    QCOMPARE(readout->backgroundColor().alpha(), 204);
    for (QGraphicsItem *item : readout->collidingItems())
        QVERIFY(item->zValue() < readout->zValue());
    save(qPrintable(QStringLiteral("calib-modify-%1.png").arg(fileTag())));
    finger(view().modifyBackButton());
    QCOMPARE(view().currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestSimCalibration::fusionStepperNamesClearOfReadings_data()
{
    objectsTable();
}

void TestSimCalibration::fusionStepperNamesClearOfReadings()
{
    switchObjectsOn();
    finger(view().calibMenu()->item(QStringLiteral("Mix")));
    QVERIFY(QTest::qWaitForWindowExposed(view().mixCloseButton()));
    const QRect panel(0, 0, 320, 240);
    const QString names[] = {QStringLiteral("Distance"), QStringLiteral("Zoom"), QStringLiteral("Horizontal"), QStringLiteral("Vertical")};
    const QPair<int, int> mixRanges[] = {{0, 3},
                                         {EGraphicsViewPrivate::MixZoomMin, EGraphicsViewPrivate::MixZoomMax},
                                         {EGraphicsViewPrivate::MixOffsetMin, EGraphicsViewPrivate::MixOffsetMax},
                                         {EGraphicsViewPrivate::MixOffsetMin, EGraphicsViewPrivate::MixOffsetMax}};
    QList<QRect> taken = {onScreen(view().mixCloseButton())};
    for (int which = 0; which < EGraphicsViewPrivate::MixStepperCount; ++which) {
        const auto kind = EGraphicsViewPrivate::MixStepper(which);
        const QRect stepper = onScreen(view().mixStepper(kind));
        QLabel *label = view().mixLabel(kind);
        QVERIFY(label && label->isVisible());
        QCOMPARE(label->text(), names[which]);
        const QRect name = onScreen(label);
        // The name right above its stepper, whole.
        QCOMPARE(name.bottom() + 1, stepper.top());
        QCOMPARE(name.left(), stepper.left());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= name.width());
        // The longest value of the range fits between the arrows.
        const auto [lowest, highest] = mixRanges[which];
        QList<QPushButton *> values = view().mixStepper(kind)->findChildren<QPushButton *>();
        values.removeIf([](QPushButton *b) { return !b->objectName().isEmpty(); });
        QCOMPARE(values.size(), 1);
        for (int end : {lowest, highest})
            QVERIFY2(values.first()->fontMetrics().horizontalAdvance(QString::number(end)) <= values.first()->contentsRect().width(),
                     qPrintable(QString::number(end)));
        for (const QRect &r : {stepper, name}) {
            QVERIFY(panel.contains(r));
            for (const QRect &other : std::as_const(taken))
                QVERIFY(!r.intersects(other));
            taken << r;
        }
    }
    // The colour bar's labels stay in sight as well.
    for (QGraphicsItem *label : {static_cast<QGraphicsItem *>(view().maxItem()), static_cast<QGraphicsItem *>(view().minItem()),
                                 static_cast<QGraphicsItem *>(view().modeItem())})
        if (label->isVisible())
            for (const QRect &r : taken.mid(1))
                QVERIFY(!r.intersects(onScreen(label->sceneBoundingRect())));
    const QList<QRect> readings = readingsOnScreen();
    QVERIFY(!readings.isEmpty());
    for (const QRect &line : readings) {
        QVERIFY(panel.contains(line));
        for (const QRect &r : std::as_const(taken))
            QVERIFY2(!line.intersects(r), qPrintable(QStringLiteral("reading at %1,%2").arg(line.x()).arg(line.y())));
    }
    save(qPrintable(QStringLiteral("calib-mix-%1.png").arg(fileTag())));
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
