#include "annotatebrowser.h"
#include "audiointerface.h"
#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "encoderphoto.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "filesizelimit.h"
#include "freespace.h"
#include "indicator.h"
#include "intervals.h"
#include "ipckeys.h"
#include "mediarecorder.h"
#include "mixer.h"
#include "menuroute.h"
#include "mp4writer.h"
#include "paths.h"
#include "photoreader.h"
#include "saveimage.h"
#include "simcardslot.h"
#include "setuptouch.h"
#include "sharedmemory.h"
#include "usekeyboarddialog.h"
#include "videopipeinterface.h"
#include "volumeinterface.h"
#include "zflickertime.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

// The capture strip as `ostrel --simulate` shows it: the Camera tile opens
// it at (0, 200); capture freezes, cancel releases; a finished photo opens
// its notes and the text note's dialog; a drag of the knob to its end
// switches to the video panel; a recording runs with encoder-sim counting
// its seconds, its stop shows the waiting picture until encoder-sim says
// "videostop" on "/tmp/videomain". The voice note records the simulated
// microphone into the same photo, and its note panels play it back over
// the photo. A recording the card has no room for ends as usual, but says
// that it was not saved. Each
// screen is written as a PNG when OSTREL_SCREENS_DIR is set.
class TestSimCapture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void stripPhotoNotesAndRecording();
    void recordingLostOnAFullCard();
    void noteNotWrittenIsTold();
    // Last: the card stays out.
    void recordingStopsWhenTheCardIsPulled();

private:
    void voiceNote(CvmainWindow *panel, const QString &photoPath);
    void notePanels(const QString &photoPath);
    QPushButton *button(const char *name) const { return EGlobal::get_cvmainwindow()->button(name); }
    void drag(CvmainWindow *panel, const QList<int> &xs);

    SetupTouch m_sim;
};

namespace {
bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}
} // namespace

void TestSimCapture::initTestCase()
{
    m_sim.startWithSetup();
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
    EGlobal::getToolBar()->displaySDCard(true);
}

void TestSimCapture::cleanupTestCase()
{
    Intervals::setScale(1.0);
    FreeSpace::setScript(nullptr);
    // The recording's seconds and the voice note live in segments the
    // camera keeps; this root's go with the test.
    for (key_t key : {EncoderLink::VideoSecondsKey, EncoderLink::VoiceNoteKey}) {
        SharedMemory segment;
        if (segment.attach(IpcKeys::key(key), 1))
            segment.remove();
    }
    m_sim.stop();
}

// A finger on the knob moved along the strip, as the panel sees it.
void TestSimCapture::drag(CvmainWindow *panel, const QList<int> &xs)
{
    for (int x : xs) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 30), panel->mapToGlobal(QPointF(x, 30)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
    }
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(xs.last(), 30));
}

