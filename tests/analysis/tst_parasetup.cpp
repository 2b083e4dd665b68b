#include "dialogfixture.h"

#include "echeckitem.h"
#include "edialogtitle.h"
#include "emisstable.h"
#include "eparasetup.h"
#include "espinbox.h"
#include "etitle.h"
#include "recordingfactoryreset.h"
#include "simtranslations.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// "Global Para" over the simulated board: what it shows per unit, what the
// board gets at every step, and what every way out stores.
class TstParaSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void emptyFileDefaults();
    void shownAndStored_data();
    void shownAndStored();
    void distanceStep_data();
    void distanceStep();
    void offsetStepIsADifference();
    void emissArrowMakesCustom();
    void materialTable_data();
    void materialTable();
    void refusedEmissivityNotTaken();
    void escapeStores();
    void resetTickLifecycle();
    void resetQuestionInItsLanguage_data();
    void resetQuestionInItsLanguage();
};

namespace {
void open(EParaSetup &dialog)
{
    dialog.hide();
    dialog.show();
    dialog.move(0, 240 - dialog.height());
}

void closeByTitle(EParaSetup &dialog)
{
    QTest::mouseClick(titleButton(dialog.title(), QStringLiteral("Cancel")), Qt::LeftButton);
}

QString shown(ESpinBoxItem *row)
{
    return row->spinBox()->text();
}
} // namespace

void TstParaSetup::cleanup()
{
    EGlobal::setSystemTempUnit(0);
    EGlobal::setSystemLenUnit(0);
}

void TstParaSetup::emptyFileDefaults()
{
    DialogFixture f;
    EParaSetup dialog;
    open(dialog);
    QCOMPARE(shown(dialog.emissItem()), QStringLiteral("0.95"));
    QCOMPARE(shown(dialog.distanItem()), QStringLiteral("5 m"));
    QCOMPARE(shown(dialog.offsetItem()), QStringLiteral("0.0 ") + QChar(0x00B0) + QLatin1Char('C'));
    QCOMPARE(dialog.material(), QStringLiteral("Custom"));
    closeByTitle(dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.stored("GlobalPara/Emiss").toString(), QStringLiteral("0.95"));
    QCOMPARE(f.stored("GlobalPara/Distan").toString(), QStringLiteral("5"));
    QCOMPARE(f.stored("GlobalPara/Offset").toString(), QStringLiteral("0.00"));
    QCOMPARE(f.stored("GlobalPara/Global_Emiss_Material").toString(), QStringLiteral("Custom"));
}

// Feet are metres / 0.3048; an offset is scaled, never shifted.
void TstParaSetup::shownAndStored_data()
{
    QTest::addColumn<int>("lenUnit");
    QTest::addColumn<int>("tempUnit");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("distance");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("storedDistance");
    QTest::addColumn<QString>("storedOffset");
    QTest::newRow("5 m in feet") << 1 << 0 << QByteArray("[GlobalPara]\nDistan=5\n") << "16.4 FT"
                                 << QString("0.0 ") + QChar(0x00B0) + "C" << "5" << "0.00";
    QTest::newRow("5000 m in feet") << 1 << 0 << QByteArray("[GlobalPara]\nDistan=5000\n") << "16404.0 FT"
                                    << QString("0.0 ") + QChar(0x00B0) + "C" << "5000" << "0.00";
    QTest::newRow("8000 m held to 5000") << 0 << 0 << QByteArray("[GlobalPara]\nDistan=8000\n") << "5000 m"
                                         << QString("0.0 ") + QChar(0x00B0) + "C" << "5000" << "0.00";
    QTest::newRow("offset 0 in F") << 0 << 1 << QByteArray("[GlobalPara]\nOffset=0\n") << "5 m" << "0.0 F" << "5"
                                   << "0.00";
    QTest::newRow("offset 10 in F") << 0 << 1 << QByteArray("[GlobalPara]\nOffset=10\n") << "5 m" << "18.0 F"
                                    << "5" << "10.00";
    QTest::newRow("offset -100 in F") << 0 << 1 << QByteArray("[GlobalPara]\nOffset=-100\n") << "5 m"
                                      << "-180.0 F" << "5" << "-100.00";
    QTest::newRow("offset 10 in K") << 0 << 2 << QByteArray("[GlobalPara]\nOffset=10\n") << "5 m" << "10.0 K"
                                    << "5" << "10.00";
    QTest::newRow("not a number") << 0 << 0 << QByteArray("[GlobalPara]\nDistan=far\nOffset=x\n") << "5 m"
                                  << QString("0.0 ") + QChar(0x00B0) + "C" << "5" << "0.00";
}

