#include "drawnregion.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "eglobal.h"
#include "ependingsettings.h"
#include "espotwidget.h"
#include "fpga.h"
#include "livescreen.h"
#include "mainwindowup.h"
#include "serial.h"
#include "simboard.h"
#include "simscreen.h"
#include "simulator.h"
#include "testroot.h"

#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>

// The shell's live view on the simulated board, as `ostrel --simulate`
// shows it: spot 1 reads the simulated scene; with every object switched
// on through the view, picture modes 0, 3 (inset bottom right) and 5 are
// written as PNGs when OSTREL_SCREENS_DIR is set; spot 1's marker and
// reading agree with the picture drawn beneath it. However many objects
// are on, every line of the readings list stands whole on the panel, below
// the status bar, clear of the other lines and of the colour bar's labels.
class TestLiveView : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void spotOneReadsTheScene();
    void pictureModes_data();
    void pictureModes();
    void spotOneMatchesThePicture();
    void readingsStayOnThePanel_data();
    void readingsStayOnThePanel();

private:
    void saveScreen(const QString &name);
    QImage boardPictureOnScreen();

    LiveScreen m_sim;
};

void TestLiveView::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    m_sim.start();
}

void TestLiveView::cleanupTestCase()
{
    m_sim.stop();
}

void TestLiveView::spotOneReadsTheScene()
{
    EGraphicsView *view = m_sim.live->view();
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
    EGraphicsView *view = m_sim.live->view();
    for (int n = 1; n <= EGraphicsView::SpotCount; ++n)
        view->showSpot(n, true);
    for (int n = 1; n <= EGraphicsView::LineCount; ++n)
        view->showLine(n, true);
    for (int n = 1; n <= EGraphicsView::AreaCount; ++n)
        view->showArea(n, true);
    view->set_CCD_Pipe_IR_Position(POSITION_BOTTOM_RIGHT);
    view->setImageMode(mode);
    QCOMPARE(int(m_sim.simulator->board()->registerByte(0x00) & 0x07), mode);

    const QStringList lines = view->readingsItem()->plainText().split(QLatin1Char('\n'));
    const int expectedLines = 3 + (mode == 0 ? 2 : 0) + 9;
    QCOMPARE(lines.size(), expectedLines);
    for (const QString &line : lines)
        QVERIFY2(!line.endsWith(QStringLiteral("--")), qPrintable(line));
    QCOMPARE(view->readingsItem()->highlightText(), view->currentFocusWidget()->name());
    saveScreen(file);
}

// The screen without the overlay: the board's picture as the user sees it.
QImage TestLiveView::boardPictureOnScreen()
{
    QWidget *overlay = m_sim.live->view();
    overlay->hide();
    const QImage shown = m_sim.screen->grab().toImage().convertToFormat(QImage::Format_RGB32);
    overlay->show();
    return shown;
}

// On a frozen picture: spot 1 moved onto the cold pack as drawn reads it,
// and switched to the hottest pixel its marker stands on the hot spot as
// drawn and reads the hot spot.
void TestLiveView::spotOneMatchesThePicture()
{
    EGraphicsView *view = m_sim.live->view();
    view->setImageMode(0);
    SimBoard *board = m_sim.simulator->board();
    QSignalSpy pictures(m_sim.simulator.get(), &Simulator::boardPicture);
    m_sim.live->fpga()->fpga_freeze_image(true);
    pictures.clear();
    QTRY_VERIFY(!pictures.isEmpty());
    const QImage shown = boardPictureOnScreen();
    const QImage picture = board->render();
    const auto drawnCentre = [&](const QString &name) {
        return drawnRegion(shown, picture.pixel(board->objectRect(name).center())).centre;
    };
    const auto reading = [](ESpotWidget *spot) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^P1:(-?\\d+\\.\\d)$")).match(spot->name());
        return match.hasMatch() ? match.captured(1).toFloat() : std::nanf("");
    };

    ESpotWidget *spot = view->getSpotWidget(1);
    const QPoint pack = drawnCentre(QStringLiteral("cold pack"));
    QVERIFY(pack.x() >= 0);
    spot->move(pack.x(), pack.y(), 0);
    view->displayTemp();
    QVERIFY2(qAbs(reading(spot) - 0.0f) < 0.5f, qPrintable(spot->name()));
    saveScreen(QStringLiteral("liveview_spot1_on_cold_pack.png"));

    spot->setMode(ESpotWidget::Max);
    view->displayTemp();
    QVERIFY2(qAbs(reading(spot) - 100.0f) < 0.5f, qPrintable(spot->name()));
    const QRgb hot = picture.pixel(board->objectRect(QStringLiteral("hot spot")).center());
    const QPoint marker(spot->getX(), spot->getY());
    QVERIFY2(drawnNear(shown, marker, hot), qPrintable(QStringLiteral("marker at %1, %2").arg(marker.x()).arg(marker.y())));
    saveScreen(QStringLiteral("liveview_spot1_max.png"));

    spot->setMode(ESpotWidget::Manual);
    m_sim.live->fpga()->fpga_freeze_image(false);
}

