#include "analysispanelfixture.h"

#include "eanalysistabbar.h"
#include "eareamode.h"
#include "eareatab.h"
#include "eareaitem.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "elinemode.h"
#include "elinetab.h"
#include "elinewidget.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotmode.h"
#include "espottab.h"
#include "espotwidget.h"
#include "etabwidget.h"
#include "etitle.h"

// The mode dialogs opened from the panel's mode cells and driven by clicks:
// the spot's one mode, the area's result switches, the line's row and
// column, and what Cancel and Escape keep.
class TestModeDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void spotModeIsExclusive();
    void spotModeSwitchesAHiddenSpotOn();
    void areaSwitches();
    void storedSwitchTwoReadsOff();
    void lineRowAndColumn_data();
    void lineRowAndColumn();
    void lineFieldsHoldTheirRange();

private:
    template <class T> static T *openMode(PanelFixture &f, int page, int n);
    static ECheckItem *row(QWidget *dialog, const char *text)
    {
        return dialog->findChild<ECheckItem *>(QLatin1String(text));
    }
    static QPushButton *arrow(ESpinBoxItem *field, const char *side)
    {
        return field->findChild<QPushButton *>(QLatin1String(side));
    }
};

template <class T> T *TestModeDialogs::openMode(PanelFixture &f, int page, int n)
{
    f.panel.popUp();
    QTest::mouseClick(f.panel.tabBar()->tab(page), Qt::LeftButton);
    auto *tab = qobject_cast<EObjectTab *>(f.panel.stack()->currentWidget());
    PanelFixture::clickCell(tab->row(n), "Mode");
    return PanelFixture::shown<T>();
}

void TestModeDialogs::spotModeIsExclusive()
{
    PanelFixture f("[Spot_2]\nVisible=true\nMode=1\n");
    ESpotMode *dialog = openMode<ESpotMode>(f, 0, 2);
    QVERIFY(dialog);
    QCOMPARE(dialog->title()->text(), QStringLiteral("Spot 2 Mode"));
    QCOMPARE(dialog->geometry(), QRect(0, 60, 210, 180));
    QVERIFY(!f.panel.isVisible());
    QVERIFY(!row(dialog, " Manual")->checked() && row(dialog, " Max")->checked() && !row(dialog, " Min")->checked());

    QTest::mouseClick(row(dialog, " Max"), Qt::LeftButton);
    QVERIFY(row(dialog, " Max")->checked());
    QCOMPARE(f.view().getSpotWidget(2)->mode(), 1);

    QTest::mouseClick(row(dialog, " Min"), Qt::LeftButton);
    QVERIFY(!row(dialog, " Max")->checked() && row(dialog, " Min")->checked());
    QCOMPARE(f.view().getSpotWidget(2)->mode(), 2);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_2/Mode")).toInt(), 2);

    // Cancel brings the panel back.
    QTest::mouseClick(PanelFixture::button(dialog->title(), "Cancel"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(f.panel.isVisible());

    // Reopened for spot 1 (Manual), with Escape the panel stays hidden.
    dialog = openMode<ESpotMode>(f, 0, 1);
    QCOMPARE(dialog->title()->text(), QStringLiteral("Spot 1 Mode"));
    QVERIFY(row(dialog, " Manual")->checked() && !row(dialog, " Min")->checked());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(!f.panel.isVisible());
    QCOMPARE(f.view().getSpotWidget(1)->mode(), 0);
}

void TestModeDialogs::spotModeSwitchesAHiddenSpotOn()
{
    PanelFixture f;
    ESpotWidget *spot = f.view().getSpotWidget(3);
    // A spot without a mode yet, ticked on the panel but not shown: the
    // mode choice shows it.
    spot->setModeForDisplay(-1);
    f.panel.spotPage()->setSpotChecked(3, true);
    ESpotMode *dialog = openMode<ESpotMode>(f, 0, 3);
    QVERIFY(!row(dialog, " Manual")->checked() && !row(dialog, " Max")->checked() && !row(dialog, " Min")->checked());
    QTest::mouseClick(row(dialog, " Max"), Qt::LeftButton);
    QVERIFY(spot->isVisibled());
    QCOMPARE(spot->mode(), 1);
    QVERIFY(f.view().spotVisible[2]);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Spot_3/Visible")).toBool(), true);
}

void TestModeDialogs::areaSwitches()
{
    PanelFixture f("[Area_1]\nVisible=true\nMode_Max_Switch=1\nMode_Min_Switch=0\nMode_Averg_Switch=1\n");
    EAreaMode *dialog = openMode<EAreaMode>(f, 2, 1);
    QVERIFY(dialog);
    QCOMPARE(dialog->title()->text(), QStringLiteral("Area 1 Mode"));
    QVERIFY(row(dialog, " Max")->checked() && !row(dialog, " Min")->checked() && row(dialog, " Averg")->checked());
    EAreaWidget *area = f.view().getAreaWidget(1);

    QTest::mouseClick(row(dialog, " Averg"), Qt::LeftButton);
    QVERIFY(!row(dialog, " Averg")->checked());
    QCOMPARE(area->mode().avg, 0);
    QCOMPARE(area->mode().max, 1);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_1/Mode_Averg_Switch")).toInt(), 0);
    QVERIFY(area->maxMarker()->isVisible());

    QTest::mouseClick(row(dialog, " Max"), Qt::LeftButton);
    QVERIFY(!row(dialog, " Max")->checked());
    QCOMPARE(area->mode().max, 0);
    QVERIFY(!area->maxMarker()->isVisible() && !area->minMarker()->isVisible());
    QVERIFY(f.view().displayAreaTemp().isEmpty());

    QTest::mouseClick(row(dialog, " Min"), Qt::LeftButton);
    QCOMPARE(area->mode().min, 1);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_1/Mode_Min_Switch")).toInt(), 1);
    QVERIFY(area->minMarker()->isVisible());

    // Escape keeps what was chosen; the panel stays hidden.
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible() && !f.panel.isVisible());
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_1/Mode_Max_Switch")).toInt(), 0);
}

// Only a switch of exactly 1 ticks its row. The area reads a stored 2 as
// its default (on), so row and markers agree; a 2 held by the area itself
// shows unticked and a tap stores 1.
void TestModeDialogs::storedSwitchTwoReadsOff()
{
    PanelFixture f("[Area_3]\nVisible=true\nMode_Max_Switch=2\nMode_Min_Switch=0\nMode_Averg_Switch=1\n");
    EAreaWidget *area = f.view().getAreaWidget(3);
    EAreaMode *dialog = openMode<EAreaMode>(f, 2, 3);
    QCOMPARE(dialog->title()->text(), QStringLiteral("Area 3 Mode"));
    QVERIFY(row(dialog, " Max")->checked() && area->maxMarker()->isVisible());
    QVERIFY(!row(dialog, " Min")->checked());
    dialog->close();

    area->mode().max = 2;
    dialog = openMode<EAreaMode>(f, 2, 3);
    QVERIFY(!row(dialog, " Max")->checked());
    QTest::mouseClick(row(dialog, " Max"), Qt::LeftButton);
    QVERIFY(row(dialog, " Max")->checked());
    QCOMPARE(area->mode().max, 1);
    QCOMPARE(PanelFixture::stored(QStringLiteral("Area_3/Mode_Max_Switch")).toInt(), 1);
}

void TestModeDialogs::lineRowAndColumn_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("escape");
    QTest::newRow("hor line, cancel") << 1 << "Hor Line" << false;
    QTest::newRow("hor line, escape") << 1 << "Hor Line" << true;
    QTest::newRow("ver line, cancel") << 2 << "Ver Line" << false;
    QTest::newRow("ver line, escape") << 2 << "Ver Line" << true;
}

