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
// The state icons stand clear of the logo and of the strip's other items.
// PNGs go to OSTREL_SCREENS_DIR when it is set.
class TestSimStatusBar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void automaticMode();
    void shutterNotice();
    void manualPreview();
    void stateIconsClearOfLogo_data();
    void stateIconsClearOfLogo();

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

void TestSimStatusBar::stateIconsClearOfLogo_data()
{
    QTest::addColumn<bool>("laser");
    QTest::addColumn<bool>("lamp");
    QTest::addColumn<bool>("shutter");
    QTest::addColumn<bool>("card");
    QTest::addColumn<bool>("frozen");
    QTest::addColumn<bool>("fusion");
    // Whether the strip has room for all of them beside the logo; without
    // it, the logo is the one thing given up.
    QTest::addColumn<bool>("room");
    QTest::newRow("card") << false << false << false << true << false << false << true;
    QTest::newRow("shutter, card") << false << false << true << true << false << false << true;
    QTest::newRow("shutter, card, frozen") << false << false << true << true << true << false << true;
    QTest::newRow("laser, shutter, card") << true << false << true << true << false << false << true;
    QTest::newRow("shutter, card, fusion") << false << false << true << true << false << true << true;
    QTest::newRow("laser, lamp, shutter, card, frozen, fusion") << true << true << true << true << true << true << false;
}

void TestSimStatusBar::stateIconsClearOfLogo()
{
    QFETCH(bool, laser);
    QFETCH(bool, lamp);
    QFETCH(bool, shutter);
    QFETCH(bool, card);
    QFETCH(bool, frozen);
    QFETCH(bool, fusion);
    QFETCH(bool, room);
    EToolWidget *bar = view().toolBar();
    bar->laserHandler(laser);
    bar->lampHandler(lamp);
    bar->shutterHandler(shutter, -1);
    bar->displaySDCard(card);
    bar->freezeImageFlag(frozen);
    bar->setMixVisible(fusion);
    QCoreApplication::sendPostedEvents();

    const QRect logo(QPoint(0, 0), bar->pixmap().deviceIndependentSize().toSize());
    QVERIFY(logo.width() > 0);
    QList<QWidget *> icons;
    for (QLabel *icon : {bar->laserIcon(), bar->lampIcon(), bar->shutterIcon(), bar->sdIcon()})
        if (icon->isVisible())
            icons << icon;
    QCOMPARE(icons.size(), int(laser) + int(lamp) + int(shutter) + int(card));
    const QList<QWidget *> fixed = {bar->mixIcon(), bar->zoomButton(), bar->emissLabel(), bar->freezeIcon(),
                                    bar->unitLabel(), bar->battery(), bar->clockLabel()};
    const QRect strip = bar->rect();
    for (QWidget *icon : std::as_const(icons)) {
        const QRect at = icon->geometry();
        const QString where = QStringLiteral("%1 at %2..%3").arg(icons.indexOf(icon)).arg(at.left()).arg(at.right());
        QVERIFY2(strip.contains(at), qPrintable(where));
        QVERIFY2(!room || at.left() > logo.right(), qPrintable(where));
        for (QWidget *other : icons + fixed)
            if (other != icon && other->isVisible())
                QVERIFY2(!at.intersects(other->geometry()), qPrintable(where + QLatin1String(" / ") + other->metaObject()->className()));
    }
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1String(", "), QLatin1String("_"));
    save(QStringLiteral("status_icons_%1.png").arg(tag));
}

QTEST_MAIN(TestSimStatusBar)
#include "tst_simstatusbar.moc"
