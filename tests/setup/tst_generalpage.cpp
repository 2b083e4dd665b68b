#include "edialogtitle.h"
#include "eflickcharmtext.h"
#include "egeneralpage.h"
#include "elanguagedialog.h"
#include "esetupcombobox.h"
#include "esetupwindow.h"
#include "fingerevent.h"
#include "languagetable.h"
#include "setupfixture.h"
#include "simtranslations.h"

#include <QGraphicsView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

// The General page against the board, the registry and the settings file,
// the language dialog's orderings, choice and restart, and the compiled
// translation catalogues.
class TestGeneralPage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void stepCycles_data();
    void stepCycles();
    void hostileSettings_data();
    void hostileSettings();
    void rowsIgnoredWhileADialogIsUp();
    void longLanguageNameIsCut();
    void languageOrderings_data();
    void languageOrderings();
    void dragAndCancelKeepTheChoice();
    void listThatFitsKeepsTheBarHidden();
    void catalogues_data();
    void catalogues();
    void germanPage();
    // Ends the application's event loop: kept last.
    void doneWithNewLanguage();

private:
    static QStringList rowTexts(EGeneralPage &page);
    static QStringList names(ELanguageDialog *dialog);
    static void tapRow(ELanguageDialog *dialog, int index);
    static void pressDone(ELanguageDialog *dialog);
};

void TestGeneralPage::cleanup()
{
    ELanguageDialog::clearRestartRequest();
    EGlobal::setDoublePrecision(false);
    EGlobal::setSystemTempUnit(0);
    EGlobal::setSystemLenUnit(0);
}

QStringList TestGeneralPage::rowTexts(EGeneralPage &page)
{
    return {page.languageItem()->text(), page.outputItem()->text(), page.precisionItem()->text(),
            page.tempUnitItem()->text(), page.lenUnitItem()->text()};
}

QStringList TestGeneralPage::names(ELanguageDialog *dialog)
{
    QStringList shown;
    for (EFlickCharmText *row : dialog->items())
        shown << row->text();
    return shown;
}

void TestGeneralPage::tapRow(ELanguageDialog *dialog, int index)
{
    QWidget *viewport = dialog->view()->viewport();
    const QPoint at = dialog->view()->mapFromScene(QPointF(100, 30 * index + 15));
    fingerEvent(viewport, QEvent::MouseButtonPress, at);
    fingerEvent(viewport, QEvent::MouseButtonRelease, at);
}

void TestGeneralPage::pressDone(ELanguageDialog *dialog)
{
    auto *done = dialog->title()->findChild<QPushButton *>(QStringLiteral("Done"));
    QVERIFY(done);
    QTest::mouseClick(done, Qt::LeftButton);
}

void TestGeneralPage::stepCycles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QList<int>>("applied");
    const QString degree = QString(QChar(0x00B0));
    QTest::newRow("output") << 1 << QStringList{"PAL", "NTSC", "OFF", "PAL"} << QStringList{"PAL", "NTSC", "OFF", "PAL"}
                            << QList<int>{1, 2, 0, 1};
    // The row says what it does; the file keeps the words it always held.
    QTest::newRow("precision") << 2 << QStringList{"2 decimals", "1 decimal", "2 decimals", "1 decimal"}
                               << QStringList{"Double", "Single", "Double", "Single"} << QList<int>{1, 0, 1, 0};
    QTest::newRow("temperature unit") << 3 << QStringList{"F", "K", degree + "C", "F"} << QStringList{"1", "2", "0", "1"}
                                      << QList<int>{1, 2, 0, 1};
    QTest::newRow("length unit") << 4 << QStringList{"FT", "M", "FT", "M"} << QStringList{"1", "0", "1", "0"}
                                 << QList<int>{1, 0, 1, 0};
}

