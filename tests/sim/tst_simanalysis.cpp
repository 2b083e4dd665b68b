#include "../libtherma/frontfixture.h"
#include "ealarmsetup.h"
#include "eanalysissetup.h"
#include "eanalysistab.h"
#include "eanalysistabbar.h"
#include "eareamode.h"
#include "eareasetup.h"
#include "eareatab.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "egraphicsview.h"
#include "elinemode.h"
#include "elinesetup.h"
#include "elinetab.h"
#include "elinewidget.h"
#include "esettingtab.h"
#include "emisstable.h"
#include "eparasetup.h"
#include "ereminditem.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotmode.h"
#include "espotsetup.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etabitem.h"
#include "etabwidget.h"
#include "etitle.h"
#include "mainwindowup.h"
#include "menuroute.h"
#include "shellscreen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

// The analysis panel on the simulated camera, opened by the main menu's
// "Measure" tile: each page, and each dialog opened by a
// tap on its cell, driven by taps and written as a PNG when
// OSTREL_SCREENS_DIR is set. The choices reach the live objects and the
// board's line registers.
class TstSimAnalysis : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void panelAndDialogs();
};

namespace {
void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QPushButton *child(QWidget *parent, const char *name)
{
    return parent->findChild<QPushButton *>(QLatin1String(name));
}

template <class T> T *shown()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<T *>(window); found && found->isVisible())
            return found;
    }
    return nullptr;
}
} // namespace

void TstSimAnalysis::panelAndDialogs()
{
    FrontFixture f(false);
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    EGraphicsView &view = *shell.live->view();
    auto save = [&](const QString &name) { QVERIFY(shell.save(name)); };

    QTRY_VERIFY(EGlobal::getAnalysisTab());
    MenuRoute::openTile("Analysis");
    EAnalysisTab *panel = EGlobal::getAnalysisTab();
    QVERIFY(panel->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    QCOMPARE(panel->pos(), QPoint(0, 60));

    // Spots: switch spot 2 on.
    click(panel->spotPage()->row(2)->checkItem());
    QVERIFY(view.getSpotWidget(2)->isVisibled());
    save(QStringLiteral("analysis_spots.png"));

    // Spot 2's mode: Max.
    click(child(panel->spotPage()->row(2), "Mode"));
    ESpotMode *spotMode = shown<ESpotMode>();
    QVERIFY(spotMode);
    click(spotMode->findChild<ECheckItem *>(QStringLiteral(" Max")));
    QCOMPARE(view.getSpotWidget(2)->mode(), 1);
    save(QStringLiteral("analysis_spot_mode.png"));
    click(child(spotMode->title(), "Cancel"));
    QVERIFY(panel->isVisible());

    // Spot 2's parameters: emissivity down one step.
    click(child(panel->spotPage()->row(2), "Setting"));
    ESpotSetup *spotSetup = shown<ESpotSetup>();
    QVERIFY(spotSetup);
    click(child(spotSetup->emissField(), "Left"));
    QCOMPARE(view.getSpotWidget(2)->getTempSetup()->emiss, 0.94f);
    save(QStringLiteral("analysis_spot_setup.png"));
    // A tap on the emissivity opens the material chooser over the dialog.
    click(spotSetup->emissField()->spinBox()->findChild<QLineEdit *>());
    EmissTable *materials = shown<EmissTable>();
    QVERIFY(materials);
    QVERIFY(QTest::qWaitForWindowExposed(materials));
    save(QStringLiteral("analysis_spot_materials.png"));
    QTest::keyClick(materials, Qt::Key_Escape);
    QVERIFY(!materials->isVisible());
    click(child(spotSetup->title(), "Cancel"));

    // Lines: the horizontal line on, moved two rows down.
    click(panel->tabBar()->tab(1));
    click(panel->linePage()->row(1)->checkItem());
    ELineWidget *line = view.getLineWidget(1);
    QVERIFY(line->isVisibled());
    save(QStringLiteral("analysis_lines.png"));
    const int row = line->getY();
    click(child(panel->linePage()->row(1), "Mode"));
    ELineMode *lineMode = shown<ELineMode>();
    QVERIFY(lineMode);
    click(child(lineMode->rowField(), "Right"));
    click(child(lineMode->rowField(), "Right"));
    QCOMPARE(line->getY(), row + 2);
    // The board draws the line at the new row (line 1's register).
    QCOMPARE(int(f.board->registerWord(0x1200)), row + 2);
    save(QStringLiteral("analysis_line_mode.png"));
    click(child(lineMode->title(), "Cancel"));
    click(child(panel->linePage()->row(1), "Setting"));
    ELineSetup *lineSetup = shown<ELineSetup>();
    QVERIFY(lineSetup);
    save(QStringLiteral("analysis_line_setup.png"));
    click(child(lineSetup->title(), "Cancel"));

    // Areas: area 1 on, its average off.
    click(panel->tabBar()->tab(2));
    click(panel->areaPage()->row(1)->checkItem());
    QVERIFY(view.getAreaWidget(1)->isVisibled());
    save(QStringLiteral("analysis_areas.png"));
    click(child(panel->areaPage()->row(1), "Mode"));
    EAreaMode *areaMode = shown<EAreaMode>();
    QVERIFY(areaMode);
    click(areaMode->findChild<ECheckItem *>(QStringLiteral(" Averg")));
    QCOMPARE(view.getAreaWidget(1)->mode().avg, 0);
    save(QStringLiteral("analysis_area_mode.png"));
    click(child(areaMode->title(), "Cancel"));
    click(child(panel->areaPage()->row(1), "Setting"));
    EAreaSetup *areaSetup = shown<EAreaSetup>();
    QVERIFY(areaSetup);
    click(areaSetup->globalCheck());
    QVERIFY(!areaSetup->distanceField()->isEnabled());
    save(QStringLiteral("analysis_area_setup.png"));
    click(child(areaSetup->title(), "Cancel"));

    // Settings: the alarm on spot 1, then each dialog of the page.
    click(panel->tabBar()->tab(3));
    ESettingTab *settings = panel->settingPage();
    click(settings->alarmRow()->checkItem());
    QVERIFY(view.getSpotWidget(1)->isAlarmOn());
    save(QStringLiteral("analysis_settings.png"));
    click(settings->globalRow());
    EParaSetup *global = shown<EParaSetup>();
    QVERIFY(global);
    QVERIFY(QTest::qWaitForWindowExposed(global));
    save(QStringLiteral("analysis_global_para.png"));
    click(child(global->title(), "Cancel"));
    panel->popUp();
    click(settings->measureRow());
    QVERIFY(shown<EAnalysisSetup>());
    QVERIFY(QTest::qWaitForWindowExposed(settings->measureSetup()));
    save(QStringLiteral("analysis_measure_setting.png"));
    click(child(settings->measureSetup()->title(), "Cancel"));
    panel->popUp();
    click(child(settings->alarmRow(), "Setting"));
    EAlarmSetup *alarm = shown<EAlarmSetup>();
    QVERIFY(alarm && alarm->isArmed());
    QVERIFY(QTest::qWaitForWindowExposed(alarm));
    save(QStringLiteral("analysis_alarm.png"));
    click(child(alarm->title(), "Cancel"));
    panel->popUp();

    QTest::keyClick(panel, Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
}

QTEST_MAIN(TstSimAnalysis)
#include "tst_simanalysis.moc"
