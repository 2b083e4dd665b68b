#include "frontfixture.h"
#include "scenetable.h"

#include <QtTest>

#include <cmath>

// The whole road of a reading: the simulated board's scene through the
// real front, the default calibration tables and the radiometric model,
// with the simulated core on the serial line. Readings of the scene's
// known objects must come back at their temperatures within
// Tolerance degC (the scene's noise is +-2 AD, about 0.1 degC).
class TestEndToEnd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void knownObjects_data();
    void knownObjects();
    void hottestAndColdest();
    void scaleFollowsTheScene();
    void sceneTable_data();
    void sceneTable();
    void parametersMoveTheReading_data();
    void parametersMoveTheReading();
    void globalParametersMoveTheReading();

private:
    float spotAt(const QPoint &p, ParaMode_t mode, const TempSetup &setup);
    QPoint centreOf(const QString &name) const;

    static constexpr float Tolerance = 0.5f;
    std::unique_ptr<FrontFixture> m_f;
    FPGA *m_front = nullptr;
};

void TestEndToEnd::init()
{
    m_f = std::make_unique<FrontFixture>(true);
    m_f->board->setNoise(2);
    m_front = &m_f->start();
    m_front->init();
    m_front->insideShutter();
}

void TestEndToEnd::cleanup()
{
    if (m_front)
        QVERIFY(m_front->getSerial()->waitForIdle(5000));
    m_front = nullptr;
    m_f.reset();
}

QPoint TestEndToEnd::centreOf(const QString &name) const
{
    return name.isEmpty() ? QPoint(8, 8) : m_f->board->objectCentre(name);
}

float TestEndToEnd::spotAt(const QPoint &p, ParaMode_t mode, const TempSetup &setup)
{
    _fpga_point point{uint16_t(p.x()), uint16_t(p.y())};
    IrTempStru out{};
    if (m_front->getSpotTemp(1, 0, mode, setup, point, out) != 0)
        return std::nanf("");
    // "LE" and "HE" carry a computed temperature just beyond the range.
    if (!FrontFixture::statusIs(out, "OK") && !FrontFixture::statusIs(out, "LE") && !FrontFixture::statusIs(out, "HE"))
        return std::nanf("");
    return out.temp;
}

void TestEndToEnd::knownObjects_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<float>("temp");
    QTest::addColumn<double>("time");
    for (double time : {0.0, 7.5, 21.0}) {
        QTest::addRow("background at %.1f s", time) << QString() << 20.0f << time;
        QTest::addRow("mug at %.1f s", time) << QStringLiteral("mug") << 50.0f << time;
        QTest::addRow("cold pack at %.1f s", time) << QStringLiteral("cold pack") << 0.0f << time;
        QTest::addRow("hot spot at %.1f s", time) << QStringLiteral("hot spot") << 100.0f << time;
    }
}

void TestEndToEnd::knownObjects()
{
    QFETCH(QString, object);
    QFETCH(float, temp);
    QFETCH(double, time);
    m_f->board->setSceneTime(time);
    const QPoint c = centreOf(object);
    const TempSetup global = FrontFixture::setup(0.95f);

    const float spot = spotAt(c, PARA_GLOBAL, global);
    QVERIFY2(std::fabs(spot - temp) < Tolerance, qPrintable(QString::number(spot)));
    // An object with the same parameters as its own reads the same.
    QVERIFY(std::fabs(spotAt(c, PARA_OWN, global) - temp) < Tolerance);

    for (int line : {1, 2}) {
        _fpga_point p{uint16_t(c.x()), uint16_t(c.y())};
        IrTempStru out{};
        QCOMPARE(m_front->getLineTemp(line, PARA_GLOBAL, global, p, out), 0);
        QVERIFY(FrontFixture::statusIs(out, "OK"));
        QVERIFY2(std::fabs(out.temp - temp) < Tolerance, qPrintable(QString::number(out.temp)));
    }

    _area rect{uint16_t(c.x() - 3), uint16_t(c.y() - 3), uint16_t(c.x() + 3), uint16_t(c.y() + 3)};
    _area_val val{};
    Area_Temp a{};
    QCOMPARE(m_front->getAreaTemp(2, rect, PARA_GLOBAL, global, val, a), 0);
    for (const IrTempStru *r : {&a.max, &a.min, &a.avg}) {
        QVERIFY(FrontFixture::statusIs(*r, "OK"));
        QVERIFY2(std::fabs(r->temp - temp) < Tolerance, qPrintable(QString::number(r->temp)));
    }
    QVERIFY(a.max.temp >= a.avg.temp && a.avg.temp >= a.min.temp);
    QVERIFY(QRect(rect.x0, rect.y0, 7, 7).contains(val.max_x, val.max_y));
}

void TestEndToEnd::hottestAndColdest()
{
    _fpga_point p{0, 0};
    IrTempStru out{};
    QCOMPARE(m_front->getSpotTemp(0, 1, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), 0);
    QVERIFY(std::fabs(out.temp - 100.0f) < Tolerance);
    QVERIFY(m_f->board->objectBoardRect(QStringLiteral("hot spot")).contains(p.x, p.y));
    QCOMPARE(m_front->getSpotTemp(0, 2, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), 0);
    QVERIFY(std::fabs(out.temp - 0.0f) < Tolerance);
    QVERIFY(m_f->board->objectBoardRect(QStringLiteral("cold pack")).contains(p.x, p.y));
}

