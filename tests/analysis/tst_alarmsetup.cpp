#include "../core/boardview.h"
#include "dialogfixture.h"

#include "ealarmsetup.h"
#include "ecombobox.h"
#include "ecomboboxitem.h"
#include "espinbox.h"
#include "espotwidget.h"
#include "etitle.h"

#include <QtTest>

// "Alarm Setting" over the live view and the simulated board: shown and
// stored thresholds per unit, damaged keys, and the live re-arming.
class TstAlarmSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void thresholdShownAndStored_data();
    void thresholdShownAndStored();
    void damagedTargetAndMode_data();
    void damagedTargetAndMode();
    void targetMovesArmedAlarm();
    void notArmedChangesNothing();
    void escapeStores();
};

namespace {
void open(EAlarmSetup &dialog)
{
    dialog.hide();
    dialog.show();
    dialog.move(0, 240 - dialog.height());
}

QString storedTemp()
{
    return DialogFixture::stored(QStringLiteral("Alarm/Alarm_Temp")).toString();
}
} // namespace

void TstAlarmSetup::cleanup()
{
    EGlobal::setSystemTempUnit(0);
}

void TstAlarmSetup::thresholdShownAndStored_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");
    const QString c = QString(" ") + QChar(0x00B0) + "C";
    QTest::newRow("500 held to 400") << 0 << QByteArray("[Alarm]\nAlarm_Temp=500.0\n") << "400.0" + c << "400.0";
    QTest::newRow("Fahrenheit") << 1 << QByteArray("[Alarm]\nAlarm_Temp=25.0\n") << "77.0 F" << "25.0";
    QTest::newRow("kelvin") << 2 << QByteArray("[Alarm]\nAlarm_Temp=25.0\n") << "298.2 K" << "25.0";
    QTest::newRow("padded to four") << 0 << QByteArray("[Alarm]\nAlarm_Temp=5\n") << "5.0" + c << " 5.0";
    QTest::newRow("negative") << 0 << QByteArray("[Alarm]\nAlarm_Temp=-5\n") << "-5.0" + c << "-5.0";
    QTest::newRow("missing") << 0 << QByteArray() << "25.0" + c << "25.0";
    QTest::newRow("not a number") << 0 << QByteArray("[Alarm]\nAlarm_Temp=hot\n") << "0.0" + c << " 0.0";
    QTest::newRow("far out of range held to 400") << 0 << QByteArray("[Alarm]\nAlarm_Temp=1e12\n") << "400.0" + c << "400.0";
}

void TstAlarmSetup::thresholdShownAndStored()
{
    QFETCH(int, unit);
    QFETCH(QByteArray, settings);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    DialogFixture f(settings);
    EGlobal::setSystemTempUnit(char(unit));
    EAlarmSetup dialog;
    open(dialog);
    QCOMPARE(dialog.tempItem()->spinBox()->text(), shown);
    QTest::mouseClick(titleButton(dialog.title(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(storedTemp(), stored);
}

// Keys outside 0..2 come to the nearest entry, and re-arming finds a spot.
void TstAlarmSetup::damagedTargetAndMode_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("mode");
    QTest::newRow("too high") << QByteArray("[Alarm]\nAlarm_Target=7\nAlarm_Mode=9\n") << 2 << 2;
    QTest::newRow("negative") << QByteArray("[Alarm]\nAlarm_Target=-3\nAlarm_Mode=-1\n") << 0 << 0;
    QTest::newRow("not a number") << QByteArray("[Alarm]\nAlarm_Target=x\nAlarm_Mode=y\n") << 0 << 0;
}

void TstAlarmSetup::damagedTargetAndMode()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, target);
    QFETCH(int, mode);
    BoardView live(settings);
    EAlarmSetup dialog;
    dialog.openAlarm(true);
    open(dialog);
    QCOMPARE(dialog.targetItem()->currentIndex(), target);
    QCOMPARE(dialog.modeItem()->currentIndex(), mode);
    QCOMPARE(dialog.currentTarget(), target);
    step(dialog.tempItem(), true);
    QVERIFY(live.view->getSpotWidget(target + 1)->isAlarmOn());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(DialogFixture::stored(QStringLiteral("Alarm/Alarm_Target")).toInt(), target);
    QCOMPARE(DialogFixture::stored(QStringLiteral("Alarm/Alarm_Mode")).toInt(), mode);
}

void TstAlarmSetup::targetMovesArmedAlarm()
{
    BoardView live("[Alarm]\nAlarm_Target=0\nAlarm_Temp=-10\n");
    ESpotWidget *first = live.view->getSpotWidget(1);
    ESpotWidget *second = live.view->getSpotWidget(2);
    EAlarmSetup dialog;
    dialog.openAlarm(true);
    open(dialog);
    step(dialog.modeItem(), true); // Below re-arms spot 1
    QVERIFY(first->isAlarmOn());
    live.front.board->setRegister(0x15, QByteArray(1, '\x01'));
    step(dialog.targetItem(), true);
    QVERIFY(!first->isAlarmOn());
    QVERIFY(second->isAlarmOn());
    QCOMPARE(dialog.currentTarget(), 1);
    // Spot 2 reads far above -10 degC: nothing switches the output on again.
    QCOMPARE(live.front.board->registerByte(0x15) & 1, 0);
}

void TstAlarmSetup::notArmedChangesNothing()
{
    BoardView live;
    EAlarmSetup dialog;
    open(dialog);
    step(dialog.targetItem(), true);
    step(dialog.tempItem(), true);
    for (int n = 1; n <= 3; ++n)
        QVERIFY(!live.view->getSpotWidget(n)->isAlarmOn());
    QCOMPARE(dialog.currentTarget(), 1);
    QCOMPARE(DialogFixture::stored(QStringLiteral("Alarm/Alarm_Target")), QVariant());
}

void TstAlarmSetup::escapeStores()
{
    DialogFixture f;
    EAlarmSetup dialog;
    open(dialog);
    step(dialog.modeItem(), false); // Equal, wrapping
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(DialogFixture::stored(QStringLiteral("Alarm/Alarm_Mode")).toInt(), 2);
}

QTEST_MAIN(TstAlarmSetup)
#include "tst_alarmsetup.moc"
