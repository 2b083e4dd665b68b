#include "calibscreenfixture.h"
#include "calibfit.h"
#include "ecomboboxitem.h"
#include "eprofiletab.h"
#include "profilewindow.h"
#include "questionanswer.h"

#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// The profile plot drawn offscreen and its save question, and the profile
// tab that generates, shows and removes tables.
class TestProfileWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void sixteenPointsTicks();
    void curves_data();
    void curves();
    void legendsClearOfTheCurves_data();
    void legendsClearOfTheCurves();
    void degenerateTables_data();
    void degenerateTables();
    void escape_data();
    void escape();
    void failedCopyKeepsBoth();
    void tableNotRisingIsNeverOffered();
    void escapeWithOnlyTheGeneratedTableCloses();
    void generateNeedsTheSourcePoints_data();
    void generateNeedsTheSourcePoints();
    void generateShowsBothAndYesReloads();
    void plotGoesWithTheTab();
    void gridAndRemove_data();
    void gridAndRemove();

private:
    static QImage paint(ProfileWindow &window);
    static int count(const QImage &image, QRgb colour, int *minY = nullptr, int *maxY = nullptr);
    void escapeOn(ProfileWindow &window);

    CalibScreenFixture *m_f = nullptr;
};

namespace {
const QString Source = QStringLiteral("etc/calc_len0_temp0.conf");
const QString Made = QStringLiteral("etc/new_calc_len0_temp0.conf");

QStringList linear(int from, int count, int step = 0x100, int firstAd = 0x7000)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QStringLiteral("%1=%2").arg(from + 10 * i).arg(firstAd + step * i, 0, 16);
    return out;
}

QByteArray para(int minTemp, int maxTemp, int count)
{
    return QStringLiteral("MinTemp=%1\nMaxTemp=%2\nTempNum=%3\n").arg(minTemp).arg(maxTemp).arg(count).toLatin1();
}
} // namespace

void TestProfileWindow::init()
{
    m_f = new CalibScreenFixture;
}

void TestProfileWindow::cleanup()
{
    delete m_f;
}

QImage TestProfileWindow::paint(ProfileWindow &window)
{
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    window.render(&image);
    return image;
}

int TestProfileWindow::count(const QImage &image, QRgb colour, int *minY, int *maxY)
{
    int n = 0;
    if (minY)
        *minY = 1000;
    if (maxY)
        *maxY = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF))
                continue;
            ++n;
            if (minY)
                *minY = qMin(*minY, y);
            if (maxY)
                *maxY = qMax(*maxY, y);
        }
    }
    return n;
}

void TestProfileWindow::sixteenPointsTicks()
{
    QVERIFY(m_f->table(Made, linear(0, 16), para(0, 150, 16)));
    ProfileWindow window;
    window.setFile(Made);
    QCOMPARE(window.pointCount(), 16);
    const QImage image = paint(window);
    // Step 20: a tick every 20 pixels up to 300, red at 30 degrees.
    for (int i = 1; i < 16; ++i) {
        const QRgb tick = image.pixel(20 * i, 222) & 0xFFFFFF;
        QCOMPARE(tick, i == 3 ? 0xFF0000u : 0x000000u);
    }
    const QRgb ground = image.pixel(310, 200);
    QCOMPARE(image.pixel(310, 222), ground);
    QCOMPARE(image.pixel(20, 219), ground);
}

void TestProfileWindow::curves_data()
{
    QTest::addColumn<QStringList>("comparison");
    QTest::addColumn<bool>("blue");
    QTest::newRow("comparison drawn") << linear(0, 16, 0xF0) << true;
    QStringList gap = linear(0, 16, 0xF0);
    gap.removeAt(5);
    QTest::newRow("comparison with a gap") << gap << true;
    QStringList zero = linear(0, 16, 0xF0);
    zero[0] = QStringLiteral("0=0");
    QTest::newRow("comparison starting at AD 0 not drawn") << zero << false;
}

