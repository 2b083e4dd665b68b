// The save thread against the encoder's photo side in this process: a save
// ends with a whole photo under its chosen name, or with no file at all,
// and every way out ends the capture.
#include "editimage.h"
#include "egraphicsview.h"
#include "encoderlink.h"
#include "encoderphoto.h"
#include "fiforeader.h"
#include "filenamesystem.h"
#include "intervals.h"
#include "photoreader.h"
#include "pipecommand.h"
#include "recordingcommandrunner.h"
#include "saveimage.h"
#include "systemclock.h"
#include "testroot.h"
#include "transientmark.h"

#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QtTest>

#include <functional>

namespace {

// Records like the test root's runner; a remount also runs what the test
// says the card does then.
class RemountingRunner : public RecordingCommandRunner
{
public:
    std::function<void()> onRemount;
    Result run(const QString &program, const QStringList &arguments, int timeoutMs) override
    {
        if (program == QLatin1String("mount") && arguments.contains(QStringLiteral("remount,rw")) && onRemount)
            onRemount();
        return RecordingCommandRunner::run(program, arguments, timeoutMs);
    }
};

// What is marked transient and shown: windows, widgets and the live
// view's scene items.
int shownTransients(const EGraphicsView &view)
{
    int shown = 0;
    for (const QWidget *widget : QApplication::allWidgets())
        shown += widget->isVisible() && TransientMark::isMarked(widget);
    for (const QGraphicsItem *item : view.graphicsScene()->items())
        shown += item->isVisible() && TransientMark::isMarked(item);
    return shown;
}

// Lit pixels of a grab in the area.
int litPixels(const QImage &grab, const QRect &area)
{
    int lit = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            lit += qAlpha(grab.pixel(x, y)) != 0;
    return lit;
}

} // namespace

class TstSaveImage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void encoderSwitches_data();
    void encoderSwitches();
    void readOnlyCardRemountedOnce_data();
    void readOnlyCardRemountedOnce();
    void cardPulledDuringTheSave_data();
    void cardPulledDuringTheSave();
    void mergedRequestsSaveOnce();
    void composedOverlay();
    void overlayLeavesOutTransients_data();
    void overlayLeavesOutTransients();
    void staleTemporariesRemoved();

private:
    QStringList photos() const;
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<FilenameSystem> m_names;
    std::unique_ptr<FifoReader> m_service;
    std::unique_ptr<EncoderPhoto> m_encoder;
    QByteArrayList m_commands;
};

void TstSaveImage::init()
{
    m_root = std::make_unique<TestRoot>();
    Intervals::setScale(0.01);
    SystemClock::instance()->setSystemTime(QDateTime(QDate(2018, 12, 14), QTime(9, 0)));
    m_names = std::make_unique<FilenameSystem>();
    m_commands.clear();
    m_encoder = std::make_unique<EncoderPhoto>();
    m_service = std::make_unique<FifoReader>(QLatin1String(EncoderLink::CommandPipe));
    connect(m_service.get(), &FifoReader::received, this, [this](const QByteArray &data) {
        m_commands << data;
        m_encoder->handle(data);
    });
}

void TstSaveImage::cleanup()
{
    m_service.reset();
    m_encoder.reset();
    m_names.reset();
    Intervals::setScale(1.0);
    m_root.reset();
}

QStringList TstSaveImage::photos() const
{
    return QDir(m_root->hostPath(QStringLiteral("/media/mmc/image"))).entryList(QDir::Files | QDir::Hidden);
}

void TstSaveImage::encoderSwitches_data()
{
    QTest::addColumn<QByteArray>("switches");
    QTest::addColumn<bool>("servicePipe");
    QTest::addColumn<bool>("folderRefuses"); // the encoder cannot make its file
    QTest::addColumn<QString>("failure");    // empty: saved
    const QString noReply = QStringLiteral("no reply from the encoder");
    const QString unreadable = QStringLiteral("the encoder's file is unreadable");
    QTest::newRow("at once") << QByteArray() << true << false << QString();
    QTest::newRow("late") << QByteArray("reply-late") << true << false << QString();
    QTest::newRow("capitals") << QByteArray("reply-capitals") << true << false << QString();
    QTest::newRow("merged with another message") << QByteArray("reply-merged") << true << false << QString();
    QTest::newRow("never: abort, no file") << QByteArray("reply-never") << true << false << noReply;
    QTest::newRow("torn JPEG: the service data is kept") << QByteArray("torn-jpeg") << true << false << QString();
    QTest::newRow("bad N: no file") << QByteArray("bad-length") << true << false
                                    << QStringLiteral("the encoder's file does not hold a photo");
    QTest::newRow("no command pipe: no file") << QByteArray() << false << false
                                              << QStringLiteral("the encoder did not take the command");
    // The encoder's answer ends the wait: the failure shows then, not
    // after the ten turns.
    QTest::newRow("card fills during the encoder's write: failed at its answer")
        << QByteArray("card-full") << true << false << unreadable;
    QTest::newRow("folder refuses the encoder's file: failed at its answer")
        << QByteArray() << true << true << unreadable;
}

