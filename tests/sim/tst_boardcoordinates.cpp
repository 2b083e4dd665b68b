#include "../libtherma/frontfixture.h"
#include "drawnregion.h"

#include "colortables.h"
#include "simscreen.h"

#include <QtTest>

#include <cmath>

// What the screen shows and what the board measures agree. The simulated
// board's 384x288 frame is drawn scaled on the 320x240 screen, and the
// application gives and gets every position in the coordinates of that full
// picture. Each object of the scene is found on the drawn screen by its
// colour alone; a spot there, an area over it, and the hottest and coldest
// pixels the board reports must agree with the picture.
class TestBoardCoordinates : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void spotOnTheDrawnObject_data();
    void spotOnTheDrawnObject();
    void extremesLieOnTheDrawnObjects_data();
    void extremesLieOnTheDrawnObjects();

private:
    struct Drawn : DrawnRegion
    {
        QRgb colour = 0;
    };
    QImage screen() const;
    Drawn drawn(const QImage &screen, const QString &name) const;
    float spotAt(const QPoint &p);

    static constexpr float Tolerance = 0.5f;
    std::unique_ptr<FrontFixture> m_f;
    FPGA *m_front = nullptr;
};

void TestBoardCoordinates::init()
{
    m_f = std::make_unique<FrontFixture>(true);
    m_front = &m_f->start();
    m_front->init();
    m_front->insideShutter();
    // Grey from the cold pack to the hot spot: every object its own shade.
    QCOMPARE(m_front->setStandardPaletteIndex(COLOR_GREY), 0);
    m_front->fpga_set_levelSpan(30114, 0x400000 / (40101 - 30114));
}

void TestBoardCoordinates::cleanup()
{
    if (m_front)
        QVERIFY(m_front->getSerial()->waitForIdle(5000));
    m_front = nullptr;
    m_f.reset();
}

QImage TestBoardCoordinates::screen() const
{
    SimScreen screen;
    screen.setBacklight(0);
    screen.setBoardPicture(m_f->board->render());
    return screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The object's colour is the board's own picture at the object; where the
// screen shows that colour is where the user sees the object.
TestBoardCoordinates::Drawn TestBoardCoordinates::drawn(const QImage &screen, const QString &name) const
{
    Drawn d;
    d.colour = m_f->board->render().pixel(m_f->board->objectRect(name).center());
    static_cast<DrawnRegion &>(d) = drawnRegion(screen, d.colour);
    return d;
}

float TestBoardCoordinates::spotAt(const QPoint &p)
{
    _fpga_point point{uint16_t(p.x()), uint16_t(p.y())};
    IrTempStru out{};
    if (m_front->getSpotTemp(1, 0, PARA_GLOBAL, FrontFixture::setup(0.95f), point, out) != 0)
        return std::nanf("");
    return out.temp;
}

void TestBoardCoordinates::spotOnTheDrawnObject_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<float>("temp");
    QTest::addColumn<double>("time");
    for (double time : {0.0, 7.5, 21.0}) {
        QTest::addRow("mug at %.1f s", time) << QStringLiteral("mug") << 50.0f << time;
        QTest::addRow("cold pack at %.1f s", time) << QStringLiteral("cold pack") << 0.0f << time;
        QTest::addRow("hot spot at %.1f s", time) << QStringLiteral("hot spot") << 100.0f << time;
    }
}

void TestBoardCoordinates::spotOnTheDrawnObject()
{
    QFETCH(QString, object);
    QFETCH(float, temp);
    QFETCH(double, time);
    m_f->board->setSceneTime(time);
    const QImage shown = screen();
    const Drawn d = drawn(shown, object);
    QVERIFY(d.bounds.isValid());
    QCOMPARE(shown.pixel(d.centre), d.colour);
    // Each drawn corner of the object's box, moved one pixel in, and its
    // centre read the object.
    for (const QPoint &p : {d.centre, QPoint(d.bounds.center().x(), d.bounds.top() + 1),
                            QPoint(d.bounds.center().x(), d.bounds.bottom() - 1),
                            QPoint(d.bounds.left() + 1, d.bounds.center().y()),
                            QPoint(d.bounds.right() - 1, d.bounds.center().y())}) {
        const float reading = spotAt(p);
        QVERIFY2(std::fabs(reading - temp) < Tolerance,
                 qPrintable(QStringLiteral("(%1, %2): %3").arg(p.x()).arg(p.y()).arg(reading)));
    }
    // Just outside the drawn box is background.
    const QPoint outside(d.bounds.left() - 2, d.bounds.center().y());
    QVERIFY2(std::fabs(spotAt(outside) - 20.0f) < Tolerance, qPrintable(QString::number(spotAt(outside))));
}

void TestBoardCoordinates::extremesLieOnTheDrawnObjects_data()
{
    QTest::addColumn<double>("time");
    for (double time : {0.0, 7.5, 21.0})
        QTest::addRow("at %.1f s", time) << time;
}

void TestBoardCoordinates::extremesLieOnTheDrawnObjects()
{
    QFETCH(double, time);
    m_f->board->setSceneTime(time);
    const QImage shown = screen();
    const Drawn hot = drawn(shown, QStringLiteral("hot spot"));
    const Drawn cold = drawn(shown, QStringLiteral("cold pack"));
    const QRgb background = shown.pixel(2, 2);
    const TempSetup global = FrontFixture::setup(0.95f);

    _fpga_point p{0, 0};
    IrTempStru out{};
    QCOMPARE(m_front->getSpotTemp(0, 1, PARA_GLOBAL, global, p, out), 0);
    QVERIFY(std::fabs(out.temp - 100.0f) < Tolerance);
    QVERIFY2(drawnNear(shown, QPoint(p.x, p.y), hot.colour), qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));
    QCOMPARE(m_front->getSpotTemp(0, 2, PARA_GLOBAL, global, p, out), 0);
    QVERIFY(std::fabs(out.temp - 0.0f) < Tolerance);
    QVERIFY2(drawnNear(shown, QPoint(p.x, p.y), cold.colour), qPrintable(QStringLiteral("%1, %2").arg(p.x).arg(p.y)));

    // An area a little larger than the drawn hot spot: its hottest pixel on
    // the hot spot, its coldest on the background around it.
    const QRect box = hot.bounds.adjusted(-3, -3, 3, 3);
    _area rect{uint16_t(box.left()), uint16_t(box.top()), uint16_t(box.right() + 1), uint16_t(box.bottom() + 1)};
    _area_val val{};
    Area_Temp a{};
    QCOMPARE(m_front->getAreaTemp(1, rect, PARA_GLOBAL, global, val, a), 0);
    QVERIFY2(std::fabs(a.max.temp - 100.0f) < Tolerance, qPrintable(QString::number(a.max.temp)));
    QVERIFY2(std::fabs(a.min.temp - 20.0f) < Tolerance, qPrintable(QString::number(a.min.temp)));
    QVERIFY(drawnNear(shown, QPoint(val.max_x, val.max_y), hot.colour));
    QVERIFY(box.contains(val.min_x, val.min_y));
    QVERIFY(drawnNear(shown, QPoint(val.min_x, val.min_y), background));
}

QTEST_MAIN(TestBoardCoordinates)
#include "tst_boardcoordinates.moc"
