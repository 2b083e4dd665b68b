#include "boardview.h"

#include "ecolorrect.h"
#include "eglobal.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "eimageviewhost.h"
#include "ependingsettings.h"
#include "intervals.h"

#include <QSettings>
#include <QtTest>

#include <cmath>
#include <cstring>

// The live view's level/span over the simulated board: the mode switches
// and their refresh, the manual preview of the colour bar with its two
// markers, the labels, the stored limits and what the view refuses.
class TestLevelSpan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void viewIsTheImageHost();
    void modeSwitches();
    void autoLabelsFollowTheBoard();
    void shutterFreezesTheLabels();
    void previewTable_data();
    void previewTable();
    void markerRows_data();
    void markerRows();
    void manualAdjustAndItsEnd();
    void manualKeysInCelsius();
    void startupManualLimits_data();
    void startupManualLimits();
    void rangeWithoutWidthIsRefused();

private:
    static QVariant stored(const QString &key)
    {
        EPendingSettings::instance()->flush();
        QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::IniFormat);
        return settings.value(key);
    }
};

namespace {
bool sameTable(const RgbTable &a, const RgbTable &b)
{
    return std::memcmp(a.data(), b.data(), sizeof a) == 0;
}

RgbTable ramp()
{
    RgbTable t{};
    for (int i = 0; i < 256; ++i)
        t[i] = _rgb_item{uint8_t(i), uint8_t(255 - i), 0, 0};
    return t;
}

} // namespace

void TestLevelSpan::cleanup()
{
    EPendingSettings::instance()->flush();
    EGlobal::setSystemTempUnit(0);
    EGlobal::setDoublePrecision(false);
    Intervals::setScale(1.0);
}

void TestLevelSpan::viewIsTheImageHost()
{
    BoardView b;
    QCOMPARE(EImageViewHost::instance(), static_cast<EImageViewHost *>(b.view.get()));
    b.view.reset();
    QVERIFY(!EImageViewHost::instance());
}

void TestLevelSpan::modeSwitches()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    QCOMPARE(view.getLevelSpanMode(), MODE_AUTO);
    QVERIFY(view.autoLevelSpanTimer()->isActive());
    QCOMPARE(view.autoLevelSpanTimer()->interval(), 100);
    QCOMPARE(view.modeItem()->plainText(), QStringLiteral("Auto"));

    view.setLevelSpanMode(MODE_HISTOGRAM);
    QCOMPARE(view.modeItem()->plainText(), QStringLiteral(" HG "));
    QVERIFY(view.autoLevelSpanTimer()->isActive());
    QCOMPARE(stored(QStringLiteral("ImageAdjust")).toInt(), int(MODE_HISTOGRAM));
    // The mode item sits at the right edge under the bar.
    QCOMPARE(view.modeItem()->pos(), QPointF(320 - view.modeItem()->boundingRect().width() + 2, 208));

    // Manual stops the refresh and sends nothing until limits come.
    view.setLevelSpanMode(MODE_MANUAL);
    const int before = b.front.board->writes().size();
    QCOMPARE(view.modeItem()->plainText(), QStringLiteral(" M "));
    QVERIFY(!view.autoLevelSpanTimer()->isActive());
    view.autoLevelSpanHandler();
    QCOMPARE(b.front.board->writes().size(), before);

    // A value outside the three modes changes nothing.
    view.setLevelSpanMode(7);
    QCOMPARE(view.getLevelSpanMode(), MODE_MANUAL);
    QCOMPARE(stored(QStringLiteral("ImageAdjust")).toInt(), int(MODE_MANUAL));
}

void TestLevelSpan::autoLabelsFollowTheBoard()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.autoLevelSpanHandler();
    IrTempStru low{}, high{};
    EGlobal::getFPGA()->getMinMaxTemp(&low, &high);
    QVERIFY(view.getMinTemp() < view.getMaxTemp());
    // The scene's coldest object is the cold pack at 0 degC: its label reads
    // a plain "0.0" even when the reading lies just below zero.
    QCOMPARE(view.minItem()->plainText(), QStringLiteral("0.0"));
    QVERIFY(qAbs(view.getMinTemp()) < 0.05f);
    QCOMPARE(view.maxItem()->plainText(), QString::asprintf("%.1f", double(view.getMaxTemp())));
    QCOMPARE(view.maxItem()->pos().y(), 37.0);
    QCOMPARE(view.minItem()->pos().y(), 187.0);

    // A range whose top lies below the scene: the top is "H", shown as the
    // range maximum with one decimal whatever the precision.
    EGlobal::setDoublePrecision(true);
    view.setTempRangeMinMax(-20, 21);
    view.autoLevelSpanHandler();
    EGlobal::getFPGA()->getMinMaxTemp(&low, &high);
    QVERIFY2(QByteArray(high.status).startsWith('H'), high.status);
    QCOMPARE(view.getMaxTemp(), 21.0f);
    QCOMPARE(view.maxItem()->plainText(), QStringLiteral("21.0"));
    // And a bottom above the coldest object: "L", the range minimum.
    view.setTempRangeMinMax(15, 150);
    view.autoLevelSpanHandler();
    EGlobal::getFPGA()->getMinMaxTemp(&low, &high);
    QVERIFY2(QByteArray(low.status).startsWith('L'), low.status);
    QCOMPARE(view.getMinTemp(), 15.0f);
    QCOMPARE(view.minItem()->plainText(), QStringLiteral("15.0"));
}

