#include "evideographicsview.h"
#include "ffmpegvideothumbnailer.h"
#include "scriptedplayer.h"
#include "zvideoloadthread.h"
#include "mpvplayer.h"
#include "paths.h"
#include "testroot.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

// The mpv child behind the player seam, headless: a recording made by
// encoder-sim plays to its end with positions, pause and seek, and the
// thumbnailer pictures it. A missing mpv gives the stopped state.
class TestMpvPlayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void socketUnderTheRootUnlessTooLong();
    void missingProgramReportsStopped();
    void recordingPlaysToItsEnd();
    void pauseAndSeek();
    void playAgainRightAfterAStop();
    void unplayableFileReportsStopped_data();
    void unplayableFileReportsStopped();
    void fileReferringToAnotherIsNotPlayed_data();
    void fileReferringToAnotherIsNotPlayed();
    void recordingGetsAThumbnailAndFrames();
    void childEndsWithThePlayer_data();
    void childEndsWithThePlayer();

private:
    QString makeRecording(int seconds, const QString &where = QStringLiteral("/media/mmc/videoFile/181214_0001V.mp4"));
    std::unique_ptr<TestRoot> m_root;
};

void TestMpvPlayer::initTestCase()
{
    MpvPlayer::setHeadless(true);
}

void TestMpvPlayer::init()
{
    m_root = std::make_unique<TestRoot>();
    MpvPlayer::setProgram(QStringLiteral("mpv"));
}

void TestMpvPlayer::cleanup()
{
    MpvPlayer::setProgram(QStringLiteral("mpv"));
    m_root.reset();
}

QString TestMpvPlayer::makeRecording(int seconds, const QString &where)
{
    const QString path = m_root->hostPath(where);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::ForwardedChannels);
    encoder.start(QStringLiteral(ENCODER_SIM_BINARY), {QStringLiteral("--make-recording"), path, QString::number(seconds)});
    if (!encoder.waitForFinished(60000) || encoder.exitCode() != 0)
        return {};
    return path;
}

void TestMpvPlayer::socketUnderTheRootUnlessTooLong()
{
    const QString path = MpvPlayer::chooseSocketPath(QStringLiteral("s.sock"));
    QCOMPARE(path, Paths::resolve(QStringLiteral("/tmp/s.sock")));
    const QString old = Paths::root();
    Paths::setRoot(m_root->root() + QLatin1Char('/') + QString(120, QLatin1Char('r')));
    const QString fallback = MpvPlayer::chooseSocketPath(QStringLiteral("s.sock"));
    Paths::setRoot(old);
    QCOMPARE(fallback, QDir::tempPath() + QStringLiteral("/s.sock"));
}

void TestMpvPlayer::missingProgramReportsStopped()
{
    MpvPlayer::setProgram(m_root->hostPath(QStringLiteral("/no/such/mpv")));
    MpvPlayer player;
    QSignalSpy states(&player, &MplayLib::stateChange);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^mpv cannot be started")));
    player.play(m_root->hostPath(QStringLiteral("/media/mmc/videoFile/x.mp4")));
    QTRY_VERIFY(!states.isEmpty() && states.last().at(0).value<MplayLib::State>() == MplayLib::stStopped);
    QVERIFY(!player.isChildRunning());
}

void TestMpvPlayer::recordingPlaysToItsEnd()
{
    const QString video = makeRecording(3);
    QVERIFY2(!video.isEmpty(), "encoder-sim made no recording");
    MpvPlayer player;
    QSignalSpy states(&player, &MplayLib::stateChange);
    QSignalSpy positions(&player, &MplayLib::starttime);
    QSignalSpy lengths(&player, &MplayLib::endtime);
    player.play(video);
    QVERIFY(player.socketPath().startsWith(m_root->root()) || player.socketPath().startsWith(QDir::tempPath()));
    QTRY_VERIFY_WITH_TIMEOUT(!lengths.isEmpty(), 15000);
    QCOMPARE(lengths.last().at(0).toInt(), 3);
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty() && states.last().at(0).value<MplayLib::State>() == MplayLib::stStopped,
                             20000);
    QList<int> seen;
    for (const QList<QVariant> &p : std::as_const(positions))
        seen << p.at(0).toInt();
    QVERIFY2(seen.contains(0) && seen.contains(2), qPrintable(QStringLiteral("positions %1").arg(QVariant::fromValue(seen).toString())));
    bool playing = false;
    for (const QList<QVariant> &s : std::as_const(states))
        playing = playing || s.at(0).value<MplayLib::State>() == MplayLib::stPlaying;
    QVERIFY(playing);
    QVERIFY(player.isChildRunning());   // idle again, ready for the next file
}

