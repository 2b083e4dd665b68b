// The capture strip: slider steps, the photo and note states, the record
// start and its stop handshake, the recording-time overlay's pacing and
// the side file written beside a recording.
#include "../core/boardview.h"

#include "atomicfile.h"
#include "capturerelease.h"
#include "cvmainwindow.h"
#include "cvpushbutton.h"
#include "efilemanager.h"
#include "encoderlink.h"
#include "etoolwidget.h"
#include "fiforeader.h"
#include "indicator.h"
#include "freespace.h"
#include "intervals.h"
#include "mediarecorder.h"
#include "ipckeys.h"
#include "photolayout.h"
#include "filenamesystem.h"
#include "photoreader.h"
#include "photowriter.h"
#include "sharedmemory.h"
#include "sidefilesync.h"
#include "simaudiodevice.h"
#include "simmixer.h"
#include "stepclock.h"
#include "systemclock.h"
#include "usekeyboarddialog.h"
#include "videopipeinterface.h"
#include "voicenotesegment.h"
#include "zflickertime.h"

#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <unistd.h>
#include <cstring>
#include <mutex>

namespace {

// What the encoder service leaves at a recording's path by its "videostop".
enum Left { Nothing, EmptyFile, Video };

// The strip over the live view with a card of 1 GB free.
struct Strip
{
    Strip()
    {
        FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
        b.view->toolBar()->displaySDCard(true);
        EGlobal::setToolBar(b.view->toolBar());
        panel = std::make_unique<CvmainWindow>();
        EGlobal::set_cvmainwindow(panel.get());
        service = std::make_unique<FifoReader>(QStringLiteral("/tmp/service_ir"));
        QObject::connect(service.get(), &FifoReader::received, [this](const QByteArray &d) { sent << QString::fromLatin1(d); });
        service->open();
    }
    ~Strip()
    {
        service.reset();
        EGlobal::set_cvmainwindow(nullptr);
        panel.reset();
        FreeSpace::setScript(nullptr);
    }
    void showPage(int page)
    {
        panel->set_currentwidget(page);
        panel->move(0, 200);
        panel->show();
    }
    void click(const char *name) { QTest::mouseClick(panel->button(name), Qt::LeftButton); }
    BoardView b;
    std::unique_ptr<CvmainWindow> panel;
    std::unique_ptr<FifoReader> service;
    QStringList sent;
};

// The seconds segments a test made. Their keys come from the test's root,
// which is gone by cleanup(): the keys are kept to remove them there.
QList<key_t> s_secondsSegments;

void setEncoderSeconds(qint32 seconds)
{
    const key_t key = IpcKeys::key(EncoderLink::VideoSecondsKey);
    SharedMemory segment;
    QVERIFY(segment.create(key, EncoderLink::VideoSecondsSize));
    if (!s_secondsSegments.contains(key))
        s_secondsSegments << key;
    std::memcpy(segment.data(), &seconds, sizeof seconds);
}

void removeSecondsSegments()
{
    for (key_t key : std::as_const(s_secondsSegments)) {
        SharedMemory segment;
        if (segment.attach(key, EncoderLink::VideoSecondsSize))
            segment.remove();
    }
    s_secondsSegments.clear();
}

} // namespace

class TstCapturePanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { Intervals::setScale(0.01); }
    void cleanup()
    {
        Intervals::setScale(1.0);
        SystemClock::install(nullptr);
        removeSecondsSegments();
    }
    void sliderSteps_data();
    void sliderSteps();
    void photoStates_data();
    void photoStates();
    void notesGoToTheSavedPhoto();
    void emptyTextNoteWritesNothing();
    void voiceNoteOnTheSavedPhoto_data();
    void voiceNoteOnTheSavedPhoto();
    void noteNotWrittenIsTold_data();
    void noteNotWrittenIsTold();
    void recordAndStop_data();
    void recordAndStop();
    void recordingNeverTakesAnExistingName();
    void cardPulledStopsTheRecording_data();
    void cardPulledStopsTheRecording();
    void overlayPacing_data();
    void overlayPacing();
    void overlayConfirmation_data();
    void overlayConfirmation();
    void overlayChecksTheCardWhileCounting();
    void overlayTimeText_data();
    void overlayTimeText();
    void sideFile();
    void sideFileAcrossAClockChange_data();
    void sideFileAcrossAClockChange();
    void sideFileFlushedAwayFromTheScreen_data();
    void sideFileFlushedAwayFromTheScreen();
    void sideFileSyncStartsWithNothingToFlush();
};

