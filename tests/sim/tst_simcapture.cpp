#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "freespace.h"
#include "intervals.h"
#include "menuroute.h"
#include "mp4writer.h"
#include "paths.h"
#include "photoreader.h"
#include "setuptouch.h"
#include "usekeyboarddialog.h"
#include "videopipeinterface.h"
#include "zflickertime.h"

#include <QFile>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

// The capture strip as `ostrel --simulate` shows it: the Camera tile opens
// it at (0, 200); capture freezes, cancel releases; a finished photo opens
// its notes and the text note's dialog; a drag of the knob to its end
// switches to the video panel; a recording runs with encoder-sim counting
// its seconds, its stop shows the waiting picture until encoder-sim says
// "videostop" on "/tmp/videomain". Each
// screen is written as a PNG when OSTREL_SCREENS_DIR is set.
class TestSimCapture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void stripPhotoNotesAndRecording();

private:
    QPushButton *button(const char *name) const { return EGlobal::get_cvmainwindow()->button(name); }
    void drag(CvmainWindow *panel, const QList<int> &xs);

    SetupTouch m_sim;
};

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

QTEST_MAIN(TestSimCapture)
#include "tst_simcapture.moc"
