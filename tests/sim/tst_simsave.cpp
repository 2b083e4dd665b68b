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
#include "freespace.h"

#include <QDir>
#include <QtTest>

// S on the live view as `ostrel --simulate` runs it: encoder-sim writes the
// photo from the board's layer, the overlay is composed into it, the
// trailer reads back, and the name indicator shows while it is saved. The
// live view with the indicator and the saved photo are written as PNGs
// when OSTREL_SCREENS_DIR is set.
class TestSimSave : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void sPressSavesAPhoto();

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
    connect(save, &SaveImage::freezeImagesignals, this, [&] {
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

QTEST_MAIN(TestSimSave)
#include "tst_simsave.moc"
