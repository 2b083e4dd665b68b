#include "dialogfixture.h"

#include "eanalysissetup.h"
#include "ecombobox.h"
#include "ecomboboxitem.h"
#include "egraphicsview.h"
#include "espinbox.h"
#include "etitle.h"
#include "intervals.h"

#include <QtTest>

#include <memory>

// "Measure Setting" over the live view, the simulated board and core: what
// it shows and stores per unit, the range list, and the range change with
// its wait driven through the timer's slot.
class TstAnalysisSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void openingWritesNothing();
    void shownAndStored_data();
    void shownAndStored();
    void rangeList_data();
    void rangeList();
    void lensEntry_data();
    void lensEntry();
    void parseRange_data();
    void parseRange();
    void rangeChange_data();
    void rangeChange();
    void secondChangeRestartsTheWait();
};

namespace {
// The live view over a front with the simulated core, registered in EGlobal.
struct LiveFixture
{
    explicit LiveFixture(const QByteArray &settings = QByteArray())
        : f(settings, true)
    {
        f.fpga->init();
        view = std::make_unique<EGraphicsView>();
    }
    ~LiveFixture() { view.reset(); }
    DialogFixture f;
    std::unique_ptr<EGraphicsView> view;
};

void open(EAnalysisSetup &dialog)
{
    dialog.hide();
    dialog.show();
    dialog.move(0, 240 - dialog.height());
}

QString shown(ESpinBoxItem *row)
{
    return row->spinBox()->text();
}
} // namespace

void TstAnalysisSetup::cleanup()
{
    EGlobal::setSystemTempUnit(0);
    Intervals::setScale(1.0);
}

void TstAnalysisSetup::openingWritesNothing()
{
    const QByteArray settings("[GlobalPara]\nEnv=30\nHumid=0.5\nReflec=20\n\n[BiaoDing]\nTempRange=1\n");
    DialogFixture f(settings);
    EAnalysisSetup dialog;
    open(dialog);
    QCOMPARE(f.front.root.readFile(QStringLiteral("Parameter/Setting")), settings);
    QCOMPARE(dialog.rangeItem()->currentIndex(), 1);
    QCOMPARE(shown(dialog.envItem()), QStringLiteral("30.0 ") + QChar(0x00B0) + QLatin1Char('C'));
    step(dialog.envItem(), true);
    QCOMPARE(f.front.root.readFile(QStringLiteral("Parameter/Setting")), settings);
    QTest::mouseClick(titleButton(dialog.title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.stored("GlobalPara/Env").toString(), QStringLiteral("30.10"));
}

void TstAnalysisSetup::shownAndStored_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("humidSteps"); // "+", "-" or ""
    QTest::addColumn<QString>("env");
    QTest::addColumn<QString>("humid");
    QTest::addColumn<QString>("ref");
    QTest::addColumn<QStringList>("stored"); // Env, Humid, Reflec
    const QString c = QString(" ") + QChar(0x00B0) + "C";
    QTest::newRow("Fahrenheit") << 1 << QByteArray("[GlobalPara]\nEnv=25\nReflec=1500\n") << "" << "77.0 F"
                                << "60 %" << "2732.0 F" << QStringList{"25.00", "0.60", "1500.00"};
    QTest::newRow("kelvin") << 2 << QByteArray("[GlobalPara]\nEnv=0\n") << "" << "273.2 K" << "60 %"
                            << "298.2 K" << QStringList{"0.00", "0.60", "25.00"};
    QTest::newRow("humidity 0.53") << 0 << QByteArray("[GlobalPara]\nHumid=0.53\n") << "" << "25.0" + c << "53 %"
                                   << "25.0" + c << QStringList{"25.00", "0.53", "25.00"};
    QTest::newRow("humidity 0.59") << 0 << QByteArray("[GlobalPara]\nHumid=0.59\n") << "" << "25.0" + c << "59 %"
                                   << "25.0" + c << QStringList{"25.00", "0.59", "25.00"};
    QTest::newRow("humidity stepped") << 0 << QByteArray("[GlobalPara]\nHumid=0.46\n") << "-" << "25.0" + c
                                      << "45 %" << "25.0" + c << QStringList{"25.00", "0.45", "25.00"};
    QTest::newRow("held to the editors") << 0 << QByteArray("[GlobalPara]\nEnv=200\nHumid=0\n") << ""
                                         << "125.0" + c << "1 %" << "25.0" + c
                                         << QStringList{"125.00", "0.01", "25.00"};
}

