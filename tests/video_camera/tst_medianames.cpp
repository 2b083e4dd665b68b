// Media file names: the numbers found on the card, the free-name search
// and its end, and the counters shared by two threads.
#include "cardentries.h"
#include "eglobal.h"
#include "filenamesystem.h"
#include "systemclock.h"
#include "testroot.h"

#include <QtTest>

#include <thread>

#include <fcntl.h>
#include <unistd.h>

class TstMediaNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void nextName_data();
    void nextName();
    void numberOf_data();
    void numberOf();
    void pastTheLastNumber_data();
    void pastTheLastNumber();
    void yearBefore2000();
    void countersUnderTwoThreads();

private:
    void at(const QDate &date);
    std::unique_ptr<TestRoot> m_root;
};

void TstMediaNames::init()
{
    m_root = std::make_unique<TestRoot>();
    at(QDate(2009, 3, 15));
}

void TstMediaNames::at(const QDate &date)
{
    SystemClock::instance()->setSystemTime(QDateTime(date, QTime(12, 0)));
}

void TstMediaNames::nextName_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("names");
    const int t = FilenameSystem::Thermogram;
    QTest::newRow("empty card") << QStringList() << t << QStringList{"090315_0000T.jpg", "090315_0001T.jpg"};
    QTest::newRow("after 0041T") << QStringList{"image/090315_0041T.jpg"} << t << QStringList{"090315_0042T.jpg"};
    QTest::newRow("after 0041P the T is free") << QStringList{"image/090315_0041P.jpg"} << t
                                               << QStringList{"090315_0041T.jpg", "090315_0042T.jpg"};
    QTest::newRow("videos count apart") << QStringList{"image/090315_0007T.jpg"} << int(FilenameSystem::Video)
                                        << QStringList{"090315_0000V.mp4"};
    QTest::newRow("other days ignored") << QStringList{"image/090314_0500T.jpg"} << t << QStringList{"090315_0000T.jpg"};
    QTest::newRow("a note file counts 0") << QStringList{"image/090315_note.txt"} << t << QStringList{"090315_0000T.jpg"};
    QTest::newRow("sub-folders scanned") << QStringList{"image/old/090315_0003M.jpg"} << int(FilenameSystem::Mix)
                                         << QStringList{"090315_0003M.jpg"};
    QTest::newRow("9999 taken: 10000") << QStringList{"image/090315_9999T.jpg"} << t << QStringList{"090315_10000T.jpg", "090315_10001T.jpg"};
    QTest::newRow("five digits read whole") << QStringList{"image/090315_10000T.jpg"} << t << QStringList{"090315_10001T.jpg"};
    QTest::newRow("a temporary's name is not reused") << QStringList{"image/.090315_0000T.part"} << t << QStringList{"090315_0001T.jpg"};
    QTest::newRow("gap below the highest") << QStringList{"image/090315_0001T.jpg", "image/090315_0005T.jpg"} << t
                                           << QStringList{"090315_0006T.jpg", "090315_0007T.jpg"};
    // A foreign name of the day moves the count, yet takes no name of ours.
    QTest::newRow("foreign name") << QStringList{"image/090315_0041x.txt"} << t << QStringList{"090315_0041T.jpg", "090315_0042T.jpg"};
    QTest::newRow("extra zero is foreign") << QStringList{"image/090315_00041T.jpg"} << t << QStringList{"090315_0041T.jpg"};
    QTest::newRow("upper-case extension is foreign") << QStringList{"image/090315_0041T.JPG"} << t << QStringList{"090315_0041T.jpg"};
    QTest::newRow("video letter in the photo folder") << QStringList{"image/090315_0041V.mp4"} << t << QStringList{"090315_0041T.jpg"};
    QTest::newRow("name past ASCII") << QStringList{QString::fromUtf8("image/090315_0033T \xc3\xa9.jpg")} << t
                                     << QStringList{"090315_0033T.jpg"};
    QTest::newRow("digit past ASCII") << QStringList{QString::fromUtf8("image/090315_12\xd9\xa3T.jpg")} << t
                                      << QStringList{"090315_0000T.jpg"};
    // Names that are not UTF-8 are left out, files and folders alike.
    QTest::newRow("name not UTF-8") << QStringList{QStringLiteral("image/090315_0077T\xdcff.jpg")} << t << QStringList{"090315_0000T.jpg"};
    QTest::newRow("folder not UTF-8") << QStringList{QStringLiteral("image/old\xdcff/090315_0077T.jpg")} << t
                                      << QStringList{"090315_0000T.jpg"};
    QTest::newRow("hidden folder left out") << QStringList{"image/.trash/090315_0400T.jpg"} << t << QStringList{"090315_0000T.jpg"};
    // A folder is no photo, yet its name is not free.
    QTest::newRow("folder at the next number") << QStringList{"image/090315_0099T.jpg", "image/090315_0100T.jpg/"} << t
                                               << QStringList{"090315_0101T.jpg"};
    QTest::newRow("folder named by the day is scanned") << QStringList{"image/090315_0500T.jpg/090315_0007T.jpg"} << t
                                                        << QStringList{"090315_0007T.jpg"};
    QTest::newRow("link to a photo at the highest") << QStringList{"image/090315_0001T.jpg", "image/090315_0200T.jpg->090315_0001T.jpg"}
                                                    << t << QStringList{"090315_0201T.jpg"};
    QTest::newRow("link to a folder not followed") << QStringList{"elsewhere/090315_0300T.jpg", "image/090315_0300T.jpg->../elsewhere"}
                                                   << t << QStringList{"090315_0000T.jpg"};
    QTest::newRow("videos in sub-folders") << QStringList{"videoFile/old/090315_0012V.mp4", "videoFile/090315_0003V.mp4"}
                                           << int(FilenameSystem::Video) << QStringList{"090315_0012V.mp4", "090315_0013V.mp4"};
}

