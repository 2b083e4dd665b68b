#include "calibview.h"

#include "emodifyprofile.h"
#include "eshowmodifydialog.h"
#include "modifyfactors.h"
#include "modifyprofilewindow.h"
#include "myitemedit.h"
#include "mykeyboard.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

// The correction table editor and the correction curves: pages, the file
// of each lens and range, what an entry may be, the seeded first write,
// the reload on Escape, and a plot that leaves the live factors alone.
class TestModifyTables : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void pages_data();
    void pages();
    void fileOfLensAndRange_data();
    void fileOfLensAndRange();
    void entries_data();
    void entries();
    void unchangedEntryWritesNothing();
    void firstWriteSeedsTheOwnFile();
    void failedWriteIsReported();
    void escapeReloadsOnlyAfterAWrite();
    void noLens();
    void chooserEnablesExistingFiles();
    void plotGapFilling();
    void plotLeavesTheLiveFactors();
    void plotPixels();
    void legendClearOfTheCurve_data();
    void legendClearOfTheCurve();

private:
    static void setRange(CalibView &c, int range);
    static void enter(EShowModifyDialog &dialog, int row, const QString &text);
    static void writeFactors(CalibView &c, const QString &file, const QMap<double, QString> &factors);
};

void TestModifyTables::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
}

void TestModifyTables::setRange(CalibView &c, int range)
{
    QSettings settings(c.path(QStringLiteral("Parameter/Setting")), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("BiaoDing/TempRange"), range);
}

void TestModifyTables::enter(EShowModifyDialog &dialog, int row, const QString &text)
{
    QTest::mouseClick(dialog.row(row), Qt::LeftButton);
    QVERIFY(dialog.keyboard()->isVisible());
    dialog.keyboard()->setCurrentText(text);
    QTest::mouseClick(dialog.keyboard()->btnOk, Qt::LeftButton);
    QVERIFY(!dialog.keyboard()->isVisible());
}

void TestModifyTables::writeFactors(CalibView &c, const QString &file, const QMap<double, QString> &factors)
{
    QFile::remove(c.path(file));
    QSettings table(c.path(file), QSettings::IniFormat);
    for (auto it = factors.cbegin(); it != factors.cend(); ++it)
        table.setValue(ModifyFactors::keyOf(int(std::lround((it.key() + 20.0) * 2))), it.value());
}

void TestModifyTables::pages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("visible");
    QTest::newRow("0") << 0 << "-20" << "-19.5" << 18;
    QTest::newRow("5") << 5 << "25" << "25.5" << 18;
    QTest::newRow("11") << 11 << "79" << "79.5" << 2;
}

void TestModifyTables::pages()
{
    QFETCH(int, page);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, visible);
    CalibView c;
    EShowModifyDialog dialog;
    dialog.show();
    QCOMPARE(dialog.currentPage(), 5);
    while (dialog.currentPage() > page)
        QTest::mouseClick(dialog.prevButton(), Qt::LeftButton);
    while (dialog.currentPage() < page)
        QTest::mouseClick(dialog.nextButton(), Qt::LeftButton);
    QCOMPARE(dialog.row(0)->title(), first);
    QCOMPARE(dialog.row(1)->title(), second);
    int shown = 0;
    for (int i = 0; i < EShowModifyDialog::RowsPerPage; ++i)
        shown += dialog.row(i)->isVisible() ? 1 : 0;
    QCOMPARE(shown, visible);
    QCOMPARE(dialog.prevButton()->isEnabled(), page != 0);
    QCOMPARE(dialog.nextButton()->isEnabled(), page != 11);
    // The page never leaves 0 .. 11.
    dialog.slot_clickedPrev();
    dialog.slot_clickedNext();
    dialog.slot_clickedNext();
    QVERIFY(dialog.currentPage() >= 0 && dialog.currentPage() <= 11);
}

void TestModifyTables::fileOfLensAndRange_data()
{
    QTest::addColumn<int>("lensCode");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("file");
    QTest::newRow("lens 0 range 0") << 3 << 0 << "Parameter/Modify";
    QTest::newRow("lens 0 range 1") << 3 << 1 << "Parameter/Modify_Temp_1";
    QTest::newRow("lens 2 range 0") << 1 << 0 << "Parameter/Modify_2_Temp_0";
}