void TestProfileWindow::curves()
{
    QFETCH(QStringList, comparison);
    QFETCH(bool, blue);
    QVERIFY(m_f->table(Made, linear(0, 16), para(0, 150, 16)));
    QVERIFY(m_f->table(Source, comparison, para(0, 150, comparison.size())));
    ProfileWindow window;
    window.setFile(Made);
    window.setFile2(Source);
    const QImage image = paint(window);
    QVERIFY(count(image, qRgb(255, 255, 0)) > 100);
    int top = 0;
    QVERIFY(count(image, qRgb(0, 255, 0), &top) > 100);
    // Equal slopes: all drawn at the top of the scale, y = 5.
    QCOMPARE(top, 5);
    QCOMPARE(count(image, qRgb(0, 0, 255)) > 50, blue);
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    QMap<QString, QPoint> legends;
    for (QLabel *l : labels)
        if (!l->isHidden())
            legends.insert(l->text(), l->pos());
    // The generated table's legend on top, the one in use below.
    QVERIFY(legends.contains(QStringLiteral("yellow:") + Made));
    QVERIFY(legends.contains(QStringLiteral("blue:") + Source));
    QVERIFY(legends.value(QStringLiteral("yellow:") + Made).y() < legends.value(QStringLiteral("blue:") + Source).y());
}

void TestProfileWindow::legendsClearOfTheCurves_data()
{
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<bool>("inPlace");
    // Equal slopes: the slope curve runs along the top, through the place
    // of the generated table's legend.
    QTest::newRow("slopes along the top") << linear(0, 16) << false;
    // Small slopes but the last: the curves keep low until the right end.
    QStringList low = linear(0, 16, 0x10);
    low.last() = QStringLiteral("150=8000");
    QTest::newRow("curves low until the end") << low << true;
}

// Each legend stands on no pixel of the plot (and two pixels from it), at
// its own place when the curves leave that clear.
void TestProfileWindow::legendsClearOfTheCurves()
{
    QFETCH(QStringList, points);
    QFETCH(bool, inPlace);
    QVERIFY(m_f->table(Made, points, para(0, 150, 16)));
    QVERIFY(m_f->table(Source, points, para(0, 150, 16)));
    ProfileWindow window;
    window.setFile(Made);
    window.setFile2(Source);
    QImage plot(320, 240, QImage::Format_RGB32);
    plot.fill(Qt::white);
    window.render(&plot, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QRgb ground = plot.pixel(319, 239);
    const QMap<QString, QPoint> places{{QStringLiteral("yellow:") + Made, QPoint(80, 0)},
                                       {QStringLiteral("blue:") + Source, QPoint(80, 32)}};
    int shown = 0;
    for (QLabel *legend : window.findChildren<QLabel *>()) {
        if (legend->isHidden() || !places.contains(legend->text()))
            continue;
        ++shown;
        const QRect window(0, 0, 320, 240);
        QVERIFY(window.contains(legend->geometry()));
        const QRect around = legend->geometry().adjusted(-2, -2, 2, 2).intersected(window);
        for (int y = around.top(); y <= around.bottom(); ++y)
            for (int x = around.left(); x <= around.right(); ++x)
                QVERIFY2(plot.pixel(x, y) == ground, qPrintable(QStringLiteral("%1 on the plot at %2,%3").arg(legend->text()).arg(x).arg(y)));
        if (inPlace)
            QCOMPARE(legend->pos(), places.value(legend->text()));
    }
    QCOMPARE(shown, 2);
}

void TestProfileWindow::degenerateTables_data()
{
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<QByteArray>("paraSet");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("slopes");
    QTest::addColumn<bool>("onBaseline");
    QTest::newRow("flat") << QStringList{"0=7000", "10=7000", "20=7000"} << para(0, 20, 3) << 3 << false << true;
    QTest::newRow("one point") << QStringList{"0=7000"} << para(0, 0, 1) << 1 << false << true;
    QTest::newRow("TempNum above the points") << QStringList{"0=7000", "10=7100"} << para(0, 600, 70) << 2 << true << false;
    QTest::newRow("falling: no rising step") << QStringList{"0=7100", "10=7000", "20=6f00"} << para(0, 20, 3) << 3 << false << false;
    QTest::newRow("missing file") << QStringList{} << QByteArray() << 0 << false << true;
}

void TestProfileWindow::degenerateTables()
{
    QFETCH(QStringList, points);
    QFETCH(QByteArray, paraSet);
    QFETCH(int, n);
    QFETCH(bool, slopes);
    QFETCH(bool, onBaseline);
    if (!points.isEmpty())
        QVERIFY(m_f->table(Made, points, paraSet));
    ProfileWindow window;
    window.setFile(Made);
    // The points loaded, never the count the file claims.
    QCOMPARE(window.pointCount(), n);
    const QImage image = paint(window);
    // No rising step: no slope curve. No scale: drawn on the baseline.
    QCOMPARE(count(image, qRgb(0, 255, 0)) > 0, slopes);
    int minY = 0;
    int maxY = 0;
    if (count(image, qRgb(255, 255, 0), &minY, &maxY) > 0 && onBaseline) {
        QCOMPARE(minY, 225);
        QCOMPARE(maxY, 225);
    }
}

void TestProfileWindow::escapeOn(ProfileWindow &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
}

void TestProfileWindow::escape_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes") << int(QMessageBox::Yes);
    QTest::newRow("no") << int(QMessageBox::No);
}

