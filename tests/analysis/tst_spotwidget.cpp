#include "../libtherma/frontfixture.h"

#include "eglobal.h"
#include "egraphicstextitem.h"
#include "ependingsettings.h"
#include "espotgraphicsitem.h"
#include "espotwidget.h"

#include <QGraphicsScene>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <memory>

// The spot: where a move may take it in each picture layout and what it
// stores, the checks on its stored settings, the alarm decision on the
// board's alarm bit, and its blink timer.
class TestSpotWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void clampAndFrame_data();
    void clampAndFrame();
    void storesOnlyManualPositions();
    void positionsWaitForIdleOrFlush();
    void storedSettingsAreChecked_data();
    void storedSettingsAreChecked();
    void setModeRestoresStoredPosition();
    void maxSpotFollowsHottestPixel();
    void failedReadingShowsNoNumber();
    void alarmDecision_data();
    void alarmDecision();
    void hidingDisarmsAndShowingRearms();
    void alarmReadoutLines();
    void blinkReusesOneTimer();

private:
    static QVariant stored(const QString &key);
};

QVariant TestSpotWidget::stored(const QString &key)
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    return settings.value(key);
}

void TestSpotWidget::cleanup()
{
    EPendingSettings::instance()->flush();
    EGlobal::setFPGA(nullptr);
    EGlobal::setDoublePrecision(false);
    EGlobal::setSystemTempUnit(0);
}

void TestSpotWidget::clampAndFrame_data()
{
    QTest::addColumn<int>("scaledType");
    QTest::addColumn<bool>("noSettings");
    QTest::addColumn<QPoint>("request");
    QTest::addColumn<QPoint>("overlay");
    QTest::addColumn<QPoint>("frame");

    QTest::newRow("full, inside") << -1 << false << QPoint(100, 100) << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("full, below the edges") << -1 << false << QPoint(0, 0) << QPoint(5, 21) << QPoint(5, 21);
    QTest::newRow("full, beyond the edges") << -1 << false << QPoint(400, 300) << QPoint(315, 235) << QPoint(315, 235);
    // A replay spot reaches every pixel of the picture but not one past it.
    QTest::newRow("full replay, low corner") << -1 << true << QPoint(-4, -4) << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("full replay, far corner") << -1 << true << QPoint(400, 300) << QPoint(319, 239) << QPoint(319, 239);
    QTest::newRow("top-left") << 0 << false << QPoint(200, 200) << QPoint(155, 115) << QPoint(310, 230);
    QTest::newRow("top-left, low") << 0 << false << QPoint(0, 0) << QPoint(5, 21) << QPoint(10, 42);
    QTest::newRow("bottom-left") << 1 << false << QPoint(50, 150) << QPoint(50, 150) << QPoint(100, 60);
    QTest::newRow("bottom-left, high") << 1 << false << QPoint(50, 10) << QPoint(50, 125) << QPoint(100, 10);
    QTest::newRow("bottom-right") << 2 << false << QPoint(260, 170) << QPoint(260, 170) << QPoint(200, 100);
    QTest::newRow("bottom-right, far left") << 2 << true << QPoint(0, 240) << QPoint(165, 235) << QPoint(10, 230);
    QTest::newRow("top-right") << 3 << false << QPoint(200, 50) << QPoint(200, 50) << QPoint(80, 100);
    QTest::newRow("centred") << 4 << false << QPoint(160, 120) << QPoint(160, 120) << QPoint(160, 120);
    QTest::newRow("centred, outside") << 4 << false << QPoint(0, 300) << QPoint(85, 175) << QPoint(10, 230);
}

