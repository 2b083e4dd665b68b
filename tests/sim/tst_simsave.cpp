#include "eglobal.h"
#include "egraphicsview.h"
#include "encoderphoto.h"
#include "intervals.h"
#include "ir_indicator.h"
#include "paths.h"
#include "photoreader.h"
#include "saveimage.h"
#include "setuptouch.h"
#include "etoolwidget.h"
#include "filenamesystem.h"
#include "freespace.h"
#include "indicator.h"
#include "pipecommand.h"
#include "sdcard.h"
#include "simcardslot.h"
#include "simulator.h"

#include <QDir>
#include <QtTest>

// S on the live view as `ostrel --simulate` runs it: encoder-sim writes the
// photo from the board's layer, the overlay is composed into it, the
// trailer reads back, and the name indicator shows while it is saved. The
// live view with the indicator and the saved photo are written as PNGs
// when OSTREL_SCREENS_DIR is set. A save that fails (the card fills
// under the encoder, the card is pulled) says "Save failed" as soon as it
// is known and lets the picture run again.
class TestSimSave : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void sPressSavesAPhoto();
    void failedSaveIsShownAtOnce_data();
    void failedSaveIsShownAtOnce();

private:
    SetupTouch m_sim;
};

void TestSimSave::initTestCase()
{
    m_sim.startWithSetup();
}

void TestSimSave::cleanupTestCase()
{
    FreeSpace::setScript(nullptr);
    m_sim.stop();
}

void TestSimSave::sPressSavesAPhoto()
{
    EGraphicsView *view = m_sim.live->view();
    view->toolBar()->displaySDCard(true);
    FreeSpace::setScript([](const QString &) { return qint64(512) * 1048576; });
    SaveImage *save = m_sim.live->saveImage();
    QSignalSpy saved(save, &SaveImage::photoSaved);
    QSignalSpy failed(save, &SaveImage::saveFailed);
    bool indicatorShown = false;
    // Connected for this photo only: the lambda holds this function's locals.
    QObject thisPhoto;
    connect(save, &SaveImage::freezeImagesignals, &thisPhoto, [&] {
        indicatorShown = view->irIndicator() && view->irIndicator()->isVisible();
        m_sim.saveScreen("save_0_live_view_name.png");
    });
    // Keys come to the window that has them, as on the camera.
    QTest::keyClick(view->window()->windowHandle(), Qt::Key_S);
    QVERIFY2(saved.wait(10000), qPrintable(failed.isEmpty() ? QString() : failed.first().first().toString()));
    QVERIFY(indicatorShown);
    const QString name = saved.first().first().toString();
    QVERIFY(name.endsWith(QLatin1String("T.jpg")));
    const QString host = Paths::resolve(SaveImage::photoPath(name));
    QFile file(host);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const PhotoReader::Photo photo = PhotoReader::readPhoto(bytes);
    QVERIFY(photo.valid);
    QVERIFY(photo.irBlock.isValid());
    QCOMPARE(photo.entries.at(0).range.length, qint64(EncoderPhoto::BlockSize));
    const QImage picture = QImage::fromData(bytes.left(int(photo.jpegLength)));
    QCOMPARE(picture.size(), QSize(640, 480));
    // No hidden temporary stays beside it.
    QCOMPARE(QDir(QFileInfo(host).path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
    QTRY_VERIFY(!view->toolBar()->getFreezeImageFlag());
    const QString screens = qEnvironmentVariable("OSTREL_SCREENS_DIR");
    if (!screens.isEmpty())
        QVERIFY(picture.save(screens + QStringLiteral("/save_1_photo.png"), "PNG"));
}

void TestSimSave::failedSaveIsShownAtOnce_data()
{
    QTest::addColumn<QByteArray>("switches");
    QTest::addColumn<bool>("pullCard");
    QTest::addColumn<QString>("reason");
    QTest::newRow("card fills under the encoder") << QByteArray("card-full\n") << false
                                                  << QStringLiteral("the encoder's file is unreadable");
    // The encoder never answers: only the card watcher ends the wait.
    QTest::newRow("card pulled") << QByteArray("reply-never\n") << true << QStringLiteral("the card was removed");
}

void TestSimSave::failedSaveIsShownAtOnce()
{
    QFETCH(QByteArray, switches);
    QFETCH(bool, pullCard);
    QFETCH(QString, reason);
    EGraphicsView *view = m_sim.live->view();
    QTRY_VERIFY(view->toolBar()->SDCardStatus());
    FreeSpace::setScript([](const QString &) { return qint64(512) * 1048576; });
    QFile file(Paths::resolve(QLatin1String(EncoderPhoto::SwitchFile)));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(switches), switches.size());
    file.close();
    SaveImage *save = m_sim.live->saveImage();
    QSignalSpy saved(save, &SaveImage::photoSaved);
    QSignalSpy failed(save, &SaveImage::saveFailed);
    if (pullCard) {
        // Out of the slot once the encoder has the photo's name.
        connect(save, &SaveImage::showIRWrapsignals, this, [this] { QVERIFY(m_sim.simulator->cardSlot()->writeCard(1)); },
                Qt::SingleShotConnection);
    }
    const QString folder = Paths::resolve(QLatin1String(FilenameSystem::ImageFolder));
    const QStringList before = QDir(folder).entryList(QDir::Files);
    QTest::keyClick(view->window()->windowHandle(), Qt::Key_S);
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), reason);
    QCOMPARE(saved.size(), 0);
    QStringList shown;
    for (const Indicator *indicator : view->findChildren<Indicator *>())
        shown << indicator->text();
    QVERIFY2(shown.contains(QStringLiteral("Save failed")), qPrintable(shown.join(QLatin1Char(','))));
    QVERIFY(!view->gerFreezeFPGAImageStatus());
    QVERIFY(!view->irIndicator());
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
    m_sim.saveScreen(qPrintable(QStringLiteral("save_failed_%1.png").arg(tag)));
    // No photo came. encoder-sim, which never answers, may still write its
    // hidden temporary after the card went; the next start removes it.
    QCOMPARE(QDir(folder).entryList(QDir::Files), before);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    if (pullCard) {
        QTRY_VERIFY(!view->toolBar()->SDCardStatus());
        // Back in the slot and mounted.
        QVERIFY(PipeCommand::send(SDCard::pipePath(), "ymount", "test"));
        QTRY_VERIFY(view->toolBar()->SDCardStatus());
    }
}

QTEST_MAIN(TestSimSave)
#include "tst_simsave.moc"