void TstMediaNames::nextName()
{
    QFETCH(QStringList, files);
    QFETCH(int, kind);
    QFETCH(QStringList, names);
    for (const QString &f : files)
        QVERIFY(CardEntries::make(*m_root, QStringLiteral("media/mmc/") + f));
    FilenameSystem fn;
    QCOMPARE(EGlobal::get_FilenameSystem(), &fn);
    for (const QString &name : names)
        QCOMPARE(fn.takeFreeName(FilenameSystem::Kind(kind)), name);
}

void TstMediaNames::numberOf_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("four") << "090315_0041T.jpg" << 41;
    QTest::newRow("five") << "090315_10000T.jpg" << 10000;
    QTest::newRow("none") << "090315_note.txt" << 0;
    QTest::newRow("short") << "090315_" << 0;
    QTest::newRow("no underscore") << "foo.jpg" << 0;
    QTest::newRow("huge run bounded") << "090315_99999999999999T.jpg" << 0;
}

void TstMediaNames::numberOf()
{
    QFETCH(QString, name);
    QTEST(FilenameSystem::numberOf(name), "number");
}

// A photo numbered at the end of the range, found on the card after a
// restart, leaves the lower free numbers to the rest of the day; only a day
// with every number taken has no name left.
void TstMediaNames::pastTheLastNumber_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("everyNumberTaken");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("names");
    const int t = FilenameSystem::Thermogram;
    QTest::newRow("99999 taken, lower free") << QStringList{"image/090315_99999T.jpg"} << false << t
                                             << QStringList{"090315_0000T.jpg", "090315_0001T.jpg"};
    QTest::newRow("gaps below 99999") << QStringList{"image/090315_0000T.jpg", "image/090315_0002T.jpg", "image/090315_99999T.jpg"}
                                      << false << t << QStringList{"090315_0001T.jpg", "090315_0003T.jpg"};
    QTest::newRow("gap under a temporary") << QStringList{"image/090315_99999T.jpg", "image/.090315_0000T.part"} << false << t
                                           << QStringList{"090315_0001T.jpg"};
    QTest::newRow("99998 taken: 99999, then round") << QStringList{"image/090315_99998T.jpg"} << false << t
                                                    << QStringList{"090315_99999T.jpg", "090315_0000T.jpg"};
    QTest::newRow("only a P at 99999") << QStringList{"image/090315_99999P.jpg"} << false << t
                                       << QStringList{"090315_99999T.jpg", "090315_0000T.jpg"};
    QTest::newRow("videos at 99999") << QStringList{"videoFile/090315_99999V.mp4"} << false << int(FilenameSystem::Video)
                                     << QStringList{"090315_0000V.mp4"};
    // The last free one taken, the day has none left.
    QTest::newRow("every number taken but one") << QStringList{"-image/090315_4711T.jpg"} << true << t
                                                << QStringList{"090315_4711T.jpg", QString()};
}

void TstMediaNames::pastTheLastNumber()
{
    QFETCH(QStringList, files);
    QFETCH(bool, everyNumberTaken);
    QFETCH(int, kind);
    QFETCH(QStringList, names);
    const QString image = m_root->hostPath(QStringLiteral("/media/mmc/image"));
    if (everyNumberTaken) {
        QVERIFY(QDir().mkpath(image));
        for (int n = 0; n <= FilenameSystem::MaxNumber; ++n) {
            const QByteArray path = QFile::encodeName(image + QString::asprintf("/090315_%04dT.jpg", n));
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            QVERIFY(fd >= 0);
            ::close(fd);
        }
    }
    // A leading '-' removes a name from the full card.
    for (const QString &f : files) {
        if (f.startsWith(QLatin1Char('-')))
            QVERIFY(QFile::remove(m_root->hostPath(QStringLiteral("/media/mmc/") + f.mid(1))));
        else
            QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/") + f, "x"));
    }
    FilenameSystem fn;
    for (const QString &name : names)
        QCOMPARE(fn.takeFreeName(FilenameSystem::Kind(kind)), name);
    // Nothing on the card was touched.
    for (const QString &f : files) {
        if (!f.startsWith(QLatin1Char('-')))
            QCOMPARE(m_root->readFile(QStringLiteral("/media/mmc/") + f), QByteArray("x"));
    }
}

void TstMediaNames::yearBefore2000()
{
    at(QDate(1998, 1, 2));
    FilenameSystem fn;
    QCOMPARE(fn.GetThermogram_ImageFn(), QStringLiteral("000102_0000T.jpg"));
    QCOMPARE(fn.updateCount(), 0);
    fn.updateSysFnParam();
    QCOMPARE(fn.updateCount(), 1);
}

void TstMediaNames::countersUnderTwoThreads()
{
    FilenameSystem fn;
    QStringList a, b;
    std::thread other([&] {
        for (int i = 0; i < 200; ++i)
            a << fn.takeFreeName(FilenameSystem::Thermogram);
    });
    for (int i = 0; i < 200; ++i)
        b << fn.takeFreeName(FilenameSystem::Thermogram);
    other.join();
    QSet<QString> all(a.begin(), a.end());
    all.unite(QSet<QString>(b.begin(), b.end()));
    QCOMPARE(all.size(), 400);
    QCOMPARE(fn.GetPhotoId(), 400);
}

QTEST_MAIN(TstMediaNames)
#include "tst_medianames.moc"
