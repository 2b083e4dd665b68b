// The photo container: encodings, header and record bytes, the trailer and
// note writers and the one reader, against hand-made files.
#include "efilemanager.h"
#include "photolayout.h"
#include "photoreader.h"
#include "photowriter.h"
#include "testroot.h"

#include <QBuffer>
#include <QtTest>

using namespace PhotoLayout;

namespace {

uint32_t u16At(const QByteArray &b, int o) { return getU16(reinterpret_cast<const unsigned char *>(b.constData()) + o); }
uint32_t u32At(const QByteArray &b, qint64 o) { return getU32(reinterpret_cast<const unsigned char *>(b.constData()) + o); }

QByteArray le32(uint32_t v)
{
    QByteArray out(4, '\0');
    putU32(reinterpret_cast<unsigned char *>(out.data()), v);
    return out;
}

// What the encoder service leaves: JPEG, 416 zero bytes, its block, N.
QByteArray serviceFile(int jpegLength = 100, int blockLength = 20)
{
    QByteArray jpeg(jpegLength, 'J');
    jpeg[jpegLength - 2] = char(0xFF);
    jpeg[jpegLength - 1] = char(0xD9);
    return jpeg + QByteArray(TrailerRoom, '\0') + QByteArray(blockLength, 'S') + le32(uint32_t(jpegLength));
}

QByteArray header() { return EFileManager::buildFilePara(EFileManager::FileParaValues()); }
QByteArray irBlock() { return QByteArray(IrBlockSize, 'I'); }

// A photo with its own directory, for the reader's fixtures.
QByteArray photoWith(int count, const QList<std::array<uint32_t, 3>> &entries, int tail = 300000)
{
    const int n = 100;
    QByteArray out = QByteArray(n, 'J') + header();
    QByteArray h = out.mid(n, HeaderSize);
    putU16(reinterpret_cast<unsigned char *>(out.data()) + n + HeaderCountOffset, uint32_t(count));
    putU16(reinterpret_cast<unsigned char *>(out.data()) + n + HeaderModeOffset, 1);
    QByteArray dir;
    for (const auto &e : entries)
        dir += EFileManager::sectionEntry(e[0], e[1], e[2]);
    dir.resize(DirectorySize, '\0');
    return out + dir + QByteArray(tail, 'x') + le32(n);
}

} // namespace

class TstPhotoFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void temperatureCodes_data();
    void temperatureCodes();
    void otherCodes();
    void headerBytes_data();
    void headerBytes();
    void recordDefaults();
    void recordTools();
    void recordClampsWrappingValues();
    void videoSideFile();
    void trailerLayout();
    void trailerClearsTheEncodersRoom();
    void notesFollowTheTrailer();
    void noteRefused_data();
    void noteRefused();
    void reader_data();
    void reader();
    void videoRecords_data();
    void videoRecords();
    void writersOnDisk();
    void temporaries();
    void scratchOfPhotos_data();
    void scratchOfPhotos();
};

void TstPhotoFile::temperatureCodes_data()
{
    QTest::addColumn<double>("celsius");
    QTest::addColumn<int>("t10");
    QTest::addColumn<int>("t10r");
    QTest::newRow("25.34") << 25.34 << 1253 << 1253;
    QTest::newRow("25.36") << 25.36 << 1253 << 1254;
    QTest::newRow("-20") << -20.0 << 800 << 800;
    QTest::newRow("25") << 25.0 << 1250 << 1250;
    QTest::newRow("below -100 stored as 0") << -150.0 << 0 << 0;
    QTest::newRow("past the field") << 7000.0 << 65535 << 65535;
    QTest::newRow("NaN") << std::nan("") << 0 << 0;
}

void TstPhotoFile::temperatureCodes()
{
    QFETCH(double, celsius);
    QFETCH(int, t10);
    QFETCH(int, t10r);
    QCOMPARE(int(EFileManager::encodeT10(float(celsius))), t10);
    QCOMPARE(int(EFileManager::encodeT10r(celsius)), t10r);
}

