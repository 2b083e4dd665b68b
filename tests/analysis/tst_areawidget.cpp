#include "../libtherma/frontfixture.h"

#include "eareagraphicsitem.h"
#include "eareaitem.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "ependingsettings.h"

#include <QGraphicsScene>
#include <QSettings>
#include <QtTest>

// The area: its defaults, where moves and resizes may take it in each
// picture layout and the board rectangle that follows, the checks on its
// stored rectangle, its readout lines and a failed reading.
class TestAreaWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void defaults();
    void layoutPlacement_data();
    void layoutPlacement();
    void clampAndBoardRect_data();
    void clampAndBoardRect();
    void widthLimits_data();
    void widthLimits();
    void storedRectangleIsChecked_data();
    void storedRectangleIsChecked();
    void comesBackWhereItWasMoved();
    void readoutLines();
    void failedReadingShowsNoNumber();
    void markersFollowSwitchesAndBlink();

private:
    static QRect boardRect(const EAreaWidget &area)
    {
        const _area r = area.getPoint();
        return QRect(QPoint(r.x0, r.y0), QPoint(r.x1, r.y1));
    }
};

void TestAreaWidget::cleanup()
{
    EPendingSettings::instance()->flush();
    EGlobal::setFPGA(nullptr);
}

void TestAreaWidget::defaults()
{
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, false, 80, 80);
    area.setScaledType(-1);
    QCOMPARE(boardRect(area), QRect(QPoint(120, 80), QPoint(200, 160)));
    QCOMPARE(QPoint(area.getX(), area.getY()), QPoint(120, 80));
    QCOMPARE(QSize(area.width(), area.height()), QSize(80, 80));
    QCOMPARE(area.mode().max + area.mode().min + area.mode().avg, 3);
    QCOMPARE(area.getTempSetup().emiss, 0.95f);
    QCOMPARE(area.getTempSetup().dist, 5.0f);
    QCOMPARE(area.getTempSetup().offset, 0.0f);
    QVERIFY(!area.isVisibled());
    QCOMPARE(area.rectItem()->pos(), QPointF(160, 120));
    QCOMPARE(area.label()->pos(), QPointF(206, 149));
    EAreaWidget second(&scene, nullptr, 2, false, 80, 80);
    EAreaWidget third(&scene, nullptr, 3, false, 80, 80);
    QCOMPARE(second.getPoint().x0, uint16_t(40));
    QCOMPARE(third.getPoint().x0, uint16_t(200));
}

void TestAreaWidget::layoutPlacement_data()
{
    QTest::addColumn<int>("scaledType");
    QTest::addColumn<QRect>("overlay");
    QTest::newRow("full") << -1 << QRect(120, 80, 80, 80);
    QTest::newRow("top-left") << 0 << QRect(60, 40, 40, 40);
    QTest::newRow("bottom-left") << 1 << QRect(60, 160, 40, 40);
    QTest::newRow("bottom-right") << 2 << QRect(220, 160, 40, 40);
    QTest::newRow("top-right") << 3 << QRect(220, 40, 40, 40);
    QTest::newRow("centred") << 4 << QRect(140, 100, 40, 40);
}

// The board rectangle is the same in every layout: only the overlay
// rectangle moves, so an area keeps its place on the picture.
void TestAreaWidget::layoutPlacement()
{
    QFETCH(int, scaledType);
    QFETCH(QRect, overlay);
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, false, 80, 80);
    area.setScaledType(scaledType);
    QCOMPARE(QRect(area.getX(), area.getY(), area.width(), area.height()), overlay);
    QCOMPARE(boardRect(area), QRect(QPoint(120, 80), QPoint(200, 160)));
    area.setScaledType(-1);
    QCOMPARE(QRect(area.getX(), area.getY(), area.width(), area.height()), QRect(120, 80, 80, 80));
}

