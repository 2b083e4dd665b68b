#include "brightconfig.h"
#include "brightdialog.h"
#include "brightnesssetting.h"
#include "eclosescreendialog.h"
#include "edialogtitle.h"
#include "emiscpage.h"
#include "esetupcheckitem.h"
#include "esetupcombobox.h"
#include "esetupswitch.h"
#include "eshutdowndialog.h"
#include "eshutterdialog.h"
#include "filesizelimit.h"
#include "fingerevent.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "intervals.h"
#include "lcdscreensaver.h"
#include "messagechannel.h"
#include "settingssync.h"
#include "setupfixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <optional>

// The Control page and its dialogs against the status bar, the power nodes
// and the settings file: hostile stored values, the timer dialogs' Done
// with the idle interval, the brightness slider's backlight values, and
// the idle watcher's dimming, darkening and wake-up in scaled time.
class TestControlPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void hostileSettings_data();
    void hostileSettings();
    void lampSwitch();
    void lampNotStoredIsTold_data();
    void lampNotStoredIsTold();
    void timerDone_data();
    void timerDone();
    void tapThenCancelStoresNothing();
    void sliderTouches_data();
    void sliderTouches();
    void cancelAndEscapeRestore_data();
    void cancelAndEscapeRestore();
    void idleTable_data();
    void idleTable();
    void wakeBrightness_data();
    void wakeBrightness();

private:
    static void pressTitle(QWidget *dialog, const char *button);
};

void TestControlPage::cleanup()
{
    Intervals::setScale(1.0);
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    IdleWatcher::instance()->setIntervalMs(0);
}

void TestControlPage::pressTitle(QWidget *dialog, const char *button)
{
    auto *title = dialog->findChild<EDialogTitle *>();
    QVERIFY(title);
    auto *pushButton = title->findChild<QPushButton *>(QLatin1String(button));
    QVERIFY(pushButton);
    QTest::mouseClick(pushButton, Qt::LeftButton);
}

void TestControlPage::hostileSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("shown"); // brightness, shutter, screen off, power off
    QTest::addColumn<int>("shutterMs");     // -1 automatic, 0 stopped
    QTest::addColumn<QList<int>>("checked"); // rows checked in the three dialogs
    QTest::newRow("fresh") << QByteArray() << QStringList{"100%", " 1 m", "Off", "Off"} << 60000 << QList<int>{3, 0, 0};
    QTest::newRow("automatic") << QByteArray("AutoShutterIndex=0\nAutoShutterPeriod=-1\nBrightConfig=111\n")
                               << QStringList{"50%", "Auto", "Off", "Off"} << -1 << QList<int>{0, 0, 0};
    QTest::newRow("shutter off") << QByteArray("AutoShutterIndex=1\nAutoShutterPeriod=0\nBrightConfig=40\n")
                                 << QStringList{"1%", "Off", "Off", "Off"} << 0 << QList<int>{1, 0, 0};
    QTest::newRow("indices beyond the tables")
        << QByteArray("AutoShutterIndex=9\nAutoShutterPeriod=5\nCloseScreenIndex=4\nCloseScreenPeriod=60000\n"
                      "ShutdownIndex=77\nShutdownPeriod=600\n")
        << QStringList{"100%", " 1 m", "Off", "Off"} << 60000 << QList<int>{3, 0, 0};
    QTest::newRow("negative indices")
        << QByteArray("AutoShutterIndex=-1\nCloseScreenIndex=-3\nShutdownIndex=-2\n")
        << QStringList{"100%", " 1 m", "Off", "Off"} << 60000 << QList<int>{3, 0, 0};
    QTest::newRow("period that is no row") << QByteArray("AutoShutterIndex=2\nAutoShutterPeriod=1\n")
                                           << QStringList{"100%", "30 s", "Off", "Off"} << 30000 << QList<int>{2, 0, 0};
    QTest::newRow("not numbers")
        << QByteArray("AutoShutterIndex=x\nCloseScreenIndex=y\nShutdownIndex=z\nBrightConfig=bright\n")
        << QStringList{"100%", " 1 m", "Off", "Off"} << 60000 << QList<int>{3, 0, 0};
    QTest::newRow("valid timers") << QByteArray("CloseScreenIndex=3\nCloseScreenPeriod=300000\nShutdownIndex=2\n"
                                                "ShutdownPeriod=600\nBrightConfig=20\n")
                                  << QStringList{"0%", " 1 m", " 5 m", "10 m"} << 60000 << QList<int>{3, 3, 2};
    QTest::newRow("brightness beyond the track")
        << QByteArray("BrightConfig=500\n") << QStringList{"100%", " 1 m", "Off", "Off"} << 60000 << QList<int>{3, 0, 0};
}

