#include "intervals.h"
#include "powerfixture.h"
#include "simulatedclock.h"
#include "zpshutdown.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestZPshutdown : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void slide_data();
    void slide();
    void afterASlideTheKnobIsDone();
    void powerKeyHeldOn();
    void cancelButton();
    void timeFollowsTheClockDateDoesNot();
    void textsShowWhole_data();
    void textsShowWhole();
    void refusedDuringAFlashRunGoesBackToIdle();

private:
    void drag(ZPshutdown &screen, const QPoint &press, const QList<QPoint> &moves, const QPoint &release);

    std::unique_ptr<PowerFixture> m_power;
};

void TestZPshutdown::initTestCase()
{
    Intervals::setScale(0.001);
}

void TestZPshutdown::init()
{
    m_power = std::make_unique<PowerFixture>();
}

void TestZPshutdown::cleanup()
{
    m_power.reset();
}

void TestZPshutdown::drag(ZPshutdown &screen, const QPoint &press, const QList<QPoint> &moves, const QPoint &release)
{
    QTest::mousePress(&screen, Qt::LeftButton, {}, press);
    for (const QPoint &p : moves)
        QTest::mouseMove(&screen, p);
    QTest::mouseRelease(&screen, Qt::LeftButton, {}, release);
}

void TestZPshutdown::slide_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("knobX");
    QTest::addColumn<bool>("armed");

    QTest::newRow("press right of the knob") << QPoint(100, 190) << QList<QPoint>{QPoint(180, 190)} << QPoint(180, 190)
                                             << 17 << false;
    QTest::newRow("press above the band") << QPoint(40, 140) << QList<QPoint>{QPoint(180, 140)} << QPoint(180, 140)
                                          << 17 << false;
    QTest::newRow("let go half way") << QPoint(40, 190) << QList<QPoint>{QPoint(120, 190)} << QPoint(120, 190) << 17
                                     << false;
    QTest::newRow("slid to the end") << QPoint(40, 190) << QList<QPoint>{QPoint(120, 190), QPoint(180, 190)}
                                     << QPoint(180, 190) << 170 << true;
    // A finger slipping off the band is no slide.
    QTest::newRow("slipped off upwards") << QPoint(40, 190) << QList<QPoint>{} << QPoint(40, 100) << 17 << false;
    QTest::newRow("slipped off half way") << QPoint(40, 190) << QList<QPoint>{QPoint(120, 190), QPoint(130, 100)}
                                          << QPoint(130, 100) << 17 << false;
    QTest::newRow("released far right without travel") << QPoint(40, 190) << QList<QPoint>{} << QPoint(200, 190)
                                                        << 17 << false;
    QTest::newRow("reached the end, then left the band")
        << QPoint(40, 190) << QList<QPoint>{QPoint(190, 190), QPoint(200, 100)} << QPoint(200, 100) << 170 << true;
}

void TestZPshutdown::slide()
{
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, release);
    QFETCH(int, knobX);
    QFETCH(bool, armed);

    ZPshutdown screen;
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    drag(screen, press, moves, release);
    QCOMPARE(screen.knob()->pos(), QPoint(knobX, ZPshutdown::KnobY));
    QCOMPARE(screen.isArmed(), armed);
    QCOMPARE(screen.tickTimer()->interval(), Intervals::ms(ZPshutdown::TickMs));

    screen.update_time();
    QCOMPARE(PowerOff::instance()->isRunning(), armed);
    QVERIFY(!screen.isArmed());
    if (armed) {
        QVERIFY(!screen.cancelButton()->isEnabled());
        QTRY_VERIFY(PowerOff::instance()->isFinished());
        QVERIFY(m_power->rebooted());
        QVERIFY(m_power->device->powerCut());
    }
}

void TestZPshutdown::afterASlideTheKnobIsDone()
{
    ZPshutdown screen;
    screen.show();
    drag(screen, QPoint(40, 190), {QPoint(180, 190)}, QPoint(180, 190));
    QVERIFY(screen.isSlid());
    drag(screen, QPoint(175, 190), {QPoint(60, 190)}, QPoint(60, 190));
    QCOMPARE(screen.knob()->pos(), QPoint(170, ZPshutdown::KnobY));
}

