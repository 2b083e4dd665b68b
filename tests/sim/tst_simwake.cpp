#include "eglobal.h"
#include "egraphicsview.h"
#include "ekeyboardfilter.h"
#include "etoolwidget.h"
#include "idlewatcher.h"
#include "indicator.h"
#include "livescreen.h"
#include "screentouch.h"
#include "simcardslot.h"

#include <QSettings>
#include <QtTest>

// Waking the simulated camera's screen with a key, as it was dimmed or
// darkened: by the idle timer or by a short press of P. The start-up's
// key filter and screen saver, real key events on the screen's window;
// the screens are written as PNGs when OSTREL_SCREENS_DIR is set.
class TestSimWake : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void snapshotKeyOnlyWakes_data();
    void snapshotKeyOnlyWakes();

private:
    void click(Qt::Key key);
    int indicators() const;

    LiveScreen m_sim;
};

void TestSimWake::init()
{
    m_sim.keepScreenSaver = true;
    m_sim.start(true, [] {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        settings.setValue(QStringLiteral("CloseScreenPeriod"), 60000);
        settings.setValue(QStringLiteral("BrightConfig"), 183);
    });
}

void TestSimWake::cleanup()
{
    m_sim.stop();
}

void TestSimWake::click(Qt::Key key)
{
    QTest::keyPress(m_sim.screen->windowHandle(), key);
    QTest::keyRelease(m_sim.screen->windowHandle(), key);
}

int TestSimWake::indicators() const
{
    return int(m_sim.live->view()->findChildren<Indicator *>().size());
}

void TestSimWake::snapshotKeyOnlyWakes_data()
{
    QTest::addColumn<QString>("darkened");
    QTest::newRow("timer dim") << "timer dim";
    QTest::newRow("timer off") << "timer off";
    QTest::newRow("short P") << "short P";
}

// S with the card out: on a lit screen the no-card picture; on a sleeping
// one, only the screen coming back.
void TestSimWake::snapshotKeyOnlyWakes()
{
    QFETCH(QString, darkened);
    const QString name = darkened.replace(QLatin1Char(' '), QLatin1Char('_'));
    EToolWidget *bar = EGlobal::getToolBar();
    QVERIFY(m_sim.simulator->cardSlot()->writeCard(1));
    QTRY_VERIFY(!bar->SDCardStatus());
    IdleWatcher *idle = IdleWatcher::instance();
    idle->setIntervalMs(3600000);

    if (name == QLatin1String("short_P")) {
        click(Qt::Key_P);
    } else {
        idle->idleTimeout();
        QCOMPARE(m_sim.screen->backlight(), 4096);
        if (name == QLatin1String("timer_off"))
            QMetaObject::invokeMethod(bar->screenOffTimer(), "timeout");
    }
    QCOMPARE(m_sim.screen->panelOn(), name == QLatin1String("timer_dim"));
    ScreenTouch::save(m_sim.screen.get(), QStringLiteral("wake_%1_asleep.png").arg(name));

    click(Qt::Key_S);
    QVERIFY(m_sim.screen->panelOn());
    QCOMPARE(m_sim.screen->backlight(), EToolWidget::wakePwm(183));
    QVERIFY(!bar->isScreenDimmed());
    QCOMPARE(indicators(), 0);
    QVERIFY(bar->isVisible());
    ScreenTouch::save(m_sim.screen.get(), QStringLiteral("wake_%1_woken.png").arg(name));

    click(Qt::Key_S);
    QCOMPARE(indicators(), 1);
    ScreenTouch::save(m_sim.screen.get(), QStringLiteral("wake_%1_next_key.png").arg(name));
}

QTEST_MAIN(TestSimWake)
#include "tst_simwake.moc"
