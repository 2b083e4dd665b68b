#include "analysispanelfixture.h"

#include "eanalysistabbar.h"
#include "eareamode.h"
#include "eareatab.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "elinetab.h"
#include "elinewidget.h"
#include "esettingtab.h"
#include "espotmode.h"
#include "espotsetup.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etabwidget.h"
#include "fpga.h"

#include <QKeyEvent>
#include <QStackedWidget>

// The analysis panel driven by clicks: its tab bar with the dead columns
// between the zones, the check cells that switch objects on and off, the
// highlight and focus rules of the mode and setup cells, and the alarm row
// with the board's alarm output.
class TestAnalysisPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void builtAndPlaced();
    void tabBarZones_data();
    void tabBarZones();
    void tabButtons();
    void checkCellsSwitchObjects_data();
    void checkCellsSwitchObjects();
    void rowsFollowTheLiveView();
    void focusRules();
    void alarmRow();
    void unusableAlarmSettingsLeaveTheAlarmOff_data();
    void unusableAlarmSettingsLeaveTheAlarmOff();
    void escapeClosesAndToggle();
};

void TestAnalysisPanel::builtAndPlaced()
{
    PanelFixture f;
    QCOMPARE(EGlobal::getAnalysisTab(), &f.panel);
    QVERIFY(f.panel.isVisible());
    QCOMPARE(f.panel.geometry(), QRect(0, 60, 210, 180));
    QVERIFY(f.panel.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.panel.stack()->currentIndex(), 0);
    QCOMPARE(f.panel.stack()->widget(1), f.panel.linePage());
    QCOMPARE(f.panel.stack()->widget(3), f.panel.settingPage());
    QVERIFY(f.panel.tabBar()->tab(0)->isOpen());
    QCOMPARE(f.panel.spotPage()->row(3)->text(), QStringLiteral("Spot 3"));
    QCOMPARE(f.panel.linePage()->row(2)->text(), QStringLiteral("Ver Line"));
    QVERIFY(!f.panel.linePage()->row(3));
}

void TestAnalysisPanel::tabBarZones_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("page");
    // Each press starts on the area page (2); -1: nothing changes.
    QTest::newRow("x 0") << QPoint(0, 10) << 0;
    QTest::newRow("x 50") << QPoint(50, 31) << 0;
    QTest::newRow("x 51") << QPoint(51, 10) << -1;
    QTest::newRow("x 52") << QPoint(52, 10) << -1;
    QTest::newRow("x 53") << QPoint(53, 0) << 1;
    QTest::newRow("x 103") << QPoint(103, 10) << 1;
    QTest::newRow("x 104") << QPoint(104, 10) << -1;
    QTest::newRow("x 156") << QPoint(156, 10) << -1;
    QTest::newRow("x 157") << QPoint(157, 10) << -1;
    QTest::newRow("x 158") << QPoint(158, 10) << 3;
    QTest::newRow("x 209") << QPoint(209, 10) << 3;
    QTest::newRow("below the bar") << QPoint(20, 32) << -1;
}

void TestAnalysisPanel::tabBarZones()
{
    QFETCH(QPoint, at);
    QFETCH(int, page);
    PanelFixture f;
    EAnalysisTabBar *bar = f.panel.tabBar();
    QTest::mouseClick(bar->tab(2), Qt::LeftButton);
    QCOMPARE(f.panel.stack()->currentIndex(), 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, at);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, at);
    const int expected = page < 0 ? 2 : page;
    QCOMPARE(f.panel.stack()->currentIndex(), expected);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(bar->tab(i)->isOpen(), i == expected);
}

void TestAnalysisPanel::tabButtons()
{
    PanelFixture f;
    EAnalysisTabBar *bar = f.panel.tabBar();
    const char *names[] = {"Spot", "Line", "Area", "Setting"};
    for (int page : {3, 1, 0, 2}) {
        QCOMPARE(bar->tab(page)->objectName(), QLatin1String(names[page]));
        QTest::mouseClick(bar->tab(page), Qt::LeftButton);
        QCOMPARE(f.panel.stack()->currentIndex(), page);
        QCOMPARE(bar->openTab(), bar->tab(page));
    }
    // A name of no tab reopens the open one and changes no page.
    bar->clickedHandler(QStringLiteral("Nothing"));
    QCOMPARE(f.panel.stack()->currentIndex(), 2);
    QVERIFY(bar->tab(2)->isOpen());
}

void TestAnalysisPanel::checkCellsSwitchObjects_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("group");
    QTest::newRow("spot 2") << 0 << 2 << "Spot_2";
    QTest::newRow("hor line") << 1 << 1 << "Line_1";
    QTest::newRow("ver line") << 1 << 2 << "Line_2";
    QTest::newRow("area 3") << 2 << 3 << "Area_3";
}