// An entry goes into the file of exactly the fitted lens and the range.
void TestModifyTables::fileOfLensAndRange()
{
    QFETCH(int, lensCode);
    QFETCH(int, range);
    QFETCH(QString, file);
    CalibView c;
    c.front.board->setLensCode(lensCode);
    setRange(c, range);
    EShowModifyDialog dialog;
    dialog.show();
    enter(dialog, 2, QStringLiteral("1.25"));
    QVERIFY(dialog.written());
    QCOMPARE(c.file(file).value(QStringLiteral("Averg_26")).toString(), QStringLiteral("1.25"));
    QCOMPARE(dialog.row(2)->text(), QStringLiteral("1.25"));
    QVERIFY(dialog.titleLabel()->text().startsWith(file));
}

void TestModifyTables::entries_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stored");
    QTest::newRow("1.05") << "1.05" << true;
    QTest::newRow("0.5") << "0.5" << true;
    QTest::newRow(".9") << ".9" << true;
    QTest::newRow("2.999") << "2.999" << true;
    QTest::newRow("1.2.3") << "1.2.3" << false;
    QTest::newRow("-") << "-" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("5") << "5" << false;
    QTest::newRow("3.0") << "3.0" << false;
    QTest::newRow("0.1") << "0.1" << false;
    QTest::newRow("-1.0") << "-1.0" << false;
    QTest::newRow("A") << "A" << false;
    QTest::newRow("1~2") << "1~2" << false;
}

// Only what the library accepts is stored: anything else would make it
// refuse the whole file.
void TestModifyTables::entries()
{
    QFETCH(QString, typed);
    QFETCH(bool, stored);
    CalibView c;
    const QByteArray before = c.front.root.readFile(QStringLiteral("Parameter/Modify"));
    EShowModifyDialog dialog;
    dialog.show();
    const QString shown = dialog.row(0)->text();
    enter(dialog, 0, typed);
    QCOMPARE(dialog.written(), stored);
    if (stored) {
        QCOMPARE(c.file(QStringLiteral("Parameter/Modify")).value(QStringLiteral("Averg_25")).toString(), typed);
        ModifyFactors check;
        QVERIFY(check.load(QStringLiteral("Parameter/Modify")));
        QVERIFY(check.isSound());
    } else {
        QCOMPARE(c.front.root.readFile(QStringLiteral("Parameter/Modify")), before);
        QCOMPARE(dialog.row(0)->text(), shown);
    }
}

void TestModifyTables::unchangedEntryWritesNothing()
{
    CalibView c;
    const QByteArray before = c.front.root.readFile(QStringLiteral("Parameter/Modify"));
    EShowModifyDialog dialog;
    dialog.show();
    enter(dialog, 3, dialog.row(3)->text());
    QVERIFY(!dialog.written());
    QCOMPARE(c.front.root.readFile(QStringLiteral("Parameter/Modify")), before);
}

// Lens 2 has no file of its own: the library uses "Parameter/Modify", and
// the editor shows those factors; the first entry seeds the own file with
// all of them, so the library's factors change only where edited.
void TestModifyTables::firstWriteSeedsTheOwnFile()
{
    CalibView c;
    writeFactors(c, QStringLiteral("Parameter/Modify"), {{20.0, "1.1"}, {30.0, "0.9"}});
    c.front.board->setLensCode(1);
    EShowModifyDialog dialog;
    dialog.show();
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("Parameter/Modify_2_Temp_0 (fallback: Parameter/Modify)"));
    // Page 5: 25 .. 33.5; 25 takes the factor given below it.
    QCOMPARE(dialog.row(0)->text(), QStringLiteral("1.1000"));
    QCOMPARE(dialog.row(10)->text(), QStringLiteral("0.9000"));
    enter(dialog, 4, QStringLiteral("1.3"));
    ModifyFactors fallback;
    QVERIFY(fallback.load(QStringLiteral("Parameter/Modify")));
    ModifyFactors own;
    QVERIFY(own.load(QStringLiteral("Parameter/Modify_2_Temp_0")));
    QCOMPARE(own.givenCount(), int(ModifyFactors::Count));
    for (int k = 0; k < ModifyFactors::Count; ++k) {
        if (k == 94)
            QCOMPARE(own.factor(k), 1.3f);
        else
            QCOMPARE(own.factor(k), fallback.factor(k));
    }
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("Parameter/Modify_2_Temp_0"));
    // The fallback itself is untouched.
    QCOMPARE(fallback.givenCount(), 2);

    // An own file that is there but holds no factor is seeded the same way:
    // the library uses it (all factors 1), and one key would spread.
    c.front.board->setLensCode(6);
    QVERIFY(c.front.root.writeFile(QStringLiteral("Parameter/Modify_3_Temp_0"), "[General]\n"));
    dialog.hide();
    dialog.show();
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("Parameter/Modify_3_Temp_0"));
    enter(dialog, 4, QStringLiteral("1.3"));
    ModifyFactors empty;
    QVERIFY(empty.load(QStringLiteral("Parameter/Modify_3_Temp_0")));
    QCOMPARE(empty.givenCount(), int(ModifyFactors::Count));
    QCOMPARE(empty.factor(94), 1.3f);
    QCOMPARE(empty.factor(0), 1.0f);
    QCOMPARE(empty.factor(199), 1.0f);
}

