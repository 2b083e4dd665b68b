#include "../libtherma/frontfixture.h"

#include "eareawidget.h"
#include "eglobal.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "etoolwidget.h"
#include "egraphicsview.h"
#include "settingssync.h"
#include "elinewidget.h"
#include "ependingsettings.h"
#include "espotwidget.h"
#include "testroot.h"

#include <QGraphicsPixmapItem>
#include <QSettings>
#include <QtTest>

#include <memory>

// The live view without a board: which objects it creates and shows, how
// it joins their readings and marks the current one, what it stores, and
// how it follows the picture mode. Every reading fails here ("--").
class TestGraphicsView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void firstStart();
    void visibleRestored();
    void manualSpotKeepsStoredPosition();
    void readoutJoinOrder_data();
    void readoutJoinOrder();
    void currentObjectIsRed();
    void numbersOutsideTheObjectsAreIgnored();
    void pictureModeTable_data();
    void pictureModeTable();
    void insetCornerMovesVisibleObjects();
    void objectsKeepTheirPlaceThroughModes_data();
    void objectsKeepTheirPlaceThroughModes();
    void switchedOnInVisibleModeShowsLater();
    void modeSixIsNeverStored();
    void startupSettingsAreChecked_data();
    void startupSettingsAreChecked();
    void clearScreen();
    void tempUnitLabel_data();
    void tempUnitLabel();
    void mainMenuClosesOnDeactivation();
    void shutterMutesTheRefresh();
    void startupTip_data();
    void startupTip();
    void settingsWriteFailsWhileBuilding();
    void screenFlags();

private:
    static QVariant stored(const QString &key)
    {
        EPendingSettings::instance()->flush();
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        return settings.value(key);
    }
    static QString readout(const EGraphicsView &view)
    {
        return view.readingsItem()->isVisible() ? view.readingsItem()->plainText() : QString();
    }
};

void TestGraphicsView::cleanup()
{
    EPendingSettings::instance()->flush();
    EGlobal::setSystemTempUnit(0);
    EGlobal::setSystemLenUnit(0);
}

void TestGraphicsView::firstStart()
{
    TestRoot root;
    EGraphicsView view;
    QCOMPARE(EGlobal::getGraphicsView(), &view);
    QVERIFY(view.getSpotWidget(1)->isVisibled());
    QCOMPARE(QPoint(view.getSpotWidget(1)->getX(), view.getSpotWidget(1)->getY()), QPoint(160, 120));
    QCOMPARE(QPoint(view.getSpotWidget(2)->getX(), view.getSpotWidget(3)->getX()), QPoint(80, 240));
    for (int n = 2; n <= 3; ++n)
        QVERIFY(!view.getSpotWidget(n)->isVisibled() && !view.spotVisible[n - 1]);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!view.getAreaWidget(n)->isVisibled() && !view.areaVisible[n - 1]);
    for (int n = 1; n <= 2; ++n)
        QVERIFY(!view.getLineWidget(n)->isVisibled() && !view.lineVisible[n - 1]);
    QVERIFY(!view.getSpotWidget(0) && !view.getSpotWidget(4) && !view.getLineWidget(3));
    QVERIFY(!view.currentFocusWidget());
    // No board: the reading is not made, and no number is shown for it.
    QCOMPARE(readout(view), QStringLiteral("P1:--"));
    QCOMPARE(view.readingsItem()->pos(), QPointF(4, 18));
    QCOMPARE(view.readingsTimer()->interval(), 640);
    QVERIFY(view.readingsTimer()->isActive());
    QVERIFY(!view.laserItem()->isVisible());
    QVERIFY(!view.laserItem()->pixmap().isNull());
    QCOMPARE(view.laserItem()->sceneBoundingRect().center(), QPointF(160, 120));
    QVERIFY(!view.unitItem()->isVisible());
    QVERIFY(!view.tipsVisibled());
    QCOMPARE(view.tempRangeMin(), -20);
    QCOMPARE(view.tempRangeMax(), 150);
    QCOMPARE(view.getInterfaceMode(), 0);
}

