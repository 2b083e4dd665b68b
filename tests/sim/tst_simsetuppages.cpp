#include "brightconfig.h"
#include "brightdialog.h"
#include "brightnesssetting.h"
#include "eclosescreendialog.h"
#include "edialogtitle.h"
#include "eflickcharmtext.h"
#include "egeneralpage.h"
#include "egraphicsview.h"
#include "esdcarditem.h"
#include "eglobal.h"
#include "einfopage.h"
#include "elanguagedialog.h"
#include "elistitems.h"
#include "emiscpage.h"
#include "eanalysistab.h"
#include "eanalysistabbar.h"
#include "echeckitem.h"
#include "eparasetup.h"
#include "ereminditem.h"
#include "esettingtab.h"
#include "etabwidget.h"
#include "etitle.h"
#include "esetupcheckitem.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "esetupwindow.h"
#include "eshutdowndialog.h"
#include "eshutterdialog.h"
#include "etoolwidget.h"
#include "filesizelimit.h"
#include "fingerevent.h"
#include "fontfamilies.h"
#include "idleinterval.h"
#include "idlewatcher.h"
#include "indicator.h"
#include "intervals.h"
#include "languagetable.h"
#include "lcdscreensaver.h"
#include "livescreen.h"
#include "paths.h"
#include "screentouch.h"
#include "settingssync.h"
#include "simpowerdevice.h"
#include "menuroute.h"
#include "storageinfo.h"
#include "timerchoices.h"
#include "simtranslations.h"

#include <QGraphicsView>
#include <QLabel>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPointingDevice>
#include <QProcess>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// The General, Control and Info pages and their dialogs as `ostrel
// --simulate` shows them, driven by touches on the simulated screen: the
// output standard reaches the board, the unit the live view, the lamp the
// status bar, the brightness drag and the idle dimming the screen; a lamp
// the settings file cannot take is told on the live view once; each
// screen is written as a PNG when OSTREL_SCREENS_DIR is set. A start of the
// program with "Lang" German loads the German catalogue.
class TestSimSetupPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void generalPage();
    void controlPage();
    void lampNotStoredIsTold();
    void rowNotStoredIsToldOnThePage_data();
    void rowNotStoredIsToldOnThePage();
    void idleDimsAndWakes();
    void infoPage();
    void factoryResetShowsOnThePages_data();
    void factoryResetShowsOnThePages();
    void germanWindow();
    void germanStart();

private:
    ESetupWindow *openPage(const char *entry);
    void touch(QWidget *target);
    void touchDialog(QWidget *dialog, QWidget *target);
    void pressTitle(QWidget *dialog, const char *button);
    void saveScreen(const QString &name);
    QWidget *setupRow(ESetupWindow *window, const QString &row) const;
    void changeRow(QWidget *row);
    void factoryResetByTouch();

    LiveScreen m_sim;
    ESetupWindow *m_window = nullptr;
    QPointingDevice *m_finger = nullptr;
};

void TestSimSetupPages::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    // The simulated card is in its slot and mounted before the pages exist.
    StorageInfo::setCardMounted(true);
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    // The main menu builds the setup window on its first turn.
    QTRY_VERIFY(EGlobal::getSetupWindow());
    m_window = EGlobal::getSetupWindow();
    IdleWatcher::instance()->setScreenSaver(new lcdScreenSaver);
    IdleWatcher::instance()->install();
    m_finger = QTest::createTouchDevice();
}

void TestSimSetupPages::cleanupTestCase()
{
    IdleWatcher::instance()->uninstall();
    IdleWatcher::instance()->setScreenSaver(nullptr);
    Intervals::setScale(1.0);
    m_sim.stop();
}

ESetupWindow *TestSimSetupPages::openPage(const char *entry)
{
    ESetupWindow *window = EGlobal::getSetupWindow();
    if (!window->isVisible())
        MenuRoute::openTile("Config");
    auto *item = window->listItems()->findChild<ESetupItem *>(QLatin1String(entry));
    touch(item);
    return window;
}

