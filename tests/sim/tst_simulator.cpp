#include "colortables.h"
#include "fpga.h"
#include "fpgabottom.h"
#include "paths.h"
#include "serial.h"
#include "simboard.h"
#include "simcore.h"
#include "simscreen.h"
#include "simulator.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <vector>

class TestSimulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wiresBoardAndCore();
    void frontDrivesTheSimulatedScreen();
    void screenshotStacksWindowsAsShown();
};

// What `ostrel --simulate` relies on: the library opens the simulated board
// by default, the serial line reaches the simulated core, and the screen
// gets the board's picture once a palette is on the board.
void TestSimulator::wiresBoardAndCore()
{
    TestRoot test;
    Simulator simulator;
    QSignalSpy pictures(&simulator, &Simulator::boardPicture);
    QVERIFY(simulator.start(test.hostPath(QStringLiteral("sim-root"))));
    QVERIFY(simulator.board());
    QVERIFY(QFileInfo(Paths::resolve(QStringLiteral("/dev/ttyS1"))).exists());

    QTRY_VERIFY(!pictures.isEmpty());
    QVERIFY(pictures.last().at(0).value<QImage>().isNull());

    FPGABottom board;
    std::vector<_yuv_item> palette(BOARD_PALETTE_ENTRIES, _yuv_item{0, 0, 0, 0});
    std::copy(Grey_TAB, Grey_TAB + 256, palette.begin());
    QVERIFY(board.fpga_colorTable_set(reinterpret_cast<const unsigned char *>(palette.data())) >= 0);
    QCOMPARE(simulator.board()->paletteUploads(), 1);
    pictures.clear();
    QTRY_VERIFY(!pictures.isEmpty());
    const QImage picture = pictures.last().at(0).value<QImage>();
    QCOMPARE(picture.size(), QSize(SimBoard::WIDTH, SimBoard::HEIGHT));

    simulator.stop();
    QVERIFY(!simulator.board());
}

// The library's front, started in the simulator's root with its default
// tables, colours the scene: with automatic level/span the hot spot is
// the brightest part of the Grey picture and the cold pack the darkest.
void TestSimulator::frontDrivesTheSimulatedScreen()
{
    TestRoot test;
    Simulator simulator;
    QSignalSpy pictures(&simulator, &Simulator::boardPicture);
    QVERIFY(simulator.start(test.hostPath(QStringLiteral("sim-root"))));
    simulator.board()->setNoise(0);
    {
        FPGA front;
        QCOMPARE(front.setStandardPaletteIndex(COLOR_GREY), 0);
        front.setLevelSpanMode(MODE_AUTO);
        front.calcLevelSpan(MODE_AUTO, false);
        pictures.clear();
        QTRY_VERIFY(!pictures.isEmpty());
    }
    const QImage picture = pictures.last().at(0).value<QImage>();
    QVERIFY(!picture.isNull());
    const QRect hot = simulator.board()->objectRect(QStringLiteral("hot spot"));
    const QRect cold = simulator.board()->objectRect(QStringLiteral("cold pack"));
    QVERIFY(hot.isValid() && cold.isValid());
    const int hotGrey = qGray(picture.pixel(hot.center()));
    const int coldGrey = qGray(picture.pixel(cold.center()));
    const int backgroundGrey = qGray(picture.pixel(5, 5));
    QVERIFY2(hotGrey > backgroundGrey && backgroundGrey > coldGrey,
             qPrintable(QStringLiteral("hot %1, background %2, cold %3").arg(hotGrey).arg(backgroundGrey).arg(coldGrey)));
    const QString screens = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!screens.isEmpty())
        picture.save(screens + QStringLiteral("/simulated_scene.png"));
}

// Popups are parentless windows: the screenshot draws the one shown or
// raised last on top, as the panel shows it.
void TestSimulator::screenshotStacksWindowsAsShown()
{
    SimScreen screen;
    screen.setBoardPicture(QImage());
    screen.move(0, 0);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto window = [](QColor colour) {
        auto *w = new QWidget(nullptr, Qt::FramelessWindowHint);
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, colour);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
        w->setGeometry(50, 50, 100, 100);
        return std::unique_ptr<QWidget>(w);
    };
    const auto green = window(Qt::green);
    const auto red = window(Qt::red);
    green->show();
    red->show();
    QCOMPARE(QColor(screen.composed().pixel(100, 100)), QColor(Qt::red));
    green->raise();
    QCOMPARE(QColor(screen.composed().pixel(100, 100)), QColor(Qt::green));
    red->hide();
    red->show();
    QCOMPARE(QColor(screen.composed().pixel(100, 100)), QColor(Qt::red));
}

QTEST_MAIN(TestSimulator)
#include "tst_simulator.moc"