void TstAnalysisSetup::shownAndStored()
{
    QFETCH(int, unit);
    QFETCH(QByteArray, settings);
    QFETCH(QString, humidSteps);
    QFETCH(QString, env);
    QFETCH(QString, humid);
    QFETCH(QString, ref);
    QFETCH(QStringList, stored);
    DialogFixture f(settings);
    EGlobal::setSystemTempUnit(char(unit));
    EAnalysisSetup dialog;
    open(dialog);
    if (!humidSteps.isEmpty())
        step(dialog.humidItem(), humidSteps == QLatin1String("+"));
    QCOMPARE(shown(dialog.envItem()), env);
    QCOMPARE(shown(dialog.humidItem()), humid);
    QCOMPARE(shown(dialog.refItem()), ref);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.stored("GlobalPara/Env").toString(), stored.at(0));
    QCOMPARE(f.stored("GlobalPara/Humid").toString(), stored.at(1));
    QCOMPARE(f.stored("GlobalPara/Reflec").toString(), stored.at(2));
}

void TstAnalysisSetup::rangeList_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::newRow("default two") << QByteArray() << 2 << 0;
    QTest::newRow("three") << QByteArray("[BiaoDing]\nTempRangeNum=3\nTempRange=2\n") << 3 << 2;
    QTest::newRow("five gives three") << QByteArray("[BiaoDing]\nTempRangeNum=5\n") << 3 << 0;
    QTest::newRow("none gives the defaults") << QByteArray("[BiaoDing]\nTempRangeNum=0\n") << 2 << 0;
    QTest::newRow("negative count") << QByteArray("[BiaoDing]\nTempRangeNum=-4\n") << 2 << 0;
    QTest::newRow("range outside the list") << QByteArray("[BiaoDing]\nTempRange=2\n") << 2 << 1;
    QTest::newRow("negative range") << QByteArray("[BiaoDing]\nTempRange=-1\n") << 2 << 0;
}

void TstAnalysisSetup::rangeList()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, count);
    QFETCH(int, current);
    DialogFixture f(settings);
    EAnalysisSetup dialog;
    open(dialog);
    QCOMPARE(dialog.rangeItem()->count(), count);
    QCOMPARE(dialog.rangeItem()->currentIndex(), current);
    QCOMPARE(dialog.rangeItem()->stringList().first(), QStringLiteral("-20~150") + QChar(0x00B0) + QLatin1Char('C'));
}

// One mapping for opening and for a change: 4..6 have no name of their own.
void TstAnalysisSetup::lensEntry_data()
{
    QTest::addColumn<int>("lens");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << -1 << "None";
    QTest::newRow("0") << 0 << "22 mm";
    QTest::newRow("2") << 2 << "38 mm";
    QTest::newRow("3") << 3 << "33 mm";
    QTest::newRow("4") << 4 << "Unknown";
    QTest::newRow("5") << 5 << "Unknown";
    QTest::newRow("6") << 6 << "Unknown";
}

void TstAnalysisSetup::lensEntry()
{
    QFETCH(int, lens);
    QFETCH(QString, text);
    DialogFixture f;
    EAnalysisSetup dialog;
    dialog.slot_change_lens(lens);
    QCOMPARE(dialog.lensItem()->text(), text);
    dialog.setLenIndex(lens);
    QCOMPARE(dialog.lensItem()->text(), text);
}

void TstAnalysisSetup::parseRange_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    const QString c = QString(QChar(0x00B0)) + "C";
    QTest::newRow("first") << "-20~150" + c << true << -20 << 150;
    QTest::newRow("second") << "0~400" + c << true << 0 << 400;
    QTest::newRow("not a number") << "0~abc" + c << false << 0 << 0;
    QTest::newRow("not increasing") << "400~0" + c << false << 0 << 0;
    QTest::newRow("equal") << "5~5" + c << false << 0 << 0;
    QTest::newRow("three parts") << "1~2~3" + c << false << 0 << 0;
    QTest::newRow("one part") << "400" + c << false << 0 << 0;
}

void TstAnalysisSetup::parseRange()
{
    QFETCH(QString, entry);
    QFETCH(bool, ok);
    QFETCH(int, min);
    QFETCH(int, max);
    int low = 0, high = 0;
    QCOMPARE(EAnalysisSetup::parseRange(entry, &low, &high), ok);
    QCOMPARE(low, min);
    QCOMPARE(high, max);
}

