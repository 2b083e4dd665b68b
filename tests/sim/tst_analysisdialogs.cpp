#include "../analysis/dialogfixture.h"
#include "ealarmsetup.h"
#include "eanalysissetup.h"
#include "eareasetup.h"
#include "eareawidget.h"
#include "echeckitem.h"
#include "ecomboboxitem.h"
#include "edialogtitle.h"
#include "egraphicsview.h"
#include "emisstable.h"
#include "emisstextitem.h"
#include "eparasetup.h"
#include "espinbox.h"
#include "espinboxitem.h"
#include "espotwidget.h"
#include "fingerevent.h"
#include "etitle.h"
#include "mainwindowup.h"
#include "recordingcommandrunner.h"
#include "screentouch.h"
#include "shellscreen.h"

#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

#include <algorithm>

// The measurement dialogs over the simulated live view, driven by touch:
// Global Para with its material list, Measure Setting with a range change
// and a range without tables, the spot alarm, and the factory reset, which
// leaves the card and the custom palettes alone and runs no command. Each
// screen is written as a PNG when OSTREL_SCREENS_DIR is set.
class TstAnalysisDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void globalParaAndMaterial();
    void materialListRefused_data();
    void materialListRefused();
    void measureSettingRangeChange();
    void alarmSetting();
    void greyedObjectParameters();
    void factoryReset();
};

namespace {
void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

template <typename Dialog> void openAtCorner(Dialog &dialog)
{
    dialog.hide();
    dialog.show();
    dialog.move(0, 240 - dialog.height());
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
}

int rowOf(const EmissTable &table, const QString &name)
{
    for (const EmissTextItem *row : table.rows())
        if (row->text() == name)
            return row->index();
    return -1;
}

QVariant stored(const QString &key)
{
    return DialogFixture::stored(key);
}
} // namespace

void TstAnalysisDialogs::globalParaAndMaterial()
{
    FrontFixture f(false);
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    FPGA *fpga = shell.live->fpga();
    EParaSetup dialog;
    openAtCorner(dialog);
    click(arrow(dialog.distanItem(), true));
    QCOMPARE(fpga->getSystemTempSetup().dist, 6.0f);
    QVERIFY(shell.save(QStringLiteral("analysis-global-para.png")));

    click(dialog.emissItem()->spinBox()->findChild<QLineEdit *>());
    EmissTable *table = dialog.emissTable();
    QVERIFY(table && QTest::qWaitForWindowExposed(table));
    QVERIFY(table->rows().size() > 20);
    const int water = rowOf(*table, QStringLiteral("Water"));
    QVERIFY(water > 0);
    QGraphicsView *view = table->listView();
    const QPoint at = view->mapFromScene(QPointF(100, water * 30 + 15));
    fingerEvent(view->viewport(), QEvent::MouseButtonPress, at);
    fingerEvent(view->viewport(), QEvent::MouseButtonRelease, at);
    QCOMPARE(table->currentIndex(), water);
    QVERIFY(shell.save(QStringLiteral("analysis-select-material.png")));
    click(titleButton(table->title(), QStringLiteral("Done")));
    QVERIFY(!table->isVisible());
    QCOMPARE(dialog.material(), QStringLiteral("Water"));
    QCOMPARE(fpga->getSystemTempSetup().emiss, 0.96f);
    click(titleButton(dialog.title(), QStringLiteral("Cancel")));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(stored(QStringLiteral("GlobalPara/Global_Emiss_Material")).toString(), QStringLiteral("Water"));
    QCOMPARE(stored(QStringLiteral("GlobalPara/Emiss")).toString(), QStringLiteral("0.96"));
    QCOMPARE(stored(QStringLiteral("GlobalPara/Distan")).toString(), QStringLiteral("6"));
}

// A material list the readers refuse - far too large, or a pipe nobody
// writes - leaves "Select Material" with its "Custom" row, at once.
void TstAnalysisDialogs::materialListRefused_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("50 MB") << false;
    QTest::newRow("FIFO") << true;
}

