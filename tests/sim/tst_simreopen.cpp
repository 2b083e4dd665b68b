#include "../VyxImage/photofixture.h"
#include "../smplayer/fakethumbnailer.h"
#include "../smplayer/scriptedplayer.h"
#include "../smplayer/sidedatavideo.h"
#include "../widgets/rowprobe.h"
#include "biaoding.h"
#include "brightdialog.h"
#include "calibinterface.h"
#include "calibpage.h"
#include "centredquestion.h"
#include "cvmainwindow.h"
#include "eadjustlevelitem.h"
#include "ealarmsetup.h"
#include "eanalysissetup.h"
#include "eanalysistab.h"
#include "eanalysistabbar.h"
#include "eareamode.h"
#include "eareasetup.h"
#include "eareatab.h"
#include "eclosescreendialog.h"
#include "ecolordialog.h"
#include "ecolorshow.h"
#include "ecustommenu.h"
#include "ecustompalette.h"
#include "edialogtitle.h"
#include "efidtab.h"
#include "egeneralpage.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagesettingtab.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "eircoreadjustitem.h"
#include "eisosetup.h"
#include "ekeyboardfilter.h"
#include "elanguagedialog.h"
#include "elinemode.h"
#include "elinesetup.h"
#include "elinetab.h"
#include "elistitems.h"
#include "emaininterface.h"
#include "emiscpage.h"
#include "emisstable.h"
#include "emodeitem.h"
#include "emodifyprofile.h"
#include "eprofiletab.h"
#include "profilewindow.h"
#include "eparasetup.h"
#include "ephotospage.h"
#include "ereminditem.h"
#include "esettingtab.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupwindow.h"
#include "eshowmodifydialog.h"
#include "eshutdowndialog.h"
#include "eshutterdialog.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotmode.h"
#include "espotsetup.h"
#include "espottab.h"
#include "estandardpalette.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "etitle.h"
#include "etoolwidget.h"
#include "eupdateepcsinterface.h"
#include "evideographicsview.h"
#include "freespace.h"
#include "imagearea.h"
#include "intervals.h"
#include "ircorelink.h"
#include "ircorelistitem.h"
#include "ircoremainwindow.h"
#include "mainbiaoding.h"
#include "manualdeadpoint.h"
#include "menuroute.h"
#include "modifyprofilewindow.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "mzoomrotebutton.h"
#include "parapage.h"
#include "paths.h"
#include "photomessagebox.h"
#include "photosview.h"
#include "phototimeboard.h"
#include "phototimedialog.h"
#include "pmainwindow.h"
#include "productinfowidget.h"
#include "screendirectory.h"
#include "screentouch.h"
#include "setdata.h"
#include "setuptouch.h"
#include "smaplayer.h"
#include "tempadwidget.h"
#include "thumbmenu.h"
#include "thumitem.h"
#include "twocalib.h"
#include "usekeyboarddialog.h"
#include "usernumkey_board.h"
#include "usersettime_board.h"
#include "videointerface.h"
#include "videoview.h"
#include "windowlook.h"
#include "zdatetimeitem.h"
#include "zdatetimepage.h"
#include "zlineedit.h"
#include "zmultifunctional.h"
#include "zsettime.h"
#include "zvideoloadthread.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleHints>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <functional>

namespace {

// The user's way to a window and back: to where it opens, the step that
// opens it (returning it), the way out of it, the step that opens it again
// (the same one when none is given) and back to the live view from where it
// opened.
struct Route
{
    std::function<void()> enter = [] {};
    std::function<QWidget *()> open;
    std::function<void()> close;
    std::function<QWidget *()> reopen;
    std::function<void()> back = [] {};
};

} // namespace

Q_DECLARE_METATYPE(Route)

// Every window the camera keeps and shows again, opened, closed and opened
// again the user's way on the frame-buffer platform: the second opening
// must show on the panel what the first showed, the closed window must be
// gone from the panel, and afterwards a tap on the bare live view must
// reach the live view. With OSTREL_SCREENS_DIR set the first and second
// opening and the closed window are written as PNGs.
class TestSimReopen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void liveViewWindows_data();
    void liveViewWindows() { reopen(); }
    void imageWindows_data();
    void imageWindows() { reopen(); }
    void setupWindows_data();
    void setupWindows() { reopen(); }
    void analysisWindows_data();
    void analysisWindows() { reopen(); }
    void calibrationWindows_data();
    void calibrationWindows() { reopen(); }
    void mediaWindows_data();
    void mediaWindows() { reopen(); }
    void keypadsOnPanel_data();
    void keypadsOnPanel();

private:
    void reopen();
    QImage panelIn(const QRect &rect);
    void save(const QString &name);
    void tapAt(const QPoint &global);
    void tap(QWidget *target);
    void key(Qt::Key key);
    void tapBareLiveView();
    void openTile(const char *name);
    void leavePopup();
    EGraphicsView *view() const { return m_sim.live->view(); }

    EImageTab *imagePopup() const;
    void openImagePage(int page);
    void setManual(bool manual);
    void tapCustomRow(int position, int x);
    void longPressCustomRow(int position);
    enum CustomWindow { Editor, Chooser, RemoveQuestion };
    Route imagePage(int page);
    Route levelStrip();
    Route paletteList(bool custom);
    Route customPaletteWindow(CustomWindow which);
    Route isothermSettings();
    ESetupWindow *setupWindow() const;
    void openSetupPage(const char *entry);
    void closeSetupWindow();
    Route setupPage(const char *entry);
    EAnalysisTab *analysisPanel() const;
    void openAnalysisPage(int page);
    Route analysisPage(int page);
    void writeMedia();
    ThumbMenu *photoBrowser() const;
    ThumbMenu *openPhotoBrowser();
    void closePhotoBrowser();
    Smaplayer *videoBrowser() const;
    Smaplayer *openVideoBrowser();
    void closeVideoBrowser();
    EVideoGraphicsView *playVideo(int index);
    void backToVideoList();
    CalibInterface *calibMenu() const;
    IRCoreMainWindow *coreWindow() const;
    CalibPage *corePage() const;
    ParaPage *registerPage() const;
    void pressC();
    void openCorePage(int page);
    void leaveCalibration();
    void twoPointCalibration();
    static QPushButton *shownButton(const QString &name);
    static bool storeSetting(const QString &key, const QVariant &value);
    Route analysisDialog(int page, QWidget *(*cell)(EAnalysisTab *), QWidget *(*dialog)(), Qt::Key closeKey);
    Route setupDialog(const char *entry, int page, QWidget *(*row)(QWidget *), QWidget *(*dialog)(QWidget *),
                      Qt::Key closeKey);

    SetupTouch m_sim;
    QByteArray m_function;
};

namespace {

// Bare picture: where a tap shows the main menu, beside the popups of the
// bottom-left corner, and beside the menu. Taps in a row land apart, so
// none of them is taken for a double tap.
const QPoint MenuPoint = MenuRoute::barePoint();
const QPoint BesidePopup(250, 110);
const QPoint BesideMenu(20, 200);

QString fileName(const char *row)
{
    QString name = QString::fromLatin1(row).toLower();
    for (QChar &c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return name;
}

} // namespace

void TestSimReopen::initTestCase()
{
    // The taps of a route come microseconds apart, where a user's come
    // seconds apart: none of them is a double tap, even on the same spot.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    // Videos get their pictures and play without outside programs; the
    // card has room.
    VideoThumbnailer::install(new FakeThumbnailer);
    ScriptedPlayer::install();
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
}

// One live screen per test function: the rows of a function share it and
// each ends back on the live view. A failed row may leave any state, so the
// next starts a fresh one.
void TestSimReopen::init()
{
    if (m_sim.live && m_function == QTest::currentTestFunction())
        return;
    m_sim.stop();
    m_function = QTest::currentTestFunction();
    m_sim.startWithSetup();
    QVERIFY(!QTest::currentTestFailed());
    EGlobal::getToolBar()->displaySDCard(true);
    writeMedia();
}

void TestSimReopen::cleanup()
{
    if (QTest::currentTestFailed()) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != m_sim.screen.get())
                window->hide();
        // The core's link outlives the screen unless closed.
        IRCoreLink::close();
        Intervals::setScale(1.0);
        m_sim.stop();
    }
}

