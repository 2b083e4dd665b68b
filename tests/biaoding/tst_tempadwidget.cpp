#include "calibscreenfixture.h"
#include "questionanswer.h"
#include "tempadwidget.h"

#include <QFileInfo>
#include <QSettings>
#include <QtTest>

// The table editor: loading without writing, paging, entry by keypad and
// the save with its extension rows.
class TestTempADWidget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void baseRowOnly();
    void pagingByTouch();
    void openPageOfTemperature_data();
    void openPageOfTemperature();
    void loadSortsAndNeverWrites();
    void adEntry_data();
    void adEntry();
    void minAndMaxFollowTheEnds();
    void rowCountEntry_data();
    void rowCountEntry();
    void loweredCountRemovesLaterRows();
    void loweredCountKeepsThePageInside();
    void saveAddsTheExtensionRows();
    void lensAndRangeEntry_data();
    void lensAndRangeEntry();
    void pendingEditsAskBeforeAnotherTable_data();
    void pendingEditsAskBeforeAnotherTable();
    void noLensNamesNoFile();
    void failedSaveSaysSo();
    void failedSaveBeforeAnotherTableKeepsTheEdits();

private:
    void enter(int id, const QString &text);
    CalibScreenFixture *m_f = nullptr;
    TempADWidget *m_editor = nullptr;
};

namespace {
const QString Table0 = QStringLiteral("etc/calc_len0_temp0.conf");

QStringList rows(int from, int count, int firstAd = 0x7000)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("%1=%2").arg(from + 10 * i).arg(firstAd + 0x100 * i, 0, 16).toUpper();
    return out;
}
} // namespace

void TestTempADWidget::init()
{
    m_f = new CalibScreenFixture;
    m_editor = new TempADWidget;
    m_editor->resize(310, 180);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
}

void TestTempADWidget::cleanup()
{
    delete m_editor;
    delete m_f;
}

// A touch on the field, then the text on the keypad.
void TestTempADWidget::enter(int id, const QString &text)
{
    QTest::mouseClick(m_editor->item(id), Qt::LeftButton);
    CalibScreenFixture::type(m_editor->keyboard(), text);
}

void TestTempADWidget::baseRowOnly()
{
    const QString missing = QStringLiteral("etc/calc_len0_temp2.conf");
    QVERIFY(QFile::remove(missing) || !QFileInfo::exists(missing));
    enter(TempADWidget::RangeId, QStringLiteral("2"));
    QCOMPARE(m_editor->rangeNumber(), 2);
    QVERIFY(m_editor->item(1)->isVisible());
    QCOMPARE(m_editor->item(1)->title(), QStringLiteral("30"));
    QCOMPARE(m_editor->item(1)->text(), QStringLiteral("8000"));
    for (int i = 2; i <= 6; ++i)
        QVERIFY(!m_editor->item(i)->isVisible());
    QVERIFY(!m_editor->prevButton()->isVisible());
    QVERIFY(!m_editor->nextButton()->isVisible());
    QCOMPARE(m_editor->minText(), QStringLiteral("8000"));
    QCOMPARE(m_editor->maxText(), QStringLiteral("8000"));
    // Showing it wrote nothing.
    QVERIFY(!QFileInfo::exists(missing));
}

void TestTempADWidget::pagingByTouch()
{
    QVERIFY(m_f->table(Table0, rows(40, 12)));
    m_editor->resetWidget(-50);
    QCOMPARE(m_editor->rowCount(), 13); // with the base row 30
    QCOMPARE(m_editor->currentPage(), 1);
    QVERIFY(!m_editor->prevButton()->isVisible());
    QTest::mouseClick(m_editor->nextButton(), Qt::LeftButton);
    QTest::mouseClick(m_editor->nextButton(), Qt::LeftButton);
    QCOMPARE(m_editor->currentPage(), 3);
    QVERIFY(m_editor->prevButton()->isVisible());
    QVERIFY(!m_editor->nextButton()->isVisible());
    QVERIFY(m_editor->item(1)->isVisible());
    QCOMPARE(m_editor->item(1)->title(), QStringLiteral("150"));
    for (int i = 2; i <= 6; ++i)
        QVERIFY(!m_editor->item(i)->isVisible());
    QTest::mouseClick(m_editor->prevButton(), Qt::LeftButton);
    QCOMPARE(m_editor->currentPage(), 2);
    QCOMPARE(m_editor->item(6)->title(), QStringLiteral("140"));
}

