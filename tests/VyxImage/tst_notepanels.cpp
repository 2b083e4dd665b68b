#include "annotatebrowser.h"
#include "audiointerface.h"
#include "mixer.h"
#include "simaudiodevice.h"
#include "simmixer.h"
#include "testroot.h"
#include "volumeinterface.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <memory>

// The panels the photo viewer opens over a photo: the voice-note player on
// the simulated sound node, the volume slider on the simulated mixer and the
// text panel. Ticks are driven through the feed slot.
class TestNotePanels : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup();
    void playerStates_data();
    void playerStates();
    void fullDeviceKeepsTheRest();
    void noteCutShortWhilePlaying();
    void pauseResumeStopPlay();
    void sliderDragDoesNotSeek();
    void escapeStopsAndHides();
    void volumeSlider();
    void textPanel();

private:
    static QByteArray note(int dataBytes);
    static void installDevice(bool openFails = false, bool stalled = true, int buffer = 1 << 20);
};

void TestNotePanels::cleanup()
{
    SimAudioDevice::uninstall();
    SimMixer::uninstall();
}

QByteArray TestNotePanels::note(int dataBytes)
{
    QByteArray data(44, 'H');
    for (int i = 0; i < dataBytes; ++i)
        data.append(static_cast<char>(i * 7));
    return data;
}

void TestNotePanels::installDevice(bool openFails, bool stalled, int buffer)
{
    SimAudioDevice::Switches s;
    s.openFails = openFails;
    s.stalled = stalled;
    s.bufferBytes = buffer;
    SimAudioDevice::install(s);
}

void TestNotePanels::playerStates_data()
{
    QTest::addColumn<int>("fileBytes");   // -1: no file
    QTest::addColumn<bool>("deviceFails");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QList<int>>("fedAfterTicks"); // bytes fed after the start and each tick, until idle
    QTest::addColumn<int>("played");       // bytes the speaker got
    QTest::newRow("five seconds") << 80044 << false << "00:00:05" << QList<int>{16000, 32000, 48000, 64000} << 80000;
    QTest::newRow("a second and a half") << 24044 << false << "00:00:01" << QList<int>{16000} << 24000;
    QTest::newRow("no sound device") << 80044 << true << "00:00:05" << QList<int>{16000, 32000, 48000, 64000} << 0;
    // The mended cases: each ends the play at once instead of hanging on.
    QTest::newRow("missing note") << -1 << false << "00:00:00" << QList<int>{} << 0;
    QTest::newRow("shorter than its header") << 30 << false << "00:00:00" << QList<int>{} << 0;
    QTest::newRow("header only") << 44 << false << "00:00:00" << QList<int>{} << 0;
}

void TestNotePanels::playerStates()
{
    QFETCH(int, fileBytes);
    QFETCH(bool, deviceFails);
    QFETCH(QString, total);
    QFETCH(QList<int>, fedAfterTicks);
    QFETCH(int, played);
    TestRoot root;
    installDevice(deviceFails);
    if (fileBytes >= 0)
        QVERIFY(root.writeFile(AudioInterface::musicFile(), note(qMax(0, fileBytes - 44)).left(fileBytes)));

    AudioInterface player;
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QCOMPARE(player.elapsedLabel()->text(), QStringLiteral("00:00:00"));
    QCOMPARE(player.totalLabel()->text(), QStringLiteral("00:00:00"));
    player.show();
    QSignalSpy ended(&player, &AudioInterface::runExitSig);
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    for (int i = 0; i < fedAfterTicks.size(); ++i) {
        QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
        QCOMPARE(player.totalLabel()->text(), total);
        QCOMPARE(player.bytesFed(), qint64(fedAfterTicks.at(i)));
        QCOMPARE(player.elapsedLabel()->text(), QTime(0, 0).addSecs(fedAfterTicks.at(i) / 16000).toString("hh:mm:ss"));
        QVERIFY(player.feedTimer()->isActive());
        player.runMusicPlay();
    }
    QCOMPARE(ended.count(), 1);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QVERIFY(!player.feedTimer()->isActive());
    QCOMPARE(player.elapsedLabel()->text(), QStringLiteral("00:00:00"));
    QCOMPARE(player.totalLabel()->text(), QStringLiteral("00:00:00"));
    QCOMPARE(player.timeSlider()->maximum(), 0);
    const QByteArray speaker = root.readFile(SimAudioDevice::playbackPath());
    QCOMPARE(speaker.size(), played);
    if (played > 0)
        QCOMPARE(speaker, root.readFile(AudioInterface::musicFile()).mid(44));
}