void TestControlPage::hostileSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, shown);
    QFETCH(int, shutterMs);
    QFETCH(QList<int>, checked);
    SetupFixture world("[General]\n" + settings);
    EMiscPage page;
    page.show();
    QCOMPARE((QStringList{page.brightItem()->text(), page.shutterItem()->text(), page.closeScreenItem()->text(),
                          page.shutdownItem()->text()}),
             shown);
    EToolWidget *bar = world.bar();
    if (shutterMs == -1)
        QVERIFY(bar->isAutoShutter() && bar->shutterTimer()->isActive());
    else if (shutterMs == 0)
        QVERIFY(!bar->shutterTimer()->isActive());
    else
        QCOMPARE(bar->shutterPeriodMs(), shutterMs);

    ESetupComboBox *rows[] = {page.shutterItem(), page.closeScreenItem(), page.shutdownItem()};
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(rows[i], Qt::LeftButton);
        ETimerDialog *dialogs[] = {page.shutterDialog(), page.closeScreenDialog(), page.shutdownDialog()};
        ETimerDialog *dialog = dialogs[i];
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->current(), checked.at(i));
        int marks = 0;
        for (ESetupCheckItem *row : dialog->items())
            marks += row->checked() ? 1 : 0;
        QCOMPARE(marks, 1);
        QVERIFY(dialog->items().at(checked.at(i))->checked());
        pressTitle(dialog, "Cancel");
        QVERIFY(!dialog->isVisible());
    }
    QTest::mouseClick(page.brightItem(), Qt::LeftButton);
    QVERIFY(page.brightDialog()->isVisible());
    QCOMPARE(page.brightDialog()->slider()->value(), BrightnessSetting::stored());
    QVERIFY(page.brightDialog()->slider()->value() >= 38 && page.brightDialog()->slider()->value() <= 183);
    pressTitle(page.brightDialog(), "Cancel");
}

void TestControlPage::lampSwitch()
{
    SetupFixture world("[General]\nLamp=On\n");
    EMiscPage page;
    page.show();
    QVERIFY(!page.lampItem()->isOpen()); // letter case counts
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QVERIFY(page.lampItem()->isOpen());
    QCOMPARE(SetupFixture::stored("Lamp").toString(), QStringLiteral("on"));
    QVERIFY(world.bar()->lampIcon()->isVisibleTo(world.bar()));
    // While a dialog is up the switch stays.
    QTest::mouseClick(page.shutdownItem(), Qt::LeftButton);
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QVERIFY(page.lampItem()->isOpen());
    pressTitle(page.shutdownDialog(), "Cancel");
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QVERIFY(!page.lampItem()->isOpen());
    QCOMPARE(SetupFixture::stored("Lamp").toString(), QStringLiteral("off"));
    QVERIFY(!world.bar()->lampIcon()->isVisibleTo(world.bar()));
}