void TestGraphicsView::visibleRestored()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"),
                           "[Spot_1]\nVisible=false\n[Spot_3]\nVisible=true\n[Area_2]\nVisible=true\n[Line_2]\nVisible=true\n"
                           "[Line_1]\nVisible=maybe\n"));
    EGraphicsView view;
    QCOMPARE(QList<bool>({view.spotVisible[0], view.spotVisible[1], view.spotVisible[2]}), QList<bool>({false, false, true}));
    QCOMPARE(QList<bool>({view.areaVisible[0], view.areaVisible[1], view.areaVisible[2]}), QList<bool>({false, true, false}));
    QCOMPARE(QList<bool>({view.lineVisible[0], view.lineVisible[1]}), QList<bool>({false, true}));
    QVERIFY(view.getSpotWidget(3)->isVisibled() && view.getAreaWidget(2)->isVisibled() && view.getLineWidget(2)->isVisibled());
    QCOMPARE(readout(view), QStringLiteral("P3:--\nL2:--\nA2H:--\nA2L:--\nA2A:--"));

    view.hideArea(2);
    view.showSpot(1, false);
    QCOMPARE(stored(QStringLiteral("Area_2/Visible")).toBool(), false);
    QCOMPARE(stored(QStringLiteral("Spot_1/Visible")).toBool(), true);
    EGraphicsView again;
    QVERIFY(again.spotVisible[0] && !again.areaVisible[1] && again.spotVisible[2]);
}

// A spot the user placed starts where it was left, and its stored place
// is not overwritten by the start-up default.
void TestGraphicsView::manualSpotKeepsStoredPosition()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[Spot_1]\nPosition_x=40\nPosition_y=50\n[Spot_2]\nMode=1\nPosition_x=44\nPosition_y=55\n"));
    {
        EGraphicsView view;
        QCOMPARE(QPoint(view.getSpotWidget(1)->getX(), view.getSpotWidget(1)->getY()), QPoint(40, 50));
        // A Max spot waits at its default place for its first reading.
        QCOMPARE(QPoint(view.getSpotWidget(2)->getX(), view.getSpotWidget(2)->getY()), QPoint(80, 120));
        QCOMPARE(QPoint(view.getSpotWidget(3)->getX(), view.getSpotWidget(3)->getY()), QPoint(240, 120));
    }
    QCOMPARE(stored(QStringLiteral("Spot_1/Position_x")).toInt(), 40);
    QCOMPARE(stored(QStringLiteral("Spot_1/Position_y")).toInt(), 50);
    QCOMPARE(stored(QStringLiteral("Spot_2/Position_x")).toInt(), 44);
}

void TestGraphicsView::readoutJoinOrder_data()
{
    QTest::addColumn<QStringList>("on");
    QTest::addColumn<QString>("expected");
    const QString a1 = QStringLiteral("A1H:--\nA1L:--\nA1A:--");
    const QString a3 = QStringLiteral("A3H:--\nA3L:--\nA3A:--");
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("only areas") << QStringList({"A3", "A1"}) << a1 + "\n" + a3;
    QTest::newRow("spot and area") << QStringList({"A1", "P2"}) << "P2:--\n" + a1;
    QTest::newRow("line and spot") << QStringList({"L2", "P3", "L1"}) << QStringLiteral("P3:--\nL1:--\nL2:--");
    QTest::newRow("everything") << QStringList({"A3", "L2", "A1", "P3", "L1", "P2", "P1", "A2"})
                                << "P1:--\nP2:--\nP3:--\nL1:--\nL2:--\n" + a1 + "\nA2H:--\nA2L:--\nA2A:--\n" + a3;
}

void TestGraphicsView::readoutJoinOrder()
{
    QFETCH(QStringList, on);
    QFETCH(QString, expected);
    TestRoot root;
    EGraphicsView view;
    view.hideSpot(1);
    for (const QString &object : on) {
        const int n = object.mid(1).toInt();
        if (object.startsWith(QLatin1Char('P')))
            view.showSpot(n, true);
        else if (object.startsWith(QLatin1Char('A')))
            view.showArea(n, true);
        else
            view.showLine(n, true);
    }
    view.displayTemp();
    QCOMPARE(readout(view), expected);
    QCOMPARE(view.readingsItem()->isVisible(), !expected.isEmpty());
}

