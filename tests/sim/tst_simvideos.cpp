#include "../smplayer/fakethumbnailer.h"
#include "../smplayer/scriptedplayer.h"
#include "../smplayer/sidedatavideo.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "einterfaceitem.h"
#include "emaininterface.h"
#include "ephotosgraphicsview.h"
#include "espotwidget.h"
#include "evideographicsview.h"
#include "fontfamilies.h"
#include "imagearea.h"
#include "nativename.h"
#include "livescreen.h"
#include "paths.h"
#include "qphotoinfolabel.h"
#include "pmainwindow.h"
#include "screendirectory.h"
#include "screentouch.h"
#include "smaplayer.h"
#include "videointerface.h"
#include "videotoolwidget.h"
#include "videoview.h"
#include "volumeinterface.h"
#include "zvideoloadthread.h"

#include <QLoggingCategory>
#include <QLabel>
#include <QProcess>
#include <QPointingDevice>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <cstdio>

// The video list and player as `ostrel --simulate` has them, reached by
// touch through the main menu's Play tile: the empty notice, the grid with
// its thumbnails, a scroll, a delete in delete mode, a video played with
// its recorded measurements over the simulated screen's picture, the
// transport and the volume shown and hidden, and the way back. The player
// is scripted, so every step is known. With OSTREL_SCREENS_DIR set each
// state is written as a PNG.
class TestSimVideos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void emptyFolder();
    void gridScrollDeleteAndPlay();
    void namesAsTheCardHoldsThem();
    void recordingPlaysInMpv();
    void playlistNamedAsARecordingIsRefused();

private:
    void openPlayer();
    void fingerAt(QWidget *window, const QPoint &at);
    void finger(QWidget *target);
    void fingerInPlayback(QWidget *target);
    void drag(QWidget *window, const QPoint &from, const QPoint &to);
    void save(const char *name);
    Smaplayer *player() { return m_sim.live->menu()->videoBrowser(); }
    void writeVideos(int count);

    LiveScreen m_sim;
    QPointingDevice *m_finger = nullptr;
    FakeThumbnailer *m_thumbnailer = nullptr;
};

void TestSimVideos::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.warning=false"));
    FontFamilies::install();
    QApplication::setFont(QFont(QStringLiteral("wenquanyi"), 16));
    m_thumbnailer = new FakeThumbnailer;
    VideoThumbnailer::install(m_thumbnailer);
    ScriptedPlayer::install();
    m_sim.start(true);
    QVERIFY(!QTest::currentTestFailed());
    m_finger = QTest::createTouchDevice();
}

void TestSimVideos::cleanupTestCase()
{
    m_sim.stop();
    ScriptedPlayer::uninstall();
    VideoThumbnailer::install(nullptr);
}

void TestSimVideos::save(const char *name)
{
    ScreenTouch::save(m_sim.screen.get(), QLatin1String(name));
}

void TestSimVideos::fingerAt(QWidget *window, const QPoint &at)
{
    ScreenTouch::fingerAt(m_finger, window, at);
}

void TestSimVideos::finger(QWidget *target)
{
    ScreenTouch::finger(m_finger, target);
}

// The player widget sits in the playback screen's scene at (0, 0).
void TestSimVideos::fingerInPlayback(QWidget *target)
{
    QVERIFY(target && target->isVisible());
    EVideoGraphicsView *playback = player()->playback();
    fingerAt(playback, target->mapTo(playback->videoView(), target->rect().center()));
}

void TestSimVideos::drag(QWidget *window, const QPoint &from, const QPoint &to)
{
    QTest::touchEvent(window->windowHandle(), m_finger).press(0, from);
    for (int i = 1; i <= 5; ++i)
        QTest::touchEvent(window->windowHandle(), m_finger).move(0, from + (to - from) * i / 5);
    QTest::touchEvent(window->windowHandle(), m_finger).release(0, to);
}

void TestSimVideos::openPlayer()
{
    EMainInterface *menu = m_sim.live->menu();
    if (!menu->isVisible())
        fingerAt(m_sim.screen.get(), QPoint(250, 150));
    QVERIFY(menu->isVisible());
    finger(menu->tile(QStringLiteral("Play")));
    QVERIFY(player() && player()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(player()));
}