void TestSimReopen::cleanupTestCase()
{
    m_sim.stop();
    ScriptedPlayer::uninstall();
    VideoThumbnailer::install(nullptr);
    FreeSpace::setScript(nullptr);
}

QImage TestSimReopen::panelIn(const QRect &rect)
{
    return m_sim.screen->composed().copy(rect);
}

void TestSimReopen::save(const QString &name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

// A finger on the panel lands on the window the panel shows at that point.
void TestSimReopen::tapAt(const QPoint &global)
{
    QWindow *window = QGuiApplication::topLevelAt(global);
    QVERIFY2(window, qPrintable(QStringLiteral("no window at %1,%2").arg(global.x()).arg(global.y())));
    const QPoint at = window->mapFromGlobal(global);
    QTest::touchEvent(window, m_sim.finger).press(0, at);
    QTest::touchEvent(window, m_sim.finger).release(0, at);
}

void TestSimReopen::tap(QWidget *target)
{
    QVERIFY(target && target->isVisible());
    tapAt(target->mapToGlobal(target->rect().center()));
}

// Back to the live view from a popup of the bottom-left corner: the popup
// and the menu put away by taps beside them.
void TestSimReopen::leavePopup()
{
    if (EGlobal::getImageTab()->isVisible() || EGlobal::getAnalysisTab()->isVisible())
        tapAt(BesidePopup);
    if (m_sim.live->menu()->isVisible())
        tapAt(BesideMenu);
}

// Keys go to the window that has the focus, as the key driver's do.
void TestSimReopen::key(Qt::Key k)
{
    QWindow *window = QGuiApplication::focusWindow();
    QVERIFY(window);
    QTest::keyClick(window, k);
}

// Counts the presses that reach a widget.
class PressCounter : public QObject
{
public:
    explicit PressCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int presses = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::MouseButtonPress;
        return false;
    }
};

// Taps on the bare picture reach the live view and no window it does not
// show: the first may only put a selected object down, the next shows the
// main menu, and a tap beside the menu puts it away.
void TestSimReopen::tapBareLiveView()
{
    EMainInterface *menu = m_sim.live->menu();
    QVERIFY(!menu->isVisible());
    PressCounter counter(view()->viewport());
    for (int tap = 1; tap <= 2 && !menu->isVisible(); ++tap) {
        tapAt(MenuPoint);
        QVERIFY2(counter.presses == tap, "the tap on the live view did not reach it");
    }
    QVERIFY(menu->isVisible());
    tapAt(BesideMenu);
    QVERIFY(!menu->isVisible());
}

// The bare picture shows the main menu; a tile opens its window.
void TestSimReopen::openTile(const char *name)
{
    EMainInterface *menu = m_sim.live->menu();
    // A selected object takes the first tap.
    for (int tap = 0; tap < 2 && !menu->isVisible(); ++tap)
        tapAt(MenuPoint);
    QVERIFY(menu->isVisible());
    tap(menu->tile(QLatin1String(name)));
}

void TestSimReopen::reopen()
{
    QFETCH(Route, route);
    const QString row = fileName(QTest::currentDataTag());
    QVERIFY(view()->isVisibled());
    const bool intervalCapture = view()->getImagesequencemode();

    route.enter();
    QVERIFY(!QTest::currentTestFailed());
    const QImage before = m_sim.screen->composed();
    QWidget *window = route.open();
    const QPointer<QWidget> kept(window);
    const QByteArray kind = window ? QByteArray(window->metaObject()->className()) : QByteArray();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(window && window->isWindow() && window->isVisible());
    const WindowLook first = WindowLook::of(m_sim.screen.get(), window);
    save(QStringLiteral("reopen_%1_1.png").arg(row));

    route.close();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!kept || !window->isVisible());
    const QImage closed = panelIn(first.rect);
    save(QStringLiteral("reopen_%1_closed.png").arg(row));

    QWidget *again = route.reopen ? route.reopen() : route.open();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(again);
    // Kept windows come back; one deleted on the way out comes anew.
    if (kept)
        QCOMPARE(again, window);
    QCOMPARE(QByteArray(again->metaObject()->className()), kind);
    window = again;
    QVERIFY(window->isVisible());
    const WindowLook second = WindowLook::of(m_sim.screen.get(), window);
    save(QStringLiteral("reopen_%1_2.png").arg(row));
    QCOMPARE(second.rect, first.rect);

    const ReopenedPixels c(first, second, before.copy(first.rect), closed, window->testAttribute(Qt::WA_TranslucentBackground));
    const QByteArray counts = c.describe();
    qInfo("%s", counts.constData());
    QVERIFY2(c.drawn >= 100, counts.constData());
    QVERIFY2(c.drawnFirst == c.drawn, ("the first opening is not on the panel: " + counts).constData());
    QVERIFY2(c.distinct >= 50, counts.constData());
    QVERIFY2(c.stillShown <= c.distinct / 20, ("the closed window is still on the panel: " + counts).constData());
    QVERIFY2(c.sameSecond == c.compared, ("the second opening shows otherwise than the first: " + counts).constData());

    route.close();
    QVERIFY(!QTest::currentTestFailed());
    route.back();
    QVERIFY(!QTest::currentTestFailed());
    QTRY_VERIFY(view()->isVisibled());
    tapBareLiveView();
    QCOMPARE(view()->getImagesequencemode(), intervalCapture);
}

// ---- the live view's own windows ----

void TestSimReopen::liveViewWindows_data()
{
    QTest::addColumn<Route>("route");
    Route menu;
    menu.open = [this]() -> QWidget * {
        tapAt(MenuPoint);
        return m_sim.live->menu();
    };
    menu.close = [this] { tapAt(BesideMenu); };
    QTest::newRow("main menu") << menu;
    Route menuEscape = menu;
    menuEscape.close = [this] { key(Qt::Key_Escape); };
    QTest::newRow("main menu, Escape") << menuEscape;

    Route capture;
    capture.open = [this]() -> QWidget * {
        openTile("Camera");
        return EGlobal::get_cvmainwindow();
    };
    capture.close = [this] { tap(EGlobal::get_cvmainwindow()->button("backbutton")); };
    QTest::newRow("capture strip") << capture;

    Route zoom;
    zoom.open = [this]() -> QWidget * {
        tap(view()->toolBar()->zoomButton());
        return EGlobal::get_multifunctional();
    };
    zoom.close = [this] { tap(EGlobal::get_multifunctional()->button(QStringLiteral("exit"))); };
    QTest::newRow("zoom strip") << zoom;
    // In a fusion mode the fusion icon stands beside the zoom button, which
    // still takes the tap.
    Route fusionZoom = zoom;
    fusionZoom.enter = [this] { view()->toolBar()->setMixVisible(true); };
    fusionZoom.back = [this] { view()->toolBar()->setMixVisible(false); };
    QTest::newRow("zoom strip in a fusion mode") << fusionZoom;

    // E held five seconds (its timer's ticks driven through their slot);
    // Escape leaves without the power-off of its exit button.
    Route flash;
    flash.open = [this]() -> QWidget * {
        QWindow *window = QGuiApplication::focusWindow();
        QTest::keyPress(window, Qt::Key_E);
        for (int tick = 0; tick < 5; ++tick)
            m_sim.live->keyFilter()->updateEPCSSlots();
        QTest::keyRelease(window, Qt::Key_E);
        return view()->flashDialog();
    };
    flash.close = [this] { key(Qt::Key_Escape); };
    QTest::newRow("flash update, Escape") << flash;
}

