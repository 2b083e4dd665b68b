#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "emaininterface.h"
#include "etoolwidget.h"
#include "encoderphoto.h"
#include "fpga.h"
#include "intervals.h"
#include "livescreen.h"
#include "photoreader.h"
#include "recordingcommandrunner.h"
#include "saveimage.h"
#include "screentouch.h"
#include "sdcard.h"
#include "simcardslot.h"

#include <QDir>
#include <QSettings>
#include <QtEndian>
#include <QtTest>

// ostrel's start-up on the simulated camera: the stored settings applied
// (hostile ones too), Escape's long press, a photo and a card removal with
// real events; the screens are written as PNGs when OSTREL_SCREENS_DIR is
// set.
class TestSimStartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void storedSettings_data();
    void storedSettings();
    void escapeLongPress();
    void photoAndCard();

private:
    void saveScreen(const char *name);
    // The simulator's own runner, which replaced the root's.
    static RecordingCommandRunner *runner() { return static_cast<RecordingCommandRunner *>(CommandRunner::instance()); }

    LiveScreen m_sim;
};

void TestSimStartUp::init()
{
}

void TestSimStartUp::cleanup()
{
    m_sim.stop();
}

void TestSimStartUp::saveScreen(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), QLatin1String(name));
}

void TestSimStartUp::storedSettings_data()
{
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<int>("rangeMin");
    QTest::addColumn<int>("rangeMax");
    QTest::addColumn<QByteArray>("colour");
    QTest::newRow("defaults") << QStringList{} << -20 << 150 << QByteArray("Black");
    QTest::newRow("range 1 without its key") << QStringList{"BiaoDing/TempRange=1"} << 0 << 400 << QByteArray("Black");
    // Limits that are no range leave the view's own.
    QTest::newRow("a~b") << QStringList{"BiaoDing/TempRange=0", "BiaoDing/TempRange0=a~b"} << -1 << -1 << QByteArray("Black");
    QTest::newRow("100~100") << QStringList{"BiaoDing/TempRange=0", "BiaoDing/TempRange0=100~100"} << -1 << -1 << QByteArray("Black");
    QTest::newRow("range 9") << QStringList{"BiaoDing/TempRange=9"} << -1 << -1 << QByteArray("Black");
    QTest::newRow("long colour") << QStringList{"ISO/Color=GreenGreenGreenGreen"} << -20 << 150 << QByteArray("GreenGreenG");
    QTest::newRow("hostile language") << QStringList{"Lang=../../etc/x", "ISO/IsoLevelMin=nan"} << -20 << 150 << QByteArray("Black");
}

// Written before the main window is built, applied by init; Laser and
// Lamp always read "off" afterwards.
void TestSimStartUp::storedSettings()
{
    QFETCH(QStringList, settings);
    QFETCH(int, rangeMin);
    QFETCH(int, rangeMax);
    QFETCH(QByteArray, colour);
    m_sim.root = std::make_unique<TestRoot>();
    m_sim.simulator = std::make_unique<Simulator>();
    QVERIFY(m_sim.simulator->start(m_sim.root->hostPath(QStringLiteral("sim-root"))));
    {
        QSettings s(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
        s.setValue(QStringLiteral("Laser"), QStringLiteral("on"));
        s.setValue(QStringLiteral("Lamp"), QStringLiteral("on"));
        for (const QString &entry : settings)
            s.setValue(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    }
    const int viewMin = EGraphicsView::DefaultRangeMin;
    m_sim.live = startMainWindow();
    EGraphicsView *view = m_sim.live->view();
    QCOMPARE(view->tempRangeMin(), rangeMin == -1 ? viewMin : rangeMin);
    if (rangeMax != -1)
        QCOMPARE(view->tempRangeMax(), rangeMax);
    const Isotherm iso = m_sim.live->fpga()->getIsoPara();
    QCOMPARE(QByteArray(iso.colour), colour);
    QCOMPARE(iso.selector, 1);
    QVERIFY(std::isfinite(iso.lower));
    QSettings s(QStringLiteral("Parameter/Setting"), QSettings::NativeFormat);
    QCOMPARE(s.value(QStringLiteral("Laser")).toString(), QStringLiteral("off"));
    QCOMPARE(s.value(QStringLiteral("Lamp")).toString(), QStringLiteral("off"));
    QVERIFY(m_sim.live->keyFilter());
    QVERIFY(EGlobal::get_FilenameSystem());
}

void TestSimStartUp::escapeLongPress()
{
    m_sim.start();
    EMainWindow &window = *m_sim.live;
    EToolWidget *bar = EGlobal::getToolBar();
    QVERIFY(bar);
    // Fusion indicator hidden: the menu shows, no timer runs.
    bar->setMixVisible(false);
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(window.menu()->isVisibled());
    QVERIFY(!window.longPressTimer()->isActive());
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(!window.menu()->isVisibled());

    bar->setMixVisible(true);
    bar->setMixIndex(3);
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(window.longPressTimer()->isActive());
    window.slot_longPress();
    QCOMPARE(bar->getMixIndex(), 0);
    QVERIFY(!window.longPressTimer()->isActive());
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(!window.menu()->isVisibled());

    // In the calibration interface the menu stays away; the timer still runs.
    window.view()->setInterfaceMode(EGraphicsViewPrivate::CalibrationInterface);
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_Escape);
    QVERIFY(!window.menu()->isVisibled());
    QVERIFY(window.longPressTimer()->isActive());
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_Escape);
    window.view()->setInterfaceMode(EGraphicsViewPrivate::NormalInterface);
}

