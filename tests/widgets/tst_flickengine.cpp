#include "ecolorflickcharm.h"
#include "ecolorflickcharmtext.h"
#include "eflickcharmtext.h"
#include "emisstextitem.h"
#include "esetupflickcharm.h"
#include "flickcharm.h"
#include "testroot.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Sits behind the charm on the viewport and records what the charm lets
// through to the view.
class PassedEvents : public QObject
{
public:
    struct Seen
    {
        QEvent::Type type;
        bool spontaneous;
        QPoint pos;
    };
    QList<Seen> seen;

    int replayed(QEvent::Type type) const
    {
        int n = 0;
        for (const Seen &s : seen)
            n += s.type == type && !s.spontaneous;
        return n;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            seen.append({event->type(), event->spontaneous(), mouse->position().toPoint()});
        }
        return false;
    }
};

// One list screen: a view of rows 269x30 under a charm, with a pointer
// position the test moves by hand.
template <typename Charm>
struct ListFixture
{
    QGraphicsScene scene;
    QGraphicsView view;
    Charm charm;
    PassedEvents passed;
    QPoint cursor;
    QStringList reports;

    explicit ListFixture(int sceneHeight)
    {
        scene.setSceneRect(0, 0, 269, sceneHeight);
        view.setScene(&scene);
        view.setFrameShape(QFrame::NoFrame);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.resize(269, 240);
        view.viewport()->installEventFilter(&passed);
        charm.activateOn(&view);
        charm.setPointerSource([this] { return cursor; });
        auto note = [this](const char *tag) {
            return [this, tag](const QString &text, int index) {
                reports << QStringLiteral("%1:%2:%3").arg(QLatin1String(tag), text).arg(index);
            };
        };
        QObject::connect(&charm, &Charm::clickedPressed, note("P"));
        QObject::connect(&charm, &Charm::clickedMoved, note("M"));
        QObject::connect(&charm, &Charm::clickedReleased, note("R"));
        QObject::connect(&charm, &Charm::sliderHide, [this] { reports << QStringLiteral("H"); });
        view.show();
        QCoreApplication::processEvents();
        view.verticalScrollBar()->setValue(0); // a view opens centred on a long scene
    }

    QWidget *viewport() { return view.viewport(); }
    int offset() { return view.verticalScrollBar()->value(); }
    int state() { return charm.record(&view)->state; }

    void send(QWidget *target, QEvent::Type type, const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, modifiers);
        QSpontaneKeyEvent::setSpontaneous(&event);
        qApp->notify(target, &event);
    }
    void press(const QPoint &pos, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        send(viewport(), QEvent::MouseButtonPress, pos, button, button, modifiers);
    }
    void move(const QPoint &pos) { send(viewport(), QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton); }
    void release(const QPoint &pos) { send(viewport(), QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton); }
    int glideToRest(int bound = 200)
    {
        int ticks = 0;
        while (charm.isTicking() && ticks < bound) {
            charm.tick();
            ++ticks;
        }
        return ticks;
    }
};

QPoint point(const QStringList &parts, int at)
{
    return QPoint(parts.value(at).toInt(), parts.value(at + 1).toInt());
}

} // namespace

class TestFlickEngine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void slowDown_data();
    void slowDown();
    void touchSequences_data();
    void touchSequences();
    void tapReachesViewOnceAtTappedPoint();
    void fastFlickGlideIsBounded();
    void onlyRowsOfTheCharmsClassCount();
    void rowDeletedBetweenPressAndRelease();
    void colorCharmSettingCellAndEmptyRows();
    void emissivityCharmReadsEmissRows();
    void activateOnPlainWidgetWarns();
    void activateTwiceKeepsOneRecord();
    void viewDestroyedBeforeCharm();
    void randomGesturesAlwaysComeToRest();

private:
    TestRoot *m_root = nullptr;
};

void TestFlickEngine::init()
{
    m_root = new TestRoot;
}

void TestFlickEngine::cleanup()
{
    delete m_root;
}

void TestFlickEngine::slowDown_data()
{
    QTest::addColumn<QPoint>("velocity");
    QTest::addColumn<QPoint>("slowed");
    QTest::newRow("rest") << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("one down") << QPoint(0, 1) << QPoint(0, 0);
    QTest::newRow("one up") << QPoint(0, -1) << QPoint(0, 0);
    QTest::newRow("ten") << QPoint(10, -10) << QPoint(9, -9);
    QTest::newRow("limit") << QPoint(64, -64) << QPoint(63, -63);
    QTest::newRow("above limit") << QPoint(500, -900) << QPoint(63, -63);
}