void TstPhotoFile::otherCodes()
{
    QCOMPARE(int(EFileManager::encodeEmissivity(0.57)), 57);
    QCOMPARE(int(EFileManager::encodeEmissivity(0.95)), 95);
    QCOMPARE(int(EFileManager::encodeEmissivity(-1)), 0);
    QCOMPARE(int(EFileManager::encodeEmissivity(9)), 255);
    QCOMPARE(int(EFileManager::encodeOffset(0)), 1000);
    QCOMPARE(int(EFileManager::encodeOffset(-2.5)), 975);
    QCOMPARE(int(EFileManager::encodeOffset(-500)), 0);
    QCOMPARE(int(EFileManager::encodeMixZoom(232)), 110);
    QCOMPARE(int(EFileManager::encodeMixZoom(256)), 100);
    // A zoom of 0 divided by zero; it reads as the default now.
    QCOMPARE(int(EFileManager::encodeMixZoom(0)), 110);
    QCOMPARE(int(EFileManager::encodeMixZoom(-4)), 110);
    QCOMPARE(int(EFileManager::encodeMixZoom(1)), 25600);
}

void TstPhotoFile::headerBytes_data()
{
    QTest::addColumn<QByteArray>("deviceType");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<QByteArray>("deviceField");
    QTest::addColumn<QByteArray>("serialField");
    QTest::newRow("defaults") << QByteArray("OS-320") << QByteArray("2012010001")
                              << QByteArray("OS-320\0\0", 8) << QByteArray("2012010001\0\0\0\0\0", 15);
    QTest::newRow("8 characters, no terminator") << QByteArray("ABCDEFGH") << QByteArray("1")
                                                 << QByteArray("ABCDEFGH") << QByteArray("1\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 15);
    QTest::newRow("long texts cut") << QByteArray("ABCDEFGHIJK") << QByteArray("0123456789ABCDEFGH")
                                    << QByteArray("ABCDEFGH") << QByteArray("0123456789ABCDE");
}

void TstPhotoFile::headerBytes()
{
    QFETCH(QByteArray, deviceType);
    QFETCH(QByteArray, serial);
    EFileManager::FileParaValues v;
    v.deviceType = deviceType;
    v.serialNo = serial;
    v.year = 2018;
    v.month = 12;
    v.day = 14;
    v.hour = 9;
    v.minute = 5;
    v.second = 7;
    const QByteArray h = EFileManager::buildFilePara(v);
    QCOMPARE(h.size(), HeaderSize);
    QTEST(h.mid(0, 8), "deviceField");
    QTEST(h.mid(0x2C, 15), "serialField");
    QCOMPARE(u32At(h, 0x08), 160u);
    QCOMPARE(h.mid(0x0C, 4), QByteArray("VYX\0", 4));
    for (int o : {0x1B, 0x2B, 0x3B, 0x4B})
        QCOMPARE(uint8_t(h.at(o)), uint8_t(0xFF));
    QCOMPARE(h.mid(0x3C, 7), QByteArray("2.0.04\0", 7));
    QCOMPARE(h.mid(0x4C, 16), QByteArray("20181214090507\0\0", 16));
    QCOMPARE(u16At(h, 0x64), 384u);
    QCOMPARE(u16At(h, 0x66), 288u);
    QCOMPARE(u16At(h, HeaderModeOffset), 0u);
    QCOMPARE(u16At(h, HeaderCountOffset), 0u);
    QCOMPARE(u16At(h, HeaderStampOffset), 1u);
    QCOMPARE(u16At(h, 0x76), 200u);
    QCOMPARE(u16At(h, 0x78), 110u);
    QCOMPARE(h.mid(0x82, 30), QByteArray(30, '\0'));
}

void TstPhotoFile::recordDefaults()
{
    const QByteArray r = EFileManager::buildImagePara(EFileManager::ImageParaValues());
    QCOMPARE(r.size(), ParaSize);
    QCOMPARE(u16At(r, 0x028), 1250u);
    QCOMPARE(uint8_t(r.at(0x02A)), uint8_t(60));
    QCOMPARE(uint8_t(r.at(0x02B)), uint8_t(100));
    QCOMPARE(u16At(r, 0x02C), 1250u);
    QCOMPARE(u16At(r, 0x03E), 1250u);
    QCOMPARE(u16At(r, 0x040), 1050u);
    QCOMPARE(u16At(r, 0x04A), 1250u);
    QCOMPARE(u16At(r, 0x05E), 0u);
    QCOMPARE(r.mid(0, 0x24), QByteArray(0x24, '\0'));
    QCOMPARE(r.mid(0x100, 0x500), QByteArray(0x500, '\0'));
}

void TstPhotoFile::recordTools()
{
    EFileManager::ImageParaValues v;
    for (int n : {0, 1, 2}) {
        v.spots[n].exists = true;
        v.spots[n].shown = n != 1;
        v.spots[n].x = 10 + n;
        v.spots[n].y = 20;
        v.spots[n].reading.status = "OK";
        v.spots[n].reading.temp = 25.34;
        v.spots[n].settings.emiss = 0.57;
    }
    v.areas[0].exists = v.areas[0].shown = true;
    v.areas[0].x = 40;
    v.areas[0].y = 30;
    v.areas[0].width = 100;
    v.areas[0].height = 80;
    v.areas[0].max.status = "TOOLONGSTATUS";
    v.lines[0].exists = v.lines[0].shown = true;
    v.lines[0].x = 0;
    v.lines[0].y = 120;
    v.second = 7;
    const QByteArray r = EFileManager::buildImagePara(v);
    QCOMPARE(r.mid(0, 3), QByteArray("\1\1\1", 3));
    QCOMPARE(r.mid(0x120, 32), QByteArray(32, '\0'));
    QCOMPARE(uint8_t(r.at(0x100)), uint8_t(1));
    QCOMPARE(uint8_t(r.at(0x101)), uint8_t(57));
    QCOMPARE(u16At(r, 0x102), 10u);
    QCOMPARE(u16At(r, 0x108), 1253u);
    QCOMPARE(r.mid(0x117, 3), QByteArray("OK\0", 3));
    QCOMPARE(u16At(r, 0x142), 12u);
    QCOMPARE(u16At(r, 0x302), 40u);
    QCOMPARE(u16At(r, 0x304), 30u);
    QCOMPARE(u16At(r, 0x306), 140u);
    QCOMPARE(u16At(r, 0x308), 110u);
    QCOMPARE(uint8_t(r.at(0x31B)), uint8_t(100));
    // A status longer than its field keeps a terminator inside it.
    QCOMPARE(r.mid(0x32C, 6), QByteArray("TOOLO\0", 6));
    QCOMPARE(u16At(r, 0x502), 120u);
    QCOMPARE(u16At(r, 0x504), 0u);
    QCOMPARE(u16At(r, 0x05E), 7u);
}

void TstPhotoFile::recordClampsWrappingValues()
{
    EFileManager::ImageParaValues v;
    v.modifyValue = 7.5f;        // x 10,000 passes the field
    v.shutterDeltaAD = -20000;   // + 10,000 goes below 0
    v.level = -300;
    v.tablePoints = 500;
    const QByteArray r = EFileManager::buildImagePara(v);
    QCOMPARE(u16At(r, 0x05A), 65535u);
    QCOMPARE(u16At(r, 0x05C), 0u);
    QCOMPARE(u16At(r, 0x030), 0u);
    QCOMPARE(u32At(r, 0x600), 60u);
    QCOMPARE(u32At(r, 0x67C), 60u);
}

void TstPhotoFile::videoSideFile()
{
    const QByteArray start = EFileManager::videoSideFileStart(header(), 4);
    QCOMPARE(start.size(), TrailerRoom);
    QCOMPARE(u16At(start, HeaderModeOffset), 5u);
    QCOMPARE(u16At(start, HeaderCountOffset), 0u);
    QCOMPARE(start.mid(160, 16), EFileManager::sectionEntry(IrSection, 160, IrBlockSize));
    QCOMPARE(start.mid(176), QByteArray(240, '\0'));
}

void TstPhotoFile::trailerLayout()
{
    const QByteArray service = serviceFile(100, 20);
    const qint64 l = service.size();
    const QByteArray photo = PhotoWriter::withIrBlock(service, header(), 0, irBlock());
    QCOMPARE(photo.size(), l + IrBlockSize);
    QCOMPARE(u32At(photo, photo.size() - 4), 100u);
    QCOMPARE(u16At(photo, 100 + HeaderCountOffset), 2u);
    QCOMPARE(u16At(photo, 100 + HeaderModeOffset), 1u);
    QCOMPARE(photo.mid(100 + 160, 16), EFileManager::sectionEntry(ServiceSection, 516, 20));
    QCOMPARE(photo.mid(100 + 176, 16), EFileManager::sectionEntry(IrSection, uint32_t(l - 4), IrBlockSize));
    QCOMPARE(photo.mid(0, 100), service.mid(0, 100));
    QCOMPARE(photo.mid(516, 20), QByteArray(20, 'S'));
    const PhotoReader::Photo read = PhotoReader::readPhoto(photo);
    QVERIFY(read.valid);
    QCOMPARE(read.irBlock, (PhotoReader::Range{l - 4, IrBlockSize}));
    QVERIFY(read.notes.isEmpty());
    QVERIFY(read.hasMeasurements());
    // An IR block that cannot be built leaves nothing half-written.
    QVERIFY(PhotoWriter::withIrBlock(service, header(), 0, QByteArray(10, 'I')).isEmpty());
    QVERIFY(PhotoWriter::withIrBlock(service.left(200), header(), 0, irBlock()).isEmpty());
}

void TstPhotoFile::trailerClearsTheEncodersRoom()
{
    // An encoder that leaves bytes in the room instead of zeros: one of
    // them looks like an IR section inside the file.
    QByteArray service = serviceFile(100, 600);
    service.replace(100, TrailerRoom, QByteArray(TrailerRoom, char(0xC1)));
    service.replace(100 + HeaderSize + 6 * EntrySize, EntrySize, EFileManager::sectionEntry(IrSection, 600, 466));
    const QByteArray photo = PhotoWriter::withIrBlock(service, header(), 0, irBlock());
    QCOMPARE(photo.mid(100 + HeaderSize + 2 * EntrySize, DirectorySize - 2 * EntrySize), QByteArray(DirectorySize - 2 * EntrySize, '\0'));
    const PhotoReader::Photo read = PhotoReader::readPhoto(photo);
    QVERIFY(read.valid);
    QCOMPARE(read.irBlock, (PhotoReader::Range{service.size() - 4, IrBlockSize}));
    QCOMPARE(read.entries.size(), 2);
    QVERIFY(read.notes.isEmpty());
}

void TstPhotoFile::notesFollowTheTrailer()
{
    QByteArray photo = PhotoWriter::withIrBlock(serviceFile(), header(), 0, irBlock());
    const qint64 before = photo.size();
    photo = PhotoWriter::withNote(photo, VoiceNote, QByteArray(50, 'W'));
    photo = PhotoWriter::withNote(photo, TextNote, "ten chars!");
    QCOMPARE(photo.size(), before + 60);
    QCOMPARE(u16At(photo, 100 + HeaderCountOffset), 4u);
    const PhotoReader::Photo read = PhotoReader::readPhoto(photo);
    QCOMPARE(read.notes.size(), 2);
    QCOMPARE(read.notes.at(0).range, (PhotoReader::Range{before - 4, 50}));
    QCOMPARE(read.notes.at(1).range, (PhotoReader::Range{before + 46, 10}));
    QCOMPARE(PhotoReader::slice(photo, read.notes.at(1).range), QByteArray("ten chars!"));
    QCOMPARE(u32At(photo, photo.size() - 4), 100u);
}

void TstPhotoFile::noteRefused_data()
{
    QTest::addColumn<QByteArray>("photo");
    QTest::addColumn<int>("why");
    QByteArray full = PhotoWriter::withIrBlock(serviceFile(), header(), 0, irBlock());
    for (int i = 0; i < 14; ++i)
        full = PhotoWriter::withNote(full, TextNote, "n");
    QTest::newRow("16 entries") << full << int(PhotoWriter::DirectoryFull);
    QByteArray count = full;
    putU16(reinterpret_cast<unsigned char *>(count.data()) + 100 + HeaderCountOffset, 65535);
    QTest::newRow("count 65535") << count << int(PhotoWriter::DirectoryFull);
    QTest::newRow("N past the end") << QByteArray(50, 'J') + le32(9999) << int(PhotoWriter::BadLayout);
    QTest::newRow("no room for the header") << QByteArray(300, 'J') + le32(100) << int(PhotoWriter::BadLayout);
    QTest::newRow("N 0") << QByteArray(600, 'J') + le32(0) << int(PhotoWriter::BadLayout);
    QTest::newRow("shorter than N") << QByteArray(3, 'J') << int(PhotoWriter::BadLayout);
}

void TstPhotoFile::noteRefused()
{
    QFETCH(QByteArray, photo);
    PhotoWriter::Result why = PhotoWriter::Ok;
    QVERIFY(PhotoWriter::withNote(photo, TextNote, "note", &why).isEmpty());
    QTEST(int(why), "why");
}

void TstPhotoFile::reader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("irOffset");
    QTest::addColumn<qint64>("irLength");
    QTest::addColumn<int>("notes");
    const uint32_t first = 100 + TrailerRoom;
    const qint64 block = IrBlockSize;
    const qint64 none = -1;
    QTest::newRow("N 0") << (QByteArray(1000, 'x') + le32(0)) << false << none << none << 0;
    QTest::newRow("N past the end") << (QByteArray(1000, 'x') + le32(5000)) << false << none << none << 0;
    QTest::newRow("ends in FF D9") << QByteArray::fromHex("ffd8aaaaffd9") << false << none << none << 0;
    QTest::newRow("empty") << QByteArray() << false << none << none << 0;
    QTest::newRow("count 0") << photoWith(0, {{0, first, IrBlockSize}}) << true << qint64(first) << block << 0;
    QTest::newRow("count 17") << photoWith(17, {{0, first, IrBlockSize}, {3, first + IrBlockSize, 10}}) << true << qint64(first) << block << 1;
    QTest::newRow("count 65535") << photoWith(65535, {{0, first, IrBlockSize}, {1, first, 5}}) << true << qint64(first) << block << 1;
    QTest::newRow("IR past the end") << photoWith(2, {{0, first + 200000, IrBlockSize}}) << true << none << none << 0;
    QTest::newRow("IR inside the header room") << photoWith(2, {{0, 100, IrBlockSize}}) << true << none << none << 0;
    QTest::newRow("length wraps") << photoWith(3, {{0, first, IrBlockSize}, {3, first + 10, 0xFFFFFFF0u}}) << true << qint64(first) << block << 0;
    QTest::newRow("entries overlap") << photoWith(3, {{0, first, IrBlockSize}, {3, first + 10, 20}, {1, first + 15, 20}}) << true << qint64(first) << block << 2;
    QTest::newRow("two IR blocks: the last") << photoWith(2, {{0, first, IrBlockSize}, {0, first + 50, IrBlockSize}}) << true << qint64(first + 50) << block << 0;
    QTest::newRow("IR of length 0 skipped") << photoWith(2, {{0, first, IrBlockSize}, {0, first + 50, 0}}) << true << qint64(first) << block << 0;
    // Any length is a block's start; more than a block is one block.
    QTest::newRow("IR record only") << photoWith(2, {{0, first, ParaSize}}) << true << qint64(first) << qint64(ParaSize) << 0;
    QTest::newRow("IR of one byte") << photoWith(2, {{0, first, 1}}) << true << qint64(first) << qint64(1) << 0;
    QTest::newRow("two IR blocks: the last, short") << photoWith(2, {{0, first, IrBlockSize}, {0, first + 50, 100}}) << true
                                                     << qint64(first + 50) << qint64(100) << 0;
    QTest::newRow("IR longer than a block") << photoWith(2, {{0, first, IrBlockSize + 10}}) << true << qint64(first) << block << 0;
    QTest::newRow("short IR cut by the end") << photoWith(2, {{0, first + 299995, 10}}) << true << none << none << 0;
}