// Recordings with one spot in every second's record, newest first by name.
void TestSimVideos::writeVideos(int count)
{
    for (int i = 1; i <= count; ++i) {
        SideDataVideo video;
        video.videoBytes = 150000;
        video.spot = true;
        for (int s = 0; s < 20; ++s)
            video.seconds << s;
        const QString path = Paths::resolve(QStringLiteral("/media/mmc/videoFile/181214_%1V.mp4").arg(i, 4, 10, QLatin1Char('0')));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(video.write(path));
        // The encoder's last eight bytes of the video data.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(video.videoBytes - 8));
        file.write("f52.31.0");
    }
}

void TestSimVideos::emptyFolder()
{
    openPlayer();
    ScreenDirectory *grid = player()->list()->area()->screen();
    QVERIFY(grid->files.isEmpty());
    save("videos_empty.png");
    finger(player()->exitButton());
    QTRY_VERIFY(!player()->isVisible());
    QVERIFY(m_sim.live->view()->isVisibled());
}

void TestSimVideos::gridScrollDeleteAndPlay()
{
    writeVideos(14);
    openPlayer();
    PMainWindow *list = player()->list();
    ScreenDirectory *grid = list->area()->screen();
    QCOMPARE(grid->files.size(), 14);
    QCOMPARE(grid->contentHeight(), 320);
    // The worker fills the cache; the grid shows each picture once reported.
    QTRY_COMPARE_WITH_TIMEOUT(m_thumbnailer->madeSoFar().size(), 14, 20000);
    QTRY_VERIFY(!grid->worker()->isRunning());
    QTRY_VERIFY(!m_sim.live->view()->getWaitIrAdmode());
    list->area()->repaint();
    QVERIFY(grid->hasThumbnail(0) && grid->hasThumbnail(11));
    QCOMPARE(list->geometry(), QRect(0, 0, 320, 240));
    save("videos_grid.png");

    // A finger drags the grid up; it eases to the end of its range.
    drag(player(), QPoint(160, 180), QPoint(160, 60));
    QVERIFY(grid->targetOffset() > 0);
    for (int i = 0; i < 50 && grid->shownOffset() != grid->targetOffset(); ++i)
        QMetaObject::invokeMethod(list->area()->tick(), "timeout");
    QCOMPARE(grid->shownOffset(), grid->targetOffset());
    QCOMPARE(grid->targetOffset(), 80);
    drag(player(), QPoint(160, 40), QPoint(160, 180));
    for (int i = 0; i < 50 && grid->shownOffset() != grid->targetOffset(); ++i)
        QMetaObject::invokeMethod(list->area()->tick(), "timeout");
    QCOMPARE(grid->shownOffset(), 0);

    // Delete mode: two marked, deleted with their thumbnails.
    finger(list->bar()->deleteButton());
    QVERIFY(grid->deleteMode());
    const QString second = grid->files.at(1);
    const QString secondThumb = ZVideoloadThread::thumbnailPath(second);
    QVERIFY(QFile::exists(secondThumb));
    fingerAt(player(), QPoint(120, 30));
    fingerAt(player(), QPoint(200, 30));
    QCOMPARE(grid->selectedCount(), 2);
    list->area()->repaint();
    save("videos_delete.png");
    finger(list->bar()->deleteFilesButton());
    QCOMPARE(grid->files.size(), 12);
    QVERIFY(!grid->files.contains(second));
    QVERIFY(!QFile::exists(ZVideoloadThread::videoPath(second)));
    QVERIFY(!QFile::exists(secondThumb));
    finger(list->bar()->backButton());
    QVERIFY(!grid->deleteMode());

    // A tap plays the newest video with its recorded measurements.
    fingerAt(player(), QPoint(40, 30));
    EVideoGraphicsView *playback = player()->playback();
    QTRY_VERIFY(playback->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(playback));
    VideoView *view = playback->videoView();
    VideoInterface *transport = view->transport();
    QVERIFY(transport && transport->isVisible());
    fingerInPlayback(transport->playButton());
    ScriptedPlayer *scripted = ScriptedPlayer::last();
    QCOMPARE(scripted->calls, QStringList{QStringLiteral("play ") + ZVideoloadThread::videoPath(grid->files.at(0))});
    scripted->state(MplayLib::stPlaying);
    scripted->length(20);
    scripted->position(3);
    transport->seekPlay(3);
    QCOMPARE(playback->shownRecordSecond(), 3);
    QVERIFY(playback->replay()->spot(1)->isVisibled());
    // The simulated screen shows the player's picture at its position.
    m_sim.screen->refreshVideoFrame();
    QTRY_VERIFY(!m_sim.screen->videoFrame().isNull());
    QCOMPARE(m_thumbnailer->framesSoFar(), QList<int>{3});
    // The same position is not decoded again; a new one is.
    m_sim.screen->refreshVideoFrame();
    QCOMPARE(m_thumbnailer->framesSoFar(), QList<int>{3});
    scripted->position(4);
    m_sim.screen->refreshVideoFrame();
    QTRY_COMPARE(m_thumbnailer->framesSoFar(), (QList<int>{3, 4}));
    scripted->position(3);
    m_sim.screen->refreshVideoFrame();
    QTRY_COMPARE(m_thumbnailer->framesSoFar().size(), 3);
    save("videos_playback.png");

    // The volume button shows the slider; a touch beside hides both.
    fingerInPlayback(transport->volumeButton());
    QVERIFY(view->volumeSlider()->isVisible());
    save("videos_volume.png");
    fingerAt(playback, QPoint(100, 60));
    QVERIFY(!transport->isVisible());
    QVERIFY(!view->volumeSlider()->isVisible());
    fingerAt(playback, QPoint(100, 60));
    QVERIFY(transport->isVisible());

    // The list button goes back to the list, the exit to the live view.
    fingerInPlayback(transport->listButton());
    QTRY_VERIFY(!playback->isVisible());
    QVERIFY(list->isVisible());
    m_sim.screen->refreshVideoFrame();
    QVERIFY(m_sim.screen->videoFrame().isNull());
    finger(list->bar()->exitButton());
    QTRY_VERIFY(!player()->isVisible());
    QVERIFY(m_sim.live->view()->isVisibled());
}

