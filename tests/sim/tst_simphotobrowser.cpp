#include "annotatebrowser.h"
#include "cvmainwindow.h"
#include "freespace.h"
#include "audiointerface.h"
#include "eglobal.h"
#include "egraphicsview.h"
#include "emaininterface.h"
#include "etoolwidget.h"
#include "intervals.h"
#include "menuroute.h"
#include "paths.h"
#include "photobutton.h"
#include "photomessagebox.h"
#include "photosview.h"
#include "setuptouch.h"
#include "thumbmenu.h"
#include "thumbstatus.h"
#include "thumbthread.h"
#include "thumbtoolwidget.h"
#include "thumitem.h"
#include "usekeyboarddialog.h"
#include "voicenotecopy.h"
#include "volumeinterface.h"

#include "../VyxImage/photofixture.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// The photo browser as `ostrel --simulate` shows it: the main menu's Photo
// tile opens it (first on an empty card, then on photos made from the
// simulated picture, some with notes); swipes page; a tap opens the viewer,
// which zooms and turns the photo; the delete button asks, OK runs the
// animation into the bin and the browser removes the file; Escape goes back
// to the live view. Each screen is written as a PNG when OSTREL_SCREENS_DIR
// is set.
class TestSimPhotoBrowser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void emptyCard();
    void browseViewAndDelete();
    void photoTakenOnTheCameraAppears();
    void namesAsTheCardHoldsThem();
    void voiceNoteLongerThanTheCameraRecords();
    void cardFilesThatAreNoPhotos();

private:
    ThumbMenu *openBrowser();
    void swipe(QWidget *window, const QPoint &from, const QPoint &to);
    void touch(QWidget *target) { m_sim.touch(target); }
    void saveScreen(const char *name) { m_sim.saveScreen(name); }
    void writePhotos();

    SetupTouch m_sim;
};

void TestSimPhotoBrowser::initTestCase()
{
    m_sim.startWithSetup();
    EGlobal::getToolBar()->displaySDCard(true);
    // The tiles look for new thumbnails every 50 ms instead of 5 s.
    Intervals::setScale(0.01);
    FreeSpace::setScript([](const QString &) { return qint64(1) << 30; });
}

void TestSimPhotoBrowser::cleanupTestCase()
{
    Intervals::setScale(1.0);
    FreeSpace::setScript(nullptr);
    m_sim.stop();
}

ThumbMenu *TestSimPhotoBrowser::openBrowser()
{
    EMainInterface *menu = EGlobal::getMainInterface();
    if (!menu->isVisibled())
        MenuRoute::touch(EGlobal::getGraphicsView(), MenuRoute::barePoint());
    [&] { QVERIFY(menu->isVisible()); }();
    touch(menu->tile(QStringLiteral("Photo")));
    ThumbMenu *browser = menu->photoBrowser();
    [&] {
        QVERIFY(browser && browser->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(browser));
    }();
    return browser;
}

void TestSimPhotoBrowser::swipe(QWidget *window, const QPoint &from, const QPoint &to)
{
    QTest::touchEvent(window->windowHandle(), m_sim.finger).press(0, from);
    QTest::touchEvent(window->windowHandle(), m_sim.finger).move(0, to);
    QTest::touchEvent(window->windowHandle(), m_sim.finger).release(0, to);
}

