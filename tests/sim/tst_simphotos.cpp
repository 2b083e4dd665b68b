#include "cvmainwindow.h"
#include "eglobal.h"
#include "egraphicstextitem.h"
#include "egraphicsview.h"
#include "elistitems.h"
#include "encoderstate.h"
#include "ephotospage.h"
#include "esetupcombobox.h"
#include "esetupitem.h"
#include "esetupswitch.h"
#include "esetupwindow.h"
#include "etoolwidget.h"
#include "freespace.h"
#include "intervals.h"
#include "key_num.h"
#include "menuroute.h"
#include "mzoomrotebutton.h"
#include "paths.h"
#include "phototimeboard.h"
#include "phototimedialog.h"
#include "saveimage.h"
#include "setuptouch.h"
#include "zlineedit.h"
#include "zmultifunctional.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

// Interval capture and the zoom/rotate strip as `ostrel --simulate` shows
// them: the Photos page, its dialog and pad reached by touch; with Repeat
// on, each period freezes the picture, encoder-sim logs "jpegenc start" and
// the save side completes; a tap on the status bar opens the strip, and a
// held zoom-out enlarges the picture. Each screen is written as a PNG when
// OSTREL_SCREENS_DIR is set.
class TestSimPhotos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void photosPageDialogAndPad();
    void repeatCapturesWhileTheLiveViewShows();
    void stripZoomsThePicture();

private:
    void touch(QWidget *target) { m_sim.touch(target); }
    void press(QWidget *target) { m_sim.press(target); }
    void release(QWidget *target) { m_sim.release(target); }
    void saveScreen(const char *name) { m_sim.saveScreen(name); }
    QByteArray encoderLog() const;
    EPhotosPage *photosPage() const;

    SetupTouch m_sim;
};

void TestSimPhotos::initTestCase()
{
    m_sim.startWithSetup();
}

void TestSimPhotos::cleanupTestCase()
{
    Intervals::setScale(1.0);
    FreeSpace::setScript(nullptr);
    m_sim.stop();
}