void TestNotePanels::fullDeviceKeepsTheRest()
{
    TestRoot root;
    installDevice(false, true, 40000); // a stuck device with room for 2.5 s
    QVERIFY(root.writeFile(AudioInterface::musicFile(), note(80000)));
    AudioInterface player;
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    player.runMusicPlay();
    QCOMPARE(player.bytesFed(), qint64(32000));
    // Half the third second fits; the rest waits for a later tick and the
    // position counts only what the device took.
    player.runMusicPlay();
    QCOMPARE(player.bytesFed(), qint64(40000));
    QCOMPARE(player.elapsedLabel()->text(), QStringLiteral("00:00:02"));
    player.runMusicPlay();
    QCOMPARE(player.bytesFed(), qint64(40000));
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    QCOMPARE(root.readFile(SimAudioDevice::playbackPath()), note(80000).mid(44, 40000));
    player.audioStopPlay();
}

void TestNotePanels::noteCutShortWhilePlaying()
{
    TestRoot root;
    installDevice();
    QVERIFY(root.writeFile(AudioInterface::musicFile(), note(80000)));
    AudioInterface player;
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    QCOMPARE(player.totalLabel()->text(), QStringLiteral("00:00:05"));
    // The file loses its tail while it plays: what is left plays, then the
    // player stops instead of waiting for sound that never comes.
    QVERIFY(QFile::resize(root.hostPath(AudioInterface::musicFile()), 44 + 20000));
    player.runMusicPlay();
    QCOMPARE(player.bytesFed(), qint64(20000));
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    player.runMusicPlay();
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));

    // A note that is no file at all is never opened.
    QVERIFY(QFile::remove(root.hostPath(AudioInterface::musicFile())));
    QVERIFY(QDir().mkpath(root.hostPath(AudioInterface::musicFile())));
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QCOMPARE(player.bytesFed(), qint64(0));
}

void TestNotePanels::pauseResumeStopPlay()
{
    TestRoot root;
    installDevice();
    QVERIFY(root.writeFile(AudioInterface::musicFile(), note(80000)));
    AudioInterface player;
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    QCOMPARE(player.bytesFed(), qint64(16000));
    QCOMPARE(AudioInterface::getpthreadRunState(), 0);

    QTest::mouseClick(player.playButton(), Qt::LeftButton); // pause
    QCOMPARE(AudioInterface::getpthreadRunState(), 1);
    QVERIFY(!player.feedTimer()->isActive());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));

    QTest::mouseClick(player.playButton(), Qt::LeftButton); // resume: the next block
    QCOMPARE(AudioInterface::getpthreadRunState(), 0);
    QVERIFY(player.feedTimer()->isActive());
    player.runMusicPlay();
    QCOMPARE(player.bytesFed(), qint64(32000));
    QCOMPARE(root.readFile(SimAudioDevice::playbackPath()), note(80000).mid(44, 32000));

    QTest::mouseClick(player.stopButton(), Qt::LeftButton);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    // Play again starts at the first byte of sound.
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    QCOMPARE(player.bytesFed(), qint64(16000));
    QCOMPARE(root.readFile(SimAudioDevice::playbackPath()).mid(32000), note(80000).mid(44, 16000));
    player.audioStopPlay();
}

