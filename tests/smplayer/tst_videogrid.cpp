#include "boardview.h"
#include "etoolwidget.h"
#include "fakethumbnailer.h"
#include "nativename.h"
#include "imagearea.h"
#include "paths.h"
#include "pmainwindow.h"
#include "screendirectory.h"
#include "testroot.h"
#include "videotoolwidget.h"
#include "zvideoloadthread.h"

#include <QPainter>
#include <QSemaphore>
#include <QtEndian>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// The video grid: layout, easing, fling, hit test and taps, delete mode
// with its selection and deletion, and the list window's bar and exit.
class TestVideoGrid : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void geometry_data();
    void geometry();
    void easing_data();
    void easing();
    void fling_data();
    void fling();
    void hitTest_data();
    void hitTest();
    void dragThreshold_data();
    void dragThreshold();
    void dragPastTheTopEasesBack();
    void selectionFollowsTheList();
    void lateReportOutsideTheList();
    void deleteRemovesTheListedFiles();
    void namesByTheirOwnBytes_data();
    void namesByTheirOwnBytes();
    void emptyListNotice_data();
    void emptyListNotice();
    void selectButtonAlternates();
    void escapeInDeleteMode();
    void tapPlaysWithoutWaitingForTheWorker();

private:
    static QStringList names(int count);
    void press(int x, int y);
    void move(int x, int y);
    void release(int x, int y);
    std::unique_ptr<TestRoot> m_root;
    std::unique_ptr<ScreenDirectory> m_screen;
};

void TestVideoGrid::init()
{
    m_root = std::make_unique<TestRoot>();
    VideoThumbnailer::install(new FakeThumbnailer);
    m_screen = std::make_unique<ScreenDirectory>();
    m_screen->width = 320;
    m_screen->height = 240;
}

void TestVideoGrid::cleanup()
{
    m_screen.reset();
    VideoThumbnailer::install(nullptr);
    m_root.reset();
}

QStringList TestVideoGrid::names(int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QStringLiteral("181214_%1V.mp4").arg(count - i, 4, 10, QLatin1Char('0'));
    return list;
}

void TestVideoGrid::press(int x, int y)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::LeftButton, {});
    QVERIFY(m_screen->onSingletouch(&e));
}

void TestVideoGrid::move(int x, int y)
{
    QMouseEvent e(QEvent::MouseMove, QPointF(x, y), QPointF(x, y), Qt::NoButton, Qt::LeftButton, {});
    QVERIFY(m_screen->onSingletouch(&e));
}

void TestVideoGrid::release(int x, int y)
{
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(x, y), QPointF(x, y), Qt::LeftButton, Qt::NoButton, {});
    QVERIFY(m_screen->onSingletouch(&e));
}

void TestVideoGrid::geometry_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("contentHeight");
    QTest::addColumn<int>("farthest");   // the largest offset a wheel reaches
    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("5: two rows, no scrolling") << 5 << 160 << 0;
    QTest::newRow("12: three rows exactly") << 12 << 240 << 0;
    QTest::newRow("13: four rows") << 13 << 320 << 80;
    QTest::newRow("100") << 100 << 2000 << 1760;
}

void TestVideoGrid::geometry()
{
    QFETCH(int, count);
    QFETCH(int, contentHeight);
    QFETCH(int, farthest);
    m_screen->onSetFiles(names(count), QString());
    QCOMPARE(m_screen->columns(), 4);
    QCOMPARE(m_screen->cellWidth(), 80);
    QCOMPARE(m_screen->imageHeight(), 60);
    QCOMPARE(m_screen->rowPitch(), 80);
    QCOMPARE(m_screen->contentHeight(), contentHeight);
    for (int i = 0; i < 100; ++i) {
        QWheelEvent down(QPointF(), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        m_screen->onWheel(&down);
    }
    QCOMPARE(m_screen->targetOffset(), farthest);
    QWheelEvent up(QPointF(), QPointF(), QPoint(), QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false);
    m_screen->onWheel(&up);
    QCOMPARE(m_screen->targetOffset(), qMax(0, farthest - 40));
}

void TestVideoGrid::easing_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<int>("step");
    QTest::newRow("far") << 500 << 24;
    QTest::newRow("46") << 46 << 24;
    QTest::newRow("40") << 40 << 13;
    QTest::newRow("20") << 20 << 3;
    QTest::newRow("10") << 10 << 1;
    QTest::newRow("1") << 1 << 1;
}

