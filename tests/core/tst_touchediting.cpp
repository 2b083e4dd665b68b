#include "cvmainwindow.h"
#include "eanalysistab.h"
#include "eadjustlevelitem.h"
#include "eareagraphicsitem.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagetab.h"
#include "elinewidget.h"
#include "emaininterface.h"
#include "ependingsettings.h"
#include "escaledlayout.h"
#include "espotwidget.h"
#include "testroot.h"
#include "zmultifunctional.h"

#include <QSettings>
#include <QtTest>

#include <memory>

// Touch editing on the live view: what a press means (the guards, the
// status-strip shortcut, the capture panel recall, popups, the hit-type
// dispatch and the main menu), dragging each kind of object, and resizing
// an area from its corners in the full-screen and half-size layouts.
class TestTouchEditing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void bareTouchTogglesTheMenu();
    void bareTouchDeselectsFirst();
    void hitDispatch_data();
    void hitDispatch();
    void colourBarLabelsOpenTheAdjuster_data();
    void colourBarLabelsOpenTheAdjuster();
    void statusStripShortcut_data();
    void statusStripShortcut();
    void guardsIgnoreTheGesture();
    void capturePanelComesBackOnce();
    void popupClosesBesideIt();
    void analysisPanelClosesWithABlink();
    void zoomStripHoldsTouchesBack();
    void dragsFollowTheFinger();
    void cornerPick_data();
    void cornerPick();
    void resize_data();
    void resize();
    void releaseStoresThePosition();

private:
    void press(const QPoint &at);
    void moveTo(const QPoint &at);
    void release(const QPoint &at);
    void touch(const QPoint &at);
    void showOnly(const char *kind);
    EAreaWidget *placeArea(const QRect &rect);
    static QRect rectOf(EAreaWidget *area) { return QRect(area->getX(), area->getY(), area->width(), area->height()); }

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EGraphicsView> m_view;
    std::unique_ptr<EMainInterface> m_menu;
};

void TestTouchEditing::init()
{
    m_root = std::make_unique<TestRoot>();
    m_view = std::make_unique<EGraphicsView>();
    m_view->setGeometry(0, 0, 320, 240);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    m_menu = std::make_unique<EMainInterface>(nullptr, nullptr, Qt::FramelessWindowHint);
    QTRY_VERIFY(EGlobal::getImageTab());
    m_view->hideSpot(1);
}

void TestTouchEditing::cleanup()
{
    m_menu.reset();
    m_view.reset();
    m_root.reset();
}

void TestTouchEditing::press(const QPoint &at)
{
    QTest::mousePress(m_view->viewport(), Qt::LeftButton, {}, at);
}

void TestTouchEditing::moveTo(const QPoint &at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), m_view->viewport()->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_view->viewport(), &move);
}

void TestTouchEditing::release(const QPoint &at)
{
    QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, {}, at);
}

void TestTouchEditing::touch(const QPoint &at)
{
    press(at);
    release(at);
}

// One object of a kind on the picture, the others off.
void TestTouchEditing::showOnly(const char *kind)
{
    const QByteArray k(kind);
    if (k == "spot")
        m_view->showSpot(1, true);
    else if (k == "area")
        m_view->showArea(1, true);
    else if (k == "line" || k == "marker")
        m_view->showLine(1, true);
    m_view->clearCurrentFocusWidget();
}

EAreaWidget *TestTouchEditing::placeArea(const QRect &rect)
{
    m_view->showArea(1, true);
    EAreaWidget *area = m_view->getAreaWidget(1);
    area->setWidth(rect.width());
    area->setHeight(rect.height());
    area->move(rect.x(), rect.y(), 0);
    m_view->clearCurrentFocusWidget();
    return area;
}

void TestTouchEditing::bareTouchTogglesTheMenu()
{
    QVERIFY(!m_menu->isVisibled());
    touch({250, 150});
    QVERIFY(m_menu->isVisibled() && m_menu->isVisible());
    touch({250, 150});
    QVERIFY(!m_menu->isVisibled() && !m_menu->isVisible());
}

void TestTouchEditing::bareTouchDeselectsFirst()
{
    m_view->showSpot(1, true); // switching on makes it current
    QCOMPARE(m_view->currentFocusWidget(), m_view->getSpotWidget(1));
    touch({250, 150});
    QVERIFY(!m_view->currentFocusWidget());
    QVERIFY(!m_view->getSpotWidget(1)->isHighlight());
    QVERIFY(!m_menu->isVisibled());
    touch({250, 150});
    QVERIFY(m_menu->isVisibled());
}