void TstPhotoFile::reader()
{
    QFETCH(QByteArray, bytes);
    const PhotoReader::Photo read = PhotoReader::readPhoto(bytes);
    QTEST(read.valid, "valid");
    QFETCH(qint64, irOffset);
    QFETCH(qint64, irLength);
    QCOMPARE(read.irBlock.isValid() ? read.irBlock.offset : qint64(-1), irOffset);
    QCOMPARE(read.irBlock.isValid() ? read.irBlock.length : qint64(-1), irLength);
    if (read.irBlock.isValid())
        QCOMPARE(PhotoReader::parameterRecord(read.irBlock).length, qMin<qint64>(irLength, ParaSize));
    QTEST(int(read.notes.size()), "notes");
    QVERIFY(read.entries.size() <= EntryCount);
    for (const PhotoReader::Entry &e : read.entries)
        QVERIFY(e.range.offset + e.range.length <= bytes.size() - 4);
}

// Side data after 1,000 bytes of video: the records' sizes as written
// (the last may be cut), and the record ranges the reader gives for
// k = 0, 1, ... up to the first it refuses; the same from bytes and from
// an open file.
void TstPhotoFile::videoRecords_data()
{
    QTest::addColumn<int>("stampFlag");
    QTest::addColumn<QList<int>>("written");
    QTest::addColumn<QList<qint64>>("lengths");
    const qint64 para = ParaSize;
    QTest::newRow("three records") << 1 << QList<int>{ParaSize, ParaSize, ParaSize} << QList<qint64>{para, para, para};
    QTest::newRow("none") << 1 << QList<int>{} << QList<qint64>{};
    QTest::newRow("the last cut short is kept") << 1 << QList<int>{ParaSize, ParaSize, 100} << QList<qint64>{para, para, 100};
    QTest::newRow("the last of one byte") << 1 << QList<int>{ParaSize, 1} << QList<qint64>{para, 1};
    QTest::newRow("records with frames: the frame left out") << 0 << QList<int>{IrBlockSize, IrBlockSize}
                                                              << QList<qint64>{para, para};
    QTest::newRow("the last frame missing") << 0 << QList<int>{IrBlockSize, ParaSize} << QList<qint64>{para, para};
}

