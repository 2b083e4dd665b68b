// The photo browser on a full card with every thumbnail cached: browse()
// up to the first page painted (scan, sort, six tiles with their marks), a
// page flip, one frame of the deletion animation, and one thumbnail made
// (decode at 100 x 75, encode, name).
#include "genieitem.h"
#include "paths.h"
#include "photolayout.h"
#include "photowriter.h"
#include "qtbenchmain.h"
#include "thumbcache.h"
#include "thumbmenu.h"
#include "thumbthread.h"
#include "thumitem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

QByteArray jpegOf(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 255) / size.width(), (y * 255) / size.height(), (x ^ y) & 0xFF));
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return out;
}

QByteArray le32(uint32_t v)
{
    QByteArray out(4, '\0');
    PhotoLayout::putU32(reinterpret_cast<unsigned char *>(out.data()), v);
    return out;
}

// A card of count small photos (a text note on every third), each with its
// thumbnail in the cache. Made once per size and kept for the run.
class Card
{
public:
    explicit Card(int count)
    {
        Paths::setRoot(m_dir.path());
        QDir().mkpath(Paths::resolve(QStringLiteral("/media/mmc/image")));
        QDir().mkpath(Paths::resolve(QLatin1String(ThumbCache::PhotoFolder)));
        const QByteArray picture = jpegOf(QSize(64, 48));
        const QByteArray plain = picture + QByteArray(PhotoLayout::TrailerRoom, '\0') + le32(uint32_t(picture.size()));
        const QByteArray noted = PhotoWriter::withNote(plain, PhotoLayout::TextNote, "note");
        const QByteArray thumb = jpegOf(QSize(100, 75));
        for (int i = 0; i < count; ++i) {
            const int day = 1 + i / 9000;
            const QString path = Paths::resolve(
                QStringLiteral("/media/mmc/image/1812%1_%2T.jpg").arg(day, 2, 10, QLatin1Char('0')).arg(i % 9000 + 1, 4, 10, QLatin1Char('0')));
            write(path, i % 3 ? plain : noted);
            write(ThumbCache::photoThumbPath(QFileInfo(path)), thumb);
        }
    }
    ~Card() { Paths::setRoot(QStringLiteral("/")); }

    void use() const { Paths::setRoot(m_dir.path()); }

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

// The cards made so far, owned by main(): their folders go when the run
// ends, a benchmark that reported an error included.
std::map<int, std::unique_ptr<Card>> *cards = nullptr;

Card &card(int count)
{
    auto &c = (*cards)[count];
    if (!c)
        c = std::make_unique<Card>(count);
    c->use();
    return *c;
}

void finish(ThumbMenu *menu)
{
    menu->thumbThread()->requestStop();
    menu->thumbThread()->wait();
    delete menu;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_BrowseFirstPage(benchmark::State &state)
{
    const int count = int(state.range(0));
    card(count);
    // The newest photo is the last one written; every third one has a note.
    const bool newestNoted = (count - 1) % 3 == 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto *menu = new ThumbMenu(nullptr);
        state.ResumeTiming();
        menu->browse();
        benchmark::DoNotOptimize(menu->grab());
        state.PauseTiming();
        const bool asOnTheCard = menu->count() == count && menu->tile(0)->hasTextNote() == newestNoted
                                 && !menu->tile(0)->showsPlaceholder();
        finish(menu);
        state.ResumeTiming();
        // Reported with the timer running: a failed run ends this benchmark
        // and goes on with the next.
        if (!asOnTheCard) {
            state.SkipWithError("the first page is not what the card holds");
            break;
        }
    }
}
BENCHMARK(BM_BrowseFirstPage)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void swipe(QWidget *on, int fromX, int toX)
{
    // One event at a time: events of one device share its point state.
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(fromX, 190), on->mapToGlobal(QPointF(fromX, 190)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &press);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(toX, 190), on->mapToGlobal(QPointF(toX, 190)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &release);
}

void BM_PageFlip(benchmark::State &state)
{
    card(1000);
    auto *menu = new ThumbMenu(nullptr);
    menu->browse();
    menu->show();
    menu->thumbThread()->wait();
    int flips = 0;
    for (auto _ : state) {
        // Forward through fresh pages, back to the start now and then.
        if (menu->page() >= 100)
            for (int i = 0; i < 100; ++i)
                swipe(menu, 100, 200);
        swipe(menu, 200, 100);
        benchmark::DoNotOptimize(menu->grab());
        ++flips;
    }
    if (flips && menu->page() == 0)
        state.SkipWithError("no page was turned");
    finish(menu);
}
BENCHMARK(BM_PageFlip)->Unit(benchmark::kMillisecond);

void BM_GenieFrame(benchmark::State &state)
{
    GenieItem item(QRectF(0, 0, 195, 200));
    QPixmap photo = QPixmap::fromImage(QImage::fromData(jpegOf(QSize(640, 480))));
    item.prepare(photo);
    int f = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(item.drawFrame(f));
        f = (f + 5) % 129;
    }
}
BENCHMARK(BM_GenieFrame)->Unit(benchmark::kMicrosecond);

void BM_MakeThumbnail(benchmark::State &state)
{
    QTemporaryDir dir;
    Paths::setRoot(dir.path());
    const QString photo = dir.path() + QStringLiteral("/181214_0001T.jpg");
    QFile file(photo);
    file.open(QIODevice::WriteOnly);
    file.write(jpegOf(QSize(640, 480)));
    file.close();
    const QFileInfo info(photo);
    for (auto _ : state) {
        const QString thumb = dir.path() + QLatin1Char('/') + ThumbCache::photoName(info) + QStringLiteral(".jpg");
        if (!ThumbThread::makeThumbnail(info, thumb)) {
            state.SkipWithError("no thumbnail");
            break;
        }
        state.PauseTiming();
        QFile::remove(thumb);
        state.ResumeTiming();
    }
    Paths::setRoot(QStringLiteral("/"));
}
BENCHMARK(BM_MakeThumbnail)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    std::map<int, std::unique_ptr<Card>> made;
    cards = &made;
    return runQtBenchmarks(argc, argv);
}
