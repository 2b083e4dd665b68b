// The build's own encoder-sim as a child process, killed mid-write and at
// random points of saves: every "*.jpg" left in the photo folder parses
// whole, and no save leaves the capture open.
#include "editimage.h"
#include "encoderlink.h"
#include "encoderphoto.h"
#include "filenamesystem.h"
#include "intervals.h"
#include "photoreader.h"
#include "pipecommand.h"
#include "saveimage.h"
#include "simencoder.h"
#include "simroot.h"
#include "systemclock.h"
#include "testroot.h"

#include <QRandomGenerator>
#include <QtTest>

class TstSaveKill : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void encoderExitsMidWrite();
    void encoderKilledAtRandomPoints();

private:
    bool startEncoder();
    void checkPhotos();
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<FilenameSystem> m_names;
    std::unique_ptr<QProcess> m_encoder;
};

void TstSaveKill::init()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(m_root->writeFile(QLatin1String(SimRoot::MarkFile), ""));
    Intervals::setScale(0.01);
    m_names = std::make_unique<FilenameSystem>();
}

void TstSaveKill::cleanup()
{
    if (m_encoder) {
        m_encoder->kill();
        m_encoder->waitForFinished(5000);
        m_encoder.reset();
    }
    m_names.reset();
    Intervals::setScale(1.0);
    m_root.reset();
}

bool TstSaveKill::startEncoder()
{
    if (m_encoder) {
        m_encoder->kill();
        m_encoder->waitForFinished(5000);
    }
    QFile::remove(m_root->hostPath(QLatin1String(EncoderLink::CommandPipe)));
    m_encoder = std::make_unique<QProcess>();
    m_encoder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_encoder->start(SimEncoder::program(), {m_root->root()});
    if (!m_encoder->waitForStarted(5000))
        return false;
    QElapsedTimer t;
    t.start();
    while (!QFileInfo::exists(m_root->hostPath(QLatin1String(EncoderLink::CommandPipe))) && t.elapsed() < 10000)
        QTest::qWait(10);
    return QFileInfo::exists(m_root->hostPath(QLatin1String(EncoderLink::CommandPipe)));
}

void TstSaveKill::checkPhotos()
{
    const QDir folder(m_root->hostPath(QLatin1String(FilenameSystem::ImageFolder)));
    for (const QString &name : folder.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const PhotoReader::Photo photo = PhotoReader::readPhoto(file.readAll());
        QVERIFY2(photo.valid && photo.irBlock.isValid(), qPrintable(name));
    }
}

void TstSaveKill::encoderExitsMidWrite()
{
    QVERIFY(m_root->writeFile(QLatin1String(EncoderPhoto::SwitchFile), "exit-mid-write\n"));
    QVERIFY(startEncoder());
    SaveImage save;
    save.editImage()->setGrabber([] { return QImage(); });
    QVERIFY(save.start());
    QSignalSpy failed(&save, &SaveImage::saveFailed);
    QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "save", "test"));
    // The save runs on this thread's event loop: wait with it running.
    QTRY_COMPARE_WITH_TIMEOUT(m_encoder->state(), QProcess::NotRunning, 10000);
    QCOMPARE(m_encoder->exitCode(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
    QVERIFY(!save.isBusy());
    const QDir folder(m_root->hostPath(QLatin1String(FilenameSystem::ImageFolder)));
    QCOMPARE(folder.entryList({QStringLiteral("*.jpg")}, QDir::Files), QStringList());
}

void TstSaveKill::encoderKilledAtRandomPoints()
{
    SaveImage save;
    save.editImage()->setGrabber([] { return QImage(); });
    QVERIFY(save.start());
    QSignalSpy done(&save, &SaveImage::saved);
    int ended = 0;
    for (int round = 0; round < 6; ++round) {
        QVERIFY(startEncoder());
        QVERIFY(PipeCommand::send(EncoderLink::SaveRequestPipe, "save", "test"));
        QTest::qWait(int(QRandomGenerator::global()->bounded(40)));
        m_encoder->kill();
        QVERIFY(m_encoder->waitForFinished(5000));
        ++ended;
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), ended, 10000);
        QVERIFY(!save.isBusy());
        checkPhotos();
    }
}

QTEST_MAIN(TstSaveKill)
#include "tst_savekill.moc"
