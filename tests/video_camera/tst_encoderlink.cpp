// The reply tokenizer: every known message of a read, merged or split.
#include "encoderlink.h"
#include "replytokenizer.h"

#include <QtTest>

class TstEncoderLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tokens_data();
    void tokens();
    void splitPrefixKept();
    void boundedBuffer();
};

void TstEncoderLink::tokens_data()
{
    QTest::addColumn<QByteArrayList>("known");
    QTest::addColumn<bool>("anyCase");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArrayList>("found");
    const QByteArrayList photo{EncoderLink::JpegSaved};
    const QByteArrayList video{EncoderLink::VideoStop, EncoderLink::FadSave, EncoderLink::FadStop};
    QTest::newRow("jpegsave") << photo << true << QByteArray("jpegsave") << QByteArrayList{"jpegsave"};
    QTest::newRow("capitals") << photo << true << QByteArray("JPEGSAVE") << QByteArrayList{"jpegsave"};
    QTest::newRow("seven letters") << photo << true << QByteArray("jpegsav\n") << QByteArrayList{};
    QTest::newRow("with newline") << photo << true << QByteArray("jpegsave\n") << QByteArrayList{"jpegsave"};
    QTest::newRow("stale bytes before") << photo << true << QByteArray("xx\0\0jpegsave", 12) << QByteArrayList{"jpegsave"};
    QTest::newRow("two merged") << QByteArrayList{"save"} << true << QByteArray("savesave") << QByteArrayList{"save", "save"};
    QTest::newRow("merged video") << video << false << QByteArray("fadsavevideostop\nfadstop") << QByteArrayList{"fadsave", "videostop", "fadstop"};
    QTest::newRow("trailing bytes") << video << false << QByteArray("videostop123") << QByteArrayList{"videostop"};
    QTest::newRow("case kept") << video << false << QByteArray("VIDEOSTOP") << QByteArrayList{};
    QTest::newRow("longest first") << QByteArrayList{"video", "videostop"} << false << QByteArray("videostopvideo") << QByteArrayList{"videostop", "video"};
    QTest::newRow("128 bytes of noise") << photo << true << QByteArray(128, 'j') << QByteArrayList{};
}

void TstEncoderLink::tokens()
{
    QFETCH(QByteArrayList, known);
    QFETCH(bool, anyCase);
    QFETCH(QByteArray, read);
    ReplyTokenizer tokens(known, anyCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
    QTEST(tokens.feed(read), "found");
}

void TstEncoderLink::splitPrefixKept()
{
    ReplyTokenizer tokens({EncoderLink::JpegSaved}, Qt::CaseInsensitive);
    QCOMPARE(tokens.feed("jpeg"), QByteArrayList{});
    QCOMPARE(tokens.pending(), QByteArray("jpeg"));
    QCOMPARE(tokens.feed("SAVEjpegs"), QByteArrayList{"jpegsave"});
    QCOMPARE(tokens.feed("ave"), QByteArrayList{"jpegsave"});
    QVERIFY(tokens.pending().isEmpty());
}

void TstEncoderLink::boundedBuffer()
{
    ReplyTokenizer tokens({EncoderLink::VideoStop}, Qt::CaseSensitive);
    for (int i = 0; i < 1000; ++i)
        tokens.feed(QByteArray(128, 'v'));
    QVERIFY(tokens.pending().size() < int(strlen(EncoderLink::VideoStop)));
}

QTEST_MAIN(TstEncoderLink)
#include "tst_encoderlink.moc"