// Three recordings whose names all read as "look\uFFFD.mp4", two of them not
// UTF-8: three tiles with pictures of their own, and a tap plays that file.
void TestSimVideos::namesAsTheCardHoldsThem()
{
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    const QByteArrayList names{"look\xfe.mp4", "look\xff.mp4", "look\xef\xbf\xbd.mp4"};
    const QByteArray host = QFile::encodeName(folder) + '/';
    auto removeAll = qScopeGuard([&] {
        for (const QByteArray &name : names)
            ::unlink((host + name).constData());
    });
    // Each of its own length, so the bytes tell them apart.
    for (const QByteArray &name : names) {
        SideDataVideo video;
        video.videoBytes = 150000 + 1000 * int(names.indexOf(name));
        video.spot = true;
        video.seconds << 0 << 1;
        const QString plain = folder + QStringLiteral("/plain.mp4");
        QVERIFY(video.write(plain));
        QFile file(plain);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(video.videoBytes - 8));
        file.write("f52.31.0");
        file.close();
        QCOMPARE(std::rename(QFile::encodeName(plain).constData(), (host + name).constData()), 0);
    }
    const int before = int(m_thumbnailer->madeSoFar().size());
    openPlayer();
    PMainWindow *list = player()->list();
    ScreenDirectory *grid = list->area()->screen();
    QCOMPARE(grid->files.size(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(int(m_thumbnailer->madeSoFar().size()), before + 3, 20000);
    QTRY_VERIFY(!grid->worker()->isRunning());
    QTRY_VERIFY((list->area()->repaint(), grid->hasThumbnail(0) && grid->hasThumbnail(1) && grid->hasThumbnail(2)));
    save("videos_raw_names.png");

    const int index = int(grid->files.indexOf(NativeName::decode("look\xff.mp4")));
    QVERIFY(index >= 0);
    fingerAt(player(), QPoint(index * grid->cellWidth() + 40, 30));
    EVideoGraphicsView *playback = player()->playback();
    QTRY_VERIFY(playback->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(playback));
    VideoInterface *transport = playback->videoView()->transport();
    fingerInPlayback(transport->playButton());
    const QStringList calls = ScriptedPlayer::last()->calls;
    QCOMPARE(calls.size(), 1);
    QFile played(calls.at(0).mid(5));
    QVERIFY(played.open(QIODevice::ReadOnly));
    QFile listed;
    QVERIFY(NativeName::openForReading(listed, NativeName::decode(host + "look\xff.mp4")));
    QCOMPARE(played.readAll(), listed.readAll());
    QVERIFY(playback->videoView()->banner()->information().startsWith(QStringLiteral("look\uFFFD.mp4\n")));
    save("videos_raw_name_playback.png");
    fingerInPlayback(transport->exitButton());
    QTRY_VERIFY(!player()->isVisible());
}

// The real sides: a recording encoder-sim made gets its picture from the
// thumbnailer and plays in a headless mpv with its recorded measurements
// over the frames the simulated screen takes.
void TestSimVideos::recordingPlaysInMpv()
{
    VideoThumbnailer::install(nullptr);
    ScriptedPlayer::uninstall();
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString video = folder + QStringLiteral("/181215_0001V.mp4");
    QProcess encoder;
    encoder.start(QStringLiteral(ENCODER_SIM_BINARY), {QStringLiteral("--make-recording"), video, QStringLiteral("8")});
    QVERIFY(encoder.waitForFinished(60000));
    QCOMPARE(encoder.exitCode(), 0);

    openPlayer();
    ScreenDirectory *grid = player()->list()->area()->screen();
    QCOMPARE(grid->files, QStringList{QStringLiteral("181215_0001V.mp4")});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ZVideoloadThread::thumbnailPath(grid->files.at(0))), 20000);
    QTRY_VERIFY(!grid->worker()->isRunning());
    // The worker's word that the picture is made may arrive after it ended;
    // a paint before it finds none and the next one takes it.
    QTRY_VERIFY((player()->list()->area()->repaint(), grid->hasThumbnail(0)));
    QCOMPARE(grid->thumbnailImage(0).size(), QSize(72, 54));
    save("videos_recording_grid.png");

    fingerAt(player(), QPoint(40, 30));
    EVideoGraphicsView *playback = player()->playback();
    QTRY_VERIFY(playback->isVisible());
    QVERIFY(playback->firstRecordOffset() > 0);
    VideoInterface *transport = playback->videoView()->transport();
    fingerInPlayback(transport->playButton());
    QTRY_VERIFY_WITH_TIMEOUT(transport->length() == 8, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(transport->shownSecond() >= 1, 10000);
    QVERIFY(playback->shownRecordSecond() >= 0);
    // The slider moved on: the overlay shows that second's record at once.
    transport->slider()->setSliderDown(true);
    transport->slider()->setSliderPosition(6);
    transport->slider()->setSliderDown(false);
    QCOMPARE(playback->shownRecordSecond(), 6);
    m_sim.screen->refreshVideoFrame();
    QTRY_VERIFY_WITH_TIMEOUT(!m_sim.screen->videoFrame().isNull(), 10000);
    save("videos_recording_playback.png");

    // To its end: the transport and the overlay go back to idle.
    QTRY_VERIFY_WITH_TIMEOUT(!transport->isStarted(), 15000);
    QCOMPARE(playback->shownRecordSecond(), -1);
    fingerInPlayback(transport->exitButton());
    QTRY_VERIFY(!player()->isVisible());
    QVERIFY(m_sim.live->view()->isVisibled());
}

