// The one composition path of a photo: what it makes of the service's
// file, what it leaves when the file does not hold a photo, and when it
// remounts the card (recorded, never run).
#include "efilemanager.h"
#include "frozenphoto.h"
#include "photocomposition.h"
#include "photolayout.h"
#include "photoreader.h"
#include "recordingcommandrunner.h"
#include "testroot.h"

#include <QDir>
#include <QtEndian>
#include <QtTest>

using namespace PhotoLayout;

namespace {

QByteArray le(quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    return QByteArray(b, 4);
}

const QByteArray kJpeg = QByteArray("\xFF\xD8jpeg-body\xFF\xD9", 13);
// The room the trailer goes into, then the service's own block.
const QByteArray kServiceData = QByteArray(TrailerRoom, '\0') + QByteArray("service block").repeated(3);
const QString kTemporary = QStringLiteral("/media/mmc/image/.261210_0001T.part");
const QString kPhoto = QStringLiteral("/media/mmc/image/261210_0001T.jpg");
const QString kRemount = QStringLiteral("mount -o remount,rw /dev/mmcblk0p1");

PhotoComposition::Trailer trailer()
{
    PhotoComposition::Trailer t;
    t.header = EFileManager::buildFilePara(EFileManager::FileParaValues());
    t.irBlock = QByteArray(IrBlockSize, 'I');
    return t;
}

QByteArray composed() { return QByteArray("\xFF\xD8", 2) + QByteArray(1000, 'x') + QByteArray("\xFF\xD9", 2); }

} // namespace

class TestPhotoComposition : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void malformedServiceFileMakesNoPhoto_data();
    void malformedServiceFileMakesNoPhoto();
    void composedPhotoKeepsTheServiceData_data();
    void composedPhotoKeepsTheServiceData();
    void composerFailureKeepsTheServicePicture();
    void remountOnlyForTheCard_data();
    void remountOnlyForTheCard();

private:
    std::unique_ptr<TestRoot> m_root;
};

void TestPhotoComposition::init()
{
    m_root = std::make_unique<TestRoot>();
    QVERIFY(QDir().mkpath(m_root->hostPath(QStringLiteral("/media/mmc/image"))));
}

void TestPhotoComposition::cleanup()
{
    m_root.reset();
}

void TestPhotoComposition::malformedServiceFileMakesNoPhoto_data()
{
    QTest::addColumn<QByteArray>("service");
    const qint64 whole = kJpeg.size() + kServiceData.size();
    QTest::newRow("3 bytes") << QByteArray("\xFF\xD8\x00", 3);
    QTest::newRow("length 0") << kJpeg + kServiceData + le(0);
    QTest::newRow("beyond size") << kJpeg + kServiceData + le(quint32(whole + 1));
    QTest::newRow("0xFFFFFFFF") << kJpeg + kServiceData + le(0xFFFFFFFFu);
    QTest::newRow("no room for the trailer") << kJpeg + QByteArray(TrailerRoom - 1, '\0') + le(quint32(kJpeg.size()));
}

void TestPhotoComposition::malformedServiceFileMakesNoPhoto()
{
    QFETCH(QByteArray, service);
    QVERIFY(m_root->writeFile(kTemporary, service));
    bool called = false;
    const auto result = PhotoComposition::complete(kTemporary, kPhoto, trailer(), [&](const QByteArray &) {
        called = true;
        return composed();
    });
    QCOMPARE(result, PhotoComposition::Malformed);
    QVERIFY(!called);
    QCOMPARE(m_root->readFile(kTemporary), service);
    QVERIFY(!QFileInfo::exists(m_root->hostPath(kPhoto)));
    // A file that is no photo is no card fault.
    QVERIFY(!m_root->runner()->lines().contains(kRemount));
}

void TestPhotoComposition::composedPhotoKeepsTheServiceData_data()
{
    QTest::addColumn<QByteArray>("serviceData");
    QTest::newRow("the service's block") << kServiceData;
    QTest::newRow("only the trailer's room") << QByteArray(TrailerRoom, '\0');
}