// A touch goes to the window the target lives in, as the panel's do.
void TestSimSetupPages::touch(QWidget *target)
{
    touchDialog(target->window(), target);
}

// Dialogs are windows of their own at screen coordinates.
void TestSimSetupPages::touchDialog(QWidget *dialog, QWidget *target)
{
    const QPoint at = target->mapTo(dialog, target->rect().center());
    QTest::touchEvent(dialog->windowHandle(), m_finger).press(0, at);
    QTest::touchEvent(dialog->windowHandle(), m_finger).release(0, at);
}

void TestSimSetupPages::pressTitle(QWidget *dialog, const char *button)
{
    auto *title = dialog->findChild<EDialogTitle *>();
    touchDialog(dialog, title->findChild<QPushButton *>(QLatin1String(button)));
}

void TestSimSetupPages::saveScreen(const QString &name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

void TestSimSetupPages::generalPage()
{
    ESetupWindow *window = openPage("General");
    auto *page = qobject_cast<EGeneralPage *>(window->widget(ESetupWindow::GeneralPage));
    QVERIFY(page->isVisible());
    touch(page->outputItem());
    QCOMPARE(page->outputItem()->text(), QStringLiteral("PAL"));
    QCOMPARE(int(m_sim.simulator->board()->registerByte(0x34)), 1);
    touch(page->tempUnitItem());
    QCOMPARE(page->tempUnitItem()->text(), QStringLiteral("F"));
    QVERIFY(m_sim.live->view()->toolBar()->unitLabel()->text().endsWith(QLatin1Char('F')));
    saveScreen(QStringLiteral("setup_general_pal_f.png"));

    touch(page->languageItem());
    ELanguageDialog *dialog = page->languageDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->geometry(), QRect(40, 40, 240, 160));
    QWidget *viewport = dialog->view()->viewport();
    const QPoint row = dialog->view()->mapFromScene(QPointF(100, 3 * 30 + 15));
    fingerEvent(viewport, QEvent::MouseButtonPress, row);
    fingerEvent(viewport, QEvent::MouseButtonRelease, row);
    QCOMPARE(dialog->items().at(dialog->current())->text(), QStringLiteral("Deutsch"));
    saveScreen(QStringLiteral("setup_language_dialog.png"));
    pressTitle(dialog, "Cancel");
    QVERIFY(!dialog->isVisible());
    // Back to the stored values for the other screens.
    touch(page->outputItem());
    touch(page->outputItem());
    touch(page->tempUnitItem());
    touch(page->tempUnitItem());
    QCOMPARE(page->outputItem()->text(), QStringLiteral("OFF"));
}

