#include "biaoding.h"
#include "calibinterface.h"
#include "calibtable.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "eprofiletab.h"
#include "fontfamilies.h"
#include "livescreen.h"
#include "mainbiaoding.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "profilewindow.h"
#include "questionanswer.h"
#include "screentouch.h"
#include "tempadwidget.h"

#include <QLoggingCategory>
#include <QPointingDevice>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

// The calibration tables as `ostrel --simulate` has them: C, "Calib",
// "CalibInfo " opens the settings window; its editor changes a point of
// the fitted lens's table by touch and OK saves it; "Generate" fits a
// table and plots it against the one in use; Escape and Yes adopt it.
// With OSTREL_SCREENS_DIR set every step is written as a PNG.
class TestSimCalibTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void editorSavesATouchedPoint();
    void generateAndAdopt();

private:
    void finger(QWidget *target);
    void save(const char *name);
    BiaoDing *openSettings();
    EGraphicsView &view() { return *m_sim.live->view(); }

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
};

namespace {
const QString Table = QStringLiteral("etc/calc_len0_temp0.conf");

// Relative to the simulator's working folder, as the application reads.
QByteArray fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void TestSimCalibTables::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    m_finger = QTest::createTouchDevice();
}

void TestSimCalibTables::cleanupTestCase()
{
    m_sim.stop();
}

void TestSimCalibTables::save(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), name);
}

void TestSimCalibTables::finger(QWidget *target)
{
    ScreenTouch::finger(m_finger, target);
}

// C, then the "Calib" tile, then "CalibInfo ".
BiaoDing *TestSimCalibTables::openSettings()
{
    if (view().getInterfaceMode() != int(EGraphicsViewPrivate::CalibrationInterface)) {
        QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_C);
        QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_C);
    }
    CalibInterface *menu = view().calibMenu();
    if (menu && menu->isVisible()) {
        [&] { QVERIFY(QTest::qWaitForWindowExposed(menu)); }();
        finger(menu->item(QStringLiteral("Calib")));
    }
    MainBiaoDing *wizard = view().biaoDingWidget();
    if (!wizard)
        return nullptr;
    [&] { QVERIFY(QTest::qWaitForWindowExposed(wizard->calibInfoButton()->window())); }();
    save("calib-tables-wizard.png");
    finger(wizard->calibInfoButton());
    BiaoDing *settings = wizard->settingsWindow();
    if (settings)
        [&] { QVERIFY(QTest::qWaitForWindowExposed(settings)); }();
    return settings;
}

void TestSimCalibTables::editorSavesATouchedPoint()
{
    BiaoDing *settings = openSettings();
    QVERIFY(settings && settings->isVisible());
    TempADWidget *editor = settings->tempAD();
    QCOMPARE(settings->tabs()->currentWidget(), editor);
    QCOMPARE(editor->lensNumber(), 0);
    save("calib-tables-editor.png");

    // Page 3 holds 90 .. 140.
    finger(editor->nextButton());
    finger(editor->nextButton());
    QCOMPARE(editor->currentPage(), 3);
    MyItemEdit *row90 = editor->item(1);
    QCOMPARE(row90->title(), QStringLiteral("90"));
    finger(row90);
    MyKeyboard *pad = editor->keyboard();
    QVERIFY(QTest::qWaitForWindowExposed(pad));
    for (int i = 0; i < 8 && !pad->textEdit->toPlainText().isEmpty(); ++i)
        finger(pad->key(QStringLiteral("btnBack")));
    for (const char *key : {"btn9", "btn9", "btn0", "btn0"})
        finger(pad->key(QLatin1String(key)));
    save("calib-tables-keypad.png");
    finger(pad->btnOk);
    QCOMPARE(row90->text(), QStringLiteral("9900"));
    QVERIFY(editor->isParaChg());
    save("calib-tables-edited.png");

    finger(settings->okButton());
    QVERIFY(!settings->isVisible());
    QSettings file(Table, QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Temp2AD/90")).toString(), QStringLiteral("9900"));
    QCOMPARE(file.value(QStringLiteral("ParaSet/TempNum")).toInt(), 20);
}

void TestSimCalibTables::generateAndAdopt()
{
    BiaoDing *settings = openSettings();
    QVERIFY(settings && settings->isVisible());
    QTabBar *bar = settings->tabs()->tabBar();
    const QPoint tab = bar->tabRect(2).center();
    const QPoint at = bar->mapTo(settings, tab);
    ScreenTouch::fingerAt(m_finger, settings, at);
    EProfileTab *profile = settings->profileTab();
    QCOMPARE(settings->tabs()->currentWidget(), profile);
    QVERIFY(profile->tableButton(0)->isEnabled());
    save("calib-tables-profile-tab.png");
    // Every row whole on the page, none drawn over another.
    const QList<QWidget *> rows = profile->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *row : rows) {
        QVERIFY2(profile->rect().contains(row->geometry()), row->metaObject()->className());
        for (QWidget *other : rows)
            QVERIFY(other == row || !other->geometry().intersects(row->geometry()));
    }

    finger(profile->generateButton());
    ProfileWindow *plot = profile->profileWindow();
    QVERIFY(plot && plot->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(plot));
    QCOMPARE(plot->primaryFile(), QStringLiteral("etc/new_calc_len0_temp0.conf"));
    QVERIFY(plot->primarySound());
    save("calib-tables-plot.png");

    const QByteArray generated = fileText(plot->primaryFile());
    QVERIFY(!generated.isEmpty());
    QuestionAnswer question{QMessageBox::Yes};
    question.onShown([this](QMessageBox *) { save("calib-tables-question.png"); });
    QTest::keyPress(plot->windowHandle(), Qt::Key_Escape);
    QTest::keyRelease(plot->windowHandle(), Qt::Key_Escape);
    QCOMPARE(question.asked(), QStringList{QStringLiteral("Save biaoding table?")});
    QVERIFY(!plot->isVisible());
    QCOMPARE(fileText(Table), generated);
    // The editor shows the adopted table at once.
    const QPoint first = bar->mapTo(settings, bar->tabRect(0).center());
    ScreenTouch::fingerAt(m_finger, settings, first);
    TempADWidget *editor = settings->tempAD();
    QCOMPARE(settings->tabs()->currentWidget(), editor);
    CalibTable adopted;
    QVERIFY(adopted.load(Table));
    QCOMPARE(editor->item(1)->title(), adopted.rows().first().temp);
    QCOMPARE(editor->item(1)->text(), adopted.rows().first().ad);
    save("calib-tables-adopted.png");
    finger(settings->cancelButton());
    QVERIFY(!settings->isVisible());
}

QTEST_MAIN(TestSimCalibTables)
#include "tst_simcalibtables.moc"
