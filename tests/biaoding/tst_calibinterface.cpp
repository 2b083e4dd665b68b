#include "calibview.h"

#include "calibinterface.h"
#include "einterfaceitem.h"
#include "ircorelibrary.h"
#include "ircoremainwindow.h"
#include "calibpage.h"
#include "parapage.h"
#include "twocalib.h"
#include "esetupcombobox.h"
#include "eircoreadjustitem.h"
#include "simircore.h"
#include "mylabel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

// The calibration menu: the tiles and the names they answer to, dispatch
// to the live view's pages, keys that change nothing, the "Imagephotos"
// message, and the unused clickable label.
class TestCalibInterface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tilesAndNames();
    void dispatch_data();
    void dispatch();
    void namesThatMatchNoTile();
    void keysAreSwallowed();
    void imagePhotosMessage();
    void myLabelReportsRelease();
    void coreTileTwice();
    void failedOpenKeepsTheMenu();
    void leavingClosesTheCoreWindow_data();
    void leavingClosesTheCoreWindow();

private:
    // The simulated core library, opening against the front's serial link.
    static SimIRCore *installCore(CalibView &c);
};

SimIRCore *TestCalibInterface::installCore(CalibView &c)
{
    auto *core = new SimIRCore;
    core->setSerialSource([&c] { return c.front.front->getSerial(); });
    IRCoreLibrary::install(core);
    return core;
}

void TestCalibInterface::tilesAndNames()
{
    CalibView c;
    CalibInterface menu;
    QCOMPARE(menu.objectName(), QStringLiteral("CalibInterface"));
    QCOMPARE(menu.size(), QSize(320, 224));
    QCOMPARE(CalibInterface::itemNames(), QStringList({"Calib", "Modify", "Update", "PN", "Mix", "Settings"}));
    const QStringList captions{"Calib", "Modify", "IR Core", "P/N", "Mix", "Settings"};
    for (int i = 0; i < captions.size(); ++i) {
        EInterfaceItem *tile = menu.item(CalibInterface::itemNames().at(i));
        QVERIFY(tile);
        QCOMPARE(tile->text(), captions.at(i));
        QCOMPARE(tile->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(menu.palette().color(QPalette::Window).alpha(), 0);
}

void TestCalibInterface::dispatch_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::newRow("Calib") << "Calib" << 1;
    QTest::newRow("Modify") << "Modify" << 2;
    QTest::newRow("PN") << "PN" << 4;
    QTest::newRow("Mix") << "Mix" << 5;
    QTest::newRow("Settings") << "Settings" << 6;
}

void TestCalibInterface::dispatch()
{
    QFETCH(QString, name);
    QFETCH(int, type);
    CalibView c;
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    QVERIFY(menu && menu->isVisible());
    QTest::mouseClick(menu->item(name), Qt::LeftButton);
    QCOMPARE(int(view.currentCalibType()), type);
    QVERIFY(!menu->isVisible());
    view.calibInferfaceHandle(EGraphicsViewPrivate::EM_CALIB_TYPE(type), false);
    QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    QVERIFY(menu->isVisible());
}

void TestCalibInterface::namesThatMatchNoTile()
{
    CalibView c;
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    for (const QString &name : {QStringLiteral("IR Core"), QStringLiteral("P/N"), QStringLiteral("Title"), QString()}) {
        menu->mouseClicked(name);
        QVERIFY2(menu->isVisible(), qPrintable(name));
        QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
    }
    QVERIFY(!menu->coreWindow());
}

void TestCalibInterface::keysAreSwallowed()
{
    CalibView c;
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    QSignalSpy rejected(menu, &QDialog::rejected);
    for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Left), int(Qt::Key_A)})
        QTest::keyClick(menu, Qt::Key(key));
    QVERIFY(menu->isVisible());
    QVERIFY(rejected.isEmpty());
    QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
}

void TestCalibInterface::imagePhotosMessage()
{
    CalibView c;
    EGraphicsView &view = *c.view;
    CalibInterface menu;
    view.setVisibled(false);
    menu.mainInterface_received(QStringLiteral("playexit"), QByteArray());
    QVERIFY(!view.isVisibled());
    menu.mainInterface_received(QStringLiteral("Imagephotos"), QByteArray("x"));
    QVERIFY(view.isVisibled());
}