void TestTouchEditing::hitDispatch_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("dragKind");
    QTest::addColumn<int>("pictureMode");
    QTest::newRow("spot marker") << "spot" << int(EGraphicsView::DragSpot) << int(IR);
    QTest::newRow("area rectangle") << "area" << int(EGraphicsView::DragArea) << int(IR);
    QTest::newRow("line") << "line" << int(EGraphicsView::DragLine) << int(IR);
    QTest::newRow("line marker") << "marker" << int(EGraphicsView::DragLineMarker) << int(IR);
    QTest::newRow("readout text") << "text" << int(EGraphicsView::DragNone) << int(IR);
    QTest::newRow("spot marker, quarter") << "spot" << int(EGraphicsView::DragSpot) << int(VIS_PIPE_IR);
    QTest::newRow("area rectangle, quarter") << "area" << int(EGraphicsView::DragArea) << int(VIS_PIPE_IR);
    QTest::newRow("spot marker, centred") << "spot" << int(EGraphicsView::DragSpot) << int(VIS_MIX_IR);
    QTest::newRow("area rectangle, centred") << "area" << int(EGraphicsView::DragArea) << int(VIS_MIX_IR);
}

void TestTouchEditing::hitDispatch()
{
    QFETCH(QString, kind);
    QFETCH(int, dragKind);
    QFETCH(int, pictureMode);
    m_view->setImageMode(pictureMode);
    m_view->showSpot(2, true); // a previous current object
    EAnalysisWidget *previous = m_view->currentFocusWidget();
    showOnly(kind.toLatin1().constData());
    m_view->getSpotWidget(2)->setHighlight(true);
    m_view->currentObject = previous;
    QPoint at;
    EAnalysisWidget *expected = nullptr;
    if (kind == QLatin1String("spot")) {
        expected = m_view->getSpotWidget(1);
        at = QPoint(expected->getX(), expected->getY());
    } else if (kind == QLatin1String("area")) {
        // Inside the layout's bounds, clear of the spots.
        const QRect b = EScaledLayout::bounds(pictureMode == IR ? EScaledLayout::FullScreen : pictureMode == VIS_PIPE_IR ? 0 : EScaledLayout::Centred);
        EAreaWidget *area = placeArea({b.left() + 10, b.bottom() - 50, 40, 40});
        m_view->currentObject = previous;
        expected = area;
        at = QPoint(area->getX() + 20, area->getY() + 20);
    } else if (kind == QLatin1String("line")) {
        expected = m_view->getLineWidget(1);
        at = QPoint(expected->getX() > 160 ? 40 : 280, expected->getY());
    } else if (kind == QLatin1String("marker")) {
        expected = m_view->getLineWidget(1);
        at = QPoint(expected->getX(), expected->getY());
    } else {
        const QRectF text = m_view->readingsItem()->sceneBoundingRect();
        QVERIFY(m_view->readingsItem()->isVisible());
        at = text.center().toPoint();
    }
    press(at);
    QCOMPARE(m_view->dragKind(), dragKind);
    QCOMPARE(m_view->currentFocusWidget(), expected);
    QVERIFY(!previous->isHighlight());
    if (expected)
        QVERIFY(expected->isHighlight());
    release(at);
    QVERIFY(!m_menu->isVisibled());
}

void TestTouchEditing::colourBarLabelsOpenTheAdjuster_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("selection");
    QTest::newRow("bottom label") << "min" << int(EAdjustLevelItem::Min);
    QTest::newRow("top label") << "max" << int(EAdjustLevelItem::Max);
    QTest::newRow("mode item") << "mode" << int(EAdjustLevelItem::Auto);
}

void TestTouchEditing::colourBarLabelsOpenTheAdjuster()
{
    QFETCH(QString, label);
    QFETCH(int, selection);
    EGraphicsTextItem *item = label == QLatin1String("min") ? static_cast<EGraphicsTextItem *>(m_view->minItem())
        : label == QLatin1String("max")                     ? static_cast<EGraphicsTextItem *>(m_view->maxItem())
                                                            : static_cast<EGraphicsTextItem *>(m_view->modeItem());
    EImageMode *page = EGlobal::getImageTab()->modePage();
    EAdjustLevelItem *adjuster = page->adjustWindow();
    if (selection == EAdjustLevelItem::Auto)
        adjuster->slot_clicked_minItem();
    QVERIFY(!page->adjustWindowIsVisible());
    const QPoint at = item->sceneBoundingRect().center().toPoint();
    touch(at);
    QVERIFY(page->adjustWindowIsVisible());
    QCOMPARE(adjuster->selection(), selection);
    QVERIFY(!m_view->currentFocusWidget());
    QVERIFY(!m_menu->isVisibled());
    // A touch on bare picture puts the adjuster away, and only that.
    touch({250, 150});
    QVERIFY(!page->adjustWindowIsVisible());
}

