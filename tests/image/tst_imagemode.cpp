#include "eimagemode.h"
#include "eimagetab.h"
#include "emodeitem.h"
#include "ereminditem.h"
#include "imagefixture.h"

#include <QtTest>

// The level/span page: mode stepping, the limit handlers at the range
// edges in every unit, the long-press tiers, the adjust window driven by
// clicks, and the limits read back from the settings.
class TstImageMode : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void modeStepping();
    void handlers_data();
    void handlers();
    void tiers_data();
    void tiers();
    void tapAndHold();
    void adjustWindowByClicks();
    void autoSelectedStepsTheMode();
    void minSelectedSwitchesToManual();
    void rangeChangeMovesLimitsOnly();
    void storedLimits_data();
    void storedLimits();
    void manualLimitsStored();

private:
    TestRoot *m_root = nullptr;
    FakeViewHost *m_host = nullptr;
};

void TstImageMode::init()
{
    m_root = new TestRoot;
    m_host = new FakeViewHost;
    EGlobal::setSystemTempUnit(0);
}

void TstImageMode::cleanup()
{
    delete m_host;
    delete m_root;
    EGlobal::setSystemTempUnit(0);
}

void TstImageMode::modeStepping()
{
    EImageMode page;
    page.show();
    QCOMPARE(page.mode(), MODE_AUTO);
    QVERIFY(!page.adjustItem()->isVisible());
    // Down from Auto is Manual, with the current scale as its limits.
    QTest::mouseClick(arrow(page.modeItem(), "Left"), Qt::LeftButton);
    QCOMPARE(page.mode(), MODE_MANUAL);
    QCOMPARE(m_host->modeCalls, QList<int>({MODE_MANUAL}));
    QCOMPARE(page.modeItem()->text(), QStringLiteral("Manual"));
    QVERIFY(page.adjustItem()->isVisible());
    QVERIFY(page.separator()->isVisible());
    QCOMPARE(page.manualMin(), 20.0f);
    QCOMPARE(page.manualMax(), 40.0f);
    // Up from Manual is Auto and ends the manual display.
    QTest::mouseClick(arrow(page.modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.mode(), MODE_AUTO);
    QCOMPARE(m_host->displayEnded, 1);
    QVERIFY(!page.adjustItem()->isVisible());
    QTest::mouseClick(arrow(page.modeItem(), "Right"), Qt::LeftButton);
    QCOMPARE(page.modeItem()->text(), QStringLiteral("Histogram"));
    QCOMPARE(m_host->modeCalls, QList<int>({MODE_MANUAL, MODE_AUTO, MODE_HISTOGRAM}));
}

void TstImageMode::handlers_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("handler");
    QTest::addColumn<int>("n");
    QTest::addColumn<float>("min");     // display unit, before
    QTest::addColumn<float>("max");
    QTest::addColumn<float>("newMin");  // display unit, after
    QTest::addColumn<float>("newMax");
    // Range -20..150 degC: -4..302 F, 253.2..423.2 K.
    QTest::newRow("C max up inside") << 0 << "maxUp" << 1 << 20.0f << 40.0f << 20.0f << 40.1f;
    QTest::newRow("C max up at the top") << 0 << "maxUp" << 1 << 20.0f << 149.95f << 20.0f << 150.0f;
    QTest::newRow("C max down pushes min") << 0 << "maxDown" << 1 << 20.0f << 20.5f << 19.9f << 20.9f;
    QTest::newRow("C max down at the bottom") << 0 << "maxDown" << 1 << -20.0f << -19.5f << -20.0f << -19.0f;
    QTest::newRow("C max down, room left") << 0 << "maxDown" << 1 << 20.0f << 40.0f << 20.0f << 39.9f;
    QTest::newRow("C min down at the bottom") << 0 << "minDown" << 1 << -19.95f << 40.0f << -20.0f << 40.0f;
    QTest::newRow("C min up pushes max") << 0 << "minUp" << 1 << 29.5f << 30.0f << 29.1f << 30.1f;
    QTest::newRow("C min up at the top") << 0 << "minUp" << 1 << 149.0f << 150.0f << 149.0f << 150.0f;
    QTest::newRow("C both up at the top") << 0 << "bothUp" << 1 << 140.0f << 150.0f << 140.1f << 150.0f;
    QTest::newRow("C both up squeezes to 1 degree") << 0 << "bothUp" << 1 << 148.95f << 150.0f << 149.0f << 150.0f;
    QTest::newRow("C both down at the bottom") << 0 << "bothDown" << 1 << -20.0f << 0.0f << -20.0f << -0.1f;
    QTest::newRow("C both down squeezes") << 0 << "bothDown" << 1 << -20.0f << -18.95f << -20.0f << -19.0f;
    QTest::newRow("C 1-degree tier truncates") << 0 << "maxUp" << 10 << 20.0f << 21.37f << 20.0f << 22.0f;
    QTest::newRow("C 1-degree tier pushes a truncated min") << 0 << "maxDown" << 10 << 20.7f << 21.37f << 19.0f << 20.0f;
    QTest::newRow("C 10-degree tier") << 0 << "minDown" << 100 << 20.55f << 40.0f << 10.55f << 40.0f;
    QTest::newRow("F max up at the top") << 1 << "maxUp" << 1 << 50.0f << 301.95f << 50.0f << 302.0f;
    QTest::newRow("F gap is 1.8 F") << 1 << "maxDown" << 1 << 68.0f << 69.0f << 67.9f << 69.7f;
    QTest::newRow("F min down at the bottom") << 1 << "minDown" << 10 << -3.5f << 50.0f << -4.0f << 50.0f;
    QTest::newRow("F both up at the top") << 1 << "bothUp" << 1 << 300.5f << 302.0f << 300.2f << 302.0f;
    QTest::newRow("K min down at the bottom") << 2 << "minDown" << 1 << 253.25f << 300.0f << 253.2f << 300.0f;
    QTest::newRow("K both down at the bottom") << 2 << "bothDown" << 1 << 253.2f << 254.25f << 253.2f << 254.2f;
}