void TestAnalysisPanel::checkCellsSwitchObjects()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(QString, group);
    PanelFixture f;
    QTest::mouseClick(f.panel.tabBar()->tab(page), Qt::LeftButton);
    auto *tab = qobject_cast<EObjectTab *>(f.panel.stack()->currentWidget());
    QVERIFY(tab);
    auto object = [&]() -> EAnalysisWidget * {
        return page == 0 ? static_cast<EAnalysisWidget *>(f.view().getSpotWidget(n))
               : page == 1 ? static_cast<EAnalysisWidget *>(f.view().getLineWidget(n))
                           : static_cast<EAnalysisWidget *>(f.view().getAreaWidget(n));
    };
    QVERIFY(!tab->rowChecked(n) && !object()->isVisibled());
    PanelFixture::clickCell(tab->row(n), "Check");
    QVERIFY(tab->rowChecked(n));
    QVERIFY(object()->isVisibled());
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Visible")).toBool(), true);
    PanelFixture::clickCell(tab->row(n), "Check");
    QVERIFY(!tab->rowChecked(n));
    QVERIFY(!object()->isVisibled());
    QCOMPARE(PanelFixture::stored(group + QLatin1String("/Visible")).toBool(), false);
    // The panel stays up throughout.
    QVERIFY(f.panel.isVisible());
}

void TestAnalysisPanel::rowsFollowTheLiveView()
{
    PanelFixture f("[Spot_1]\nVisible=false\n[Spot_3]\nVisible=true\n[Area_2]\nVisible=true\n[Line_2]\nVisible=true\n");
    ESpotTab *spots = f.panel.spotPage();
    QVERIFY(!spots->spotChecked(1) && !spots->spotChecked(2) && spots->spotChecked(3));
    QVERIFY(!spots->spotChecked(0) && !spots->spotChecked(4));
    QVERIFY(f.panel.areaPage()->rowChecked(2) && !f.panel.areaPage()->rowChecked(1));
    QVERIFY(f.panel.linePage()->rowChecked(2) && !f.panel.linePage()->rowChecked(1));
    spots->setSpotChecked(1, true);
    spots->setSpotChecked(7, true);
    QVERIFY(spots->spotChecked(1));
}

// Mode and setup cells hide the panel and make a visible object the
// current one; a hidden object is highlighted only from the spot page's
// setup cell, and never becomes current.
void TestAnalysisPanel::focusRules()
{
    PanelFixture f;
    EGraphicsView &view = f.view();
    ESpotWidget *spot1 = view.getSpotWidget(1);
    ESpotWidget *spot2 = view.getSpotWidget(2);
    QVERIFY(spot1->isVisibled() && !spot2->isVisibled());

    PanelFixture::clickCell(f.panel.spotPage()->row(1), "Mode");
    QVERIFY(!f.panel.isVisible());
    QCOMPARE(view.currentFocusWidget(), spot1);
    QVERIFY(spot1->isHighlight());
    QVERIFY(PanelFixture::shown<ESpotMode>());
    PanelFixture::shown<ESpotMode>()->close();

    // A hidden area from its mode cell: the spot loses the focus, the area
    // stays plain.
    f.panel.popUp();
    QTest::mouseClick(f.panel.tabBar()->tab(2), Qt::LeftButton);
    PanelFixture::clickCell(f.panel.areaPage()->row(2), "Mode");
    EAreaMode *areaMode = PanelFixture::shown<EAreaMode>();
    QVERIFY(areaMode);
    QCOMPARE(areaMode->pos(), QPoint(0, 60));
    QVERIFY(!view.currentFocusWidget());
    QVERIFY(!spot1->isHighlight());
    QVERIFY(!view.getAreaWidget(2)->isHighlight());
    areaMode->close();

    // A hidden spot from its setup cell: highlighted, not current.
    f.panel.popUp();
    QTest::mouseClick(f.panel.tabBar()->tab(0), Qt::LeftButton);
    PanelFixture::clickCell(f.panel.spotPage()->row(2), "Setting");
    QVERIFY(spot2->isHighlight());
    QVERIFY(!view.currentFocusWidget());
    ESpotSetup *setup = PanelFixture::shown<ESpotSetup>();
    QVERIFY(setup);
    QCOMPARE(setup->geometry(), QRect(0, 40, 240, 200));
    QCOMPARE(setup->number(), 2);
    setup->close();

    // A visible line from its setup cell becomes current.
    f.panel.popUp();
    QTest::mouseClick(f.panel.tabBar()->tab(1), Qt::LeftButton);
    PanelFixture::clickCell(f.panel.linePage()->row(1), "Check");
    PanelFixture::clickCell(f.panel.linePage()->row(1), "Setting");
    QCOMPARE(view.currentFocusWidget(), view.getLineWidget(1));
    QVERIFY(view.getLineWidget(1)->isHighlight());
}