// Taps on the lamp switch while the settings file takes writes or not ('o'
// and 'x'), and something else hiding the live view's tip ('h'): the user is
// told at the first write of a failure streak, not at every one, and the
// streak ends with the first write that lands.
void TestControlPage::lampNotStoredIsTold_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<bool>>("tipShown"); // after each step
    QTest::newRow("stored: nothing to tell") << "o o" << QList<bool>{false, false};
    QTest::newRow("not stored: told") << "x" << QList<bool>{true};
    QTest::newRow("told once per streak") << "x h x x" << QList<bool>{true, false, false, false};
    QTest::newRow("a stored write ends the streak and takes the tip") << "x o" << QList<bool>{true, false};
    QTest::newRow("the next streak is told again") << "x o x" << QList<bool>{true, false, true};
}

void TestControlPage::lampNotStoredIsTold()
{
    QFETCH(QString, steps);
    QFETCH(QList<bool>, tipShown);
    SetupFixture world("[General]\nLamp=off\nLang=English\n");
    EMiscPage page;
    page.show();
    const QStringList list = steps.split(QLatin1Char(' '));
    QCOMPARE(list.size(), tipShown.size());
    bool open = false;
    for (int i = 0; i < list.size(); ++i) {
        const QString &step = list.at(i);
        if (step == QLatin1String("h")) {
            world.view->setTipsVisibled(false);
        } else {
            const bool writable = step == QLatin1String("o");
            {
                std::optional<FileSizeLimit> refused;
                if (!writable)
                    QVERIFY(refused.emplace().isSet());
                QTest::mouseClick(page.lampItem(), Qt::LeftButton);
            }
            open = !open;
            QCOMPARE(page.lampItem()->isOpen(), open);
            if (writable)
                QCOMPARE(SetupFixture::stored("Lamp").toString(), open ? QStringLiteral("on") : QStringLiteral("off"));
        }
        QVERIFY2(world.view->tipsVisibled() == tipShown.at(i), qPrintable(QStringLiteral("step %1").arg(i)));
        if (tipShown.at(i))
            QCOMPARE(world.view->getTipsText(), QLatin1String(SettingsSync::TipText));
    }
    // What the file held stays; the streak ends with the test.
    QCOMPARE(SetupFixture::stored("Lang").toString(), QStringLiteral("English"));
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QVERIFY(!world.view->tipsVisibled());
}

void TestControlPage::timerDone_data()
{
    QTest::addColumn<int>("dialog"); // 0 shutter, 1 screen off, 2 power off
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("interval"); // 12345: left as it was
    QTest::addColumn<QString>("shown");
    QTest::newRow("screen off 2 min") << 1 << QByteArray() << 2 << 120000 << 120000 << " 2 m";
    QTest::newRow("screen off with power off set") << 1 << QByteArray("ShutdownPeriod=600\n") << 0 << 0 << 60000 << "Off";
    QTest::newRow("screen off, nothing set") << 1 << QByteArray() << 0 << 0 << 0 << "Off";
    QTest::newRow("power off, no screen off") << 2 << QByteArray("CloseScreenPeriod=0\n") << 1 << 300 << 60000 << " 5 m";
    QTest::newRow("power off with screen off set") << 2 << QByteArray("CloseScreenPeriod=60000\n") << 3 << 1800 << 12345
                                                   << "30 m";
    QTest::newRow("power off off") << 2 << QByteArray() << 0 << 0 << 12345 << "Off";
    QTest::newRow("shutter automatic") << 0 << QByteArray() << 0 << -1 << 12345 << "Auto";
    QTest::newRow("shutter off") << 0 << QByteArray() << 1 << 0 << 12345 << "Off";
    QTest::newRow("shutter 2 min") << 0 << QByteArray() << 4 << 120 << 12345 << " 2 m";
}

