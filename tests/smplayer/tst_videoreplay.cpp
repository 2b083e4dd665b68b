#include "egraphicstextitem.h"
#include "ephotosgraphicsview.h"
#include "espotwidget.h"
#include "evideographicsview.h"
#include "scriptedplayer.h"
#include "sidedatavideo.h"
#include "testroot.h"
#include "videoview.h"

#include <QtTest>

// Which recorded second the playback screen shows for each second the
// transport counts, on side data made for each case.
class TestVideoReplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void acceptedModes_data();
    void acceptedModes();
    void periodicChoice_data();
    void periodicChoice();
    void seekChoice_data();
    void seekChoice();
    void repeatedSecondsReadOnce();
    void framedRecordsWithoutTimeStamps();
    void largeSparseRecording();
    void lastRecordCutByTheEnd();
    void loadingClearsThePreviousVideo();

private:
    QString write(const SideDataVideo &video, const QString &name = QStringLiteral("v.mp4"));
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<EVideoGraphicsView> m_view;
};

void TestVideoReplay::init()
{
    m_root = std::make_unique<TestRoot>();
    ScriptedPlayer::install();
    m_view = std::make_unique<EVideoGraphicsView>();
}

void TestVideoReplay::cleanup()
{
    m_view.reset();
    ScriptedPlayer::uninstall();
    m_root.reset();
}

QString TestVideoReplay::write(const SideDataVideo &video, const QString &name)
{
    const QString path = m_root->hostPath(QStringLiteral("/media/mmc/videoFile/") + name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!video.write(path))
        return {};
    return path;
}

void TestVideoReplay::acceptedModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("none stored") << 0 << false;
    QTest::newRow("infrared") << 1 << true;
    QTest::newRow("visible only") << 2 << false;
    QTest::newRow("infrared in visible") << 3 << true;
    QTest::newRow("visible in infrared") << 4 << true;
    QTest::newRow("mix") << 5 << true;
    QTest::newRow("mix the other way") << 6 << true;
    QTest::newRow("unknown") << 7 << false;
}

void TestVideoReplay::acceptedModes()
{
    QFETCH(int, mode);
    QFETCH(bool, accepted);
    SideDataVideo video;
    video.imageMode = mode;
    video.seconds = {0, 1, 2};
    m_view->loadNetVideo(QFileInfo(write(video)));
    QCOMPARE(m_view->firstRecordOffset(), accepted ? video.firstRecord() : -1);
    m_view->slot_startTime(1, false);
    m_view->slot_startTime(2, true);
    QCOMPARE(m_view->shownRecordSecond(), accepted ? 2 : -1);
}

// Stored seconds of the records, the transport's periodic seconds, and
// the stored second shown after each (-1: nothing shown yet).
void TestVideoReplay::periodicChoice_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("in step") << QList<int>{0, 1, 2, 3} << QList<int>{0, 1, 2, 3} << QList<int>{0, 1, 2, 3};
    QTest::newRow("ahead: shown early and held") << QList<int>{0, 2, 3} << QList<int>{0, 1, 2, 3}
                                                  << QList<int>{0, 2, 2, 3};
    QTest::newRow("behind: skipped forward") << QList<int>{0, 1, 1, 1, 2, 3} << QList<int>{0, 1, 2, 3}
                                              << QList<int>{0, 1, 2, 3};
    QTest::newRow("end of data: the last one stays") << QList<int>{0, 1} << QList<int>{0, 1, 2, 3}
                                                      << QList<int>{0, 1, 1, 1};
    QTest::newRow("behind past the end: nothing new") << QList<int>{0, 1, 1} << QList<int>{0, 1, 2}
                                                       << QList<int>{0, 1, 1};
    QTest::newRow("second 0 starts over") << QList<int>{0, 1, 2} << QList<int>{0, 1, 2, 0, 1}
                                           << QList<int>{0, 1, 2, 0, 1};
}

void TestVideoReplay::periodicChoice()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, played);
    QFETCH(QList<int>, shown);
    SideDataVideo video;
    video.seconds = stored;
    m_view->loadNetVideo(QFileInfo(write(video)));
    QList<int> seen;
    for (int second : played) {
        m_view->slot_startTime(second, false);
        seen << m_view->shownRecordSecond();
    }
    QCOMPARE(seen, shown);
}

void TestVideoReplay::seekChoice_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("shown");
    QTest::newRow("its own record") << QList<int>{0, 1, 2, 3, 4} << 3 << 3;
    QTest::newRow("past the end: the last record") << QList<int>{0, 1, 2, 3, 4} << 100 << 4;
    QTest::newRow("another second: the one before, then forward") << QList<int>{0, 1, 2, 2, 3} << 4 << 3;
    QTest::newRow("a later second: the record before") << QList<int>{0, 1, 3, 4} << 2 << 1;
    QTest::newRow("second 0") << QList<int>{5, 6} << 0 << 5;
}

