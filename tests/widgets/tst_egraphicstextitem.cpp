#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "fontfamilies.h"
#include "testroot.h"

#include <QtTest>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

// Item types, the translucent box, and the red highlight on the line of
// the first occurrence.
class TstEGraphicsTextItem : public QObject
{
    Q_OBJECT
private:
    TestRoot m_root;

    static QImage render(EGraphicsTextItem &item)
    {
        const QRectF box = item.boundingRect();
        QImage image(box.size().toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.translate(-box.topLeft());
        QStyleOptionGraphicsItem option;
        item.paint(&painter, &option, nullptr);
        return image;
    }
    // Rows (in item coordinates from the top) that hold clearly red pixels.
    static QList<int> redRows(const QImage &image)
    {
        QList<int> rows;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) {
                    rows << y;
                    break;
                }
            }
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        FontFamilies::install();
    }

    void types()
    {
        QCOMPARE(EGraphicsTextItem().type(), 0x10000);
        QCOMPARE(EGraphicsMinItem().type(), 1048577);
        QCOMPARE(EGraphicsMaxItem().type(), 1048592);
        QCOMPARE(EGraphicsModeItem().type(), 1048593);
        EGraphicsMinItem min;
        QVERIFY(qgraphicsitem_cast<EGraphicsMinItem *>(static_cast<QGraphicsItem *>(&min)));
        QVERIFY(!qgraphicsitem_cast<EGraphicsMaxItem *>(static_cast<QGraphicsItem *>(&min)));
    }

    void newItem()
    {
        EGraphicsTextItem item;
        QVERIFY(item.plainText().isEmpty());
        QCOMPARE(item.backgroundColor(), QColor(145, 71, 205, 99));
        QCOMPARE(item.zValue(), 1.0);
        QCOMPARE(item.font().family(), QStringLiteral("wenquanyi"));
        item.setPlainText(QStringLiteral("36.5"));
        const QRectF base = item.QGraphicsSimpleTextItem::boundingRect();
        QCOMPARE(item.boundingRect(), base.adjusted(-2, 0, 4, 0));
    }

    void backgroundTakesEightyPercent()
    {
        EGraphicsTextItem item;
        item.setPlainText(QStringLiteral("Auto"));
        item.setBackgroundBrush(QColor(0, 0, 255, 10));
        QCOMPARE(item.backgroundColor(), QColor(0, 0, 255, 204));
        QImage image(item.boundingRect().size().toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(-item.boundingRect().topLeft());
        QStyleOptionGraphicsItem option;
        item.paint(&painter, &option, nullptr);
        painter.end();
        // A corner of the box is the background, untouched by glyphs.
        QCOMPARE(image.pixelColor(0, 0).alpha(), 204);
        QCOMPARE(image.pixelColor(0, 0).blue(), 255);
    }

    void highlight_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<int>("line");
        QTest::newRow("second line") << "S1 36.5\nS2 41.2" << "S2" << 1;
        QTest::newRow("first of two") << "A1 20.0\nA1 21.0" << "A1" << 0;
        QTest::newRow("absent") << "S1 36.5\nS2 41.2" << "S3" << -1;
        QTest::newRow("off") << "S1 36.5\nS2 41.2" << "" << -1;
    }
    void highlight()
    {
        QFETCH(QString, text);
        QFETCH(QString, highlight);
        QFETCH(int, line);
        EGraphicsTextItem item;
        item.setPlainText(text);
        item.setHighlightText(highlight);
        const QImage image = render(item);
        const QList<int> rows = redRows(image);
        if (line < 0) {
            QVERIFY(rows.isEmpty());
            return;
        }
        QVERIFY(!rows.isEmpty());
        const qreal lineHeight = item.boundingRect().height() / 2;
        QVERIFY(rows.first() >= line * lineHeight);
        QVERIFY(rows.last() < (line + 1) * lineHeight);
    }

    void highLightFlagChangesNothing()
    {
        EGraphicsTextItem item;
        item.setPlainText(QStringLiteral("100.0"));
        const QImage before = render(item);
        item.setHighLight(true);
        QCOMPARE(render(item), before);
        item.setHighLight(false);
        QCOMPARE(render(item), before);
    }
};

QTEST_MAIN(TstEGraphicsTextItem)
#include "tst_egraphicstextitem.moc"
