#include "frontfixture.h"

#include <QtTest>

#include <cmath>
#include <cstring>

// Readings of spots, lines, areas and the scale ends through the front:
// slot use, board failures, own and global parameters.
class TestReadings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void badArgumentsWriteNothing_data();
    void badArgumentsWriteNothing();
    void boardFailuresAreNotReadings_data();
    void boardFailuresAreNotReadings();
    void areaFailuresAreNotReadings_data();
    void areaFailuresAreNotReadings();
    void linesMeasureThroughTheirSlots_data();
    void linesMeasureThroughTheirSlots();
    void rejectedObjectSetupIsNotMeasured_data();
    void rejectedObjectSetupIsNotMeasured();
    void globalModeIgnoresTheObjectSetup();
    void spotAD();
    void scaleEnds();
    void ambientSettersReachBothHandlers();

private:
    IrTempStru filled() const;
    std::unique_ptr<FrontFixture> m_f;
    FPGA *m_front = nullptr;
};

void TestReadings::init()
{
    m_f = std::make_unique<FrontFixture>(false);
    m_front = &m_f->start();
}

void TestReadings::cleanup()
{
    m_front = nullptr;
    m_f.reset();
}

IrTempStru TestReadings::filled() const
{
    IrTempStru r;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.status, "OK");
    r.ad = 4242;
    r.temp = 123.0f;
    return r;
}

void TestReadings::badArgumentsWriteNothing_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("kind");
    QTest::newRow("negative spot") << -1 << 0;
    QTest::newRow("kind 3") << 0 << 3;
    QTest::newRow("negative kind") << 0 << -1;
    QTest::newRow("slot past the spot block") << int(FPGABottom::SPOT_SLOTS) << 0;
    QTest::newRow("slot 256") << 256 << 0;
}

void TestReadings::badArgumentsWriteNothing()
{
    QFETCH(int, n);
    QFETCH(int, kind);
    m_f->board->clearWrites();
    IrTempStru out = filled();
    const IrTempStru before = out;
    _fpga_point p{17, 18};
    QCOMPARE(m_front->getSpotTemp(n, kind, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), -1);
    QCOMPARE(std::memcmp(&out, &before, sizeof out), 0);
    QCOMPARE(p.x, uint16_t(17));
    QCOMPARE(p.y, uint16_t(18));
    QVERIFY(m_f->board->writes().isEmpty());
}

void TestReadings::boardFailuresAreNotReadings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("pointReset");
    QTest::newRow("spot position write") << 0 << int(SimBoard::FailWrite) << 0x1020 << false;
    QTest::newRow("spot AD read after positioning") << 0 << int(SimBoard::FailRead) << 0x1024 << false;
    QTest::newRow("spot AD read short") << 0 << int(SimBoard::ShortRead) << 0x1024 << false;
    QTest::newRow("hottest pixel") << 1 << int(SimBoard::FailRead) << 0x40 << true;
    QTest::newRow("hottest pixel position") << 1 << int(SimBoard::FailRead) << 0x52 << true;
    QTest::newRow("coldest pixel") << 2 << int(SimBoard::FailRead) << 0x42 << true;
}

void TestReadings::boardFailuresAreNotReadings()
{
    QFETCH(int, kind);
    QFETCH(int, fault);
    QFETCH(int, offset);
    QFETCH(bool, pointReset);
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::Fault(fault);
    rule.offset = offset;
    rule.times = 1;
    m_f->board->addFault(rule);
    IrTempStru out = filled();
    _fpga_point p{17, 18};
    QCOMPARE(m_front->getSpotTemp(2, kind, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), -1);
    QVERIFY(FrontFixture::statusIs(out, "NULL"));
    QCOMPARE(out.temp, 123.0f);
    QCOMPARE(p.x, uint16_t(pointReset ? 0 : 17));
    QCOMPARE(p.y, uint16_t(pointReset ? 0 : 18));

    // The fault was a single access: the next reading is a real one.
    p = _fpga_point{17, 18};
    QCOMPARE(m_front->getSpotTemp(2, kind, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), 0);
    QVERIFY(FrontFixture::statusIs(out, "OK"));
}

void TestReadings::areaFailuresAreNotReadings_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("offset");
    QTest::newRow("rectangle write") << int(SimBoard::FailWrite) << 0x10C0 + 64 + 4;
    QTest::newRow("maximum read") << int(SimBoard::FailRead) << 0x10C0 + 64 + 0x10;
    QTest::newRow("average read") << int(SimBoard::FailRead) << 0x10C0 + 64 + 0x14;
    QTest::newRow("minimum position read") << int(SimBoard::FailRead) << 0x10C0 + 64 + 0x26;
}