void TestMpvPlayer::pauseAndSeek()
{
    const QString video = makeRecording(6);
    QVERIFY2(!video.isEmpty(), "encoder-sim made no recording");
    MpvPlayer player;
    QSignalSpy states(&player, &MplayLib::stateChange);
    QSignalSpy positions(&player, &MplayLib::starttime);
    player.play(video);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 15000);
    player.pause();
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPaused, 5000);
    player.seek(4, true);
    QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty() && positions.last().at(0).toInt() == 4, 5000);
    QCOMPARE(player.state(), MplayLib::stPaused);   // a seek keeps the pause
    player.pause();
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(positions.last().at(0).toInt() == 5, 5000);
    player.stop();
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stStopped, 5000);
}

// The transport plays again as soon as it has stopped: the end of the
// stopped file must not stop the new one.
void TestMpvPlayer::playAgainRightAfterAStop()
{
    const QString video = makeRecording(4);
    QVERIFY2(!video.isEmpty(), "encoder-sim made no recording");
    MpvPlayer player;
    QSignalSpy positions(&player, &MplayLib::starttime);
    player.play(video);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty() && positions.last().at(0).toInt() >= 1, 5000);
    player.stop();
    player.play(video);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 15000);
    positions.clear();
    QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty() && positions.last().at(0).toInt() >= 2, 5000);
    QCOMPARE(player.state(), MplayLib::stPlaying);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stStopped, 10000);
}

// A file mpv cannot play ends in the stopped state like a played one, so
// the transport goes back to idle; the child then takes the next file.
void TestMpvPlayer::unplayableFileReportsStopped_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("garbage") << QByteArray(200000, 'x') << true;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("missing") << QByteArray() << false;
}

void TestMpvPlayer::unplayableFileReportsStopped()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    const QString bad = m_root->hostPath(QStringLiteral("/media/mmc/videoFile/181214_0009V.mp4"));
    QDir().mkpath(QFileInfo(bad).absolutePath());
    if (exists) {
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    MpvPlayer player;
    QSignalSpy states(&player, &MplayLib::stateChange);
    player.play(bad);
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty() && states.last().at(0).value<MplayLib::State>() == MplayLib::stStopped,
                             15000);
    QCOMPARE(player.state(), MplayLib::stStopped);
    const QString video = makeRecording(2);
    QVERIFY2(!video.isEmpty(), "encoder-sim made no recording");
    states.clear();
    player.play(video);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 15000);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stStopped, 15000);
}

// A card's file named like a recording that is a playlist or an edit list
// naming a recording elsewhere: mpv plays nothing of it and the player
// reports the stop of a file it could not play.
void TestMpvPlayer::fileReferringToAnotherIsNotPlayed_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("M3U playlist") << QByteArray("#EXTM3U\n#EXTINF:3,x\n") << QByteArray("\n");
    QTest::newRow("EDL") << QByteArray("# mpv EDL v0\n") << QByteArray(",0,3\n");
}

void TestMpvPlayer::fileReferringToAnotherIsNotPlayed()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    const QString elsewhere = makeRecording(3, QStringLiteral("/outside/elsewhere.mp4"));
    QVERIFY2(!elsewhere.isEmpty(), "encoder-sim made no recording");
    const QString named = QStringLiteral("/media/mmc/videoFile/181214_0002V.mp4");
    QVERIFY(m_root->writeFile(named, head + QFile::encodeName(elsewhere) + tail));
    MpvPlayer player;
    QSignalSpy states(&player, &MplayLib::stateChange);
    QSignalSpy positions(&player, &MplayLib::starttime);
    QSignalSpy lengths(&player, &MplayLib::endtime);
    player.play(m_root->hostPath(named));
    QTRY_VERIFY_WITH_TIMEOUT(!states.isEmpty() && states.last().at(0).value<MplayLib::State>() == MplayLib::stStopped,
                             15000);
    for (const QList<QVariant> &s : std::as_const(states))
        QVERIFY(s.at(0).value<MplayLib::State>() != MplayLib::stPlaying);
    QVERIFY(positions.isEmpty());
    QVERIFY(lengths.isEmpty());
    // The recording itself, named, still plays.
    player.play(elsewhere);
    QTRY_VERIFY_WITH_TIMEOUT(player.state() == MplayLib::stPlaying, 15000);
}