QByteArray TestSimPhotos::encoderLog() const
{
    QFile log(Paths::resolve(QStringLiteral("/tmp/encoder-sim.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

EPhotosPage *TestSimPhotos::photosPage() const
{
    return qobject_cast<EPhotosPage *>(EGlobal::getSetupWindow()->widget(ESetupWindow::PhotosPage));
}

void TestSimPhotos::photosPageDialogAndPad()
{
    MenuRoute::openTile("Config");
    ESetupWindow *window = EGlobal::getSetupWindow();
    QVERIFY(window && window->isVisible());
    touch(window->listItems()->findChild<ESetupItem *>(QStringLiteral("Photos")));
    EPhotosPage *page = photosPage();
    QVERIFY(page && page->isVisible());
    QCOMPARE(page->periodRow()->text(), QStringLiteral("5s"));
    saveScreen("photos_0_page.png");

    touch(page->periodRow());
    PhotoTimeDialog *dialog = page->dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->geometry(), QRect(40, 40, 240, 160));
    touch(dialog->countAdd());
    touch(dialog->countAdd());
    QCOMPARE(dialog->countEdit()->text(), QStringLiteral("7"));
    saveScreen("photos_1_dialog.png");

    touch(dialog->countEdit());
    PhotoTimeBoard *board = dialog->board();
    QVERIFY(board && board->isVisible());
    touch(board->keypad()->key(QStringLiteral("btndel")));
    touch(board->keypad()->key(QStringLiteral("btn1")));
    touch(board->keypad()->key(QStringLiteral("btn2")));
    QCOMPARE(board->textEdit()->toPlainText(), QStringLiteral("12"));
    saveScreen("photos_2_pad.png");
    touch(board->okButton());
    QVERIFY(!board->isVisible());
    QCOMPARE(dialog->countEdit()->text(), QStringLiteral("12"));
    touch(dialog->unitAdd());
    QCOMPARE(dialog->unitEdit()->text(), QStringLiteral("Minute"));
    touch(dialog->unitSub());
    saveScreen("photos_3_dialog_typed.png");

    QPushButton *done = nullptr;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (button->text() == QLatin1String("Done"))
            done = button;
    QVERIFY(done);
    touch(done);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(page->periodRow()->text(), QStringLiteral("12s"));
    touch(page->repeatSwitch());
    QVERIFY(page->repeatSwitch()->isOpen());
    QVERIFY(m_sim.live->view()->getImagesequencemode());
    saveScreen("photos_4_repeat_on.png");
    // Stopped again here; the next test runs it at a shortened period.
    touch(page->repeatSwitch());
    QVERIFY(!page->repeatTimer()->isActive());
    touch(window->listItems()->backButton());
    QVERIFY(!window->isVisible());
}

void TestSimPhotos::repeatCapturesWhileTheLiveViewShows()
{
    EGraphicsView *view = m_sim.live->view();
    CvmainWindow *panel = EGlobal::get_cvmainwindow();
    QVERIFY(panel);
    view->toolBar()->displaySDCard(true);
    FreeSpace::setScript([](const QString &) { return qint64(512) * 1048576; });
    const int starts = encoderLog().count("jpegenc start");
    const int stops = encoderLog().count("jpegenc stop");
    QSignalSpy saves(m_sim.live->saveImage(), &SaveImage::saved);
    // What each completed save left behind, before the next period can
    // freeze again.
    QList<bool> releasedAtSave;
    connect(m_sim.live->saveImage(), &SaveImage::saved, this, [&] {
        releasedAtSave.append(!view->toolBar()->getFreezeImageFlag() && panel->get_Imagestate() == 0);
    });

    // 12 s scaled to 120 ms; the save side holds the picture 4 ms.
    Intervals::setScale(0.01);
    EPhotosPage *page = photosPage();
    page->repeatHandler_start();
    QCOMPARE(page->repeatTimer()->interval(), 120);
    QTRY_VERIFY(view->toolBar()->getFreezeImageFlag());
    QCOMPARE(panel->get_Imagestate(), 1);
    QVERIFY(panel->getSnapshot());
    QCOMPARE(panel->pos(), QPoint(0, 200));
    saveScreen("photos_5_frozen.png");
    QTRY_VERIFY(!saves.isEmpty());
    QVERIFY(releasedAtSave.value(0));
    QTRY_VERIFY(encoderLog().count("jpegenc start") > starts);
    QTRY_VERIFY(encoderLog().count("jpegenc stop") > stops);

    // A second period takes a second photo.
    QTRY_VERIFY(saves.count() >= 2);
    page->repeatHandler_stop();
    Intervals::setScale(1.0);
    disconnect(m_sim.live->saveImage(), &SaveImage::saved, this, nullptr);
    QVERIFY(!releasedAtSave.contains(false));
    QTRY_COMPARE(panel->get_Imagestate(), 0);
    QVERIFY(!view->getImagesequencemode());
}

void TestSimPhotos::stripZoomsThePicture()
{
    ZMultifunctional *strip = EGlobal::get_multifunctional();
    QVERIFY(strip && !strip->isVisible());
    EGraphicsView *view = m_sim.live->view();
    touch(view->toolBar()->zoomButton());
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->geometry(), QRect(0, 200, 320, 40));
    saveScreen("zoom_0_strip.png");
    const QImage neutral = m_sim.screen->composed();

    MZoomroteButton *zoomOut = strip->button(QStringLiteral("zoom_out"));
    press(zoomOut);
    QVERIFY(zoomOut->repeatTimer()->isActive());
    const QString deg = QString(QChar(0x00B0));
    QCOMPARE(view->zoomItem()->text(), QStringLiteral("0") + deg + QStringLiteral("/ 1.1"));
    QVERIFY(view->zoomItem()->isVisible());
    // The repeat timer's ticks while held.
    zoomOut->time_outslots();
    zoomOut->time_outslots();
    zoomOut->time_outslots();
    release(zoomOut);
    QVERIFY(!zoomOut->repeatTimer()->isActive());
    QCOMPARE(view->zoomItem()->text(), QStringLiteral("0") + deg + QStringLiteral("/ 2.0"));
    QTRY_VERIFY(encoderLog().contains("zoom start add20"));
    // encoder-sim keeps the zoom; the screen applies it.
    QTRY_COMPARE(EncoderState::load().zoom, 20);
    m_sim.screen->refreshEncoderState();
    QCOMPARE(m_sim.screen->encoderState().zoom, 20);
    QVERIFY(m_sim.screen->composed() != neutral);
    saveScreen("zoom_1_zoomed.png");

    touch(strip->button(QStringLiteral("rightrote")));
    touch(strip->button(QStringLiteral("rightrote")));
    QCOMPARE(view->zoomItem()->text(), QStringLiteral("2") + deg + QStringLiteral("/ 2.0"));
    QTRY_COMPARE(EncoderState::load().angle, 2);
    m_sim.screen->refreshEncoderState();
    saveScreen("zoom_2_rotated.png");

    touch(strip->button(QStringLiteral("revert")));
    QVERIFY(!view->zoomItem()->isVisible());
    QTRY_VERIFY(EncoderState::load().isNeutral());
    m_sim.screen->refreshEncoderState();
    // The magnifier toggles the strip while it is up, too.
    touch(view->toolBar()->zoomButton());
    QVERIFY(!strip->isVisible());
    touch(view->toolBar()->zoomButton());
    QVERIFY(strip->isVisible());
    touch(strip->button(QStringLiteral("exit")));
    QVERIFY(!strip->isVisible());
    saveScreen("zoom_3_reverted.png");
}

QTEST_MAIN(TestSimPhotos)
#include "tst_simphotos.moc"