// Moves and releases in window coordinates; the knob's x and the panel.
void TstCapturePanel::sliderSteps_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<int>("release"); // -1: the knob's own release
    QTest::addColumn<int>("knobX");
    QTest::addColumn<int>("endPage");

    QTest::newRow("photo: a short drag snaps back") << 0 << QList<int>{262, 268} << 268 << 257 << 0;
    QTest::newRow("photo: to the end switches to video") << 0 << QList<int>{262, 275, 283, 295} << 295 << 257 << 1;
    QTest::newRow("photo: gap leaves the knob") << 0 << QList<int>{275, 279} << -2 << 272 << 0;
    QTest::newRow("photo: knob release past the middle") << 0 << QList<int>{283} << -1 << 257 << 1;
    QTest::newRow("video: to the start switches to photo") << 1 << QList<int>{283, 262} << 262 << 287 << 0;
    QTest::newRow("video: short drag back stays") << 1 << QList<int>{283} << 300 << 287 << 1;
    QTest::newRow("video: gap 265") << 1 << QList<int>{283, 265} << -2 << 279 << 1;
}

void TstCapturePanel::sliderSteps()
{
    QFETCH(int, page);
    QFETCH(QList<int>, moves);
    QFETCH(int, release);
    QFETCH(int, knobX);
    QFETCH(int, endPage);
    Strip s;
    s.showPage(page);
    for (int x : moves) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 30), QPointF(x, 30), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.panel.get(), &move);
    }
    if (release == -1)
        QTest::mouseRelease(s.panel->slider(page), Qt::LeftButton);
    else if (release >= 0)
        QTest::mouseRelease(s.panel.get(), Qt::LeftButton, {}, QPoint(release, 30));
    QCOMPARE(s.panel->get_currentwidget(), endPage);
    QCOMPARE(s.panel->slider(page)->x(), knobX);
}

enum Step { Capture, Cancel, Escape, ToVideo, Back, SaveDone, ShowAgain };

void TstCapturePanel::photoStates_data()
{
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<int>("endCamera");
    QTest::addColumn<bool>("frozen");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("sent");

    const QString start = "jpegenc start", stop = "jpegenc stop";
    QTest::newRow("capture freezes") << QList<int>{Capture} << 1 << true << true << QStringList{start};
    QTest::newRow("second capture saves") << QList<int>{Capture, Capture} << 2 << true << true << QStringList{start};
    QTest::newRow("third capture before the save: nothing")
        << QList<int>{Capture, Capture, Capture} << 2 << true << true << QStringList{start};
    QTest::newRow("cancel releases") << QList<int>{Capture, Cancel} << 0 << false << true << QStringList{start, stop};
    QTest::newRow("cancel during a pending save: nothing")
        << QList<int>{Capture, Capture, Cancel} << 2 << true << true << QStringList{start};
    QTest::newRow("escape during a pending save leaves, the save finishes")
        << QList<int>{Capture, Capture, Escape, SaveDone} << 0 << false << false << QStringList{start, stop};
    QTest::newRow("escape while frozen releases")
        << QList<int>{Capture, Escape} << 0 << false << false << QStringList{start, stop};
    QTest::newRow("video panel releases a frozen picture")
        << QList<int>{Capture, ToVideo} << 0 << false << true << QStringList{start, stop};
    QTest::newRow("back keeps the picture frozen") << QList<int>{Capture, Back} << 0 << true << false << QStringList{start};
    // Shown again, the panel takes the frozen picture over: one press saves.
    QTest::newRow("shown again after back, capture saves")
        << QList<int>{Capture, Back, ShowAgain, Capture} << 2 << true << true << QStringList{start, start};
}

void TstCapturePanel::photoStates()
{
    QFETCH(QList<int>, steps);
    QFETCH(int, endCamera);
    QFETCH(bool, frozen);
    QFETCH(bool, shown);
    QFETCH(QStringList, sent);
    Strip s;
    s.showPage(0);
    for (int step : steps) {
        switch (step) {
        case Capture: s.click("camerabutton"); break;
        case Cancel: s.click("cencelbutton"); break;
        case Escape: QTest::keyClick(s.panel.get(), Qt::Key_Escape); break;
        case ToVideo: s.panel->siderslots_stat(4); break;
        case Back: s.click("backbutton"); break;
        case SaveDone: CaptureRelease::release(true, "test"); break;
        case ShowAgain: s.showPage(0); break;
        }
    }
    // Commands written back to back may come in one read.
    QTRY_COMPARE(s.sent.join(QString()), sent.join(QString()));
    QCOMPARE(s.panel->getEndCamera(), endCamera);
    QCOMPARE(s.b.view->gerFreezeFPGAImageStatus(), frozen);
    QCOMPARE(s.panel->isVisible(), shown);
    // The notes never open before a save has finished.
    QVERIFY(!s.panel->textNoteEnabled() && !s.panel->voiceNoteEnabled());
}

