#include "calibview.h"

#include "../common/questionanswer.h"
#include "biaoding.h"
#include "efidtab.h"
#include "myitemedit.h"
#include "mykeyboard.h"
#include "tempadwidget.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

// The calibration settings window: what OK stores, applies and loads;
// Cancel's question; Escape.
class TestBiaoDingWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void layout();
    void okStoresAppliesAndLoads();
    void leaving_data();
    void leaving();
    void unusableTableIsReported_data();
    void unusableTableIsReported();
    void unstoredSettingsAreReported();

private:
    static void setRange(CalibView &c, int range);
    static QSettings setting(CalibView &c)
    {
        return QSettings(c.path(QStringLiteral("Parameter/Setting")), QSettings::IniFormat);
    }
};

void TestBiaoDingWindow::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
}

void TestBiaoDingWindow::setRange(CalibView &c, int range)
{
    QSettings settings(c.path(QStringLiteral("Parameter/Setting")), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("BiaoDing/TempRange"), range);
}

void TestBiaoDingWindow::layout()
{
    CalibView c;
    BiaoDing window;
    QCOMPARE(window.size(), QSize(320, 220));
    QCOMPARE(window.tabs()->count(), 3);
    QCOMPARE(window.tabs()->tabText(0), QStringLiteral("T-AD"));
    QCOMPARE(window.tabs()->tabText(1), QStringLiteral("INT"));
    QCOMPARE(window.tabs()->tabText(2), QStringLiteral("Profile"));
    QCOMPARE(window.tabs()->widget(1), window.intTab());
    QCOMPARE(window.okButton()->geometry(), QRect(190, 2, 60, 25));
    QCOMPARE(window.cancelButton()->geometry(), QRect(255, 2, 60, 25));
}

// Lens 1 and range 1 on the table tab: OK stores them, the rows of the
// "INT" tab and their count, sends range 1's time to the core at once and
// makes the library load that table.
void TestBiaoDingWindow::okStoresAppliesAndLoads()
{
    CalibView c(true);
    c.front.board->setLensCode(5);
    setRange(c, 1);
    BiaoDing window;
    window.show();
    window.resetTempAD(-50);
    window.tabs()->setCurrentIndex(1);
    EFidTab *tab = window.intTab();
    auto enter = [tab](int row, const QString &text) {
        QTest::mouseClick(tab->row(row), Qt::LeftButton);
        tab->keyboard()->setCurrentText(text);
        QTest::mouseClick(tab->keyboard()->btnOk, Qt::LeftButton);
    };
    enter(EFidTab::IntTime1Row, QStringLiteral("222"));
    enter(EFidTab::RangeNumRow, QStringLiteral("3"));
    enter(EFidTab::Range2Row, QStringLiteral("400~1200"));
    QSignalSpy done(&window, &BiaoDing::sign_setParaOk);
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), true);
    QVERIFY(!window.isVisible());
    QSettings stored = setting(c);
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/Len")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/TempRange")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/IntTime1")).toString(), QStringLiteral("222"));
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/IntTime0")).toString(), QStringLiteral("100"));
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/TempRange0")).toString(), QStringLiteral("-20~150"));
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/TempRange2")).toString(), QStringLiteral("400~1200"));
    QCOMPARE(stored.value(QStringLiteral("BiaoDing/TempRangeNum")).toInt(), 3);
    QVERIFY(c.front.front->getSerial()->waitForIdle(5000));
    QTRY_COMPARE(int(c.front.core->intTime()), 222);
    QCOMPARE(c.front.front->tempModel().tableFile(), QStringLiteral("etc/calc_len1_temp1.conf"));
    QVERIFY(window.loadNote().isEmpty());
}

void TestBiaoDingWindow::leaving_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("stillChanged");
    QTest::newRow("cancel, no edits") << "cancel" << false << 0 << false << false << false;
    QTest::newRow("cancel, edits, No") << "no" << true << 1 << false << false << false;
    QTest::newRow("cancel, edits, Yes") << "yes" << true << 1 << true << true << false;
    QTest::newRow("escape, edits") << "escape" << true << 0 << false << false << true;
}

