#include "echeckitem.h"
#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "espotgraphicsitem.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "eimagesettingtab.h"
#include "eimagetab.h"
#include "eimagetabbar.h"
#include "ekeyboardfilter.h"
#include "espotwidget.h"
#include "etabwidget.h"
#include "etoolwidget.h"
#include "eupdateepcsinterface.h"
#include "livescreen.h"
#include "menuroute.h"
#include "poweroff.h"
#include "screentouch.h"

#include <QPushButton>
#include <QtTest>

// The configuration-flash update that E held 5 s brings up over the live
// view hides the overlay while it is up; every way out of it gives the
// overlay back as it was. The live view after each is written as a PNG
// when OSTREL_SCREENS_DIR is set.
class TestSimFlashOverlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void wayOutRestoresTheOverlay_data();
    void wayOutRestoresTheOverlay();

private:
    EGraphicsView *view() const { return m_sim.live->view(); }
    bool overlayShown() const;
    bool clearScreenTicked();

    LiveScreen m_sim;
};

void TestSimFlashOverlay::init()
{
    PowerOff::instance()->reset();
    m_sim.start();
}

void TestSimFlashOverlay::cleanup()
{
    PowerOff::instance()->reset();
    m_sim.stop();
}

// Status bar, the colour bar's limits and spot 1 with its reading.
bool TestSimFlashOverlay::overlayShown() const
{
    return view()->toolBar()->isVisible() && view()->maxItem()->isVisible() && view()->minItem()->isVisible()
        && view()->getSpotWidget(1)->isVisibled() && view()->getSpotWidget(1)->marker()->isVisible();
}

// As the image popup's settings page shows it.
bool TestSimFlashOverlay::clearScreenTicked()
{
    EImageTab *popup = MenuRoute::openImagePopup();
    if (!popup)
        return false;
    QTest::mouseClick(popup->tabBar()->tab(3), Qt::LeftButton);
    const bool ticked = popup->settingPage()->isVisible() && popup->settingPage()->clearItem()->checked();
    MenuRoute::closePopup();
    return ticked;
}

void TestSimFlashOverlay::wayOutRestoresTheOverlay_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("clearedBefore");
    for (const char *way : {"Escape", "Exit", "closed", "hidden", "Escape after Start"})
        QTest::addRow("%s", way) << QString::fromLatin1(way) << false;
    QTest::newRow("Escape, overlay cleared before") << QStringLiteral("Escape") << true;
}

void TestSimFlashOverlay::wayOutRestoresTheOverlay()
{
    QFETCH(QString, way);
    QFETCH(bool, clearedBefore);
    // Spot 1 is on from the start.
    if (clearedBefore)
        view()->clearScreen(true);
    QCOMPARE(overlayShown(), !clearedBefore);

    // E held 5 s on the live view.
    EKeyboardFilter *keys = m_sim.live->keyFilter();
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_E);
    for (int tick = 0; tick < EKeyboardFilter::UpdateTicks; ++tick)
        QMetaObject::invokeMethod(keys->flashTimer(), "timeout");
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_E);
    EUpdateEPCSInterface *dialog = view()->flashDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(!overlayShown());

    if (way == QLatin1String("Escape after Start")) {
        // No image on the card: the run ends at once with its message.
        QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
        QVERIFY(!dialog->isRunning());
        QVERIFY(dialog->messageText().startsWith(QStringLiteral("donot find")));
        way = QStringLiteral("Escape");
    }
    if (way == QLatin1String("Escape"))
        QTest::keyClick(dialog->windowHandle(), Qt::Key_Escape);
    else if (way == QLatin1String("Exit"))
        QTest::mouseClick(dialog->exitButton(), Qt::LeftButton);
    else if (way == QLatin1String("closed"))
        dialog->close();
    else
        dialog->hide();
    QVERIFY(!dialog->isVisible());
    if (way == QLatin1String("Exit"))
        QVERIFY(PowerOff::instance()->isRunning());

    QCOMPARE(overlayShown(), !clearedBefore);
    QCOMPARE(view()->screenStatus(), clearedBefore);
    // The board's own colour bar, with its next frame.
    QTRY_COMPARE(m_sim.screen->colorBar().isNull(), clearedBefore);
    QString name = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')).remove(QLatin1Char(','));
    ScreenTouch::save(m_sim.screen.get(), QStringLiteral("flash_out_%1.png").arg(name));
    PowerOff::instance()->reset();
    QCOMPARE(clearScreenTicked(), clearedBefore);
}

QTEST_MAIN(TestSimFlashOverlay)
#include "tst_simflashoverlay.moc"