// A photo as the save leaves it on the card.
bool writeSavedPhoto(const TestRoot &root, const QString &name)
{
    QByteArray jpeg(100, 'J');
    jpeg[98] = char(0xFF);
    jpeg[99] = char(0xD9);
    QByteArray service = jpeg + QByteArray(PhotoLayout::TrailerRoom, '\0') + QByteArray(20, 'S');
    const quint32 n = 100;
    service += QByteArray(reinterpret_cast<const char *>(&n), 4);
    const QByteArray photo = PhotoWriter::withIrBlock(service, EFileManager::buildFilePara({}), 0,
                                                      QByteArray(PhotoLayout::IrBlockSize, 'I'));
    return root.writeFile(QStringLiteral("/media/mmc/image/") + name, photo);
}

// Capture and save on the photo panel; the save finishes under name. The
// notes are off until then.
void captureAndSave(Strip &s, const QString &name)
{
    QVERIFY(writeSavedPhoto(s.b.front.root, name));
    s.showPage(0);
    s.click("camerabutton");
    s.click("camerabutton");
    QVERIFY(!s.panel->textNoteEnabled() && !s.panel->voiceNoteEnabled());
    s.panel->photoSaved(name);
    QVERIFY(s.panel->textNoteEnabled() && s.panel->voiceNoteEnabled());
}

void TstCapturePanel::notesGoToTheSavedPhoto()
{
    Strip s;
    const QString name = QStringLiteral("260102_0007T.jpg");
    captureAndSave(s, name);
    if (QTest::currentTestFailed())
        return;

    s.click("commentButton");
    QVERIFY(s.panel->textNoteDialog());
    QCOMPARE(s.panel->getSCstate(), 1);
    s.panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
    s.panel->camera_commetexit(true);
    QCOMPARE(s.panel->getSCstate(), 0);
    QVERIFY(!s.panel->textNoteEnabled());
    const PhotoReader::Photo read = PhotoReader::readPhoto(s.b.front.root.readFile(QStringLiteral("/media/mmc/image/") + name));
    QCOMPARE(read.notes.size(), 1);
    // One note per photo: the button stays off.
    s.click("commentButton");
    QVERIFY(!s.panel->textNoteDialog());
}

// Done with no text: no note, yet the dialog closes and the button is off.
void TstCapturePanel::emptyTextNoteWritesNothing()
{
    Strip s;
    const QString name = QStringLiteral("260102_0009T.jpg");
    captureAndSave(s, name);
    if (QTest::currentTestFailed())
        return;
    const QByteArray before = s.b.front.root.readFile(QStringLiteral("/media/mmc/image/") + name);
    s.click("commentButton");
    QVERIFY(s.panel->textNoteDialog());
    s.panel->camera_commetexit(true);
    QVERIFY(!s.panel->textNoteDialog());
    QCOMPARE(s.panel->getSCstate(), 0);
    QVERIFY(!s.panel->textNoteEnabled());
    QCOMPARE(s.b.front.root.readFile(QStringLiteral("/media/mmc/image/") + name), before);
}

void TstCapturePanel::voiceNoteOnTheSavedPhoto_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("kept");
    QTest::newRow("recorded and saved") << "save" << true;
    QTest::newRow("left with Escape while recording") << "escape" << false;
    QTest::newRow("no sound device") << "nodevice" << false;
    // Someone else's 10,000-byte segment under the key, and a report of more.
    QTest::newRow("report past a smaller segment") << "smallsegment" << false;
    // A header and one byte is no note.
    QTest::newRow("report of 45 bytes") << "header45" << false;
}