void TestAreaWidget::clampAndBoardRect_data()
{
    QTest::addColumn<int>("scaledType");
    QTest::addColumn<QPoint>("request");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QRect>("board");

    QTest::newRow("full, origin") << -1 << QPoint(0, 0) << QPoint(5, 21) << QRect(QPoint(5, 21), QPoint(85, 101));
    QTest::newRow("full, far corner") << -1 << QPoint(300, 200) << QPoint(235, 155) << QRect(QPoint(235, 155), QPoint(315, 235));
    QTest::newRow("top-left, far") << 0 << QPoint(300, 300) << QPoint(115, 75) << QRect(QPoint(230, 150), QPoint(310, 230));
    QTest::newRow("bottom-left, origin") << 1 << QPoint(0, 0) << QPoint(5, 125) << QRect(QPoint(10, 10), QPoint(90, 90));
    QTest::newRow("bottom-right, 100,100") << 2 << QPoint(100, 100) << QPoint(165, 125) << QRect(QPoint(10, 10), QPoint(90, 90));
    QTest::newRow("top-right, far") << 3 << QPoint(400, 400) << QPoint(275, 75) << QRect(QPoint(230, 150), QPoint(310, 230));
    QTest::newRow("centred, origin") << 4 << QPoint(0, 0) << QPoint(85, 65) << QRect(QPoint(10, 10), QPoint(90, 90));
}

void TestAreaWidget::clampAndBoardRect()
{
    QFETCH(int, scaledType);
    QFETCH(QPoint, request);
    QFETCH(QPoint, topLeft);
    QFETCH(QRect, board);
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, false, 80, 80);
    area.setScaledType(scaledType);
    area.move(request.x(), request.y(), 0);
    QCOMPARE(QPoint(area.getX(), area.getY()), topLeft);
    QCOMPARE(boardRect(area), board);
    QCOMPARE(area.maxMarker()->pos().toPoint(), topLeft + QPoint(area.width() / 4, area.height() / 2));
    EPendingSettings::instance()->flush();
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_xlt")).toInt(), board.left());
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_ylt")).toInt(), board.top());
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_xrb")).toInt(), board.right());
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_yrb")).toInt(), board.bottom());
}

void TestAreaWidget::widthLimits_data()
{
    QTest::addColumn<int>("scaledType");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("boardRight");
    QTest::newRow("full, below minimum") << -1 << 120 << 10 << 30 << 150;
    QTest::newRow("full, cut at the edge") << -1 << 280 << 100 << 35 << 315;
    QTest::newRow("half, below minimum") << 0 << 60 << 10 << 15 << 150;
    QTest::newRow("half, cut at the edge") << 0 << 60 << 200 << 95 << 310;
}

void TestAreaWidget::widthLimits()
{
    QFETCH(int, scaledType);
    QFETCH(int, x);
    QFETCH(int, request);
    QFETCH(int, width);
    QFETCH(int, boardRight);
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, false, 80, 80);
    area.setScaledType(scaledType);
    area.setWidth(30);
    area.move(x, area.getY(), 0);
    area.setWidth(request);
    QCOMPARE(area.width(), width);
    QCOMPARE(int(area.getPoint().x1), boardRight);
}

void TestAreaWidget::storedRectangleIsChecked_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QRect>("board");
    QTest::newRow("sound") << QByteArray("Position_xlt=10\nPosition_ylt=30\nPosition_xrb=110\nPosition_yrb=90\n")
                           << QRect(QPoint(10, 30), QPoint(110, 90));
    QTest::newRow("inverted") << QByteArray("Position_xlt=110\nPosition_ylt=90\nPosition_xrb=10\nPosition_yrb=30\n")
                              << QRect(QPoint(10, 30), QPoint(110, 90));
    QTest::newRow("beyond the picture") << QByteArray("Position_xlt=-50\nPosition_ylt=100\nPosition_xrb=9000\nPosition_yrb=70000\n")
                                        << QRect(QPoint(5, 100), QPoint(315, 235));
    QTest::newRow("too small") << QByteArray("Position_xlt=100\nPosition_ylt=100\nPosition_xrb=101\nPosition_yrb=180\n")
                               << QRect(QPoint(120, 80), QPoint(200, 160));
    QTest::newRow("text") << QByteArray("Position_xlt=left\nPosition_ylt=top\n") << QRect(QPoint(120, 80), QPoint(200, 160));
}

