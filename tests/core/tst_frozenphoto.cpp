#include "frozenphoto.h"
#include "testroot.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray le(quint32 v)
{
    char b[4];
    qToLittleEndian<quint32>(v, b);
    return QByteArray(b, 4);
}

const QByteArray kJpeg = QByteArray("\xFF\xD8jpeg-body\xFF\xD9", 13);
const QByteArray kBlock = QByteArray("radiometric block").repeated(3);
const QString kPhoto = QStringLiteral("/media/mmc/image/261210_0001I.jpg");

} // namespace

class TestFrozenPhoto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void split_data();
    void split();
    void failureLeavesPhoto_data();
    void failureLeavesPhoto();
    void composeKeepsBlock_data();
    void composeKeepsBlock();
    void noTemporaryLeftBehind();
};

void TestFrozenPhoto::split_data()
{
    QTest::addColumn<QByteArray>("photo");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("jpegLength");
    QTest::addColumn<qint64>("blockLength");
    QTest::newRow("empty") << QByteArray() << false << 0LL << 0LL;
    QTest::newRow("1 byte") << QByteArray("\xFF", 1) << false << 0LL << 0LL;
    QTest::newRow("3 bytes") << QByteArray("\xFF\xD8\x00", 3) << false << 0LL << 0LL;
    QTest::newRow("length 0") << kJpeg + kBlock + le(0) << false << 0LL << 0LL;
    const qint64 whole = kJpeg.size() + kBlock.size();
    QTest::newRow("size - 4: empty block") << kJpeg + kBlock + le(quint32(whole)) << true << whole << 0LL;
    QTest::newRow("beyond size - 4") << kJpeg + kBlock + le(quint32(whole + 1)) << false << 0LL << 0LL;
    QTest::newRow("beyond size") << kJpeg + kBlock + le(quint32(whole + 100)) << false << 0LL << 0LL;
    QTest::newRow("0xFFFFFFFF") << kJpeg + kBlock + le(0xFFFFFFFFu) << false << 0LL << 0LL;
    QTest::newRow("no JPEG marker") << QByteArray("GIF89a-body!!") + kBlock + le(13) << false << 0LL << 0LL;
    QTest::newRow("sound") << kJpeg + kBlock + le(quint32(kJpeg.size())) << true << qint64(kJpeg.size()) << qint64(kBlock.size());
}

void TestFrozenPhoto::split()
{
    QFETCH(QByteArray, photo);
    QFETCH(bool, ok);
    QFETCH(qint64, jpegLength);
    QFETCH(qint64, blockLength);
    const auto layout = FrozenPhoto::split(photo);
    QCOMPARE(layout.has_value(), ok);
    if (!ok)
        return;
    QCOMPARE(layout->jpegLength, jpegLength);
    QCOMPARE(layout->blockOffset, jpegLength);
    QCOMPARE(layout->blockLength, blockLength);
    QVERIFY(layout->blockOffset + layout->blockLength + 4 == photo.size());
}

void TestFrozenPhoto::failureLeavesPhoto_data()
{
    QTest::addColumn<QByteArray>("photo");
    QTest::addColumn<bool>("composerFails");
    QTest::addColumn<int>("expected");
    const qint64 whole = kJpeg.size() + kBlock.size();
    QTest::newRow("3 bytes") << QByteArray("\xFF\xD8\x00", 3) << false << int(FrozenPhoto::Result::Malformed);
    QTest::newRow("length 0") << kJpeg + kBlock + le(0) << false << int(FrozenPhoto::Result::Malformed);
    QTest::newRow("beyond size") << kJpeg + kBlock + le(quint32(whole + 1)) << false << int(FrozenPhoto::Result::Malformed);
    QTest::newRow("0xFFFFFFFF") << kJpeg + kBlock + le(0xFFFFFFFFu) << false << int(FrozenPhoto::Result::Malformed);
    QTest::newRow("no JPEG marker") << QByteArray("GIF89a-body!!") + kBlock + le(13) << false << int(FrozenPhoto::Result::Malformed);
    QTest::newRow("composer fails") << kJpeg + kBlock + le(quint32(kJpeg.size())) << true << int(FrozenPhoto::Result::ComposeFailed);
}

void TestFrozenPhoto::failureLeavesPhoto()
{
    QFETCH(QByteArray, photo);
    QFETCH(bool, composerFails);
    QFETCH(int, expected);
    TestRoot root;
    QVERIFY(root.writeFile(kPhoto, photo));
    bool called = false;
    const auto result = FrozenPhoto::compose(kPhoto, [&](const QByteArray &) {
        called = true;
        return composerFails ? QByteArray() : QByteArray("\xFF\xD8new", 5);
    });
    QCOMPARE(int(result), expected);
    QCOMPARE(called, composerFails);
    QCOMPARE(root.readFile(kPhoto), photo);
}

void TestFrozenPhoto::composeKeepsBlock_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("block") << kBlock;
    QTest::newRow("empty block") << QByteArray();
}

void TestFrozenPhoto::composeKeepsBlock()
{
    QFETCH(QByteArray, block);
    TestRoot root;
    QVERIFY(root.writeFile(kPhoto, kJpeg + block + le(quint32(kJpeg.size()))));
    const QByteArray composed = QByteArray("\xFF\xD8", 2) + QByteArray(1000, 'x') + QByteArray("\xFF\xD9", 2);
    QByteArray seen;
    const auto result = FrozenPhoto::compose(kPhoto, [&](const QByteArray &jpeg) {
        seen = jpeg;
        return composed;
    });
    QCOMPARE(result, FrozenPhoto::Result::Done);
    QCOMPARE(seen, kJpeg);
    const QByteArray after = root.readFile(kPhoto);
    QCOMPARE(after, composed + block + le(quint32(composed.size())));
    const auto layout = FrozenPhoto::split(after);
    QVERIFY(layout);
    QCOMPARE(after.mid(layout->blockOffset, layout->blockLength), block);
}

void TestFrozenPhoto::noTemporaryLeftBehind()
{
    TestRoot root;
    QVERIFY(root.writeFile(kPhoto, kJpeg + kBlock + le(quint32(kJpeg.size()))));
    QCOMPARE(FrozenPhoto::compose(QStringLiteral("/media/mmc/image/missing.jpg"), [](const QByteArray &j) { return j; }),
             FrozenPhoto::Result::Unreadable);
    QCOMPARE(FrozenPhoto::compose(kPhoto, [](const QByteArray &j) { return j + "x"; }), FrozenPhoto::Result::Done);
    const QStringList files = QDir(root.hostPath(QStringLiteral("/media/mmc/image"))).entryList(QDir::Files);
    QCOMPARE(files, QStringList{QStringLiteral("261210_0001I.jpg")});
}

QTEST_GUILESS_MAIN(TestFrozenPhoto)
#include "tst_frozenphoto.moc"