void TestLiveView::readingsStayOnThePanel_data()
{
    // Which objects are on, by number; alarm: armed on spot 1.
    QTest::addColumn<QString>("spots");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("areas");
    QTest::addColumn<bool>("alarm");
    QTest::addColumn<int>("columns");
    QTest::newRow("spot 1") << "1" << "" << "" << false << 1;
    QTest::newRow("areas 1-2") << "" << "" << "12" << false << 1;
    QTest::newRow("areas 1-3") << "" << "" << "123" << false << 2;
    QTest::newRow("spots 1-2, alarm, lines 1-2, areas 1-2") << "12" << "12" << "12" << true << 2;
    QTest::newRow("spots 1-3, lines 1-2, areas 1-3") << "123" << "12" << "123" << false << 2;
    QTest::newRow("spots 1-3, alarm, lines 1-2, areas 1-3") << "123" << "12" << "123" << true << 2;
}

void TestLiveView::readingsStayOnThePanel()
{
    QFETCH(QString, spots);
    QFETCH(QString, lines);
    QFETCH(QString, areas);
    QFETCH(bool, alarm);
    QFETCH(int, columns);
    EGraphicsView *view = m_sim.live->view();
    view->setImageMode(0);
    const auto switchOn = [](const QString &numbers, int count, const std::function<void(int, bool)> &set) {
        for (int n = 1; n <= count; ++n)
            set(n, numbers.contains(QString::number(n)));
    };
    switchOn(spots, EGraphicsView::SpotCount, [view](int n, bool on) { on ? view->showSpot(n, true) : view->hideSpot(n); });
    switchOn(lines, EGraphicsView::LineCount, [view](int n, bool on) { on ? view->showLine(n, true) : view->hideLine(n); });
    switchOn(areas, EGraphicsView::AreaCount, [view](int n, bool on) { on ? view->showArea(n, true) : view->hideArea(n); });
    view->getSpotWidget(1)->openAlarm(alarm, 30.0f, ESpotWidget::AlarmAbove);
    view->displayTemp();

    EGraphicsTextItem *readings = view->readingsItem();
    QVERIFY(readings->isVisible());
    const QList<QRectF> rects = readings->lineRects();
    QCOMPARE(rects.size(), readings->plainText().count(QLatin1Char('\n')) + 1);
    QCOMPARE(readings->columnRects().size(), columns);
    const QRectF belowStatusBar(0, 16, 320, 224);
    const QList<QGraphicsItem *> colourBarLabels = {view->maxItem(), view->minItem(), view->modeItem()};
    for (int i = 0; i < rects.size(); ++i) {
        const QRectF line = readings->mapRectToScene(rects.at(i));
        const QString where = QStringLiteral("line %1 at %2,%3 %4x%5")
                                  .arg(i)
                                  .arg(line.x())
                                  .arg(line.y())
                                  .arg(line.width())
                                  .arg(line.height());
        QVERIFY2(belowStatusBar.contains(line), qPrintable(where));
        for (int j = 0; j < i; ++j)
            QVERIFY2(!line.intersects(readings->mapRectToScene(rects.at(j))), qPrintable(where));
        for (QGraphicsItem *label : colourBarLabels)
            QVERIFY2(!label->isVisible() || !line.intersects(label->sceneBoundingRect()), qPrintable(where));
    }
    saveScreen(QStringLiteral("liveview_readings_%1.png").arg(QString::fromLatin1(QTest::currentDataTag()).replace(QRegularExpression(QStringLiteral("[^0-9a-z]+")), QStringLiteral("_"))));

    view->getSpotWidget(1)->openAlarm(false, 30.0f, ESpotWidget::AlarmAbove);
}

void TestLiveView::saveScreen(const QString &name)
{
    const QString screens = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (screens.isEmpty())
        return;
    // The picture the board draws now, in the mode just set.
    m_sim.screen->setBoardPicture(m_sim.simulator->board()->render());
    QVERIFY(m_sim.screen->grab().save(screens + QLatin1Char('/') + name, "PNG"));
}

QTEST_MAIN(TestLiveView)
#include "tst_liveview.moc"