// Each tap steps, shows, applies and stores; the rows are real buttons.
void TestGeneralPage::stepCycles()
{
    QFETCH(int, row);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, stored);
    QFETCH(QList<int>, applied);
    SetupFixture world;
    EGeneralPage page;
    page.show();
    ESetupComboBox *rows[] = {page.languageItem(), page.outputItem(), page.precisionItem(), page.tempUnitItem(),
                              page.lenUnitItem()};
    const char *keys[] = {"Lang", "Output", "Precision", "TempUnit", "LenUnit"};
    for (int tap = 0; tap < shown.size(); ++tap) {
        QTest::mouseClick(rows[row], Qt::LeftButton);
        QCOMPARE(rows[row]->text(), shown.at(tap));
        QCOMPARE(SetupFixture::stored(keys[row]).toString(), stored.at(tap));
        int now = -1;
        switch (row) {
        case 1: now = world.front.board->registerByte(0x34); break;
        case 2: now = EGlobal::getDoublePrecision() ? 1 : 0; break;
        case 3: now = EGlobal::getSystemTempUnit(); break;
        case 4: now = EGlobal::getSystemLenUnit(); break;
        }
        QCOMPARE(now, applied.at(tap));
    }
    if (row == 3)
        QVERIFY(world.bar()->unitLabel()->text().endsWith(QLatin1Char('F')));
}

void TestGeneralPage::hostileSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("board");
    QTest::addColumn<bool>("doublePrecision");
    const QString c = QString(QChar(0x00B0)) + QLatin1Char('C');
    QTest::newRow("fresh") << QByteArray() << QStringList{"English", "OFF", "1 decimal", c, "M"} << 0 << false;
    QTest::newRow("stored") << QByteArray("[General]\nLang=German\nOutput=NTSC\nPrecision=Double\nTempUnit=2\nLenUnit=1\n")
                            << QStringList{"Deutsch", "NTSC", "2 decimals", "K", "FT"} << 2 << true;
    QTest::newRow("display name is no key") << QByteArray("[General]\nLang=Deutsch\n")
                                            << QStringList{"English", "OFF", "1 decimal", c, "M"} << 0 << false;
    QTest::newRow("units beyond the tables")
        << QByteArray("[General]\nTempUnit=7\nLenUnit=2\n") << QStringList{"English", "OFF", "1 decimal", c, "M"} << 0 << false;
    QTest::newRow("negative units") << QByteArray("[General]\nTempUnit=-1\nLenUnit=-5\n")
                                    << QStringList{"English", "OFF", "1 decimal", c, "M"} << 0 << false;
    QTest::newRow("units not numbers") << QByteArray("[General]\nTempUnit=hot\nLenUnit=far\n")
                                       << QStringList{"English", "OFF", "1 decimal", c, "M"} << 0 << false;
    QTest::newRow("unknown output, other precision")
        << QByteArray("[General]\nOutput=HDMI\nPrecision=single\n") << QStringList{"English", "OFF", "2 decimals", c, "M"} << 0
        << true;
}

// Whatever the file holds, the rows show table entries, the board gets a
// standard it knows and the display's precision agrees with its row.
void TestGeneralPage::hostileSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, shown);
    QFETCH(int, board);
    QFETCH(bool, doublePrecision);
    SetupFixture world(settings);
    world.front.board->setRegister(0x34, QByteArray(1, char(0x7f)));
    EGeneralPage page;
    QCOMPARE(rowTexts(page), shown);
    QCOMPARE(int(world.front.board->registerByte(0x34)), board);
    QCOMPARE(EGlobal::getDoublePrecision(), doublePrecision);
    // A step from a refused unit starts at the first entry.
    QTest::mouseClick(page.tempUnitItem(), Qt::LeftButton);
    const QString next = shown.at(3) == QLatin1String("K") ? QString(QChar(0x00B0)) + QLatin1Char('C') : QStringLiteral("F");
    QCOMPARE(page.tempUnitItem()->text(), next);
}