void TestFlickEngine::slowDown()
{
    QFETCH(QPoint, velocity);
    QFETCH(QPoint, slowed);
    QCOMPARE(FlickEngine::slowDown(velocity), slowed);
}

void TestFlickEngine::touchSequences_data()
{
    // Steps: "p x y" press, "pr"/"ps" press with the right button / Shift,
    // "m x y" move, "r x y" release, "c x y" pointer position, "t" one tick,
    // "T" tick until the ticker stops. Rows are 30 high: y 45 is row 1.
    // The first move only turns the press into a drag; later moves scroll.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("reports");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("taps");

    QTest::newRow("tap") << "p 50 45; r 50 45" << "P:Row 1:1 R:Row 1:1" << 0 << 0 << 1;
    QTest::newRow("right button passes") << "pr 50 45; r 50 45" << "" << 0 << 0 << 0;
    QTest::newRow("shift passes") << "ps 50 45; r 50 45" << "" << 0 << 0 << 0;
    QTest::newRow("second press while down passes") << "p 50 45; p 60 75; r 50 45" << "P:Row 1:1 R:Row 1:1" << 0 << 0 << 1;
    QTest::newRow("drag follows the finger") << "p 50 200; c 0 0; m 50 180; m 50 150" << "P:Row 6:6 M:Row 6:6" << 2 << 50 << 0;
    QTest::newRow("drag then flick glides")
        << "p 50 200; c 0 0; m 50 160; m 50 150; c 0 -10; t; r 50 150; T" << "P:Row 6:6 M:Row 6:6 H" << 0 << 95 << 0;
    QTest::newRow("glide in progress") << "p 50 200; c 0 0; m 50 160; m 50 150; c 0 -10; t; r 50 150; t"
                                       << "P:Row 6:6 M:Row 6:6 H" << 3 << 59 << 0;
    QTest::newRow("finger rests before lifting")
        << "p 50 200; c 0 0; m 50 160; m 50 150; t; r 50 150; T" << "P:Row 6:6 M:Row 6:6 H" << 0 << 50 << 0;
    QTest::newRow("release before first tick") << "p 50 200; c 0 0; m 50 160; m 50 150; r 50 150; T"
                                               << "P:Row 6:6 M:Row 6:6 H" << 0 << 50 << 0;
    QTest::newRow("press stops glide, no click")
        << "p 50 200; c 0 0; m 50 160; m 50 150; c 0 -10; t; r 50 150; t; p 50 45; r 50 45"
        << "P:Row 6:6 M:Row 6:6 H P:Row 3:3 R:Row 3:3" << 0 << 59 << 0;
    QTest::newRow("stopped glide drags from the new press")
        << "p 50 200; c 0 0; m 50 160; m 50 150; c 0 -10; t; r 50 150; t; p 50 45; c 0 0; m 50 35; m 50 25"
        << "P:Row 6:6 M:Row 6:6 H P:Row 3:3 M:Row 3:3" << 2 << 79 << 0;
    QTest::newRow("release during glide rests") << "p 50 200; c 0 0; m 50 160; m 50 150; c 0 -10; t; r 50 150; t; r 50 45"
                                                << "P:Row 6:6 M:Row 6:6 H" << 0 << 59 << 0;
    QTest::newRow("flick into the end") << "p 50 200; c 0 0; m 50 30; m 50 20; c 0 -60; t; r 50 20; T"
                                        << "P:Row 6:6 M:Row 6:6 H" << 0 << 360 << 0;
    QTest::newRow("sideways drag does not scroll") << "p 50 100; c 0 0; m 150 100; c 30 0; t; r 150 100; t"
                                                   << "P:Row 3:3 M:Row 3:3 H" << 3 << 0 << 0;
    QTest::newRow("sideways glide runs down") << "p 50 100; c 0 0; m 150 100; c 30 0; t; r 150 100; T"
                                              << "P:Row 3:3 M:Row 3:3 H" << 0 << 0 << 0;
    QTest::newRow("drag up scrolls back") << "p 50 100; c 0 0; m 50 0; m 50 160" << "P:Row 3:3 M:Row 3:3" << 2 << 0 << 0;
}

