#include "colortables.h"
#include "fpgabottom.h"
#include "paths.h"
#include "serial.h"
#include "simboard.h"
#include "simcore.h"
#include "simulator.h"
#include "testroot.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QtTest>

#include <vector>

class TestSimulator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wiresBoardAndCore();
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

QTEST_MAIN(TestSimulator)
#include "tst_simulator.moc"