void TestProfileWindow::escape()
{
    QFETCH(int, answer);
    QVERIFY(m_f->table(Made, linear(0, 17, 0x120), para(0, 160, 17)));
    const QByteArray generated = m_f->front.root.readFile(Made);
    const QByteArray inUse = m_f->front.root.readFile(Source);
    ProfileWindow window;
    QSignalSpy saved(&window, &ProfileWindow::signal_save);
    window.setFile(Made);
    window.setFile2(Source);
    QuestionAnswer question{QMessageBox::StandardButton(answer)};
    escapeOn(window);
    QCOMPARE(question.asked(), QStringList{QStringLiteral("Save biaoding table?")});
    QVERIFY(!window.isVisible());
    QVERIFY(!QFileInfo::exists(Made));
    const bool yes = answer == QMessageBox::Yes;
    QCOMPARE(m_f->front.root.readFile(Source), yes ? generated : inUse);
    QCOMPARE(saved.count(), yes ? 1 : 0);
}

void TestProfileWindow::failedCopyKeepsBoth()
{
    const QString blocked = QStringLiteral("etc/calc_len1_temp0.conf");
    QVERIFY(QFile::remove(blocked));
    QVERIFY(QDir().mkpath(blocked));
    QVERIFY(m_f->table(Made, linear(0, 17, 0x120), para(0, 160, 17)));
    ProfileWindow window;
    QSignalSpy saved(&window, &ProfileWindow::signal_save);
    window.setFile(Made);
    window.setFile2(blocked);
    QuestionAnswer question{QMessageBox::Yes};
    escapeOn(window);
    QCOMPARE(window.message(), QStringLiteral("Save failed!"));
    QVERIFY(window.isVisible());
    QVERIFY(QFileInfo::exists(Made));
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(saved.count(), 0);
}

void TestProfileWindow::tableNotRisingIsNeverOffered()
{
    QVERIFY(m_f->table(Made, {"0=7100", "10=7000", "20=7200"}, para(0, 20, 3)));
    const QByteArray inUse = m_f->front.root.readFile(Source);
    ProfileWindow window;
    window.setFile(Made);
    window.setFile2(Source);
    QVERIFY(!window.primarySound());
    QuestionAnswer question{QMessageBox::Yes};
    escapeOn(window);
    QVERIFY(question.asked().isEmpty());
    QCOMPARE(window.message(), QStringLiteral("Table not rising!"));
    QVERIFY(!QFileInfo::exists(Made));
    QCOMPARE(m_f->front.root.readFile(Source), inUse);
    // The next Escape just closes.
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(question.asked().isEmpty());
}

void TestProfileWindow::escapeWithOnlyTheGeneratedTableCloses()
{
    QVERIFY(m_f->table(Made, linear(0, 17), para(0, 160, 17)));
    ProfileWindow window;
    window.setFile(Made);
    QuestionAnswer question{QMessageBox::Yes};
    escapeOn(window);
    QVERIFY(!window.isVisible());
    QVERIFY(question.asked().isEmpty());
    QVERIFY(QFileInfo::exists(Made));
}