void TestBiaoDingWindow::leaving()
{
    QFETCH(QString, how);
    QFETCH(bool, edited);
    QFETCH(int, asked);
    QFETCH(bool, result);
    QFETCH(bool, stored);
    QFETCH(bool, stillChanged);
    CalibView c;
    QuestionAnswer answer(how == QLatin1String("yes") ? QMessageBox::Yes : QMessageBox::No);
    BiaoDing window;
    window.show();
    window.resetTempAD(-50);
    if (edited)
        window.tempAD()->setChgState(true);
    QSignalSpy done(&window, &BiaoDing::sign_setParaOk);
    if (how == QLatin1String("escape"))
        QTest::keyClick(&window, Qt::Key_Escape);
    else
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
    QCOMPARE(answer.asked().size(), asked);
    if (asked)
        QCOMPARE(answer.asked().first(), QString::fromUtf8("参数已修改，是否保存修改值?"));
    QCOMPARE(done.size(), 1);
    QCOMPARE(done.at(0).at(0).toBool(), result);
    QCOMPARE(setting(c).contains(QStringLiteral("BiaoDing/Len")), stored);
    QCOMPARE(window.tempAD()->isParaChg(), stillChanged);
    // A second Cancel asks nothing once the flag is cleared.
    if (how == QLatin1String("no")) {
        QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        QCOMPARE(answer.asked().size(), 1);
        QCOMPARE(done.size(), 2);
    }
}

void TestBiaoDingWindow::unusableTableIsReported_data()
{
    QTest::addColumn<int>("lensCode");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("note");
    // Range 2 has neither a table nor a factory one.
    QTest::newRow("no table at all") << 3 << 2 << "Calibration file error!";
    QTest::newRow("factory table") << 5 << 1 << "Default table used!";
}

void TestBiaoDingWindow::unusableTableIsReported()
{
    QFETCH(int, lensCode);
    QFETCH(int, range);
    QFETCH(QString, note);
    CalibView c;
    c.front.board->setLensCode(lensCode);
    setRange(c, range);
    QFile::remove(c.path(QStringLiteral("etc/calc_len1_temp1.conf")));
    QVERIFY(!QFile::exists(c.path(QStringLiteral("etc/calc_len0_temp2_default.conf"))));
    BiaoDing window;
    window.show();
    window.resetTempAD(-50);
    QSignalSpy done(&window, &BiaoDing::sign_setParaOk);
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(done.size(), 1);
    QCOMPARE(window.loadNote(), note);
}

// A settings file that cannot be written: OK says so, and the typed time
// does not go to the core while the file keeps the old one.
void TestBiaoDingWindow::unstoredSettingsAreReported()
{
    CalibView c(true);
    BiaoDing window;
    window.show();
    EFidTab *tab = window.intTab();
    QTest::mouseClick(tab->row(EFidTab::IntTime0Row), Qt::LeftButton);
    tab->keyboard()->setCurrentText(QStringLiteral("222"));
    QTest::mouseClick(tab->keyboard()->btnOk, Qt::LeftButton);
    QCOMPARE(tab->getIntTime(0), QStringLiteral("222"));
    const int before = int(c.front.core->intTime());
    QVERIFY(before != 222);
    const QString settings = c.path(QStringLiteral("Parameter/Setting"));
    QVERIFY(QFile::remove(settings));
    // A folder where the file should be: refused whoever runs the test.
    QVERIFY(QDir().mkpath(settings + QStringLiteral("/x")));
    QSignalSpy done(&window, &BiaoDing::sign_setParaOk);
    QTest::mouseClick(window.okButton(), Qt::LeftButton);
    QCOMPARE(done.size(), 1);
    QCOMPARE(window.loadNote(), QStringLiteral("Settings not stored!"));
    QVERIFY(c.front.front->getSerial()->waitForIdle(5000));
    QCOMPARE(int(c.front.core->intTime()), before);
}

QTEST_MAIN(TestBiaoDingWindow)
#include "tst_biaodingwindow.moc"
