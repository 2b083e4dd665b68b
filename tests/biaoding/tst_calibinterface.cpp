#include "calibview.h"

#include "calibinterface.h"
#include "einterfaceitem.h"
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
};

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

QTEST_MAIN(TestCalibInterface)
#include "tst_calibinterface.moc"