void TestProfileWindow::generateNeedsTheSourcePoints_data()
{
    QTest::addColumn<int>("range");
    QTest::addColumn<QStringList>("source");
    QTest::addColumn<QString>("text");
    QTest::newRow("range 0 without 0 and 150") << 0 << QStringList{"90=9000", "100=9100"} << "no temp: 0\nno temp: 150";
    QTest::newRow("range 0 without 150") << 0 << QStringList{"0=7000", "90=9000"} << "no temp: 150";
    QTest::newRow("range 1 without 150") << 1 << QStringList{"0=7000", "400=e000"} << "no temp: 150";
}

void TestProfileWindow::generateNeedsTheSourcePoints()
{
    QFETCH(int, range);
    QFETCH(QStringList, source);
    QFETCH(QString, text);
    QVERIFY(m_f->table(QStringLiteral("etc/calc_len2_temp%1.conf").arg(range), source));
    EProfileTab tab;
    tab.show();
    tab.rangeSelector()->setCurrentIndex(range);
    tab.lensSelector()->setCurrentIndex(2);
    QuestionAnswer question{QMessageBox::Yes};
    QTest::mouseClick(tab.generateButton(), Qt::LeftButton);
    QCOMPARE(question.asked(), QStringList{text});
    QVERIFY(!QFileInfo::exists(CalibFit::generatedPath(2, range)));
    QVERIFY(!tab.profileWindow() || !tab.profileWindow()->isVisible());
}

void TestProfileWindow::generateShowsBothAndYesReloads()
{
    QVERIFY(m_f->table(Source, {"-30=6A00", "0=7000", "90=9400", "150=b000"}));
    EProfileTab tab;
    QSignalSpy reload(&tab, &EProfileTab::sign_tableSaved);
    tab.show();
    QTest::mouseClick(tab.generateButton(), Qt::LeftButton);
    ProfileWindow *window = tab.profileWindow();
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->primaryFile(), Made);
    QCOMPARE(window->comparisonFile(), Source);
    QCOMPARE(window->pointCount(), 18);
    QVERIFY(window->primarySound());
    QuestionAnswer question{QMessageBox::Yes};
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(reload.count(), 1);
    const QStringList rows = CalibScreenFixture::rowsOf(Source);
    QCOMPARE(rows.first(), QStringLiteral("-30=6A00"));
    QVERIFY(rows.contains(QStringLiteral("160=b777")));
    // Showing one table from the grid draws it alone.
    QTest::mouseClick(tab.tableButton(0), Qt::LeftButton);
    QVERIFY(window->isVisible());
    QCOMPARE(window->primaryFile(), Source);
    QVERIFY(window->comparisonFile().isEmpty());
}

void TestProfileWindow::plotGoesWithTheTab()
{
    auto *tab = new EProfileTab;
    tab->show();
    QTest::mouseClick(tab->tableButton(0), Qt::LeftButton);
    QPointer<ProfileWindow> window = tab->profileWindow();
    QVERIFY(window && window->isVisible());
    delete tab;
    QVERIFY(!window);
}

void TestProfileWindow::gridAndRemove_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("yes removes") << int(QMessageBox::Yes);
    QTest::newRow("no keeps") << int(QMessageBox::No);
}

void TestProfileWindow::gridAndRemove()
{
    QFETCH(int, answer);
    QVERIFY(QFile::remove(QStringLiteral("etc/calc_len3_temp1.conf")));
    QVERIFY(m_f->table(QStringLiteral("etc/calc_len2_temp1.conf"), {"0=7000"}));
    EProfileTab tab;
    tab.show();
    QVERIFY(tab.tableButton(0)->isEnabled());
    QVERIFY(!tab.tableButton(7)->isEnabled()); // missing
    QVERIFY(!tab.tableButton(6)->isEnabled()); // one key
    QuestionAnswer question{QMessageBox::StandardButton(answer)};
    tab.rangeSelector()->setCurrentIndex(1);
    tab.lensSelector()->setCurrentIndex(1);
    QTest::mouseClick(tab.removeButton(), Qt::LeftButton);
    QCOMPARE(question.asked(), QStringList{QStringLiteral("remove etc/calc_len1_temp1.conf?")});
    const bool yes = answer == QMessageBox::Yes;
    QCOMPARE(QFileInfo::exists(QStringLiteral("etc/calc_len1_temp1.conf")), !yes);
    QCOMPARE(tab.tableButton(5)->isEnabled(), !yes);
}

QTEST_MAIN(TestProfileWindow)
#include "tst_profilewindow.moc"