void TestFlickEngine::touchSequences()
{
    QFETCH(QString, steps);
    QFETCH(QString, reports);
    QFETCH(int, state);
    QFETCH(int, offset);
    QFETCH(int, taps);
    ListFixture<ESetupFlickCharm> list(600);
    for (int i = 0; i < 20; ++i)
        list.scene.addItem(new EFlickCharmText(QStringLiteral("Row %1").arg(i), i, 269, 30));
    for (const QString &step : steps.split(QLatin1Char(';'))) {
        const QStringList parts = step.trimmed().split(QLatin1Char(' '));
        const QString op = parts.value(0);
        if (op == QLatin1String("p"))
            list.press(point(parts, 1));
        else if (op == QLatin1String("pr"))
            list.press(point(parts, 1), Qt::RightButton);
        else if (op == QLatin1String("ps"))
            list.press(point(parts, 1), Qt::LeftButton, Qt::ShiftModifier);
        else if (op == QLatin1String("m"))
            list.move(point(parts, 1));
        else if (op == QLatin1String("r"))
            list.release(point(parts, 1));
        else if (op == QLatin1String("c"))
            list.cursor = point(parts, 1);
        else if (op == QLatin1String("t"))
            list.charm.tick();
        else if (op == QLatin1String("T"))
            QVERIFY(list.glideToRest() < 200);
        else
            QFAIL(qPrintable(QStringLiteral("bad step ") + step));
    }
    QCoreApplication::processEvents();
    QCOMPARE(list.reports.join(QLatin1Char(' ')), reports);
    QCOMPARE(list.state(), state);
    QCOMPARE(list.offset(), offset);
    QCOMPARE(list.passed.replayed(QEvent::MouseButtonPress), taps);
    QCOMPARE(list.passed.replayed(QEvent::MouseButtonRelease), taps);
    QVERIFY(list.charm.record(&list.view)->passThrough.isEmpty());
}

void TestFlickEngine::tapReachesViewOnceAtTappedPoint()
{
    ListFixture<ESetupFlickCharm> list(600);
    for (int i = 0; i < 20; ++i)
        list.scene.addItem(new EFlickCharmText(QStringLiteral("Row %1").arg(i), i, 269, 30));
    list.press(QPoint(40, 75));
    list.release(QPoint(44, 77));
    QVERIFY(list.passed.seen.isEmpty()); // both taken
    QCOMPARE(list.reports, QStringList({"P:Row 2:2", "R:Row 2:2"}));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(list.passed.seen.size(), 2);
    QCOMPARE(list.passed.seen.at(0).type, QEvent::MouseButtonPress);
    QCOMPARE(list.passed.seen.at(0).pos, QPoint(40, 75));
    QCOMPARE(list.passed.seen.at(1).type, QEvent::MouseButtonRelease);
    QCOMPARE(list.passed.seen.at(1).pos, QPoint(44, 77));
    QCOMPARE(list.state(), int(FlickData::Steady)); // the replay did not start a new press
    QCOMPARE(list.reports.size(), 2);
}

void TestFlickEngine::fastFlickGlideIsBounded()
{
    ListFixture<ESetupFlickCharm> list(5000);
    for (int i = 0; i < 160; ++i)
        list.scene.addItem(new EFlickCharmText(QStringLiteral("Row %1").arg(i), i, 269, 30));
    list.press(QPoint(50, 230));
    list.cursor = QPoint(0, 0);
    list.move(QPoint(50, 40));
    QVERIFY(list.charm.isTicking());
    list.move(QPoint(50, 30));
    list.cursor = QPoint(0, -400);
    list.charm.tick();
    list.release(QPoint(50, 30));
    QCOMPARE(list.reports.last(), QStringLiteral("H"));
    int previous = list.offset();
    QCOMPARE(previous, 200);
    int expectedStep = 63;
    int ticks = 0;
    while (list.charm.isTicking()) {
        list.charm.tick();
        ++ticks;
        QVERIFY(ticks <= 65);
        const int step = list.offset() - previous;
        QCOMPARE(step, qMax(0, expectedStep));
        --expectedStep;
        previous = list.offset();
    }
    QCOMPARE(list.offset(), 200 + 2016);
    QCOMPARE(list.state(), int(FlickData::Steady));
    QVERIFY(ticks <= 65); // 64 gliding ticks and the one that finds nothing to do
}

