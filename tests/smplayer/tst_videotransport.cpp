#include "scriptedplayer.h"
#include "messagechannel.h"
#include "testroot.h"
#include "videointerface.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>

// The transport's count of seconds against a scripted player: the period
// steering, seeks, lengths, the pause flag and the stopped state.
class TestVideoTransport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void pacedPeriod_data();
    void pacedPeriod();
    void tickPeriodFollowsThePlayer_data();
    void tickPeriodFollowsThePlayer();
    void seekShowsTheNewSecondAtOnce();
    void lengthZeroLeavesTheCountStopped();
    void playTwiceBeforeTheLengthPausesWithoutCounting();
    void stoppedKeepsTheRangeAndResets();
    void shownSecondNeverPassesTheLength();
    void longLengthsShowNoTime();
    void buttonsSendTheirMessages();

private:
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<VideoInterface> m_transport;
    ScriptedPlayer *player() const { return ScriptedPlayer::last(); }
    void startPlaying(int length);
};

void TestVideoTransport::init()
{
    m_root = std::make_unique<TestRoot>();
    ScriptedPlayer::install();
    m_transport = std::make_unique<VideoInterface>();
    m_transport->setVideoFn(QStringLiteral("/tmp/v.mp4"));
    QVERIFY(player());
}

void TestVideoTransport::cleanup()
{
    m_transport.reset();
    ScriptedPlayer::uninstall();
    m_root.reset();
}

void TestVideoTransport::startPlaying(int length)
{
    QTest::mouseClick(m_transport->playButton(), Qt::LeftButton);
    player()->state(MplayLib::stPlaying);
    player()->length(length);
}

void TestVideoTransport::pacedPeriod_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("period");
    QTest::newRow("in step") << 10 << 10 << 500;
    QTest::newRow("one ahead") << 11 << 10 << 600;
    QTest::newRow("two ahead") << 12 << 10 << 700;
    QTest::newRow("three ahead as two") << 13 << 10 << 700;
    QTest::newRow("one behind") << 9 << 10 << 400;
    QTest::newRow("three behind as two") << 7 << 10 << 300;
}

void TestVideoTransport::pacedPeriod()
{
    QFETCH(int, shown);
    QFETCH(int, reported);
    QFETCH(int, period);
    QCOMPARE(VideoInterface::pacedInterval(shown, reported), period);
}

void TestVideoTransport::tickPeriodFollowsThePlayer_data()
{
    pacedPeriod_data();
}

void TestVideoTransport::tickPeriodFollowsThePlayer()
{
    QFETCH(int, shown);
    QFETCH(int, reported);
    QFETCH(int, period);
    startPlaying(100);
    QVERIFY(m_transport->progressTimer()->isActive());
    QCOMPARE(m_transport->progressTimer()->interval(), 1000);
    // The count stands at shown once the next tick has run.
    m_transport->seekPlay(shown);
    player()->position(reported);
    QSignalSpy seconds(m_transport.get(), &VideoInterface::signal_startTime);
    m_transport->slot_tmProgress();
    QCOMPARE(seconds.size(), 1);
    QCOMPARE(seconds.at(0).at(0).toInt(), shown);
    QCOMPARE(seconds.at(0).at(1).toBool(), false);
    QCOMPARE(m_transport->progressTimer()->interval(), period);
}

void TestVideoTransport::seekShowsTheNewSecondAtOnce()
{
    startPlaying(300);
    QSignalSpy seconds(m_transport.get(), &VideoInterface::signal_startTime);
    m_transport->seekPlay(90);
    QCOMPARE(player()->calls.last(), QStringLiteral("seek 90 1"));
    QCOMPARE(m_transport->elapsedLabel()->text(), QStringLiteral("00:01:30"));
    QCOMPARE(m_transport->lengthLabel()->text(), QStringLiteral("00:05:00"));
    QCOMPARE(seconds.size(), 1);
    QCOMPARE(seconds.at(0), (QList<QVariant>{90, true}));
    QCOMPARE(VideoInterface::progressTicks(), 180);
    m_transport->slot_tmProgress();
    QCOMPARE(VideoInterface::progressTicks(), 181);
    QCOMPARE(seconds.last(), (QList<QVariant>{90, false}));
}

void TestVideoTransport::lengthZeroLeavesTheCountStopped()
{
    startPlaying(0);
    QVERIFY(!m_transport->progressTimer()->isActive());
    QCOMPARE(m_transport->lengthLabel()->text(), QStringLiteral("00:00:00"));
}