void TstAnalysisDialogs::materialListRefused()
{
    QFETCH(bool, fifo);
    FrontFixture f(false);
    const QString list = QStringLiteral("etc/EmisivityTable.conf");
    QFile::remove(f.root.hostPath(list));
    if (fifo)
        QVERIFY(f.root.makeFifo(list));
    else
        QVERIFY(f.root.writeSparseFile(list, "Water=0.96\nIron=0.70\n", qint64(50) * 1000 * 1000));
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    EParaSetup dialog;
    openAtCorner(dialog);
    click(dialog.emissItem()->spinBox()->findChild<QLineEdit *>());
    EmissTable *table = dialog.emissTable();
    QVERIFY(table && QTest::qWaitForWindowExposed(table));
    QCOMPARE(table->rows().size(), 1);
    QCOMPARE(table->rows().constFirst()->text(), QStringLiteral("Custom"));
    if (!fifo)
        QVERIFY(shell.save(QStringLiteral("analysis-select-material-refused.png")));
    click(titleButton(table->title(), QStringLiteral("Cancel")));
    QVERIFY(!table->isVisible());
}

void TstAnalysisDialogs::measureSettingRangeChange()
{
    FrontFixture f(true);
    QVERIFY(f.settings("[BiaoDing]\nTempRangeNum=3\n"));
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    EGraphicsView *view = shell.live->view();
    EAnalysisSetup dialog;
    openAtCorner(dialog);
    QCOMPARE(dialog.rangeItem()->count(), 3);
    QVERIFY(shell.save(QStringLiteral("analysis-measure-setting.png")));

    // 0~400: the tip while the core switches, then the shutter run.
    click(arrow(dialog.rangeItem(), true));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(view->getTipsText(), QStringLiteral("Changing Temp Range!"));
    QTRY_COMPARE(int(f.core->intTime()), 190);
    QVERIFY(shell.save(QStringLiteral("analysis-changing-range.png")));
    dialog.messageTimer()->stop();
    dialog.slot_messageTimerHandler();
    QCOMPARE(view->getTipsText(), QStringLiteral("Calibrating..."));
    QVERIFY(shell.save(QStringLiteral("analysis-range-calibrating.png")));
    view->shutterTimer()->stop();
    view->slot_hideShutterDisplay();
    QVERIFY(!view->tipsVisibled());
    QCOMPARE(view->tempRangeMin(), 0);
    QCOMPARE(view->tempRangeMax(), 400);

    // 500~2000 has no tables.
    openAtCorner(dialog);
    click(arrow(dialog.rangeItem(), true));
    dialog.messageTimer()->stop();
    dialog.slot_messageTimerHandler();
    view->shutterTimer()->stop();
    view->slot_hideShutterDisplay();
    QCOMPARE(view->getTipsText(), QStringLiteral("Calibration file error!"));
    QVERIFY(view->tipsVisibled());
    QVERIFY(shell.save(QStringLiteral("analysis-range-no-tables.png")));
    QVERIFY(shell.live->fpga()->getSerial()->waitForIdle(5000));
}

void TstAnalysisDialogs::alarmSetting()
{
    FrontFixture f(false);
    QVERIFY(f.settings("[Alarm]\nAlarm_Target=1\nAlarm_Mode=0\nAlarm_Temp=45.0\n"));
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    EAlarmSetup dialog;
    dialog.openAlarm(true);
    openAtCorner(dialog);
    click(arrow(dialog.tempItem(), true));
    QVERIFY(shell.live->view()->getSpotWidget(2)->isAlarmOn());
    QVERIFY(shell.save(QStringLiteral("analysis-alarm-setting.png")));
    click(titleButton(dialog.title(), QStringLiteral("Cancel")));
    QCOMPARE(stored(QStringLiteral("Alarm/Alarm_Temp")).toString(), QStringLiteral("45.1"));
}