// Range 1 against good, missing, not increasing and bad correction tables;
// the integration time from "IntTime1" or its default.
void TstAnalysisSetup::rangeChange_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("tableFile");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("intTime");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<int>("rangeMax");
    const QByteArray decreasing("[ParaSet]\nMinTemp=0\nMaxTemp=20\nTempNum=3\n\n[Temp2AD]\n0=0x8000\n10=0x7000\n20=0x6000\n");
    QTest::newRow("good tables, default time") << QByteArray() << QString() << QByteArray() << 190 << "" << 400;
    QTest::newRow("stored time") << QByteArray("[BiaoDing]\nIntTime1=300\n") << QString() << QByteArray() << 300
                                 << "" << 400;
    QTest::newRow("time out of range") << QByteArray("[BiaoDing]\nIntTime1=70000\n") << QString() << QByteArray()
                                       << 190 << "" << 400;
    QTest::newRow("zero time") << QByteArray("[BiaoDing]\nIntTime1=0\n") << QString() << QByteArray() << 190 << ""
                               << 400;
    QTest::newRow("not increasing") << QByteArray() << "etc/calc_len%1_temp1" << decreasing << 190
                                    << "Calibration file error!" << 400;
    QTest::newRow("bad factor") << QByteArray() << "Parameter/Modify" << QByteArray("Averg_-20=5\n") << 190
                                << "Modify file error!" << 400;
    QTest::newRow("range text not two integers")
        << QByteArray("[BiaoDing]\nTempRange1=0~hot\n") << QString() << QByteArray() << 190 << "" << 150;
}

void TstAnalysisSetup::rangeChange()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, tableFile);
    QFETCH(QByteArray, table);
    QFETCH(int, intTime);
    QFETCH(QString, tip);
    QFETCH(int, rangeMax);
    LiveFixture live(settings);
    const int lens = qMax(0, live.f.fpga->get_set_lenIndex());
    if (!tableFile.isEmpty()) {
        const QString name = tableFile.arg(lens);
        QVERIFY(live.f.front.root.writeFile(name.endsWith("Modify") ? name : name + ".conf", table));
        if (!name.endsWith("Modify"))
            QVERIFY(live.f.front.root.writeFile(name + "_default.conf", table));
    }
    live.view->setTempRangeMinMax(-20, 150);
    EAnalysisSetup dialog;
    open(dialog);
    step(dialog.rangeItem(), true);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(live.f.stored("BiaoDing/TempRange").toInt(), 1);
    QCOMPARE(dialog.currentRange(), 1);
    QCOMPARE(live.view->getTipsText(), QStringLiteral("Changing Temp Range!"));
    QVERIFY(live.view->isShutting());
    QVERIFY(dialog.messageTimer()->isActive());
    QTRY_COMPARE(int(live.f.front.core->intTime()), intTime);

    dialog.messageTimer()->stop();
    dialog.slot_messageTimerHandler();
    QCOMPARE(live.view->getTipsText(), QStringLiteral("Calibrating..."));
    live.view->shutterTimer()->stop();
    live.view->slot_hideShutterDisplay();
    QVERIFY(!live.view->isShutting());
    QCOMPARE(live.view->getTempRange(), 1);
    QCOMPARE(live.view->tempRangeMax(), rangeMax);
    if (tip.isEmpty()) {
        QVERIFY(!live.view->tipsVisibled());
    } else {
        QCOMPARE(live.view->getTipsText(), tip);
        QVERIFY(live.view->tipsVisibled());
    }
}

// A second change within the wait restarts the one timer: one reload.
void TstAnalysisSetup::secondChangeRestartsTheWait()
{
    LiveFixture live("[BiaoDing]\nTempRangeNum=3\n");
    Intervals::setScale(0.01);
    EAnalysisSetup dialog;
    QSignalSpy fired(dialog.messageTimer(), &QTimer::timeout);
    open(dialog);
    step(dialog.rangeItem(), true);
    open(dialog);
    step(dialog.rangeItem(), true);
    QCOMPARE(dialog.currentRange(), 2);
    QTRY_COMPARE(fired.size(), 1);
    QVERIFY(!fired.wait(60));
    QCOMPARE(fired.size(), 1);
    live.view->shutterTimer()->stop();
    live.view->slot_hideShutterDisplay();
    // 500~2000 has no tables.
    QCOMPARE(live.view->getTipsText(), QStringLiteral("Calibration file error!"));
}

QTEST_MAIN(TstAnalysisSetup)
#include "tst_analysissetup.moc"
