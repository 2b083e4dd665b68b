#include "audiodevice.h"
#include "intervals.h"
#include "mixer.h"
#include "osssound.h"
#include "simaudiodevice.h"
#include "simmixer.h"
#include "testroot.h"

#include <QtTest>

// The simulated sound node and mixer behind the seams, with their switches.
class TestSimAudio : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void captureReadsTheFileInALoop();
    void captureWithoutFileGivesATone();
    void capturePacedAtTheRate();
    void playbackTakesWhatTheBufferHolds();
    void switches_data();
    void switches();
    void mixerKeepsItsValue();
    void mixerSwitches_data();
    void mixerSwitches();
};

void TestSimAudio::init()
{
    Intervals::setScale(0.01);
}

void TestSimAudio::cleanup()
{
    SimAudioDevice::uninstall();
    SimMixer::uninstall();
    Intervals::setScale(1.0);
}

void TestSimAudio::captureReadsTheFileInALoop()
{
    TestRoot root;
    QVERIFY(root.writeFile(SimAudioDevice::capturePath(), QByteArray("0123456789")));
    SimAudioDevice::install();
    const std::shared_ptr<AudioDevice> device = AudioDevice::create();
    QVERIFY(device->open(AudioDevice::Capture));
    QVERIFY(device->configure(1, OssSound::AFMT_S16_LE, 8000));
    char block[16];
    QCOMPARE(device->read(block, 16), qint64(16));
    QCOMPARE(QByteArray(block, 16), QByteArray("0123456789012345"));
    // Each create() is a fresh device: a second one starts at the beginning.
    const std::shared_ptr<AudioDevice> other = AudioDevice::create();
    QVERIFY(other.get() != device.get());
    QVERIFY(other->open(AudioDevice::Capture));
    QCOMPARE(other->read(block, 4), qint64(4));
    QCOMPARE(QByteArray(block, 4), QByteArray("0123"));
}

void TestSimAudio::captureWithoutFileGivesATone()
{
    TestRoot root;
    SimAudioDevice::install();
    const std::shared_ptr<AudioDevice> device = AudioDevice::create();
    QVERIFY(device->open(AudioDevice::Capture));
    QByteArray block(2048, 0);
    QCOMPARE(device->read(block.data(), block.size()), qint64(2048));
    QCOMPARE(block, SimAudioDevice::tone(2048));
    const auto *samples = reinterpret_cast<const qint16 *>(block.constData());
    qint16 peak = 0;
    for (int i = 0; i < 1024; ++i)
        peak = qMax(peak, samples[i]);
    QVERIFY(peak > 9000);
}