// A playlist on the card named like a recording, naming a recording off
// the card: mpv plays nothing of it and the playback screen says so.
void TestSimVideos::playlistNamedAsARecordingIsRefused()
{
    VideoThumbnailer::install(nullptr);
    ScriptedPlayer::uninstall();
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/videoFile"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    const QString elsewhere = Paths::resolve(QStringLiteral("/outside/elsewhere.mp4"));
    QDir().mkpath(QFileInfo(elsewhere).absolutePath());
    QProcess encoder;
    encoder.start(QStringLiteral(ENCODER_SIM_BINARY), {QStringLiteral("--make-recording"), elsewhere, QStringLiteral("4")});
    QVERIFY(encoder.waitForFinished(60000));
    QCOMPARE(encoder.exitCode(), 0);
    QFile playlist(folder + QStringLiteral("/181216_0001V.mp4"));
    QVERIFY(playlist.open(QIODevice::WriteOnly));
    playlist.write("#EXTM3U\n" + QFile::encodeName(elsewhere) + '\n');
    playlist.close();

    openPlayer();
    ScreenDirectory *grid = player()->list()->area()->screen();
    QCOMPARE(grid->files, QStringList{QStringLiteral("181216_0001V.mp4")});
    QTRY_VERIFY(!grid->worker()->isRunning());
    fingerAt(player(), QPoint(40, 30));
    EVideoGraphicsView *playback = player()->playback();
    QTRY_VERIFY(playback->isVisible());
    VideoView *view = playback->videoView();
    VideoInterface *transport = view->transport();
    fingerInPlayback(transport->playButton());
    QTRY_VERIFY_WITH_TIMEOUT(transport->wasRefused(), 15000);
    QVERIFY(view->refusalNotice()->isVisible());
    QCOMPARE(transport->length(), 0);
    QVERIFY(!transport->isStarted());
    save("videos_refused.png");
    fingerInPlayback(transport->exitButton());
    QTRY_VERIFY(!player()->isVisible());
}

QTEST_MAIN(TestSimVideos)
#include "tst_simvideos.moc"