void TstCapturePanel::voiceNoteOnTheSavedPhoto()
{
    QFETCH(QString, how);
    QFETCH(bool, kept);
    Strip s;
    SimAudioDevice::Switches sound;
    sound.openFails = how == QLatin1String("nodevice");
    SimAudioDevice::install(sound);
    SimMixer::install();
    const QString name = QStringLiteral("260102_0008T.jpg");
    captureAndSave(s, name);
    if (QTest::currentTestFailed())
        return;

    s.click("microphoneButton");
    QPointer<MediaRecorder> recorder = s.panel->voiceRecorder();
    QVERIFY(recorder);
    QVERIFY(recorder->isVisible());
    QCOMPARE(s.panel->getSCstate(), 1);
    if (how == QLatin1String("smallsegment")) {
        SharedMemory small;
        QVERIFY(small.create(IpcKeys::key(EncoderLink::VoiceNoteKey), 10000));
        std::memcpy(small.data(), "RIFF", 4);
        Q_EMIT recorder->audiorecoderexit(50000);
    } else if (how == QLatin1String("header45")) {
        SharedMemory segment;
        QVERIFY(VoiceNoteSegment::open(&segment));
        std::memcpy(segment.data(), "RIFF", 4);
        Q_EMIT recorder->audiorecoderexit(45);
    } else if (how == QLatin1String("escape")) {
        QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
        QTRY_VERIFY(recorder->byteCount() > 4096);
        QTest::keyClick(recorder.data(), Qt::Key_Escape);
    } else {
        QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
        if (kept) {
            QTRY_VERIFY(recorder->byteCount() > 4096);
            QTest::mouseClick(recorder->recordButton(), Qt::LeftButton);
        }
        // Without a device the capture ends at once, with nothing.
        QTRY_VERIFY(recorder->writeButton()->isEnabled());
        QTest::mouseClick(recorder->writeButton(), Qt::LeftButton);
    }
    QTRY_VERIFY(!s.panel->voiceRecorder());
    QTRY_VERIFY(recorder.isNull());
    QCOMPARE(s.panel->getSCstate(), 0);
    QVERIFY(!s.panel->voiceNoteEnabled());

    const QByteArray bytes = s.b.front.root.readFile(QStringLiteral("/media/mmc/image/") + name);
    const PhotoReader::Photo read = PhotoReader::readPhoto(bytes);
    QCOMPARE(read.notes.size(), kept ? 1 : 0);
    if (kept) {
        QCOMPARE(read.notes.first().type, 1u);
        const QByteArray note = PhotoReader::slice(bytes, read.notes.first().range);
        QVERIFY(note.size() > 4096);
        QCOMPARE(note.left(4), QByteArray("RIFF"));
        QCOMPARE(note.mid(44), SimAudioDevice::tone(note.size()).mid(44));
    }
    // One voice note per photo.
    s.click("microphoneButton");
    QVERIFY(!s.panel->voiceRecorder());

    SimAudioDevice::uninstall();
    SimMixer::uninstall();
    SharedMemory segment;
    if (segment.attach(IpcKeys::key(EncoderLink::VoiceNoteKey), 1))
        segment.remove();
}

// The note's write fails (a full card: nothing reaches the disk): the user
// is told as for a photo, the photo is as it was, and the note's button
// stays active, so the same note goes in once the card takes it.
void TstCapturePanel::noteNotWrittenIsTold_data()
{
    QTest::addColumn<bool>("voice");
    QTest::newRow("text note") << false;
    QTest::newRow("voice note") << true;
}

void TstCapturePanel::noteNotWrittenIsTold()
{
    QFETCH(bool, voice);
    Strip s;
    const QString name = QStringLiteral("260102_0010T.jpg");
    const QString photoPath = QStringLiteral("/media/mmc/image/") + name;
    captureAndSave(s, name);
    if (QTest::currentTestFailed())
        return;
    const QByteArray before = s.b.front.root.readFile(photoPath);
    const auto noteEnabled = [&] { return voice ? s.panel->voiceNoteEnabled() : s.panel->textNoteEnabled(); };
    // Done in the note's own window, as the user ends it.
    const auto writeNote = [&] {
        if (voice) {
            s.click("microphoneButton");
            QPointer<MediaRecorder> recorder = s.panel->voiceRecorder();
            QVERIFY(recorder);
            SharedMemory segment;
            QVERIFY(VoiceNoteSegment::open(&segment));
            QVERIFY(segment.size() >= 5000);
            std::memcpy(segment.data(), "RIFF", 4);
            Q_EMIT recorder->audiorecoderexit(5000);
            QVERIFY(!s.panel->voiceRecorder());
        } else {
            s.click("commentButton");
            QVERIFY(s.panel->textNoteDialog());
            s.panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
            s.panel->camera_commetexit(true);
            QVERIFY(!s.panel->textNoteDialog());
        }
        QCOMPARE(s.panel->getSCstate(), 0);
    };

    AtomicFile::installSync([](int) { return -1; });
    writeNote();
    AtomicFile::installSync({});
    if (QTest::currentTestFailed())
        return;
    QStringList shown;
    for (const Indicator *indicator : s.b.view->findChildren<Indicator *>())
        if (!indicator->isHidden())
            shown << indicator->text();
    QCOMPARE(shown, QStringList{QStringLiteral("Save failed")});
    QVERIFY(noteEnabled());
    QCOMPARE(s.b.front.root.readFile(photoPath), before);

    // The card takes it now: the retry writes the note, and one is all.
    writeNote();
    QVERIFY(!noteEnabled());
    const PhotoReader::Photo read = PhotoReader::readPhoto(s.b.front.root.readFile(photoPath));
    QCOMPARE(read.notes.size(), 1);
    QCOMPARE(read.notes.first().type, voice ? 1u : 3u);

    SharedMemory segment;
    if (segment.attach(IpcKeys::key(EncoderLink::VoiceNoteKey), 1))
        segment.remove();
}