void TestSpotWidget::clampAndFrame()
{
    QFETCH(int, scaledType);
    QFETCH(bool, noSettings);
    QFETCH(QPoint, request);
    QFETCH(QPoint, overlay);
    QFETCH(QPoint, frame);
    TestRoot root;
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, noSettings);
    spot.setScaledType(scaledType);
    spot.move(request.x(), request.y(), 0);
    QCOMPARE(QPoint(spot.getX(), spot.getY()), overlay);
    QCOMPARE(QPoint(spot.frameX(), spot.frameY()), frame);
    QCOMPARE(spot.marker()->pos().toPoint(), overlay);
    QCOMPARE(spot.label()->pos().toPoint(), overlay + QPoint(5, 3));
    EPendingSettings::instance()->flush();
    if (noSettings) {
        QVERIFY(!QFile::exists(QStringLiteral("Parameter/Setting")));
    } else {
        QCOMPARE(stored(QStringLiteral("Spot_1/Position_x")).toInt(), frame.x());
        QCOMPARE(stored(QStringLiteral("Spot_1/Position_y")).toInt(), frame.y());
    }
}

void TestSpotWidget::storesOnlyManualPositions()
{
    TestRoot root;
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 2, false, false);
    spot.setMode(ESpotWidget::Max);
    spot.move(100, 100, 0);
    EPendingSettings::instance()->flush();
    QVERIFY(!stored(QStringLiteral("Spot_2/Position_x")).isValid());
    QCOMPARE(stored(QStringLiteral("Spot_2/Mode")).toInt(), 1);
}

// A drag writes nothing until the moves pause, the spot is hidden or the
// pending positions are flushed; then the latest position is stored.
void TestSpotWidget::positionsWaitForIdleOrFlush()
{
    TestRoot root;
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, false);
    spot.setVisible(true);
    for (int x = 50; x <= 150; x += 10)
        spot.move(x, 100, 0);
    QVERIFY(!QFile::exists(QStringLiteral("Parameter/Setting")));
    QVERIFY(EPendingSettings::instance()->hasPending());
    QTRY_VERIFY_WITH_TIMEOUT(!EPendingSettings::instance()->hasPending(), 2000);
    QCOMPARE(stored(QStringLiteral("Spot_1/Position_x")).toInt(), 150);

    spot.move(60, 70, 0);
    spot.setVisible(false);
    QVERIFY(!EPendingSettings::instance()->hasPending());
    QCOMPARE(stored(QStringLiteral("Spot_1/Position_x")).toInt(), 60);
    QCOMPARE(stored(QStringLiteral("Spot_1/Position_y")).toInt(), 70);
}

