#include "boardview.h"

#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "ependingsettings.h"
#include "etoolwidget.h"
#include "freespace.h"
#include "indicator.h"
#include "indicatorimage.h"
#include "ir_indicator.h"
#include "intervals.h"
#include "paths.h"
#include "zflickertime.h"

#include <QDir>
#include <QFile>
#include <QtTest>

// The live view's services over the simulated board: the shutter notice
// and overlapping shutters, tips under the notice, pausing, the card's
// free space, the video order, the time format and the recording flag.
class TestLiveServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void overlappingShutters();
    void tipsUnderTheNotice();
    void pauseAndResume();
    void freeSpace_data();
    void freeSpace();
    void videoOrder();
    void videoOrderTies_data();
    void videoOrderTies();
    void timeFormat_data();
    void timeFormat();
    void recordingFlagAndZoomText();
    void wrapIndicators();
};


void TestLiveServices::cleanup()
{
    FreeSpace::setScript(nullptr);
    Intervals::setScale(1.0);
}

void TestLiveServices::overlappingShutters()
{
    Intervals::setScale(0.01);
    BoardView b;
    EGraphicsView &view = *b.view;
    view.shutterHandler();
    QVERIFY(view.isShutting() && view.isCalibrating());
    QCOMPARE(view.getTipsText(), QStringLiteral("Calibrating..."));
    QTest::qWait(Intervals::ms(1500));
    // A second shutter restarts the one notice: it ends 2.5 s after the
    // second, and the first never clears the flag early.
    view.shutterHandler();
    QCOMPARE(view.shutterTimer()->remainingTime() > Intervals::ms(2000), true);
    QTest::qWait(Intervals::ms(1500));
    QVERIFY(view.isShutting());
    QTRY_VERIFY(!view.isShutting());
    QVERIFY(!view.isCalibrating());
    QVERIFY(!view.shutterTimer()->isActive());
}

void TestLiveServices::tipsUnderTheNotice()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.setTipsVisibled(false);
    view.shutterHandler();
    view.setTipsText(QStringLiteral("No Lens!"));
    QCOMPARE(view.getTipsText(), QStringLiteral("No Lens!"));
    view.setTipsVisibled(true);
    view.slot_hideShutterDisplay();
    QCOMPARE(view.getTipsText(), QStringLiteral("No Lens!"));
    QVERIFY(view.tipsVisibled());
    view.setTipsVisibled_p(false);
    QVERIFY(!view.tipsVisibled());
}

void TestLiveServices::pauseAndResume()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.toolBar()->shutterHandler(true, 20);
    QVERIFY(view.autoLevelSpanTimer()->isActive());
    view.saveStatus();
    QVERIFY(!view.autoLevelSpanTimer()->isActive());
    QVERIFY(!view.readingsTimer()->isActive());
    QVERIFY(!view.toolBar()->shutterTimer()->isActive());
    view.restoreStatus();
    QVERIFY(view.autoLevelSpanTimer()->isActive());
    QCOMPARE(view.readingsTimer()->interval(), 640);
    QVERIFY(view.toolBar()->shutterTimer()->isActive());
    // Every return begins with a shutter.
    QVERIFY(view.isShutting() && view.isCalibrating());

    // In manual mode the refresh stays off after resuming.
    view.setLevelSpanMode(MODE_MANUAL);
    view.saveStatus();
    view.restoreStatus();
    QVERIFY(!view.autoLevelSpanTimer()->isActive());
}

void TestLiveServices::freeSpace_data()
{
    QTest::addColumn<qint64>("freeBytes");
    QTest::addColumn<int>("sideFileMiB");
    QTest::addColumn<qint64>("reported");
    QTest::addColumn<bool>("noPhoto");
    QTest::addColumn<bool>("noVideo");
    const qint64 MiB = 1048576;
    QTest::newRow("0.9 MiB: no photo") << qint64(MiB * 9 / 10) << 0 << qint64(0) << true << true;
    QTest::newRow("5.5 MiB: photo, no video") << qint64(MiB * 11 / 2) << 0 << qint64(5) << false << true;
    QTest::newRow("6 MiB: both") << qint64(6 * MiB) << 0 << qint64(6) << false << false;
    QTest::newRow("side file of 3 MiB") << qint64(8 * MiB) << 3 << qint64(5) << false << true;
    QTest::newRow("beyond 32 bits") << qint64(64) * 1024 * MiB << 0 << qint64(65536) << false << false;
    QTest::newRow("statfs fails") << qint64(-1) << 3 << qint64(-3) << true << true;
}