void TestAreaWidget::storedRectangleIsChecked()
{
    QFETCH(QByteArray, group);
    QFETCH(QRect, board);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[Area_1]\n" + group + "Mode_Max_Switch=9\nEmiss=0\n"));
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, false, 80, 80);
    QCOMPARE(boardRect(area), board);
    QCOMPARE(area.mode().max, 1);
    QCOMPARE(area.getTempSetup().emiss, 0.95f);
    // Placed full screen it lies inside the bounds a move keeps.
    area.setScaledType(-1);
    QVERIFY(area.getX() >= 5 && area.getX() + area.width() <= 315);
    QVERIFY(area.getY() >= 21 && area.getY() + area.height() <= 235);
}

void TestAreaWidget::comesBackWhereItWasMoved()
{
    TestRoot root;
    QGraphicsScene scene;
    {
        EAreaWidget area(&scene, nullptr, 2, false, 80, 80);
        area.setScaledType(-1);
        area.setWidth(50);
        area.move(200, 150, 0);
    }
    EAreaWidget again(&scene, nullptr, 2, false, 80, 80);
    again.setScaledType(-1);
    QCOMPARE(QRect(again.getX(), again.getY(), again.width(), again.height()), QRect(200, 150, 50, 80));
}

void TestAreaWidget::readoutLines()
{
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 2, true, 80, 80);
    area.setTemp(Area_Temp_t{QStringLiteral("35.2"), QStringLiteral("20.1"), QStringLiteral("27.3")});
    QCOMPARE(area.name(), QStringLiteral("A2H:35.2\nA2L:20.1\nA2A:27.3"));
    area.setMode(Area_Mode_t{0, 0, 1, 0});
    QCOMPARE(area.name(), QStringLiteral("A2A:27.3"));
    area.setMode(Area_Mode_t{0, 0, 0, 0});
    QCOMPARE(area.name(), QString());
}

void TestAreaWidget::failedReadingShowsNoNumber()
{
    FrontFixture f(false);
    EGlobal::setFPGA(&f.start());
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, true, 80, 80);
    area.setScaledType(-1);
    area.move(120, 80, 0);
    area.updateTemp();
    const QPoint maxAt = area.getMaxPos();
    QVERIFY(!area.name().contains(QStringLiteral("--")));
    f.board->addFault({SimBoard::FailWrite, -1, 0, -1});
    area.updateTemp();
    QCOMPARE(area.name(), QStringLiteral("A1H:--\nA1L:--\nA1A:--"));
    QCOMPARE(area.getMaxPos(), maxAt);
}

void TestAreaWidget::markersFollowSwitchesAndBlink()
{
    TestRoot root;
    QGraphicsScene scene;
    EAreaWidget area(&scene, nullptr, 1, true, 80, 80);
    area.setScaledType(-1);
    area.setMode(Area_Mode_t{1, 0, 1, 0});
    area.setVisible(true);
    QVERIFY(area.maxMarker()->isVisible());
    QVERIFY(!area.minMarker()->isVisible());
    area.blink(1);
    for (int i = 0; i < 3; ++i)
        area.slot_blink();
    QVERIFY(area.rectItem()->isVisible());
    QVERIFY(area.maxMarker()->isVisible());
    QVERIFY(!area.minMarker()->isVisible());
    area.setVisible(false);
    QVERIFY(!area.maxMarker()->isVisible());
}

QTEST_MAIN(TestAreaWidget)
#include "tst_areawidget.moc"