void TestGraphicsView::currentObjectIsRed()
{
    TestRoot root;
    EGraphicsView view;
    view.showSpot(2, true);
    QCOMPARE(view.currentFocusWidget(), view.getSpotWidget(2));
    QCOMPARE(view.readingsItem()->highlightText(), QStringLiteral("P2:--"));
    QCOMPARE(view.getSpotWidget(2)->label()->brush().color(), QColor(Qt::red));

    view.showArea(1, true);
    QCOMPARE(view.currentFocusWidget(), view.getAreaWidget(1));
    QVERIFY(!view.getSpotWidget(2)->isHighlight());
    QCOMPARE(view.getSpotWidget(2)->label()->brush().color(), QColor(Qt::white));
    QCOMPARE(view.readingsItem()->highlightText(), QStringLiteral("A1H:--\nA1L:--\nA1A:--"));

    // Switching off another object leaves the current one.
    view.hideSpot(2);
    QCOMPARE(view.currentFocusWidget(), view.getAreaWidget(1));
    // The current object selected off: no red entry.
    view.getAreaWidget(1)->setHighlight(false);
    QVERIFY(view.readingsItem()->highlightText().isEmpty());
    view.getAreaWidget(1)->setHighlight(true);
    view.hideArea(1);
    QVERIFY(!view.currentFocusWidget());
    QVERIFY(view.readingsItem()->highlightText().isEmpty());

    view.showLine(1, true);
    view.clearCurrentFocusWidget();
    QVERIFY(!view.currentFocusWidget());
    QVERIFY(!view.getLineWidget(1)->isHighlight());
}

// Numbers without an object change nothing: no flag outside the arrays,
// no settings group of an object that does not exist.
void TestGraphicsView::numbersOutsideTheObjectsAreIgnored()
{
    TestRoot root;
    EGraphicsView view;
    view.showSpot(4, true);
    view.showArea(9, true);
    view.showLine(3, true);
    view.hideSpot(4);
    view.hideArea(-1);
    view.hideLine(0);
    view.hideLine(3);
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
    EPendingSettings::instance()->flush();
    settings.sync();
    for (const char *group : {"Spot_4", "Area_9", "Line_3", "Area_-1", "Line_0"})
        QVERIFY2(!settings.childGroups().contains(QLatin1String(group)), group);
    QVERIFY(view.spotVisible[0] && view.getSpotWidget(1)->isVisibled());
}

void TestGraphicsView::pictureModeTable_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("objectsShown");
    QTest::addColumn<int>("scaledType");
    QTest::addColumn<bool>("linesShown");
    QTest::newRow("0 IR") << 0 << true << -1 << true;
    QTest::newRow("1 Visible") << 1 << false << -1 << false;
    QTest::newRow("2 IR_PIPE_VIS") << 2 << true << -1 << true;
    QTest::newRow("3 VIS_PIPE_IR, inset bottom right") << 3 << true << 2 << false;
    QTest::newRow("4 IR_MIX_VIS") << 4 << true << -1 << true;
    QTest::newRow("5 VIS_MIX_IR") << 5 << true << 4 << false;
}

void TestGraphicsView::pictureModeTable()
{
    QFETCH(int, mode);
    QFETCH(bool, objectsShown);
    QFETCH(int, scaledType);
    QFETCH(bool, linesShown);
    TestRoot root;
    EGraphicsView view;
    view.showArea(2, true);
    view.showLine(1, true);
    view.set_CCD_Pipe_IR_Position(2);
    view.setImageMode(mode);
    QCOMPARE(view.getImageMode(), mode);
    for (EAnalysisWidget *object : {static_cast<EAnalysisWidget *>(view.getSpotWidget(1)), static_cast<EAnalysisWidget *>(view.getAreaWidget(2))})
        QCOMPARE(object->isVisibled(), objectsShown);
    if (objectsShown) {
        QCOMPARE(view.getSpotWidget(1)->getScaledType(), scaledType);
        QCOMPARE(view.getAreaWidget(2)->getScaledType(), scaledType);
    }
    QCOMPARE(view.getLineWidget(1)->isVisibled(), linesShown);
    // Objects switched off stay off in every mode.
    QVERIFY(!view.getSpotWidget(2)->isVisibled() && !view.getLineWidget(2)->isVisibled());
    QCOMPARE(readout(view).isEmpty(), !objectsShown);
    QCOMPARE(stored(QStringLiteral("ImageMode")).toInt(), mode);

    // Back to IR: every switched-on object at its full-screen place.
    view.setImageMode(0);
    QCOMPARE(QPoint(view.getSpotWidget(1)->getX(), view.getSpotWidget(1)->getY()), QPoint(160, 120));
    QCOMPARE(QPoint(view.getAreaWidget(2)->getX(), view.getAreaWidget(2)->getY()), QPoint(40, 80));
    QVERIFY(view.getLineWidget(1)->isVisibled());
}

