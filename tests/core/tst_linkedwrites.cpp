// Every writer that replaces a file whole, against a name that is a
// symbolic link: the write replaces the link itself and never touches what
// it leads to.
#include "atomicfile.h"
#include "efilemanager.h"
#include "inifileedit.h"
#include "photolayout.h"
#include "photowriter.h"
#include "settingssync.h"
#include "startup.h"
#include "testroot.h"
#include "thumbcache.h"
#include "thumbthread.h"

#include <QImage>
#include <QSettings>
#include <QtTest>

#include <unistd.h>

using namespace PhotoLayout;

namespace {

const QString kOutside = QStringLiteral("outside/target");
const QString kPhoto = QStringLiteral("/media/mmc/image/181214_0001T.jpg");

QByteArray le32(uint32_t v)
{
    QByteArray out(4, '\0');
    putU32(reinterpret_cast<unsigned char *>(out.data()), v);
    return out;
}

// A complete photo: what the encoder leaves, with the trailer written.
QByteArray photo()
{
    QByteArray jpeg(100, 'J');
    jpeg[98] = char(0xFF);
    jpeg[99] = char(0xD9);
    const QByteArray service = jpeg + QByteArray(TrailerRoom, '\0') + QByteArray(20, 'S') + le32(100);
    return PhotoWriter::withIrBlock(service, EFileManager::buildFilePara(EFileManager::FileParaValues()), 0,
                                    QByteArray(IrBlockSize, 'I'));
}

QByteArray jpegPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

} // namespace

class TestLinkedWrites : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writeReplacesTheLinkOnly_data();
    void writeReplacesTheLinkOnly();
};

void TestLinkedWrites::writeReplacesTheLinkOnly_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("dangling");
    // What the name then holds as a regular file of its own; empty when
    // the writer refuses (and writes nothing anywhere).
    QTest::addColumn<QByteArray>("written");
    const struct {
        const char *writer;
        const char *written;
    } writers[] = {
        {"atomic write", "[General]\nNew=1\n"},
        {"settings commit", "Lang=German"},
        {"settings saved after the start", "Lang=German"},
        {"ini edit", "Sensor_0=1.5"},
        {"photo temporary", "whole photo"},
    };
    for (const auto &w : writers) {
        QTest::addRow("%s, link to a file", w.writer) << QString::fromLatin1(w.writer) << false << QByteArray(w.written);
        QTest::addRow("%s, dangling link", w.writer) << QString::fromLatin1(w.writer) << true << QByteArray(w.written);
    }
    // A note is added to the photo the link shows; none where it leads nowhere.
    QTest::newRow("photo note, link to a file") << "photo note" << false << QByteArray("hello");
    QTest::newRow("photo note, dangling link") << "photo note" << true << QByteArray();
    // The cache never replaces a name that is there, a link included.
    QTest::newRow("thumbnail, link to a file") << "thumbnail" << false << QByteArray();
    QTest::newRow("thumbnail, dangling link") << "thumbnail" << true << QByteArray();
}

void TestLinkedWrites::writeReplacesTheLinkOnly()
{
    QFETCH(QString, writer);
    QFETCH(bool, dangling);
    QFETCH(QByteArray, written);
    TestRoot root;
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("Parameter"))));
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("/media/mmc/image"))));
    QVERIFY(QDir().mkpath(root.hostPath(QStringLiteral("outside"))));
    const QByteArray outside = writer == QLatin1String("photo note") ? photo() : QByteArray("[General]\nOutside=1\n");
    if (!dangling)
        QVERIFY(root.writeFile(kOutside, outside));

    QString name;
    if (writer == QLatin1String("atomic write"))
        name = QStringLiteral("Parameter/IRCorePara");
    else if (writer.startsWith(QLatin1String("settings")))
        name = QStringLiteral("Parameter/Setting");
    else if (writer == QLatin1String("ini edit"))
        name = QStringLiteral("Parameter/Modify");
    else if (writer == QLatin1String("photo temporary"))
        name = QStringLiteral("/media/mmc/image/") + PhotoWriter::temporaryName(QStringLiteral("181214_0001T.jpg"));
    else if (writer == QLatin1String("photo note"))
        name = kPhoto;
    QFileInfo picture;
    if (writer == QLatin1String("thumbnail")) {
        QVERIFY(root.writeFile(kPhoto, jpegPicture()));
        picture = QFileInfo(root.hostPath(kPhoto));
        QVERIFY(QDir().mkpath(root.hostPath(QLatin1String(ThumbCache::PhotoFolder))));
        name = ThumbCache::photoThumbPath(picture);
    }
    const QString host = name.startsWith(root.root()) ? name : root.hostPath(name);
    QVERIFY(::symlink(QFile::encodeName(root.hostPath(kOutside)).constData(), QFile::encodeName(host).constData()) == 0);

    if (writer == QLatin1String("atomic write")) {
        QVERIFY(AtomicFile::write(name, written));
    } else if (writer == QLatin1String("settings commit")) {
        QSettings settings(name, QSettings::NativeFormat);
        settings.setValue(QStringLiteral("Lang"), QStringLiteral("German"));
        QVERIFY(SettingsSync::commit(settings, "the language"));
    } else if (writer == QLatin1String("settings saved after the start")) {
        StartUp::checkStoredFiles();
        QSettings settings(name, QSettings::NativeFormat);
        settings.setValue(QStringLiteral("Lang"), QStringLiteral("German"));
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    } else if (writer == QLatin1String("ini edit")) {
        QVERIFY(IniFileEdit::apply(name, {{QStringLiteral("Sensor_0"), QStringLiteral("1.5")}}));
    } else if (writer == QLatin1String("photo temporary")) {
        QCOMPARE(PhotoWriter::writeWhole(name, written), PhotoWriter::Ok);
    } else if (writer == QLatin1String("photo note")) {
        QCOMPARE(PhotoWriter::appendNote(name, TextNote, "hello"), dangling ? PhotoWriter::Unreadable : PhotoWriter::Ok);
    } else if (writer == QLatin1String("thumbnail")) {
        QVERIFY(!ThumbThread::makeThumbnail(picture, name));
    }

    // What the link led to is as it was: byte for byte, or still missing.
    if (dangling)
        QVERIFY(!QFileInfo::exists(root.hostPath(kOutside)));
    else
        QCOMPARE(root.readFile(kOutside), outside);
    const QFileInfo after(host);
    if (written.isEmpty()) {
        QVERIFY(after.isSymLink());
        return;
    }
    QVERIFY(!after.isSymLink());
    QVERIFY(after.isFile());
    QFile file(host);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    QVERIFY2(now.contains(written), now.constData());
    // Nothing is left beside it.
    const QStringList beside = QDir(after.absolutePath()).entryList({after.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System);
    QVERIFY2(beside.isEmpty() || beside == QStringList{after.fileName() + QStringLiteral(".lock")}, qPrintable(beside.join(u' ')));
}

QTEST_MAIN(TestLinkedWrites)
#include "tst_linkedwrites.moc"