void TstImageMode::handlers()
{
    QFETCH(int, unit);
    QFETCH(QString, handler);
    QFETCH(int, n);
    QFETCH(float, min);
    QFETCH(float, max);
    QFETCH(float, newMin);
    QFETCH(float, newMax);
    EGlobal::setSystemTempUnit(char(unit));
    m_host->mode = MODE_MANUAL;
    m_host->minTemp = EGlobal::unit_in_temp(min);
    m_host->maxTemp = EGlobal::unit_in_temp(max);
    EImageMode page;
    QCOMPARE(page.rangeMin(), -20);
    QVERIFY(qAbs(page.manualMin() - min) < 0.005f);
    const QMap<QString, void (EImageMode::*)(int)> handlers{
        {QStringLiteral("maxUp"), &EImageMode::maxUpHandler},   {QStringLiteral("maxDown"), &EImageMode::maxDownHandler},
        {QStringLiteral("minUp"), &EImageMode::minUpHandler},   {QStringLiteral("minDown"), &EImageMode::minDownHandler},
        {QStringLiteral("bothUp"), &EImageMode::bothUpHandler}, {QStringLiteral("bothDown"), &EImageMode::bothDownHandler}};
    const int before = m_host->applied;
    (page.*handlers.value(handler))(n);
    QVERIFY2(qAbs(page.manualMin() - newMin) < 0.01f && qAbs(page.manualMax() - newMax) < 0.01f,
             qPrintable(QStringLiteral("min %1 max %2").arg(page.manualMin()).arg(page.manualMax())));
    // The live view gets the pair in degrees C, never closer than 1 degree.
    QCOMPARE(m_host->applied, before + 1);
    QVERIFY(qAbs(m_host->minTemp - EGlobal::unit_in_temp(newMin)) < 0.01f);
    QVERIFY(qAbs(m_host->maxTemp - EGlobal::unit_in_temp(newMax)) < 0.01f);
    QVERIFY(m_host->maxTemp - m_host->minTemp >= 0.999f);
    QVERIFY(m_host->minTemp >= -20.0001f && m_host->maxTemp <= 150.0001f);
}

void TstImageMode::tiers_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<float>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<float>("max");
    QTest::newRow("1") << true << 21.37f << 1 << 21.47f;
    QTest::newRow("19") << true << 21.37f << 19 << 23.27f;
    QTest::newRow("20 truncates") << true << 21.37f << 20 << 24.0f;
    QTest::newRow("21") << true << 21.37f << 21 << 25.0f;
    QTest::newRow("29") << true << 21.37f << 29 << 33.0f;
    QTest::newRow("30: 2 per tick") << true << 21.37f << 30 << 35.0f;
    QTest::newRow("40: 4 per tick") << true << 21.37f << 40 << 57.0f;
    QTest::newRow("50: 10 per tick") << true << 21.37f << 50 << 103.0f;
    QTest::newRow("55: stops at the top") << true << 21.37f << 55 << 150.0f;
    QTest::newRow("down 19") << false << 60.0f << 19 << 58.1f;
    QTest::newRow("down 20 truncates") << false << 60.0f << 20 << 57.0f;
    QTest::newRow("down 30") << false << 60.0f << 30 << 46.0f;
}