void TestLevelSpan::shutterFreezesTheLabels()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.setMinTempValue(1.0f);
    view.setMaxTempValue(2.0f);
    view.setShutting(true);
    view.autoLevelSpanHandler();
    QCOMPARE(view.minItem()->plainText(), QStringLiteral("1.0"));
    QCOMPARE(view.maxItem()->plainText(), QStringLiteral("2.0"));
    view.setShutting(false);
    view.autoLevelSpanHandler();
    QVERIFY(view.maxItem()->plainText() != QStringLiteral("2.0"));
}

void TestLevelSpan::previewTable_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<int>("rangeMin");
    QTest::addColumn<int>("rangeMax");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("firstColoured"); // first index not palette[0]
    QTest::addColumn<int>("lastColoured");  // last index not palette[255]

    QTest::newRow("whole range: palette unchanged") << -20.0f << 150.0f << -20 << 150 << true << 1 << 254;
    QTest::newRow("middle half") << 22.5f << 107.5f << -20 << 150 << true << 64 << 191;
    QTest::newRow("below the range") << -30.0f << 100.0f << -20 << 150 << false << 0 << 0;
    QTest::newRow("above the range") << 0.0f << 151.0f << -20 << 150 << false << 0 << 0;
    QTest::newRow("no range width") << 100.0f << 100.0f << 100 << 100 << false << 0 << 0;
    QTest::newRow("reversed range") << 10.0f << 20.0f << 150 << -20 << false << 0 << 0;
    QTest::newRow("not a number") << float(NAN) << 20.0f << -20 << 150 << false << 0 << 0;
    QTest::newRow("infinite") << 0.0f << float(INFINITY) << -20 << 150 << false << 0 << 0;
    QTest::newRow("min above max") << 30.0f << 20.0f << -20 << 150 << false << 0 << 0;
    QTest::newRow("equal limits") << 65.0f << 65.0f << -20 << 150 << true << 128 << 127;
}

void TestLevelSpan::previewTable()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(int, rangeMin);
    QFETCH(int, rangeMax);
    QFETCH(bool, shown);
    const RgbTable palette = ramp();
    RgbTable out{};
    QCOMPARE(EGraphicsView::previewTable(palette, min, max, rangeMin, rangeMax, &out), shown);
    if (!shown)
        return;
    QFETCH(int, firstColoured);
    QFETCH(int, lastColoured);
    for (int i = 0; i < firstColoured; ++i)
        QCOMPARE(out[i].r, uint8_t(0));
    for (int i = lastColoured + 1; i < 256; ++i)
        QCOMPARE(out[i].r, uint8_t(255));
    // Inside, the whole palette is spread over the stretch, in order.
    for (int i = 1; i < 256; ++i)
        QVERIFY(out[i].r >= out[i - 1].r);
    if (min == -20.0f && max == 150.0f)
        QVERIFY(sameTable(out, palette));
}

void TestLevelSpan::markerRows_data()
{
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::addColumn<int>("bottomY");
    QTest::addColumn<int>("topY");
    // Range -20..150: 128 bar pixels over 170 degrees.
    QTest::newRow("near the range minimum") << -20.0f << -15.0f << 167 << 150;
    QTest::newRow("equal limits stay 17 apart") << 65.0f << 65.0f << 184 - 64 << 167 - 64;
    QTest::newRow("whole range clamped to the bar") << -20.0f << 150.0f << 167 << 57;
    QTest::newRow("outside the range") << -100.0f << 400.0f << 167 << 57;
    QTest::newRow("middle") << 22.5f << 107.5f << 184 - 32 << 167 - 96;
}

void TestLevelSpan::markerRows()
{
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(int, bottomY);
    QFETCH(int, topY);
    const QPair<int, int> rows = EGraphicsView::markerRows(min, max, -20, 150);
    QCOMPARE(rows.first, bottomY);
    QCOMPARE(rows.second, topY);
    QVERIFY(rows.first - rows.second >= 17);
}