void TestSpotWidget::storedSettingsAreChecked_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<float>("emiss");
    QTest::addColumn<float>("dist");
    QTest::addColumn<float>("offset");
    QTest::addColumn<int>("paraMode");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("frame");

    QTest::newRow("sound") << QByteArray("Emiss=0.8\nDistan=2\nOffset=1.5\nParaMode=1\nMode=2\nPosition_x=30\nPosition_y=40\n")
                           << 0.8f << 2.0f << 1.5f << 1 << 2 << QPoint(30, 40);
    QTest::newRow("emissivity 0") << QByteArray("Emiss=0\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(-1, -1);
    QTest::newRow("emissivity negative") << QByteArray("Emiss=-0.5\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(-1, -1);
    QTest::newRow("NaN everywhere") << QByteArray("Emiss=nan\nDistan=nan\nOffset=nan\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(-1, -1);
    QTest::newRow("text") << QByteArray("Emiss=hot\nMode=max\nParaMode=yes\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(-1, -1);
    QTest::newRow("mode 7, para mode 5") << QByteArray("Mode=7\nParaMode=5\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(-1, -1);
    QTest::newRow("position -5") << QByteArray("Position_x=-5\nPosition_y=-5\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(5, 21);
    QTest::newRow("position beyond") << QByteArray("Position_x=900\nPosition_y=900\n") << 0.95f << 5.0f << 0.0f << 0 << 0 << QPoint(315, 235);
}

void TestSpotWidget::storedSettingsAreChecked()
{
    QFETCH(QByteArray, group);
    QFETCH(float, emiss);
    QFETCH(float, dist);
    QFETCH(float, offset);
    QFETCH(int, paraMode);
    QFETCH(int, mode);
    QFETCH(QPoint, frame);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[Spot_3]\n" + group));
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 3, false, false);
    QCOMPARE(spot.getTempSetup()->emiss, emiss);
    QCOMPARE(spot.getTempSetup()->dist, dist);
    QCOMPARE(spot.getTempSetup()->offset, offset);
    QCOMPARE(spot.getParaMode(), paraMode);
    QCOMPARE(spot.mode(), mode);
    QCOMPARE(spot.hasStoredPosition(), frame.x() >= 0);
    if (frame.x() >= 0)
        QCOMPARE(QPoint(spot.frameX(), spot.frameY()), frame);
}

void TestSpotWidget::setModeRestoresStoredPosition()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[Spot_1]\nPosition_x=200\nPosition_y=100\n"));
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, false);
    spot.setScaledType(2);
    spot.setMode(ESpotWidget::Max);
    spot.setMode(ESpotWidget::Manual);
    QCOMPARE(QPoint(spot.getX(), spot.getY()), QPoint(260, 170));
    // Spot 2 with nothing stored comes back at its own default.
    ESpotWidget second(&scene, nullptr, 2, false, false);
    second.setMode(ESpotWidget::Manual);
    QCOMPARE(QPoint(second.frameX(), second.frameY()), QPoint(200, 84));
}

// A Max spot in the bottom-right layout is drawn where the hottest pixel
// lies inside the quarter picture.
void TestSpotWidget::maxSpotFollowsHottestPixel()
{
    FrontFixture f(false);
    EGlobal::setFPGA(&f.start());
    QVector<uint16_t> frame(SimBoard::PIXELS, 32110);
    frame[100 * SimBoard::WIDTH + 200] = 40101;
    f.board->setFrame(frame);
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, true);
    spot.setModeForDisplay(ESpotWidget::Max);
    spot.setScaledType(2);
    spot.getDataFromFPGA();
    QCOMPARE(QPoint(spot.frameX(), spot.frameY()), QPoint(200, 100));
    QCOMPARE(QPoint(spot.getX(), spot.getY()), QPoint(260, 170));
    QVERIFY(spot.name().startsWith(QStringLiteral("P1:")));
}

void TestSpotWidget::failedReadingShowsNoNumber()
{
    FrontFixture f(false);
    EGlobal::setFPGA(&f.start());
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, true);
    spot.move(100, 100, 0);
    spot.getDataFromFPGA();
    QVERIFY(spot.name() != QStringLiteral("P1:--"));
    f.board->addFault({SimBoard::FailRead, -1, 0, -1});
    spot.getDataFromFPGA();
    QCOMPARE(spot.name(), QStringLiteral("P1:--"));
    // And without any board at all.
    EGlobal::setFPGA(nullptr);
    f.board->clearFaults();
    spot.getDataFromFPGA();
    QCOMPARE(spot.getTemp(), QStringLiteral("--"));
}

void TestSpotWidget::alarmDecision_data()
{
    QTest::addColumn<int>("alarmMode");
    QTest::addColumn<float>("threshold");
    QTest::addColumn<float>("reading");
    QTest::addColumn<bool>("twoDecimals");
    QTest::addColumn<bool>("bitBefore");
    QTest::addColumn<bool>("bitAfter");

    QTest::newRow("above, prints equal") << 0 << 30.0f << 30.04f << false << true << false;
    QTest::newRow("above, prints higher") << 0 << 30.0f << 30.06f << false << false << true;
    QTest::newRow("above, lower") << 0 << 30.0f << 20.0f << false << true << false;
    QTest::newRow("above, two decimals see 30.04") << 0 << 30.0f << 30.04f << true << false << true;
    QTest::newRow("below, lower") << 1 << 10.0f << 8.5f << false << false << true;
    QTest::newRow("below, prints equal") << 1 << 10.0f << 9.96f << false << true << false;
    QTest::newRow("below, higher") << 1 << 10.0f << 11.0f << false << true << false;
    QTest::newRow("equal, prints equal") << 2 << 30.0f << 30.04f << false << false << true;
    QTest::newRow("equal, differs") << 2 << 30.0f << 30.06f << false << true << false;
    QTest::newRow("equal, two decimals differ") << 2 << 30.0f << 30.04f << true << true << false;
    QTest::newRow("unknown mode leaves the bit on") << 3 << 30.0f << 99.0f << false << true << true;
    QTest::newRow("unknown mode leaves the bit off") << -1 << 30.0f << 99.0f << false << false << false;
}