void TstCapturePanel::recordAndStop_data()
{
    QTest::addColumn<bool>("card");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("handshakeTimesOut");
    QTest::addColumn<int>("left"); // what the service left at the video's path
    QTest::addColumn<QStringList>("told");

    QTest::newRow("videostop") << true << QByteArray("videostop") << false << int(Video) << QStringList();
    QTest::newRow("fadstop and videostop in one read") << true << QByteArray("fadstopvideostop") << false << int(Video)
                                                       << QStringList();
    QTest::newRow("no videostop: the handshake ends it") << true << QByteArray("fadstop") << true << int(Nothing)
                                                         << QStringList();
    QTest::newRow("card pulled: the stop still goes out, the loss is shown")
        << false << QByteArray("fadstop\nvideostop") << false << int(Nothing) << QStringList{"<picture>"};
    QTest::newRow("card filled: the recording is lost, and said so")
        << true << QByteArray("fadstopvideostop") << false << int(Nothing) << QStringList{"Save failed"};
    QTest::newRow("an empty file is no recording") << true << QByteArray("videostop") << false << int(EmptyFile)
                                                   << QStringList{"Save failed"};
}

void TstCapturePanel::recordAndStop()
{
    QFETCH(bool, card);
    QFETCH(QByteArray, reply);
    QFETCH(bool, handshakeTimesOut);
    QFETCH(int, left);
    QFETCH(QStringList, told);
    Intervals::setScale(0.1);
    Strip s;
    s.showPage(1);
    s.click("videobutton_2");
    QCOMPARE(s.panel->get_video_workstat(), int(CvmainWindow::VRecording));
    QVERIFY(s.b.view->GetCameraVideoFlag());
    s.b.view->toolBar()->displaySDCard(card);
    s.click("videobutton_2");
    QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvStopping));
    QVERIFY(s.b.view->videoIndicator());
    // Record pressed again while "videostop" is outstanding: nothing.
    s.panel->video_start();
    QTRY_VERIFY(s.sent.join(QString()).endsWith(QStringLiteral("multimedia stopresume stop")));
    QCOMPARE(s.panel->get_video_workstat(), int(CvmainWindow::VIdle));
    const QString all = s.sent.join(QString());
    QVERIFY2(all.startsWith(QStringLiteral("resume startmultimedia start /media/mmc/videoFile/")), qPrintable(all));
    QCOMPARE(all.count(QStringLiteral("multimedia start")), 1);
    const QString path = all.section(QStringLiteral("multimedia start "), 1)
                             .section(QStringLiteral("multimedia stop"), 0, 0);
    QVERIFY(path.endsWith(QLatin1String(".mp4")));
    if (left != Nothing)
        QVERIFY(s.b.front.root.writeFile(path, left == Video ? QByteArray("ftyp video") : QByteArray()));
    s.panel->videoPipe()->handleData(reply);
    if (handshakeTimesOut) {
        QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvStopping));
        QVERIFY(s.panel->stopHandshakeTimer()->isActive());
        QMetaObject::invokeMethod(s.panel->stopHandshakeTimer(), "timeout");
    }
    QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvIdle));
    QVERIFY(!s.b.view->videoIndicator());
    QVERIFY(!s.b.view->GetCameraVideoFlag());
    QStringList shown;
    for (const Indicator *indicator : s.b.view->findChildren<Indicator *>())
        shown << (indicator->text().isEmpty() ? QStringLiteral("<picture>") : indicator->text());
    QCOMPARE(shown, told);
}

// A recording's name is the first free one of the day, past number 9999 as
// well; a day without a free number records nothing rather than replacing
// a video.
void TstCapturePanel::recordingNeverTakesAnExistingName()
{
    Intervals::setScale(0.1);
    Strip s;
    FilenameSystem names;
    names.SetVideoId(9999);
    const QString taken = names.GetThermogram_VideoFn();
    QVERIFY(s.b.front.root.writeFile(QLatin1String(FilenameSystem::VideoFolder) + taken, "kept"));
    s.showPage(1);
    s.click("videobutton_2");
    QTRY_VERIFY(s.sent.join(QString()).contains(QStringLiteral("multimedia start")));
    const QString all = s.sent.join(QString());
    QVERIFY2(!all.contains(taken), qPrintable(all));
    names.SetVideoId(9999);
    QVERIFY2(all.contains(names.GetThermogram_VideoFn().replace(QStringLiteral("9999"), QStringLiteral("10000"))), qPrintable(all));
    s.panel->video_start();
    QTRY_VERIFY(s.sent.join(QString()).endsWith(QStringLiteral("multimedia stopresume stop")));
    s.panel->videoPipe()->handleData("fadstopvideostop");
    QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvIdle));

    // The day's last number is taken: the name goes round to the lowest
    // free number, both videos stay.
    s.sent.clear();
    names.SetVideoId(FilenameSystem::MaxNumber);
    const QString last = names.GetThermogram_VideoFn();
    QVERIFY(s.b.front.root.writeFile(QLatin1String(FilenameSystem::VideoFolder) + last, "kept"));
    names.SetVideoId(0);
    const QString first = names.GetThermogram_VideoFn();
    names.SetVideoId(FilenameSystem::MaxNumber);
    s.click("videobutton_2");
    QTRY_VERIFY(s.sent.join(QString()).contains(QStringLiteral("multimedia start")));
    QVERIFY2(s.sent.join(QString()).contains(first), qPrintable(s.sent.join(QString())));
    QVERIFY2(!s.sent.join(QString()).contains(last), qPrintable(s.sent.join(QString())));
    s.panel->video_start();
    QTRY_VERIFY(s.sent.join(QString()).endsWith(QStringLiteral("multimedia stopresume stop")));
    s.panel->videoPipe()->handleData("fadstopvideostop");
    QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvIdle));
    QCOMPARE(s.b.front.root.readFile(QLatin1String(FilenameSystem::VideoFolder) + taken), QByteArray("kept"));
    QCOMPARE(s.b.front.root.readFile(QLatin1String(FilenameSystem::VideoFolder) + last), QByteArray("kept"));
}