void TestFlickEngine::onlyRowsOfTheCharmsClassCount()
{
    ListFixture<ESetupFlickCharm> list(600);
    list.scene.addItem(new EFlickCharmText(QStringLiteral("Row 0"), 0, 269, 30));
    auto *foreign = new EmissTextItem(QStringLiteral("Water"), 0.96f, 3);
    foreign->setPos(0, 90);
    list.scene.addItem(foreign);
    list.press(QPoint(50, 100)); // on the foreign item
    list.release(QPoint(50, 100));
    QVERIFY(list.reports.isEmpty());
    // A decoration above a row does not hide the row.
    list.scene.addRect(0, 0, 269, 30)->setZValue(5);
    list.press(QPoint(50, 10));
    list.release(QPoint(50, 10));
    QCOMPARE(list.reports, QStringList({"P:Row 0:0", "R:Row 0:0"}));
}

void TestFlickEngine::rowDeletedBetweenPressAndRelease()
{
    {
        ListFixture<ESetupFlickCharm> list(600);
        auto *row = new EFlickCharmText(QStringLiteral("Row 0"), 0, 269, 30);
        list.scene.addItem(row);
        list.press(QPoint(50, 10));
        delete row; // the screen rebuilds its list meanwhile
        list.cursor = QPoint(0, 0);
        list.move(QPoint(50, 40));
        list.release(QPoint(50, 40));
        QCOMPARE(list.reports, QStringList({"P:Row 0:0", "H"}));
    }
    {
        ListFixture<EColorFlickCharm> list(600);
        auto *row = new EColorFlickCharmText(QStringLiteral("Mine"), 0, 269, 30);
        list.scene.addItem(row);
        list.press(QPoint(50, 10));
        delete row;
        list.release(QPoint(50, 10));
        QCOMPARE(list.reports, QStringList({"P:Mine:0", "R::-1"}));
    }
}

void TestFlickEngine::colorCharmSettingCellAndEmptyRows()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^mouse press x:\\d+ y:\\d+$")));
    ListFixture<EColorFlickCharm> list(240);
    QStringList settings;
    QObject::connect(&list.charm, &EColorFlickCharm::settingPressed,
                     [&](const QString &t, int i) { settings << QStringLiteral("SP:%1:%2").arg(t).arg(i); });
    QObject::connect(&list.charm, &EColorFlickCharm::settingReleased,
                     [&](const QString &t, int i) { settings << QStringLiteral("SR:%1:%2").arg(t).arg(i); });
    for (int i = 0; i < 3; ++i) {
        auto *row = new EColorFlickCharmText(QStringLiteral("Palette %1").arg(i), i, 269, 30);
        row->setPos(0, 30 * i);
        list.scene.addItem(row);
    }
    list.press(QPoint(233, 40));
    list.release(QPoint(233, 40));
    QCOMPARE(list.reports, QStringList({"P:Palette 1:1", "R:Palette 1:1"}));
    QVERIFY(settings.isEmpty());
    list.reports.clear();

    list.press(QPoint(234, 40));
    list.release(QPoint(100, 40)); // the press decides, not the release
    QVERIFY(list.reports.isEmpty());
    QCOMPARE(settings, QStringList({"SP:Palette 1:1", "SR:Palette 1:1"}));
    settings.clear();

    list.press(QPoint(250, 150)); // below the last row
    list.release(QPoint(250, 150));
    QCOMPARE(list.reports, QStringList({"P::-1", "R::-1"}));
    QVERIFY(settings.isEmpty());
}

void TestFlickEngine::emissivityCharmReadsEmissRows()
{
    ListFixture<FlickCharm> list(600);
    for (int i = 0; i < 20; ++i) {
        auto *row = new EmissTextItem(QStringLiteral("Material %1").arg(i), 0.9f, i);
        row->setPos(0, 30 * i);
        list.scene.addItem(row);
    }
    auto *other = new EFlickCharmText(QStringLiteral("Other"), 0, 269, 30);
    other->setPos(0, 100); // under the press, but not a row of this list
    other->setZValue(1);
    list.scene.addItem(other);
    list.press(QPoint(20, 100));
    list.release(QPoint(20, 100));
    QCOMPARE(list.reports, QStringList({"P:Material 3:3", "R:Material 3:3"}));
}