void TstParaSetup::shownAndStored()
{
    QFETCH(int, lenUnit);
    QFETCH(int, tempUnit);
    QFETCH(QByteArray, settings);
    QFETCH(QString, distance);
    QFETCH(QString, offset);
    QFETCH(QString, storedDistance);
    QFETCH(QString, storedOffset);
    DialogFixture f(settings);
    EGlobal::setSystemLenUnit(char(lenUnit));
    EGlobal::setSystemTempUnit(char(tempUnit));
    EParaSetup dialog;
    open(dialog);
    QCOMPARE(shown(dialog.distanItem()), distance);
    QCOMPARE(shown(dialog.offsetItem()), offset);
    closeByTitle(dialog);
    QCOMPARE(f.stored("GlobalPara/Distan").toString(), storedDistance);
    QCOMPARE(f.stored("GlobalPara/Offset").toString(), storedOffset);
}

// The board and the file get the same whole metres.
void TstParaSetup::distanceStep_data()
{
    QTest::addColumn<int>("lenUnit");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("right");
    QTest::addColumn<float>("board");
    QTest::addColumn<QString>("stored");
    QTest::newRow("metres up") << 0 << QByteArray("[GlobalPara]\nDistan=5\n") << true << 6.0f << "6";
    // 6.6 FT - 0.1 = 6.5 FT = 1.98 m: one rounding gives 2 to both.
    QTest::newRow("feet down") << 1 << QByteArray("[GlobalPara]\nDistan=2\n") << false << 2.0f << "2";
}

void TstParaSetup::distanceStep()
{
    QFETCH(int, lenUnit);
    QFETCH(QByteArray, settings);
    QFETCH(bool, right);
    QFETCH(float, board);
    QFETCH(QString, stored);
    DialogFixture f(settings);
    EGlobal::setSystemLenUnit(char(lenUnit));
    EParaSetup dialog;
    open(dialog);
    step(dialog.distanItem(), right);
    QCOMPARE(f.fpga->getSystemTempSetup().dist, board);
    closeByTitle(dialog);
    QCOMPARE(f.stored("GlobalPara/Distan").toString(), stored);
}

void TstParaSetup::offsetStepIsADifference()
{
    DialogFixture f("[GlobalPara]\nOffset=0\n");
    EGlobal::setSystemTempUnit(1);
    EParaSetup dialog;
    open(dialog);
    step(dialog.offsetItem(), true, 18); // 1.8 F
    QCOMPARE(shown(dialog.offsetItem()), QStringLiteral("1.8 F"));
    QVERIFY(qAbs(f.fpga->getSystemTempSetup().offset - 1.0f) < 1e-4f);
    closeByTitle(dialog);
    QCOMPARE(f.stored("GlobalPara/Offset").toString(), QStringLiteral("1.00"));
}

void TstParaSetup::emissArrowMakesCustom()
{
    DialogFixture f("[GlobalPara]\nEmiss=0.96\nGlobal_Emiss_Material=Water\n");
    EParaSetup dialog;
    open(dialog);
    QCOMPARE(dialog.material(), QStringLiteral("Water"));
    step(dialog.emissItem(), false);
    QCOMPARE(f.fpga->getSystemTempSetup().emiss, 0.95f);
    closeByTitle(dialog);
    QCOMPARE(f.stored("GlobalPara/Emiss").toString(), QStringLiteral("0.95"));
    QCOMPARE(f.stored("GlobalPara/Global_Emiss_Material").toString(), QStringLiteral("Custom"));
}

// Tapping the emissivity opens the list with the material in use; Done
// hands back a material, or the hand-set value for "Custom".
void TstParaSetup::materialTable_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("material");
    QTest::addColumn<float>("emiss");
    QTest::newRow("hand-set value kept") << QByteArray("[GlobalPara]\nEmiss=0.85\n") << "Custom" << 0.85f;
    QTest::newRow("material in use") << QByteArray("[GlobalPara]\nEmiss=0.50\nGlobal_Emiss_Material=Iron\n")
                                     << "Iron" << 0.70f;
    QTest::newRow("material gone from the file")
        << QByteArray("[GlobalPara]\nEmiss=0.42\nGlobal_Emiss_Material=Gold\n") << "Custom" << 0.42f;
}