void TestNotePanels::sliderDragDoesNotSeek()
{
    TestRoot root;
    installDevice();
    QVERIFY(root.writeFile(AudioInterface::musicFile(), note(80000)));
    AudioInterface player;
    QTest::mouseClick(player.playButton(), Qt::LeftButton);
    QSlider *slider = player.timeSlider();
    slider->setSliderDown(true);
    slider->setSliderPosition(4);
    slider->setSliderDown(false);
    QCOMPARE(player.bytesFed(), qint64(16000));
    player.runMusicPlay();
    QCOMPARE(slider->value(), 2);
    player.audioStopPlay();
}

void TestNotePanels::escapeStopsAndHides()
{
    TestRoot root;
    installDevice();
    QVERIFY(root.writeFile(AudioInterface::musicFile(), note(80000)));
    QWidget viewer;
    viewer.resize(320, 240);
    auto *player = new AudioInterface(&viewer);
    auto *text = new annotateBrowser(&viewer);
    viewer.show();
    QTest::mouseClick(player->playButton(), Qt::LeftButton);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    QTest::keyClick(player, Qt::Key_Escape);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QVERIFY(player->isHidden());
    QVERIFY(text->isVisible());
    QVERIFY(viewer.isVisible());

    // Other keys leave the player alone.
    player->show();
    QTest::mouseClick(player->playButton(), Qt::LeftButton);
    QTest::keyClick(player, Qt::Key_Return);
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    // Destroying a playing player stops it first.
    delete player;
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
}

void TestNotePanels::volumeSlider()
{
    TestRoot root;
    SimMixer::install();
    VolumeInterface volume;
    QCOMPARE(volume.size(), QSize(40, 120));
    volume.setVolume(Mixer::masterVolume());
    QCOMPARE(volume.getVolume(), 75);
    connect(&volume, &VolumeInterface::volumeMoveEvent, this, [](int v) { Mixer::setMasterVolume(v); });
    QSignalSpy pressed(&volume, &VolumeInterface::volumePressEvent);
    QSignalSpy released(&volume, &VolumeInterface::volumeReleaseEvent);
    QSignalSpy moved(&volume, &VolumeInterface::volumeMoveEvent);
    volume.show();

    QTest::mousePress(&volume, Qt::LeftButton, {}, QPoint(20, 5));
    QCOMPARE(volume.getVolume(), 100);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(Mixer::masterVolume(), 75);
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 60), volume.mapToGlobal(QPointF(3, 60)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&volume, &move);
    QCOMPARE(volume.getVolume(), 50);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.first().first().toInt(), 50);
    QCOMPARE(Mixer::masterVolume(), 50);
    QTest::mouseRelease(&volume, Qt::LeftButton, {}, QPoint(20, 200));
    QCOMPARE(volume.getVolume(), 0);
    QCOMPARE(released.count(), 1);
    QCOMPARE(Mixer::masterVolume(), 50);

    // The level is drawn from the bottom: at 50 the bar's top is at y 61.
    volume.setVolume(50);
    const QImage shot = volume.grab().toImage();
    QCOMPARE(QColor(shot.pixel(19, 100)), QColor(39, 135, 183));
    QCOMPARE(QColor(shot.pixel(19, 30)), QColor(228, 228, 228));

    QCOMPARE(VolumeInterface::levelAt(10), 100);
    QCOMPARE(VolumeInterface::levelAt(110), 0);
    QCOMPARE(VolumeInterface::levelAt(500), 0);
}

void TestNotePanels::textPanel()
{
    QWidget viewer;
    viewer.resize(320, 240);
    auto *text = new annotateBrowser(&viewer);
    text->setGeometry(35, 80, 251, 135);
    text->setPlainText(QStringLiteral("valve hot"));
    viewer.show();
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), QStringLiteral("valve hot"));
    QTest::keyClick(text, Qt::Key_A);
    QCOMPARE(text->toPlainText(), QStringLiteral("valve hot"));
    QVERIFY(text->isVisible());
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(text->isHidden());
    QVERIFY(viewer.isVisible());
}

QTEST_MAIN(TestNotePanels)
#include "tst_notepanels.moc"