void TestGeneralPage::rowsIgnoredWhileADialogIsUp()
{
    SetupFixture world;
    EGeneralPage page;
    page.show();
    QTest::mouseClick(page.languageItem(), Qt::LeftButton);
    QVERIFY(page.languageDialog() && page.languageDialog()->isVisible());
    QVERIFY(world.view->isSetupVisibled());
    const QStringList before = rowTexts(page);
    for (ESetupComboBox *row : {page.outputItem(), page.precisionItem(), page.tempUnitItem(), page.lenUnitItem()})
        QTest::mouseClick(row, Qt::LeftButton);
    QCOMPARE(rowTexts(page), before);
    QVERIFY(!SetupFixture::stored("Output").isValid());
    page.languageDialog()->cancelHandler();
}

void TestGeneralPage::longLanguageNameIsCut()
{
    SetupFixture world;
    EGeneralPage page;
    page.setLanguage(QStringLiteral("Netherlands and beyond"));
    QCOMPARE(page.languageItem()->text(), QStringLiteral("Netherl*"));
    page.setLanguage(QStringLiteral("Svenska"));
    QCOMPARE(page.languageItem()->text(), QStringLiteral("Svenska"));
}

void TestGeneralPage::languageOrderings_data()
{
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<int>("tap");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("storedAfterDone");
    QStringList table;
    for (int i = 0; i < LanguageTable::Count; ++i)
        table << LanguageTable::name(i);
    QStringList german = table;
    german.move(3, 0);
    QStringList spanish = table;
    spanish.move(8, 0);
    QTest::newRow("fresh") << QByteArray() << 0 << table << "English";
    QTest::newRow("German") << QByteArray("German") << 0 << german << "German";
    QTest::newRow("Spanish") << QByteArray("Spanish") << 0 << spanish << "Spanish";
    QTest::newRow("unknown key") << QByteArray("Klingon") << 0 << table << "English";
}

// Each opening puts the stored language first and checked; Done on it
// stores the key again and does not restart.
void TestGeneralPage::languageOrderings()
{
    QFETCH(QByteArray, lang);
    QFETCH(int, tap);
    QFETCH(QStringList, order);
    QFETCH(QString, storedAfterDone);
    SetupFixture world(lang.isEmpty() ? QByteArray() : "[General]\nLang=" + lang + "\n");
    EGeneralPage page;
    page.show();
    for (int opening = 0; opening < 2; ++opening) {
        QTest::mouseClick(page.languageItem(), Qt::LeftButton);
        ELanguageDialog *dialog = page.languageDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(names(dialog), order);
        QCOMPARE(dialog->current(), 0);
        QVERIFY(dialog->items().at(0)->isChecked());
        tapRow(dialog, tap);
        pressDone(dialog);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!world.view->isSetupVisibled());
        QVERIFY(!ELanguageDialog::restartRequested());
        QCOMPARE(SetupFixture::stored("Lang").toString(), storedAfterDone);
        QCOMPARE(page.languageItem()->text(), order.at(0));
    }
}

