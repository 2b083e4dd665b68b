#include "../widgets/rowprobe.h"
#include "ecolordialog.h"
#include "ecolorshow.h"
#include "ecustommenu.h"
#include "ecustompalette.h"
#include "edialogtitle.h"
#include "eglobal.h"
#include "ealarmsetup.h"
#include "eanalysissetup.h"
#include "eanalysistab.h"
#include "eanalysistabbar.h"
#include "eareamode.h"
#include "eareasetup.h"
#include "eareatab.h"
#include "elinemode.h"
#include "elinesetup.h"
#include "elinetab.h"
#include "emisstable.h"
#include "eparasetup.h"
#include "esettingtab.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotmode.h"
#include "espotsetup.h"
#include "espottab.h"
#include "eimagemode.h"
#include "eimagepalette.h"
#include "eimagesettingtab.h"
#include "eisosetup.h"
#include "ereminditem.h"
#include "estandardpalette.h"
#include "etabitem.h"
#include "etitle.h"
#include "emodeitem.h"
#include "eadjustlevelitem.h"
#include "egraphicsview.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "etabwidget.h"
#include "elistitems.h"
#include "emaininterface.h"
#include "esetupitem.h"
#include "esetupwindow.h"
#include "egeneralpage.h"
#include "elanguagedialog.h"
#include "emiscpage.h"
#include "ephotospage.h"
#include "phototimeboard.h"
#include "phototimedialog.h"
#include "brightdialog.h"
#include "eshutterdialog.h"
#include "eclosescreendialog.h"
#include "eshutdowndialog.h"
#include "esetupcombobox.h"
#include "zlineedit.h"
#include "menuroute.h"
#include "screentouch.h"
#include "setuptouch.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyleHints>
#include <QStackedWidget>
#include <QtTest>

#include <functional>

// Every window the camera keeps and shows again, opened, closed and opened
// again the user's way on the frame-buffer platform: the second opening
// must show on the panel exactly what the first showed, the closed window
// must be gone from the panel, and a tap on the bare live view afterwards
// must reach the live view. With OSTREL_SCREENS_DIR set both openings are
// written as PNGs.
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

class TestSimReopen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void imageWindows_data();
    void imageWindows() { reopen(); }
    void setupWindows_data();
    void setupWindows() { reopen(); }
    void analysisWindows_data();
    void analysisWindows() { reopen(); }

private:
    // What the panel showed of a window and what the window paints itself,
    // in the part of its rectangle on the panel.
    struct Look
    {
        QRect rect;
        QImage panel;
        QImage own;
    };

    // The pixels of a window's rectangle over both openings. What the window
    // paints alike both times is its own; what changes (a clock, a reading,
    // the live picture through a clear window) is left out. A clear window
    // owns only its opaque pixels; any other covers its whole rectangle.
    struct Comparison
    {
        Comparison(const Look &first, const Look &second, const QImage &before, const QImage &closed, bool clear);
        QByteArray describe() const;

        int compared = 0;   // the window's own, stable pixels
        int sameSecond = 0; // of them, shown alike by both openings
        int drawn = 0;      // its own opaque, stable pixels
        int drawnFirst = 0; // of them, on the panel at the first opening
        int distinct = 0;   // its own opaque pixels unlike the panel before it opened
        int stillShown = 0; // of them, still on the panel once closed
    };

    void reopen();
    Look look(QWidget *window);
    QImage panelIn(const QRect &rect);
    void save(const QString &name);
    void tapAt(const QPoint &global);
    void tap(QWidget *target);
    void key(Qt::Key key);
    void tapBareLiveView();
    void openTile(const char *name);
    EGraphicsView *view() const { return m_sim.live->view(); }

    EImageTab *imagePopup() const;
    void openImagePage(int page);
    void leavePopup();
    void setManual(bool manual);
    void tapCustomRow(int position, int x);
    enum CustomWindow { Editor, Chooser };
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
    void leaveAnalysisPanel();
    Route analysisPage(int page);
    Route analysisDialog(int page, QWidget *(*cell)(EAnalysisTab *), QWidget *(*dialog)(), Qt::Key closeKey);
    Route setupDialog(const char *entry, int page, QWidget *(*row)(QWidget *), QWidget *(*dialog)(QWidget *),
                      Qt::Key closeKey);

    SetupTouch m_sim;
    QByteArray m_function;
};

namespace {

const QRect Panel(0, 0, 320, 240);
// Bare picture: where a tap shows the main menu, beside the popups of the
// bottom-left corner, and beside the menu. Taps in a row land apart, so
// none of them is taken for a double tap.
const QPoint MenuPoint = MenuRoute::barePoint();
const QPoint BesidePopup(250, 110);
const QPoint BesideMenu(20, 200);

bool opaque(QRgb p)
{
    return qAlpha(p) == 255;
}

QString fileName(const char *row)
{
    QString name = QString::fromLatin1(row).toLower();
    for (QChar &c : name)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return name;
}

} // namespace