void TestCalibInterface::myLabelReportsRelease()
{
    MyLabel label;
    label.resize(60, 20);
    label.show();
    QCOMPARE(label.alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(label.palette().color(QPalette::Window), QColor(220, 220, 220));
    QSignalSpy clicked(&label, &MyLabel::clicked);
    QTest::mousePress(&label, Qt::LeftButton);
    QCOMPARE(clicked.size(), 0);
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
}

// A second "IR Core" after the window was closed parks the port and opens
// the link again, and shows the same window.
void TestCalibInterface::coreTileTwice()
{
    CalibView c(true);
    SimIRCore *core = installCore(c);
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    IRCoreMainWindow *first = nullptr;
    for (int round = 0; round < 2; ++round) {
        core->clearLog();
        QTest::mouseClick(menu->item(QStringLiteral("Update")), Qt::LeftButton);
        QVERIFY(menu->coreWindow() && menu->coreWindow()->isVisible());
        if (round == 0)
            first = menu->coreWindow();
        QCOMPARE(menu->coreWindow(), first);
        QCOMPARE(core->calls().value(0), QStringLiteral("Ctl_EMIF_Open"));
        QVERIFY(c.front.front->getSerial()->isParked());
        QVERIFY(!menu->isVisible());
        QVERIFY(view.screenStatus());
        QCOMPARE(view.currentCalibType(), EGraphicsViewPrivate::EM_CALIB_MENU);
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!first->isVisible());
        QVERIFY(menu->isVisible());
        QVERIFY(!c.front.front->getSerial()->isParked());
        QVERIFY(!view.screenStatus());
    }
    view.enterCalibInterface(false);
    IRCoreLibrary::install(nullptr);
}

void TestCalibInterface::failedOpenKeepsTheMenu()
{
    CalibView c(true);
    SimIRCore *core = installCore(c);
    core->failCall(QStringLiteral("Ctl_EMIF_Open"), 1);
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    QTest::mouseClick(menu->item(QStringLiteral("Update")), Qt::LeftButton);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->note()->text(), QStringLiteral("IR Core open failed!"));
    QVERIFY(!menu->coreWindow());
    QVERIFY(!c.front.front->getSerial()->isParked());
    QVERIFY(!view.screenStatus());
    // The next open works and clears the note.
    QTest::mouseClick(menu->item(QStringLiteral("Update")), Qt::LeftButton);
    QVERIFY(menu->coreWindow() && menu->coreWindow()->isVisible());
    QVERIFY(menu->note()->text().isEmpty());
    view.enterCalibInterface(false);
    IRCoreLibrary::install(nullptr);
}

// The C key with the core window up leaves calibration mode: the window
// runs its closing sequence first, so the port is not left parked. Its
// screens over the live picture (the two-point calibration, the register
// bar) hide the window but keep the link: they go the same way.
void TestCalibInterface::leavingClosesTheCoreWindow_data()
{
    QTest::addColumn<QString>("over");
    QTest::newRow("core window") << QString();
    QTest::newRow("two-point calibration") << "calib";
    QTest::newRow("register bar") << "bar";
}

void TestCalibInterface::leavingClosesTheCoreWindow()
{
    QFETCH(QString, over);
    CalibView c(true);
    SimIRCore *core = installCore(c);
    EGraphicsView &view = *c.view;
    view.enterCalibInterface(false);
    CalibInterface *menu = view.calibMenu();
    QTest::mouseClick(menu->item(QStringLiteral("Update")), Qt::LeftButton);
    QVERIFY(core->isOpen());
    IRCoreMainWindow *window = menu->coreWindow();
    auto *calibPage = static_cast<CalibPage *>(window->widget(IRCoreMainWindow::CalibPageIndex));
    auto *paraPage = static_cast<ParaPage *>(window->widget(IRCoreMainWindow::ParaPageIndex));
    if (over == QLatin1String("calib")) {
        QTest::mouseClick(calibPage->startButton(), Qt::LeftButton);
        QVERIFY(calibPage->twoCalib()->isVisible());
        QVERIFY(!window->isVisible());
    } else if (over == QLatin1String("bar")) {
        window->pageChangeHandler(IRCoreMainWindow::ParaPageIndex);
        QTest::mouseClick(paraPage->row(QStringLiteral("FID")), Qt::LeftButton);
        QVERIFY(paraPage->adjustItem()->isVisible());
        QVERIFY(!window->isVisible());
    }
    core->clearLog();
    view.enterCalibInterface(false);
    QCOMPARE(view.getInterfaceMode(), int(EGraphicsViewPrivate::NormalInterface));
    QVERIFY(core->calls().contains(QStringLiteral("Ctl_EMIF_Close")));
    QVERIFY(!core->isOpen());
    QVERIFY(!c.front.front->getSerial()->isParked());
    QVERIFY(!window->isVisible());
    QVERIFY(!menu->isVisible());
    QVERIFY(!view.screenStatus());
    // Nothing is left over the live picture that would talk to a closed core.
    QVERIFY(!calibPage->twoCalib() || !calibPage->twoCalib()->isVisible());
    QVERIFY(!paraPage->adjustItem()->isVisible());
    // The library's link works again.
    QVERIFY(c.front.front->getSerial()->insideShutter());
    QVERIFY(c.front.front->getSerial()->waitForIdle(5000));
    IRCoreLibrary::install(nullptr);
}

QTEST_MAIN(TestCalibInterface)
#include "tst_calibinterface.moc"
