#include "audiotimedisplay.h"
#include "encoderlink.h"
#include "intervals.h"
#include "ipckeys.h"
#include "lcdnumber.h"
#include "mediarecorder.h"
#include "sharedmemory.h"
#include "simaudiodevice.h"
#include "simmixer.h"
#include "testroot.h"
#include "wavheader.h"
#include "wavrecthread.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>

#include <memory>

// The voice-note recorder on the simulated microphone (a tone, or a file),
// its segment under the test root's key, and every way out of it.
class TestVoiceRecorder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void wavHeader_data();
    void wavHeader();
    void recordStopAndSave();
    void secondRecordingReplacesTheFirst();
    void stopsItselfAtSixtySeconds();
    void escapePaths_data();
    void escapePaths();
    void recordWhileStopPendingDoesNothing();
    void smallerSegmentBoundsTheRecording();
    void freedWhileItsThreadRuns();

private:
    static void removeSegment();
    static QByteArray segmentBytes(int length);
    static void record(MediaRecorder *recorder, int minBytes);

    std::unique_ptr<TestRoot> m_root;
};

void TestVoiceRecorder::init()
{
    m_root = std::make_unique<TestRoot>();
    Intervals::setScale(0.01);
    SimAudioDevice::install();
    SimMixer::install();
}

void TestVoiceRecorder::cleanup()
{
    removeSegment();
    SimAudioDevice::uninstall();
    SimMixer::uninstall();
    Intervals::setScale(1.0);
    m_root.reset();
}

void TestVoiceRecorder::removeSegment()
{
    SharedMemory segment;
    if (segment.attach(IpcKeys::key(EncoderLink::VoiceNoteKey), 1))
        segment.remove();
}

QByteArray TestVoiceRecorder::segmentBytes(int length)
{
    SharedMemory segment;
    if (!segment.attach(IpcKeys::key(EncoderLink::VoiceNoteKey), 1) || size_t(length) > segment.size())
        return QByteArray();
    return QByteArray(static_cast<const char *>(segment.data()), length);
}

