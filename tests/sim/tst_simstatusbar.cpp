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
#include <QSettings>

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
    void barShowsEachChange_data();
    void barShowsEachChange();

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
    // While the shutter runs the labels stay as they were.
    QVERIFY(!QTest::qWaitFor([&] { return view().maxItem()->plainText() != top; }, Intervals::ms(1000)));
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
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("emissivity");
    QTest::newRow("24 h") << 24 << QStringLiteral("0.95");
    QTest::newRow("12 h") << 12 << QStringLiteral("0.95");
    QTest::newRow("12 h, emissivity 1.00") << 12 << QStringLiteral("1.00");
}

// Every combination of the state icons: no two items of the strip
// overlap, none covers the logo, the logo is whole unless the laser, lamp
// or freeze icon stands where its name is, and an icon stays in its place
// whatever else comes or goes.
void TestSimStatusBar::stateIconsClearOfLogo()
{
    QFETCH(int, format);
    QFETCH(QString, emissivity);
    QSettings settings(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    settings.setValue(QStringLiteral("Timeformat"), format);
    settings.sync();
    QCOMPARE(settings.status(), QSettings::NoError);
    view().updatetimeFormat();
    QCOMPARE(view().gettimeFormat(), format);
    EToolWidget *bar = view().toolBar();
    bar->setEmiss(emissivity);
    const QSize wholeLogo = QPixmap(QStringLiteral(":/images/logo.png")).deviceIndependentSize().toSize();
    QVERIFY(wholeLogo.width() > EToolWidget::LogoMarkWidth);

    struct Item
    {
        const char *name;
        QWidget *widget;
    };
    const QList<Item> items = {{"laser", bar->laserIcon()},   {"lamp", bar->lampIcon()},
                               {"shutter", bar->shutterIcon()}, {"card", bar->sdIcon()},
                               {"freeze", bar->freezeIcon()},   {"fusion", bar->mixIcon()},
                               {"zoom", bar->zoomButton()},     {"emissivity", bar->emissLabel()},
                               {"unit", bar->unitLabel()},      {"battery", bar->battery()},
                               {"clock", bar->clockLabel()}};
    QHash<QWidget *, QRect> places;
    const int fullest = 63;
    for (int shown = fullest; shown >= 0; --shown) {
        const bool laser = shown & 1, lamp = shown & 2;
        bar->laserHandler(laser);
        bar->lampHandler(lamp);
        bar->shutterHandler(shown & 4, -1);
        bar->displaySDCard(shown & 8);
        bar->freezeImageFlag(shown & 16);
        bar->setMixVisible(shown & 32);
        bar->updateTime();
        QCoreApplication::sendPostedEvents();

        QStringList on;
        for (const Item &item : items)
            if (item.widget->isVisible())
                on << QLatin1String(item.name);
        const QString combination = on.join(QLatin1String(", "));
        QCOMPARE(on.size(), 5 + qPopulationCount(quint32(shown)));

        const QRect logo(QPoint(0, 0), bar->pixmap().deviceIndependentSize().toSize());
        if (laser || lamp || (shown & 16))
            QVERIFY2(logo.width() >= EToolWidget::LogoMarkWidth, qPrintable(combination));
        else
            QVERIFY2(logo.size() == wholeLogo, qPrintable(QStringLiteral("the logo is cut with ") + combination));

        for (int i = 0; i < items.size(); ++i) {
            QWidget *widget = items.at(i).widget;
            if (!widget->isVisible())
                continue;
            const QRect at = widget->geometry();
            const QString what = QStringLiteral("%1 at x %2..%3 with %4")
                                     .arg(QLatin1String(items.at(i).name))
                                     .arg(at.left())
                                     .arg(at.right())
                                     .arg(combination);
            QVERIFY2(at.left() >= 0 && at.right() < bar->width(), qPrintable(what));
            QVERIFY2(!at.intersects(logo), qPrintable(what + QStringLiteral(": over the logo")));
            for (int j = i + 1; j < items.size(); ++j)
                if (items.at(j).widget->isVisible() && items.at(j).widget->geometry().intersects(at))
                    QVERIFY2(false, qPrintable(what + QStringLiteral(": over the ") + QLatin1String(items.at(j).name)));
            // The fullest strip comes first: every place is known from it.
            if (!places.contains(widget))
                places.insert(widget, at);
            QVERIFY2(places.value(widget) == at, qPrintable(what + QStringLiteral(": moved")));
        }
        if (shown == fullest)
            save(QStringLiteral("status_icons_all_%1h%2.png").arg(format).arg(emissivity == QLatin1String("0.95") ? QString() : QStringLiteral("_e") + emissivity));
    }
}

QTEST_MAIN(TestSimStatusBar)
#include "tst_simstatusbar.moc"

// The bar is drawn from a cache while it stays as it is: a label that
// changes shows on the screen at once, and so does its way back.
void TestSimStatusBar::barShowsEachChange_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("unit F") << QStringLiteral("F");
    QTest::newRow("unit K") << QStringLiteral("K");
}

void TestSimStatusBar::barShowsEachChange()
{
    QFETCH(QString, text);
    EToolWidget *bar = view().toolBar();
    QLabel *unit = bar->unitLabel();
    const QString was = unit->text();
    const QRect area(view().viewport()->mapTo(m_sim.screen.get(), view().mapFromScene(unit->geometry().topLeft())), unit->size());
    // The label's white glyphs: what lies beneath them moves on.
    const auto glyphs = [&] {
        const QImage shot = m_sim.screen->composed().copy(area);
        QList<QPoint> white;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 230 && c.green() > 230 && c.blue() > 230)
                    white << QPoint(x, y);
            }
        return white;
    };
    const QList<QPoint> before = glyphs();
    QVERIFY(!before.isEmpty());
    unit->setText(text);
    QVERIFY(glyphs() != before);
    unit->setText(was);
    QCOMPARE(glyphs(), before);
}