void TestPhotoComposition::composedPhotoKeepsTheServiceData()
{
    QFETCH(QByteArray, serviceData);
    QVERIFY(m_root->writeFile(kTemporary, kJpeg + serviceData + le(quint32(kJpeg.size()))));
    QByteArray seen;
    const auto result = PhotoComposition::complete(kTemporary, kPhoto, trailer(), [&](const QByteArray &jpeg) {
        seen = jpeg;
        return composed();
    });
    QCOMPARE(result, PhotoComposition::Done);
    QCOMPARE(seen, kJpeg);
    const QByteArray after = m_root->readFile(kPhoto);
    const PhotoReader::Photo photo = PhotoReader::readPhoto(after);
    QVERIFY(photo.valid);
    QCOMPARE(after.left(int(photo.jpegLength)), composed());
    QCOMPARE(photo.entryCount, 2);
    // The service's block sits after the trailer's room, as it was.
    QCOMPARE(after.mid(photo.jpegLength + TrailerRoom, serviceData.size() - TrailerRoom), serviceData.mid(TrailerRoom));
    QCOMPARE(PhotoReader::slice(after, photo.irBlock), trailer().irBlock);
    // Only the photo is left: the temporary became it.
    QCOMPARE(QDir(m_root->hostPath(QStringLiteral("/media/mmc/image"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("261210_0001T.jpg")});
    QVERIFY(!m_root->runner()->lines().contains(kRemount));
}

void TestPhotoComposition::composerFailureKeepsTheServicePicture()
{
    QVERIFY(m_root->writeFile(kTemporary, kJpeg + kServiceData + le(quint32(kJpeg.size()))));
    const auto result = PhotoComposition::complete(kTemporary, kPhoto, trailer(), [](const QByteArray &) { return QByteArray(); });
    QCOMPARE(result, PhotoComposition::Done);
    const QByteArray after = m_root->readFile(kPhoto);
    QCOMPARE(PhotoReader::readPhoto(after).jpegLength, qint64(kJpeg.size()));
    QCOMPARE(after.left(kJpeg.size()), kJpeg);
}

// The card is remounted once, and only when the file cannot be read or
// written; the step is then tried once more.
void TestPhotoComposition::remountOnlyForTheCard_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("remounts");
    QTest::newRow("saved") << "saved" << int(PhotoComposition::Done) << 0;
    QTest::newRow("no service file: unreadable") << "missing" << int(PhotoComposition::Unreadable) << 1;
    QTest::newRow("no folder for the photo: write failed") << "no folder" << int(PhotoComposition::WriteFailed) << 1;
    QTest::newRow("name taken: no card fault") << "taken" << int(PhotoComposition::NameTaken) << 0;
}

void TestPhotoComposition::remountOnlyForTheCard()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    QFETCH(int, remounts);
    const QByteArray service = kJpeg + kServiceData + le(quint32(kJpeg.size()));
    QString target = kPhoto;
    if (how != QLatin1String("missing"))
        QVERIFY(m_root->writeFile(kTemporary, service));
    if (how == QLatin1String("no folder"))
        target = QStringLiteral("/media/mmc/gone/261210_0001T.jpg");
    if (how == QLatin1String("taken"))
        QVERIFY(m_root->writeFile(kPhoto, "an earlier photo"));
    const auto done = PhotoComposition::complete(kTemporary, target, trailer(), [](const QByteArray &) { return composed(); });
    QCOMPARE(int(done), result);
    QCOMPARE(int(m_root->runner()->lines().count(kRemount)), remounts);
    if (how == QLatin1String("taken"))
        QCOMPARE(m_root->readFile(kPhoto), QByteArray("an earlier photo"));
}

QTEST_GUILESS_MAIN(TestPhotoComposition)
#include "tst_photocomposition.moc"
