#include "ecolorflickcharmtext.h"
#include "eflickcharmtext.h"
#include "flickrowpainter.h"
#include "fontfamilies.h"
#include "picturecache.h"
#include "testroot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

namespace {

QImage render(QGraphicsItem *row, int w = 269, int h = 30)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    row->paint(&painter, nullptr, nullptr);
    return image;
}

bool isBlue(QRgb pixel)
{
    return QColor(pixel) == FlickRowPainter::highlightBlue();
}

int countColour(const QImage &image, const QColor &colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

class TestFlickRows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void placement();
    void emptyTextDrawsNothing();
    void plainRowHighlightHasNoFrame();
    void colorRowHighlightKeepsFrame();
    void firstAndLastFrames();
    void textWidthFollowsText();
    void picturesAreReadOnce();
    void checkMarkAndSettingsIcon();

private:
    TestRoot *m_root = nullptr;
};

void TestFlickRows::initTestCase()
{
    FontFamilies::install();
}

void TestFlickRows::init()
{
    m_root = new TestRoot;
}

void TestFlickRows::cleanup()
{
    delete m_root;
}

void TestFlickRows::placement()
{
    EFlickCharmText plain(QStringLiteral("English"), 4, 269, 30);
    QCOMPARE(plain.pos(), QPointF(0, 120));
    QCOMPARE(plain.boundingRect(), QRectF(0, 0, 269, 30));
    EColorFlickCharmText colour(QStringLiteral("Mine"), 4, 269, 30);
    QCOMPARE(colour.pos(), QPointF(0, 0));
    colour.setIndex(7);
    QCOMPARE(colour.index(), 7);
    QCOMPARE(colour.pos(), QPointF(0, 0));
    QVERIFY(plain.type() != colour.type());
}

void TestFlickRows::emptyTextDrawsNothing()
{
    EFlickCharmText plain(QString(), 0, 269, 30);
    plain.setHighLight(true);
    plain.setChecked(true);
    plain.setFirstItem(true);
    EColorFlickCharmText colour(QString(), 0, 269, 30);
    colour.setHighLight(true);
    colour.setSettingHighLight(true);
    for (QGraphicsItem *row : {static_cast<QGraphicsItem *>(&plain), static_cast<QGraphicsItem *>(&colour)}) {
        const QImage image = render(row);
        QCOMPARE(countColour(image, QColor(Qt::transparent)), image.width() * image.height());
    }
}

void TestFlickRows::plainRowHighlightHasNoFrame()
{
    EFlickCharmText row(QStringLiteral("English"), 0, 269, 30);
    QImage image = render(&row);
    QCOMPARE(image.pixelColor(5, 15), QColor(Qt::lightGray)); // frame, left edge
    QVERIFY(!isBlue(image.pixel(100, 15)));
    row.setHighLight(true);
    image = render(&row);
    QVERIFY(isBlue(image.pixel(5, 15)));
    QVERIFY(isBlue(image.pixel(264, 29)));
    QVERIFY(!isBlue(image.pixel(265, 15)));
    QVERIFY(!isBlue(image.pixel(4, 15)));
    QCOMPARE(countColour(image, QColor(Qt::lightGray)), 0);
}

void TestFlickRows::colorRowHighlightKeepsFrame()
{
    EColorFlickCharmText row(QStringLiteral("Mine"), 0, 269, 30);
    row.setHighLight(true);
    QImage image = render(&row);
    QVERIFY(isBlue(image.pixel(100, 15)));
    QVERIFY(!isBlue(image.pixel(100, 0)));
    QCOMPARE(image.pixelColor(5, 15), QColor(Qt::lightGray));
    row.setHighLight(false);
    row.setSettingHighLight(true);
    image = render(&row);
    QVERIFY(isBlue(image.pixel(240, 2)));
    QVERIFY(!isBlue(image.pixel(200, 15)));
}