void TstSaveImage::encoderSwitches()
{
    QFETCH(QByteArray, switches);
    QFETCH(bool, servicePipe);
    QFETCH(bool, folderRefuses);
    QFETCH(QString, failure);
    const bool saved = failure.isEmpty();
    if (folderRefuses) {
        // Root writes anywhere: a folder in the way of the encoder's file
        // refuses it as a read-only folder would.
        QVERIFY(QDir().mkpath(m_root->hostPath(QStringLiteral("/media/mmc/image/.181214_0000T.part.enc"))));
    }
    QVERIFY(m_root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), switches));
    if (servicePipe)
        QVERIFY(m_service->open());
    SaveImage save;
    save.setEditImage(new EditImage);
    save.editImage()->setGrabber([] { return QImage(); });
    QVERIFY(save.start());
    QSignalSpy done(&save, &SaveImage::saved);
    QSignalSpy photo(&save, &SaveImage::photoSaved);
    QSignalSpy failed(&save, &SaveImage::saveFailed);
    QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "SAVE", "test"));
    QVERIFY(done.wait(5000));
    QCOMPARE(photo.size(), saved ? 1 : 0);
    QCOMPARE(failed.size(), saved ? 0 : 1);
    if (!saved)
        QCOMPARE(failed.at(0).at(0).toString(), failure);
    QVERIFY(!save.isBusy());
    if (saved) {
        QCOMPARE(photo.at(0).at(0).toString(), QStringLiteral("181214_0000T.jpg"));
        QCOMPARE(photos(), QStringList{QStringLiteral("181214_0000T.jpg")});
        const QByteArray bytes = m_root->readFile(QStringLiteral("/media/mmc/image/181214_0000T.jpg"));
        const PhotoReader::Photo read = PhotoReader::readPhoto(bytes);
        QVERIFY(read.valid);
        QVERIFY(read.irBlock.isValid());
        QCOMPARE(read.entries.size(), 2);
        QCOMPARE(read.entries.at(0).range.length, qint64(EncoderPhoto::BlockSize));
    } else {
        QCOMPARE(photos(), QStringList());
    }
    // Every way out tells the encoder to stop.
    if (servicePipe)
        QTRY_VERIFY(m_commands.contains(EncoderLink::JpegStop));
    save.stop();
}

// The encoder's file cannot be opened (a card gone read-only): the card
// is remounted once through the command runner and the file tried once
// more. The test takes the file away as the encoder writes it; the
// remount brings it back, or not.
void TstSaveImage::readOnlyCardRemountedOnce_data()
{
    QTest::addColumn<bool>("remountHelps");
    QTest::newRow("readable after the remount: saved") << true;
    QTest::newRow("still unreadable: no photo") << false;
}

void TstSaveImage::readOnlyCardRemountedOnce()
{
    QFETCH(bool, remountHelps);
    auto *runner = new RemountingRunner;
    CommandRunner::install(runner);
    const QString held = m_root->hostPath(QStringLiteral("/tmp/held.part"));
    QString written;
    disconnect(m_service.get(), &FifoReader::received, this, nullptr);
    connect(m_service.get(), &FifoReader::received, this, [&](const QByteArray &data) {
        m_commands << data;
        m_encoder->handle(data);
        if (data.startsWith(EncoderLink::JpegSavePrefix)) {
            written = QFile::decodeName(data.mid(int(qstrlen(EncoderLink::JpegSavePrefix))).trimmed());
            QVERIFY(QFile::rename(written, held));
        }
    });
    runner->onRemount = [&] {
        if (remountHelps)
            QFile::rename(held, written);
    };
    QVERIFY(m_service->open());
    SaveImage save;
    save.editImage()->setGrabber([] { return QImage(); });
    QVERIFY(save.start());
    QSignalSpy done(&save, &SaveImage::saved);
    QSignalSpy photo(&save, &SaveImage::photoSaved);
    QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "save", "test"));
    QVERIFY(done.wait(5000));
    save.stop();
    QCOMPARE(runner->lines().count(QStringLiteral("mount -o remount,rw /dev/mmcblk0p1")), 1);
    QCOMPARE(photo.size(), remountHelps ? 1 : 0);
    QCOMPARE(photos(), remountHelps ? QStringList{QStringLiteral("181214_0000T.jpg")} : QStringList());
    if (remountHelps)
        QVERIFY(PhotoReader::readPhoto(m_root->readFile(QStringLiteral("/media/mmc/image/181214_0000T.jpg"))).irBlock.isValid());
}

// The card watcher loses the card while a photo is being saved: the save
// fails, at once while the encoder's answer is awaited, or once the
// composition is done; either way the capture ends and the user is told.
void TstSaveImage::cardPulledDuringTheSave_data()
{
    QTest::addColumn<QByteArray>("switches");
    QTest::addColumn<bool>("whileComposing"); // else while the encoder writes
    QTest::newRow("while the encoder writes, which never answers") << QByteArray("reply-never") << false;
    QTest::newRow("while the encoder writes") << QByteArray() << false;
    QTest::newRow("while the photo is composed") << QByteArray() << true;
}