// ---- the image popup ----

EImageTab *TestSimReopen::imagePopup() const
{
    return EGlobal::getImageTab();
}

void TestSimReopen::openImagePage(int page)
{
    openTile("Image");
    EImageTab *popup = imagePopup();
    QVERIFY(popup->isVisible());
    if (popup->stack()->currentIndex() != page)
        tap(popup->tabBar()->tab(page));
    QCOMPARE(popup->stack()->currentIndex(), page);
}

// The level/span page's mode row: Manual is one step left of Auto.
void TestSimReopen::setManual(bool manual)
{
    EImageMode *page = imagePopup()->modePage();
    tap(arrow(page->modeItem(), manual ? "Left" : "Right"));
    QCOMPARE(view()->getLevelSpanMode(), manual ? MODE_MANUAL : MODE_AUTO);
}

// The popup opens again on the page and tab last shown.
Route TestSimReopen::imagePage(int page)
{
    Route r;
    r.open = [this, page]() -> QWidget * {
        openImagePage(page);
        return imagePopup();
    };
    r.close = [this] { tapAt(BesidePopup); };
    r.reopen = [this, page]() -> QWidget * {
        openTile("Image");
        [&] { QCOMPARE(imagePopup()->stack()->currentIndex(), page); }();
        return imagePopup();
    };
    return r;
}

Route TestSimReopen::levelStrip()
{
    Route r;
    r.enter = [this] {
        openImagePage(2);
        setManual(true);
    };
    r.open = [this]() -> QWidget * {
        if (!imagePopup()->isVisible())
            openImagePage(2);
        tap(imagePopup()->modePage()->adjustItem());
        return imagePopup()->modePage()->adjustWindow();
    };
    r.close = [this] { tapAt(BesidePopup); };
    r.back = [this] {
        openImagePage(2);
        setManual(false);
        leavePopup();
    };
    return r;
}

// The list of the palette page's row: Standard or Custom.
Route TestSimReopen::paletteList(bool custom)
{
    Route r;
    r.enter = [this] { openImagePage(1); };
    r.open = [this, custom]() -> QWidget * {
        EImagePalette *page = imagePopup()->palettePage();
        tap(custom ? page->customItem() : page->standardItem());
        return custom ? static_cast<QWidget *>(EImagePalette::customBrowser()) : EImagePalette::standardBrowser();
    };
    r.close = [this, custom] {
        QWidget *list = custom ? static_cast<QWidget *>(EImagePalette::customBrowser()) : EImagePalette::standardBrowser();
        tap(list->findChild<QPushButton *>(QStringLiteral("Cancel")));
    };
    r.back = [this] { leavePopup(); };
    return r;
}

// A custom palette's row of the list: its name, or its settings cell.
void TestSimReopen::tapCustomRow(int position, int x)
{
    QGraphicsView *list = EImagePalette::customBrowser()->listView();
    tapAt(list->viewport()->mapToGlobal(list->mapFromScene(QPointF(x, position * 30 + 15))));
}

// A finger resting on a row: the list's menu, once the long press is up.
void TestSimReopen::longPressCustomRow(int position)
{
    ECustomPalette *list = EImagePalette::customBrowser();
    QGraphicsView *rows = list->listView();
    const QPoint at = rows->viewport()->mapToGlobal(rows->mapFromScene(QPointF(100, position * 30 + 15)));
    QWindow *window = QGuiApplication::topLevelAt(at);
    QTest::touchEvent(window, m_sim.finger).press(0, window->mapFromGlobal(at));
    list->longPressTimer()->setInterval(1);
    QTRY_VERIFY(ECustomPalette::menu() && ECustomPalette::menu()->isVisible());
    QTest::touchEvent(window, m_sim.finger).release(0, window->mapFromGlobal(at));
}

Route TestSimReopen::customPaletteWindow(CustomWindow which)
{
    Route r;
    r.enter = [this, which] {
        openImagePage(1);
        tap(imagePopup()->palettePage()->customItem());
        if (which == Chooser)
            tapCustomRow(0, 255);
        // Remove is offered from three palettes on.
        if (which == RemoveQuestion && EImagePalette::customBrowser()->rows().size() < 3) {
            longPressCustomRow(0);
            tap(ECustomPalette::menu()->addButton());
            QCOMPARE(EImagePalette::customBrowser()->rows().size(), 3);
        }
    };
    r.open = [this, which]() -> QWidget * {
        ECustomPalette *list = EImagePalette::customBrowser();
        switch (which) {
        case Editor:
            tapCustomRow(0, 255);
            return list->editor();
        case Chooser:
            tap(list->editor()->minButton());
            return list->editor()->chooser();
        case RemoveQuestion:
            longPressCustomRow(2);
            tap(ECustomPalette::menu()->removeButton());
            return list->removeQuestion();
        }
        return nullptr;
    };
    r.close = [this, which] {
        ECustomPalette *list = EImagePalette::customBrowser();
        switch (which) {
        case Editor:
            tap(list->editor()->title()->findChild<QPushButton *>(QStringLiteral("Cancel")));
            break;
        case Chooser:
            tap(list->editor()->chooser()->cancelButton());
            break;
        case RemoveQuestion:
            tap(list->removeQuestion()->button(QMessageBox::No));
            QCOMPARE(list->rows().size(), 3);
            break;
        }
    };
    r.back = [this, which] {
        ECustomPalette *list = EImagePalette::customBrowser();
        if (which == Chooser)
            tap(list->editor()->title()->findChild<QPushButton *>(QStringLiteral("Cancel")));
        tap(list->title()->findChild<QPushButton *>(QStringLiteral("Cancel")));
        leavePopup();
    };
    return r;
}

Route TestSimReopen::isothermSettings()
{
    Route r;
    r.enter = [this] { openImagePage(3); };
    r.open = [this]() -> QWidget * {
        tap(imagePopup()->settingPage()->isoItem()->findChild<QPushButton *>(QStringLiteral("Setting")));
        return EImageSettingTab::isoSetup();
    };
    r.close = [this] { tap(EImageSettingTab::isoSetup()->title()->findChild<QPushButton *>()); };
    r.back = [this] { leavePopup(); };
    return r;
}

void TestSimReopen::imageWindows_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("image picture page") << imagePage(0);
    QTest::newRow("image palette page") << imagePage(1);
    QTest::newRow("image level page") << imagePage(2);
    QTest::newRow("image settings page") << imagePage(3);
    Route escape = imagePage(0);
    escape.close = [this] { key(Qt::Key_Escape); };
    QTest::newRow("image popup, Escape") << escape;
    // The strip closes the popup; the tile opens it again.
    Route afterStrip = imagePage(2);
    afterStrip.enter = [this] {
        openImagePage(2);
        setManual(true);
        tapAt(BesidePopup);
    };
    afterStrip.close = [this] {
        tap(imagePopup()->modePage()->adjustItem());
        QVERIFY(imagePopup()->modePage()->adjustWindowIsVisible());
        tapAt(BesidePopup);
    };
    afterStrip.back = levelStrip().back;
    QTest::newRow("image level page after its strip") << afterStrip;
    QTest::newRow("level strip") << levelStrip();
    Route stripEscape = levelStrip();
    stripEscape.close = [this] { key(Qt::Key_Escape); };
    QTest::newRow("level strip, Escape") << stripEscape;
    QTest::newRow("standard palettes") << paletteList(false);
    QTest::newRow("custom palettes") << paletteList(true);
    QTest::newRow("palette editor") << customPaletteWindow(Editor);
    QTest::newRow("colour chooser") << customPaletteWindow(Chooser);
    QTest::newRow("remove palette question") << customPaletteWindow(RemoveQuestion);
    QTest::newRow("isotherm settings") << isothermSettings();
}