void TestGraphicsView::insetCornerMovesVisibleObjects()
{
    TestRoot root;
    EGraphicsView view;
    view.set_CCD_Pipe_IR_Position(0);
    view.setImageMode(3);
    QCOMPARE(QPoint(view.getSpotWidget(1)->getX(), view.getSpotWidget(1)->getY()), QPoint(80, 60));
    QCOMPARE(view.set_CCD_Pipe_IR_Position(2), 0);
    QCOMPARE(QPoint(view.getSpotWidget(1)->getX(), view.getSpotWidget(1)->getY()), QPoint(240, 180));
    // A hidden object keeps its scaling until it is shown again.
    QCOMPARE(view.getSpotWidget(2)->getScaledType(), -1);
    QCOMPARE(stored(QStringLiteral("Image_CCD_Pipe_IR_Position")).toInt(), 2);
    QCOMPARE(view.set_CCD_Pipe_IR_Position(4), -1);
    QCOMPARE(view.get_CCD_Pipe_IR_Position(), 2);
    QCOMPARE(view.set_IR_Pipe_CCD_Position(3), 0);
    QCOMPARE(stored(QStringLiteral("Image_IR_Pipe_CCD_Position")).toInt(), 3);
    QCOMPARE(view.getSpotWidget(1)->getScaledType(), 2);
}

void TestGraphicsView::objectsKeepTheirPlaceThroughModes_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("modes");
    const struct
    {
        const char *name;
        const char *group;
        const char *settings;
        QStringList keys;
    } objects[] = {
        {"spot at the top, odd column", "Spot_1", "Position_x=33\nPosition_y=21\n", {"Position_x", "Position_y"}},
        {"spot in the far corner", "Spot_2", "Position_x=315\nPosition_y=235\n", {"Position_x", "Position_y"}},
        {"area at the top", "Area_1", "Position_xlt=5\nPosition_ylt=21\nPosition_xrb=86\nPosition_yrb=53\n",
         {"Position_xlt", "Position_ylt", "Position_xrb", "Position_yrb"}},
        {"area across the picture", "Area_3", "Position_xlt=5\nPosition_ylt=101\nPosition_xrb=315\nPosition_yrb=235\n",
         {"Position_xlt", "Position_ylt", "Position_xrb", "Position_yrb"}},
        {"row line at the top", "Line_1", "Row=21\nColumn=5\n", {"Row", "Column"}},
        {"column line at the right", "Line_2", "Row=235\nColumn=315\n", {"Row", "Column"}},
    };
    // A mode, or "3@c" the infrared inset in corner c.
    const struct
    {
        const char *name;
        QStringList modes;
    } visits[] = {
        {"Visible", {"1"}},
        {"IR_PIPE_VIS", {"2"}},
        {"VIS_PIPE_IR top-left", {"3@0"}},
        {"VIS_PIPE_IR bottom-left", {"3@1"}},
        {"VIS_PIPE_IR bottom-right", {"3@2"}},
        {"VIS_PIPE_IR top-right", {"3@3"}},
        {"IR_MIX_VIS", {"4"}},
        {"VIS_MIX_IR", {"5"}},
        {"every mode and corner", {"1", "2", "3@0", "3@1", "3@2", "3@3", "4", "5"}},
        {"inset, blend, inset", {"3@0", "5", "3@2", "2"}},
    };
    for (const auto &object : objects) {
        for (const auto &visit : visits) {
            QTest::newRow(qPrintable(QLatin1String(object.name) + QLatin1String(", ") + QLatin1String(visit.name)))
                << QString::fromLatin1(object.group)
                << QByteArray("[") + object.group + "]\nVisible=true\n" + object.settings << object.keys << visit.modes;
        }
    }
}

