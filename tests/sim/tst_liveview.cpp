#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "eglobal.h"
#include "ependingsettings.h"
#include "espotwidget.h"
#include "fpga.h"
#include "liveviewshell.h"
#include "serial.h"
#include "simboard.h"
#include "simscreen.h"
#include "simulator.h"
#include "testroot.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

// The shell's live view on the simulated board, as `ostrel --simulate`
// shows it: spot 1 reads the simulated scene; with every object switched
// on through the view, picture modes 0, 3 (inset bottom right) and 5 are
// written as PNGs when OSTREL_SCREENS_DIR is set.
class TestLiveView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void spotOneReadsTheScene();
    void pictureModes_data();
    void pictureModes();

private:
    void saveScreen(const QString &name);

    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<SimScreen> m_screen;
    std::unique_ptr<LiveViewShell> m_live;
};

void TestLiveView::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    m_root = std::make_unique<TestRoot>();
    m_simulator = std::make_unique<Simulator>();
    QVERIFY(m_simulator->start(m_root->hostPath(QStringLiteral("sim-root"))));
    m_simulator->board()->setNoise(0);
    m_screen = std::make_unique<SimScreen>();
    connect(m_simulator.get(), &Simulator::boardPicture, m_screen.get(), &SimScreen::setBoardPicture);
    QSignalSpy pictures(m_simulator.get(), &Simulator::boardPicture);
    m_live = std::make_unique<LiveViewShell>();
    m_screen->setOverlay(m_live->view());
    m_screen->show();
    // The shell uploads a palette: the board's picture replaces the
    // placeholder on the next frame.
    QTRY_VERIFY(!pictures.isEmpty() && !pictures.last().at(0).value<QImage>().isNull());
}

void TestLiveView::cleanupTestCase()
{
    if (m_live)
        QVERIFY(m_live->fpga()->getSerial()->waitForIdle(5000));
    m_screen.reset();
    m_live.reset();
    m_simulator.reset();
    m_root.reset();
}

void TestLiveView::spotOneReadsTheScene()
{
    EGraphicsView *view = m_live->view();
    QCOMPARE(EGlobal::getGraphicsView(), view);
    QVERIFY(view->getSpotWidget(1)->isVisibled());
    view->displayTemp();
    const QString readout = view->readingsItem()->plainText();
    // Spot 1 stands on the background of the scene (20 degC).
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^P1:(-?\\d+\\.\\d)$")).match(readout);
    QVERIFY2(match.hasMatch(), qPrintable(readout));
    QVERIFY2(qAbs(match.captured(1).toFloat() - 20.0f) < 0.5f, qPrintable(readout));
    QVERIFY(view->readingsItem()->isVisible());
}

void TestLiveView::pictureModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::newRow("0 IR") << 0 << QStringLiteral("liveview_mode0_ir.png");
    QTest::newRow("3 inset bottom right") << 3 << QStringLiteral("liveview_mode3_inset_bottom_right.png");
    QTest::newRow("5 blend") << 5 << QStringLiteral("liveview_mode5_blend.png");
}

void TestLiveView::pictureModes()
{
    QFETCH(int, mode);
    QFETCH(QString, file);
    EGraphicsView *view = m_live->view();
    for (int n = 1; n <= EGraphicsView::SpotCount; ++n)
        view->showSpot(n, true);
    for (int n = 1; n <= EGraphicsView::LineCount; ++n)
        view->showLine(n, true);
    for (int n = 1; n <= EGraphicsView::AreaCount; ++n)
        view->showArea(n, true);
    view->set_CCD_Pipe_IR_Position(POSITION_BOTTOM_RIGHT);
    view->setImageMode(mode);
    QCOMPARE(int(m_simulator->board()->registerByte(0x00) & 0x07), mode);

    const QStringList lines = view->readingsItem()->plainText().split(QLatin1Char('\n'));
    const int expectedLines = 3 + (mode == 0 ? 2 : 0) + 9;
    QCOMPARE(lines.size(), expectedLines);
    for (const QString &line : lines)
        QVERIFY2(!line.endsWith(QStringLiteral("--")), qPrintable(line));
    QCOMPARE(view->readingsItem()->highlightText(), view->currentFocusWidget()->name());
    saveScreen(file);
}

void TestLiveView::saveScreen(const QString &name)
{
    const QString screens = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (screens.isEmpty())
        return;
    // The picture the board draws now, in the mode just set.
    m_screen->setBoardPicture(m_simulator->board()->render());
    QVERIFY(m_screen->grab().save(screens + QLatin1Char('/') + name, "PNG"));
}

QTEST_MAIN(TestLiveView)
#include "tst_liveview.moc"