void TestTouchEditing::statusStripShortcut_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("menuShown");
    QTest::newRow("inside the strip zone") << QPoint(100, 30) << false;
    QTest::newRow("zone corner") << QPoint(150, 50) << false;
    QTest::newRow("below it") << QPoint(100, 60) << true;
    QTest::newRow("left of it") << QPoint(59, 30) << true;
}

// The zone opens the zoom/rotate panel instead of the menu.
void TestTouchEditing::statusStripShortcut()
{
    QFETCH(QPoint, at);
    QFETCH(bool, menuShown);
    touch(at);
    QCOMPARE(m_menu->isVisibled(), menuShown);
}

void TestTouchEditing::guardsIgnoreTheGesture()
{
    EAreaWidget *area = placeArea({150, 100, 80, 60});
    area->setHighlight(true);
    m_view->currentObject = area;
    for (int guard = 0; guard < 2; ++guard) {
        if (guard == 0)
            m_view->setWaitIrAdmode(true);
        else
            EGlobal::get_cvmainwindow()->show();
        press({190, 130});
        QVERIFY(!m_view->isPressed());
        QCOMPARE(m_view->dragKind(), int(EGraphicsView::DragNone));
        moveTo({100, 60});
        QCOMPARE(rectOf(area), QRect(150, 100, 80, 60));
        release({100, 60});
        touch({250, 150});
        QVERIFY(!m_menu->isVisibled());
        m_view->setWaitIrAdmode(false);
        EGlobal::get_cvmainwindow()->hide();
    }
    // A move with no press before it moves nothing either.
    moveTo({60, 60});
    QCOMPARE(rectOf(area), QRect(150, 100, 80, 60));
}

void TestTouchEditing::capturePanelComesBackOnce()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    panel->show();
    panel->start_timer();
    QMetaObject::invokeMethod(panel->hideTimer(), "timeout");
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->get_activationstat(), int(CvmainWindow::HiddenByTimer));
    touch({250, 150});
    QVERIFY(panel->isVisible());
    QVERIFY(panel->hideTimer()->isActive());
    QVERIFY(!m_menu->isVisibled());
}

void TestTouchEditing::popupClosesBesideIt()
{
    EImageTab *popup = EGlobal::getImageTab();
    m_view->showSpot(1, true);
    ESpotWidget *spot = m_view->getSpotWidget(1);
    popup->show();
    QCOMPARE(QApplication::activeModalWidget(), popup);
    // Inside the popup's corner of the screen it stays; the touch does nothing else.
    touch({100, 200});
    QVERIFY(popup->isVisible());
    QVERIFY(spot->isHighlight());
    QVERIFY(!m_menu->isVisibled());
    // A spot may still be chosen; the flag it leaves costs the next bare touch.
    press({spot->getX(), spot->getY()});
    release({spot->getX(), spot->getY()});
    QVERIFY(m_view->topWidgetFlag());
    // Beside it (x 250) the popup closes; that touch does nothing else.
    touch({250, 150});
    QVERIFY(!popup->isVisible());
    QVERIFY(!m_view->topWidgetFlag());
    QVERIFY(spot->isHighlight());
    QVERIFY(!m_menu->isVisibled());
    touch({250, 150});
    QVERIFY(!spot->isHighlight());
    touch({250, 150});
    QVERIFY(m_menu->isVisibled());
}

void TestTouchEditing::analysisPanelClosesWithABlink()
{
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    QVERIFY(panel);
    m_view->showSpot(1, true);
    ESpotWidget *spot = m_view->getSpotWidget(1);
    panel->popUp();
    QCOMPARE(QApplication::activeModalWidget(), panel);
    touch({200, 100});
    QVERIFY(panel->isVisible());
    QVERIFY(!spot->isBlinking());
    touch({250, 100});
    QVERIFY(!panel->isVisible());
    QVERIFY(spot->isBlinking());
    QVERIFY(spot->isHighlight());
    QVERIFY(!m_menu->isVisibled());
    // Above the popups' band (y < 40) is beside it too.
    panel->popUp();
    touch({200, 30});
    QVERIFY(!panel->isVisible());
}

