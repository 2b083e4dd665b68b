#include "boardview.h"
#include "evideographicsview.h"
#include "fakethumbnailer.h"
#include "messagechannel.h"
#include "nativename.h"
#include "paths.h"
#include "pmainwindow.h"
#include "qphotoinfolabel.h"
#include "screendirectory.h"
#include "imagearea.h"
#include "scriptedplayer.h"
#include "simmixer.h"
#include "smaplayer.h"
#include "testroot.h"
#include "thumbcache.h"
#include "videointerface.h"
#include "videoview.h"
#include "volumeinterface.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The player window: which file a list position plays, the player widget's
// transport, volume and banner, and the messages that leave playback.
class TestVideoPlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pathOfAListPosition_data();
    void pathOfAListPosition();
    void vanishedFilePlaysNothing();
    void playingBuildsTheTransport();
    void refusedFileIsToldAndAStopIsNot_data();
    void refusedFileIsToldAndAStopIsNot();
    void linkOnTheCardIsNotListedNorPlayed();
    void touchesShowAndHideTheTransport();
    void volumeButtonAndHideTimer();
    void mixerLevels_data();
    void mixerLevels();
    void bannerReadsNameDateAndTime();
    void tileOfANameThatIsNotUtf8Plays_data();
    void tileOfANameThatIsNotUtf8Plays();
    void bannerOfANameThatIsNotUtf8();
    void listMessageEndsPlaybackAndTheNextFileStartsAfresh();
    void exitMessageLeavesTheWindow();
    void escapeShowsTheListAgain();

private:
    void addVideos(int count);
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<BoardView> m_board;
    std::unique_ptr<Smaplayer> m_player;
};

void TestVideoPlayer::init()
{
    m_root = std::make_unique<TestRoot>();
    VideoThumbnailer::install(new FakeThumbnailer);
    ScriptedPlayer::install();
    SimMixer::install();
    m_board = std::make_unique<BoardView>();
    m_player = std::make_unique<Smaplayer>();
    m_player->show();
}

void TestVideoPlayer::cleanup()
{
    m_player.reset();
    m_board.reset();
    SimMixer::uninstall();
    ScriptedPlayer::uninstall();
    VideoThumbnailer::install(nullptr);
    m_root.reset();
}

void TestVideoPlayer::addVideos(int count)
{
    for (int i = 1; i <= count; ++i)
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/180305_%1V.mp4").arg(i, 4, 10, QLatin1Char('0')),
                                  QByteArray(100, 'v')));
    m_player->CreateMplayerList(true);
}

void TestVideoPlayer::pathOfAListPosition_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty folder") << 0 << 0 << QString();
    QTest::newRow("first, newest") << 3 << 0 << "180305_0003V.mp4";
    QTest::newRow("last") << 3 << 2 << "180305_0001V.mp4";
    QTest::newRow("one past the end") << 3 << 3 << QString();
    QTest::newRow("negative") << 3 << -1 << QString();
}

void TestVideoPlayer::pathOfAListPosition()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QString, name);
    addVideos(count);
    const QString path = m_player->GetCurrentPlayFilePath(index);
    QCOMPARE(path, name.isEmpty() ? QString() : Paths::resolve(QStringLiteral("/media/mmc/videoFile/") + name));
    m_player->RecvListSendItem(index, QString());
    QCOMPARE(m_player->playback()->isVisible(), !name.isEmpty());
}

void TestVideoPlayer::vanishedFilePlaysNothing()
{
    addVideos(2);
    QVERIFY(QFile::remove(m_player->GetCurrentPlayFilePath(0)));
    m_player->RecvListSendItem(0, QString());
    QVERIFY(!m_player->playback()->isVisible());
    QVERIFY(m_player->list()->isVisible());
}