void TestSimCapture::stripPhotoNotesAndRecording()
{
    MenuRoute::openTile("Camera");
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), QPoint(0, 200));
    m_sim.saveScreen("capture_strip.png");

    // Capture freezes; cancel releases.
    m_sim.touch(button("camerabutton"));
    QVERIFY(EGlobal::getGraphicsView()->gerFreezeFPGAImageStatus());
    m_sim.saveScreen("capture_frozen.png");
    m_sim.touch(button("cencelbutton"));
    QVERIFY(!EGlobal::getGraphicsView()->gerFreezeFPGAImageStatus());
    QCOMPARE(panel->getEndCamera(), 0);

    // A save that fails (encoder-sim's length does not fit its file): the
    // capture ends, nothing is left on the card, and the panel, hidden for
    // the photo, comes back for the next one.
    const QString switches = Paths::resolve(QLatin1String(EncoderPhoto::SwitchFile));
    QVERIFY(writeText(switches, "bad-length\n"));
    QSignalSpy failed(m_sim.live->saveImage(), &SaveImage::saveFailed);
    m_sim.touch(button("camerabutton"));
    m_sim.touch(button("camerabutton"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 15000);
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(!EGlobal::getGraphicsView()->gerFreezeFPGAImageStatus());
    QCOMPARE(panel->getEndCamera(), 0);
    QVERIFY(QDir(Paths::resolve(QLatin1String(FilenameSystem::ImageFolder))).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(writeText(switches, ""));

    // Capture and save through encoder-sim: the finished photo opens the
    // notes, not the save request.
    m_sim.touch(button("camerabutton"));
    m_sim.touch(button("camerabutton"));
    QVERIFY(!panel->textNoteEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(panel->textNoteEnabled() && panel->voiceNoteEnabled(), 15000);
    QCOMPARE(panel->getEndCamera(), 0);
    QVERIFY(!panel->Get_FileName().isEmpty());
    m_sim.saveScreen("capture_notes.png");
    m_sim.touch(button("commentButton"));
    QVERIFY(panel->textNoteDialog());
    QTRY_VERIFY(panel->textNoteDialog()->isVisible());
    m_sim.saveScreen("capture_text_note.png");
    panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
    m_sim.touch(panel->textNoteDialog()->button);
    QTRY_VERIFY(!panel->textNoteDialog());
    QVERIFY(!panel->textNoteEnabled());
    QFile photo(Paths::resolve(QStringLiteral("/media/mmc/image/") + panel->Get_FileName()));
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QVERIFY(photo.readAll().contains("valve hot"));
    voiceNote(panel, photo.fileName());
    if (QTest::currentTestFailed())
        return;
    notePanels(photo.fileName());
    if (QTest::currentTestFailed())
        return;

    // The knob to its end: the video panel.
    drag(panel, {262, 268, 275, 283, 295});
    QCOMPARE(panel->get_currentwidget(), 1);
    m_sim.saveScreen("capture_video_panel.png");

    // Record, then stop: the waiting picture until "videostop".
    m_sim.touch(button("videobutton_2"));
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
    QVERIFY(EGlobal::getGraphicsView()->getflickertimestate());
    // encoder-sim confirms: the overlay counts and the side file is there.
    QTRY_VERIFY(EGlobal::getGraphicsView()->flickerTime()->isCounting());
    QTRY_VERIFY(panel->videoPipe()->hasSideFile());
    QTRY_VERIFY_WITH_TIMEOUT(EGlobal::getGraphicsView()->getflickertime() >= 1, 5000);
    m_sim.saveScreen("capture_recording.png");
    m_sim.touch(button("videobutton_2"));
    // encoder-sim may answer while the touch is still being delivered; until
    // "videostop" the waiting picture is up.
    if (panel->getCvMode() == int(CvmainWindow::CvStopping)) {
        QVERIFY(EGlobal::getGraphicsView()->videoIndicator());
        m_sim.saveScreen("capture_stopping.png");
    }
    QTRY_COMPARE(panel->get_video_workstat(), int(CvmainWindow::VIdle));
    // encoder-sim answers "fadstop" and "videostop".
    QTRY_COMPARE(panel->getCvMode(), int(CvmainWindow::CvIdle));
    QVERIFY(!panel->videoPipe()->hasSideFile());
    QVERIFY(!EGlobal::getGraphicsView()->videoIndicator());
    QVERIFY(panel->isVisible());
    // The recording is on the card: an ".mp4" whose video data ends with the
    // end marker, then the side data and its offset.
    const QDir videos(Paths::resolve(QLatin1String(FilenameSystem::VideoFolder)));
    const QStringList recordings = videos.entryList({QStringLiteral("*.mp4")}, QDir::Files);
    QCOMPARE(recordings.size(), 1);
    QFile recording(videos.filePath(recordings.first()));
    QVERIFY(recording.open(QIODevice::ReadOnly));
    const QByteArray bytes = recording.readAll();
    qint64 sideAt = 0;
    QVERIFY(PhotoReader::trailingLength(bytes, &sideAt));
    QCOMPARE(bytes.mid(4, 4), QByteArray("ftyp"));
    QCOMPARE(bytes.mid(sideAt - 8, 8), QByteArray(Mp4Writer::EndMarker));
    QVERIFY(PhotoReader::videoRecord(bytes, 0).isValid());
}

// encoder-sim's card fills half a second into the recording: its answers
// come as ever, the video is not on the card, and the screen says so when
// the stop is done.
void TestSimCapture::recordingLostOnAFullCard()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!panel->isVisible() || panel->get_currentwidget() != CvmainWindow::VideoPanel) {
        MenuRoute::openTile("Camera");
        drag(panel, {262, 268, 275, 283, 295});
    }
    QCOMPARE(panel->get_currentwidget(), int(CvmainWindow::VideoPanel));
    QVERIFY(panel->isVisible());
    const QString switches = Paths::resolve(QLatin1String(EncoderPhoto::SwitchFile));
    QVERIFY(writeText(switches, "card-full\n"));
    const QDir videos(Paths::resolve(QLatin1String(FilenameSystem::VideoFolder)));
    const QStringList before = videos.entryList(QDir::Files | QDir::Hidden);
    EGraphicsView *view = EGlobal::getGraphicsView();
    m_sim.touch(button("videobutton_2"));
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
    QTRY_VERIFY_WITH_TIMEOUT(view->getflickertime() >= 1, 5000);
    m_sim.touch(button("videobutton_2"));
    QTRY_COMPARE(panel->getCvMode(), int(CvmainWindow::CvIdle));
    QStringList shown;
    for (const Indicator *indicator : view->findChildren<Indicator *>())
        shown << indicator->text();
    QCOMPARE(shown, QStringList{QStringLiteral("Save failed")});
    m_sim.saveScreen("capture_recording_lost.png");
    QCOMPARE(videos.entryList(QDir::Files | QDir::Hidden), before);
    QVERIFY(panel->isVisible());
    QVERIFY(writeText(switches, ""));
}