void TestControlPage::timerDone()
{
    QFETCH(int, dialog);
    QFETCH(QByteArray, settings);
    QFETCH(int, row);
    QFETCH(int, period);
    QFETCH(int, interval);
    QFETCH(QString, shown);
    SetupFixture world("[General]\n" + settings);
    EMiscPage page;
    page.show();
    IdleWatcher::instance()->setIntervalMs(12345);
    ESetupComboBox *rows[] = {page.shutterItem(), page.closeScreenItem(), page.shutdownItem()};
    QTest::mouseClick(rows[dialog], Qt::LeftButton);
    ETimerDialog *dialogs[] = {page.shutterDialog(), page.closeScreenDialog(), page.shutdownDialog()};
    ETimerDialog *opened = dialogs[dialog];
    QVERIFY(world.view->isSetupVisibled());
    QTest::mouseClick(opened->items().at(row), Qt::LeftButton);
    QCOMPARE(opened->current(), row);
    pressTitle(opened, "Done");
    QVERIFY(!opened->isVisible());
    QVERIFY(!world.view->isSetupVisibled());
    const char *indexKeys[] = {"AutoShutterIndex", "CloseScreenIndex", "ShutdownIndex"};
    const char *periodKeys[] = {"AutoShutterPeriod", "CloseScreenPeriod", "ShutdownPeriod"};
    QCOMPARE(SetupFixture::stored(indexKeys[dialog]).toInt(), row);
    QCOMPARE(SetupFixture::stored(periodKeys[dialog]).toInt(), period);
    QCOMPARE(IdleWatcher::instance()->intervalMs(), interval);
    QCOMPARE(rows[dialog]->text(), shown);
    if (dialog == 0) {
        EToolWidget *bar = world.bar();
        QCOMPARE(bar->shutterTimer()->isActive(), period != 0);
        QCOMPARE(bar->isAutoShutter(), period == -1);
        if (period > 0)
            QCOMPARE(bar->shutterPeriodMs(), period * 1000);
    }
}

void TestControlPage::tapThenCancelStoresNothing()
{
    SetupFixture world;
    EMiscPage page;
    page.show();
    QTest::mouseClick(page.closeScreenItem(), Qt::LeftButton);
    ECloseScreenDialog *dialog = page.closeScreenDialog();
    QTest::mouseClick(dialog->items().at(3), Qt::LeftButton);
    pressTitle(dialog, "Cancel");
    QVERIFY(!SetupFixture::stored("CloseScreenIndex").isValid());
    QTest::mouseClick(page.closeScreenItem(), Qt::LeftButton);
    QCOMPARE(page.closeScreenDialog(), dialog);
    QCOMPARE(dialog->pos(), QPoint(40, 40));
    QCOMPARE(dialog->size(), QSize(240, 160));
    QCOMPARE(dialog->current(), 0);
    QVERIFY(dialog->items().at(0)->checked());
    QVERIFY(!dialog->items().at(3)->checked());
    QSignalSpy closes(new MessageChannel(QStringLiteral("setupwindow"), dialog), &MessageChannel::received);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QTRY_COMPARE(closes.size(), 1);
    QCOMPARE(closes.first().at(0).toString(), QStringLiteral("close"));
}

void TestControlPage::sliderTouches_data()
{
    QTest::addColumn<QList<QPoint>>("path"); // press, moves..., release (release omitted when x < 0)
    QTest::addColumn<QList<int>>("positions"); // backlight values sent, as positions
    QTest::addColumn<int>("final");
    QTest::newRow("drag 120 to 100") << QList<QPoint>{{120, 25}, {110, 25}, {100, 25}, {100, 25}}
                                     << QList<int>{110, 100, 100} << 100;
    QTest::newRow("tap at 150") << QList<QPoint>{{150, 25}, {150, 25}} << QList<int>{150} << 150;
    QTest::newRow("drag past the left end") << QList<QPoint>{{60, 25}, {50, 25}, {30, 25}, {-1, 0}}
                                            << QList<int>{50, 38} << 38;
    QTest::newRow("a move onto the left edge ends the drag unchanged")
        << QList<QPoint>{{60, 25}, {50, 25}, {38, 25}, {-1, 0}} << QList<int>{50} << 50;
    QTest::newRow("drag past the right end") << QList<QPoint>{{170, 25}, {180, 25}, {220, 25}, {-1, 0}}
                                             << QList<int>{180, 183} << 183;
    QTest::newRow("press below the track") << QList<QPoint>{{100, 55}, {120, 25}, {120, 25}} << QList<int>{} << 183;
}