// A visit to other picture modes, in any order, leaves every object where
// it was stored: a smaller picture may draw it held inside its bounds, but
// back in the infrared mode it stands and is stored where it stood.
void TestGraphicsView::objectsKeepTheirPlaceThroughModes()
{
    QFETCH(QString, group);
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, modes);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), settings));
    EGraphicsView view;
    const int n = group.right(1).toInt();
    EAnalysisWidget *object = group.startsWith(QLatin1String("Spot")) ? static_cast<EAnalysisWidget *>(view.getSpotWidget(n))
        : group.startsWith(QLatin1String("Area"))                     ? static_cast<EAnalysisWidget *>(view.getAreaWidget(n))
                                                                      : static_cast<EAnalysisWidget *>(view.getLineWidget(n));
    QVERIFY(object->isVisibled());
    const auto place = [&] {
        if (auto *area = qobject_cast<EAreaWidget *>(object)) {
            const _area r = area->getPoint();
            return QRect(QPoint(r.x0, r.y0), QPoint(r.x1, r.y1));
        }
        if (auto *spot = qobject_cast<ESpotWidget *>(object))
            return QRect(spot->frameX(), spot->frameY(), 1, 1);
        return QRect(object->getX(), object->getY(), 1, 1);
    };
    const auto overlay = [&] {
        const auto *area = qobject_cast<EAreaWidget *>(object);
        return QRect(object->getX(), object->getY(), area ? area->width() : 1, area ? area->height() : 1);
    };
    QList<QVariant> before;
    for (const QString &key : keys)
        before << stored(group + QLatin1Char('/') + key);
    const QRect placed = place();
    const QRect drawn = overlay();
    for (const QString &step : modes) {
        const QStringList parts = step.split(QLatin1Char('@'));
        if (parts.size() == 2)
            QCOMPARE(view.set_CCD_Pipe_IR_Position(parts.at(1).toInt()), 0);
        view.setImageMode(parts.at(0).toInt());
        QCOMPARE(place(), placed);
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(stored(group + QLatin1Char('/') + keys.at(i)).toString(), before.at(i).toString());
    }
    view.setImageMode(IR);
    QCOMPARE(place(), placed);
    QCOMPARE(overlay(), drawn);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(stored(group + QLatin1Char('/') + keys.at(i)).toString(), before.at(i).toString());
}

void TestGraphicsView::switchedOnInVisibleModeShowsLater()
{
    TestRoot root;
    EGraphicsView view;
    view.setImageMode(1);
    view.showSpot(2, true);
    QVERIFY(view.spotVisible[1]);
    QVERIFY(!view.getSpotWidget(2)->isVisibled());
    QVERIFY(!view.currentFocusWidget());
    QCOMPARE(stored(QStringLiteral("Spot_2/Visible")).toBool(), true);
    view.setImageMode(5);
    view.showLine(1, true);
    QVERIFY(view.lineVisible[0] && !view.getLineWidget(1)->isVisibled());
    view.setImageMode(0);
    QVERIFY(view.getSpotWidget(2)->isVisibled());
    QVERIFY(view.getLineWidget(1)->isVisibled());
}

// Mode 6 reaches the board but is never stored, with the overlay shown or
// cleared: it must not come back at the next start.
void TestGraphicsView::modeSixIsNeverStored()
{
    TestRoot root;
    EGraphicsView view;
    view.setImageMode(2);
    view.setImageMode(6);
    QCOMPARE(stored(QStringLiteral("ImageMode")).toInt(), 2);
    QVERIFY(view.getSpotWidget(1)->isVisibled());
    view.clearScreen(true);
    view.setImageMode(4);
    QCOMPARE(stored(QStringLiteral("ImageMode")).toInt(), 4);
    view.setImageMode(6);
    QCOMPARE(stored(QStringLiteral("ImageMode")).toInt(), 4);
    view.clearScreen(false);
    QCOMPARE(stored(QStringLiteral("ImageMode")).toInt(), 4);
    view.setImageMode(9);
    QCOMPARE(view.getImageMode(), 6);
}