// ---- the setup window ----

ESetupWindow *TestSimReopen::setupWindow() const
{
    return EGlobal::getSetupWindow();
}

// The Settings tile, then the page's entry unless it is the one shown.
void TestSimReopen::openSetupPage(const char *entry)
{
    if (!setupWindow()->isVisible())
        openTile("Config");
    QVERIFY(setupWindow()->isVisible());
    auto *item = setupWindow()->listItems()->findChild<ESetupItem *>(QLatin1String(entry));
    QVERIFY(item);
    if (!item->highlight())
        tap(item);
    QVERIFY(item->highlight());
}

void TestSimReopen::closeSetupWindow()
{
    if (setupWindow()->isVisible())
        tap(setupWindow()->listItems()->backButton());
}

// The window opens again on the page last chosen.
Route TestSimReopen::setupPage(const char *entry)
{
    Route r;
    r.open = [this, entry]() -> QWidget * {
        openSetupPage(entry);
        return setupWindow();
    };
    r.close = [this] { key(Qt::Key_Escape); };
    r.reopen = [this, entry]() -> QWidget * {
        openTile("Config");
        ESetupItem *item = setupWindow()->listItems()->findChild<ESetupItem *>(QLatin1String(entry));
        [&] { QVERIFY(item && item->highlight()); }();
        return QTest::currentTestFailed() ? nullptr : setupWindow();
    };
    return r;
}

// A dialog a page's row opens. Escape closes the setup window with it, so
// opening it again may start from the Settings tile.
Route TestSimReopen::setupDialog(const char *entry, int page, QWidget *(*row)(QWidget *), QWidget *(*dialog)(QWidget *),
                                 Qt::Key closeKey)
{
    Route r;
    r.enter = [this, entry] { openSetupPage(entry); };
    r.open = [this, page, row, dialog]() -> QWidget * {
        QWidget *shown = setupWindow()->widget(page);
        tap(row(shown));
        return dialog(shown);
    };
    r.close = [this, page, dialog, closeKey] {
        QWidget *shown = dialog(setupWindow()->widget(page));
        if (closeKey)
            key(closeKey);
        else
            tap(shown->findChild<QPushButton *>(QStringLiteral("Cancel")));
    };
    r.reopen = [this, r, entry]() -> QWidget * {
        openSetupPage(entry);
        return QTest::currentTestFailed() ? nullptr : r.open();
    };
    r.back = [this] { closeSetupWindow(); };
    return r;
}

template <class Page> Page *page(QWidget *widget)
{
    return qobject_cast<Page *>(widget);
}

void TestSimReopen::setupWindows_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("setup general") << setupPage("General");
    QTest::newRow("setup control") << setupPage("Control");
    QTest::newRow("setup photos") << setupPage("Photos");
    QTest::newRow("setup date") << setupPage("Date & Time");
    QTest::newRow("setup info") << setupPage("Info");
    Route back = setupPage("Control");
    back.close = [this] { closeSetupWindow(); };
    QTest::newRow("setup window, back button") << back;

    const Qt::Key cancel = Qt::Key(0);
    auto language = [](QWidget *p) -> QWidget * { return page<EGeneralPage>(p)->languageItem(); };
    auto languageDialog = [](QWidget *p) -> QWidget * { return page<EGeneralPage>(p)->languageDialog(); };
    QTest::newRow("language dialog") << setupDialog("General", ESetupWindow::GeneralPage, language, languageDialog, cancel);
    QTest::newRow("language dialog, Escape")
        << setupDialog("General", ESetupWindow::GeneralPage, language, languageDialog, Qt::Key_Escape);

    auto shutter = [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->shutterItem(); };
    auto shutterDialog = [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->shutterDialog(); };
    QTest::newRow("shutter dialog") << setupDialog("Control", ESetupWindow::ControlPage, shutter, shutterDialog, cancel);
    QTest::newRow("shutter dialog, Escape")
        << setupDialog("Control", ESetupWindow::ControlPage, shutter, shutterDialog, Qt::Key_Escape);
    QTest::newRow("screen-off dialog") << setupDialog(
        "Control", ESetupWindow::ControlPage, [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->closeScreenItem(); },
        [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->closeScreenDialog(); }, cancel);
    QTest::newRow("power-off dialog") << setupDialog(
        "Control", ESetupWindow::ControlPage, [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->shutdownItem(); },
        [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->shutdownDialog(); }, cancel);
    QTest::newRow("brightness dialog") << setupDialog(
        "Control", ESetupWindow::ControlPage, [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->brightItem(); },
        [](QWidget *p) -> QWidget * { return page<EMiscPage>(p)->brightDialog(); }, cancel);

    auto period = [](QWidget *p) -> QWidget * { return page<EPhotosPage>(p)->periodRow(); };
    auto interval = [](QWidget *p) -> QWidget * { return page<EPhotosPage>(p)->dialog(); };
    QTest::newRow("interval dialog") << setupDialog("Photos", ESetupWindow::PhotosPage, period, interval, cancel);
    QTest::newRow("interval dialog, Escape")
        << setupDialog("Photos", ESetupWindow::PhotosPage, period, interval, Qt::Key_Escape);
    // The number pad over the interval dialog: its Escape closes the pad only.
    Route pad;
    pad.enter = [this] {
        openSetupPage("Photos");
        tap(page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->periodRow());
    };
    pad.open = [this]() -> QWidget * {
        PhotoTimeDialog *dialog = page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->dialog();
        tap(dialog->countEdit());
        return dialog->board();
    };
    pad.close = [this] { key(Qt::Key_Escape); };
    pad.back = [this] {
        PhotoTimeDialog *dialog = page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->dialog();
        tap(dialog->findChild<QPushButton *>(QStringLiteral("Cancel")));
        closeSetupWindow();
    };
    QTest::newRow("interval pad") << pad;
}

// ---- the measurement panel ----

EAnalysisTab *TestSimReopen::analysisPanel() const
{
    return EGlobal::getAnalysisTab();
}

void TestSimReopen::openAnalysisPage(int page)
{
    if (!analysisPanel()->isVisible())
        openTile("Analysis");
    EAnalysisTab *panel = analysisPanel();
    QVERIFY(panel->isVisible());
    if (panel->stack()->currentIndex() != page)
        tap(panel->tabBar()->tab(page));
    QCOMPARE(panel->stack()->currentIndex(), page);
}

// The one shown top-level window of a kind.
template <class T> T *shown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(window); found && found->isVisible())
            return found;
    }
    return nullptr;
}

// The panel opens again on the page last shown.
Route TestSimReopen::analysisPage(int page)
{
    Route r;
    r.open = [this, page]() -> QWidget * {
        openAnalysisPage(page);
        return analysisPanel();
    };
    r.close = [this] { tapAt(BesidePopup); };
    r.reopen = [this, page]() -> QWidget * {
        openTile("Analysis");
        [&] { QCOMPARE(analysisPanel()->stack()->currentIndex(), page); }();
        return analysisPanel();
    };
    return r;
}

// A dialog a cell of a page opens. Cancel brings the panel back; Escape
// does not, so opening it again may start from the Measure tile.
Route TestSimReopen::analysisDialog(int page, QWidget *(*cell)(EAnalysisTab *), QWidget *(*dialog)(), Qt::Key closeKey)
{
    Route r;
    r.enter = [this, page] { openAnalysisPage(page); };
    r.open = [this, cell, dialog]() -> QWidget * {
        tap(cell(analysisPanel()));
        return dialog();
    };
    r.close = [this, dialog, closeKey] {
        if (closeKey)
            key(closeKey);
        else
            tap(dialog()->findChild<QPushButton *>(QStringLiteral("Cancel")));
    };
    r.reopen = [this, r, page]() -> QWidget * {
        openAnalysisPage(page);
        return QTest::currentTestFailed() ? nullptr : r.open();
    };
    r.back = [this] { leavePopup(); };
    return r;
}