void TestVideoPlayer::playingBuildsTheTransport()
{
    QVERIFY(m_root->writeFile(SimMixer::file(), QByteArray::number(60 + 256 * 40)));
    addVideos(2);
    m_player->RecvListSendItem(1, QString());
    VideoView *view = m_player->playback()->videoView();
    VideoInterface *transport = view->transport();
    QVERIFY(transport);
    QCOMPARE(transport->geometry(), QRect(20, 145, 280, 75));
    QVERIFY(transport->isVisibleTo(view));
    QCOMPARE(transport->videoFn(), m_player->GetCurrentPlayFilePath(1));
    QVERIFY(view->volumeSlider());
    QCOMPARE(view->volumeSlider()->pos(), QPoint(230, 25));
    QVERIFY(!view->volumeSlider()->isVisibleTo(view));
    QCOMPARE(view->volumeSlider()->getVolume(), 50);
    // Play waits for the user; the play key starts it.
    QVERIFY(ScriptedPlayer::last()->calls.isEmpty());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_I, Qt::NoModifier);
    QApplication::sendEvent(m_player->playback(), &key);
    QCOMPARE(ScriptedPlayer::last()->calls, QStringList{QStringLiteral("play ") + transport->videoFn()});
}

// The player giving up on a file before it plays is told on the screen;
// a file that played, or a stop the user asked for, tells nothing.
void TestVideoPlayer::refusedFileIsToldAndAStopIsNot_data()
{
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<bool>("userStop");
    QTest::addColumn<bool>("told");
    const int loading = MplayLib::stLoading, playing = MplayLib::stPlaying, stopped = MplayLib::stStopped;
    QTest::newRow("refused") << QList<int>{loading, stopped} << false << true;
    QTest::newRow("played to its end") << QList<int>{loading, playing, stopped} << false << false;
    QTest::newRow("stopped by the user while loading") << QList<int>{loading} << true << false;
}

void TestVideoPlayer::refusedFileIsToldAndAStopIsNot()
{
    QFETCH(QList<int>, states);
    QFETCH(bool, userStop);
    QFETCH(bool, told);
    addVideos(1);
    m_player->RecvListSendItem(0, QString());
    VideoView *view = m_player->playback()->videoView();
    QVERIFY(!view->refusalNotice()->isVisibleTo(view));
    QTest::mouseClick(view->transport()->playButton(), Qt::LeftButton);
    for (int state : std::as_const(states))
        ScriptedPlayer::last()->state(MplayLib::State(state));
    if (userStop)
        QTest::mouseClick(view->transport()->stopButton(), Qt::LeftButton);
    QCOMPARE(view->refusalNotice()->isVisibleTo(view), told);
    QCOMPARE(view->transport()->wasRefused(), told);
    if (told) {
        QCOMPARE(view->refusalNotice()->text(), QStringLiteral("This video cannot be played"));
        // The next file starts without it.
        m_player->RecvListSendItem(0, QString());
        QVERIFY(!view->refusalNotice()->isVisibleTo(view));
    }
}

// A link named like a recording leads off the card: it is not listed, and
// the player opens nothing through it.
void TestVideoPlayer::linkOnTheCardIsNotListedNorPlayed()
{
    QVERIFY(m_root->writeFile(QStringLiteral("/outside/elsewhere.mp4"), QByteArray(200000, 'v')));
    addVideos(1);
    const QString link = Paths::resolve(QStringLiteral("/media/mmc/videoFile/180305_0009V.mp4"));
    QVERIFY(QFile::link(m_root->hostPath(QStringLiteral("/outside/elsewhere.mp4")), link));
    m_player->CreateMplayerList(true);
    QCOMPARE(m_player->GetCurrentPlayFilePath(0), Paths::resolve(QStringLiteral("/media/mmc/videoFile/180305_0001V.mp4")));
    QVERIFY(m_player->GetCurrentPlayFilePath(1).isEmpty());
    QFile file;
    QVERIFY(!NativeName::openForReading(file, link));
}

void TestVideoPlayer::touchesShowAndHideTheTransport()
{
    addVideos(1);
    m_player->RecvListSendItem(0, QString());
    VideoView *view = m_player->playback()->videoView();
    QCOMPARE(view->isVideoInterface(11, 131), true);
    QCOMPARE(view->isVideoInterface(309, 229), true);
    QCOMPARE(view->isVideoInterface(10, 131), false);
    QCOMPARE(view->isVideoInterface(11, 130), false);
    QTest::mouseClick(view->transport()->volumeButton(), Qt::LeftButton);
    QVERIFY(view->volumeSlider()->isVisibleTo(view));
    // Beside the transport: both go.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 60));
    QVERIFY(!view->transport()->isVisibleTo(view));
    QVERIFY(!view->volumeSlider()->isVisibleTo(view));
    // Anywhere: the transport comes back, the volume stays hidden.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 60));
    QVERIFY(view->transport()->isVisibleTo(view));
    QVERIFY(!view->volumeSlider()->isVisibleTo(view));
}