// Play pressed again before the length is known pauses the player; the
// count starts only once the player plays and the length is known.
void TestVideoTransport::playTwiceBeforeTheLengthPausesWithoutCounting()
{
    QTest::mouseClick(m_transport->playButton(), Qt::LeftButton);
    QCOMPARE(player()->calls, (QStringList{QStringLiteral("play /tmp/v.mp4")}));
    player()->state(MplayLib::stPlaying);
    QTest::mouseClick(m_transport->playButton(), Qt::LeftButton);
    QCOMPARE(player()->calls.last(), QStringLiteral("pause"));
    player()->state(MplayLib::stPaused);
    QVERIFY(m_transport->isPaused());
    QVERIFY(!m_transport->progressTimer()->isActive());
    // The length arrives while paused: still no count.
    player()->length(60);
    QVERIFY(!m_transport->progressTimer()->isActive());
    // Resumed: the count runs at the nominal period.
    QTest::mouseClick(m_transport->playButton(), Qt::LeftButton);
    QCOMPARE(player()->calls.last(), QStringLiteral("pause"));
    QVERIFY(!m_transport->progressTimer()->isActive());
    player()->state(MplayLib::stPlaying);
    QVERIFY(!m_transport->isPaused());
    QVERIFY(m_transport->progressTimer()->isActive());
    QCOMPARE(m_transport->progressTimer()->interval(), 500);
    // Paused again by the player's own report.
    player()->state(MplayLib::stPaused);
    QVERIFY(!m_transport->progressTimer()->isActive());
}

void TestVideoTransport::stoppedKeepsTheRangeAndResets()
{
    startPlaying(120);
    m_transport->slot_tmProgress();
    QSignalSpy stops(m_transport.get(), &VideoInterface::signal_stopPlay);
    player()->state(MplayLib::stStopped);
    QCOMPARE(stops.size(), 1);
    QVERIFY(!m_transport->isStarted());
    QVERIFY(!m_transport->progressTimer()->isActive());
    QCOMPARE(m_transport->slider()->maximum(), 120);
    QCOMPARE(m_transport->slider()->value(), 0);
    QCOMPARE(m_transport->elapsedLabel()->text(), QStringLiteral("00:00:00"));
    QCOMPARE(VideoInterface::progressTicks(), 0);
    // Play in idle plays the file again from the start.
    QTest::mouseClick(m_transport->playButton(), Qt::LeftButton);
    QCOMPARE(player()->calls.last(), QStringLiteral("play /tmp/v.mp4"));
    // The stop button resets at once and stops the player.
    QTest::mouseClick(m_transport->stopButton(), Qt::LeftButton);
    QCOMPARE(stops.size(), 2);
    QCOMPARE(player()->calls.last(), QStringLiteral("stop"));
}

void TestVideoTransport::shownSecondNeverPassesTheLength()
{
    startPlaying(2);
    for (int i = 0; i < 10; ++i)
        m_transport->slot_tmProgress();
    QCOMPARE(m_transport->shownSecond(), 2);
    QCOMPARE(m_transport->elapsedLabel()->text(), QStringLiteral("00:00:02"));
}

void TestVideoTransport::longLengthsShowNoTime()
{
    startPlaying(86399);
    QCOMPARE(m_transport->lengthLabel()->text(), QStringLiteral("23:59:59"));
    player()->length(86400);
    QCOMPARE(m_transport->lengthLabel()->text(), QString());
}

void TestVideoTransport::buttonsSendTheirMessages()
{
    MessageChannel channel(QStringLiteral("videoGraphicsViewinterface"));
    QSignalSpy received(&channel, &MessageChannel::received);
    QSignalSpy sound(m_transport.get(), &VideoInterface::sound_signals);
    QTest::mouseClick(m_transport->listButton(), Qt::LeftButton);
    QTest::mouseClick(m_transport->exitButton(), Qt::LeftButton);
    QTest::mouseClick(m_transport->volumeButton(), Qt::LeftButton);
    QTRY_COMPARE(received.size(), 2);
    QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("playlistSig"));
    QCOMPARE(received.at(1).at(0).toString(), QStringLiteral("backPlaySig"));
    QCOMPARE(sound.size(), 1);
    // Buttons stand on the 46-pixel grid.
    QCOMPARE(m_transport->stopButton()->geometry(), QRect(31, 40, 30, 30));
    QCOMPARE(m_transport->exitButton()->geometry(), QRect(215, 40, 30, 30));
}

QTEST_MAIN(TestVideoTransport)
#include "tst_videotransport.moc"