void TestTempADWidget::openPageOfTemperature_data()
{
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("page");
    QTest::newRow("none") << -50 << 1;
    QTest::newRow("eighth row") << 70 << 2;
    QTest::newRow("thirteenth row") << 150 << 3;
}

void TestTempADWidget::openPageOfTemperature()
{
    QFETCH(int, temperature);
    QFETCH(int, page);
    QVERIFY(m_f->table(Table0, rows(0, 16)));
    m_editor->resetWidget(temperature);
    QCOMPARE(m_editor->currentPage(), page);
}

void TestTempADWidget::loadSortsAndNeverWrites()
{
    QVERIFY(m_f->table(Table0, {"-10=7100", "-20=7000", "0=7200", "10=7300", "100=9000", "20=7400", "30=7777", "40="}));
    const QByteArray before = m_f->front.root.readFile(Table0);
    m_editor->resetWidget(-50);
    QStringList shown;
    for (int i = 1; i <= 6; ++i)
        shown << m_editor->item(i)->title() + QLatin1Char('=') + m_editor->item(i)->text();
    QCOMPARE(shown, (QStringList{"-20=7000", "-10=7100", "0=7200", "10=7300", "20=7400", "30=8000"}));
    QTest::mouseClick(m_editor->nextButton(), Qt::LeftButton);
    QCOMPARE(m_editor->item(1)->title(), QStringLiteral("100"));
    QCOMPARE(m_editor->rowCount(), 7);
    // The base row is pinned and the empty key dropped in memory only.
    QCOMPARE(m_f->front.root.readFile(Table0), before);
}

void TestTempADWidget::adEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("hex letters") << "7FA0" << "7FA0";
    QTest::newRow("lower case") << "7fa0" << "7fa0";
    QTest::newRow("prefix dropped") << "0x7fa0" << "7fa0";
    QTest::newRow("FFFF") << "FFFF" << "FFFF";
    QTest::newRow("above FFFF refused") << "10000" << "7000";
    QTest::newRow("70000 refused") << "70000" << "7000";
    QTest::newRow("not hex refused") << "7-1" << "7000";
    QTest::newRow("empty refused") << "" << "7000";
}

void TestTempADWidget::adEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QVERIFY(m_f->table(Table0, {"0=7000", "10=7100", "20=7200"}));
    m_editor->resetWidget(-50);
    QVERIFY(!m_editor->isParaChg());
    enter(1, typed);
    QVERIFY(!m_editor->keyboard()->isVisible());
    QCOMPARE(m_editor->item(1)->text(), stored);
    // Every confirmed entry marks the tab changed, refused or not.
    QVERIFY(m_editor->isParaChg());
    QVERIFY(m_editor->saveConfig());
    QCOMPARE(QSettings(Table0, QSettings::IniFormat).value("Temp2AD/0").toString(), stored);
}

void TestTempADWidget::minAndMaxFollowTheEnds()
{
    QVERIFY(m_f->table(Table0, {"0=7000", "10=7100", "20=7200"}));
    m_editor->resetWidget(-50);
    enter(1, QStringLiteral("6F00"));
    QCOMPARE(m_editor->minText(), QStringLiteral("6F00"));
    enter(4, QStringLiteral("8100"));
    QCOMPARE(m_editor->maxText(), QStringLiteral("8100"));
    // Escape on the keypad changes nothing, the flag included.
    m_editor->setChgState(false);
    QTest::mouseClick(m_editor->item(2), Qt::LeftButton);
    QTest::keyClick(m_editor->keyboard(), Qt::Key_Escape);
    QVERIFY(!m_editor->keyboard()->isVisible());
    QCOMPARE(m_editor->item(2)->text(), QStringLiteral("7100"));
    QVERIFY(!m_editor->isParaChg());
}

void TestTempADWidget::rowCountEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::newRow("60 taken") << "60" << 60;
    QTest::newRow("61 refused") << "61" << 4;
    QTest::newRow("199 refused") << "199" << 4;
    QTest::newRow("0 refused") << "0" << 4;
    QTest::newRow("2 taken") << "2" << 2;
}