void TestReadings::areaFailuresAreNotReadings()
{
    QFETCH(int, fault);
    QFETCH(int, offset);
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::Fault(fault);
    rule.offset = offset;
    rule.times = 1;
    m_f->board->addFault(rule);
    Area_Temp out{filled(), filled(), filled()};
    _area rect{10, 10, 40, 40};
    _area_val val{1, 2, 3, 4, 5, 6, 7};
    QCOMPARE(m_front->getAreaTemp(1, rect, PARA_GLOBAL, FrontFixture::setup(0.95f), val, out), -1);
    QVERIFY(FrontFixture::statusIs(out.max, "NULL"));
    QVERIFY(FrontFixture::statusIs(out.min, "NULL"));
    QVERIFY(FrontFixture::statusIs(out.avg, "NULL"));
    QCOMPARE(out.avg.temp, 123.0f);

    QCOMPARE(m_front->getAreaTemp(1, rect, PARA_GLOBAL, FrontFixture::setup(0.95f), val, out), 0);
    QCOMPARE(val.max, SimBoard::defaultBackgroundAD());
    QCOMPARE(val.avg, SimBoard::defaultBackgroundAD());
    QVERIFY(FrontFixture::statusIs(out.avg, "OK"));
    QVERIFY(std::fabs(out.avg.temp - 20.0f) < 0.2f);
    // Area slots end where the line registers begin.
    QCOMPARE(m_front->getAreaTemp(FPGABottom::AREA_SLOTS, rect, PARA_GLOBAL, FrontFixture::setup(0.95f), val, out), -1);
}

void TestReadings::linesMeasureThroughTheirSlots_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("slot");
    QTest::newRow("line 1") << 1 << 4;
    QTest::newRow("line 2") << 2 << 5;
    QTest::newRow("line 3") << 3 << 0;
    QTest::newRow("line -1") << -1 << 0;
}

void TestReadings::linesMeasureThroughTheirSlots()
{
    QFETCH(int, line);
    QFETCH(int, slot);
    const QPoint c = m_f->board->objectCentre(QStringLiteral("mug"));
    _fpga_point p{uint16_t(c.x()), uint16_t(c.y())};
    IrTempStru out = filled();
    QCOMPARE(m_front->getLineTemp(line, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), 0);
    QCOMPARE(m_f->board->registerWord(0x1000 + 16 * slot), uint16_t(c.x()));
    QCOMPARE(m_f->board->registerWord(0x1000 + 16 * slot + 2), uint16_t(c.y()));
    QCOMPARE(out.ad, m_f->board->adAtBoard(c));

    SimBoard::FaultRule rule;
    rule.fault = SimBoard::FailRead;
    rule.offset = 0x1000 + 16 * slot + 4;
    rule.times = 1;
    m_f->board->addFault(rule);
    out = filled();
    QCOMPARE(m_front->getLineTemp(line, PARA_GLOBAL, FrontFixture::setup(0.95f), p, out), -1);
    QVERIFY(FrontFixture::statusIs(out, "NULL"));
}

void TestReadings::rejectedObjectSetupIsNotMeasured_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<float>("emiss");
    QTest::addColumn<float>("dist");
    QTest::addColumn<float>("offset");
    for (const QString &reader : {QStringLiteral("spot"), QStringLiteral("line"), QStringLiteral("area")}) {
        QTest::addRow("%s, emissivity 2", qPrintable(reader)) << reader << 2.0f << 5.0f << 0.0f;
        QTest::addRow("%s, emissivity 0", qPrintable(reader)) << reader << 0.0f << 5.0f << 0.0f;
        QTest::addRow("%s, distance nan", qPrintable(reader)) << reader << 0.9f << std::nanf("") << 0.0f;
        QTest::addRow("%s, offset 200", qPrintable(reader)) << reader << 0.9f << 5.0f << 200.0f;
    }
}

void TestReadings::rejectedObjectSetupIsNotMeasured()
{
    QFETCH(QString, reader);
    QFETCH(float, emiss);
    QFETCH(float, dist);
    QFETCH(float, offset);
    const QPoint c = m_f->board->objectCentre(QStringLiteral("mug"));
    _fpga_point p{uint16_t(c.x()), uint16_t(c.y())};
    _area rect{uint16_t(c.x() - 5), uint16_t(c.y() - 5), uint16_t(c.x() + 5), uint16_t(c.y() + 5)};
    _area_val val{};
    bool areaStatusesAgree = true;
    const auto read = [&](const TempSetup &setup, IrTempStru *out) {
        if (reader == QLatin1String("spot"))
            return m_front->getSpotTemp(0, 0, PARA_OWN, setup, p, *out);
        if (reader == QLatin1String("line"))
            return m_front->getLineTemp(1, PARA_OWN, setup, p, *out);
        Area_Temp a{*out, *out, *out};
        const int result = m_front->getAreaTemp(0, rect, PARA_OWN, setup, val, a);
        areaStatusesAgree = areaStatusesAgree && std::memcmp(a.max.status, a.avg.status, sizeof a.max.status) == 0;
        *out = a.avg;
        return result;
    };
    // The previous object measured with emissivity 0.5...
    IrTempStru out = filled();
    QCOMPARE(read(FrontFixture::setup(0.5f), &out), 0);
    QVERIFY(FrontFixture::statusIs(out, "OK"));
    // ...the next one's parameters are refused: no reading with 0.5.
    out = filled();
    QCOMPARE(read(FrontFixture::setup(emiss, dist, offset), &out), int(MeasurementReader::SETUP_REJECTED));
    QVERIFY(FrontFixture::statusIs(out, "NULL"));
    QCOMPARE(out.temp, 123.0f);
    QCOMPARE(m_front->tempModel().objectHandler().getTempSetup().emiss, 0.5f);
    QVERIFY(areaStatusesAgree);
}