void TestVideoGrid::easing()
{
    QFETCH(int, distance);
    QFETCH(int, step);
    QCOMPARE(ScreenDirectory::easingStep(distance, 240), step);
    m_screen->onSetFiles(names(100), QString());
    m_screen->setOffsets(0, distance);
    m_screen->onTimer();
    QCOMPARE(m_screen->shownOffset(), qMin(step, distance));
}

void TestVideoGrid::fling_data()
{
    QTest::addColumn<double>("speed");
    QTest::addColumn<int>("target");
    QTest::newRow("1 px/ms down: 36 back") << 1.0 << 400 - 36;
    QTest::newRow("1 px/ms up: 36 on") << -1.0 << 400 + 36;
    QTest::newRow("0.5: no momentum") << 0.5 << 400;
    QTest::newRow("past the end: clamped") << -100.0 << 1760;
    QTest::newRow("past the start: clamped") << 100.0 << 0;
}

void TestVideoGrid::fling()
{
    QFETCH(double, speed);
    QFETCH(int, target);
    m_screen->onSetFiles(names(100), QString());
    m_screen->setOffsets(400, 400);
    m_screen->setSpeed(speed);
    m_screen->fling();
    QCOMPARE(m_screen->targetOffset(), target);
}

void TestVideoGrid::hitTest_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("index");
    QTest::newRow("first") << 0 << QPoint(5, 5) << 0;
    QTest::newRow("fourth column") << 0 << QPoint(319, 10) << 3;
    QTest::newRow("x 320") << 0 << QPoint(320, 10) << -1;
    QTest::newRow("second row") << 0 << QPoint(85, 85) << 5;
    QTest::newRow("below the last of an incomplete row") << 0 << QPoint(250, 170) << -1;
    QTest::newRow("the last") << 0 << QPoint(170, 170) << 10;
    QTest::newRow("scrolled") << 40 << QPoint(5, 45) << 4;
}

void TestVideoGrid::hitTest()
{
    QFETCH(int, offset);
    QFETCH(QPoint, at);
    QFETCH(int, index);
    m_screen->onSetFiles(names(11), QString());
    m_screen->setOffsets(offset, offset);
    QCOMPARE(m_screen->hitTest(at.x(), at.y()), index);
}

void TestVideoGrid::dragThreshold_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("tap");
    QTest::newRow("30 down") << QPoint(40, 70) << true;
    QTest::newRow("30 across") << QPoint(70, 40) << true;
    QTest::newRow("31 down") << QPoint(40, 71) << false;
    QTest::newRow("31 across") << QPoint(71, 40) << false;
}

void TestVideoGrid::dragThreshold()
{
    QFETCH(QPoint, to);
    QFETCH(bool, tap);
    m_screen->onSetFiles(names(30), QString());
    m_screen->remove_mode();   // delete mode: a tap selects, nothing plays
    QSignalSpy plays(m_screen.get(), &ScreenBase::loadFile);
    press(40, 40);
    move(to.x(), to.y());
    QCOMPARE(m_screen->isMoving(), !tap);
    release(to.x(), to.y());
    QCOMPARE(m_screen->selectedCount(), tap ? 1 : 0);
    QCOMPARE(plays.size(), 0);
}

void TestVideoGrid::dragPastTheTopEasesBack()
{
    m_screen->onSetFiles(names(30), QString());
    press(100, 50);
    move(100, 150);   // the content follows the finger past its top
    QCOMPARE(m_screen->targetOffset(), -100);
    QVERIFY(m_screen->shownOffset() < 0);
    m_screen->setSpeed(0);
    release(100, 150);
    QCOMPARE(m_screen->targetOffset(), 0);
    int before = m_screen->shownOffset();
    while (m_screen->shownOffset() != 0) {
        m_screen->onTimer();
        QVERIFY(m_screen->shownOffset() - before <= 24);
        before = m_screen->shownOffset();
    }
}