// Photos as the capture side leaves them, their picture the simulated
// scene of this moment in changing palettes of brightness.
void TestSimPhotoBrowser::writePhotos()
{
    const QImage live = m_sim.screen->composed().scaled(640, 480);
    for (int i = 1; i <= 8; ++i) {
        QImage picture = live;
        QPainter p(&picture);
        p.fillRect(picture.rect(), QColor::fromHsv((i * 40) % 360, 160, 120, 60));
        p.end();
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG");
        EFileManager::ImageParaValues v;
        v.spots[0] = EFileManager::Spot{true, true, 160, 120, 0, {"OK", 0, 30.0 + i}, {}};
        QByteArray bytes = PhotoFixture::photoOf(jpeg, EFileManager::buildImagePara(v));
        if (i == 8 || i == 6)
            bytes = PhotoWriter::withNote(bytes, PhotoLayout::TextNote, "Valve 3 runs hot: check the bearing.");
        if (i == 8 || i == 5) {
            // Five seconds of 8000 Hz 16-bit sound behind a 44-byte header.
            QByteArray wav("RIFF");
            wav += QByteArray(40, '\0') + QByteArray(80000, '\x10');
            bytes = PhotoWriter::withNote(bytes, PhotoLayout::VoiceNote, wav);
        }
        QFile file(Paths::resolve(QStringLiteral("/media/mmc/image/181214_%1T.jpg").arg(i, 4, 10, QLatin1Char('0'))));
        QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
}

void TestSimPhotoBrowser::emptyCard()
{
    ThumbMenu *browser = openBrowser();
    QVERIFY(browser->statusNotice()->isVisible());
    QCOMPARE(browser->statusNotice()->notice(), QStringLiteral("This directory is empty"));
    saveScreen("photos_empty.png");
    touch(browser->exitButton());
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
    QVERIFY(EGlobal::getGraphicsView()->isVisibled());
}

void TestSimPhotoBrowser::browseViewAndDelete()
{
    writePhotos();
    ThumbMenu *browser = openBrowser();
    QCOMPARE(browser->count(), 8);
    QVERIFY(browser->thumbThread()->wait(20000));
    for (int t = 0; t < 6; ++t)
        QTRY_VERIFY(!browser->tile(t)->showsPlaceholder());
    QVERIFY(browser->tile(0)->hasTextNote() && browser->tile(0)->hasVoiceNote());
    saveScreen("photos_page.png");

    // A swipe to the left: the second page with two photos.
    swipe(browser, QPoint(220, 120), QPoint(120, 125));
    QCOMPARE(browser->page(), 1);
    QVERIFY(browser->tile(1)->isVisible() && !browser->tile(2)->isVisible());
    saveScreen("photos_page2.png");
    swipe(browser, QPoint(120, 120), QPoint(220, 118));
    QCOMPARE(browser->page(), 0);

    // Delete mode: two photos marked, then back.
    touch(browser->toolWidget()->deleteButton());
    touch(browser->tile(1));
    touch(browser->tile(4));
    QVERIFY(browser->tile(1)->getDeleteImageFlag() && browser->tile(4)->getDeleteImageFlag());
    saveScreen("photos_deletemode.png");
    touch(browser->toolWidget()->backButton());
    QVERIFY(!browser->getDeleteImageMode() && browser->selection().isEmpty());

    // The viewer: the newest photo, with both notes.
    touch(browser->tile(0));
    PhotosView *viewer = browser->viewer();
    QVERIFY(viewer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QCOMPARE(viewer->photoIndex(), 0);
    QVERIFY(viewer->textNoteButton()->isVisible());
    // The voice note's button comes when its copy is made.
    QTRY_VERIFY(viewer->voiceNoteButton()->isVisible());
    saveScreen("photos_viewer.png");

    // Its notes: the text panel, then the player, playing, with the volume.
    touch(viewer->textNoteButton());
    QVERIFY(viewer->textPanel() && viewer->textPanel()->isVisible());
    QCOMPARE(viewer->textPanel()->toPlainText(), QStringLiteral("Valve 3 runs hot: check the bearing."));
    saveScreen("photos_textnote.png");
    touch(viewer->textNoteButton());
    QVERIFY(!viewer->textPanel()->isVisible());
    touch(viewer->voiceNoteButton());
    AudioInterface *player = viewer->audioPanel();
    QVERIFY(player && player->isVisible());
    touch(player->playButton());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Running));
    touch(player->soundButton());
    QVERIFY(viewer->volumePanel()->isVisible());
    saveScreen("photos_voicenote.png");
    touch(viewer->voiceNoteButton());
    QCOMPARE(AudioInterface::getRunState(), int(AudioInterface::Idle));
    QVERIFY(!player->isVisible());
    // A tap on the picture brings the bar back.
    if (!viewer->barVisible())
        swipe(viewer, QPoint(160, 60), QPoint(160, 60));
    QVERIFY(viewer->barVisible());
    touch(viewer->button("image_add"));
    touch(viewer->button("image_add"));
    touch(viewer->button("image_round"));
    QCOMPARE(viewer->zoomLevel(), 6);
    QCOMPARE(viewer->rotation(), 1);
    saveScreen("photos_viewer_zoomed.png");
    touch(viewer->nextButton());
    QCOMPARE(viewer->photoIndex(), 1);
    QCOMPARE(viewer->zoomLevel(), 0);

    // Deletion: the question, a frame of the animation, the next photo.
    const QString doomed = viewer->loadedFileName();
    touch(viewer->deleteButton());
    PhotoMessageBox *question = viewer->question();
    QVERIFY(question && question->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(question));
    saveScreen("photos_question.png");
    touch(question->okButton());
    QTimeLine *line = viewer->timeLine();
    QCOMPARE(line->state(), QTimeLine::Running);
    line->setPaused(true);
    line->setCurrentTime(120);
    saveScreen("photos_delete_frame.png");
    line->setPaused(false);
    QTRY_COMPARE(browser->count(), 7);
    QVERIFY(!QFile::exists(doomed));
    QCOMPARE(viewer->photoIndex(), 1);
    QVERIFY(viewer->loadedFileName() != doomed);
    QVERIFY(viewer->isVisible());

    // Escape: the viewer, then the browser; the live view is back.
    QTest::keyClick(viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    QTest::keyClick(browser, Qt::Key_Escape);
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
    QVERIFY(EGlobal::getGraphicsView()->isVisibled());
}

// A photo taken with the capture panel (saved by encoder-sim, a text note
// added) is the newest: first on the first page, with its thumbnail and mark.
void TestSimPhotoBrowser::photoTakenOnTheCameraAppears()
{
    MenuRoute::openTile("Camera");
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    QVERIFY(panel->isVisible());
    touch(panel->button("camerabutton"));
    touch(panel->button("camerabutton"));
    QTRY_VERIFY_WITH_TIMEOUT(panel->textNoteEnabled(), 15000);
    const QString name = panel->Get_FileName();
    touch(panel->button("commentButton"));
    QTRY_VERIFY(panel->textNoteDialog() && panel->textNoteDialog()->isVisible());
    panel->textNoteDialog()->textEdit->setPlainText(QStringLiteral("valve hot"));
    touch(panel->textNoteDialog()->button);
    QTRY_VERIFY(!panel->textNoteDialog());
    touch(panel->button("backbutton"));
    QTRY_VERIFY(!panel->isVisible());

    ThumbMenu *browser = openBrowser();
    QCOMPARE(browser->caption(0)->text(), name);
    QVERIFY(browser->tile(0)->hasTextNote() && !browser->tile(0)->hasVoiceNote());
    QTRY_VERIFY(!browser->tile(0)->showsPlaceholder());
    saveScreen("photos_after_capture.png");
    touch(browser->exitButton());
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
}

// Names as a card may hold them: markup shows as the text it is (a huge
// picture in markup blanks nothing), and a name that is not UTF-8 is listed
// with replacement characters and can be deleted.
void TestSimPhotoBrowser::namesAsTheCardHoldsThem()
{
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/image"));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder));
    const QByteArray raw = "181215_0003\xff\xfeT.jpg";
    const QByteArrayList names{"181215_0002<b>bold<img src=x>T.jpg", "181215_0001<img width=30000 src=x>.jpg", raw};
    const QByteArray host = QFile::encodeName(folder) + '/';
    auto removeAll = qScopeGuard([&] {
        for (const QByteArray &name : names)
            ::unlink((host + name).constData());
    });
    const QImage live = m_sim.screen->composed().scaled(640, 480);
    for (const QByteArray &name : names) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        live.save(&buffer, "JPG");
        const QByteArray bytes = PhotoFixture::photoOf(jpeg, EFileManager::buildImagePara(EFileManager::ImageParaValues{}));
        QFile file;
        const int fd = ::open((host + name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    ThumbMenu *browser = openBrowser();
    QCOMPARE(browser->count(), 3);
    QCOMPARE(browser->caption(0)->text(), QStringLiteral("181215_0003\uFFFD\uFFFDT.jpg"));
    QCOMPARE(browser->caption(1)->text(), QStringLiteral("181215_0002<b>bold<img src=x>T.jpg"));
    QCOMPARE(browser->caption(2)->text(), QStringLiteral("181215_0001<img width=30000 src=x>.jpg"));
    QVERIFY(browser->thumbThread()->wait(20000));
    for (int t = 0; t < 3; ++t)
        QTRY_VERIFY(!browser->tile(t)->showsPlaceholder());
    saveScreen("photos_names_as_text.png");

    touch(browser->tile(2));
    PhotosView *viewer = browser->viewer();
    QVERIFY(viewer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->informationLabel()->text().startsWith(QStringLiteral("181215_0001<img width=30000 src=x>.jpg\n")));
    saveScreen("photos_viewer_markup_name.png");
    QTest::keyClick(viewer, Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());

    touch(browser->tile(0));
    QVERIFY(viewer->isVisible());
    QVERIFY(!viewer->photoPixmap().isNull());
    saveScreen("photos_viewer_raw_name.png");
    touch(viewer->deleteButton());
    QVERIFY(viewer->question() && viewer->question()->isVisible());
    touch(viewer->question()->okButton());
    QTRY_COMPARE(browser->count(), 2);
    QCOMPARE(::access((host + raw).constData(), F_OK), -1);
    QTest::keyClick(viewer, Qt::Key_Escape);
    QTest::keyClick(browser, Qt::Key_Escape);
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
}

// A photo whose voice note says it is a gigabyte long (a sparse file): the
// viewer shows the photo and says the note is too long; nothing is copied.
void TestSimPhotoBrowser::voiceNoteLongerThanTheCameraRecords()
{
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/image"));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(!QFile::exists(Paths::resolve(QStringLiteral("/root/music.wav"))) || QFile::remove(Paths::resolve(QStringLiteral("/root/music.wav"))));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    m_sim.screen->composed().scaled(640, 480).save(&buffer, "JPG");
    const QByteArray bytes = PhotoWriter::withNote(PhotoFixture::photoOf(jpeg, EFileManager::buildImagePara({})), PhotoLayout::VoiceNote, "RIFF");
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qint64 n = PhotoLayout::getU32(data + bytes.size() - 4);
    const qint64 entry = n + PhotoLayout::HeaderSize + 2 * PhotoLayout::EntrySize;
    const qint64 at = PhotoLayout::getU32(data + entry + 4);
    const qint64 length = qint64(1) << 30;
    QByteArray head = bytes.left(int(at) + 4);
    PhotoLayout::putU32(reinterpret_cast<unsigned char *>(head.data()) + entry + 8, uint32_t(length));
    const QString path = folder + QStringLiteral("/181216_0001T.jpg");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(head), head.size());
        QVERIFY(file.seek(at + length));
        QCOMPARE(file.write(bytes.right(4)), qint64(4));
    }
    auto removeIt = qScopeGuard([&] { QFile::remove(path); });

    ThumbMenu *browser = openBrowser();
    QCOMPARE(browser->count(), 1);
    touch(browser->tile(0));
    PhotosView *viewer = browser->viewer();
    QVERIFY(viewer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->noticeLabel()->isVisible());
    QVERIFY(!viewer->voiceNoteButton()->isVisible());
    saveScreen("photos_voicenote_refused.png");
    QVERIFY(!QFile::exists(Paths::resolve(QStringLiteral("/root/music.wav"))));
    QTest::keyClick(viewer, Qt::Key_Escape);
    QTest::keyClick(browser, Qt::Key_Escape);
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
}

// Files on the card named like photos that are none of the camera's: an
// SVG drawing a picture from elsewhere on the machine keeps the tile's
// placeholder and shows black in the viewer; a link off the card is not
// listed at all.
void TestSimPhotoBrowser::cardFilesThatAreNoPhotos()
{
    const QString folder = Paths::resolve(QStringLiteral("/media/mmc/image"));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(QDir().mkpath(folder));
    const QString outside = Paths::resolve(QStringLiteral("/outside"));
    QVERIFY(QDir().mkpath(outside));
    QImage secret(640, 480, QImage::Format_RGB32);
    secret.fill(Qt::red);
    QVERIFY(secret.save(outside + QStringLiteral("/secret.png"), "PNG"));
    QVERIFY(m_sim.screen->composed().scaled(640, 480).save(outside + QStringLiteral("/elsewhere.jpg"), "JPG"));
    auto removeAll = qScopeGuard([&] {
        QDir(folder).removeRecursively();
        QDir(outside).removeRecursively();
    });
    {
        QFile svg(folder + QStringLiteral("/181217_0002T.jpg"));
        QVERIFY(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"640\""
                  " height=\"480\"><image width=\"640\" height=\"480\" xlink:href=\""
                  + QFile::encodeName(outside) + "/secret.png\"/></svg>\n");
    }
    QVERIFY(QFile::link(outside + QStringLiteral("/elsewhere.jpg"), folder + QStringLiteral("/181217_0003T.jpg")));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    m_sim.screen->composed().scaled(640, 480).save(&buffer, "JPG");
    {
        QFile own(folder + QStringLiteral("/181217_0001T.jpg"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.write(PhotoFixture::photoOf(jpeg, EFileManager::buildImagePara({})));
    }

    ThumbMenu *browser = openBrowser();
    QCOMPARE(browser->count(), 2);
    QCOMPARE(browser->photoAt(0).fileName(), QStringLiteral("181217_0002T.jpg"));
    QVERIFY(browser->thumbThread()->wait(20000));
    QTRY_VERIFY(!browser->tile(1)->showsPlaceholder());
    browser->tile(0)->timeoutupdate();
    QVERIFY(browser->tile(0)->showsPlaceholder());
    saveScreen("photos_not_a_photo.png");

    touch(browser->tile(0));
    PhotosView *viewer = browser->viewer();
    QVERIFY(viewer->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QVERIFY(viewer->photoPixmap().isNull());
    saveScreen("photos_viewer_not_a_photo.png");
    QTest::keyClick(viewer, Qt::Key_Escape);
    QTest::keyClick(browser, Qt::Key_Escape);
    QTRY_VERIFY(!EGlobal::getMainInterface()->photoBrowser());
}

QTEST_MAIN(TestSimPhotoBrowser)
#include "tst_simphotobrowser.moc"