void TestFlickRows::firstAndLastFrames()
{
    // First and last: the first-row frame wins (rounded top, square bottom).
    EFlickCharmText both(QStringLiteral("Only"), 0, 269, 30);
    both.setFirstItem(true);
    both.setLastItem(true);
    QImage image = render(&both, 269, 31);
    QCOMPARE(image.pixelColor(5, 30), QColor(Qt::lightGray)); // square bottom corner
    QVERIFY(image.pixelColor(5, 0) != QColor(Qt::lightGray)); // rounded top corner
    QCOMPARE(image.pixelColor(100, 0), QColor(Qt::lightGray));

    EFlickCharmText last(QStringLiteral("Last"), 0, 269, 30);
    last.setLastItem(true);
    image = render(&last);
    QCOMPARE(image.pixelColor(5, 0), QColor(Qt::lightGray)); // square top
    QVERIFY(image.pixelColor(5, 29) != QColor(Qt::lightGray)); // rounded bottom
    QCOMPARE(image.pixelColor(100, 29), QColor(Qt::lightGray)); // bottom edge at h - 1
}

void TestFlickRows::textWidthFollowsText()
{
    EColorFlickCharmText row(QStringLiteral("A"), 0, 269, 30);
    const QFont font(QStringLiteral("wenquanyi"));
    QCOMPARE(row.textWidth(), QFontMetrics(font).horizontalAdvance(QStringLiteral("A")) + 30);
    row.setText(QStringLiteral("A much longer palette name"));
    QCOMPARE(row.textWidth(),
             QFontMetrics(font).horizontalAdvance(QStringLiteral("A much longer palette name")) + 30);
    QFont big(QStringLiteral("wenquanyi"), 20);
    row.setFont(big);
    QCOMPARE(row.textWidth(), QFontMetrics(big).horizontalAdvance(row.text()) + 30);
}

void TestFlickRows::picturesAreReadOnce()
{
    EFlickCharmText plain(QStringLiteral("English"), 0, 269, 30);
    plain.setChecked(true);
    EColorFlickCharmText colour(QStringLiteral("Mine"), 0, 269, 30);
    colour.setChecked(true);
    render(&plain);
    render(&colour);
    plain.setHighLight(true);
    colour.setHighLight(true);
    render(&plain);
    render(&colour);
    const int loads = PictureCache::loadCount();
    for (int frame = 0; frame < 50; ++frame) { // a 1 s glide repaints every row 50 times
        plain.setHighLight(frame % 2);
        colour.setHighLight(frame % 2);
        render(&plain);
        render(&colour);
    }
    QCOMPARE(PictureCache::loadCount(), loads);
    // Both spellings of a resource path name one picture.
    PictureCache::image(QStringLiteral(":/images/setup_checked.png"));
    QCOMPARE(PictureCache::loadCount(), loads);
}

void TestFlickRows::checkMarkAndSettingsIcon()
{
    auto anyIn = [](const QImage &image, const QRect &area, auto test) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (test(image.pixelColor(x, y)))
                    return true;
        return false;
    };
    auto darkBlue = [](const QColor &c) { return c.alpha() > 200 && c.blue() > 100 && c.red() < 60 && c.green() < 60; };
    auto white = [](const QColor &c) { return c.alpha() > 200 && c.red() > 230 && c.green() > 230 && c.blue() > 230; };
    auto black = [](const QColor &c) { return c.alpha() > 200 && c.red() < 30 && c.green() < 30 && c.blue() < 30; };

    EFlickCharmText plain(QStringLiteral("English"), 0, 269, 30);
    plain.setChecked(true);
    QImage image = render(&plain);
    QVERIFY(anyIn(image, QRect(241, 7, 16, 16), darkBlue));
    QVERIFY(!anyIn(image, QRect(200, 0, 38, 30), darkBlue));
    plain.setHighLight(true);
    image = render(&plain);
    QVERIFY(anyIn(image, QRect(241, 7, 16, 16), white));

    EColorFlickCharmText palette(QStringLiteral("Mine"), 0, 269, 30);
    image = render(&palette);
    QVERIFY(anyIn(image, QRect(237, 3, 24, 24), black));
    QVERIFY(!anyIn(image, QRect(209, 7, 16, 16), darkBlue));
    palette.setChecked(true);
    palette.setSettingHighLight(true);
    image = render(&palette);
    QVERIFY(anyIn(image, QRect(209, 7, 16, 16), darkBlue));
    QVERIFY(anyIn(image, QRect(237, 3, 24, 24), white));
    QVERIFY(!anyIn(image, QRect(237, 3, 24, 24), black));
}

QTEST_MAIN(TestFlickRows)
#include "tst_flickrows.moc"