void TestVideoGrid::selectionFollowsTheList()
{
    m_screen->onSetFiles(names(7), QString());
    m_screen->remove_mode();
    m_screen->selectAllFile();
    QCOMPARE(m_screen->selectedCount(), 7);
    for (int i = 0; i < 7; ++i)
        QVERIFY(m_screen->isSelected(i));
    QVERIFY(!m_screen->isSelected(7));
    QVERIFY(!m_screen->isSelected(65536));
    m_screen->onTap(5, 5);
    QCOMPARE(m_screen->selectedCount(), 6);
    QVERIFY(!m_screen->isSelected(0));
    // Leaving delete mode clears it.
    m_screen->remove_mode();
    QCOMPARE(m_screen->selectedCount(), 0);
    // A list longer than any fixed table selects every entry.
    m_screen->onSetFiles(names(70000), QString());
    m_screen->remove_mode();
    m_screen->selectAllFile();
    QCOMPARE(m_screen->selectedCount(), 70000);
    QVERIFY(m_screen->isSelected(69999));
}

// A report from a run over an older, longer list touches nothing.
void TestVideoGrid::lateReportOutsideTheList()
{
    m_screen->onSetFiles(names(3), QString());
    for (int index : {3, 100, 65536, -1})
        QVERIFY(QMetaObject::invokeMethod(m_screen.get(), "getThumbnailerimage", Q_ARG(int, index)));
    QVERIFY(!m_screen->hasThumbnail(0));
}