void TstPhotoFile::videoRecords()
{
    QFETCH(int, stampFlag);
    QFETCH(QList<int>, written);
    QFETCH(QList<qint64>, lengths);
    QByteArray side = EFileManager::videoSideFileStart(header(), 0);
    putU16(reinterpret_cast<unsigned char *>(side.data()) + HeaderStampOffset, uint32_t(stampFlag));
    for (int k = 0; k < written.size(); ++k)
        side += QByteArray(written.at(k), char('a' + k));
    const QByteArray video = QByteArray(1000, 'V') + side + le32(1000);
    QBuffer file;
    file.setData(video);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const PhotoReader::Video fromFile = PhotoReader::readVideo(&file);
    QVERIFY(fromFile.valid);
    QCOMPARE(fromFile.firstRecord(), qint64(1000 + TrailerRoom));
    const qint64 stride = stampFlag ? ParaSize : IrBlockSize;
    QCOMPARE(fromFile.stride(), stride);
    QList<qint64> seen;
    for (qint64 k = 0; k <= lengths.size(); ++k) {
        const PhotoReader::Range r = PhotoReader::videoRecord(video, k);
        QCOMPARE(fromFile.record(k), r);
        if (!r.isValid())
            break;
        QCOMPARE(r.offset, 1000 + TrailerRoom + k * stride);
        QCOMPARE(PhotoReader::read(&file, r), QByteArray(int(r.length), char('a' + k)));
        seen << r.length;
    }
    QCOMPARE(seen, lengths);
    QVERIFY(!PhotoReader::videoRecord(video, -1).isValid());
    QVERIFY(!PhotoReader::videoRecord(video, qint64(1) << 60).isValid());
}