void TstImageMode::tiers()
{
    QFETCH(bool, up);
    QFETCH(float, start);
    QFETCH(int, ticks);
    QFETCH(float, max);
    m_host->mode = MODE_MANUAL;
    m_host->minTemp = 0.0f;
    m_host->maxTemp = start;
    EImageMode page;
    QTest::mouseClick(selectors(page.adjustWindow()).at(3), Qt::LeftButton);
    QCOMPARE(page.adjustWindow()->objectName(), QStringLiteral("Max"));
    const char *side = up ? "Right" : "Left";
    QTimer *timer = up ? page.upTimer() : page.downTimer();
    QTest::mousePress(arrow(page.adjustWindow(), side), Qt::LeftButton);
    QVERIFY(timer->isActive());
    for (int i = 0; i < ticks; ++i) {
        if (up)
            page.mouseLongPressUp();
        else
            page.mouseLongPressDown();
    }
    QCOMPARE(page.tickCount(), ticks);
    QTest::mouseRelease(arrow(page.adjustWindow(), side), Qt::LeftButton);
    QVERIFY(!timer->isActive());
    QVERIFY2(qAbs(page.manualMax() - max) < 0.01f, qPrintable(QString::number(page.manualMax())));
}

void TstImageMode::tapAndHold()
{
    m_host->mode = MODE_MANUAL;
    m_host->minTemp = 10.0f;
    m_host->maxTemp = 30.0f;
    EImageMode page;
    QTest::mouseClick(selectors(page.adjustWindow()).at(1), Qt::LeftButton);
    QCOMPARE(page.adjustWindow()->objectName(), QStringLiteral("Min"));
    // A tap moves by exactly one tenth.
    QTest::mouseClick(arrow(page.adjustWindow(), "Left"), Qt::LeftButton);
    QCOMPARE(page.manualMin(), 9.9f);
    QCOMPARE(m_host->applied, 1);
    // A hold of five ticks moves by half a degree; the release adds nothing.
    QTest::mousePress(arrow(page.adjustWindow(), "Right"), Qt::LeftButton);
    for (int i = 0; i < 5; ++i)
        QMetaObject::invokeMethod(page.upTimer(), "timeout");
    QTest::mouseRelease(arrow(page.adjustWindow(), "Right"), Qt::LeftButton);
    QVERIFY(qAbs(page.manualMin() - 10.4f) < 0.001f);
    QCOMPARE(m_host->applied, 6);
    // The next tap is a tap again.
    QTest::mouseClick(arrow(page.adjustWindow(), "Right"), Qt::LeftButton);
    QVERIFY(qAbs(page.manualMin() - 10.5f) < 0.001f);
}

void TstImageMode::adjustWindowByClicks()
{
    m_host->mode = MODE_MANUAL;
    EImageTab popup(nullptr);
    EImageMode *page = popup.modePage();
    popup.show();
    popup.move(0, 60);
    QVERIFY(page->adjustWindow()->isWindow());
    QCOMPARE(page->adjustWindow()->width(), 262);
    QCOMPARE(page->adjustWindow()->x(), 10);
    QCOMPARE(page->adjustWindow()->y() + page->adjustWindow()->height(), 240);
    popup.pageChangedHandler(2);
    QVERIFY(page->adjustItem()->isVisible());
    // The "Adjust" row closes the popup and shows the window.
    QTest::mouseClick(page->adjustItem(), Qt::LeftButton);
    QVERIFY(!popup.isVisible());
    QVERIFY(page->adjustWindowIsVisible());
    page->hideAdjustWindow();
    QVERIFY(!page->adjustWindowIsVisible());
    QCOMPARE(m_host->displayEnded, 1);
}

void TstImageMode::autoSelectedStepsTheMode()
{
    m_host->mode = MODE_AUTO;
    EImageMode page;
    QCOMPARE(page.adjustWindow()->objectName(), QStringLiteral("Auto"));
    QTest::mousePress(arrow(page.adjustWindow(), "Right"), Qt::LeftButton);
    QVERIFY(!page.upTimer()->isActive());
    QTest::mouseRelease(arrow(page.adjustWindow(), "Right"), Qt::LeftButton);
    QCOMPARE(m_host->modeCalls, QList<int>({MODE_HISTOGRAM}));
    QTest::mouseClick(arrow(page.adjustWindow(), "Left"), Qt::LeftButton);
    QCOMPARE(m_host->modeCalls, QList<int>({MODE_HISTOGRAM, MODE_AUTO}));
    QCOMPARE(m_host->applied, 0);
}