// Both number rows move whichever line is shown; leaving by Cancel or by
// Escape stores the place, so the line keeps it after a restart.
void TestModeDialogs::lineRowAndColumn()
{
    QFETCH(int, n);
    QFETCH(QString, title);
    QFETCH(bool, escape);
    PanelFixture f(QStringLiteral("[Line_%1]\nVisible=true\nRow=150\nColumn=100\n").arg(n).toLatin1());
    ELineWidget *line = f.view().getLineWidget(n);
    QCOMPARE(line->getPosition(), QPoint(100, 150));
    ELineMode *dialog = openMode<ELineMode>(f, 1, n);
    QVERIFY(dialog);
    QCOMPARE(dialog->title()->text(), title);
    QCOMPARE(dialog->rowField()->value(), 150.0);
    QCOMPARE(dialog->columnField()->value(), 100.0);

    QTest::mouseClick(arrow(dialog->rowField(), "Right"), Qt::LeftButton);
    QCOMPARE(dialog->rowField()->value(), 151.0);
    QCOMPARE(line->getPosition(), QPoint(100, 151));
    QTest::mouseClick(arrow(dialog->columnField(), "Left"), Qt::LeftButton);
    QTest::mouseClick(arrow(dialog->columnField(), "Left"), Qt::LeftButton);
    QCOMPARE(line->getPosition(), QPoint(98, 151));
    const QString group = QStringLiteral("Line_%1/").arg(n);
    QCOMPARE(PanelFixture::stored(group + QLatin1String("Row")).toInt(), 150);

    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(PanelFixture::button(dialog->title(), "Cancel"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.panel.isVisible(), !escape);
    QCOMPARE(PanelFixture::stored(group + QLatin1String("Row")).toInt(), 151);
    QCOMPARE(PanelFixture::stored(group + QLatin1String("Column")).toInt(), 98);
    // The stored place is what a restarted line reads.
    line->readLinePara();
    QCOMPARE(line->getPosition(), QPoint(98, 151));
}

void TestModeDialogs::lineFieldsHoldTheirRange()
{
    PanelFixture f("[Line_1]\nVisible=true\nRow=234\nColumn=6\n");
    ELineMode *dialog = openMode<ELineMode>(f, 1, 1);
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(arrow(dialog->rowField(), "Right"), Qt::LeftButton);
        QTest::mouseClick(arrow(dialog->columnField(), "Left"), Qt::LeftButton);
    }
    QCOMPARE(dialog->rowField()->value(), 235.0);
    QCOMPARE(dialog->columnField()->value(), 5.0);
    QCOMPARE(dialog->rowField()->spinBox()->minimum(), 21.0);
    QCOMPARE(dialog->columnField()->spinBox()->maximum(), 315.0);
}

QTEST_MAIN(TestModeDialogs)
#include "tst_modedialogs.moc"