template <class T> QWidget *shownWindow()
{
    return shown<T>();
}

// A cell of an object's row, or of a row of the settings page.
QWidget *objectCell(QWidget *row, const char *cell)
{
    return row->findChild<QPushButton *>(QLatin1String(cell));
}

QWidget *objectCell(EObjectTab *page, int n, const char *cell)
{
    return objectCell(page->row(n), cell);
}

void TestSimReopen::analysisWindows_data()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("measure spots page") << analysisPage(0);
    QTest::newRow("measure lines page") << analysisPage(1);
    QTest::newRow("measure areas page") << analysisPage(2);
    QTest::newRow("measure settings page") << analysisPage(3);
    Route escape = analysisPage(0);
    escape.close = [this] { key(Qt::Key_Escape); };
    QTest::newRow("measure panel, Escape") << escape;

    const Qt::Key cancel = Qt::Key(0);
    auto spotMode = [](EAnalysisTab *p) { return objectCell(p->spotPage(), 1, "Mode"); };
    auto spotSetting = [](EAnalysisTab *p) { return objectCell(p->spotPage(), 1, "Setting"); };
    auto lineMode = [](EAnalysisTab *p) { return objectCell(p->linePage(), 1, "Mode"); };
    auto lineSetting = [](EAnalysisTab *p) { return objectCell(p->linePage(), 1, "Setting"); };
    auto areaMode = [](EAnalysisTab *p) { return objectCell(p->areaPage(), 1, "Mode"); };
    auto areaSetting = [](EAnalysisTab *p) { return objectCell(p->areaPage(), 1, "Setting"); };
    auto global = [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->globalRow(); };
    auto measure = [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->measureRow(); };
    auto alarm = [](EAnalysisTab *p) { return objectCell(p->settingPage()->alarmRow(), "Setting"); };
    QTest::newRow("spot mode") << analysisDialog(0, spotMode, shownWindow<ESpotMode>, cancel);
    QTest::newRow("spot mode, Escape") << analysisDialog(0, spotMode, shownWindow<ESpotMode>, Qt::Key_Escape);
    QTest::newRow("spot parameters") << analysisDialog(0, spotSetting, shownWindow<ESpotSetup>, cancel);
    QTest::newRow("line mode") << analysisDialog(1, lineMode, shownWindow<ELineMode>, cancel);
    QTest::newRow("line parameters") << analysisDialog(1, lineSetting, shownWindow<ELineSetup>, cancel);
    QTest::newRow("area mode") << analysisDialog(2, areaMode, shownWindow<EAreaMode>, cancel);
    QTest::newRow("area parameters") << analysisDialog(2, areaSetting, shownWindow<EAreaSetup>, cancel);
    QTest::newRow("global parameters") << analysisDialog(3, global, shownWindow<EParaSetup>, cancel);
    QTest::newRow("global parameters, Escape") << analysisDialog(3, global, shownWindow<EParaSetup>, Qt::Key_Escape);
    QTest::newRow("measure setting") << analysisDialog(3, measure, shownWindow<EAnalysisSetup>, cancel);
    QTest::newRow("alarm setting") << analysisDialog(3, alarm, shownWindow<EAlarmSetup>, cancel);

    // The material list over the spot's parameters.
    Route materials;
    materials.enter = [this] {
        openAnalysisPage(0);
        tap(objectCell(analysisPanel()->spotPage(), 1, "Setting"));
    };
    materials.open = [this]() -> QWidget * {
        tap(shown<ESpotSetup>()->emissField()->spinBox()->findChild<QLineEdit *>());
        return shown<EmissTable>();
    };
    materials.close = [this] { tap(shown<EmissTable>()->findChild<QPushButton *>(QStringLiteral("Cancel"))); };
    materials.back = [this] {
        tap(shown<ESpotSetup>()->findChild<QPushButton *>(QStringLiteral("Cancel")));
        leavePopup();
    };
    QTest::newRow("material list") << materials;
}

// ---- calibration and the infrared core ----

CalibInterface *TestSimReopen::calibMenu() const
{
    return view()->calibMenu();
}

IRCoreMainWindow *TestSimReopen::coreWindow() const
{
    return EGlobal::getIRCoreMainWindow();
}

// C enters calibration mode (the simulator asks no code) and leaves it.
void TestSimReopen::pressC()
{
    key(Qt::Key_C);
}

void TestSimReopen::openCorePage(int page)
{
    if (!calibMenu() || !calibMenu()->isVisible())
        pressC();
    QVERIFY(calibMenu() && calibMenu()->isVisible());
    tap(calibMenu()->item(QStringLiteral("Update")));
    QVERIFY(coreWindow() && coreWindow()->isVisible());
    tap(coreWindow()->listItem()->rows().at(page));
    QCOMPARE(coreWindow()->currentIndex(), page);
}

// Escape on the core window brings the menu back; C leaves calibration.
void TestSimReopen::leaveCalibration()
{
    if (coreWindow() && coreWindow()->isVisible())
        key(Qt::Key_Escape);
    QVERIFY(calibMenu()->isVisible());
    pressC();
    QVERIFY(!calibMenu()->isVisible());
}

CalibPage *TestSimReopen::corePage() const
{
    return static_cast<CalibPage *>(coreWindow()->widget(IRCoreMainWindow::CalibPageIndex));
}

ParaPage *TestSimReopen::registerPage() const
{
    return static_cast<ParaPage *>(coreWindow()->widget(IRCoreMainWindow::ParaPageIndex));
}

// The K calibration from its start to the saved K, no dead points marked;
// the core's waits shortened.
void TestSimReopen::twoPointCalibration()
{
    tap(corePage()->startButton());
    TwoCalib *calib = corePage()->twoCalib();
    QVERIFY(calib && calib->isVisible());
    Intervals::setScale(0.01);
    auto step = [this, calib](const char *button, const char *answer) {
        tap(calib->button(QLatin1String(button)));
        QTRY_COMPARE(calib->messageLabel()->text(), QLatin1String(answer));
    };
    step("OK", "init two point calib. para success");
    tap(calib->button(QStringLiteral("Next")));
    step("OK", "init one point calib. para success");
    tap(calib->button(QStringLiteral("Next")));
    step("OK", "get low temperature success");
    tap(calib->button(QStringLiteral("Next")));
    step("OK", "get high temperature success");
    tap(calib->button(QStringLiteral("Next")));
    step("OK", "cali K success, is K right?");
    step("Yes", "are there dead points?");
    step("No", "save K value?");
    step("Yes", "save K value success");
    Intervals::setScale(1.0);
}