void TstParaSetup::materialTable()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, material);
    QFETCH(float, emiss);
    DialogFixture f(settings);
    QVERIFY(f.front.root.writeFile(QStringLiteral("etc/EmisivityTable.conf"), "Water=0.96\nIron=0.70\n"));
    EParaSetup dialog;
    open(dialog);
    QTest::mouseClick(dialog.emissItem()->spinBox()->findChild<QLineEdit *>(), Qt::LeftButton);
    EmissTable *table = dialog.emissTable();
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->geometry(), QRect(0, 40, 280, 200));
    QTest::mouseClick(titleButton(table->title(), QStringLiteral("Done")), Qt::LeftButton);
    QVERIFY(!table->isVisible());
    QCOMPARE(dialog.material(), material);
    QCOMPARE(float(dialog.emissItem()->value()), emiss);
    QCOMPARE(f.fpga->getSystemTempSetup().emiss, emiss);
}

void TstParaSetup::refusedEmissivityNotTaken()
{
    DialogFixture f("[GlobalPara]\nEmiss=0.90\nGlobal_Emiss_Material=Wood\n");
    EParaSetup dialog;
    open(dialog);
    dialog.changeEmiss(QStringLiteral("Bad"), 7.5f);
    QCOMPARE(dialog.material(), QStringLiteral("Wood"));
    QCOMPARE(shown(dialog.emissItem()), QStringLiteral("0.90"));
    closeByTitle(dialog);
    QCOMPARE(f.stored("GlobalPara/Global_Emiss_Material").toString(), QStringLiteral("Wood"));
}

void TstParaSetup::escapeStores()
{
    DialogFixture f;
    EParaSetup dialog;
    open(dialog);
    step(dialog.distanItem(), true, 2);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.stored("GlobalPara/Distan").toString(), QStringLiteral("7"));
}

// The reset row is ticked by a stored reset and stays so, across closing
// and reopening, until the next edit; No and a failed write leave it off.
void TstParaSetup::resetTickLifecycle()
{
    DialogFixture f;
    RecordingFactoryReset recorder;
    EParaSetup dialog;
    dialog.setResetSeams(&recorder, &recorder);
    bool answer = false;
    dialog.setQuestion([&answer] { return answer; });
    open(dialog);

    QTest::mouseClick(dialog.resetItem(), Qt::LeftButton);
    QVERIFY(recorder.log.isEmpty());
    QVERIFY(!dialog.resetItem()->checked());

    recorder.commitResult = false;
    answer = true;
    QTest::mouseClick(dialog.resetItem(), Qt::LeftButton);
    QVERIFY(!recorder.log.isEmpty());
    QVERIFY(!dialog.resetItem()->checked());

    recorder.commitResult = true;
    QTest::mouseClick(dialog.resetItem(), Qt::LeftButton);
    QVERIFY(dialog.resetItem()->checked());
    QCOMPARE(shown(dialog.distanItem()), QStringLiteral("5 m"));
    closeByTitle(dialog);
    open(dialog);
    QVERIFY(dialog.resetItem()->checked());
    step(dialog.emissItem(), true);
    QVERIFY(!dialog.resetItem()->checked());
}

void TstParaSetup::resetQuestionInItsLanguage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("English") << "English" << "Reset all measure para to \n factory para?" << QStringList{"Yes", "No"};
    QTest::newRow("German") << "German" << "Alle Messparameter auf \n Werkseinstellung zur\u00fccksetzen?"
                            << QStringList{"Ja", "Nein"};
    QTest::newRow("Swedish") << "Swedish" << QString() << QStringList{"Ja", "Nej"};
    QTest::newRow("Chinese") << "Chinese" << QString() << QStringList{"\u662f", "\u5426"};
}

// The reset's own question, as the row asks it: the box and both its
// answers in the camera's language; No resets nothing.
void TstParaSetup::resetQuestionInItsLanguage()
{
    QFETCH(QString, key);
    QFETCH(QString, question);
    QFETCH(QStringList, answers);
    QTranslator translator;
    QVERIFY(translator.load(SimTranslations::directory() + QStringLiteral("/ostrel_") + key + QStringLiteral(".qm")));
    QCoreApplication::installTranslator(&translator);
    DialogFixture f;
    RecordingFactoryReset recorder;
    EParaSetup dialog;
    dialog.setResetSeams(&recorder, &recorder);
    open(dialog);

    QString asked;
    QStringList shown;
    QTimer::singleShot(0, &dialog, [&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(window);
            if (!box || !box->isVisible())
                continue;
            asked = box->text();
            shown = {box->button(QMessageBox::Yes)->text(), box->button(QMessageBox::No)->text()};
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        }
    });
    QTest::mouseClick(dialog.resetItem(), Qt::LeftButton);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(shown, answers);
    if (!question.isEmpty())
        QCOMPARE(asked, question);
    QVERIFY(recorder.log.isEmpty());
    QVERIFY(!dialog.resetItem()->checked());
}

QTEST_MAIN(TstParaSetup)
#include "tst_parasetup.moc"