TestSimReopen::Comparison::Comparison(const Look &first, const Look &second, const QImage &before, const QImage &closed,
                                      bool clear)
{
    for (int y = 0; y < first.rect.height(); ++y) {
        for (int x = 0; x < first.rect.width(); ++x) {
            const QRgb own = first.own.pixel(x, y);
            if (own != second.own.pixel(x, y))
                continue;
            const QRgb shown = first.panel.pixel(x, y);
            if (opaque(own) || !clear) {
                ++compared;
                sameSecond += second.panel.pixel(x, y) == shown;
            }
            if (!opaque(own))
                continue;
            ++drawn;
            drawnFirst += shown == own;
            if (before.pixel(x, y) != own) {
                ++distinct;
                stillShown += closed.pixel(x, y) == own;
            }
        }
    }
}

QByteArray TestSimReopen::Comparison::describe() const
{
    return QStringLiteral("%1 of %2 shown alike; %3 of %4 drawn the first time; %5 of %6 still shown once closed")
        .arg(sameSecond)
        .arg(compared)
        .arg(drawnFirst)
        .arg(drawn)
        .arg(stillShown)
        .arg(distinct)
        .toLatin1();
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
}

void TestSimReopen::cleanup()
{
    if (QTest::currentTestFailed()) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window != m_sim.screen.get())
                window->hide();
        m_sim.stop();
    }
}

struct DebugEvents : QObject
{
    bool eventFilter(QObject *o, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
        case QEvent::TouchBegin: case QEvent::TouchEnd: case QEvent::TouchUpdate: case QEvent::TouchCancel:
            qInfo() << "   event" << e->type() << o << e->isAccepted() << e->spontaneous();
        default: break;
        }
        return false;
    }
};

void TestSimReopen::initTestCase()
{
    // The taps of a route come microseconds apart, where a user's come
    // seconds apart: none of them is a double tap, even on the same spot.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    if (qEnvironmentVariableIsSet("REOPEN_DEBUG"))
        qApp->installEventFilter(new DebugEvents);
}

void TestSimReopen::cleanupTestCase()
{
    m_sim.stop();
}

QImage TestSimReopen::panelIn(const QRect &rect)
{
    return m_sim.screen->composed().copy(rect);
}

TestSimReopen::Look TestSimReopen::look(QWidget *window)
{
    Look l;
    l.rect = QRect(window->mapToGlobal(QPoint(0, 0)), window->size()) & Panel;
    l.panel = panelIn(l.rect);
    l.own = window->grab().toImage().convertToFormat(QImage::Format_ARGB32).copy(
        QRect(window->mapFromGlobal(l.rect.topLeft()), l.rect.size()));
    return l;
}