// The card watcher says the card went: a recording stops at once, its
// time stops counting and the card picture says why; without a recording
// nothing happens. The encoder's "videostop" that follows tells nothing more.
void TstCapturePanel::cardPulledStopsTheRecording_data()
{
    QTest::addColumn<bool>("recording");
    QTest::newRow("while recording") << true;
    QTest::newRow("on the video panel, not recording") << false;
}

void TstCapturePanel::cardPulledStopsTheRecording()
{
    QFETCH(bool, recording);
    Intervals::setScale(0.1);
    Strip s;
    s.showPage(1);
    if (recording) {
        s.click("videobutton_2");
        QCOMPARE(s.panel->get_video_workstat(), int(CvmainWindow::VRecording));
        setEncoderSeconds(3);
        s.b.view->flickerTime()->flickertime_timeout();
        QVERIFY(s.b.view->flickerTime()->isCounting());
    }
    s.b.view->toolBar()->displaySDCard(false);
    s.panel->cardRemoved();
    QCOMPARE(s.panel->get_video_workstat(), int(CvmainWindow::VIdle));
    QVERIFY(!s.b.view->flickerTime()->isCounting());
    QVERIFY(!s.b.view->GetCameraVideoFlag());
    const auto shown = [&] {
        QStringList texts;
        for (const Indicator *indicator : s.b.view->findChildren<Indicator *>())
            if (!indicator->isHidden())
                texts << (indicator->text().isEmpty() ? QStringLiteral("<picture>") : indicator->text());
        return texts;
    };
    QCOMPARE(shown(), recording ? QStringList{"<picture>"} : QStringList());
    if (!recording)
        return;
    QTRY_VERIFY(s.sent.join(QString()).endsWith(QStringLiteral("multimedia stopresume stop")));
    s.panel->videoPipe()->handleData("fadstopvideostop");
    QCOMPARE(s.panel->getCvMode(), int(CvmainWindow::CvIdle));
    QVERIFY(!s.b.view->videoIndicator());
    QCOMPARE(shown(), QStringList{"<picture>"});
}

// Ticks of the overlay against the encoder's count.
void TstCapturePanel::overlayPacing_data()
{
    QTest::addColumn<QList<int>>("counts"); // encoder count at each tick
    QTest::addColumn<QList<int>>("periods");
    QTest::addColumn<QString>("text");

    // Confirmed by the count at the start's own tick (display 1, count 1).
    // The display's own count is 1, 2, 2, 3, 3 at these ticks.
    QTest::newRow("in step") << QList<int>{1, 2, 2, 3} << QList<int>{500, 500, 500, 500} << "00:00:03";
    QTest::newRow("encoder ahead, then agreeing twice")
        << QList<int>{3, 3, 2, 3} << QList<int>{350, 350, 350, 500} << "00:00:03";
    QTest::newRow("encoder behind") << QList<int>{1, 1, 2} << QList<int>{500, 600, 600} << "00:00:02";
}

void TstCapturePanel::overlayPacing()
{
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, periods);
    QFETCH(QString, text);
    Intervals::setScale(1.0);
    BoardView b;
    ZFlickerTime *overlay = b.view->flickerTime();
    setEncoderSeconds(1);
    overlay->startflickerTimer();
    QVERIFY(overlay->isCounting());
    QCOMPARE(overlay->timer()->interval(), int(ZFlickerTime::WaitMs));
    for (int i = 0; i < counts.size(); ++i) {
        setEncoderSeconds(counts[i]);
        overlay->flickertime_timeout();
        QCOMPARE(overlay->timer()->interval(), periods[i]);
    }
    QCOMPARE(overlay->text(), text);
    overlay->stopflickerTimer();
    QCOMPARE(overlay->getflickertime(), 0);
    setEncoderSeconds(0);
}