void TestGraphicsView::startupSettingsAreChecked_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("corner");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("spotScaledType");
    QTest::newRow("sound") << QByteArray("ImageMode=3\nImage_CCD_Pipe_IR_Position=2\nTempUnit=1\nLenUnit=1\n") << 3 << 2 << 1 << 2;
    QTest::newRow("mode 7") << QByteArray("ImageMode=7\n") << 0 << 0 << 0 << -1;
    QTest::newRow("mode 6") << QByteArray("ImageMode=6\nTempUnit=2\n") << 0 << 0 << 2 << -1;
    QTest::newRow("bad corner and unit") << QByteArray("ImageMode=3\nImage_CCD_Pipe_IR_Position=-5\nTempUnit=9\n") << 3 << 0 << 0 << 0;
    QTest::newRow("text") << QByteArray("ImageMode=IR\nTempUnit=C\n") << 0 << 0 << 0 << -1;
}

void TestGraphicsView::startupSettingsAreChecked()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, mode);
    QFETCH(int, corner);
    QFETCH(int, unit);
    QFETCH(int, spotScaledType);
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\n" + settings));
    EGraphicsView view;
    QCOMPARE(view.getImageMode(), mode);
    QCOMPARE(view.get_CCD_Pipe_IR_Position(), corner);
    QCOMPARE(int(EGlobal::getSystemTempUnit()), unit);
    QCOMPARE(view.getSpotWidget(1)->getScaledType(), spotScaledType);
}

void TestGraphicsView::clearScreen()
{
    TestRoot root;
    EGraphicsView view;
    view.showArea(1, true);
    view.set_CCD_Pipe_IR_Position(1);
    view.setImageMode(3);
    view.clearScreen(true);
    QVERIFY(view.screenStatus());
    QVERIFY(!view.getSpotWidget(1)->isVisibled() && !view.getAreaWidget(1)->isVisibled());
    QVERIFY(view.spotVisible[0] && view.areaVisible[0]);
    QCOMPARE(view.getSpotWidget(1)->getScaledType(), -1);
    QVERIFY(!view.readingsItem()->isVisible());
    // The status strip and the scale go with the furniture.
    QVERIFY(view.toolBar()->isHidden());
    QVERIFY(!view.maxItem()->isVisible() && !view.modeItem()->isVisible());
    // Switched on meanwhile: the readout appears at the top.
    view.showSpot(2, true);
    QCOMPARE(readout(view), QStringLiteral("P2:--"));
    QCOMPARE(view.readingsItem()->pos(), QPointF(4, 2));
    view.clearScreen(false);
    QVERIFY(view.getSpotWidget(1)->isVisibled() && view.getAreaWidget(1)->isVisibled());
    QCOMPARE(view.getSpotWidget(1)->getScaledType(), 1);
    QCOMPARE(view.readingsItem()->pos(), QPointF(4, 18));
    QVERIFY(!view.toolBar()->isHidden());
    // Picture mode 3 shows the visible picture: no scale labels.
    QVERIFY(!view.maxItem()->isVisible());
    view.setImageMode(IR);
    QVERIFY(view.maxItem()->isVisible() && view.minItem()->isVisible());
}

void TestGraphicsView::tempUnitLabel_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("label");
    QTest::newRow("none") << QByteArray() << QString(QChar(0x00B0)) + "C";
    QTest::newRow("1") << QByteArray("TempUnit=1\n") << "F";
    QTest::newRow("2") << QByteArray("TempUnit=2\n") << "K";
    QTest::newRow("7") << QByteArray("TempUnit=7\n") << QString(QChar(0x00B0)) + "C";
}

void TestGraphicsView::tempUnitLabel()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, label);
    TestRoot root;
    EGraphicsView view;
    QVERIFY(root.writeFile(QStringLiteral("Parameter/Setting"), "[General]\n" + settings));
    view.displayTempUnit();
    QVERIFY(view.unitItem()->isVisible());
    QCOMPARE(view.unitItem()->plainText(), label);
    view.hideTempUnit();
    QVERIFY(!view.unitItem()->isVisible());
}