namespace {
// The tips shown on the live view: their text, or "<picture>" for the
// card's picture.
QStringList shownTips(EGraphicsView *view)
{
    QStringList shown;
    for (const Indicator *indicator : view->findChildren<Indicator *>())
        if (indicator->isVisible())
            shown << (indicator->text().isEmpty() ? QStringLiteral("<picture>") : indicator->text());
    return shown;
}
} // namespace

// A text note the card cannot take: "Save failed" over the live view, the
// photo as it was, and the note's button still active; once the card takes
// writes again the same button writes the note.
void TestSimCapture::noteNotWrittenIsTold()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!panel->isVisible())
        MenuRoute::openTile("Camera");
    if (panel->get_currentwidget() != CvmainWindow::PhotoPanel)
        drag(panel, {283, 262});
    QCOMPARE(panel->get_currentwidget(), int(CvmainWindow::PhotoPanel));
    QVERIFY(panel->isVisible());
    EGraphicsView *view = EGlobal::getGraphicsView();
    m_sim.touch(button("camerabutton"));
    m_sim.touch(button("camerabutton"));
    QTRY_VERIFY_WITH_TIMEOUT(panel->textNoteEnabled(), 15000);
    QFile photo(Paths::resolve(QStringLiteral("/media/mmc/image/") + panel->Get_FileName()));
    QVERIFY(photo.open(QIODevice::ReadOnly));
    const QByteArray before = photo.readAll();
    photo.close();
    qDeleteAll(view->findChildren<Indicator *>());

    m_sim.touch(button("commentButton"));
    QVERIFY(panel->textNoteDialog());
    QTRY_VERIFY(panel->textNoteDialog()->isVisible());
    panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
    {
        FileSizeLimit full;
        QVERIFY(full.isSet());
        m_sim.touch(panel->textNoteDialog()->button);
    }
    QTRY_VERIFY(!panel->textNoteDialog());
    QCOMPARE(shownTips(view), QStringList{QStringLiteral("Save failed")});
    QVERIFY(panel->textNoteEnabled());
    m_sim.saveScreen("capture_note_not_written.png");
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QCOMPARE(photo.readAll(), before);
    photo.close();

    m_sim.touch(button("commentButton"));
    QTRY_VERIFY(panel->textNoteDialog() && panel->textNoteDialog()->isVisible());
    panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
    m_sim.touch(panel->textNoteDialog()->button);
    QTRY_VERIFY(!panel->textNoteDialog());
    QVERIFY(!panel->textNoteEnabled());
    QVERIFY(photo.open(QIODevice::ReadOnly));
    QVERIFY(photo.readAll().contains("valve hot"));
}

// The card is pulled while recording: on the card watcher's word the
// recording stops, its time with it, and the card's picture says why at
// once; the encoder's stop that follows tells nothing more.
void TestSimCapture::recordingStopsWhenTheCardIsPulled()
{
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    if (!panel->isVisible())
        MenuRoute::openTile("Camera");
    if (panel->get_currentwidget() != CvmainWindow::VideoPanel)
        drag(panel, {262, 268, 275, 283, 295});
    QCOMPARE(panel->get_currentwidget(), int(CvmainWindow::VideoPanel));
    EGraphicsView *view = EGlobal::getGraphicsView();
    m_sim.touch(button("videobutton_2"));
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VRecording));
    QTRY_VERIFY_WITH_TIMEOUT(view->getflickertime() >= 1, 5000);
    qDeleteAll(view->findChildren<Indicator *>());

    QVERIFY(m_sim.simulator->cardSlot()->writeCard(1));
    QTRY_VERIFY(!EGlobal::getToolBar()->SDCardStatus());
    QCOMPARE(panel->get_video_workstat(), int(CvmainWindow::VIdle));
    QVERIFY(!view->flickerTime()->isCounting());
    QCOMPARE(shownTips(view), QStringList{QStringLiteral("<picture>")});
    m_sim.saveScreen("capture_card_pulled.png");
    QTRY_COMPARE(panel->getCvMode(), int(CvmainWindow::CvIdle));
    QVERIFY(!shownTips(view).contains(QStringLiteral("Save failed")));
}