// The backlight follows the finger; Done stores what the panel shows.
void TestControlPage::sliderTouches()
{
    QFETCH(QList<QPoint>, path);
    QFETCH(QList<int>, positions);
    QFETCH(int, final);
    SetupFixture world;
    EMiscPage page;
    page.show();
    QTest::mouseClick(page.brightItem(), Qt::LeftButton);
    BrightDialog *dialog = page.brightDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    BrightConfig *slider = dialog->slider();
    QCOMPARE(slider->width(), 238);
    world.device->clearEvents();
    fingerEvent(slider, QEvent::MouseButtonPress, path.first());
    for (int i = 1; i + 1 < path.size(); ++i)
        fingerEvent(slider, QEvent::MouseMove, path.at(i));
    if (path.last().x() >= 0)
        fingerEvent(slider, QEvent::MouseButtonRelease, path.last());
    QList<int> expected;
    for (int position : positions)
        expected << BrightnessSetting::backlightValue(position);
    QCOMPARE(world.backlights(), expected);
    QCOMPARE(slider->value(), final);
    if (!expected.isEmpty())
        QCOMPARE(world.device->backlight(), expected.last());
    pressTitle(dialog, "Done");
    QCOMPARE(SetupFixture::stored("BrightConfig").toInt(), final);
    QCOMPARE(page.brightItem()->text(), QStringLiteral("%1%").arg(BrightnessSetting::percent(final)));
}

void TestControlPage::cancelAndEscapeRestore_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("restored");
    QTest::newRow("cancel") << QByteArray("100") << false << 100;
    QTest::newRow("escape") << QByteArray("100") << true << 100;
    QTest::newRow("cancel, stored too dim") << QByteArray("20") << false << 38;
    QTest::newRow("escape, stored too bright") << QByteArray("900") << true << 183;
    QTest::newRow("cancel, stored nonsense") << QByteArray("lots") << false << 183;
}

void TestControlPage::cancelAndEscapeRestore()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, escape);
    QFETCH(int, restored);
    SetupFixture world("[General]\nBrightConfig=" + stored + "\n");
    EMiscPage page;
    page.show();
    QTest::mouseClick(page.brightItem(), Qt::LeftButton);
    BrightDialog *dialog = page.brightDialog();
    QCOMPARE(dialog->slider()->value(), restored);
    fingerEvent(dialog->slider(), QEvent::MouseButtonPress, QPoint(90, 25));
    fingerEvent(dialog->slider(), QEvent::MouseMove, QPoint(60, 25));
    QCOMPARE(world.device->backlight(), BrightnessSetting::backlightValue(60));
    QSignalSpy closes(new MessageChannel(QStringLiteral("setupwindow"), dialog), &MessageChannel::received);
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        pressTitle(dialog, "Cancel");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(world.device->backlight(), BrightnessSetting::backlightValue(restored));
    QVERIFY(world.device->backlight() >= 0);
    QCOMPARE(SetupFixture::stored("BrightConfig").toInt(), restored);
    QCOMPARE(dialog->slider()->value(), restored);
    if (escape)
        QTRY_COMPARE(closes.size(), 1);
}

void TestControlPage::idleTable_data()
{
    QTest::addColumn<int>("closeScreenMs");
    QTest::addColumn<int>("shutdownS");
    QTest::addColumn<bool>("dims");
    QTest::addColumn<bool>("goesDark");
    QTest::addColumn<bool>("countsDown");
    QTest::newRow("screen off only") << 60000 << 0 << true << true << false;
    QTest::newRow("screen off and power off") << 60000 << 1800 << true << true << true;
    QTest::newRow("power off only") << 0 << 1800 << false << false << true;
    QTest::newRow("neither") << 0 << 0 << false << false << false;
}