void TestAnalysisPanel::alarmRow()
{
    PanelFixture f("[Alarm]\nAlarm_Switch=0\nAlarm_Target=2\nAlarm_Mode=1\nAlarm_Temp=-5.5\n");
    SimBoard &board = *f.board.front.board;
    QTest::mouseClick(f.panel.tabBar()->tab(3), Qt::LeftButton);
    ESettingTab *page = f.panel.settingPage();
    QVERIFY(!page->alarmRow()->checked());
    QVERIFY(PanelFixture::button(page->alarmRow(), "Mode")->isHidden());

    PanelFixture::clickCell(page->alarmRow(), "Check");
    QVERIFY(page->alarmRow()->checked());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Alarm/Alarm_Switch")).toInt(), 1);
    ESpotWidget *spot3 = f.view().getSpotWidget(3);
    QVERIFY(spot3->isAlarmOn());
    QVERIFY(!f.view().getSpotWidget(1)->isAlarmOn());
    // Mode 1 (below) at -5.5 degC: the spot's readout carries the threshold.
    spot3->setVisible(true);
    QVERIFY(spot3->name().contains(QStringLiteral("AT:-5.5")));

    f.board.front.front->fpga_open_alarm(true);
    QVERIFY(board.registerByte(0x15) & 1);
    PanelFixture::clickCell(page->alarmRow(), "Check");
    QVERIFY(!page->alarmRow()->checked());
    QVERIFY(!spot3->isAlarmOn());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Alarm/Alarm_Switch")).toInt(), 0);
    QVERIFY(!(board.registerByte(0x15) & 1));

    // The row follows the stored switch each time the page shows.
    {
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Alarm/Alarm_Switch"), 3);
    }
    QTest::mouseClick(f.panel.tabBar()->tab(0), Qt::LeftButton);
    QTest::mouseClick(f.panel.tabBar()->tab(3), Qt::LeftButton);
    QVERIFY(page->alarmRow()->checked());
}

void TestAnalysisPanel::unusableAlarmSettingsLeaveTheAlarmOff_data()
{
    QTest::addColumn<QByteArray>("alarm");
    QTest::newRow("target 7") << QByteArray("Alarm_Target=7\nAlarm_Mode=0\nAlarm_Temp=30\n");
    QTest::newRow("target -1") << QByteArray("Alarm_Target=-1\nAlarm_Mode=0\nAlarm_Temp=30\n");
    QTest::newRow("mode 5") << QByteArray("Alarm_Target=0\nAlarm_Mode=5\nAlarm_Temp=30\n");
    QTest::newRow("threshold nan") << QByteArray("Alarm_Target=0\nAlarm_Mode=0\nAlarm_Temp=nan\n");
    QTest::newRow("threshold text") << QByteArray("Alarm_Target=0\nAlarm_Mode=0\nAlarm_Temp=hot\n");
}

// A damaged alarm group must not arm a spot with a mode that empties its
// readout line or a threshold that is no number.
void TestAnalysisPanel::unusableAlarmSettingsLeaveTheAlarmOff()
{
    QFETCH(QByteArray, alarm);
    PanelFixture f("[Alarm]\nAlarm_Switch=0\n" + alarm);
    f.board.front.front->fpga_open_alarm(true);
    ESettingTab *page = f.panel.settingPage();
    QTest::mouseClick(f.panel.tabBar()->tab(3), Qt::LeftButton);
    PanelFixture::clickCell(page->alarmRow(), "Check");
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!f.view().getSpotWidget(n)->isAlarmOn());
    QVERIFY(!(f.board.front.board->registerByte(0x15) & 1));
    ESpotWidget *spot1 = f.view().getSpotWidget(1);
    QVERIFY(!spot1->name().isEmpty());
    QVERIFY(!spot1->name().contains(QStringLiteral("AT:")));
}

void TestAnalysisPanel::escapeClosesAndToggle()
{
    PanelFixture f;
    QTest::keyClick(&f.panel, Qt::Key_A);
    QVERIFY(f.panel.isVisible());
    QTest::keyClick(&f.panel, Qt::Key_Escape);
    QVERIFY(!f.panel.isVisible());
    f.panel.toggle();
    QVERIFY(f.panel.isVisible());
    QCOMPARE(f.panel.pos(), QPoint(0, 60));
    f.panel.toggle();
    QVERIFY(!f.panel.isVisible());
}

QTEST_MAIN(TestAnalysisPanel)
#include "tst_analysispanel.moc"