void TestVideoGrid::deleteRemovesTheListedFiles()
{
    BoardView board;
    const QStringList files{QStringLiteral("181214_0002V.mp4"), QStringLiteral("181214_0001V.mp4"),
                            QStringLiteral("clip.MP4")};
    for (const QString &name : files)
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/") + name, QByteArray(10, 'v')));
    QDir().mkpath(Paths::resolve(QStringLiteral("/root/.videothumbnails")));
    const QString clipThumb = ZVideoloadThread::thumbnailPath(QStringLiteral("clip.MP4"));
    QVERIFY(m_root->writeFile(clipThumb.mid(m_root->root().size()), "jpeg"));

    PMainWindow window;
    board.view->sacnVideoDir();
    window._loadFiles(QStringLiteral("/media/mmc/videoFile/"));
    ScreenDirectory *screen = window.area()->screen();
    QCOMPARE(screen->files.size(), 3);
    // Nothing selected: nothing goes.
    QTest::mouseClick(window.bar()->deleteButton(), Qt::LeftButton);
    QVERIFY(screen->deleteMode());
    QTest::mouseClick(window.bar()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(screen->files.size(), 3);
    // The name is deleted as listed, whatever its extension's case.
    screen->onTap(170, 10);
    screen->onTap(5, 10);
    QCOMPARE(screen->selectedCount(), 2);
    QTest::mouseClick(window.bar()->deleteFilesButton(), Qt::LeftButton);
    QCOMPARE(screen->files, QStringList{QStringLiteral("181214_0001V.mp4")});
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/media/mmc/videoFile/clip.MP4"))));
    QVERIFY(!QFile::exists(m_root->hostPath(QStringLiteral("/media/mmc/videoFile/181214_0002V.mp4"))));
    QVERIFY(!QFile::exists(clipThumb));
    QCOMPARE(screen->current, 0);
    QCOMPARE(screen->shownOffset(), 0);
    QCOMPARE(screen->selectedCount(), 0);
    QVERIFY(screen->deleteMode());
}

// Three names that all read as "look\uFFFD.mp4": two are not UTF-8. Each is
// a tile of its own with a picture name of its own, and deleting one
// removes that file and no other.
void TestVideoGrid::namesByTheirOwnBytes_data()
{
    QTest::addColumn<QByteArray>("deleted");
    QTest::newRow("FE") << QByteArray("look\xfe.mp4");
    QTest::newRow("FF") << QByteArray("look\xff.mp4");
    QTest::newRow("replacement character") << QByteArray("look\xef\xbf\xbd.mp4");
}

void TestVideoGrid::namesByTheirOwnBytes()
{
    QFETCH(QByteArray, deleted);
    BoardView board;
    const QByteArray folder = QFile::encodeName(Paths::resolve(QStringLiteral("/media/mmc/videoFile"))) + '/';
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    const QList<QByteArray> names{"look\xfe.mp4", "look\xff.mp4", "look\xef\xbf\xbd.mp4"};
    // The temporary root's own removal cannot name them.
    auto removeAll = qScopeGuard([&] {
        for (const QByteArray &name : names)
            ::unlink((folder + name).constData());
    });
    for (const QByteArray &name : names) {
        const int fd = ::open((folder + name).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, name.constData(), size_t(name.size())), ssize_t(name.size()));
        ::close(fd);
    }
    PMainWindow window;
    board.view->sacnVideoDir();
    window._loadFiles(QStringLiteral("/media/mmc/videoFile/"));
    ScreenDirectory *screen = window.area()->screen();
    QCOMPARE(screen->files.size(), 3);
    QSet<QByteArray> listed;
    QSet<QString> pictures;
    for (const QString &name : std::as_const(screen->files)) {
        listed << NativeName::encode(name);
        pictures << ZVideoloadThread::thumbnailName(name);
    }
    QCOMPARE(listed, QSet<QByteArray>(names.begin(), names.end()));
    QCOMPARE(pictures.size(), 3);

    const int index = int(screen->files.indexOf(NativeName::decode(deleted)));
    QVERIFY(index >= 0);
    QTest::mouseClick(window.bar()->deleteButton(), Qt::LeftButton);
    screen->onTap(index * screen->cellWidth() + 5, 10);
    QCOMPARE(screen->selectedCount(), 1);
    QTest::mouseClick(window.bar()->deleteFilesButton(), Qt::LeftButton);
    for (const QByteArray &name : names) {
        QFile file;
        const bool present = NativeName::openForReading(file, NativeName::decode(folder + name));
        QCOMPARE(present, name != deleted);
        if (present)
            QCOMPARE(file.readAll(), name);
    }
    QCOMPARE(screen->files.size(), 2);
    QVERIFY(!screen->files.contains(NativeName::decode(deleted)));
}

void TestVideoGrid::emptyListNotice_data()
{
    QTest::addColumn<bool>("card");
    QTest::addColumn<QString>("text");
    QTest::newRow("card in") << true << "This directory is empty";
    QTest::newRow("no card") << false << "No sd card";
}

void TestVideoGrid::emptyListNotice()
{
    QFETCH(bool, card);
    QFETCH(QString, text);
    BoardView board;
    EToolWidget *bar = EGlobal::getToolBar();
    QVERIFY(bar);
    bar->displaySDCard(card);
    m_screen->onSetFiles({}, QString());
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    m_screen->onPaint(painter);
    painter.end();
    // Red text centred on the middle line.
    const int textWidth = QFontMetrics(QPainter(&image).font()).horizontalAdvance(text);
    int left = 320, right = -1;
    for (int y = 100; y <= 120; ++y)
        for (int x = 0; x < 320; ++x)
            if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 100) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    QVERIFY(right > left);
    QVERIFY(qAbs((left + right) / 2 - 160) <= 3);
    QVERIFY(qAbs((right - left) - textWidth) <= 4);
}