void TestSimAudio::capturePacedAtTheRate()
{
    TestRoot root;
    Intervals::setScale(0.05); // one second of sound in 50 ms
    SimAudioDevice::install();
    const std::shared_ptr<AudioDevice> device = AudioDevice::create();
    QVERIFY(device->open(AudioDevice::Capture));
    QElapsedTimer timer;
    timer.start();
    QByteArray block(4000, 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(device->read(block.data(), block.size()), qint64(4000));
    // 16,000 bytes are one (scaled) second: never sooner.
    QVERIFY2(timer.elapsed() >= 45, qPrintable(QString::number(timer.elapsed())));
}

void TestSimAudio::playbackTakesWhatTheBufferHolds()
{
    TestRoot root;
    SimAudioDevice::Switches s;
    s.stalled = true;
    SimAudioDevice::install(s);
    const std::shared_ptr<AudioDevice> device = AudioDevice::create();
    QVERIFY(device->open(AudioDevice::Playback));
    const QByteArray second(16000, 'a');
    QCOMPARE(device->write(second.constData(), second.size()), qint64(16000));
    QCOMPARE(device->write(second.constData(), second.size()), qint64(16000));
    // The 2 s buffer is full: the device takes nothing until it drains.
    QCOMPARE(device->write(second.constData(), second.size()), qint64(0));
    QCOMPARE(root.readFile(SimAudioDevice::playbackPath()).size(), 32000);

    // A draining device takes a second of sound again one (scaled) second later.
    SimAudioDevice::install();
    const std::shared_ptr<AudioDevice> live = AudioDevice::create();
    QVERIFY(live->open(AudioDevice::Playback));
    QCOMPARE(live->write(second.constData(), second.size()), qint64(16000));
    QCOMPARE(live->write(second.constData(), second.size()), qint64(16000));
    QTRY_COMPARE_WITH_TIMEOUT(live->write(second.constData(), 100), qint64(100), 2000);
}

void TestSimAudio::switches_data()
{
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<int>("refused");
    QTest::addColumn<int>("failAfter");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("configures");
    QTest::addColumn<int>("goodBlocks");
    QTest::newRow("plain") << false << -1 << -1 << true << true << 5;
    QTest::newRow("open fails") << true << -1 << -1 << false << false << 0;
    QTest::newRow("channels refused") << false << int(AudioDevice::Channels) << -1 << true << false << 5;
    QTest::newRow("format refused") << false << int(AudioDevice::Format) << -1 << true << false << 5;
    QTest::newRow("rate refused") << false << int(AudioDevice::Rate) << -1 << true << false << 5;
    QTest::newRow("error after 0 blocks") << false << -1 << 0 << true << true << 0;
    QTest::newRow("error after 3 blocks") << false << -1 << 3 << true << true << 3;
}

void TestSimAudio::switches()
{
    QFETCH(bool, openFails);
    QFETCH(int, refused);
    QFETCH(int, failAfter);
    QFETCH(bool, opens);
    QFETCH(bool, configures);
    QFETCH(int, goodBlocks);
    TestRoot root;
    SimAudioDevice::Switches s;
    s.openFails = openFails;
    s.refusedSetting = refused;
    s.failAfterBlocks = failAfter;
    SimAudioDevice::install(s);
    for (AudioDevice::Direction direction : {AudioDevice::Capture, AudioDevice::Playback}) {
        const std::shared_ptr<AudioDevice> device = AudioDevice::create();
        QCOMPARE(device->open(direction), opens);
        QCOMPARE(device->configure(1, OssSound::AFMT_S16_LE, 8000), configures);
        if (!opens)
            continue;
        QByteArray block(100, 0);
        int good = 0;
        for (int i = 0; i < 5; ++i) {
            const qint64 n = direction == AudioDevice::Capture ? device->read(block.data(), block.size())
                                                               : device->write(block.constData(), block.size());
            if (n < 0)
                break;
            QCOMPARE(n, qint64(100));
            ++good;
        }
        QCOMPARE(good, goodBlocks);
    }
}

void TestSimAudio::mixerKeepsItsValue()
{
    TestRoot root;
    SimMixer::install();
    QCOMPARE(Mixer::masterVolume(), 75);
    QCOMPARE(Mixer::setMasterVolume(140), 100);
    QCOMPARE(root.readFile(SimMixer::file()), QByteArray::number(100 + 100 * 256));
    QCOMPARE(Mixer::setMasterVolume(-3), 0);
    QCOMPARE(Mixer::masterVolume(), 0);
    QCOMPARE(Mixer::setMasterVolume(50), 50);
    QCOMPARE(Mixer::masterVolume(), 50);
    // Unequal channels read as their mean.
    QVERIFY(root.writeFile(SimMixer::file(), QByteArray::number(40 + 61 * 256)));
    QCOMPARE(Mixer::masterVolume(), 50);
    QVERIFY(Mixer::setRecordingVolume(100));
    QCOMPARE(SimMixer::storedValue(), 100 + 100 * 256);
}

void TestSimAudio::mixerSwitches_data()
{
    QTest::addColumn<bool>("openFails");
    QTest::addColumn<bool>("writeRefused");
    QTest::addColumn<int>("read");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("stored");
    // A refused write still answers the level asked, as the player expects.
    QTest::newRow("open fails") << true << false << -1 << -1 << 75 + 75 * 256;
    QTest::newRow("write refused") << false << true << 75 << 30 << 75 + 75 * 256;
}

void TestSimAudio::mixerSwitches()
{
    QFETCH(bool, openFails);
    QFETCH(bool, writeRefused);
    QFETCH(int, read);
    QFETCH(int, set);
    QFETCH(int, stored);
    TestRoot root;
    SimMixer::Switches s;
    s.openFails = openFails;
    s.writeRefused = writeRefused;
    SimMixer::install(s);
    QCOMPARE(Mixer::masterVolume(), read);
    QCOMPARE(Mixer::setMasterVolume(30), set);
    QVERIFY(!Mixer::setRecordingVolume(100));
    QCOMPARE(SimMixer::storedValue(), stored);
}

QTEST_GUILESS_MAIN(TestSimAudio)
#include "tst_simaudio.moc"