void TstPhotoFile::writersOnDisk()
{
    TestRoot root;
    const QString path = QStringLiteral("/media/mmc/image/.181214_0001T.part");
    QVERIFY(root.writeFile(path, serviceFile()));
    QCOMPARE(PhotoWriter::writeIrBlock(path, header(), 0, irBlock()), PhotoWriter::Ok);
    QCOMPARE(root.readFile(path), PhotoWriter::withIrBlock(serviceFile(), header(), 0, irBlock()));
    const QString target = QStringLiteral("/media/mmc/image/181214_0001T.jpg");
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg"), "taken"));
    QCOMPARE(PhotoWriter::publish(path, QStringLiteral("/media/mmc/image/181214_0002T.jpg")), PhotoWriter::NameTaken);
    QCOMPARE(root.readFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg")), QByteArray("taken"));
    QCOMPARE(PhotoWriter::publish(path, target), PhotoWriter::Ok);
    QVERIFY(!QFileInfo::exists(root.hostPath(path)));
    QCOMPARE(PhotoWriter::appendNote(target, TextNote, "hello"), PhotoWriter::Ok);
    QCOMPARE(PhotoReader::readPhoto(root.readFile(target)).notes.size(), 1);
    QCOMPARE(PhotoWriter::appendNote(QStringLiteral("/media/mmc/image/none.jpg"), TextNote, "x"), PhotoWriter::Unreadable);
    QCOMPARE(PhotoWriter::writeIrBlock(QStringLiteral("/media/mmc/image/none.jpg"), header(), 0, irBlock()), PhotoWriter::Missing);
    // A file whose N does not fit is left as it was.
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/bad.jpg"), QByteArray(10, 'x') + le32(7777)));
    QCOMPARE(PhotoWriter::writeIrBlock(QStringLiteral("/media/mmc/image/bad.jpg"), header(), 0, irBlock()), PhotoWriter::BadLayout);
    QCOMPARE(root.readFile(QStringLiteral("/media/mmc/image/bad.jpg")).size(), 14);
}

void TstPhotoFile::temporaries()
{
    QCOMPARE(PhotoWriter::temporaryName(QStringLiteral("181214_0001T.jpg")), QStringLiteral(".181214_0001T.part"));
    QVERIFY(!PhotoWriter::temporaryName(QStringLiteral("181214_0001T.jpg")).endsWith(QLatin1String(".jpg")));
    TestRoot root;
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/.181214_0001T.part"), "x"));
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/181214_0002T.jpg"), "y"));
    QVERIFY(root.writeFile(QStringLiteral("/media/mmc/image/.hidden"), "z"));
    QCOMPARE(PhotoWriter::removeStaleTemporaries(QStringLiteral("/media/mmc/image/")), 1);
    QVERIFY(QFileInfo::exists(root.hostPath(QStringLiteral("/media/mmc/image/181214_0002T.jpg"))));
    QVERIFY(QFileInfo::exists(root.hostPath(QStringLiteral("/media/mmc/image/.hidden"))));
}

// What a rewrite or a save cut short leaves in the photo folder goes with
// the save thread's start; names of that look that are someone's files stay.
void TstPhotoFile::scratchOfPhotos_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("removed");
    QTest::newRow("encoder's hidden temporary") << ".181214_0001T.part" << true;
    QTest::newRow("note rewrite's scratch") << "181214_0002T.jpg.AbCdEf" << true;
    QTest::newRow("in capitals") << "181214_0002T.jpg.QWERTY" << true;
    QTest::newRow("of a photo copied in") << "Holiday.JPG.xYzAbC" << true;
    QTest::newRow("hidden temporary's scratch") << ".181214_0001T.part.KlMnOp" << true;
    QTest::newRow("a word someone chose") << "181214_0002T.jpg.backup" << false;
    QTest::newRow("digits") << "181214_0002T.jpg.AbCd12" << false;
    QTest::newRow("seven letters") << "181214_0002T.jpg.AbCdEfG" << false;
    QTest::newRow("of no photo here") << "181214_0009T.jpg.AbCdEf" << false;
    QTest::newRow("of no photo at all") << "notes.txt.AbCdEf" << false;
    QTest::newRow("a photo") << "181214_0002T.jpg" << false;
}

void TstPhotoFile::scratchOfPhotos()
{
    QFETCH(QString, name);
    QFETCH(bool, removed);
    TestRoot root;
    const QString folder = QStringLiteral("/media/mmc/image/");
    QVERIFY(root.writeFile(folder + QStringLiteral("181214_0002T.jpg"), "photo"));
    QVERIFY(root.writeFile(folder + QStringLiteral("Holiday.JPG"), "photo"));
    if (name != QLatin1String("181214_0002T.jpg"))
        QVERIFY(root.writeFile(folder + name, "scratch"));
    QCOMPARE(PhotoWriter::removeStaleTemporaries(folder), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(root.hostPath(folder + name)), !removed);
    QCOMPARE(root.readFile(folder + QStringLiteral("181214_0002T.jpg")), QByteArray("photo"));
    QCOMPARE(root.readFile(folder + QStringLiteral("Holiday.JPG")), QByteArray("photo"));
}

QTEST_MAIN(TstPhotoFile)
#include "tst_photofile.moc"
