#include "../image/imagefixture.h"
#include "egraphicsview.h"
#include "emodeitem.h"
#include "ereminditem.h"
#include "etabwidget.h"
#include "livescreen.h"
#include "menuroute.h"

#include "ebattery.h"
#include "ecolorrect.h"
#include "eglobal.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "eimagemode.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "etoolwidget.h"
#include "intervals.h"

#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QPushButton>

// `ostrel --simulate`'s live view with its status bar and colour-bar
// scale: automatic mode following the scene, a shutter with its notice,
// and a manual adjustment by clicks on the adjuster with the preview bar.
// PNGs of the three go to OSTREL_SCREENS_DIR when it is set.
class TestSimStatusBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void automaticMode();
    void shutterNotice();
    void manualPreview();

private:
    void save(const QString &name);
    EGraphicsView &view() { return *m_sim.live->view(); }
    LiveScreen m_sim;
};

void TestSimStatusBar::init()
{
    m_sim.start(true);
}

void TestSimStatusBar::cleanup()
{
    m_sim.stop();
    Intervals::setScale(1.0);
}

void TestSimStatusBar::save(const QString &name)
{
    const QString dir = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!dir.isEmpty())
        QVERIFY(m_sim.screen->composed().save(dir + QLatin1Char('/') + name, "PNG"));
}

void TestSimStatusBar::automaticMode()
{
    EToolWidget *bar = view().toolBar();
    QVERIFY(bar && bar->isVisible());
    QVERIFY(bar->graphicsProxyWidget());
    QCOMPARE(bar->graphicsProxyWidget()->sceneBoundingRect(), QRectF(0, 0, 320, 16));
    QCOMPARE(bar->emissLabel()->text(), QStringLiteral("E=0.95"));
    QCOMPARE(bar->unitLabel()->text(), QString(QChar(0x00B0)) + QLatin1Char('C'));
    // The gauge sits in the strip and reads the simulated battery.
    QCOMPARE(SimPowerWiring::gauge(), bar->battery());
    QVERIFY(bar->battery()->isVisible());
    QTRY_VERIFY(bar->battery()->batteryVoltage().has_value());
    bar->updateTime();
    QVERIFY(bar->clockLabel()->text().size() == 5);

    // The labels follow the scene every 100 ms.
    QCOMPARE(view().getLevelSpanMode(), MODE_AUTO);
    QTRY_COMPARE(view().maxItem()->plainText(), QString::asprintf("%.1f", double(view().getMaxTemp())));
    QVERIFY(view().getMinTemp() < view().getMaxTemp());
    // The board draws its own colour bar while the overlay's is hidden.
    QTRY_VERIFY(!m_sim.screen->colorBar().isNull());
    QVERIFY(!view().colorRect()->isVisible());
    save(QStringLiteral("status_auto.png"));
}

void TestSimStatusBar::shutterNotice()
{
    Intervals::setScale(0.02);
    view().shutterHandler();
    QVERIFY(view().isShutting());
    QCOMPARE(view().getTipsText(), QStringLiteral("Calibrating..."));
    const QString top = view().maxItem()->plainText();
    QTest::qWait(Intervals::ms(1000));
    // While the shutter runs the labels stay as they were.
    QCOMPARE(view().maxItem()->plainText(), top);
    save(QStringLiteral("status_calibrating.png"));
    QTRY_VERIFY(!view().isShutting());
    QVERIFY(!view().isCalibrating());
}

void TestSimStatusBar::manualPreview()
{
    EMainWindow &live = *m_sim.live;
    MenuRoute::openImagePopup();
    EImageTab &popup = *live.imagePopup();
    QVERIFY(popup.isVisible());
    QTest::mouseClick(popup.tabBar()->tab(2), Qt::LeftButton);
    EImageMode *mode = popup.modePage();
    QTest::mouseClick(arrow(mode->modeItem(), "Left"), Qt::LeftButton);
    QCOMPARE(view().getLevelSpanMode(), MODE_MANUAL);
    QTest::mouseClick(mode->adjustItem(), Qt::LeftButton);
    EAdjustLevelItem *adjust = mode->adjustWindow();
    QVERIFY(adjust->isVisible());
    // Max down, then Min up: the span narrows from both ends.
    QTest::mouseClick(selectors(adjust).at(3), Qt::LeftButton);
    QTest::mousePress(arrow(adjust, "Left"), Qt::LeftButton);
    for (int tick = 0; tick < 40; ++tick)
        QMetaObject::invokeMethod(mode->downTimer(), "timeout");
    QTest::mouseRelease(arrow(adjust, "Left"), Qt::LeftButton);
    QTest::mouseClick(selectors(adjust).at(1), Qt::LeftButton);
    QTest::mousePress(arrow(adjust, "Right"), Qt::LeftButton);
    for (int tick = 0; tick < 25; ++tick)
        QMetaObject::invokeMethod(mode->upTimer(), "timeout");
    QTest::mouseRelease(arrow(adjust, "Right"), Qt::LeftButton);

    QVERIFY(view().colorRect()->isVisible());
    QVERIFY(view().manualMinItem()->isVisible() && view().manualMaxItem()->isVisible());
    QCOMPARE(view().maxItem()->plainText(), QString::asprintf("%.1f", double(view().tempRangeMax())));
    QCOMPARE(view().manualMaxItem()->plainText(), QString::asprintf("%.1f", double(view().getMaxTemp())));
    QVERIFY(view().manualMinItem()->y() - view().manualMaxItem()->y() >= 17);
    QVERIFY(view().handLevelSpanTimer()->isActive());
    save(QStringLiteral("status_manual_preview.png"));

    // 3 s after the last change the preview ends and the labels show the
    // manual limits.
    view().slot_handLevelSpanTimer();
    QVERIFY(!view().colorRect()->isVisible());
    QCOMPARE(view().maxItem()->plainText(), QString::asprintf("%.1f", double(view().getMaxTemp())));
    mode->hideAdjustWindow();
}

QTEST_MAIN(TestSimStatusBar)
#include "tst_simstatusbar.moc"