void TestLevelSpan::manualAdjustAndItsEnd()
{
    Intervals::setScale(0.01);
    BoardView b;
    EGraphicsView &view = *b.view;
    view.setLevelSpanMode(MODE_MANUAL);
    view.setMinMaxTempValue(22.5f, 107.5f);
    QVERIFY(view.colorRect()->isVisible());
    QVERIFY(view.manualMinItem()->isVisible() && view.manualMaxItem()->isVisible());
    QCOMPARE(view.minItem()->plainText(), QStringLiteral("-20.0"));
    QCOMPARE(view.maxItem()->plainText(), QStringLiteral("150.0"));
    QCOMPARE(view.manualMinItem()->plainText(), QStringLiteral("22.5"));
    QCOMPARE(view.manualMaxItem()->pos().y(), 167.0 - 96);
    QCOMPARE(view.manualMaxItem()->pos().x(), 320 - view.manualMaxItem()->boundingRect().width() - 20);
    QVERIFY(view.handLevelSpanTimer()->isActive());
    QCOMPARE(view.handLevelSpanTimer()->interval(), Intervals::ms(3000));

    // Limits outside the range leave the bar's table but move the markers.
    const RgbTable shown = view.colorRect()->getColorTable();
    view.setMinMaxTempValue(-100.0f, 400.0f);
    QVERIFY(sameTable(view.colorRect()->getColorTable(), shown));
    QCOMPARE(view.manualMinItem()->pos().y(), 167.0);

    QTRY_VERIFY(!view.handLevelSpanTimer()->isActive());
    QVERIFY(!view.colorRect()->isVisible());
    QVERIFY(!view.manualMinItem()->isVisible() && !view.manualMaxItem()->isVisible());
    QCOMPARE(view.minItem()->plainText(), QStringLiteral("-100.0"));
    QCOMPARE(view.maxItem()->plainText(), QStringLiteral("400.0"));
    QCOMPARE(view.updateLevelSpan(), EGlobal::getFPGA()->handLevelSpan(-100.0f, 400.0f));
}

void TestLevelSpan::manualKeysInCelsius()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    EGlobal::setSystemTempUnit(1);
    EGlobal::setDoublePrecision(true);
    view.setMinMaxTempValue(10.04f, 60.36f);
    QCOMPARE(view.manualMinItem()->plainText(), QString::asprintf("%.2f", 10.04f * 1.8 + 32));
    QCOMPARE(stored(QStringLiteral("Manual_MinTemp")).toString(), QStringLiteral("10.0"));
    QCOMPARE(stored(QStringLiteral("Manual_MaxTemp")).toString(), QStringLiteral("60.4"));
}

void TestLevelSpan::startupManualLimits_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::newRow("stored") << QByteArray("Manual_MinTemp=10.5\nManual_MaxTemp=40.0\n") << 10.5f << 40.0f;
    QTest::newRow("not numbers") << QByteArray("Manual_MinTemp=abc\nManual_MaxTemp=40.0\n") << -20.0f << 150.0f;
    QTest::newRow("not finite") << QByteArray("Manual_MinTemp=nan\nManual_MaxTemp=inf\n") << -20.0f << 150.0f;
    QTest::newRow("min equals max") << QByteArray("Manual_MinTemp=100\nManual_MaxTemp=100\n") << -20.0f << 150.0f;
    QTest::newRow("reversed") << QByteArray("Manual_MinTemp=50\nManual_MaxTemp=10\n") << -20.0f << 150.0f;
    QTest::newRow("outside the range") << QByteArray("Manual_MinTemp=-40\nManual_MaxTemp=10\n") << -20.0f << 150.0f;
    QTest::newRow("missing") << QByteArray() << -20.0f << 150.0f;
}

void TestLevelSpan::startupManualLimits()
{
    QFETCH(QByteArray, settings);
    QFETCH(float, min);
    QFETCH(float, max);
    BoardView b("[General]\nImageAdjust=2\n" + settings);
    QCOMPARE(b.view->getLevelSpanMode(), MODE_MANUAL);
    QCOMPARE(b.view->getMinTemp(), min);
    QCOMPARE(b.view->getMaxTemp(), max);
    QCOMPARE(b.view->minItem()->plainText(), QString::asprintf("%.1f", double(min)));
    QVERIFY(!b.view->autoLevelSpanTimer()->isActive());
}

void TestLevelSpan::rangeWithoutWidthIsRefused()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.setTempRangeMinMax(0, 350);
    view.setTempRangeMinMax(100, 100);
    view.setTempRangeMinMax(200, 100);
    QCOMPARE(view.tempRangeMin(), 0);
    QCOMPARE(view.tempRangeMax(), 350);
}

QTEST_MAIN(TestLevelSpan)
#include "tst_graphicslevelspan.moc"