void TestEndToEnd::scaleFollowsTheScene()
{
    m_front->setLevelSpanMode(MODE_AUTO);
    m_front->calcLevelSpan(MODE_AUTO, false);
    IrTempStru low{};
    IrTempStru high{};
    m_front->getMinMaxTemp(&low, &high);
    QVERIFY2(std::fabs(low.temp - 0.0f) < Tolerance, qPrintable(QString::number(low.temp)));
    QVERIFY2(std::fabs(high.temp - 100.0f) < Tolerance, qPrintable(QString::number(high.temp)));
    // The manual scale reads back its own ends.
    m_front->setLevelSpanMode(MODE_MANUAL);
    m_front->handLevelSpan(15.0f, 60.0f);
    m_front->getMinMaxTemp(&low, &high);
    QVERIFY(std::fabs(low.temp - 15.0f) < 0.1f);
    QVERIFY(std::fabs(high.temp - 60.0f) < 0.1f);
}

void TestEndToEnd::sceneTable_data()
{
    addSceneTableRows();
}

// Every entry of the scene table, through a front started on a board at
// that internal temperature and range.
void TestEndToEnd::sceneTable()
{
    QFETCH(int, range);
    QFETCH(float, internal);
    QFETCH(float, object);
    QFETCH(int, ad);
    QVERIFY(m_front->getSerial()->waitForIdle(5000));
    m_f->front.reset();
    QVERIFY(m_f->settings("[BiaoDing]\nTempRange=" + QByteArray::number(range) + "\n"));
    m_f->board->setShutterTempWord(SimBoard::temperatureWord(internal));
    m_f->board->setSensorTempWord(SimBoard::temperatureWord(internal));
    m_f->board->setObjects({});
    m_f->board->setBackgroundAD(uint16_t(ad));
    m_front = &m_f->start();
    QCOMPARE(m_front->tempRange(), range);
    const float spot = spotAt(QPoint(190, 140), PARA_GLOBAL, FrontFixture::setup(0.95f));
    QVERIFY2(std::fabs(spot - object) < Tolerance, qPrintable(QString::number(spot)));
    _area rect{10, 10, 300, 200};
    _area_val val{};
    Area_Temp a{};
    QCOMPARE(m_front->getAreaTemp(0, rect, PARA_GLOBAL, FrontFixture::setup(0.95f), val, a), 0);
    QVERIFY2(std::fabs(a.avg.temp - object) < Tolerance, qPrintable(QString::number(a.avg.temp)));
}

void TestEndToEnd::parametersMoveTheReading_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<int>("warmer"); // 1: hotter than the surroundings
    QTest::newRow("mug, 50 degC") << QStringLiteral("mug") << 1;
    QTest::newRow("hot spot, 100 degC") << QStringLiteral("hot spot") << 1;
    QTest::newRow("cold pack, 0 degC") << QStringLiteral("cold pack") << 0;
}

void TestEndToEnd::parametersMoveTheReading()
{
    QFETCH(QString, object);
    QFETCH(int, warmer);
    m_f->board->setNoise(0);
    const QPoint c = centreOf(object);
    const auto own = [&](float emiss, float dist) { return spotAt(c, PARA_OWN, FrontFixture::setup(emiss, dist)); };
    const float base = own(0.95f, 5.0f);
    QVERIFY(!std::isnan(base));

    // Less emissivity: more of the signal is reflected surroundings at
    // 25 degC, so a warm object must be warmer and a cold one colder.
    const float lowEmiss = own(0.7f, 5.0f);
    QVERIFY2(warmer ? lowEmiss > base + 1.0f : lowEmiss < base - 1.0f, qPrintable(QString::number(lowEmiss)));
    // Farther away: less of the object gets through the air.
    const float far = own(0.95f, 100.0f);
    QVERIFY2(warmer ? far > base : far < base, qPrintable(QString::number(far)));

    // Warmer air and warmer surroundings both account for more of the
    // signal: every object reads colder. (In dry air, so that the air's
    // transmission does not change with its temperature: damp warm air
    // also absorbs more, which moves a hot object the other way.)
    m_front->setHumid(0.0f);
    const float dryFar = own(0.95f, 2000.0f);
    m_front->setEnvTemp(40.0f);
    const float warmAir = own(0.95f, 2000.0f);
    QVERIFY2(warmAir < dryFar - 0.1f, qPrintable(QStringLiteral("%1 %2").arg(warmAir).arg(dryFar)));
    m_front->setEnvTemp(25.0f);
    m_front->setHumid(0.6f);
    m_front->setReflecTemp(30.0f);
    const float warmSurroundings = own(0.7f, 5.0f);
    QVERIFY2(warmSurroundings < lowEmiss - 0.5f, qPrintable(QString::number(warmSurroundings)));
    m_front->setReflecTemp(25.0f);
    QVERIFY(std::fabs(own(0.95f, 5.0f) - base) < 0.01f);
}

void TestEndToEnd::globalParametersMoveTheReading()
{
    m_f->board->setNoise(0);
    const QPoint c = centreOf(QStringLiteral("mug"));
    const float base = spotAt(c, PARA_GLOBAL, FrontFixture::setup(0.95f));
    QCOMPARE(m_front->setSystemTempSetup(FrontFixture::setup(0.8f, 5.0f, 0.0f)), 1);
    const float lower = spotAt(c, PARA_GLOBAL, FrontFixture::setup(0.95f));
    QVERIFY(lower > base + 1.0f);
    QCOMPARE(m_front->setSystemTempSetup(FrontFixture::setup(0.95f, 5.0f, 2.0f)), 1);
    QVERIFY(std::fabs(spotAt(c, PARA_GLOBAL, FrontFixture::setup(0.95f)) - (base + 2.0f)) < 0.05f);
    // A refused setup leaves the global reading where it was.
    QCOMPARE(m_front->setSystemTempSetup(FrontFixture::setup(3.0f)), 0);
    QVERIFY(std::fabs(spotAt(c, PARA_GLOBAL, FrontFixture::setup(0.95f)) - (base + 2.0f)) < 0.05f);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