void TestGraphicsView::mainMenuClosesOnDeactivation()
{
    TestRoot root;
    EGraphicsView view;
    QWidget menu;
    menu.setObjectName(QStringLiteral("EMainInterface"));
    QWidget other;
    other.setObjectName(QStringLiteral("ESetupWindow"));
    menu.show();
    other.show();
    QEvent deactivate(QEvent::WindowDeactivate);
    QEvent activate(QEvent::WindowActivate);
    QVERIFY(!view.eventFilter(&other, &deactivate));
    QVERIFY(!view.eventFilter(&menu, &activate));
    QVERIFY(menu.isVisible() && other.isVisible());
    QVERIFY(!view.eventFilter(&menu, &deactivate));
    QVERIFY(!menu.isVisible());
}

void TestGraphicsView::shutterMutesTheRefresh()
{
    TestRoot root;
    EGraphicsView view;
    view.setShutting(true);
    view.getSpotWidget(1)->setTemp(QStringLiteral("12.3"));
    view.showSpot(2, true);
    QCOMPARE(readout(view), QStringLiteral("P1:--"));
    QCOMPARE(view.getSpotWidget(1)->name(), QStringLiteral("P1:12.3"));
    view.setShutting(false);
    view.displayTemp();
    QCOMPARE(readout(view), QStringLiteral("P1:--\nP2:--"));
}

void TestGraphicsView::startupTip_data()
{
    QTest::addColumn<QStringList>("removed");
    QTest::addColumn<QByteArray>("modify");
    QTest::addColumn<QString>("tip");
    QTest::newRow("sound tables") << QStringList() << QByteArray() << QString();
    QTest::newRow("no calibration table")
        << QStringList({"etc/calc_len0_temp0.conf", "etc/calc_len0_temp0_default.conf"}) << QByteArray()
        << QStringLiteral("Calibration file error!");
    QTest::newRow("correction factor 5") << QStringList() << QByteArray("[General]\nAverg_20=5\n")
                                         << QStringLiteral("Modify file error!");
}

// The status bar stores the fusion offsets while the live view is being
// built, before the view has its tip: a file that cannot be written then
// (a read-only or full flash) must not end the start-up.
void TestGraphicsView::settingsWriteFailsWhileBuilding()
{
    TestRoot root;
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("etc/MixOffset"))));
    EGraphicsView view;
    QCOMPARE(EGlobal::getGraphicsView(), &view);
    QVERIFY(!view.tipsVisibled());
    // The next failure is told on the view.
    QSettings mix(root.hostPath(QStringLiteral("etc/MixOffset")), QSettings::IniFormat);
    mix.setValue(QStringLiteral("MIX_Index"), 1);
    QVERIFY(!SettingsSync::commit(mix, "the fusion offsets"));
    QVERIFY(view.tipsVisibled());
    QCOMPARE(view.getTipsText(), QLatin1String(SettingsSync::TipText));
}

// The start-up check of the tables the front has loaded decides the tip.
void TestGraphicsView::startupTip()
{
    QFETCH(QStringList, removed);
    QFETCH(QByteArray, modify);
    QFETCH(QString, tip);
    FrontFixture f(false);
    for (const QString &file : removed)
        QVERIFY(QFile::remove(f.root.hostPath(file)));
    if (!modify.isEmpty())
        QVERIFY(f.root.writeFile(QStringLiteral("Parameter/Modify"), modify));
    EGlobal::setFPGA(&f.start());
    {
        EGraphicsView view;
        QCOMPARE(view.tipsVisibled(), !tip.isEmpty());
        if (!tip.isEmpty())
            QCOMPARE(view.getTipsText(), tip);
    }
    EGlobal::setFPGA(nullptr);
}

// The two flags other screens keep on the view: shown until a menu screen
// covers it, no setup dialog up at the start; each one alone.
void TestGraphicsView::screenFlags()
{
    TestRoot root;
    EGraphicsView view;
    QVERIFY(view.isVisibled());
    QVERIFY(!view.isSetupVisibled());
    view.setSetupVisibled(true);
    QVERIFY(view.isSetupVisibled() && view.isVisibled());
    view.setVisibled(false);
    QVERIFY(view.isSetupVisibled() && !view.isVisibled());
    view.setSetupVisibled(false);
    QVERIFY(!view.isSetupVisibled() && !view.isVisibled());
}

QTEST_MAIN(TestGraphicsView)
#include "tst_graphicsview.moc"