// Only a release without a drag moves the check; Cancel stores nothing.
void TestGeneralPage::dragAndCancelKeepTheChoice()
{
    SetupFixture world;
    EGeneralPage page;
    page.show();
    const QVariant storedBefore = SetupFixture::stored("Lang");
    QTest::mouseClick(page.languageItem(), Qt::LeftButton);
    ELanguageDialog *dialog = page.languageDialog();
    QWidget *viewport = dialog->view()->viewport();
    const QPoint at = dialog->view()->mapFromScene(QPointF(100, 30 * 2 + 15));
    fingerEvent(viewport, QEvent::MouseButtonPress, at);
    fingerEvent(viewport, QEvent::MouseMove, at + QPoint(0, -20));
    fingerEvent(viewport, QEvent::MouseMove, at + QPoint(0, -40));
    fingerEvent(viewport, QEvent::MouseButtonRelease, at + QPoint(0, -40));
    QCOMPARE(dialog->current(), 0);
    QVERIFY(dialog->items().at(0)->isChecked());
    QVERIFY(!dialog->items().at(2)->isChecked());

    tapRow(dialog, 4);
    QCOMPARE(dialog->current(), 4);
    auto *cancel = dialog->title()->findChild<QPushButton *>(QStringLiteral("Cancel"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(SetupFixture::stored("Lang"), storedBefore);
    QTest::mouseClick(page.languageItem(), Qt::LeftButton);
    QCOMPARE(dialog->current(), 0);
    QCOMPARE(dialog->items().at(0)->text(), QStringLiteral("English"));
    dialog->cancelHandler();
}

void TestGeneralPage::listThatFitsKeepsTheBarHidden()
{
    SetupFixture world;
    EGeneralPage page;
    ELanguageDialog dialog(&page, nullptr, Qt::FramelessWindowHint);
    dialog.setGeometry(0, 0, 240, 330);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.view()->verticalScrollBar()->maximum(), 0);
    dialog.clickedMovedHandler(QStringLiteral("English"), 0);
    dialog.valueChangedHandler(0);
    QVERIFY(!dialog.slider()->isVisible());
}

void TestGeneralPage::catalogues_data()
{
    QTest::addColumn<QString>("key");
    for (int i = 0; i < LanguageTable::Count; ++i)
        QTest::newRow(qPrintable(LanguageTable::key(i))) << LanguageTable::key(i);
}

// Every key names a catalogue this build compiled.
void TestGeneralPage::catalogues()
{
    QFETCH(QString, key);
    QTranslator translator;
    QVERIFY2(translator.load(SimTranslations::directory() + QStringLiteral("/ostrel_") + key + QStringLiteral(".qm")),
             qPrintable(key));
    QCOMPARE(LanguageTable::translationFile(key), QStringLiteral("language/ostrel_") + key);
    QCOMPARE(LanguageTable::translationFile(QStringLiteral("../../etc/passwd")),
             QStringLiteral("language/ostrel_English"));
}

// The German catalogue as the start-up loads it from the root.
void TestGeneralPage::germanPage()
{
    SetupFixture world("[General]\nLang=German\n");
    QCOMPARE(SimTranslations::install(world.front.root.root()), LanguageTable::Count);
    QTranslator translator;
    QVERIFY(translator.load(LanguageTable::translationFile(LanguageTable::storedKey())));
    QCoreApplication::installTranslator(&translator);
    {
        EGeneralPage page;
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("Title"))->text(), QStringLiteral("Allgemein"));
        QCOMPARE(page.outputItem()->text(), QStringLiteral("AUS"));
        QCOMPARE(page.languageItem()->text(), QStringLiteral("Deutsch"));
    }
    QCoreApplication::removeTranslator(&translator);
}

// A new language stores its key, hides the setup window and ends the event
// loop; the list is emptied with its rows, so the next opening builds a
// fresh one.
void TestGeneralPage::doneWithNewLanguage()
{
    SetupFixture world;
    ESetupWindow window(nullptr, Qt::FramelessWindowHint);
    window.show();
    auto *page = qobject_cast<EGeneralPage *>(window.widget(ESetupWindow::GeneralPage));
    QTest::mouseClick(page->languageItem(), Qt::LeftButton);
    ELanguageDialog *dialog = page->languageDialog();
    const int french = names(dialog).indexOf(QStringLiteral("Fran\u00e7ais"));
    QCOMPARE(french, 4);
    tapRow(dialog, french);
    QTimer::singleShot(0, dialog, [dialog] { pressDone(dialog); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(7); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(ELanguageDialog::restartRequested());
    QCOMPARE(SetupFixture::stored("Lang").toString(), QStringLiteral("French"));
    QCOMPARE(page->languageItem()->text(), QStringLiteral("Fran\u00e7ais"));
    QVERIFY(!window.isVisible());
    QVERIFY(!dialog->isVisible());
    QVERIFY(!world.view->isSetupVisibled());
    QVERIFY(dialog->items().isEmpty());

    page->languageHandler();
    QCOMPARE(names(dialog).first(), QStringLiteral("Fran\u00e7ais"));
    QCOMPARE(dialog->items().size(), LanguageTable::Count);
    dialog->cancelHandler();
}

QTEST_MAIN(TestGeneralPage)
#include "tst_generalpage.moc"
