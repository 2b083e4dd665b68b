#include "../libtherma/frontfixture.h"

#include "eareawidget.h"
#include "eglobal.h"
#include "elinewidget.h"
#include "ependingsettings.h"
#include "espotwidget.h"

#include <QGraphicsScene>
#include <QtTest>

#include <cmath>

// The objects on the simulated board and core, through the real front, the
// default tables and the radiometric model: a spot, an area and a line on
// the scene's known objects read their temperatures within Tolerance degC
// (the scene's noise is +-2 AD, about 0.1 degC).
class TestAnalysisEndToEnd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void spotOnTheMug_data();
    void spotOnTheMug();
    void areaAroundTheHotSpot();
    void lineThroughTheColdPack();
    void fahrenheitReadout();

private:
    static float number(const QString &text);
    QPoint centreOf(const char *name) const { return m_f->board->objectRect(QLatin1String(name)).center(); }

    static constexpr float Tolerance = 0.5f;
    std::unique_ptr<FrontFixture> m_f;
    QGraphicsScene m_scene;
};

void TestAnalysisEndToEnd::init()
{
    m_f = std::make_unique<FrontFixture>(true);
    m_f->board->setNoise(2);
    FPGA &front = m_f->start();
    front.init();
    front.insideShutter();
    EGlobal::setFPGA(&front);
}

void TestAnalysisEndToEnd::cleanup()
{
    EPendingSettings::instance()->flush();
    EGlobal::setFPGA(nullptr);
    EGlobal::setSystemTempUnit(0);
    if (m_f && m_f->front)
        QVERIFY(m_f->front->getSerial()->waitForIdle(5000));
    m_f.reset();
}

float TestAnalysisEndToEnd::number(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok ? value : std::nanf("");
}

void TestAnalysisEndToEnd::spotOnTheMug_data()
{
    QTest::addColumn<int>("scaledType");
    QTest::newRow("full screen") << -1;
    QTest::newRow("bottom-right inset") << 2;
    QTest::newRow("top-left inset") << 0;
}

// The spot measures the same point of the picture in every layout.
void TestAnalysisEndToEnd::spotOnTheMug()
{
    QFETCH(int, scaledType);
    ESpotWidget spot(&m_scene, nullptr, 1, false, false);
    spot.setVisible(true);
    const QPoint mug = centreOf("mug");
    spot.setScaledType(-1);
    spot.move(mug.x(), mug.y(), 0);
    spot.setScaledType(scaledType);
    // Half-size layouts store even picture coordinates.
    QVERIFY((QPoint(spot.frameX(), spot.frameY()) - mug).manhattanLength() <= 2);
    const float reading = number(spot.getTemp());
    QVERIFY2(std::fabs(reading - 50.0f) < Tolerance, qPrintable(spot.name()));
}

void TestAnalysisEndToEnd::areaAroundTheHotSpot()
{
    EAreaWidget area(&m_scene, nullptr, 1, false, 80, 80);
    area.setScaledType(-1);
    area.setWidth(30);
    area.setHeight(30);
    const QPoint hot = centreOf("hot spot");
    area.move(hot.x() - 15, hot.y() - 15, 0);
    area.setVisible(true);
    area.updateTemp();
    const Area_Temp_t texts = area.getTemp();
    QVERIFY2(std::fabs(number(texts.max) - 100.0f) < Tolerance, qPrintable(area.name()));
    QVERIFY2(std::fabs(number(texts.min) - 20.0f) < Tolerance, qPrintable(area.name()));
    QVERIFY(number(texts.avg) > 20.0f && number(texts.avg) < 100.0f);
    // The hottest-pixel marker sits on the hot spot.
    QVERIFY(m_f->board->objectRect(QStringLiteral("hot spot")).adjusted(-1, -1, 1, 1).contains(area.getMaxPos()));
}

void TestAnalysisEndToEnd::lineThroughTheColdPack()
{
    const QPoint cold = centreOf("cold pack");
    for (int id : {1, 2}) {
        ELineWidget line(&m_scene, nullptr, id, false);
        line.move(cold.x(), cold.y(), 0);
        line.setVisible(true);
        const float reading = number(line.getTemp());
        QVERIFY2(std::fabs(reading - 0.0f) < Tolerance, qPrintable(line.name()));
    }
}

void TestAnalysisEndToEnd::fahrenheitReadout()
{
    EGlobal::setSystemTempUnit(1);
    ESpotWidget spot(&m_scene, nullptr, 2, false, true);
    const QPoint mug = centreOf("mug");
    spot.move(mug.x(), mug.y(), 0);
    const float reading = number(spot.getTemp());
    QVERIFY2(std::fabs(reading - 122.0f) < 1.8f * Tolerance, qPrintable(spot.name()));
}

QTEST_MAIN(TestAnalysisEndToEnd)
#include "tst_analysisendtoend.moc"
