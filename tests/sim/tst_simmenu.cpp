#include "cvmainwindow.h"
#include "eanalysistab.h"
#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "ekeyboardfilter.h"
#include "elistitems.h"
#include "emaininterface.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "eupdateepcsinterface.h"
#include "fontfamilies.h"
#include "freespace.h"
#include "intervals.h"
#include "livescreen.h"
#include "paths.h"
#include "screentouch.h"
#include "smaplayer.h"
#include "thumbmenu.h"
#include "zpshutdown.h"

#include <QFile>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

// The main menu and the camera keys as `ostrel --simulate` has them: a
// touch on the bare picture shows the menu, each tile opens its page and
// the pages come back, areas are dragged and resized with a finger, and the
// letter keys act. encoder-sim logs the commands. With OSTREL_SCREENS_DIR
// set each state is written as a PNG.
class TestSimMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void menuAndTiles();
    void dragAndResizeAnArea();
    void letterKeys();

private:
    void touchScreen(const QPoint &at);
    void finger(QWidget *target);
    void hold(Qt::Key key, QTimer *timer, int ticks);
    QByteArray encoderLog() const;
    void save(const char *name);
    EGraphicsView &view() { return *m_sim.live->view(); }
    EMainInterface &menu() { return *m_sim.live->menu(); }

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

void TestSimMenu::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    QTRY_VERIFY(EGlobal::getAnalysisTab() && EGlobal::getSetupWindow() && EGlobal::getImageTab());
    m_finger = QTest::createTouchDevice();
}

void TestSimMenu::cleanupTestCase()
{
    FreeSpace::setScript(nullptr);
    m_sim.stop();
}

QByteArray TestSimMenu::encoderLog() const
{
    QFile log(Paths::resolve(QStringLiteral("/tmp/encoder-sim.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

void TestSimMenu::save(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), QLatin1String(name));
}

// One finger on the live picture, through the screen's window.
void TestSimMenu::touchScreen(const QPoint &at)
{
    QTest::touchEvent(m_sim.screen->windowHandle(), m_finger).press(0, at);
    QTest::touchEvent(m_sim.screen->windowHandle(), m_finger).release(0, at);
}

// One finger on a widget of a popup or page, through its own window.
void TestSimMenu::finger(QWidget *target)
{
    QVERIFY(target);
    QWidget *window = target->window();
    const QPoint at = target->mapTo(window, target->rect().center());
    QTest::touchEvent(window->windowHandle(), m_finger).press(0, at);
    QTest::touchEvent(window->windowHandle(), m_finger).release(0, at);
}

// A camera key held for ticks of its timer, each tick driven through the
// timer (on the camera a second), then released.
void TestSimMenu::hold(Qt::Key key, QTimer *timer, int ticks)
{
    QTest::keyPress(m_sim.screen->windowHandle(), key);
    for (int i = 0; i < ticks && timer->isActive(); ++i)
        QMetaObject::invokeMethod(timer, "timeout");
    QTest::keyRelease(m_sim.screen->windowHandle(), key);
}

void TestSimMenu::menuAndTiles()
{
    const QPoint bare(250, 150);
    touchScreen(bare);
    QVERIFY(menu().isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&menu()));
    save("menu.png");

    // Measure: the analysis panel; a touch beside it closes it.
    finger(menu().tile(QStringLiteral("Analysis")));
    QVERIFY(!menu().isVisible());
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(0, 60));
    save("menu_measure.png");
    touchScreen(bare);
    QVERIFY(!panel->isVisible());

    // Photo: the browser over the screen; its exit brings the live view back.
    touchScreen(bare);
    finger(menu().tile(QStringLiteral("Photo")));
    ThumbMenu *photos = menu().photoBrowser();
    QVERIFY(photos && photos->isVisible());
    QVERIFY(!view().isVisibled());
    QVERIFY(QTest::qWaitForWindowExposed(photos));
    save("menu_photo.png");
    finger(photos->exitButton());
    QTRY_VERIFY(!menu().photoBrowser());
    QVERIFY(view().isVisibled());

    // Play: the video browser; its exit too.
    touchScreen(bare);
    finger(menu().tile(QStringLiteral("Play")));
    Smaplayer *videos = menu().videoBrowser();
    QVERIFY(videos && videos->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(videos));
    save("menu_play.png");

    finger(videos->exitButton());
    QTRY_VERIFY(!videos->isVisible());
    QVERIFY(view().isVisibled());

    // Settings: the setup window under the status bar; back returns.
    touchScreen(bare);
    finger(menu().tile(QStringLiteral("Config")));
    ESetupWindow *setup = EGlobal::getSetupWindow();
    QVERIFY(setup->isVisible());
    QCOMPARE(setup->geometry(), QRect(0, 16, 320, 225));
    QVERIFY(QTest::qWaitForWindowExposed(setup));
    save("menu_settings.png");
    finger(setup->listItems()->backButton());
    QVERIFY(!setup->isVisible());
    QVERIFY(view().isVisibled());

    // Camera: the capture panel at the bottom; while it is shown the
    // picture takes no touches.
    touchScreen(bare);
    finger(menu().tile(QStringLiteral("Camera")));
    CvmainWindow *capture = EGlobal::get_cvmainwindow();
    QVERIFY(capture->isVisible());
    QCOMPARE(capture->pos(), QPoint(0, 200));
    touchScreen(bare);
    QVERIFY(!menu().isVisible());
    capture->hide();
    view().setVisibled(true);

    // What encoder-sim was told, in order.
    const QByteArray expected[] = {"resume start", "resume stop", "capture stop", "capture start", "resume start", "resume stop"};
    QTRY_VERIFY(encoderLog().contains("capture start"));
    QByteArray log = encoderLog();
    int from = 0;
    for (const QByteArray &command : expected) {
        const int at = int(log.indexOf(command, from));
        QVERIFY2(at >= 0, command.constData());
        from = at + int(command.size());
    }
}