void TestSimReopen::save(const QString &name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

// A finger on the panel lands on the window the panel shows at that point.
void TestSimReopen::tapAt(const QPoint &global)
{
    QWindow *window = QGuiApplication::topLevelAt(global);
    if (qEnvironmentVariableIsSet("REOPEN_DEBUG"))
        qInfo() << "tap" << global << window << QApplication::widgetAt(global);
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
    std::unique_ptr<PressCounter> counter = std::make_unique<PressCounter>(view()->viewport());
    for (int tap = 1; tap <= 2 && !menu->isVisible(); ++tap) {
        tapAt(MenuPoint);
        QVERIFY2(counter->presses == tap, "the tap on the live view did not reach it");
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
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(window && window->isWindow() && window->isVisible());
    const Look first = look(window);
    save(QStringLiteral("reopen_%1_1.png").arg(row));

    route.close();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!window->isVisible());
    const QImage closed = panelIn(first.rect);
    save(QStringLiteral("reopen_%1_closed.png").arg(row));

    QWidget *again = route.reopen ? route.reopen() : route.open();
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(again, window);
    QVERIFY(window->isVisible());
    const Look second = look(window);
    save(QStringLiteral("reopen_%1_2.png").arg(row));
    QCOMPARE(second.rect, first.rect);

    const Comparison c(first, second, before.copy(first.rect), closed,
                       window->testAttribute(Qt::WA_TranslucentBackground));
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

// Back to the live view from the popup or a window it opened: the popup
// and the menu put away by taps beside them.
void TestSimReopen::leavePopup()
{
    if (imagePopup()->isVisible())
        tapAt(BesidePopup);
    if (m_sim.live->menu()->isVisible())
        tapAt(BesideMenu);
}

// The level/span page's mode row: Manual is one step left of Auto.
void TestSimReopen::setManual(bool manual)
{
    EImageMode *page = imagePopup()->modePage();
    tap(arrow(page->modeItem(), manual ? "Left" : "Right"));
    QCOMPARE(view()->getLevelSpanMode(), manual ? MODE_MANUAL : MODE_AUTO);
}

Route TestSimReopen::imagePage(int page)
{
    Route r;
    r.open = [this, page]() -> QWidget * {
        openImagePage(page);
        return imagePopup();
    };
    r.close = [this] { tapAt(BesidePopup); };
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

Route TestSimReopen::customPaletteWindow(CustomWindow which)
{
    Route r;
    r.enter = [this, which] {
        openImagePage(1);
        tap(imagePopup()->palettePage()->customItem());
        if (which == Chooser)
            tapCustomRow(0, 255);
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

Route TestSimReopen::setupPage(const char *entry)
{
    Route r;
    r.open = [this, entry]() -> QWidget * {
        openSetupPage(entry);
        return setupWindow();
    };
    r.close = [this] { key(Qt::Key_Escape); };
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
        return r.open();
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

void TestSimReopen::leaveAnalysisPanel()
{
    if (analysisPanel()->isVisible())
        tapAt(BesidePopup);
    if (m_sim.live->menu()->isVisible())
        tapAt(BesideMenu);
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

Route TestSimReopen::analysisPage(int page)
{
    Route r;
    r.open = [this, page]() -> QWidget * {
        openAnalysisPage(page);
        return analysisPanel();
    };
    r.close = [this] { tapAt(BesidePopup); };
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
        return r.open();
    };
    r.back = [this] { leaveAnalysisPanel(); };
    return r;
}

QWidget *objectCell(EObjectTab *page, int n, const char *cell)
{
    return page->row(n)->findChild<QPushButton *>(QLatin1String(cell));
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
    QTest::newRow("spot mode") << analysisDialog(
        0, [](EAnalysisTab *p) { return objectCell(p->spotPage(), 1, "Mode"); }, [] { return static_cast<QWidget *>(shown<ESpotMode>()); },
        cancel);
    QTest::newRow("spot mode, Escape") << analysisDialog(
        0, [](EAnalysisTab *p) { return objectCell(p->spotPage(), 1, "Mode"); }, [] { return static_cast<QWidget *>(shown<ESpotMode>()); },
        Qt::Key_Escape);
    QTest::newRow("spot parameters") << analysisDialog(
        0, [](EAnalysisTab *p) { return objectCell(p->spotPage(), 1, "Setting"); },
        [] { return static_cast<QWidget *>(shown<ESpotSetup>()); }, cancel);
    QTest::newRow("line mode") << analysisDialog(
        1, [](EAnalysisTab *p) { return objectCell(p->linePage(), 1, "Mode"); }, [] { return static_cast<QWidget *>(shown<ELineMode>()); },
        cancel);
    QTest::newRow("line parameters") << analysisDialog(
        1, [](EAnalysisTab *p) { return objectCell(p->linePage(), 1, "Setting"); },
        [] { return static_cast<QWidget *>(shown<ELineSetup>()); }, cancel);
    QTest::newRow("area mode") << analysisDialog(
        2, [](EAnalysisTab *p) { return objectCell(p->areaPage(), 1, "Mode"); }, [] { return static_cast<QWidget *>(shown<EAreaMode>()); },
        cancel);
    QTest::newRow("area parameters") << analysisDialog(
        2, [](EAnalysisTab *p) { return objectCell(p->areaPage(), 1, "Setting"); },
        [] { return static_cast<QWidget *>(shown<EAreaSetup>()); }, cancel);
    QTest::newRow("global parameters") << analysisDialog(
        3, [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->globalRow(); },
        [] { return static_cast<QWidget *>(shown<EParaSetup>()); }, cancel);
    QTest::newRow("global parameters, Escape") << analysisDialog(
        3, [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->globalRow(); },
        [] { return static_cast<QWidget *>(shown<EParaSetup>()); }, Qt::Key_Escape);
    QTest::newRow("measure setting") << analysisDialog(
        3, [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->measureRow(); },
        [] { return static_cast<QWidget *>(shown<EAnalysisSetup>()); }, cancel);
    QTest::newRow("alarm setting") << analysisDialog(
        3, [](EAnalysisTab *p) -> QWidget * { return p->settingPage()->alarmRow()->findChild<QPushButton *>(QStringLiteral("Setting")); },
        [] { return static_cast<QWidget *>(shown<EAlarmSetup>()); }, cancel);

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
        leaveAnalysisPanel();
    };
    QTest::newRow("material list") << materials;
}

QTEST_MAIN(TestSimReopen)
#include "tst_simreopen.moc"