// In time scaled down a hundredfold: the interval dims the panel, 30 s
// later it goes dark and the countdown runs; a tap wakes it to the stored
// brightness and is swallowed; the next tap works.
void TestControlPage::idleTable()
{
    QFETCH(int, closeScreenMs);
    QFETCH(int, shutdownS);
    QFETCH(bool, dims);
    QFETCH(bool, goesDark);
    QFETCH(bool, countsDown);
    SetupFixture world(QByteArray("[General]\nBrightConfig=100\nCloseScreenPeriod=") + QByteArray::number(closeScreenMs)
                       + "\nShutdownPeriod=" + QByteArray::number(shutdownS) + "\n");
    Intervals::setScale(0.01);
    EMiscPage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    IdleWatcher *watcher = IdleWatcher::instance();
    watcher->setScreenSaver(new lcdScreenSaver);
    watcher->install();
    world.device->clearEvents();
    watcher->setIntervalMs(storedIdleIntervalMs());
    EToolWidget *bar = world.bar();
    if (closeScreenMs == 0 && shutdownS == 0) {
        QCOMPARE(watcher->intervalMs(), 0);
        QTest::qWait(100);
        QVERIFY(!watcher->isSaving());
        return;
    }
    // Input before the end starts the interval again.
    QTest::qWait(300);
    QTest::keyClick(&page, Qt::Key_Shift);
    QTest::qWait(400);
    QVERIFY(!watcher->isSaving());
    QTRY_VERIFY(watcher->isSaving());
    QCOMPARE(world.backlights().contains(BrightnessSetting::DimmedBacklight), dims);
    QTRY_VERIFY(!bar->screenOffTimer()->isActive());
    QCOMPARE(world.device->panelOn(), !goesDark);
    QCOMPARE(bar->powerOffTicker()->isActive(), countsDown);

    const bool lampBefore = page.lampItem()->isOpen();
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QVERIFY(!watcher->isSaving());
    QVERIFY(world.device->panelOn());
    QCOMPARE(world.device->backlight(), BrightnessSetting::backlightValue(100));
    QVERIFY(!bar->powerOffTicker()->isActive());
    QVERIFY(watcher->timer()->isActive());
    // A tap on a dark panel only wakes it.
    QCOMPARE(page.lampItem()->isOpen(), goesDark ? lampBefore : !lampBefore);
    QTest::mouseClick(page.lampItem(), Qt::LeftButton);
    QCOMPARE(page.lampItem()->isOpen(), goesDark ? !lampBefore : lampBefore);
}

void TestControlPage::wakeBrightness_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("backlight");
    QTest::newRow("missing: read as 0, raised to the dimmest") << QByteArray() << 6491;
    QTest::newRow("not a number: read as 0, raised to the dimmest") << QByteArray("BrightConfig=dim\n") << 6491;
    QTest::newRow("above the track") << QByteArray("BrightConfig=4000\n") << 0;
    QTest::newRow("below the track") << QByteArray("BrightConfig=-9\n") << 6491;
    QTest::newRow("on the track") << QByteArray("BrightConfig=150\n") << 1478;
}

// The status bar's wake-up reads the brightness as the pages do, except
// that a missing value is the dimmest there, not the dialog's brightest.
void TestControlPage::wakeBrightness()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, backlight);
    SetupFixture world("[General]\nCloseScreenPeriod=60000\n" + stored);
    world.bar()->start_pwm_timer();
    QCOMPARE(world.device->backlight(), int(BrightnessSetting::DimmedBacklight));
    world.bar()->stop_pwm_timer();
    QCOMPARE(world.device->backlight(), backlight);
}

QTEST_MAIN(TestControlPage)
#include "tst_controlpage.moc"