void TestVideoReplay::seekChoice()
{
    QFETCH(QList<int>, stored);
    QFETCH(int, target);
    QFETCH(int, shown);
    SideDataVideo video;
    video.seconds = stored;
    m_view->loadNetVideo(QFileInfo(write(video)));
    m_view->slot_startTime(target, true);
    QCOMPARE(m_view->shownRecordSecond(), shown);
}

void TestVideoReplay::repeatedSecondsReadOnce()
{
    SideDataVideo video;
    video.seconds = {0, 1, 2};
    m_view->loadNetVideo(QFileInfo(write(video)));
    m_view->slot_startTime(1, false);
    const int reads = m_view->recordReads();
    m_view->slot_startTime(1, false);
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->recordReads(), reads);
    QCOMPARE(m_view->lastSecond(), 1);
}

void TestVideoReplay::framedRecordsWithoutTimeStamps()
{
    SideDataVideo video;
    video.stampFlag = 0;
    video.seconds = {0, 1, 2};
    m_view->loadNetVideo(QFileInfo(write(video)));
    QCOMPARE(EVideoGraphicsView::stride(), qint64(0x36700));
    m_view->slot_startTime(0, false);
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->shownRecordSecond(), 1);
    QCOMPARE(EVideoGraphicsView::position(), video.firstRecord() + 2 * 0x36700);
    m_view->slot_startTime(2, true);
    QCOMPARE(m_view->shownRecordSecond(), 2);
}

// Side data past 2 GiB: the offsets are 64-bit all the way.
void TestVideoReplay::largeSparseRecording()
{
    SideDataVideo video;
    video.videoBytes = qint64(0x90000000);   // 2.25 GiB of hole
    video.seconds = {0, 1, 2, 3};
    const QString path = write(video);
    QVERIFY(!path.isEmpty());
    m_view->loadNetVideo(QFileInfo(path));
    QCOMPARE(m_view->firstRecordOffset(), video.firstRecord());
    QVERIFY(m_view->fileLength() > qint64(0x90000000));
    m_view->slot_startTime(0, false);
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->shownRecordSecond(), 1);
    m_view->slot_startTime(3, true);
    QCOMPARE(m_view->shownRecordSecond(), 3);
    // The next read is the record after the one shown.
    QCOMPARE(EVideoGraphicsView::position(), video.firstRecord() + 4 * 1792);
}

// A recording cut inside its last record: what is there of it is shown,
// the rest reads as zeros, and nothing is read past the side data.
void TestVideoReplay::lastRecordCutByTheEnd()
{
    SideDataVideo video;
    video.spot = true;
    video.seconds = {0, 1, 2};
    video.lastRecordBytes = 0x200;
    m_view->loadNetVideo(QFileInfo(write(video)));
    m_view->slot_startTime(2, true);
    QCOMPARE(m_view->shownRecordSecond(), 2);
    QVERIFY(m_view->replay()->spot(1)->isVisibled());
    QCOMPARE(m_view->replay()->spot(1)->name(), QStringLiteral("P1:32.0"));
    m_view->slot_startTime(3, false);
    QCOMPARE(m_view->shownRecordSecond(), 2);
}

// A video without side data after one with it plays without the old
// measurements, and its second 1 is not taken for the old second 1.
void TestVideoReplay::loadingClearsThePreviousVideo()
{
    SideDataVideo first;
    first.spot = true;
    first.seconds = {0, 1, 2};
    m_view->loadNetVideo(QFileInfo(write(first, QStringLiteral("a.mp4"))));
    m_view->slot_startTime(0, false);
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->shownRecordSecond(), 1);
    QVERIFY(m_view->replay()->spot(1)->isVisibled());
    QVERIFY(m_view->replay()->legend()->isVisible());

    const QString plain = m_root->hostPath(QStringLiteral("/media/mmc/videoFile/b.mp4"));
    QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/b.mp4"), QByteArray(5000, 'x')));
    m_view->loadNetVideo(QFileInfo(plain));
    QCOMPARE(m_view->shownRecordSecond(), -1);
    QCOMPARE(m_view->lastSecond(), -1);
    QCOMPARE(m_view->firstRecordOffset(), qint64(-1));
    QVERIFY(!m_view->replay()->spot(1)->isVisibled());
    QVERIFY(!m_view->replay()->legend()->isVisible());
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->shownRecordSecond(), -1);

    // Back to one with side data: its own second 1 is read.
    SideDataVideo third;
    third.seconds = {0, 7};
    m_view->loadNetVideo(QFileInfo(write(third, QStringLiteral("c.mp4"))));
    m_view->slot_startTime(0, false);
    QCOMPARE(m_view->shownRecordSecond(), 0);
    m_view->slot_startTime(1, false);
    QCOMPARE(m_view->shownRecordSecond(), 7);
}

QTEST_MAIN(TestVideoReplay)
#include "tst_videoreplay.moc"