void TestVideoGrid::selectButtonAlternates()
{
    VideoToolWidget bar;
    QSignalSpy all(&bar, &VideoToolWidget::selectAllButtonSignals);
    QSignalSpy none(&bar, &VideoToolWidget::unSelectAllButtonSignals);
    QTest::mouseClick(bar.deleteButton(), Qt::LeftButton);
    QVERIFY(!bar.exitButton()->isVisibleTo(&bar));
    QVERIFY(bar.selectButton()->isVisibleTo(&bar));
    QTest::mouseClick(bar.selectButton(), Qt::LeftButton);
    QCOMPARE(bar.selectButton()->text(), QStringLiteral("UnSelect All"));
    QTest::mouseClick(bar.selectButton(), Qt::LeftButton);
    QCOMPARE(bar.selectButton()->text(), QStringLiteral("Select All"));
    QCOMPARE(all.size(), 1);
    QCOMPARE(none.size(), 1);
}

void TestVideoGrid::escapeInDeleteMode()
{
    BoardView board;
    for (const QString &name : names(4))
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/") + name, QByteArray(10, 'v')));
    board.view->sacnVideoDir();
    PMainWindow window;
    window._loadFiles(QStringLiteral("/media/mmc/videoFile/"));
    window.show();
    QSignalSpy exits(&window, &PMainWindow::sysexit);
    QTest::mouseClick(window.bar()->deleteButton(), Qt::LeftButton);
    QTest::mouseClick(window.bar()->selectButton(), Qt::LeftButton);
    ScreenDirectory *screen = window.area()->screen();
    QCOMPARE(screen->selectedCount(), 4);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(exits.size(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(window.bar()->exitButton()->isVisibleTo(window.bar()));
    QVERIFY(!window.bar()->selectButton()->isVisibleTo(window.bar()));
    QCOMPARE(screen->selectedCount(), 0);
    // The next loading, as the player window does it, is in normal mode.
    window.reset_mode();
    window._back_delete();
    QVERIFY(!screen->deleteMode());
}

// A tap plays at once even while the worker is busy; the worker is asked
// to stop and the live view's wait flag goes when it has finished.
void TestVideoGrid::tapPlaysWithoutWaitingForTheWorker()
{
    BoardView board;
    for (const QString &name : names(6))
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/") + name, QByteArray(200000, 'v')));
    board.view->sacnVideoDir();
    QSemaphore entered, leave;
    class SlowThumbnailer : public FakeThumbnailer
    {
    public:
        QSemaphore *entered, *leave;
        bool makeThumbnail(const QString &v, const QString &j, const QSize &s) override
        {
            entered->release();
            leave->acquire();
            return FakeThumbnailer::makeThumbnail(v, j, s);
        }
    };
    // Damaged files take the stock picture: make them complete recordings.
    auto *slow = new SlowThumbnailer;
    slow->entered = &entered;
    slow->leave = &leave;
    VideoThumbnailer::install(slow);
    for (const QString &name : names(6)) {
        QByteArray bytes(200000, '\0');
        memcpy(bytes.data(), "\x00\x00\x00\x1c" "ftyp", 8);
        memcpy(bytes.data() + 1000 - 8, "f52.31.0", 8);
        qToLittleEndian<quint32>(1000, bytes.data() + bytes.size() - 4);
        QVERIFY(m_root->writeFile(QStringLiteral("/media/mmc/videoFile/") + name, bytes));
    }
    board.view->sacnVideoDir();
    m_screen->onSetFiles(board.view->getScanVideoFile(), QString());
    QVERIFY(entered.tryAcquire(1, 10000));   // the worker is inside a thumbnail
    QSignalSpy plays(m_screen.get(), &ScreenBase::loadFile);
    press(90, 10);
    release(90, 10);
    QCOMPARE(plays.size(), 1);   // at once, the worker still busy
    QCOMPARE(plays.at(0).at(0).toInt(), 1);
    QVERIFY(m_screen->worker()->isRunning());
    QTRY_VERIFY(board.view->getWaitIrAdmode());
    leave.release(10);
    QTRY_VERIFY(!m_screen->worker()->isRunning());
    QTRY_VERIFY(!board.view->getWaitIrAdmode());
    QCOMPARE(slow->madeSoFar().size(), 1);   // stopped before the next video
}

QTEST_MAIN(TestVideoGrid)
#include "tst_videogrid.moc"