void TestVideoPlayer::volumeButtonAndHideTimer()
{
    addVideos(1);
    m_player->RecvListSendItem(0, QString());
    VideoView *view = m_player->playback()->videoView();
    QPushButton *volume = view->transport()->volumeButton();
    QTest::mouseClick(volume, Qt::LeftButton);
    QVERIFY(view->volumeSlider()->isVisibleTo(view));
    QVERIFY(!view->volumeTimer()->isActive());   // showing starts no timer
    QTest::mouseClick(volume, Qt::LeftButton);
    QVERIFY(!view->volumeSlider()->isVisibleTo(view));
    QTest::mouseClick(volume, Qt::LeftButton);
    // A drag sets the mixer; letting go hides the slider 3 s later.
    VolumeInterface *slider = view->volumeSlider();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(20, 60));
    QTest::mouseMove(slider, QPoint(20, 30));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(20, 30));
    const int level = VolumeInterface::levelAt(30);
    QCOMPARE(SimMixer::storedValue(), level + 256 * level);
    QVERIFY(view->volumeTimer()->isActive());
    QCOMPARE(view->volumeTimer()->interval(), 3000);
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(20, 30));
    QVERIFY(!view->volumeTimer()->isActive());   // touched again: held
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(20, 30));
    view->Soundtimer_SLots();
    QVERIFY(!view->volumeSlider()->isVisibleTo(view));
}

void TestVideoPlayer::mixerLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("result");
    QTest::newRow("150") << 150 << 100;
    QTest::newRow("-5") << -5 << 0;
    QTest::newRow("42") << 42 << 42;
}

void TestVideoPlayer::mixerLevels()
{
    QFETCH(int, level);
    QFETCH(int, result);
    QCOMPARE(VideoView::set_volume(level), result);
    QCOMPARE(SimMixer::storedValue(), result + 256 * result);
    QCOMPARE(VideoView::get_volume(), result);
    SimMixer::install({true, false});
    QCOMPARE(VideoView::get_volume(), -1);
    QCOMPARE(VideoView::set_volume(level), -1);
}

void TestVideoPlayer::bannerReadsNameDateAndTime()
{
    addVideos(1);
    const QString path = m_player->GetCurrentPlayFilePath(0);
    m_player->RecvListSendItem(0, QString());
    const QDateTime created = ThumbCache::fileTime(QFileInfo(path));
    QCOMPARE(m_player->playback()->videoView()->banner()->information(),
             QStringLiteral("180305_0001V.mp4\n") + created.toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char('\n')
                 + created.toString(QStringLiteral("hh:mm:ss")));
    QCOMPARE(m_player->playback()->videoView()->banner()->geometry(), QRect(195, 0, 120, 45));
}

// Three names that all read as "look\uFFFD.mp4", two not UTF-8: a tap on
// each tile plays that very file (what the player opens holds its bytes).
void TestVideoPlayer::tileOfANameThatIsNotUtf8Plays_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("FE") << QByteArray("look\xfe.mp4");
    QTest::newRow("FF") << QByteArray("look\xff.mp4");
    QTest::newRow("replacement character") << QByteArray("look\xef\xbf\xbd.mp4");
}