// What confirms a recording: "video" on the time pipe while waiting (also
// cut over two reads), never one that came before the start nor other bytes.
void TstCapturePanel::overlayConfirmation_data()
{
    QTest::addColumn<QByteArrayList>("before"); // reads before the start
    QTest::addColumn<QByteArrayList>("after");  // reads while waiting
    QTest::addColumn<bool>("counting");

    QTest::newRow("video while waiting") << QByteArrayList{} << QByteArrayList{"video"} << true;
    QTest::newRow("video cut over two reads") << QByteArrayList{} << QByteArrayList{"vid", "eo"} << true;
    QTest::newRow("a stale video before the start") << QByteArrayList{"video"} << QByteArrayList{} << false;
    QTest::newRow("half a stale video before the start") << QByteArrayList{"vid"} << QByteArrayList{"eo"} << false;
    QTest::newRow("other bytes") << QByteArrayList{} << QByteArrayList{"fadsave", "vide"} << false;
}

void TstCapturePanel::overlayConfirmation()
{
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, after);
    QFETCH(bool, counting);
    Intervals::setScale(1.0);
    BoardView b;
    ZFlickerTime *overlay = b.view->flickerTime();
    setEncoderSeconds(0);
    for (const QByteArray &read : before)
        overlay->handleTimePipe(read);
    overlay->startflickerTimer();
    QVERIFY(!overlay->isCounting());
    for (const QByteArray &read : after)
        overlay->handleTimePipe(read);
    overlay->flickertime_timeout();
    QCOMPARE(overlay->isCounting(), counting);
    if (counting) {
        // Confirmed with the count still 0: one second shown, the count
        // behind, so the slow period.
        QCOMPARE(overlay->text(), QStringLiteral("00:00:01"));
        QCOMPARE(overlay->timer()->interval(), int(ZFlickerTime::SlowMs));
    } else {
        QCOMPARE(overlay->text(), QStringLiteral("00:00:00"));
        QCOMPARE(overlay->timer()->interval(), int(ZFlickerTime::WaitMs));
    }
    overlay->stopflickerTimer();
    QCOMPARE(overlay->getflickertime(), 0);
}

// A card that fills while recording is noticed once a second of ticks.
void TstCapturePanel::overlayChecksTheCardWhileCounting()
{
    Intervals::setScale(1.0);
    BoardView b;
    b.view->toolBar()->displaySDCard(true);
    EGlobal::setToolBar(b.view->toolBar());
    qint64 free = qint64(1) << 30;
    FreeSpace::setScript([&free](const QString &) { return free; });
    ZFlickerTime *overlay = b.view->flickerTime();
    QSignalSpy full(overlay, &ZFlickerTime::spacesignals);
    setEncoderSeconds(1);
    overlay->startflickerTimer();
    QVERIFY(overlay->isCounting());
    for (int i = 0; i < 4; ++i)
        overlay->flickertime_timeout();
    QCOMPARE(full.count(), 0);
    free = 0;
    overlay->flickertime_timeout();
    overlay->flickertime_timeout();
    QCOMPARE(full.count(), 1);
    overlay->stopflickerTimer();
    setEncoderSeconds(0);
    FreeSpace::setScript(nullptr);
    EGlobal::setToolBar(nullptr);
}

void TstCapturePanel::overlayTimeText_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("minute") << 60 << "00:01:00";
    QTest::newRow("last of an hour") << 3599 << "00:59:59";
    QTest::newRow("hour") << 3600 << "01:00:00";
    QTest::newRow("a day is no time") << 86400 << "";
}

void TstCapturePanel::overlayTimeText()
{
    QFETCH(int, seconds);
    QFETCH(QString, text);
    QCOMPARE(ZFlickerTime::timeText(seconds), text);
}

// The side file: 416 bytes of start, a record at "fadsave" and one per
// elapsed second, also after a stall; "fadsave" counts afresh.
void TstCapturePanel::sideFile()
{
    BoardView b;
    auto *clock = new StepClock;
    SystemClock::install(clock);
    VideoPipeInterface pipe;
    const QString side = QLatin1String(VideoPipeInterface::SideFile);
    pipe.handleData("fadsave");
    QVERIFY(pipe.hasSideFile());
    QCOMPARE(QFileInfo(b.front.root.hostPath(side)).size(), qint64(416 + 1792));
    pipe.tick();
    clock->t = clock->t.addSecs(1);
    pipe.tick();
    clock->t = clock->t.addSecs(3); // a stall
    pipe.tick();
    QCOMPARE(pipe.secondCount(), 4);
    QCOMPARE(QFileInfo(b.front.root.hostPath(side)).size(), qint64(416 + 5 * 1792));
    QSignalSpy ended(&pipe, &VideoPipeInterface::videoExitPipeSignals);
    pipe.handleData("vid");
    pipe.handleData("eostop");
    QCOMPARE(ended.count(), 1);
    QVERIFY(!pipe.hasSideFile());
    pipe.handleData("fadsave");
    QCOMPARE(pipe.secondCount(), 0);
    QCOMPARE(QFileInfo(b.front.root.hostPath(side)).size(), qint64(416 + 1792));
    pipe.handleData("fadstop");
    QVERIFY(!pipe.isRecording());
}