// Record until at least minBytes are in, then stop and wait for the thread.
void TestVoiceRecorder::record(MediaRecorder *recorder, int minBytes)
{
    QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
    QCOMPARE(recorder->state(), int(MediaRecorder::Recording));
    QVERIFY(!recorder->writeButton()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(recorder->byteCount() >= minBytes, 10000);
    QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
    QCOMPARE(recorder->state(), int(MediaRecorder::StopRequested));
    QTRY_COMPARE_WITH_TIMEOUT(recorder->state(), int(MediaRecorder::Idle), 10000);
    QVERIFY(recorder->writeButton()->isEnabled());
}

void TestVoiceRecorder::wavHeader_data()
{
    QTest::addColumn<quint32>("length");
    QTest::newRow("one second") << quint32(16000);
    QTest::newRow("sixty seconds and a block") << quint32(960512);
    QTest::newRow("header and one byte") << quint32(45);
}

void TestVoiceRecorder::wavHeader()
{
    QFETCH(quint32, length);
    const QByteArray h = WavHeader::build(length);
    QCOMPARE(h.size(), 44);
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(h.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(h.constData() + at); };
    QCOMPARE(h.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(u32(4), length - 8);
    QCOMPARE(h.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(u32(16), 16u);
    QCOMPARE(u16(20), quint16(1));
    QCOMPARE(u16(22), quint16(1));
    QCOMPARE(u32(24), 8000u);
    QCOMPARE(u32(28), 16000u);
    QCOMPARE(u16(32), quint16(2));
    QCOMPARE(u16(34), quint16(16));
    QCOMPARE(h.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(40), length - 44);
}

void TestVoiceRecorder::recordStopAndSave()
{
    QByteArray sound(64000, '\0');
    for (int i = 0; i < sound.size(); ++i)
        sound[i] = char(i % 251);
    QVERIFY(m_root->writeFile(SimAudioDevice::capturePath(), sound));
    MediaRecorder recorder;
    recorder.show();
    QCOMPARE(recorder.state(), int(MediaRecorder::Idle));
    QVERIFY(!recorder.writeButton()->isEnabled());
    QSignalSpy exits(&recorder, &MediaRecorder::audiorecoderexit);
    record(&recorder, 20000);
    const int count = recorder.byteCount();
    QCOMPARE(count % 2048, 0);
    QVERIFY(exits.isEmpty());
    // The mixer was set for the recording.
    QCOMPARE(SimMixer::storedValue(), 100 + 100 * 256);

    QTest::mouseClick(recorder.writeButton(), Qt::LeftButton);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(exits.first().first().toInt(), count);
    const QByteArray image = segmentBytes(count);
    QCOMPARE(image.left(44), WavHeader::build(quint32(count)));
    // The header lies over the first 44 bytes of the sound.
    QCOMPARE(image.mid(44), sound.repeated(count / sound.size() + 1).mid(44, count - 44));
    // The time display shows the whole seconds recorded.
    QCOMPARE(recorder.timeDisplay()->digit(3)->number(), count / 16000 % 10);
}

void TestVoiceRecorder::secondRecordingReplacesTheFirst()
{
    MediaRecorder recorder;
    recorder.show();
    QSignalSpy exits(&recorder, &MediaRecorder::audiorecoderexit);
    record(&recorder, 40000);
    const int first = recorder.byteCount();
    record(&recorder, 4096);
    const int second = recorder.byteCount();
    QVERIFY(second > 0);
    QTest::mouseClick(recorder.writeButton(), Qt::LeftButton);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(exits.first().first().toInt(), second);
    if (second < first)
        QCOMPARE(segmentBytes(second).mid(44), SimAudioDevice::tone(second).mid(44));
}

void TestVoiceRecorder::stopsItselfAtSixtySeconds()
{
    Intervals::setScale(0.02); // a (scaled) second of 20 ms for the GUI thread to answer
    MediaRecorder recorder;
    recorder.show();
    QSignalSpy exits(&recorder, &MediaRecorder::audiorecoderexit);
    QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.state(), int(MediaRecorder::Idle), 20000);
    // The stop goes out with the block that completes the 60th second; the
    // capture reads on while the GUI thread gets to it, a second at most
    // unless this machine is very busy.
    const int seconds = recorder.byteCount() / 16000;
    QVERIFY2(seconds >= 60 && seconds <= 62, qPrintable(QString::number(recorder.byteCount())));
    QString shown;
    for (int i = 0; i < 4; ++i)
        shown += QString::number(recorder.timeDisplay()->digit(i)->number());
    QCOMPARE(shown, QStringLiteral("010%1").arg(seconds - 60));
    QVERIFY(recorder.writeButton()->isEnabled());
    QVERIFY(exits.isEmpty()); // nothing saved until the save button
}

void TestVoiceRecorder::escapePaths_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<bool>("deviceFails");
    QTest::newRow("before recording") << "idle" << false;
    QTest::newRow("while recording") << "recording" << false;
    QTest::newRow("while the stop is pending") << "stopping" << false;
    QTest::newRow("after a recording") << "recorded" << false;
    QTest::newRow("no sound device, then save") << "save" << true;
}

void TestVoiceRecorder::escapePaths()
{
    QFETCH(QString, when);
    QFETCH(bool, deviceFails);
    if (deviceFails) {
        SimAudioDevice::Switches s;
        s.openFails = true;
        SimAudioDevice::install(s);
    }
    MediaRecorder recorder;
    recorder.show();
    QSignalSpy exits(&recorder, &MediaRecorder::audiorecoderexit);
    if (when == QLatin1String("recording") || when == QLatin1String("stopping")) {
        QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
        QTRY_VERIFY(recorder.byteCount() > 0);
        if (when == QLatin1String("stopping"))
            QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
        QTest::keyClick(&recorder, Qt::Key_Escape);
        QTest::keyClick(&recorder, Qt::Key_Escape); // twice: still one report
        QTRY_COMPARE(exits.count(), 1);
        QCOMPARE(recorder.state(), int(MediaRecorder::Idle));
    } else if (when == QLatin1String("recorded")) {
        record(&recorder, 4096);
        QTest::keyClick(&recorder, Qt::Key_Escape);
    } else if (when == QLatin1String("save")) {
        QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
        QTRY_COMPARE(recorder.state(), int(MediaRecorder::Idle));
        QVERIFY(recorder.writeButton()->isEnabled());
        QCOMPARE(recorder.byteCount(), 0);
        QTest::mouseClick(recorder.writeButton(), Qt::LeftButton);
    } else {
        QTest::keyClick(&recorder, Qt::Key_Return); // other keys are ignored
        QVERIFY(exits.isEmpty());
        QTest::keyClick(&recorder, Qt::Key_Escape);
    }
    QCOMPARE(exits.count(), 1);
    QCOMPARE(exits.first().first().toInt(), 0);
    QVERIFY(!exits.wait(50));
    QCOMPARE(exits.count(), 1);
}

void TestVoiceRecorder::recordWhileStopPendingDoesNothing()
{
    MediaRecorder recorder;
    recorder.show();
    QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
    QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
    QCOMPARE(recorder.state(), int(MediaRecorder::StopRequested));
    QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
    QCOMPARE(recorder.state(), int(MediaRecorder::StopRequested));
    QTRY_COMPARE(recorder.state(), int(MediaRecorder::Idle));
    QVERIFY(!recorder.captureThread()->isRunning());
}

void TestVoiceRecorder::smallerSegmentBoundsTheRecording()
{
    // Someone else made the key's segment with 10,000 bytes.
    SharedMemory small;
    QVERIFY(small.create(IpcKeys::key(EncoderLink::VoiceNoteKey), 10000));
    std::memset(small.data(), 0x5a, small.size());
    MediaRecorder recorder;
    recorder.show();
    QSignalSpy exits(&recorder, &MediaRecorder::audiorecoderexit);
    QTest::mouseClick(recorder.recordButton(), Qt::LeftButton);
    // Full segment: the capture ends by itself, before 10,000 bytes.
    QTRY_COMPARE(recorder.state(), int(MediaRecorder::Idle));
    QCOMPARE(recorder.byteCount(), 4 * 2048);
    QTest::mouseClick(recorder.writeButton(), Qt::LeftButton);
    QCOMPARE(exits.first().first().toInt(), 4 * 2048);
    const QByteArray image(static_cast<const char *>(small.data()), int(small.size()));
    QCOMPARE(image.left(44), WavHeader::build(4 * 2048));
    QCOMPARE(image.mid(4 * 2048), QByteArray(10000 - 4 * 2048, 0x5a));
}

void TestVoiceRecorder::freedWhileItsThreadRuns()
{
    auto *recorder = new MediaRecorder;
    recorder->show();
    QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
    QTRY_VERIFY(recorder->byteCount() > 0);
    QPointer<WavRecThread> thread = recorder->captureThread();
    QVERIFY(thread->isRunning());
    delete recorder;
    // The thread ended and went with its recorder; nothing writes on.
    QVERIFY(thread.isNull());
    const QByteArray before = segmentBytes(64);
    QVERIFY(!QTest::qWaitFor([&] { return segmentBytes(64) != before; }, 50));
}

QTEST_MAIN(TestVoiceRecorder)
#include "tst_voicerecorder.moc"