void TestSimMenu::dragAndResizeAnArea()
{
    view().showArea(1, true);
    EAreaWidget *area = view().getAreaWidget(1);
    area->setWidth(60);
    area->setHeight(50);
    area->move(60, 80, 0);
    view().clearCurrentFocusWidget();
    QWindow *screen = m_sim.screen->windowHandle();
    // Grab it in the middle and drag it right and down.
    QTest::touchEvent(screen, m_finger).press(0, {90, 105});
    QTest::touchEvent(screen, m_finger).move(0, {120, 115});
    QTest::touchEvent(screen, m_finger).move(0, {150, 125});
    QCOMPARE(QPoint(area->getX(), area->getY()), QPoint(120, 100));
    save("menu_area_drag.png");
    QTest::touchEvent(screen, m_finger).release(0, {150, 125});
    // Its bottom-right corner out by 40 x 30.
    QTest::touchEvent(screen, m_finger).press(0, {176, 146});
    QCOMPARE(view().dragCorner(), 0);
    QTest::touchEvent(screen, m_finger).move(0, {216, 176});
    QCOMPARE(QSize(area->width(), area->height()), QSize(100, 80));
    save("menu_area_resize.png");
    QTest::touchEvent(screen, m_finger).release(0, {216, 176});
    // The top-left corner inward until the minimum.
    QTest::touchEvent(screen, m_finger).press(0, {124, 104});
    QCOMPARE(view().dragCorner(), 3);
    QTest::touchEvent(screen, m_finger).move(0, {224, 204});
    QTest::touchEvent(screen, m_finger).release(0, {224, 204});
    QCOMPARE(QRect(area->getX(), area->getY(), area->width(), area->height()), QRect(190, 150, 30, 30));
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    QCOMPARE(settings.value(QStringLiteral("Area_1/Position_xlt")).toInt(), 190);
    view().hideArea(1);
}

void TestSimMenu::letterKeys()
{
    EKeyboardFilter *keys = m_sim.live->keyFilter();
    // L: the lamp; held, the laser while held.
    hold(Qt::Key_L, keys->lampTimer(), 0);
    QVERIFY(view().toolBar()->lampIcon()->isVisible());
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_L);
    QMetaObject::invokeMethod(keys->lampTimer(), "timeout");
    QVERIFY(view().laserItem()->isVisible());
    save("keys_lamp_laser.png");
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_L);
    QVERIFY(!view().laserItem()->isVisible());

    // A held 2 s: manual level/span.
    hold(Qt::Key_A, keys->levelTimer(), 1);
    QCOMPARE(view().getLevelSpanMode(), MODE_MANUAL);
    hold(Qt::Key_A, keys->levelTimer(), 1);
    QCOMPARE(view().getLevelSpanMode(), MODE_AUTO);

    // S: a snapshot through encoder-sim and the save pipe; the picture
    // stays frozen until the save is done.
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    view().toolBar()->displaySDCard(true);
    hold(Qt::Key_S, keys->levelTimer(), 0);
    // The status bar itself is away while the photo is saved.
    QVERIFY(view().toolBar()->freezeIcon()->isVisibleTo(view().toolBar()));
    save("keys_snapshot.png");
    QTRY_VERIFY(encoderLog().contains("jpegenc start"));
    // Until encoder-sim answers "jpegsave" the save waits out its turns.
    QTRY_COMPARE_WITH_TIMEOUT(EGlobal::get_cvmainwindow()->get_Imagestate(), 0, 15000);
    QVERIFY(!view().toolBar()->getFreezeImageFlag());

    // P held 2 s: the slide screen; its cancel closes it.
    const double scale = Intervals::scale();
    Intervals::setScale(1.0);
    hold(Qt::Key_P, keys->powerTimer(), 2);
    ZPshutdown *slide = keys->shutdownScreen();
    QVERIFY(slide && slide->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(slide));
    save("keys_power_slide.png");
    finger(slide->cancelButton());
    QVERIFY(!keys->shutdownScreen());

    // P short: the screen goes dark; the next key only wakes it.
    hold(Qt::Key_P, keys->powerTimer(), 0);
    QVERIFY(!m_sim.screen->panelOn());
    save("keys_power_dark.png");
    hold(Qt::Key_L, keys->lampTimer(), 0);
    QVERIFY(m_sim.screen->panelOn());
    QVERIFY(view().toolBar()->lampIcon()->isVisible());

    // E held 5 s: the flash update, full screen.
    hold(Qt::Key_E, keys->flashTimer(), 5);
    EUpdateEPCSInterface *flash = view().flashDialog();
    QVERIFY(flash && flash->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(flash));
    save("keys_flash.png");
    flash->hide();
    Intervals::setScale(scale);
}

QTEST_MAIN(TestSimMenu)
#include "tst_simmenu.moc"