void TestReadings::globalModeIgnoresTheObjectSetup()
{
    const QPoint c = m_f->board->objectCentre(QStringLiteral("mug"));
    _fpga_point p{uint16_t(c.x()), uint16_t(c.y())};
    IrTempStru global = filled();
    QCOMPARE(m_front->getSpotTemp(0, 0, PARA_GLOBAL, FrontFixture::setup(2.0f), p, global), 0);
    QVERIFY(FrontFixture::statusIs(global, "OK"));
    QVERIFY(std::fabs(global.temp - 50.0f) < 0.2f);
    // An object with its own lower emissivity reads a warm object warmer.
    IrTempStru own = filled();
    QCOMPARE(m_front->getSpotTemp(0, 0, PARA_OWN, FrontFixture::setup(0.5f), p, own), 0);
    QVERIFY(own.temp > global.temp + 5.0f);
    // The system handler kept the global parameters.
    QCOMPARE(m_front->getSystemTempSetup().emiss, 0.95f);
}

void TestReadings::spotAD()
{
    const QPoint c = m_f->board->objectCentre(QStringLiteral("hot spot"));
    _fpga_point p{uint16_t(c.x()), uint16_t(c.y())};
    QCOMPARE(m_front->getSpotAD(3, p), int(m_f->board->adAtBoard(c)));
    QCOMPARE(m_front->getSpotAD(FPGABottom::SPOT_SLOTS, p), 0);
    QCOMPARE(m_front->getSpotAD(-1, p), 0);
    SimBoard::FaultRule rule;
    rule.fault = SimBoard::FailRead;
    rule.offset = 0x1000 + 16 * 3 + 4;
    rule.times = 1;
    m_f->board->addFault(rule);
    QCOMPARE(m_front->getSpotAD(3, p), 0);
}

void TestReadings::scaleEnds()
{
    QCOMPARE(m_front->handLevelSpan(20.0f, 50.0f), 1);
    IrTempStru low{};
    IrTempStru high{};
    m_front->getMinMaxTemp(&low, &high);
    QVERIFY(FrontFixture::statusIs(low, "OK"));
    QVERIFY(FrontFixture::statusIs(high, "OK"));
    QVERIFY2(std::fabs(low.temp - 20.0f) < 0.1f, qPrintable(QString::number(low.temp)));
    QVERIFY2(std::fabs(high.temp - 50.0f) < 0.1f, qPrintable(QString::number(high.temp)));
    QCOMPARE(int(low.ad), int(m_front->level()));
    QCOMPARE(int(high.ad), m_front->level() + m_front->span());
    m_front->getMinMaxTemp(nullptr, nullptr);
}

void TestReadings::ambientSettersReachBothHandlers()
{
    TempModel &model = m_front->tempModel();
    const int maxAD = m_front->levelSpanMaxAD();
    m_front->setEnvTemp(35.0f);
    m_front->setHumid(0.9f);
    m_front->setReflecTemp(60.0f);
    for (TempHandler *h : {&model.systemHandler(), &model.objectHandler()}) {
        QCOMPARE(h->envTemp(), 35.0f);
        QCOMPARE(h->humid(), 0.9f);
        QCOMPARE(h->reflecTemp(), 60.0f);
    }
    QVERIFY(m_front->levelSpanMaxAD() != maxAD);
    QCOMPARE(m_front->levelSpanMaxAD(), int(model.systemHandler().irTemp2AD(150.0f).ad));
    QCOMPARE(m_front->levelSpanMinAD(), int(model.systemHandler().irTemp2AD(-20.0f).ad));
    QCOMPARE(m_front->setSystemTempSetup(FrontFixture::setup(0.6f, 20.0f)), 1);
    QCOMPARE(m_front->levelSpanMaxAD(), int(model.systemHandler().irTemp2AD(150.0f).ad));
}

QTEST_GUILESS_MAIN(TestReadings)
#include "tst_readings.moc"