void TestModifyTables::failedWriteIsReported()
{
    CalibView c;
    c.front.board->setLensCode(1);
    // A folder where the file should be: it can be neither read nor replaced.
    QVERIFY(QDir().mkpath(c.path(QStringLiteral("Parameter/Modify_2_Temp_0"))));
    EShowModifyDialog dialog;
    dialog.show();
    const QString shown = dialog.row(1)->text();
    enter(dialog, 1, QStringLiteral("1.2"));
    QVERIFY(!dialog.written());
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("Write failed!"));
    QCOMPARE(dialog.row(1)->text(), shown);
}

void TestModifyTables::escapeReloadsOnlyAfterAWrite()
{
    CalibView c;
    FPGA &fpga = *c.front.front;
    fpga.updateModify(0, 0);
    const float before = fpga.tempModel().modifyFactors().factor(90);
    EShowModifyDialog dialog;
    dialog.show();
    // A change behind the editor's back is not taken in by a plain Escape.
    writeFactors(c, QStringLiteral("Parameter/Modify"), {{25.0, "1.5"}});
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fpga.tempModel().modifyFactors().factor(90), before);
    dialog.show();
    enter(dialog, 1, QStringLiteral("1.4"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(fpga.tempModel().modifyFactors().factor(90), 1.5f);
    QCOMPARE(fpga.tempModel().modifyFactors().factor(91), 1.4f);
}

void TestModifyTables::noLens()
{
    CalibView c;
    c.front.board->setLensCode(7);
    c.front.board->setLensFlag(false);
    EShowModifyDialog dialog;
    dialog.show();
    QCOMPARE(dialog.titleLabel()->text(), QStringLiteral("No Lens!"));
    QVERIFY(!dialog.row(0)->isEnabled());
    dialog.slot_showEdit(0, QStringLiteral("1.2"));
    QVERIFY(!dialog.written());
    QVERIFY(!QFile::exists(c.path(QStringLiteral("Parameter/Modify_255_Temp_0"))));
    QVERIFY(!QFile::exists(c.path(QStringLiteral("Parameter/Modify_-1_Temp_0"))));
}

void TestModifyTables::chooserEnablesExistingFiles()
{
    CalibView c;
    EModifyProfile chooser;
    chooser.show();
    QVERIFY(QFile::exists(c.path(QStringLiteral("Parameter/Modify"))));
    for (int id = 0; id < 8; ++id)
        QCOMPARE(chooser.button(id)->isEnabled(), id == 0);
    writeFactors(c, QStringLiteral("Parameter/Modify_1_Temp_1"), {{25.0, "1.1"}});
    writeFactors(c, QStringLiteral("Parameter/Modify_Temp_1"), {{25.0, "1.05"}});
    chooser.hide();
    chooser.show();
    QVERIFY(chooser.button(5)->isEnabled() && chooser.button(4)->isEnabled());
    QTest::mouseClick(chooser.button(5), Qt::LeftButton);
    QVERIFY(chooser.plotWindow() && chooser.plotWindow()->isVisible());
    QCOMPARE(chooser.plotWindow()->file(), QStringLiteral("Parameter/Modify_1_Temp_1"));
    QCOMPARE(chooser.plotWindow()->legend()->text(), QStringLiteral("yellow:Parameter/Modify_1_Temp_1"));
    ModifyProfileWindow *plot = chooser.plotWindow();
    QTest::mouseClick(chooser.button(4), Qt::LeftButton);
    QCOMPARE(chooser.plotWindow(), plot);
    QCOMPARE(plot->file(), QStringLiteral("Parameter/Modify_Temp_1"));
}

void TestModifyTables::plotGapFilling()
{
    CalibView c;
    QMap<double, QString> factors;
    for (double t = 25.0; t <= 35.0; t += 0.5)
        factors.insert(t, QString::number(1.0 + (t - 25.0) / 100.0));
    factors.remove(30.0);
    writeFactors(c, QStringLiteral("Parameter/Modify_Temp_1"), factors);
    ModifyProfileWindow plot;
    plot.setFile(QStringLiteral("Parameter/Modify_Temp_1"));
    auto at = [&plot](double t) { return plot.factors().factor(int(std::lround((t + 20.0) * 2))); };
    QCOMPARE(at(20.0), 1.0f);
    QCOMPARE(at(24.5), 1.0f);
    QCOMPARE(at(35.0), 1.1f);
    QCOMPARE(at(50.0), 1.1f);
    QCOMPARE(at(30.0), at(29.5));
    QCOMPARE(at(29.5), 1.045f);
}

// Plotting another lens's file leaves the factors the library corrects
// with, and their bounds, as they were.
void TestModifyTables::plotLeavesTheLiveFactors()
{
    CalibView c;
    writeFactors(c, QStringLiteral("Parameter/Modify"), {{0.0, "1.02"}, {40.0, "1.08"}});
    writeFactors(c, QStringLiteral("Parameter/Modify_3_Temp_0"), {{25.0, "0.95"}});
    FPGA &fpga = *c.front.front;
    fpga.updateModify(0, 0);
    const ModifyFactors &live = fpga.tempModel().modifyFactors();
    const float low = live.minModifyTemp();
    const float high = live.maxModifyTemp();
    QVector<float> before(live.factors(), live.factors() + ModifyFactors::Count);
    EModifyProfile chooser;
    chooser.show();
    QTest::mouseClick(chooser.button(3), Qt::LeftButton);
    QCOMPARE(chooser.plotWindow()->factors().minModifyTemp(), 25.0f);
    QCOMPARE(live.minModifyTemp(), low);
    QCOMPARE(live.maxModifyTemp(), high);
    QCOMPARE(QVector<float>(live.factors(), live.factors() + ModifyFactors::Count), before);
}

void TestModifyTables::plotPixels()
{
    CalibView c;
    writeFactors(c, QStringLiteral("Parameter/Modify"), {{20.0, "1.0"}, {35.0, "1.1"}});
    ModifyProfileWindow plot;
    plot.setFile(QStringLiteral("Parameter/Modify"));
    QCOMPARE(ModifyProfileWindow::curvePoint(80, 1.0f), QPoint(0, 112));
    QCOMPARE(ModifyProfileWindow::curvePoint(140, 1.2f), QPoint(300, 0));
    QCOMPARE(ModifyProfileWindow::curvePoint(100, 0.8f), QPoint(100, 225));
    const QImage image = plot.grab().toImage();
    auto blue = [&image](const QPoint &p) {
        const QColor colour = image.pixelColor(p);
        return colour.blue() > 150 && colour.red() < 100 && colour.green() < 100;
    };
    QVERIFY(blue(ModifyProfileWindow::curvePoint(90, 1.0f)));
    QVERIFY(blue(ModifyProfileWindow::curvePoint(130, 1.1f)));
    QVERIFY(!blue(QPoint(90, 60)));
}

void TestModifyTables::legendClearOfTheCurve_data()
{
    QTest::addColumn<QString>("factor");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("curve at 1.0") << "1.0" << true;
    QTest::newRow("curve through the legend") << "1.18" << false;
    QTest::newRow("curve along the top") << "1.2" << false;
}

// The legend stands on no pixel of the plot (and two pixels from it), at
// its own place when the curve leaves that clear.
void TestModifyTables::legendClearOfTheCurve()
{
    QFETCH(QString, factor);
    QFETCH(bool, inPlace);
    CalibView c;
    writeFactors(c, QStringLiteral("Parameter/Modify"), {{20.0, factor}});
    ModifyProfileWindow plot;
    plot.setFile(QStringLiteral("Parameter/Modify"));
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    plot.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QRgb ground = image.pixel(319, 239);
    const QRect window(0, 0, 320, 240);
    const QRect legend = plot.legend()->geometry();
    QVERIFY(window.contains(legend));
    const QRect around = legend.adjusted(-2, -2, 2, 2).intersected(window);
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            QVERIFY2(image.pixel(x, y) == ground, qPrintable(QStringLiteral("legend on the plot at %1,%2").arg(x).arg(y)));
    if (inPlace)
        QCOMPARE(legend.topLeft(), QPoint(80, 0));
}

QTEST_MAIN(TestModifyTables)
#include "tst_modifytables.moc"