void TestSimStartUp::photoAndCard()
{
    // The sensor check's pauses are seconds long: shortened here.
    Intervals::setScale(0.01);
    m_sim.start();
    EMainWindow &window = *m_sim.live;
    EToolWidget *bar = EGlobal::getToolBar();
    // The card is in its slot at power-on: the gadget is loaded and the
    // status bar shows it; the first shutter follows the sensor check.
    QTRY_VERIFY(bar->SDCardStatus());
    QVERIFY(runner()->lines().contains(
        QStringLiteral("insmod /works/drivers/g_file_storage.ko file=/dev/mmcblk0p1 stall=0 removable=1")));
    QTRY_VERIFY_WITH_TIMEOUT(window.sensorChecked(), 30000);
    saveScreen("startup_live.png");

    // S: the picture freezes, the save thread and encoder-sim write the
    // photo with the overlay in it, and the status bar comes back.
    QSignalSpy saved(window.saveImage(), &SaveImage::photoSaved);
    QSignalSpy shown(window.saveImage(), &SaveImage::showIRWrapsignals);
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_S);
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_S);
    QTRY_COMPARE(shown.count(), 1);
    // While it saves: the file name on the picture, the status bar away.
    if (saved.isEmpty()) {
        QVERIFY(!bar->isVisible());
        saveScreen("startup_saving.png");
    }
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 1, 20000);
    const QString name = saved.at(0).at(0).toString();
    const QByteArray written = m_sim.root->readFile(SaveImage::photoPath(name));
    QVERIFY(!QImage::fromData(written, "JPEG").isNull());
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(window.capturePanel()->get_Imagestate(), 0);

    // The one composition path: encoder-sim's picture with the overlay in
    // it, its own block kept, the trailer after it; no card fault, so no
    // remount.
    const PhotoReader::Photo photo = PhotoReader::readPhoto(written);
    QVERIFY(photo.valid && photo.irBlock.isValid());
    QCOMPARE(photo.entries.at(0).range.length, qint64(EncoderPhoto::BlockSize));
    QCOMPARE(QImage::fromData(written.left(int(photo.jpegLength)), "JPEG").size(), QSize(640, 480));
    const QString remount = QStringLiteral("mount -o remount,rw /dev/mmcblk0p1");
    QVERIFY(!runner()->lines().contains(remount));
    saveScreen("startup_photo.png");

    // encoder-sim leaves a file whose length does not fit it: the capture
    // still ends and nothing is left on the card. The key's snapshot does
    // not bring the capture window up.
    QVERIFY(m_sim.root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), "bad-length\n"));
    QSignalSpy failed(window.saveImage(), &SaveImage::saveFailed);
    QTest::keyPress(m_sim.screen->windowHandle(), Qt::Key_S);
    QTest::keyRelease(m_sim.screen->windowHandle(), Qt::Key_S);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 20000);
    QCOMPARE(saved.count(), 1);
    QTRY_VERIFY(bar->isVisible());
    QVERIFY(!window.capturePanel()->isVisible());
    QCOMPARE(window.capturePanel()->get_Imagestate(), 0);
    QCOMPARE(QDir(m_sim.root->hostPath(QStringLiteral("/media/mmc/image"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{name});
    QVERIFY(!runner()->lines().contains(remount));
    QVERIFY(m_sim.root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), QByteArray()));
    runner()->clear();

    // The card taken out: the status bar follows, the gadget goes.
    QVERIFY(m_sim.simulator->cardSlot()->writeCard(1));
    QTRY_VERIFY(!bar->SDCardStatus());
    QTRY_VERIFY(runner()->lines().contains(QStringLiteral("rmmod g_file_storage")));
    saveScreen("startup_card_out.png");
    Intervals::setScale(1.0);
}

QTEST_MAIN(TestSimStartUp)
#include "tst_simstartup.moc"
