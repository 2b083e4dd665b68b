#include "frozenphoto.h"

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

} // namespace

class TestFrozenPhoto : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void split_data();
    void split();
    void assembleThenSplit_data();
    void assembleThenSplit();
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

// What assemble() puts together, split() takes apart.
void TestFrozenPhoto::assembleThenSplit_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("block") << kBlock;
    QTest::newRow("empty block") << QByteArray();
}

void TestFrozenPhoto::assembleThenSplit()
{
    QFETCH(QByteArray, block);
    const QByteArray photo = FrozenPhoto::assemble(kJpeg, block);
    QCOMPARE(photo, kJpeg + block + le(quint32(kJpeg.size())));
    const auto layout = FrozenPhoto::split(photo);
    QVERIFY(layout);
    QCOMPARE(photo.left(layout->jpegLength), kJpeg);
    QCOMPARE(photo.mid(layout->blockOffset, layout->blockLength), block);
}

QTEST_GUILESS_MAIN(TestFrozenPhoto)
#include "tst_frozenphoto.moc"