void TestMpvPlayer::recordingGetsAThumbnailAndFrames()
{
    ScriptedPlayer::install();
    auto restore = qScopeGuard([] { ScriptedPlayer::uninstall(); });
    const QString video = makeRecording(2);
    QVERIFY2(!video.isEmpty(), "encoder-sim made no recording");
    // A complete recording to the worker's check, with side data the
    // replay accepts.
    QCOMPARE(ZVideoloadThread::checkVideoError(video), 0);
    {
        EVideoGraphicsView replay;
        replay.loadNetVideo(QFileInfo(video));
        QVERIFY(replay.firstRecordOffset() > 0);
        replay.slot_startTime(0, false);
        replay.slot_startTime(1, false);
        QCOMPARE(replay.shownRecordSecond(), 1);
    }
    FfmpegVideoThumbnailer thumbnailer;
    const QString jpeg = m_root->hostPath(QStringLiteral("/root/.videothumbnails/t.jpg"));
    QDir().mkpath(QFileInfo(jpeg).absolutePath());
    QVERIFY(thumbnailer.makeThumbnail(video, jpeg, QSize(72, 54)));
    QImage image(jpeg);
    QCOMPARE(image.size(), QSize(72, 54));
    QCOMPARE(QDir(QFileInfo(jpeg).absolutePath()).entryList(QDir::Files), QStringList{QStringLiteral("t.jpg")});
    const QImage frame = thumbnailer.frameAt(video, 1, QSize(320, 240));
    QCOMPARE(frame.size(), QSize(320, 240));
    // Not a video: no picture and no file.
    const QString bad = m_root->hostPath(QStringLiteral("/media/mmc/videoFile/bad.mp4"));
    QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/bad.mp4"), QByteArray(5000, 'x')));
    const QString badJpeg = m_root->hostPath(QStringLiteral("/root/.videothumbnails/bad.jpg"));
    QVERIFY(!thumbnailer.makeThumbnail(bad, badJpeg, QSize(72, 54)));
    QVERIFY(!QFile::exists(badJpeg));
}

// The child is reaped before the player is gone, so a program that ends
// right after a player leaves no child behind: mpv that quits when told,
// mpv that cannot answer (stopped) and a program that never opens the
// socket, the last two killed after the wait.
void TestMpvPlayer::childEndsWithThePlayer_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("answers");
    QTest::newRow("mpv told to quit") << "mpv" << true;
    QTest::newRow("mpv that cannot answer") << "mpv" << false;
    QTest::newRow("no socket") << "/works/mute-player" << false;
}

void TestMpvPlayer::childEndsWithThePlayer()
{
    QFETCH(QString, program);
    QFETCH(bool, answers);
    if (program.startsWith(QLatin1Char('/'))) {
        QVERIFY(m_root->writeFile(program, "#!/bin/sh\nexec sleep 600\n"));
        QVERIFY(QFile::setPermissions(m_root->hostPath(program), QFile::ReadOwner | QFile::ExeOwner));
        program = m_root->hostPath(program);
    }
    MpvPlayer::setProgram(program);
    auto player = std::make_unique<MpvPlayer>();
    player->play(m_root->hostPath(QStringLiteral("/media/mmc/videoFile/none.mp4")));
    QTRY_VERIFY(player->isChildRunning());
    const qint64 pid = player->childPid();
    const QString socket = player->socketPath();
    QVERIFY(pid > 0);
    if (program == QLatin1String("mpv")) {
        // Connected: the missing file has been tried.
        QTRY_VERIFY_WITH_TIMEOUT(player->state() == MplayLib::stStopped, 15000);
        if (!answers)
            QCOMPARE(::kill(pid_t(pid), SIGSTOP), 0);
    }
    player.reset();
    QVERIFY(!QFile::exists(socket));
    // Ended and reaped: no process of that number is left. A loaded machine
    // may take longer than the player's short wait to deliver the kill; the
    // child is then reaped from the event loop.
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(QStringLiteral("/proc/%1").arg(pid)), 10000);
}

QTEST_MAIN(TestMpvPlayer)
#include "tst_mpvplayer.moc"