void TestZPshutdown::powerKeyHeldOn()
{
    ZPshutdown screen;
    screen.show();
    screen.KeyCloseWindow();
    QVERIFY(screen.shutdownLabel()->isVisible());
    QVERIFY(!screen.knob()->isEnabled());
    QVERIFY(!screen.cancelButton()->isEnabled());
    QCOMPARE(screen.tickTimer()->interval(), Intervals::ms(ZPshutdown::KeyTickMs));
    QVERIFY(!PowerOff::instance()->isRunning());
    screen.update_time();
    QVERIFY(PowerOff::instance()->isRunning());
    QTRY_VERIFY(PowerOff::instance()->isFinished());
    QVERIFY(m_power->rebooted());
}

void TestZPshutdown::cancelButton()
{
    ZPshutdown screen;
    screen.show();
    QSignalSpy cancelled(&screen, &ZPshutdown::cancel_shutdown_signal);
    QTest::mouseClick(screen.cancelButton(), Qt::LeftButton);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!PowerOff::instance()->isRunning());
}

void TestZPshutdown::timeFollowsTheClockDateDoesNot()
{
    m_power->root.clock()->setSystemTime(QDateTime(QDate(2026, 3, 31), QTime(23, 58, 30)));
    ZPshutdown screen;
    QCOMPARE(screen.timeLabel()->text(), QStringLiteral("23:58"));
    QCOMPARE(screen.dateLabel()->text(), QStringLiteral("2026/03/31"));
    m_power->root.clock()->setSystemTime(QDateTime(QDate(2026, 4, 1), QTime(0, 1, 0)));
    screen.update_time();
    QCOMPARE(screen.timeLabel()->text(), QStringLiteral("00:01"));
    QCOMPARE(screen.dateLabel()->text(), QStringLiteral("2026/03/31"));
}

void TestZPshutdown::textsShowWhole_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("time") << "time" << "00:00";
    QTest::newRow("date") << "date" << "2026/03/31";
    QTest::newRow("slide") << "slide" << "Slide to power off";
    QTest::newRow("shutdown") << "shutdown" << "Shutdown .....";
}

// Each text as the system gives it, whole inside its label; the slide
// text stays inside the track, between the knob and the track's end.
void TestZPshutdown::textsShowWhole()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    m_power->root.clock()->setSystemTime(QDateTime(QDate(2026, 3, 31), QTime(0, 0)));
    ZPshutdown screen;
    screen.show();
    const QMap<QString, QLabel *> labels{{"time", screen.timeLabel()},
                                         {"date", screen.dateLabel()},
                                         {"slide", screen.slideLabel()},
                                         {"shutdown", screen.shutdownLabel()}};
    QLabel *l = labels.value(label);
    QCOMPARE(l->text(), text);
    QVERIFY(QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->contentsRect().width());
    if (label == QLatin1String("slide")) {
        QCOMPARE(l->geometry(), QRect(75, 176, 140, 37));
        QVERIFY(l->geometry().right() < 226);
    }
}

void TestZPshutdown::refusedDuringAFlashRunGoesBackToIdle()
{
    PowerOff::instance()->setFlashRunning(true);
    ZPshutdown screen;
    screen.show();
    drag(screen, QPoint(40, 190), {QPoint(180, 190)}, QPoint(180, 190));
    QVERIFY(screen.isArmed());
    screen.update_time();
    QVERIFY(!PowerOff::instance()->isRunning());
    QVERIFY(!screen.isArmed());
    QCOMPARE(screen.knob()->pos(), QPoint(ZPshutdown::KnobHome, ZPshutdown::KnobY));
    QVERIFY(screen.cancelButton()->isEnabled());
    QVERIFY(m_power->device->events().isEmpty());
}

QTEST_MAIN(TestZPshutdown)
#include "tst_zpshutdown.moc"
