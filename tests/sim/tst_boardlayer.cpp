#include "encoderlink.h"
#include "encoderstate.h"
#include "framesegment.h"
#include "ipckeys.h"
#include "sharedmemory.h"
#include "simscreen.h"
#include "testroot.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtTest>

// The board's layer on the simulated screen, and the frame segment
// encoder-sim takes photos and recordings from: the segment holds what the
// screen shows, and a frame that changes nothing is neither composed nor
// published again.
class TestBoardLayer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void segmentHoldsWhatTheScreenShows_data();
    void segmentHoldsWhatTheScreenShows();
    void unchangedFrameIsNotPublished();
    void frameChangingPictureAndBarIsPublishedOnce();

private:
    static QImage boardPicture(int shift);
    static QImage colorBar(QRgb top);
    static uint32_t publishedSequence();
};

// A picture of the board's size with edges everywhere, so a pixel taken
// from the wrong place shows.
QImage TestBoardLayer::boardPicture(int shift)
{
    QImage picture(384, 288, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient gradient(0, 0, picture.width(), picture.height());
    gradient.setColorAt(0, QColor(20, 0, 90));
    gradient.setColorAt(1, QColor(250, 200, 40));
    p.fillRect(picture.rect(), gradient);
    for (int x = shift % 7; x < picture.width(); x += 7)
        p.fillRect(x, 0, 2, picture.height(), QColor(x % 256, 255 - x % 256, 128));
    p.fillRect(100 + shift, 80, 60, 50, Qt::white);
    return picture;
}

QImage TestBoardLayer::colorBar(QRgb top)
{
    QImage bar(16, 128, QImage::Format_RGB32);
    for (int row = 0; row < bar.height(); ++row)
        for (int x = 0; x < bar.width(); ++x)
            bar.setPixel(x, row, qRgb(qRed(top) * (128 - row) / 128, qGreen(top), row * 2));
    return bar;
}

// The header's sequence moves on by two with every picture published.
uint32_t TestBoardLayer::publishedSequence()
{
    SharedMemory segment;
    if (!segment.attach(IpcKeys::key(EncoderLink::FrameKey), FrameSegment::segmentSize(), true))
        return 0;
    return static_cast<const FrameSegment::Header *>(segment.data())->sequence;
}

void TestBoardLayer::segmentHoldsWhatTheScreenShows_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<bool>("withBar");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("angle");
    QTest::newRow("picture and colour bar") << true << true << 10 << 0;
    QTest::newRow("picture alone") << true << false << 10 << 0;
    QTest::newRow("no palette yet") << false << false << 10 << 0;
    QTest::newRow("zoomed and turned") << true << true << 15 << 30;
}

void TestBoardLayer::segmentHoldsWhatTheScreenShows()
{
    QFETCH(bool, withPicture);
    QFETCH(bool, withBar);
    QFETCH(int, zoom);
    QFETCH(int, angle);
    TestRoot root;
    EncoderState state;
    state.zoom = zoom;
    state.angle = angle;
    QVERIFY(state.save());
    SimScreen screen;
    screen.refreshEncoderState();
    screen.setBoardLayer(withPicture ? boardPicture(0) : QImage(), withBar ? colorBar(qRgb(255, 40, 0)) : QImage());

    const QImage shown = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage photographed = FrameSegment().read();
    QCOMPARE(photographed.size(), QSize(EncoderLink::FrameWidth, EncoderLink::FrameHeight));
    QCOMPARE(photographed,
             shown.scaled(EncoderLink::FrameWidth, EncoderLink::FrameHeight, Qt::IgnoreAspectRatio)
                 .convertToFormat(QImage::Format_RGB32));
}

void TestBoardLayer::unchangedFrameIsNotPublished()
{
    TestRoot root;
    SimScreen screen;
    const QImage picture = boardPicture(0);
    const QImage bar = colorBar(qRgb(255, 40, 0));
    screen.setBoardLayer(picture, bar);
    const uint32_t first = publishedSequence();
    QVERIFY(first != 0);

    // The same frame again, an equal copy of it, the same zoom and turn.
    screen.setBoardLayer(picture, bar);
    screen.setBoardLayer(picture.copy(), bar.copy());
    screen.refreshEncoderState();
    QCOMPARE(publishedSequence(), first);

    screen.setBoardLayer(boardPicture(1), bar);
    QCOMPARE(publishedSequence(), first + 2);
    screen.setColorBar(colorBar(qRgb(0, 40, 255)));
    QCOMPARE(publishedSequence(), first + 4);
}

void TestBoardLayer::frameChangingPictureAndBarIsPublishedOnce()
{
    TestRoot root;
    SimScreen screen;
    screen.setBoardLayer(boardPicture(0), colorBar(qRgb(255, 40, 0)));
    const uint32_t first = publishedSequence();

    const QImage picture = boardPicture(3);
    const QImage bar = colorBar(qRgb(0, 40, 255));
    screen.setBoardLayer(picture, bar);
    QCOMPARE(publishedSequence(), first + 2);
    QCOMPARE(screen.colorBar(), bar);
    const QImage shown = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(299 + 8, 56 + 1), bar.pixel(8, 1));
}

QTEST_MAIN(TestBoardLayer)
#include "tst_boardlayer.moc"