void TestSimSetupPages::controlPage()
{
    ESetupWindow *window = openPage("Control");
    auto *page = qobject_cast<EMiscPage *>(window->widget(ESetupWindow::ControlPage));
    QVERIFY(page->isVisible());
    EToolWidget *bar = m_sim.live->view()->toolBar();
    touch(page->lampItem());
    QVERIFY(page->lampItem()->isOpen());
    QVERIFY(bar->lampIcon()->isVisible());
    saveScreen(QStringLiteral("setup_control_lamp_on.png"));
    touch(page->lampItem());
    QVERIFY(!bar->lampIcon()->isVisible());

    struct {
        ESetupComboBox *row;
        const char *file;
    } timers[] = {{page->shutterItem(), "setup_shutter_dialog.png"},
                  {page->shutdownItem(), "setup_poweroff_dialog.png"},
                  {page->closeScreenItem(), "setup_screenoff_dialog.png"}};
    for (const auto &timer : timers) {
        touch(timer.row);
        ETimerDialog *dialogs[] = {page->shutterDialog(), page->shutdownDialog(), page->closeScreenDialog()};
        ETimerDialog *dialog = dialogs[&timer - timers];
        QVERIFY(dialog && dialog->isVisible());
        saveScreen(QLatin1String(timer.file));
        if (dialog == page->closeScreenDialog()) {
            touchDialog(dialog, dialog->items().at(1));
            pressTitle(dialog, "Done");
        } else {
            pressTitle(dialog, "Cancel");
        }
        QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(page->closeScreenItem()->text(), QStringLiteral(" 1 m"));
    QCOMPARE(IdleWatcher::instance()->intervalMs(), 60000);

    touch(page->brightItem());
    BrightDialog *bright = page->brightDialog();
    QVERIFY(bright && bright->isVisible());
    QCOMPARE(bright->slider()->value(), 183);
    BrightConfig *slider = bright->slider();
    fingerEvent(slider, QEvent::MouseButtonPress, QPoint(170, 25));
    for (int x = 160; x >= 80; x -= 20) {
        fingerEvent(slider, QEvent::MouseMove, QPoint(x, 25));
        QCOMPARE(m_sim.screen->backlight(), BrightnessSetting::backlightValue(x));
    }
    fingerEvent(slider, QEvent::MouseButtonRelease, QPoint(80, 25));
    saveScreen(QStringLiteral("setup_brightness_dragged.png"));
    pressTitle(bright, "Done");
    QCOMPARE(page->brightItem()->text(), QStringLiteral("%1%").arg(BrightnessSetting::percent(80)));
    QCOMPARE(m_sim.screen->backlight(), BrightnessSetting::backlightValue(80));
    saveScreen(QStringLiteral("setup_control.png"));
}

// The settings file takes no writes: the lamp still switches, and back on the
// live view a tip says the setting was not stored. Once the file takes
// writes again, the next switch stores and takes the tip away.
void TestSimSetupPages::lampNotStoredIsTold()
{
    ESetupWindow *window = openPage("Control");
    auto *page = qobject_cast<EMiscPage *>(window->widget(ESetupWindow::ControlPage));
    QVERIFY(page->isVisible());
    EGraphicsView *view = m_sim.live->view();
    QVERIFY(!view->tipsVisibled());
    const bool wasOpen = page->lampItem()->isOpen();
    {
        FileSizeLimit refused;
        QVERIFY(refused.isSet());
        touch(page->lampItem());
    }
    QCOMPARE(page->lampItem()->isOpen(), !wasOpen);
    touch(window->listItems()->backButton());
    QVERIFY(!window->isVisible());
    QVERIFY(view->tipsVisibled());
    QCOMPARE(view->getTipsText(), QLatin1String(SettingsSync::TipText));
    saveScreen(QStringLiteral("setup_lamp_not_stored.png"));

    openPage("Control");
    touch(page->lampItem());
    QCOMPARE(page->lampItem()->isOpen(), wasOpen);
    QVERIFY(!view->tipsVisibled());
    const QSettings stored(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    QCOMPARE(stored.value(QStringLiteral("Lamp")).toString(), wasOpen ? QStringLiteral("on") : QStringLiteral("off"));
    // The rest of the file is as it was.
    QCOMPARE(stored.value(QStringLiteral("CloseScreenPeriod")).toInt(), 60000);
}

// The settings file takes no writes while a row is changed: the row, and
// what it drives, go back to what the file holds, and a tip says so over
// the setup window at once, not only once it has closed.
void TestSimSetupPages::rowNotStoredIsToldOnThePage_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("key");
    QTest::newRow("temperature unit") << "tempunit" << "TempUnit";
    QTest::newRow("brightness") << "brightness" << "BrightConfig";
    QTest::newRow("screen off") << "screenoff" << "CloseScreenIndex";
}

void TestSimSetupPages::rowNotStoredIsToldOnThePage()
{
    QFETCH(QString, row);
    QFETCH(QString, key);
    const QSettings before(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    const QVariant stored = before.value(key);
    const bool general = row == QLatin1String("tempunit");
    ESetupWindow *window = openPage(general ? "General" : "Control");
    QVERIFY(window->isVisible());
    qDeleteAll(window->findChildren<Indicator *>());
    auto *generalPage = qobject_cast<EGeneralPage *>(window->widget(ESetupWindow::GeneralPage));
    auto *controlPage = qobject_cast<EMiscPage *>(window->widget(ESetupWindow::ControlPage));
    EToolWidget *bar = m_sim.live->view()->toolBar();
    QString shownBefore;
    {
        FileSizeLimit refused;
        QVERIFY(refused.isSet());
        if (row == QLatin1String("tempunit")) {
            shownBefore = generalPage->tempUnitItem()->text();
            touch(generalPage->tempUnitItem());
        } else if (row == QLatin1String("brightness")) {
            shownBefore = controlPage->brightItem()->text();
            touch(controlPage->brightItem());
            BrightDialog *bright = controlPage->brightDialog();
            QVERIFY(bright && bright->isVisible());
            BrightConfig *slider = bright->slider();
            fingerEvent(slider, QEvent::MouseButtonPress, QPoint(60, 25));
            fingerEvent(slider, QEvent::MouseMove, QPoint(60, 25));
            fingerEvent(slider, QEvent::MouseButtonRelease, QPoint(60, 25));
            QCOMPARE(slider->value(), 60);
            pressTitle(bright, "Done");
            QVERIFY(!bright->isVisible());
        } else {
            shownBefore = controlPage->closeScreenItem()->text();
            touch(controlPage->closeScreenItem());
            ETimerDialog *dialog = controlPage->closeScreenDialog();
            QVERIFY(dialog && dialog->isVisible());
            touchDialog(dialog, dialog->items().at(3));
            pressTitle(dialog, "Done");
            QVERIFY(!dialog->isVisible());
        }
    }
    if (QTest::currentTestFailed())
        return;
    // The file is as it was, and the row and the camera show it.
    const QSettings after(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    QCOMPARE(after.value(key), stored);
    if (row == QLatin1String("tempunit")) {
        QCOMPARE(generalPage->tempUnitItem()->text(), shownBefore);
        QVERIFY(bar->unitLabel()->text().endsWith(QLatin1Char('C')));
    } else if (row == QLatin1String("brightness")) {
        QCOMPARE(controlPage->brightItem()->text(), shownBefore);
        QCOMPARE(controlPage->brightItem()->text(),
                 QStringLiteral("%1%").arg(BrightnessSetting::percent(BrightnessSetting::stored())));
        QCOMPARE(m_sim.screen->backlight(), BrightnessSetting::backlightValue(BrightnessSetting::stored()));
    } else {
        QCOMPARE(controlPage->closeScreenItem()->text(), shownBefore);
        QCOMPARE(IdleWatcher::instance()->intervalMs(), TimerChoices::stored(TimerChoices::CloseScreen).period);
    }
    QVERIFY(window->isVisible());
    QStringList tips;
    for (const Indicator *indicator : window->findChildren<Indicator *>())
        if (indicator->isVisible())
            tips << indicator->text();
    QCOMPARE(tips, QStringList{QLatin1String(SettingsSync::TipText)});
    saveScreen(QStringLiteral("setup_%1_not_stored.png").arg(row));

    // The file takes writes again: the failure streak ends for the next row.
    QSettings file(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    if (stored.isValid())
        file.setValue(key, stored);
    else
        file.remove(key);
    QVERIFY(SettingsSync::commit(file, "the row's value"));
}

// Screen Off at 1 minute, in time scaled down a hundredfold: the idle
// picture dims, goes black 30 s later, and a tap wakes it.
void TestSimSetupPages::idleDimsAndWakes()
{
    ESetupWindow *window = EGlobal::getSetupWindow();
    touch(window->listItems()->backButton());
    QVERIFY(!window->isVisible());
    Intervals::setScale(0.01);
    IdleWatcher::instance()->setIntervalMs(storedIdleIntervalMs());
    QTRY_COMPARE(m_sim.screen->backlight(), int(BrightnessSetting::DimmedBacklight));
    QVERIFY(m_sim.screen->panelOn());
    saveScreen(QStringLiteral("idle_dimmed.png"));
    QTRY_VERIFY(!m_sim.screen->panelOn());
    saveScreen(QStringLiteral("idle_dark.png"));
    // The waking tap opens nothing.
    const QPoint middle(160, 120);
    QTest::touchEvent(m_sim.screen->windowHandle(), m_finger).press(0, middle);
    QTest::touchEvent(m_sim.screen->windowHandle(), m_finger).release(0, middle);
    QTRY_VERIFY(m_sim.screen->panelOn());
    QCOMPARE(m_sim.screen->backlight(), BrightnessSetting::backlightValue(80));
    QVERIFY(!IdleWatcher::instance()->isSaving());
    saveScreen(QStringLiteral("idle_woken.png"));
    Intervals::setScale(1.0);
    IdleWatcher::instance()->setIntervalMs(0);
}

void TestSimSetupPages::infoPage()
{
    ESetupWindow *window = openPage("Info");
    auto *page = qobject_cast<EInfoPage *>(window->widget(ESetupWindow::InfoPage));
    QVERIFY(page->isVisible());
    QCOMPARE(page->versionItem()->text(), QStringLiteral("2.0.04"));
    QVERIFY(page->sdCardItem()->isEnabled());
    saveScreen(QStringLiteral("setup_info.png"));
    QTest::keyClick(window->windowHandle(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

QWidget *TestSimSetupPages::setupRow(ESetupWindow *window, const QString &row) const
{
    auto *control = qobject_cast<EMiscPage *>(window->widget(ESetupWindow::ControlPage));
    auto *general = qobject_cast<EGeneralPage *>(window->widget(ESetupWindow::GeneralPage));
    const QMap<QString, QWidget *> rows{{"Brightness", control->brightItem()},
                                        {"Screen Off", control->closeScreenItem()},
                                        {"Lamp", control->lampItem()},
                                        {"Output", general->outputItem()},
                                        {"Unit", general->tempUnitItem()}};
    return rows.value(row);
}

// A value other than the factory's, as the user sets it: a tap on the row,
// and in the row's dialog a drag or a choice, then Done.
void TestSimSetupPages::changeRow(QWidget *row)
{
    auto *page = qobject_cast<EMiscPage *>(m_window->widget(ESetupWindow::ControlPage));
    touch(row);
    if (row == page->brightItem()) {
        BrightConfig *slider = page->brightDialog()->slider();
        fingerEvent(slider, QEvent::MouseButtonPress, QPoint(170, 25));
        fingerEvent(slider, QEvent::MouseMove, QPoint(80, 25));
        fingerEvent(slider, QEvent::MouseButtonRelease, QPoint(80, 25));
        pressTitle(page->brightDialog(), "Done");
    } else if (row == page->closeScreenItem()) {
        touchDialog(page->closeScreenDialog(), page->closeScreenDialog()->items().at(1));
        pressTitle(page->closeScreenDialog(), "Done");
    }
}

// The analysis panel's Settings page, its global parameters, the "Reset
// Para " row and Yes in the question.
void TestSimSetupPages::factoryResetByTouch()
{
    QTRY_VERIFY(EGlobal::getAnalysisTab());
    MenuRoute::openTile("Analysis");
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    QVERIFY(panel->isVisible());
    touch(panel->tabBar()->tab(3));
    touch(panel->settingPage()->globalRow());
    EParaSetup *global = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<EParaSetup *>(window); found && found->isVisible())
            global = found;
    QVERIFY(global);
    // The question runs its own loop: it is answered from there, once up.
    bool answered = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(window);
            if (box && box->isVisible() && box->button(QMessageBox::Yes) && !answered) {
                answered = true;
                answer.stop();
                QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            }
        }
    });
    answer.start(0);
    touch(global->resetItem());
    answer.stop();
    QVERIFY(answered);
    QVERIFY(global->resetItem()->checked());
    touch(global->title()->findChild<QPushButton *>(QStringLiteral("Cancel")));
    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
}

void TestSimSetupPages::factoryResetShowsOnThePages_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("factory");
    // "BrightConfig" 183 is full brightness.
    QTest::newRow("brightness") << "Control" << "Brightness" << "100%";
    QTest::newRow("screen off") << "Control" << "Screen Off" << "Off";
    QTest::newRow("lamp") << "Control" << "Lamp" << "off";
    QTest::newRow("video output") << "General" << "Output" << "OFF";
    QTest::newRow("temperature unit") << "General" << "Unit" << QString(QChar(0x00B0)) + QLatin1Char('C');
}

// The reset writes the factory values while the setup window is closed;
// the page shows them when it is opened next.
void TestSimSetupPages::factoryResetShowsOnThePages()
{
    QFETCH(QString, entry);
    QFETCH(QString, row);
    QFETCH(QString, factory);
    auto shown = [&](QWidget *widget) {
        if (auto *lamp = qobject_cast<ESetupSwitch *>(widget))
            return lamp->isOpen() ? QStringLiteral("on") : QStringLiteral("off");
        return qobject_cast<ESetupComboBox *>(widget)->text();
    };
    ESetupWindow *window = openPage(entry.toLatin1().constData());
    QWidget *widget = setupRow(window, row);
    QVERIFY(widget && widget->isVisible());
    changeRow(widget);
    QVERIFY(shown(widget) != factory);
    touch(window->listItems()->backButton());
    QVERIFY(!window->isVisible());

    factoryResetByTouch();

    openPage(entry.toLatin1().constData());
    QVERIFY(widget->isVisible());
    QCOMPARE(shown(widget), factory);
    saveScreen(QStringLiteral("setup_reset_%1.png").arg(QString(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'))));
    touch(window->listItems()->backButton());
}

// The setup window as the start-up builds it with "Lang" German.
void TestSimSetupPages::germanWindow()
{
    QCOMPARE(SimTranslations::install(m_sim.simulator->root()) >= 0, true);
    QTranslator translator;
    QVERIFY(translator.load(LanguageTable::translationFile(QStringLiteral("German"))));
    QCoreApplication::installTranslator(&translator);
    {
        ESetupWindow german(nullptr, Qt::FramelessWindowHint);
        german.setGeometry(0, 16, 320, 225);
        m_sim.screen->showOnScreen(&german);
        auto *page = qobject_cast<EGeneralPage *>(german.widget(ESetupWindow::GeneralPage));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Title"))->text(), QStringLiteral("Allgemein"));
        saveScreen(QStringLiteral("setup_de_general.png"));
        auto *entry = german.listItems()->findChild<ESetupItem *>(QStringLiteral("Steuerung"));
        QVERIFY(entry);
        touch(entry);
        auto *control = qobject_cast<EMiscPage *>(german.widget(ESetupWindow::ControlPage));
        touch(control->shutterItem());
        QVERIFY(control->shutterDialog()->isVisible());
        saveScreen(QStringLiteral("setup_de_shutter_dialog.png"));
        pressTitle(control->shutterDialog(), "Cancel");
        german.hide();
    }
    QCoreApplication::removeTranslator(&translator);
    EGlobal::setSetupWindow(m_window);
}

// The program itself, started with "Lang" German, reads the key and loads
// the German catalogue from its root.
void TestSimSetupPages::germanStart()
{
    TestRoot root;
    const QString simRoot = root.hostPath(QStringLiteral("sim-root"));
    QVERIFY(QDir().mkpath(simRoot + QStringLiteral("/Parameter")));
    QVERIFY(root.writeFile(QStringLiteral("sim-root/Parameter/Setting"), "[General]\nLang=German\n"));
    QProcess ostrel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSTREL_ROOT"), simRoot);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ostrel.setProcessEnvironment(env);
    ostrel.setWorkingDirectory(root.root());
    ostrel.start(QStringLiteral(OSTREL_BINARY),
                 {QStringLiteral("--simulate"), QStringLiteral("--quit-after"), QStringLiteral("300")});
    QVERIFY(ostrel.waitForFinished(60000));
    const QByteArray out = ostrel.readAllStandardOutput();
    const QByteArray err = ostrel.readAllStandardError();
    QVERIFY2(out.contains("Lang Type: German"), out.constData());
    QVERIFY2(!err.contains("no translation"), err.constData());
    QVERIFY(QFileInfo::exists(simRoot + QStringLiteral("/language/ostrel_German.qm")));
}

QTEST_MAIN(TestSimSetupPages)
#include "tst_simsetuppages.moc"