void TestTempADWidget::rowCountEntry()
{
    QFETCH(QString, typed);
    QFETCH(int, count);
    QVERIFY(m_f->table(Table0, {"0=7000", "10=7100", "20=7200"}));
    m_editor->resetWidget(-50);
    enter(TempADWidget::CountId, typed);
    QCOMPARE(m_editor->rowCount(), count);
    // Raised beyond the rows: pages reach rows that are not there, shown
    // empty, and the save skips them.
    m_editor->resetWidget(-50);
    QCOMPARE(m_editor->rowCount(), 4);
}

void TestTempADWidget::loweredCountRemovesLaterRows()
{
    QVERIFY(m_f->table(Table0, rows(-40, 20)));
    m_editor->resetWidget(-50);
    QCOMPARE(m_editor->rowCount(), 20); // 30 is one of them
    enter(TempADWidget::CountId, QStringLiteral("15"));
    QVERIFY(m_editor->saveConfig());
    const QStringList saved = CalibScreenFixture::rowsOf(Table0);
    QCOMPARE(saved.size(), 15);
    QCOMPARE(saved.last().section(QLatin1Char('='), 0, 0), QStringLiteral("100"));
    QSettings file(Table0, QSettings::IniFormat);
    QCOMPARE(file.value("ParaSet/TempNum").toInt(), 15);
    QCOMPARE(file.value("ParaSet/MaxTemp").toInt(), 100);
}

void TestTempADWidget::loweredCountKeepsThePageInside()
{
    // On page 4 of 20 rows the count drops to 5: the next page change lands
    // on the one page left, not on rows beyond the count.
    QVERIFY(m_f->table(Table0, rows(-40, 20)));
    m_editor->resetWidget(-50);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(m_editor->nextButton(), Qt::LeftButton);
    QCOMPARE(m_editor->currentPage(), 4);
    enter(TempADWidget::CountId, QStringLiteral("5"));
    QTest::mouseClick(m_editor->prevButton(), Qt::LeftButton);
    QCOMPARE(m_editor->currentPage(), 1);
    QVERIFY(!m_editor->prevButton()->isVisible());
    QVERIFY(!m_editor->nextButton()->isVisible());
    QCOMPARE(m_editor->item(1)->title(), QStringLiteral("-40"));
    QVERIFY(m_editor->item(5)->isVisible());
    QVERIFY(!m_editor->item(6)->isVisible());
}

void TestTempADWidget::saveAddsTheExtensionRows()
{
    QVERIFY(m_f->table(Table0, {"-20=7200", "-10=7400", "140=9C40", "150=A000"}));
    m_editor->resetWidget(-50);
    QVERIFY(m_editor->saveConfig());
    QSettings file(Table0, QSettings::IniFormat);
    QCOMPARE(file.value("Temp2AD/-30").toString(), QStringLiteral("7000"));
    QCOMPARE(file.value("Temp2AD/160").toString(), QStringLiteral("a3c0"));
    QCOMPARE(file.value("Temp2AD/30").toString(), QStringLiteral("8000"));
    QCOMPARE(file.value("ParaSet/MinTemp").toInt(), -30);
    QCOMPARE(file.value("ParaSet/MaxTemp").toInt(), 160);
    QCOMPARE(file.value("ParaSet/MinAD").toString(), QStringLiteral("7000"));
    QCOMPARE(file.value("ParaSet/MaxAD").toString(), QStringLiteral("a3c0"));
    QCOMPARE(file.value("ParaSet/BaseTemp").toInt(), 30);
}

void TestTempADWidget::lensAndRangeEntry_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("lens");
    QTest::addColumn<int>("range");
    QTest::newRow("lens 6") << int(TempADWidget::LensId) << "6" << 6 << 0;
    QTest::newRow("lens 7 refused") << int(TempADWidget::LensId) << "7" << 0 << 0;
    QTest::newRow("range 1") << int(TempADWidget::RangeId) << "1" << 0 << 1;
    QTest::newRow("range 3 refused") << int(TempADWidget::RangeId) << "3" << 0 << 0;
    QTest::newRow("negative refused") << int(TempADWidget::LensId) << "-1" << 0 << 0;
}