void TestVideoPlayer::tileOfANameThatIsNotUtf8Plays()
{
    QFETCH(QByteArray, name);
    const QByteArray folder = QFile::encodeName(Paths::resolve(QStringLiteral("/media/mmc/videoFile"))) + '/';
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    const QByteArrayList names{"look\xfe.mp4", "look\xff.mp4", "look\xef\xbf\xbd.mp4"};
    // The temporary root's own removal cannot name them.
    auto removeAll = qScopeGuard([&] {
        for (const QByteArray &each : names)
            ::unlink((folder + each).constData());
    });
    for (const QByteArray &each : names) {
        const int fd = ::open((folder + each).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, each.constData(), size_t(each.size())), ssize_t(each.size()));
        ::close(fd);
    }
    m_player->CreateMplayerList(true);
    ScreenDirectory *screen = m_player->list()->area()->screen();
    QCOMPARE(screen->files.size(), 3);
    const int index = int(screen->files.indexOf(NativeName::decode(name)));
    QVERIFY(index >= 0);
    screen->onTap(index * screen->cellWidth() + 5, 10);
    QVERIFY(m_player->playback()->isVisible());
    QCOMPARE(m_player->playback()->videoView()->banner()->information().section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("look\uFFFD.mp4"));
    QKeyEvent key(QEvent::KeyPress, Qt::Key_I, Qt::NoModifier);
    QApplication::sendEvent(m_player->playback(), &key);
    const QStringList calls = ScriptedPlayer::last()->calls;
    QCOMPARE(calls.size(), 1);
    QVERIFY(calls.at(0).startsWith(QStringLiteral("play ")));
    QFile played(calls.at(0).mid(5));
    QVERIFY(played.open(QIODevice::ReadOnly));
    QCOMPARE(played.readAll(), name);
}

// The banner's date and time are those of the file under the name's bytes
// (Qt would look for "look\uFFFD.mp4", which is not there).
void TestVideoPlayer::bannerOfANameThatIsNotUtf8()
{
    const QByteArray path = QFile::encodeName(Paths::resolve(QStringLiteral("/media/mmc/videoFile"))) + "/look\xff.mp4";
    QVERIFY(QDir().mkpath(Paths::resolve(QStringLiteral("/media/mmc/videoFile"))));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    auto removeIt = qScopeGuard([&] { ::unlink(path.constData()); });
    m_player->CreateMplayerList(true);
    m_player->RecvListSendItem(0, QString());
    QVERIFY(m_player->playback()->isVisible());
    struct stat info {};
    QCOMPARE(::stat(path.constData(), &info), 0);
    const QDateTime created = QDateTime::fromSecsSinceEpoch(info.st_ctim.tv_sec);
    QCOMPARE(m_player->playback()->videoView()->banner()->information(),
             QStringLiteral("look\uFFFD.mp4\n") + created.toString(QStringLiteral("yyyy/MM/dd")) + QLatin1Char('\n')
                 + created.toString(QStringLiteral("hh:mm:ss")));
}

void TestVideoPlayer::listMessageEndsPlaybackAndTheNextFileStartsAfresh()
{
    addVideos(2);
    m_player->RecvListSendItem(0, QString());
    QVERIFY(m_player->playback()->isVisible());
    QPointer<VideoInterface> first = m_player->playback()->videoView()->transport();
    QTest::mouseClick(first->playButton(), Qt::LeftButton);
    ScriptedPlayer *player = ScriptedPlayer::last();
    QTest::mouseClick(first->listButton(), Qt::LeftButton);
    QTRY_VERIFY(!m_player->playback()->isVisible());
    QVERIFY(!first);                                    // the transport went
    QVERIFY(m_player->list()->isVisible());
    Q_UNUSED(player);
    m_player->RecvListSendItem(1, QString());
    VideoInterface *second = m_player->playback()->videoView()->transport();
    QVERIFY(second);
    QCOMPARE(second->geometry(), QRect(20, 145, 280, 75));
    QVERIFY(m_player->playback()->videoView()->volumeSlider());
}

void TestVideoPlayer::exitMessageLeavesTheWindow()
{
    MessageChannel menu(QStringLiteral("emaininterface"));
    QSignalSpy received(&menu, &MessageChannel::received);
    addVideos(1);
    m_player->RecvListSendItem(0, QString());
    QTest::mouseClick(m_player->playback()->videoView()->transport()->exitButton(), Qt::LeftButton);
    QTRY_COMPARE(received.size(), 1);
    QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("playexit"));
    QVERIFY(!m_player->playback()->isVisible());
    QVERIFY(!m_player->playback()->videoView()->transport());
}

void TestVideoPlayer::escapeShowsTheListAgain()
{
    addVideos(1);
    m_player->RecvListSendItem(0, QString());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_player->playback(), &key);
    QVERIFY(!m_player->playback()->isVisible());
    QVERIFY(m_player->list()->isVisible());
    QVERIFY(!m_player->playback()->videoView()->transport());
}

QTEST_MAIN(TestVideoPlayer)
#include "tst_videoplayer.moc"