void TestSpotWidget::alarmDecision()
{
    QFETCH(int, alarmMode);
    QFETCH(float, threshold);
    QFETCH(float, reading);
    QFETCH(bool, twoDecimals);
    QFETCH(bool, bitBefore);
    QFETCH(bool, bitAfter);
    FrontFixture f(false);
    FPGA &front = f.start();
    EGlobal::setFPGA(&front);
    EGlobal::setDoublePrecision(twoDecimals);
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, true);
    spot.setVisible(true);
    front.fpga_open_alarm(bitBefore);
    spot.openAlarm(true, threshold, alarmMode);
    // Arming alone never switches the output.
    QCOMPARE(bool(f.board->registerByte(0x15) & 1), bitBefore);
    spot.alarmHandler(reading);
    QCOMPARE(bool(f.board->registerByte(0x15) & 1), bitAfter);
}

void TestSpotWidget::hidingDisarmsAndShowingRearms()
{
    FrontFixture f(false);
    FPGA &front = f.start();
    EGlobal::setFPGA(&front);
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, true);
    spot.setVisible(true);
    spot.openAlarm(true, -50.0f, ESpotWidget::AlarmAbove);
    spot.alarmHandler(20.0f);
    QVERIFY(f.board->registerByte(0x15) & 1);
    spot.setVisible(false);
    QVERIFY(!(f.board->registerByte(0x15) & 1));
    QVERIFY(!spot.isAlarmOn());
    spot.setVisible(true);
    QVERIFY(spot.isAlarmOn());
    spot.alarmHandler(20.0f);
    QVERIFY(f.board->registerByte(0x15) & 1);
}

void TestSpotWidget::alarmReadoutLines()
{
    TestRoot root;
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 2, false, true);
    spot.setTemp(QStringLiteral("8.5"));
    QCOMPARE(spot.name(), QStringLiteral("P2:8.5"));
    spot.openAlarm(true, 10.0f, ESpotWidget::AlarmBelow);
    QCOMPARE(spot.name(), QStringLiteral("P2:8.5\n AT:10.0B"));
    EGlobal::setSystemTempUnit(1);
    spot.updateAlarmPara();
    QCOMPARE(spot.name(), QStringLiteral("P2:8.5\n AT:50.0B"));
    spot.openAlarm(true, 10.0f, 7);
    QCOMPARE(spot.name(), QString());
}

// Every blink runs on the spot's one timer; a second blink restarts the
// count instead of racing a second timer.
void TestSpotWidget::blinkReusesOneTimer()
{
    TestRoot root;
    QGraphicsScene scene;
    ESpotWidget spot(&scene, nullptr, 1, false, true);
    spot.setVisible(true);
    spot.blink(3);
    spot.slot_blink();
    QVERIFY(!spot.marker()->isVisible());
    spot.blink(1);
    QCOMPARE(spot.findChildren<QTimer *>().size(), 1);
    // The count restarts from the spot's visible flag: one off-on cycle,
    // then the timer stops with the marker shown.
    spot.slot_blink();
    QVERIFY(!spot.marker()->isVisible());
    spot.slot_blink();
    QVERIFY(spot.marker()->isVisible());
    QVERIFY(spot.isBlinking());
    spot.slot_blink();
    QVERIFY(!spot.isBlinking());
    QVERIFY(spot.marker()->isVisible());
}

QTEST_MAIN(TestSpotWidget)
#include "tst_spotwidget.moc"