void TestTempADWidget::lensAndRangeEntry()
{
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(int, lens);
    QFETCH(int, range);
    m_editor->resetWidget(-50);
    enter(id, typed);
    QCOMPARE(m_editor->lensNumber(), lens);
    QCOMPARE(m_editor->rangeNumber(), range);
    QCOMPARE(m_editor->item(TempADWidget::LensId)->text(), QString::number(lens));
    QCOMPARE(m_editor->tableName(), QStringLiteral("etc/calc_len%1_temp%2.conf").arg(lens).arg(range));
}

void TestTempADWidget::pendingEditsAskBeforeAnotherTable_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("kept");
    QTest::newRow("yes saves") << int(QMessageBox::Yes) << "6F00";
    QTest::newRow("no drops") << int(QMessageBox::No) << "7000";
}

void TestTempADWidget::pendingEditsAskBeforeAnotherTable()
{
    QFETCH(int, answer);
    QFETCH(QString, kept);
    QVERIFY(m_f->table(Table0, {"0=7000", "10=7100"}));
    m_editor->resetWidget(-50);
    QuestionAnswer question{QMessageBox::StandardButton(answer)};
    // No edit yet: no question.
    enter(TempADWidget::RangeId, QStringLiteral("0"));
    QVERIFY(question.asked().isEmpty());
    enter(1, QStringLiteral("6F00"));
    enter(TempADWidget::LensId, QStringLiteral("1"));
    QCOMPARE(question.asked(), QStringList{QStringLiteral("参数已修改，是否保存修改值?")});
    QCOMPARE(m_editor->lensNumber(), 1);
    QCOMPARE(QSettings(Table0, QSettings::IniFormat).value("Temp2AD/0").toString(), kept);
}

void TestTempADWidget::noLensNamesNoFile()
{
    m_f->noLens();
    m_editor->updateWidget();
    QCOMPARE(m_editor->lensNumber(), -1);
    QCOMPARE(m_editor->note(), QStringLiteral("No Lens!"));
    for (int i = 1; i <= 6; ++i)
        QVERIFY(!m_editor->item(i)->isVisible());
    QVERIFY(!m_editor->saveConfig());
    QVERIFY(QDir(QStringLiteral("etc")).entryList({QStringLiteral("*len-1*"), QStringLiteral("*len255*")}).isEmpty());
    enter(TempADWidget::LensId, QStringLiteral("2"));
    QCOMPARE(m_editor->lensNumber(), 2);
    QVERIFY(m_editor->note().isEmpty());
    QVERIFY(m_editor->item(1)->isVisible());
}

void TestTempADWidget::failedSaveSaysSo()
{
    m_editor->resetWidget(-50);
    QVERIFY(QFile::remove(Table0));
    QVERIFY(QDir().mkpath(Table0));
    QVERIFY(!m_editor->saveConfig());
    QCOMPARE(m_editor->note(), QStringLiteral("Save failed!"));
    QVERIFY(QFileInfo(Table0).isDir());
}

void TestTempADWidget::failedSaveBeforeAnotherTableKeepsTheEdits()
{
    // Yes to the save question, but the file cannot be written: the editor
    // stays on its table with the edit and says so.
    QVERIFY(m_f->table(Table0, {"0=7000", "10=7100"}));
    m_editor->resetWidget(-50);
    QuestionAnswer question{QMessageBox::Yes};
    enter(1, QStringLiteral("6F00"));
    QVERIFY(QFile::remove(Table0));
    QVERIFY(QDir().mkpath(Table0));
    enter(TempADWidget::LensId, QStringLiteral("1"));
    QCOMPARE(question.asked().size(), 1);
    QCOMPARE(m_editor->lensNumber(), 0);
    QCOMPARE(m_editor->item(TempADWidget::LensId)->text(), QStringLiteral("0"));
    QCOMPARE(m_editor->note(), QStringLiteral("Save failed!"));
    QCOMPARE(m_editor->item(1)->text(), QStringLiteral("6F00"));
}

QTEST_MAIN(TestTempADWidget)
#include "tst_tempadwidget.moc"