void TestSimReopen::calibrationWindows_data()
{
    QTest::addColumn<Route>("route");
    Route menu;
    menu.open = [this]() -> QWidget * {
        pressC();
        return calibMenu();
    };
    menu.close = [this] { pressC(); };
    QTest::newRow("calibration menu") << menu;

    Route core;
    core.enter = [this] { pressC(); };
    core.open = [this]() -> QWidget * {
        tap(calibMenu()->item(QStringLiteral("Update")));
        return coreWindow();
    };
    core.close = [this] { key(Qt::Key_Escape); };
    core.back = [this] { leaveCalibration(); };
    QTest::newRow("infrared-core window") << core;

    // Its screens close it; it comes back when they end.
    Route afterCalibration;
    afterCalibration.enter = [this] { pressC(); };
    afterCalibration.open = [this]() -> QWidget * {
        openCorePage(IRCoreMainWindow::CalibPageIndex);
        return coreWindow();
    };
    afterCalibration.close = [this] { twoPointCalibration(); };
    afterCalibration.reopen = [this]() -> QWidget * {
        tap(corePage()->twoCalib()->button(QStringLiteral("Exit")));
        return coreWindow();
    };
    afterCalibration.back = [this] {
        tap(corePage()->twoCalib()->button(QStringLiteral("Exit")));
        leaveCalibration();
    };
    QTest::newRow("infrared-core window after a two-point calibration") << afterCalibration;

    Route afterEdit;
    afterEdit.enter = [this] { pressC(); };
    afterEdit.open = [this]() -> QWidget * {
        openCorePage(IRCoreMainWindow::ParaPageIndex);
        return coreWindow();
    };
    afterEdit.close = [this] {
        tap(registerPage()->row(QStringLiteral("FID")));
        EIRCoreAdjustItem *bar = registerPage()->adjustItem();
        QVERIFY(bar->isVisible());
        tap(bar->upButton());
    };
    afterEdit.reopen = [this]() -> QWidget * {
        key(Qt::Key_Escape);
        return coreWindow();
    };
    afterEdit.back = [this] {
        key(Qt::Key_Escape);
        leaveCalibration();
    };
    QTest::newRow("infrared-core window after a register edit") << afterEdit;

    // Marking ends with Escape and No to saving.
    auto endMarking = [this] {
        CentredQuestion::Responder previous = CentredQuestion::setResponder(
            [](QMessageBox *box) { QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton); });
        key(Qt::Key_Escape);
        CentredQuestion::setResponder(previous);
    };
    Route afterMarking;
    afterMarking.enter = [this] { pressC(); };
    afterMarking.open = [this]() -> QWidget * {
        openCorePage(IRCoreMainWindow::CalibPageIndex);
        return coreWindow();
    };
    afterMarking.close = [this] { tap(corePage()->deadPointButton()); };
    afterMarking.reopen = [this, endMarking]() -> QWidget * {
        endMarking();
        return coreWindow();
    };
    afterMarking.back = [this, endMarking] {
        endMarking();
        leaveCalibration();
    };
    QTest::newRow("infrared-core window after dead-point marking") << afterMarking;

    Route calib;
    calib.enter = [this] { openCorePage(IRCoreMainWindow::CalibPageIndex); };
    calib.open = [this]() -> QWidget * {
        tap(corePage()->startButton());
        return corePage()->twoCalib();
    };
    calib.close = [this] { key(Qt::Key_Escape); };
    calib.back = [this] { leaveCalibration(); };
    QTest::newRow("two-point calibration") << calib;

    Route bar;
    bar.enter = [this] { openCorePage(IRCoreMainWindow::ParaPageIndex); };
    bar.open = [this]() -> QWidget * {
        tap(registerPage()->row(QStringLiteral("FID")));
        return registerPage()->adjustItem();
    };
    bar.close = [this] { key(Qt::Key_Escape); };
    bar.back = [this] { leaveCalibration(); };
    QTest::newRow("register value bar") << bar;

    Route marking;
    marking.enter = [this] { openCorePage(IRCoreMainWindow::CalibPageIndex); };
    marking.open = [this]() -> QWidget * {
        tap(corePage()->deadPointButton());
        return corePage()->manualDeadPoint();
    };
    marking.close = endMarking;
    marking.back = [this] { leaveCalibration(); };
    QTest::newRow("dead-point marking") << marking;

    // With an access code asked, C opens the keypad; Escape puts it away.
    Route keypad;
    keypad.enter = [this] { QVERIFY(storeSetting(QStringLiteral("VyxSet/EnterMode"), 1)); };
    keypad.open = [this]() -> QWidget * {
        pressC();
        return view()->accessKeyboard();
    };
    keypad.close = [this] { key(Qt::Key_Escape); };
    keypad.back = [this] { QVERIFY(storeSetting(QStringLiteral("VyxSet/EnterMode"), 0)); };
    QTest::newRow("calibration access keypad") << keypad;

    Route settings;
    settings.enter = [this] {
        pressC();
        tap(calibMenu()->item(QStringLiteral("Calib")));
        QVERIFY(view()->biaoDingWidget());
    };
    settings.open = [this]() -> QWidget * {
        tap(view()->biaoDingWidget()->calibInfoButton());
        return view()->biaoDingWidget()->settingsWindow();
    };
    settings.close = [this] { key(Qt::Key_Escape); };
    settings.back = [this] {
        tap(view()->biaoDingWidget()->backButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    QTest::newRow("calibration settings window") << settings;

    // A table's plot from the settings window's "Profile" tab.
    Route tablePlot = settings;
    tablePlot.enter = [this, settings] {
        // A failed step ends the row here: the next would act on a screen
        // that is not there.
        settings.enter();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(settings.open());
        if (QTest::currentTestFailed())
            return;
        QTabBar *tabs = view()->biaoDingWidget()->settingsWindow()->tabs()->tabBar();
        tapAt(tabs->mapToGlobal(tabs->tabRect(2).center()));
        QCOMPARE(tabs->currentIndex(), 2);
    };
    tablePlot.open = [this]() -> QWidget * {
        EProfileTab *tab = view()->biaoDingWidget()->settingsWindow()->profileTab();
        tap(tab->tableButton(0));
        return tab->profileWindow();
    };
    tablePlot.back = [this, settings] {
        key(Qt::Key_Escape);
        if (QTest::currentTestFailed())
            return;
        settings.back();
    };
    QTest::newRow("calibration table plot") << tablePlot;

    // The correction panel's table, its curves and a plot of them.
    auto correctionPanel = [this] {
        pressC();
        tap(calibMenu()->item(QStringLiteral("Modify")));
        QVERIFY(view()->modifyTableButton());
    };
    auto leaveCorrectionPanel = [this] {
        tap(view()->modifyBackButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    Route factors;
    factors.enter = correctionPanel;
    factors.open = [this]() -> QWidget * {
        tap(view()->modifyTableButton());
        return view()->modifyViewer();
    };
    factors.close = [this] { key(Qt::Key_Escape); };
    factors.back = leaveCorrectionPanel;
    QTest::newRow("correction table") << factors;
    Route curves;
    curves.enter = correctionPanel;
    curves.open = [this]() -> QWidget * {
        tap(shownButton(QStringLiteral("Profile")));
        return view()->modifyProfile();
    };
    curves.close = [this] { key(Qt::Key_Escape); };
    curves.back = leaveCorrectionPanel;
    QTest::newRow("correction curves") << curves;
    Route plot;
    plot.enter = [this, correctionPanel] {
        correctionPanel();
        tap(shownButton(QStringLiteral("Profile")));
    };
    plot.open = [this]() -> QWidget * {
        tap(view()->modifyProfile()->button(0));
        return view()->modifyProfile()->plotWindow();
    };
    plot.close = [this] { key(Qt::Key_Escape); };
    plot.back = [this, leaveCorrectionPanel] {
        key(Qt::Key_Escape);
        leaveCorrectionPanel();
    };
    QTest::newRow("correction plot") << plot;

    Route product;
    product.enter = [this] {
        pressC();
        tap(calibMenu()->item(QStringLiteral("PN")));
        QVERIFY(view()->productInfoWidget());
    };
    product.open = [this]() -> QWidget * {
        tap(view()->productInfoWidget()->row(ProductInfoWidget::Date));
        return view()->productInfoWidget()->keyboard();
    };
    product.close = [this] { key(Qt::Key_Escape); };
    product.back = [this] {
        tap(view()->productInfoWidget()->backButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    QTest::newRow("product editor keypad") << product;
}

// A shown parentless button: the correction panel's are windows of their own.
QPushButton *TestSimReopen::shownButton(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return qobject_cast<QPushButton *>(window);
    }
    return nullptr;
}

bool TestSimReopen::storeSetting(const QString &key, const QVariant &value)
{
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// ---- keypads ----

// Every pad the camera opens over a page, opened the user's way: the pad's
// window lies on the panel and so does each of its keys, the bottom row
// included. With OSTREL_SCREENS_DIR set each pad is written as a PNG.
void TestSimReopen::keypadsOnPanel_data()
{
    QTest::addColumn<Route>("route");
    const Qt::Key escape = Qt::Key_Escape;

    Route access;
    access.enter = [this] { QVERIFY(storeSetting(QStringLiteral("VyxSet/EnterMode"), 1)); };
    access.open = [this]() -> QWidget * {
        pressC();
        return view()->accessKeyboard();
    };
    access.close = [this, escape] { key(escape); };
    access.back = [this] { QVERIFY(storeSetting(QStringLiteral("VyxSet/EnterMode"), 0)); };
    QTest::newRow("calibration access keypad") << access;

    Route factors;
    factors.enter = [this] {
        pressC();
        tap(calibMenu()->item(QStringLiteral("Modify")));
        tap(view()->modifyTableButton());
        QVERIFY(view()->modifyViewer() && view()->modifyViewer()->isVisible());
    };
    factors.open = [this]() -> QWidget * {
        tap(view()->modifyViewer()->row(0));
        return view()->modifyViewer()->keyboard();
    };
    factors.close = [this, escape] { key(escape); };
    factors.back = [this, escape] {
        key(escape);
        tap(view()->modifyBackButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    QTest::newRow("correction table keypad") << factors;

    // The calibration settings window's table and range tabs.
    auto settingsTab = [this](int tab) {
        pressC();
        tap(calibMenu()->item(QStringLiteral("Calib")));
        tap(view()->biaoDingWidget()->calibInfoButton());
        QTabBar *tabs = view()->biaoDingWidget()->settingsWindow()->tabs()->tabBar();
        if (tabs->currentIndex() != tab)
            tapAt(tabs->mapToGlobal(tabs->tabRect(tab).center()));
        QCOMPARE(tabs->currentIndex(), tab);
    };
    auto leaveSettings = [this, escape] {
        key(escape);
        tap(view()->biaoDingWidget()->backButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    Route table;
    table.enter = [settingsTab] { settingsTab(0); };
    table.open = [this]() -> QWidget * {
        TempADWidget *editor = view()->biaoDingWidget()->settingsWindow()->tempAD();
        tap(editor->item(1));
        return editor->keyboard();
    };
    table.close = [this, escape] { key(escape); };
    table.back = leaveSettings;
    QTest::newRow("calibration table keypad") << table;
    Route ranges;
    ranges.enter = [settingsTab] { settingsTab(1); };
    ranges.open = [this]() -> QWidget * {
        EFidTab *tab = view()->biaoDingWidget()->settingsWindow()->intTab();
        tap(tab->row(EFidTab::IntTime0Row));
        return tab->keyboard();
    };
    ranges.close = [this, escape] { key(escape); };
    ranges.back = leaveSettings;
    QTest::newRow("calibration range keypad") << ranges;

    auto productPage = [this] {
        pressC();
        tap(calibMenu()->item(QStringLiteral("PN")));
        QVERIFY(view()->productInfoWidget());
    };
    auto leaveProductPage = [this] {
        tap(view()->productInfoWidget()->backButton());
        QTRY_VERIFY(calibMenu()->isVisible());
        pressC();
    };
    Route product;
    product.enter = productPage;
    product.open = [this]() -> QWidget * {
        tap(view()->productInfoWidget()->row(ProductInfoWidget::Date));
        return view()->productInfoWidget()->keyboard();
    };
    product.close = [this, escape] { key(escape); };
    product.back = leaveProductPage;
    QTest::newRow("product data keypad") << product;
    Route producer;
    producer.enter = productPage;
    producer.open = [this]() -> QWidget * {
        tap(view()->productInfoWidget()->row(ProductInfoWidget::Producer));
        return view()->productInfoWidget()->textDialog();
    };
    producer.close = [this] {
        tap(view()->productInfoWidget()->textDialog()->findChild<QPushButton *>(QStringLiteral("button_2")));
    };
    producer.back = leaveProductPage;
    QTest::newRow("product text keyboard") << producer;

    Route registers;
    registers.enter = [this] {
        openCorePage(IRCoreMainWindow::ParaPageIndex);
        tap(registerPage()->row(QStringLiteral("FID")));
    };
    registers.open = [this]() -> QWidget * {
        tap(registerPage()->adjustItem()->valueButton());
        return registerPage()->keyboard();
    };
    registers.close = [this, escape] { key(escape); };
    registers.back = [this, escape] {
        // The bar takes the keys again, and its Escape brings the core's
        // window back.
        QTRY_COMPARE(QGuiApplication::focusWindow(), registerPage()->adjustItem()->windowHandle());
        key(escape);
        leaveCalibration();
    };
    QTest::newRow("infrared-core register keypad") << registers;

    Route interval;
    interval.enter = [this] {
        openSetupPage("Photos");
        tap(page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->periodRow());
    };
    interval.open = [this]() -> QWidget * {
        PhotoTimeDialog *dialog = page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->dialog();
        tap(dialog->countEdit());
        return dialog->board();
    };
    interval.close = [this, escape] { key(escape); };
    interval.back = [this] {
        PhotoTimeDialog *dialog = page<EPhotosPage>(setupWindow()->widget(ESetupWindow::PhotosPage))->dialog();
        tap(dialog->findChild<QPushButton *>(QStringLiteral("Cancel")));
        closeSetupWindow();
    };
    QTest::newRow("photo interval pad") << interval;

    // The date and time dialogs' boards; Escape on a dialog closes the
    // setup window with it.
    auto dateTimePage = [this] { return page<ZDateTimePage>(setupWindow()->widget(ESetupWindow::DateTimePage)); };
    Route date;
    date.enter = [this, dateTimePage] {
        openSetupPage("Date & Time");
        tap(dateTimePage()->dateItem);
    };
    date.open = [this, dateTimePage]() -> QWidget * {
        tap(dateTimePage()->dateDialog()->dayEdit);
        return dateTimePage()->dateDialog()->board();
    };
    date.close = [this, dateTimePage] { tap(dateTimePage()->dateDialog()->board()->okButton); };
    date.back = [this, escape] { key(escape); };
    QTest::newRow("date pad") << date;
    Route hours;
    hours.enter = [this, dateTimePage] {
        openSetupPage("Date & Time");
        tap(dateTimePage()->timeItem);
    };
    hours.open = [this, dateTimePage]() -> QWidget * {
        tap(dateTimePage()->timeDialog()->hourEdit);
        return dateTimePage()->timeDialog()->board();
    };
    hours.close = [this, dateTimePage] { tap(dateTimePage()->timeDialog()->board()->okButton); };
    hours.back = [this, escape] { key(escape); };
    QTest::newRow("time pad") << hours;

    Route palette;
    palette.enter = [this] {
        openImagePage(1);
        tap(imagePopup()->palettePage()->customItem());
    };
    palette.open = [this]() -> QWidget * {
        longPressCustomRow(0);
        tap(ECustomPalette::menu()->renameButton());
        return ECustomPalette::keyBoard();
    };
    palette.close = [this] { tap(ECustomPalette::keyBoard()->findChild<QPushButton *>(QStringLiteral("button_2"))); };
    palette.back = [this] {
        tap(EImagePalette::customBrowser()->title()->findChild<QPushButton *>(QStringLiteral("Cancel")));
        leavePopup();
    };
    QTest::newRow("palette name keyboard") << palette;
}

void TestSimReopen::keypadsOnPanel()
{
    QFETCH(Route, route);
    route.enter();
    QVERIFY(!QTest::currentTestFailed());
    QWidget *pad = route.open();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(pad && pad->isWindow() && pad->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(pad));
    const QRect panel(0, 0, SimScreen::Width, SimScreen::Height);
    const QRect window(pad->mapToGlobal(QPoint(0, 0)), pad->size());
    auto where = [](const QRect &r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    QVERIFY2(panel.contains(window), qPrintable(QStringLiteral("the pad lies at ") + where(window)));
    int keys = 0;
    for (const QAbstractButton *button : pad->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(pad))
            continue;
        ++keys;
        const QRect at(button->mapToGlobal(QPoint(0, 0)), button->size());
        const QString name = button->text().isEmpty() ? button->objectName() : button->text();
        QVERIFY2(window.contains(at), qPrintable(QStringLiteral("key \"%1\" at %2 is cut off by the pad at %3").arg(name, where(at), where(window))));
    }
    QVERIFY(keys >= 10);
    save(QStringLiteral("keypad_%1.png").arg(fileName(QTest::currentDataTag())));
    const QPointer<QWidget> kept(pad);
    route.close();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!kept || !kept->isVisible());
    route.back();
    QVERIFY(!QTest::currentTestFailed());
    QTRY_VERIFY(view()->isVisibled());
}

// ---- photos and videos ----

// Two photos and two recordings on the card, newest first by name.
void TestSimReopen::writeMedia()
{
    for (int i = 1; i <= 2; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0'));
        const QByteArray photo = PhotoFixture::photo(PhotoFixture::record(), 0, QColor::fromHsv(i * 90, 160, 200));
        QVERIFY(m_sim.root->writeFile(QStringLiteral("sim-root/media/mmc/image/181214_%1T.jpg").arg(number), photo));
        SideDataVideo video;
        video.videoBytes = 150000;
        video.spot = true;
        for (int second = 0; second < 20; ++second)
            video.seconds << second;
        const QString path = Paths::resolve(QStringLiteral("/media/mmc/videoFile/181214_%1V.mp4").arg(number));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(video.write(path));
    }
}

ThumbMenu *TestSimReopen::photoBrowser() const
{
    return m_sim.live->menu()->photoBrowser();
}

// The Photo tile; the tiles look for their thumbnails every 50 ms instead
// of 5 s until both show.
ThumbMenu *TestSimReopen::openPhotoBrowser()
{
    Intervals::setScale(0.01);
    openTile("Photo");
    ThumbMenu *browser = photoBrowser();
    [&] {
        QVERIFY(browser && browser->isVisible());
        QCOMPARE(browser->count(), 2);
        QTRY_VERIFY(!browser->tile(0)->showsPlaceholder() && !browser->tile(1)->showsPlaceholder());
    }();
    Intervals::setScale(1.0);
    return browser;
}

// The browser is deleted on the way out.
void TestSimReopen::closePhotoBrowser()
{
    tap(photoBrowser()->exitButton());
    QTRY_VERIFY(!photoBrowser());
}

Smaplayer *TestSimReopen::videoBrowser() const
{
    return m_sim.live->menu()->videoBrowser();
}

// The Play tile, the list once its pictures show.
Smaplayer *TestSimReopen::openVideoBrowser()
{
    openTile("Play");
    Smaplayer *browser = videoBrowser();
    [&] {
        QVERIFY(browser && browser->isVisible());
        ScreenDirectory *grid = browser->list()->area()->screen();
        QCOMPARE(grid->files.size(), 2);
        QTRY_VERIFY(grid->hasThumbnail(0) && grid->hasThumbnail(1));
    }();
    return browser;
}

// The exit button hides the list; the live view takes taps again once the
// list's worker is done.
void TestSimReopen::closeVideoBrowser()
{
    tap(videoBrowser()->exitButton());
    QTRY_VERIFY(!videoBrowser()->isVisible());
    QTRY_VERIFY(!view()->getWaitIrAdmode());
}

// A video of the list (four cells of 80 x 80 a row), and its play button:
// the player is asked for that video.
EVideoGraphicsView *TestSimReopen::playVideo(int index)
{
    tapAt(QPoint(40 + 80 * index, 30));
    EVideoGraphicsView *playback = videoBrowser()->playback();
    [&] {
        QTRY_VERIFY(playback->isVisible());
        tap(playback->videoView()->transport()->playButton());
        const QString file = videoBrowser()->list()->area()->screen()->files.value(index);
        QVERIFY(ScriptedPlayer::last());
        QCOMPARE(ScriptedPlayer::last()->calls.value(0), QStringLiteral("play ") + ZVideoloadThread::videoPath(file));
    }();
    return playback;
}

// The transport's list button ends playback; the list shows again.
void TestSimReopen::backToVideoList()
{
    tap(videoBrowser()->playback()->videoView()->transport()->listButton());
    QTRY_VERIFY(!videoBrowser()->playback()->isVisible());
    QVERIFY(videoBrowser()->list()->isVisible());
}

void TestSimReopen::mediaWindows_data()
{
    QTest::addColumn<Route>("route");
    Route browser;
    browser.open = [this]() -> QWidget * { return openPhotoBrowser(); };
    browser.close = [this] { closePhotoBrowser(); };
    QTest::newRow("photo browser") << browser;

    Route viewer;
    viewer.enter = [this] { openPhotoBrowser(); };
    viewer.open = [this]() -> QWidget * {
        tap(photoBrowser()->tile(0));
        return photoBrowser()->viewer();
    };
    viewer.close = [this] { key(Qt::Key_Escape); };
    viewer.back = [this] { closePhotoBrowser(); };
    QTest::newRow("photo viewer") << viewer;

    Route question;
    question.enter = [this] {
        openPhotoBrowser();
        tap(photoBrowser()->tile(0));
    };
    question.open = [this]() -> QWidget * {
        tap(photoBrowser()->viewer()->deleteButton());
        return photoBrowser()->viewer()->question();
    };
    question.close = [this] { tap(photoBrowser()->viewer()->question()->cancelButton()); };
    question.back = [this] {
        key(Qt::Key_Escape);
        closePhotoBrowser();
    };
    QTest::newRow("photo delete question") << question;

    Route list;
    list.open = [this]() -> QWidget * { return openVideoBrowser(); };
    list.close = [this] { closeVideoBrowser(); };
    QTest::newRow("video list") << list;

    Route player;
    player.enter = [this] { openVideoBrowser(); };
    player.open = [this]() -> QWidget * { return playVideo(0); };
    player.close = [this] { backToVideoList(); };
    player.back = [this] { closeVideoBrowser(); };
    QTest::newRow("video player") << player;

    // The next video of the list shows the player again, not the list.
    Route second = player;
    second.reopen = [this]() -> QWidget * { return playVideo(1); };
    QTest::newRow("video player, second video") << second;
    Route escape = second;
    escape.close = [this] {
        key(Qt::Key_Escape);
        QTRY_VERIFY(!videoBrowser()->playback()->isVisible());
        QVERIFY(videoBrowser()->list()->isVisible());
    };
    QTest::newRow("video player, Escape, second video") << escape;
    // The transport's exit leaves the list too; Play opens it again.
    Route exit = second;
    exit.close = [this] {
        tap(videoBrowser()->playback()->videoView()->transport()->exitButton());
        QTRY_VERIFY(!videoBrowser()->isVisible());
        QVERIFY(!videoBrowser()->playback()->isVisible());
        QTRY_VERIFY(!view()->getWaitIrAdmode());
    };
    exit.reopen = [this]() -> QWidget * {
        openVideoBrowser();
        return playVideo(1);
    };
    exit.back = [] {};
    QTest::newRow("video player, exit, second video") << exit;
}

QTEST_MAIN(TestSimReopen)
#include "tst_simreopen.moc"
