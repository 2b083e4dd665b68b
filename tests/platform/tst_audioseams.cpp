#include "audiodevicefile.h"
#include "mixer.h"
#include "mixerfile.h"
#include "osssound.h"
#include "testroot.h"

#include <QtTest>

// The real OSS side off the board: a node that is missing and a node that
// is a plain file (opens, but takes no request) must fail cleanly.
class TestAudioSeams : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void requestsAsTheDriversDecodeThem();
    void soundNodeMissing();
    void soundNodeThatIsAPlainFile();
    void mixerMissingOrPlain_data();
    void mixerMissingOrPlain();
};

void TestAudioSeams::requestsAsTheDriversDecodeThem()
{
    // Direction in the top bits, the argument size, the type letter, the number.
    QCOMPARE(OssSound::SNDCTL_DSP_SPEED, 0xc0045002ul);
    QCOMPARE(OssSound::SNDCTL_DSP_SETFMT, 0xc0045005ul);
    QCOMPARE(OssSound::SNDCTL_DSP_CHANNELS, 0xc0045006ul);
    QCOMPARE(OssSound::SOUND_MIXER_READ_VOLUME, 0x80044d00ul);
    QCOMPARE(OssSound::SOUND_MIXER_WRITE_VOLUME, 0xc0044d00ul);
    QCOMPARE(OssSound::SOUND_MIXER_READ_DEVMASK, 0x80044dfeul);
    QCOMPARE(OssSound::AFMT_S16_LE, 16);
}

void TestAudioSeams::soundNodeMissing()
{
    TestRoot root;
    AudioDeviceFile device;
    for (AudioDevice::Direction d : {AudioDevice::Capture, AudioDevice::Playback}) {
        QVERIFY(!device.open(d));
        QVERIFY(!device.isOpen());
        QVERIFY(!device.configure(1, OssSound::AFMT_S16_LE, 8000));
        char block[16];
        QCOMPARE(device.read(block, sizeof block), qint64(-1));
        QCOMPARE(device.write(block, sizeof block), qint64(-1));
    }
    // The seam hands out the node when nothing is installed.
    QVERIFY(!AudioDevice::create()->open(AudioDevice::Capture));
}

void TestAudioSeams::soundNodeThatIsAPlainFile()
{
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/dev/dsp"), QByteArray(10, 'x')));
    AudioDeviceFile device;
    QVERIFY(device.open(AudioDevice::Capture));
    int channels = 1;
    QVERIFY(!device.set(AudioDevice::Channels, &channels));
    QVERIFY(!device.configure(1, OssSound::AFMT_S16_LE, 8000));
    char block[64];
    QCOMPARE(device.read(block, sizeof block), qint64(10));
    QCOMPARE(device.read(block, sizeof block), qint64(0));
    device.close();
    QVERIFY(!device.isOpen());

    // Playback on a file takes every byte; the root's file grows, nothing else.
    QVERIFY(device.open(AudioDevice::Playback));
    QCOMPARE(device.write("abcd", 4), qint64(4));
    device.close();
    QCOMPARE(root.readFile(QStringLiteral("/dev/dsp")).left(4), QByteArray("abcd"));
}

void TestAudioSeams::mixerMissingOrPlain_data()
{
    QTest::addColumn<bool>("plainFile");
    QTest::newRow("missing") << false;
    QTest::newRow("plain file") << true;
}

void TestAudioSeams::mixerMissingOrPlain()
{
    QFETCH(bool, plainFile);
    TestRoot root;
    if (plainFile)
        QVERIFY(root.writeFile(QStringLiteral("/dev/mixer"), QByteArray()));
    MixerFile mixer;
    QCOMPARE(mixer.open(), plainFile);
    int value = 7;
    QVERIFY(!mixer.readDeviceMask(&value));
    QVERIFY(!mixer.readVolume(&value));
    QVERIFY(!mixer.writeVolume(100 + 100 * 256));
    QCOMPARE(value, 7);
    mixer.close();

    QCOMPARE(Mixer::masterVolume(), -1);
    QCOMPARE(Mixer::setMasterVolume(50), -1);
    QVERIFY(!Mixer::setRecordingVolume(100));
    QCOMPARE(root.readFile(QStringLiteral("/dev/mixer")), QByteArray());
}

QTEST_GUILESS_MAIN(TestAudioSeams)
#include "tst_audioseams.moc"