void TestLiveServices::freeSpace()
{
    QFETCH(qint64, freeBytes);
    QFETCH(int, sideFileMiB);
    QFETCH(qint64, reported);
    QFETCH(bool, noPhoto);
    QFETCH(bool, noVideo);
    TestRoot root;
    if (sideFileMiB > 0) {
        QDir().mkpath(Paths::resolve(QStringLiteral("/root")));
        QFile side(Paths::resolve(QStringLiteral("/root/tmp.avi")));
        QVERIFY(side.open(QIODevice::WriteOnly));
        QVERIFY(side.resize(qint64(sideFileMiB) * 1048576 + 100));
    }
    QString asked;
    FreeSpace::setScript([&](const QString &path) {
        asked = path;
        return freeBytes;
    });
    QCOMPARE(EGraphicsView::getFileSize(), sideFileMiB);
    QCOMPARE(EGraphicsView::getSDCardInfo(), reported);
    QCOMPARE(asked, QStringLiteral("/media/mmc"));
    QCOMPARE(EGraphicsView::getPhotoSDCardInfo(), noPhoto);
    QCOMPARE(EGraphicsView::getVideoSDCardInfo(), noVideo);
}

void TestLiveServices::videoOrder()
{
    BoardView b;
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    b.view->sacnVideoDir();
    QVERIFY(QDir(folder).exists());
    QCOMPARE(b.view->getScanVideoFileSize(), 0);
    for (const char *name : {"181214_0002V.mp4", "notes.txt", "181214_0010V.mp4", "clip.MP4", "190101_0001V.mp4",
                             "181214_0002X.mp4", "181214_9999V.mp4", "181214_10000V.mp4"}) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    b.view->sacnVideoDir();
    // Stable: the two 181214_0002 names keep their name order; a name
    // without a date comes last; the number is its whole digit run, so
    // 10000 comes before 9999.
    const QStringList expected{QStringLiteral("190101_0001V.mp4"), QStringLiteral("181214_10000V.mp4"),
                               QStringLiteral("181214_9999V.mp4"), QStringLiteral("181214_0010V.mp4"),
                               QStringLiteral("181214_0002V.mp4"), QStringLiteral("181214_0002X.mp4"),
                               QStringLiteral("clip.MP4")};
    QCOMPARE(b.view->getScanVideoFile(), expected);
}

// Names that share a date and a number (or have neither) go by name
// regardless of case, then upper case first.
void TestLiveServices::videoOrderTies_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("one number, several cases") << QStringList{"181214_0002v.mp4", "181214_0002V.mp4", "181214_0002V.MP4", "181214_0002a.mp4"}
                                               << QStringList{"181214_0002a.mp4", "181214_0002V.MP4", "181214_0002V.mp4", "181214_0002v.mp4"};
    QTest::newRow("no date") << QStringList{"b.mp4", "B.mp4", "a.mp4", "ab.mp4"} << QStringList{"a.mp4", "ab.mp4", "B.mp4", "b.mp4"};
    // The eighth character on is read as the number, whatever the name.
    QTest::newRow("no date, a digit eighth") << QStringList{"a.mp4", "clip.MP4", "Clip.mp4"}
                                             << QStringList{"Clip.mp4", "clip.MP4", "a.mp4"};
    QTest::newRow("numbers") << QStringList{"181214_0002V.mp4", "181214_10V.mp4", "181214_0100V.mp4", "181215_0001V.mp4", "18121_0009V.mp4"}
                             << QStringList{"181215_0001V.mp4", "181214_0100V.mp4", "181214_10V.mp4", "181214_0002V.mp4", "18121_0009V.mp4"};
    QTest::newRow("dated before undated") << QStringList{"A.mp4", "000001_0000V.mp4", "a.mp4"}
                                          << QStringList{"000001_0000V.mp4", "A.mp4", "a.mp4"};
}