// The microphone button opens the recorder over the screen; a recording
// of the simulated microphone, saved, lands in the photo as its voice note.
void TestSimCapture::voiceNote(CvmainWindow *panel, const QString &photoPath)
{
    Intervals::setScale(0.02);
    QVERIFY(panel->voiceNoteEnabled());
    m_sim.touch(button("microphoneButton"));
    MediaRecorder *recorder = panel->voiceRecorder();
    QVERIFY(recorder);
    QTRY_VERIFY(recorder->isVisible());
    QCOMPARE(recorder->pos(), QPoint(0, 0));
    m_sim.saveScreen("voice_recorder.png");
    m_sim.touch(recorder->recordButton());
    QCOMPARE(recorder->state(), int(MediaRecorder::Recording));
    QTRY_VERIFY_WITH_TIMEOUT(recorder->byteCount() >= 12 * 16000, 10000);
    m_sim.saveScreen("voice_recording.png");
    m_sim.touch(recorder->recordButton());
    QTRY_VERIFY(recorder->writeButton()->isEnabled());
    m_sim.saveScreen("voice_recorded.png");
    m_sim.touch(recorder->writeButton());
    QTRY_VERIFY(!panel->voiceRecorder());
    QVERIFY(!panel->voiceNoteEnabled());
    Intervals::setScale(1.0);

    QFile photo(photoPath);
    QVERIFY(photo.open(QIODevice::ReadOnly));
    const QByteArray bytes = photo.readAll();
    const PhotoReader::Photo read = PhotoReader::readPhoto(bytes);
    QCOMPARE(read.notes.size(), 2);
    QCOMPARE(read.notes.last().type, 1u);
    QVERIFY(PhotoReader::slice(bytes, read.notes.last().range).startsWith("RIFF"));
}

// The note panels as the photo viewer lays them over the photo: the text
// panel, the player on "/root/music.wav" and its volume slider on the mixer.
void TestSimCapture::notePanels(const QString &photoPath)
{
    QFile photo(photoPath);
    QVERIFY(photo.open(QIODevice::ReadOnly));
    const QByteArray bytes = photo.readAll();
    const PhotoReader::Photo read = PhotoReader::readPhoto(bytes);
    QVERIFY(read.notes.size() == 2);
    QFile music(Paths::resolve(AudioInterface::musicFile()));
    QVERIFY(music.open(QIODevice::WriteOnly));
    music.write(PhotoReader::slice(bytes, read.notes.last().range));
    music.close();

    QLabel photoView;
    photoView.setWindowFlag(Qt::FramelessWindowHint);
    photoView.setGeometry(0, 0, 320, 240);
    photoView.setPixmap(QPixmap::fromImage(QImage::fromData(bytes)).scaled(320, 240));
    auto *text = new annotateBrowser(&photoView);
    text->setGeometry(35, 80, 251, 135);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Text, Qt::white);
    text->setPalette(palette);
    text->setPlainText(QString::fromLatin1(PhotoReader::slice(bytes, read.notes.first().range)));
    photoView.show();
    QVERIFY(QTest::qWaitForWindowExposed(&photoView));
    QTRY_VERIFY(text->isVisible());
    m_sim.saveScreen("note_text_panel.png");
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(text->isHidden());

    auto *player = new AudioInterface(&photoView);
    player->move((320 - player->width()) / 2, 225 - player->height());
    auto *volume = new VolumeInterface(&photoView);
    volume->move(230, 25);
    volume->setVolume(Mixer::masterVolume());
    volume->hide();
    connect(player, &AudioInterface::soundplay_signals, volume, [volume] { volume->setVisible(volume->isHidden()); });
    connect(volume, &VolumeInterface::volumeMoveEvent, this, [](int v) { Mixer::setMasterVolume(v); });
    player->show();
    m_sim.touch(player->playButton());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    const int seconds = int((music.size() - 44) / 16000);
    QVERIFY(seconds >= 12);
    QCOMPARE(player->totalLabel()->text(), QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss")));
    player->runMusicPlay();
    player->runMusicPlay();
    QCOMPARE(player->elapsedLabel()->text(), QStringLiteral("00:00:02"));
    m_sim.touch(player->soundButton());
    QVERIFY(volume->isVisible());
    m_sim.saveScreen("note_player.png");
    m_sim.touch(player->stopButton());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
}

QTEST_MAIN(TestSimCapture)
#include "tst_simcapture.moc"