void TestTouchEditing::zoomStripHoldsTouchesBack()
{
    ZMultifunctional strip;
    EGlobal::set_multifunctional(&strip);
    strip.show();
    touch({250, 150});
    QVERIFY(!m_view->isPressed());
    QVERIFY(!m_menu->isVisibled());
    strip.hide();
    touch({250, 150});
    QVERIFY(m_menu->isVisibled());
    EGlobal::set_multifunctional(nullptr);
}

void TestTouchEditing::dragsFollowTheFinger()
{
    m_view->showSpot(1, true);
    ESpotWidget *spot = m_view->getSpotWidget(1);
    const QPoint from(spot->getX(), spot->getY());
    press(from);
    moveTo({200, 90});
    release({200, 90});
    QCOMPARE(QPoint(spot->getX(), spot->getY()), QPoint(200, 90));
    m_view->hideSpot(1);

    // An area keeps the offset at which it was grabbed.
    EAreaWidget *area = placeArea({100, 100, 80, 60});
    press({130, 120});
    QCOMPARE(m_view->dragCorner(), int(EGraphicsView::CornerMove));
    moveTo({150, 140});
    release({150, 140});
    QCOMPARE(rectOf(area), QRect(120, 120, 80, 60));
    m_view->hideArea(1);

    // A line moves across; its marker along it.
    m_view->showLine(1, true);
    ELineWidget *line = m_view->getLineWidget(1);
    m_view->clearCurrentFocusWidget();
    const int x = line->getX();
    press({x > 160 ? 40 : 280, line->getY()});
    QCOMPARE(m_view->dragKind(), int(EGraphicsView::DragLine));
    moveTo({100, 70});
    release({100, 70});
    QCOMPARE(line->getY(), 70);
    QCOMPARE(line->getX(), x);
    press({line->getX(), line->getY()});
    QCOMPARE(m_view->dragKind(), int(EGraphicsView::DragLineMarker));
    moveTo({230, 150});
    release({230, 150});
    QCOMPARE(QPoint(line->getX(), line->getY()), QPoint(230, 70));
}

void TestTouchEditing::cornerPick_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<int>("corner");
    // The area (100, 100) 80 x 60.
    QTest::newRow("bottom-right") << QPoint(165, 145) << 0;
    QTest::newRow("bottom-right, far edge") << QPoint(180, 160) << 0;
    QTest::newRow("bottom-left") << QPoint(115, 145) << 1;
    QTest::newRow("top-right") << QPoint(165, 115) << 2;
    QTest::newRow("top-left") << QPoint(115, 115) << 3;
    QTest::newRow("top-left, outside by 5") << QPoint(95, 95) << 3;
    QTest::newRow("middle") << QPoint(140, 130) << -1;
    QTest::newRow("left edge, middle") << QPoint(105, 130) << -1;
    QTest::newRow("just inside the bottom band") << QPoint(116, 145) << -1;
}

void TestTouchEditing::cornerPick()
{
    QFETCH(QPoint, press);
    QFETCH(int, corner);
    QCOMPARE(EGraphicsView::pickCorner(QRect(100, 100, 80, 60), press), corner);
    // The same through a touch: the corner shows on the rectangle.
    EAreaWidget *area = placeArea({100, 100, 80, 60});
    this->press(press);
    QCOMPARE(m_view->dragCorner(), corner);
    QCOMPARE(m_view->isResizing(), corner != -1);
    QCOMPARE(area->rectItem()->highlightPosition(), corner);
    release(press);
    QCOMPARE(area->rectItem()->highlightPosition(), -2);
    QVERIFY(!m_view->isResizing());
}