void TestLiveServices::videoOrderTies()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, order);
    BoardView b;
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    QVERIFY(QDir().mkpath(folder));
    for (const QString &name : files) {
        QFile file(folder + QLatin1Char('/') + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    b.view->sacnVideoDir();
    QCOMPARE(b.view->getScanVideoFile(), order);
}

void TestLiveServices::timeFormat_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("format");
    QTest::newRow("missing") << QByteArray() << 24;
    QTest::newRow("12") << QByteArray("Timeformat=12\n") << 12;
    QTest::newRow("zero") << QByteArray("Timeformat=0\n") << 24;
    QTest::newRow("negative") << QByteArray("Timeformat=-5\n") << 24;
    QTest::newRow("text") << QByteArray("Timeformat=abc\n") << 24;
}

void TestLiveServices::timeFormat()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, format);
    BoardView b("[General]\n" + settings);
    QCOMPARE(b.view->gettimeFormat(), format);
}

void TestLiveServices::recordingFlagAndZoomText()
{
    BoardView b;
    CvmainWindow panel;
    EGlobal::set_cvmainwindow(&panel);
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    b.view->toolBar()->displaySDCard(true);
    panel.video_start();
    QVERIFY(b.view->GetCameraVideoFlag());
    // The card filled up: the recording stops (after the short-stop wait,
    // since the encoder never confirmed a second).
    emit b.view->flickerTime()->spacesignals();
    QTRY_VERIFY(!b.view->GetCameraVideoFlag());
    QCOMPARE(panel.getCvMode(), int(CvmainWindow::CvStopping));
    panel.slot_threadVideoExit();
    panel.video_start();
    QVERIFY(b.view->GetCameraVideoFlag());
    panel.video_work(CvmainWindow::VIdle);
    QTRY_VERIFY(!b.view->GetCameraVideoFlag());
    FreeSpace::setScript(nullptr);
    EGlobal::set_cvmainwindow(nullptr);

    QVERIFY(!b.view->zoomItem()->isVisible());
    b.view->enableMultiRz(QStringLiteral("x2.0"));
    QVERIFY(b.view->zoomItem()->isVisible());
    QCOMPARE(b.view->zoomItem()->pos(), QPointF(320 - b.view->zoomItem()->boundingRect().width() + 2, 16));
    b.view->disableMultiRz();
    QVERIFY(!b.view->zoomItem()->isVisible());
}

void TestLiveServices::wrapIndicators()
{
    BoardView b;
    EGraphicsView &view = *b.view;
    view.showIRWrapIndicator("181214_0002.jpg");
    IR_indicator *first = view.irIndicator();
    QVERIFY(first);
    view.showIRWrapIndicator("other");
    QCOMPARE(view.irIndicator(), first);
    QCOMPARE(first->message(), QStringLiteral("181214_0002.jpg"));
    view.hideIRWrapIndicator();
    QVERIFY(!view.irIndicator());
    view.hideIRWrapIndicator();

    CvmainWindow panel;
    EGlobal::set_cvmainwindow(&panel);
    panel.show();
    view.showVideoWrapIndicator(&view, ":/images/wait.png");
    QVERIFY(view.getWaitIrAdmode());
    QVERIFY(view.videoIndicator());
    QVERIFY(!panel.isVisible());
    view.stopVideoWrapIndicator();
    QVERIFY(!view.getWaitIrAdmode() && !view.videoIndicator());
    QVERIFY(panel.isVisible());
    EGlobal::set_cvmainwindow(nullptr);

    // The card filled up during a recording: a tip over the view.
    EGraphicsView::showWrapIndicator(&view, "Lack of space");
    const QList<Indicator *> tips = view.findChildren<Indicator *>();
    QCOMPARE(tips.size(), 1);
    QCOMPARE(tips.first()->text(), QStringLiteral("Lack of space"));
}

QTEST_MAIN(TestLiveServices)
#include "tst_liveservices.moc"