// An area on the global parameters: its own values greyed, and a finger
// on the emissivity or an arrow opens nothing and changes nothing.
void TstAnalysisDialogs::greyedObjectParameters()
{
    FrontFixture f(false);
    QVERIFY(f.settings("[Area_1]\nVisible=true\nParaMode=1\nEmiss_Material=Custom\nEmiss=0.95\nDistan=5\nOffset=1\n"));
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    QPointingDevice *finger = QTest::createTouchDevice();
    EAreaSetup dialog;
    dialog.setAreaID(1);
    openAtCorner(dialog);
    QVERIFY(dialog.globalCheck()->checked());
    QVERIFY(!dialog.emissField()->isEnabled());
    ScreenTouch::finger(finger, dialog.emissField()->spinBox()->findChild<QLineEdit *>());
    ScreenTouch::finger(finger, arrow(dialog.emissField(), true));
    ScreenTouch::finger(finger, arrow(dialog.distanceField(), false));
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!qobject_cast<EmissTable *>(window) || !window->isVisible(), "material chooser opened");
    QCOMPARE(dialog.emissField()->spinBox()->text(), QStringLiteral("0.95"));
    QCOMPARE(dialog.distanceField()->spinBox()->text(), QStringLiteral("5 m"));
    QVERIFY(shell.save(QStringLiteral("analysis-area-setup-greyed.png")));
    click(titleButton(dialog.title(), QStringLiteral("Cancel")));
    QCOMPARE(stored(QStringLiteral("Area_1/Emiss")).toString(), QStringLiteral("0.95"));
    QCOMPARE(stored(QStringLiteral("Area_1/Emiss_Material")).toString(), QStringLiteral("Custom"));
    QCOMPARE(shell.live->view()->getAreaWidget(1)->getTempSetup().emiss, 0.95f);
}

// The card's photos and the custom palettes stay byte for byte; nothing is
// run; the board ends with Iron, the isotherm off, the alarm output and the
// video output off.
void TstAnalysisDialogs::factoryReset()
{
    FrontFixture f(false);
    const QByteArray palettes("[CustomPalette]\nName\\Name0=Sunset\nRecord0\\Count=2\n");
    QVERIFY(f.settings("[BiaoDing]\nTempRange=0\n\n" + palettes));
    const QByteArray photo = QByteArray("\xff\xd8photo", 7).repeated(100);
    QVERIFY(f.root.writeFile(QStringLiteral("/media/mmc/imageFile/261210_0001A.jpg"), photo));
    QVERIFY(f.root.writeFile(QStringLiteral("/media/mmc/imageFile/261210_0002A.jpg"), photo + "2"));
    ShellScreen shell(*f.board);
    QVERIFY(QTest::qWaitForWindowExposed(&shell.screen));
    FPGA *fpga = shell.live->fpga();
    fpga->setStandardPaletteIndex(COLOR_TABLE(1));
    fpga->setIsoSwitch(true);
    fpga->fpga_open_alarm(true);
    fpga->setADV7179Mode(1);
    const int commandsBefore = int(f.root.runner()->calls().size());

    EParaSetup dialog;
    dialog.setQuestion([] { return true; });
    openAtCorner(dialog);
    click(dialog.resetItem());
    QVERIFY(dialog.resetItem()->checked());
    QVERIFY(shell.save(QStringLiteral("analysis-reset-para.png")));

    QCOMPARE(f.root.readFile(QStringLiteral("/media/mmc/imageFile/261210_0001A.jpg")), photo);
    QCOMPARE(f.root.readFile(QStringLiteral("/media/mmc/imageFile/261210_0002A.jpg")), QByteArray(photo + "2"));
    QCOMPARE(stored(QStringLiteral("CustomPalette/Name/Name0")).toString(), QStringLiteral("Sunset"));
    QCOMPARE(stored(QStringLiteral("CustomPalette/Record0/Count")).toInt(), 2);
    QCOMPARE(int(f.root.runner()->calls().size()), commandsBefore);
    QCOMPARE(fpga->getPaletteIndex(), 0);
    QCOMPARE(f.board->registerByte(0x200) & 1, 0);
    QCOMPARE(f.board->registerByte(0x15) & 1, 0);
    QCOMPARE(int(f.board->registerByte(0x34)), 0);
    QCOMPARE(stored(QStringLiteral("ColorTable_Mode")).toString(), QStringLiteral("Standard"));
    QCOMPARE(stored(QStringLiteral("Alarm/Alarm_Temp")).toString(), QStringLiteral("50.0"));
    EGraphicsView *view = shell.live->view();
    QVERIFY(view->getSpotWidget(1)->isVisibled());
    QVERIFY(!view->getSpotWidget(2)->isVisibled());
}

QTEST_MAIN(TstAnalysisDialogs)
#include "tst_analysisdialogs.moc"