// The clock set while recording: a jump is no stall, so it is neither
// written out record by record nor waited for.
void TstCapturePanel::sideFileAcrossAClockChange_data()
{
    QTest::addColumn<qint64>("jump");
    QTest::addColumn<int>("recordsAtJump");
    QTest::newRow("a stall of ten seconds") << qint64(10) << 10;
    QTest::newRow("a day ahead") << qint64(86400) << 1;
    QTest::newRow("an hour back") << qint64(-3600) << 0;
}

void TstCapturePanel::sideFileAcrossAClockChange()
{
    QFETCH(qint64, jump);
    QFETCH(int, recordsAtJump);
    BoardView b;
    auto *clock = new StepClock;
    SystemClock::install(clock);
    VideoPipeInterface pipe;
    const QString side = b.front.root.hostPath(QLatin1String(VideoPipeInterface::SideFile));
    pipe.handleData("fadsave");
    clock->t = clock->t.addSecs(jump);
    pipe.tick();
    QCOMPARE(pipe.secondCount(), recordsAtJump);
    QCOMPARE(QFileInfo(side).size(), qint64(416 + (1 + recordsAtJump) * 1792));
    // The next second of the new time gives the next record.
    clock->t = clock->t.addSecs(1);
    pipe.tick();
    QCOMPARE(pipe.secondCount(), recordsAtJump + 1);
    QCOMPARE(QFileInfo(side).size(), qint64(416 + (2 + recordsAtJump) * 1792));
    pipe.handleData("fadstop");
}

// Each second's records are flushed to the card by a worker, never by the
// thread that draws the screen; a card that refuses them is told as a
// recording that was not saved, once, however many seconds fail.
void TstCapturePanel::sideFileFlushedAwayFromTheScreen_data()
{
    QTest::addColumn<bool>("cardRefuses");
    QTest::addColumn<QStringList>("told");
    QTest::newRow("the card takes the records") << false << QStringList();
    QTest::newRow("the card refuses them") << true << QStringList{QStringLiteral("Save failed")};
}

// The flushing worker starts with nothing to flush: it never takes what the
// memory it was built in held for a descriptor to flush and close. Built
// over memory filled with the number of a pipe the test holds, many times.
void TstCapturePanel::sideFileSyncStartsWithNothingToFlush()
{
    int held[2];
    QCOMPARE(::pipe2(held, O_CLOEXEC), 0);
    int flushes = 0;
    SideFileSync::installSync([&flushes](int) { ++flushes; return 0; });
    alignas(SideFileSync) unsigned char storage[sizeof(SideFileSync)];
    for (int i = 0; i < 300; ++i) {
        for (size_t at = 0; at + sizeof(int) <= sizeof storage; at += sizeof(int))
            std::memcpy(storage + at, &held[0], sizeof(int));
        auto *sync = new (storage) SideFileSync;
        sync->waitForDone();
        sync->~SideFileSync();
    }
    SideFileSync::installSync(nullptr);
    QCOMPARE(flushes, 0);
    QVERIFY(::fcntl(held[0], F_GETFD) != -1);
    ::close(held[0]);
    ::close(held[1]);
}

void TstCapturePanel::sideFileFlushedAwayFromTheScreen()
{
    QFETCH(bool, cardRefuses);
    QFETCH(QStringList, told);
    Strip s;
    auto *clock = new StepClock;
    SystemClock::install(clock);
    std::mutex mutex;
    int flushes = 0;
    int onTheScreensThread = 0;
    QThread *screen = QThread::currentThread();
    SideFileSync::installSync([&, cardRefuses](int) {
        std::lock_guard<std::mutex> lock(mutex);
        ++flushes;
        if (QThread::currentThread() == screen)
            ++onTheScreensThread;
        errno = EIO;
        return cardRefuses ? -1 : 0;
    });
    VideoPipeInterface *pipe = s.panel->videoPipe();
    pipe->handleData("fadsave");
    for (int second = 1; second <= 3; ++second) {
        clock->t = clock->t.addSecs(1);
        pipe->tick();
    }
    QCOMPARE(pipe->secondCount(), 3);
    pipe->handleData("fadstop");
    pipe->sideFileSync()->waitForDone();
    SideFileSync::installSync({});
    QCoreApplication::processEvents();
    {
        std::lock_guard<std::mutex> lock(mutex);
        QVERIFY(flushes >= 1);
        QCOMPARE(onTheScreensThread, 0);
    }
    QStringList shown;
    for (const Indicator *indicator : s.b.view->findChildren<Indicator *>())
        shown << indicator->text();
    QCOMPARE(shown, told);
}

QTEST_MAIN(TstCapturePanel)
#include "tst_capturepanel.moc"