void TestFlickEngine::activateOnPlainWidgetWarns()
{
    QWidget plain;
    for (const char *first : {"FlickCharm", "ESetupFlickCharm", "EColorFlickCharm"}) {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("%1 only works on QAbstractScrollArea (and derived classes)")
                                            .arg(QLatin1String(first))));
        QTest::ignoreMessage(QtWarningMsg, "or QWebView (and derived classes)");
    }
    FlickCharm a;
    ESetupFlickCharm b;
    EColorFlickCharm c;
    a.activateOn(&plain);
    b.activateOn(&plain);
    c.activateOn(&plain);
    QVERIFY(!a.record(&plain));
    b.deactivateFrom(&plain); // nothing to do, says nothing
}

void TestFlickEngine::activateTwiceKeepsOneRecord()
{
    ListFixture<ESetupFlickCharm> list(600);
    list.scene.addItem(new EFlickCharmText(QStringLiteral("Row 0"), 0, 269, 30));
    list.press(QPoint(50, 10));
    list.charm.activateOn(&list.view);
    QCOMPARE(list.state(), int(FlickData::Steady));
    QCOMPARE(list.view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    list.reports.clear();
    list.press(QPoint(50, 10));
    list.release(QPoint(50, 10));
    QCOMPARE(list.reports, QStringList({"P:Row 0:0", "R:Row 0:0"}));
    // Events sent to the area itself are not the charm's.
    list.send(&list.view, QEvent::MouseButtonPress, QPoint(50, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(list.state(), int(FlickData::Steady));
    list.charm.deactivateFrom(&list.view);
    QVERIFY(!list.charm.record(&list.view));
    list.press(QPoint(50, 10));
    QCOMPARE(list.reports.size(), 2);
}

void TestFlickEngine::viewDestroyedBeforeCharm()
{
    ESetupFlickCharm charm;
    QPoint cursor;
    charm.setPointerSource([&] { return cursor; });
    auto *view = new QGraphicsView;
    QGraphicsScene scene(0, 0, 269, 600);
    view->setScene(&scene);
    charm.activateOn(view);
    QWidget *viewport = view->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 50), QPointF(10, 50), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QVERIFY(charm.isTicking());
    delete view;
    charm.tick(); // must not touch the dead view
    QVERIFY(!charm.isTicking());
}

void TestFlickEngine::randomGesturesAlwaysComeToRest()
{
    ListFixture<ESetupFlickCharm> list(1200);
    for (int i = 0; i < 40; ++i)
        list.scene.addItem(new EFlickCharmText(QStringLiteral("Row %1").arg(i), i, 269, 30));
    QRandomGenerator random(20240611);
    int taps = 0;
    int pressedReports = 0;
    QObject::connect(&list.charm, &ESetupFlickCharm::clickedPressed, [&] { ++pressedReports; });
    auto somewhere = [&] { return QPoint(random.bounded(269), random.bounded(240)); };
    for (int step = 0; step < 4000; ++step) {
        const int before = list.state();
        switch (random.bounded(9)) {
        case 0:
        case 1:
            list.press(somewhere());
            break;
        case 2:
            list.press(somewhere(), random.bounded(2) ? Qt::RightButton : Qt::LeftButton,
                       random.bounded(2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 3:
        case 4:
            list.move(somewhere());
            break;
        case 5:
            if (before == FlickData::Pressed)
                ++taps;
            list.release(somewhere());
            break;
        case 6:
            list.cursor = QPoint(random.bounded(-300, 300), random.bounded(-300, 300));
            break;
        case 7:
            list.charm.tick();
            break;
        default:
            QCoreApplication::processEvents();
            break;
        }
        const int state = list.state();
        QVERIFY2(state >= FlickData::Steady && state <= FlickData::Stop, qPrintable(QString::number(step)));
        QVERIFY(list.offset() >= 0 && list.offset() <= 1200 - 240);
    }
    // Lift the finger and let any glide run out.
    if (list.state() == FlickData::Pressed)
        ++taps;
    list.release(QPoint(10, 10));
    QVERIFY(list.glideToRest() < 200);
    QCoreApplication::processEvents();
    QCOMPARE(list.state(), int(FlickData::Steady));
    QVERIFY(!list.charm.isTicking());
    QVERIFY(list.charm.record(&list.view)->passThrough.isEmpty());
    // Every tap reached the view exactly once, as one press and one release.
    QVERIFY(taps > 0);
    QCOMPARE(list.passed.replayed(QEvent::MouseButtonPress), taps);
    QCOMPARE(list.passed.replayed(QEvent::MouseButtonRelease), taps);
    QVERIFY(pressedReports > 0);
}

QTEST_MAIN(TestFlickEngine)
#include "tst_flickengine.moc"