void TstImageMode::minSelectedSwitchesToManual()
{
    m_host->mode = MODE_HISTOGRAM;
    m_host->minTemp = 18.25f;
    m_host->maxTemp = 33.5f;
    EImageMode page;
    QTest::mouseClick(selectors(page.adjustWindow()).at(1), Qt::LeftButton);
    QCOMPARE(m_host->mode, MODE_MANUAL);
    QCOMPARE(page.mode(), MODE_MANUAL);
    // It starts from the histogram's scale.
    QCOMPARE(page.manualMin(), 18.25f);
    QCOMPARE(page.manualMax(), 33.5f);
}

void TstImageMode::rangeChangeMovesLimitsOnly()
{
    m_host->mode = MODE_MANUAL;
    m_host->minTemp = 100.0f;
    m_host->maxTemp = 140.0f;
    EImageMode page;
    m_host->rangeMin = -20;
    m_host->rangeMax = 120;
    page.setTempRangeMinMax(-20, 120);
    QCOMPARE(page.manualMax(), 120.0f);
    QCOMPARE(page.manualMin(), 100.0f);
    QCOMPARE(m_host->maxTemp, 120.0f);
    QCOMPARE(m_host->labelsOnly, 1);
    QCOMPARE(m_host->applied, 0);
    // A range below both limits: max one degree above the new bottom.
    m_host->rangeMin = 200;
    m_host->rangeMax = 400;
    page.setTempRangeMinMax(200, 400);
    QCOMPARE(page.manualMax(), 201.0f);
    QCOMPARE(page.manualMin(), 200.0f);
}

void TstImageMode::storedLimits_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("unit");
    QTest::addColumn<float>("min");
    QTest::addColumn<float>("max");
    QTest::newRow("stored") << QByteArray("Manual_MaxTemp=\" 45.0\"\nManual_MinTemp=\" 12.5\"\n") << 0 << 12.5f << 45.0f;
    QTest::newRow("not numbers: defaults") << QByteArray("Manual_MaxTemp=hot\nManual_MinTemp=\n") << 0 << -20.0f << 150.0f;
    QTest::newRow("reversed: back in order") << QByteArray("Manual_MaxTemp=10.0\nManual_MinTemp=30.0\n") << 0 << 9.0f << 10.0f;
    QTest::newRow("outside the range") << QByteArray("Manual_MaxTemp=900\nManual_MinTemp=-300\n") << 0 << -20.0f << 150.0f;
    QTest::newRow("max at the bottom") << QByteArray("Manual_MaxTemp=-50\nManual_MinTemp=-60\n") << 0 << -20.0f << -19.0f;
    QTest::newRow("infinite") << QByteArray("Manual_MaxTemp=inf\nManual_MinTemp=nan\n") << 0 << -20.0f << 150.0f;
    QTest::newRow("in Fahrenheit") << QByteArray("Manual_MaxTemp=100.0\nManual_MinTemp=0.0\n") << 1 << 32.0f << 212.0f;
}

void TstImageMode::storedLimits()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, unit);
    QFETCH(float, min);
    QFETCH(float, max);
    QVERIFY(m_root->writeFile(QStringLiteral("Parameter/Setting"), "[General]\n" + settings));
    EImageMode page;
    EGlobal::setSystemTempUnit(char(unit));
    page.changeTempUnit();
    QVERIFY2(qAbs(page.manualMin() - min) < 0.01f && qAbs(page.manualMax() - max) < 0.01f,
             qPrintable(QStringLiteral("min %1 max %2").arg(page.manualMin()).arg(page.manualMax())));
}

void TstImageMode::manualLimitsStored()
{
    EImageMode page;
    page.setMinMaxTemp(-5.5f, 123.0f);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Manual_MaxTemp")).toString(), QStringLiteral("123.0"));
    QCOMPARE(ImageFixture::stored(QStringLiteral("Manual_MinTemp")).toString(), QStringLiteral("-5.5"));
    EGlobal::setSystemTempUnit(2);
    page.setMinMaxTemp(0.0f, 10.0f);
    QCOMPARE(page.manualMin(), 273.2f);
    QCOMPARE(ImageFixture::stored(QStringLiteral("Manual_MinTemp")).toString(), QStringLiteral(" 0.0"));
}

QTEST_MAIN(TstImageMode)
#include "tst_imagemode.moc"