void TstSaveImage::cardPulledDuringTheSave()
{
    QFETCH(QByteArray, switches);
    QFETCH(bool, whileComposing);
    QVERIFY(m_root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), switches));
    SaveImage save;
    save.editImage()->setGrabber([] { return QImage(); });
    disconnect(m_service.get(), &FifoReader::received, this, nullptr);
    connect(m_service.get(), &FifoReader::received, this, [&](const QByteArray &data) {
        m_commands << data;
        if (!whileComposing && data.startsWith(EncoderLink::JpegSavePrefix))
            save.cardRemoved();
        m_encoder->handle(data);
    });
    if (whileComposing)
        connect(&save, &SaveImage::freezeImagesignals, &save, &SaveImage::cardRemoved);
    QVERIFY(m_service->open());
    QVERIFY(save.start());
    QSignalSpy done(&save, &SaveImage::saved);
    QSignalSpy photo(&save, &SaveImage::photoSaved);
    QSignalSpy failed(&save, &SaveImage::saveFailed);
    QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "save", "test"));
    QVERIFY(done.wait(5000));
    QCOMPARE(photo.size(), 0);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("the card was removed"));
    QVERIFY(!save.isBusy());
    QTRY_VERIFY(m_commands.contains(EncoderLink::JpegStop));
    // A late answer of the encoder finds no save to end.
    QVERIFY(!done.wait(50));
    QCOMPARE(done.size(), 1);
    save.stop();
}

void TstSaveImage::mergedRequestsSaveOnce()
{
    QVERIFY(m_service->open());
    SaveImage save;
    save.editImage()->setGrabber([] { return QImage(); });
    QVERIFY(save.start());
    QSignalSpy done(&save, &SaveImage::saved);
    QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "savesave", "test"));
    QVERIFY(done.wait(5000));
    QVERIFY(!done.wait(50));
    QCOMPARE(done.size(), 1);
    QCOMPARE(photos().size(), 1);
}

void TstSaveImage::composedOverlay()
{
    // The dark parts of the grab leave the photo alone; its light marks
    // show; where the photo is missing nothing is written.
    EditImage edit;
    edit.setGrabber([] {
        QImage grab(320, 240, QImage::Format_ARGB32_Premultiplied);
        grab.fill(Qt::transparent);
        QPainter(&grab).fillRect(10, 10, 20, 20, Qt::white);
        return grab;
    });
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(QColor(0, 0, 128));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(photo.save(&buffer, "JPG"));
    const QImage out = QImage::fromData(edit.composeJpeg(jpeg));
    QCOMPARE(out.size(), QSize(640, 480));
    QVERIFY(qGray(out.pixel(40, 40)) > 200);
    QVERIFY(qAbs(qBlue(out.pixel(300, 300)) - 128) < 10);
    QVERIFY(edit.composeJpeg("not a picture").isEmpty());
}

void TstSaveImage::overlayLeavesOutTransients_data()
{
    QTest::addColumn<QString>("transient");
    QTest::newRow("name of the photo being saved") << QStringLiteral("name");
    QTest::newRow("notice") << QStringLiteral("notice");
    QTest::newRow("tip") << QStringLiteral("tip");
}

void TstSaveImage::overlayLeavesOutTransients()
{
    // The photo's overlay is the live view without what it shows for a
    // moment only, whenever that was shown; the screen goes on showing it.
    QFETCH(QString, transient);
    EGraphicsView view;
    view.setGeometry(0, 0, 320, 240);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    EditImage edit;
    edit.grabScreen();
    const QImage without = edit.screenGrab();
    // Spot 1 stands in the middle: the overlay is there.
    const QRect middle(280, 200, 80, 80);
    QVERIFY(litPixels(without, middle) > 0);

    if (transient == QLatin1String("name"))
        view.showIRWrapIndicator("181214_0000T.jpg");
    else if (transient == QLatin1String("notice"))
        EGraphicsView::showWrapIndicator(&view, "Lack of space");
    else {
        view.setTipsText(QStringLiteral("No Lens!"));
        view.setTipsVisibled(true);
    }
    const int shown = shownTransients(view);
    QVERIFY(shown > 0);
    edit.grabScreen();
    QVERIFY(edit.screenGrab() == without);
    QCOMPARE(shownTransients(view), shown);
    view.hideIRWrapIndicator();
}

void TstSaveImage::staleTemporariesRemoved()
{
    QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/image/.181214_0003T.part"), "half"));
    SaveImage save;
    QVERIFY(save.start());
    // On the worker, which start-up does not wait for.
    QTRY_COMPARE(photos(), QStringList());
}

QTEST_MAIN(TstSaveImage)
#include "tst_saveimage.moc"