void TestTouchEditing::resize_data()
{
    QTest::addColumn<int>("pictureMode");
    QTest::addColumn<QRect>("start");
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPoint>("finger");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<bool>("halfwayFirst");

    // Full screen (picture mode 0): minimum 30, edges 5..315 / 5..235.
    QTest::newRow("full: bottom-right 20 wider") << 0 << QRect(100, 100, 80, 80) << 0 << QPoint(20, 0) << QRect(100, 100, 100, 80) << false;
    QTest::newRow("full: bottom-right held at the screen") << 0 << QRect(200, 150, 80, 80) << 0 << QPoint(100, 0) << QRect(200, 150, 115, 80) << false;
    QTest::newRow("full: top-left inward stops 30 short") << 0 << QRect(100, 100, 80, 80) << 3 << QPoint(70, 70) << QRect(150, 150, 30, 30) << false;
    QTest::newRow("full: bottom-left edge out of range") << 0 << QRect(20, 100, 80, 80) << 1 << QPoint(-17, 10) << QRect(20, 100, 80, 90) << false;
    QTest::newRow("full: bottom-left edge in range") << 0 << QRect(20, 100, 80, 80) << 1 << QPoint(-10, 10) << QRect(10, 100, 90, 90) << false;
    QTest::newRow("full: top-right edge out of range") << 0 << QRect(100, 30, 80, 80) << 2 << QPoint(10, -30) << QRect(100, 30, 90, 80) << false;
    QTest::newRow("full: top-right up") << 0 << QRect(100, 100, 80, 80) << 2 << QPoint(10, -30) << QRect(100, 70, 90, 110) << false;
    QTest::newRow("full: top-right inward keeps the bottom") << 0 << QRect(100, 100, 80, 80) << 2 << QPoint(0, 70) << QRect(100, 150, 80, 30) << false;
    QTest::newRow("full: top-left, top out of range") << 0 << QRect(100, 21, 80, 80) << 3 << QPoint(-10, -20) << QRect(90, 21, 90, 80) << false;
    QTest::newRow("mix over infrared: minimum 30") << 4 << QRect(100, 100, 80, 80) << 3 << QPoint(70, 70) << QRect(150, 150, 30, 30) << false;
    // Infrared inset top-left (picture mode 3, corner 0): minimum 15.
    QTest::newRow("quarter: top-left inward stops 15 short") << 3 << QRect(40, 40, 60, 60) << 3 << QPoint(50, 50) << QRect(85, 85, 15, 15) << false;
    QTest::newRow("quarter: bottom-left edge out of range") << 3 << QRect(100, 40, 40, 40) << 1 << QPoint(-100, 10) << QRect(100, 40, 40, 50) << false;
    QTest::newRow("quarter: bottom-right held at its bounds") << 3 << QRect(100, 40, 40, 40) << 0 << QPoint(100, 100) << QRect(100, 40, 55, 75) << false;
    // Blend over visible (picture mode 5): centred half size.
    QTest::newRow("centred: top-right edge out of range") << 5 << QRect(120, 80, 60, 60) << 2 << QPoint(10, -20) << QRect(120, 80, 70, 60) << false;
    QTest::newRow("centred: top-left in range") << 5 << QRect(120, 80, 60, 60) << 3 << QPoint(-20, -10) << QRect(100, 70, 80, 70) << false;
    // An edge that would leave its range stays where the step before left it.
    QTest::newRow("full: left edge stays at the last step") << 0 << QRect(20, 100, 80, 80) << 1 << QPoint(-17, 10) << QRect(11, 100, 89, 90) << true;
    QTest::newRow("full: top edge stays at the last step") << 0 << QRect(100, 30, 80, 80) << 2 << QPoint(10, -30) << QRect(100, 15, 90, 95) << true;
}

void TestTouchEditing::resize()
{
    QFETCH(int, pictureMode);
    QFETCH(QRect, start);
    QFETCH(int, corner);
    QFETCH(QPoint, finger);
    QFETCH(QRect, expected);
    QFETCH(bool, halfwayFirst);
    m_view->setImageMode(pictureMode);
    EAreaWidget *area = placeArea(start);
    QCOMPARE(rectOf(area), start);
    const int inset = 5;
    const QPoint grip = corner == 0 ? start.bottomRight() + QPoint(1 - inset, 1 - inset)
        : corner == 1               ? QPoint(start.left() + inset, start.bottom() + 1 - inset)
        : corner == 2               ? QPoint(start.right() + 1 - inset, start.top() + inset)
                                    : start.topLeft() + QPoint(inset, inset);
    press(grip);
    QCOMPARE(m_view->dragCorner(), corner);
    // Each step starts from the area as it was pressed.
    if (halfwayFirst)
        moveTo(grip + finger / 2);
    moveTo(grip + finger);
    release(grip + finger);
    QCOMPARE(rectOf(area), expected);
    QVERIFY(area->width() >= m_view->resizeMinimum() && area->height() >= m_view->resizeMinimum());
}

void TestTouchEditing::releaseStoresThePosition()
{
    EAreaWidget *area = placeArea({100, 100, 80, 60});
    EPendingSettings::instance()->flush();
    press({130, 120});
    moveTo({150, 140});
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Area_1/Position_xlt")).toInt(), 100);
    }
    release({150, 140});
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_xlt")).toInt(), 120);
    QCOMPARE(area->getX(), 120);
}

QTEST_MAIN(TestTouchEditing)
#include "tst_touchediting.moc"
