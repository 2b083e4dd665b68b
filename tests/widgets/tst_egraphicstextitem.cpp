#include "egraphicsmaxitem.h"
#include "egraphicsminitem.h"
#include "egraphicsmodeitem.h"
#include "egraphicstextitem.h"
#include "fontfamilies.h"
#include "testroot.h"

#include <QtTest>
#include <numeric>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

// Item types, the translucent box, the red highlight on the line of the
// first occurrence, and a list that continues in further columns when it
// is taller than its room.
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

    // entries: the line count of each entry; room: the column height in
    // lines; columns: the lines each column gets.
    void columns_data()
    {
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<int>("room");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("fits") << QList<int>{1, 1, 1} << 8 << QList<int>{3};
        QTest::newRow("exactly the room") << QList<int>{1, 1, 1, 1} << 4 << QList<int>{4};
        QTest::newRow("one line over") << QList<int>{1, 1, 1, 1, 1} << 4 << QList<int>{4, 1};
        QTest::newRow("three columns") << QList<int>{1, 1, 1, 1, 1, 1, 1} << 3 << QList<int>{3, 3, 1};
        QTest::newRow("entries kept together") << QList<int>{3, 3, 3} << 8 << QList<int>{6, 3};
        QTest::newRow("entry after a spot") << QList<int>{1, 3, 3} << 5 << QList<int>{4, 3};
        QTest::newRow("split rather than a fourth column") << QList<int>{3, 3, 3, 3} << 5 << QList<int>{5, 5, 2};
        QTest::newRow("entry taller than the room") << QList<int>{3} << 2 << QList<int>{2, 1};
    }
    void columns()
    {
        QFETCH(QList<int>, entries);
        QFETCH(int, room);
        QFETCH(QList<int>, columns);
        QStringList text;
        QList<int> starts;
        for (int e = 0; e < entries.size(); ++e) {
            starts << int(text.size());
            for (int line = 0; line < entries.at(e); ++line)
                text << QStringLiteral("A%1H:%2.0").arg(e + 1).arg(20 + line);
        }
        EGraphicsTextItem item;
        item.setPlainText(text.join(QLatin1Char('\n')));
        const qreal lineHeight = item.QGraphicsSimpleTextItem::boundingRect().height() / text.size();
        item.setEntryStarts(starts);
        item.setColumnHeight(room * lineHeight + 0.5);

        const QList<QRectF> boxes = item.columnRects();
        QCOMPARE(boxes.size(), columns.size());
        const QList<QRectF> lines = item.lineRects();
        QCOMPARE(lines.size(), text.size());
        int line = 0;
        for (int c = 0; c < columns.size(); ++c) {
            QCOMPARE(qRound(boxes.at(c).height() / lineHeight), columns.at(c));
            QVERIFY(boxes.at(c).bottom() <= item.columnHeight());
            if (c > 0)
                QVERIFY(boxes.at(c).left() > boxes.at(c - 1).right());
            for (int row = 0; row < columns.at(c); ++row, ++line)
                QVERIFY(boxes.at(c).contains(lines.at(line)));
        }
        for (int i = 0; i < lines.size(); ++i)
            for (int j = 0; j < i; ++j)
                QVERIFY(!lines.at(i).intersects(lines.at(j)));
        QCOMPARE(item.boundingRect(), std::accumulate(boxes.begin(), boxes.end(), QRectF(), [](const QRectF &a, const QRectF &b) { return a | b; }));
    }

    void oneColumnLooksAsWithoutRoom()
    {
        EGraphicsTextItem item;
        item.setPlainText(QStringLiteral("P1:20.0\nP2:50.0"));
        item.setHighlightText(QStringLiteral("P2:50.0"));
        const QRectF box = item.boundingRect();
        const QImage before = render(item);
        item.setColumnHeight(200);
        QCOMPARE(item.columnRects(), QList<QRectF>{box});
        QCOMPARE(item.boundingRect(), box);
        QCOMPARE(render(item), before);
    }

    // The selected object's lines are red where they stand: at the top of
    // the second column.
    void highlightInTheSecondColumn()
    {
        EGraphicsTextItem item;
        item.setPlainText(QStringLiteral("P1:20.0\nP2:50.0\nA1H:20.0\nA1L:20.0"));
        const QList<QRectF> one = item.lineRects();
        item.setEntryStarts({0, 1, 2});
        item.setColumnHeight(one.at(0).height() * 2 + 0.5);
        item.setHighlightText(QStringLiteral("A1H:20.0\nA1L:20.0"));
        const QList<QRectF> columns = item.columnRects();
        QCOMPARE(columns.size(), 2);
        const QImage image = render(item);
        const QPoint origin = -item.boundingRect().topLeft().toPoint();
        const auto redIn = [&](const QRectF &area) {
            const QRect r = area.toRect().translated(origin) & image.rect();
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                        return true;
                }
            return false;
        };
        QVERIFY(!redIn(columns.at(0)));
        QVERIFY(redIn(item.lineRects().at(2)));
        QVERIFY(redIn(item.lineRects().at(3)));
    }

    // One column is drawn as the base item draws its text, on the box.
    void oneColumnDrawsAsTheBaseItem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<qreal>("columnHeight");
        QTest::newRow("one line") << "36.5" << 16 << 0.0;
        QTest::newRow("readings") << "S1:36.5\nA1H:41.2\nA1L:20.0" << 16 << 0.0;
        QTest::newRow("small font") << "Sensor 30.1\nShutter 29.8" << 10 << 0.0;
        QTest::newRow("room for all") << "S1:36.5\nL1H:41.2" << 16 << 200.0;
    }
    void oneColumnDrawsAsTheBaseItem()
    {
        QFETCH(QString, text);
        QFETCH(int, pointSize);
        QFETCH(qreal, columnHeight);
        EGraphicsTextItem item;
        item.setFont(QFont(QStringLiteral("wenquanyi"), pointSize));
        item.setPlainText(text);
        item.setColumnHeight(columnHeight);
        QCOMPARE(item.columnRects().size(), 1);
        const QRectF box = item.boundingRect();
        QImage expected(box.size().toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::black);
        {
            QPainter painter(&expected);
            painter.translate(-box.topLeft());
            painter.setPen(Qt::NoPen);
            painter.setBrush(item.backgroundColor());
            painter.drawRect(box);
            QStyleOptionGraphicsItem option;
            item.QGraphicsSimpleTextItem::paint(&painter, &option, nullptr);
        }
        QCOMPARE(render(item), expected);
        // Twice: the second paint draws from what the first laid out.
        QCOMPARE(render(item), expected);
    }

    // Every change of what the item shows, made after it was laid out and
    // drawn, gives the boxes and the picture of an item made afresh with it.
    // moves: the change moves the lines.
    void changesAfterDrawing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("oneColumn");
        QTest::addColumn<bool>("moves");
        for (const char *change : {"text", "text of the base item", "font", "font grows", "column height", "entry starts"})
            QTest::newRow(change) << QString::fromLatin1(change) << false << true;
        for (const char *change : {"highlight", "highlight off", "background", "text colour"})
            QTest::newRow(change) << QString::fromLatin1(change) << false << false;
        // One column draws the highlight from a layout of its own.
        QTest::newRow("text, one column") << "text" << true << true;
        QTest::newRow("font, one column") << "font" << true << true;
        QTest::newRow("highlight, one column") << "highlight" << true << false;
        QTest::newRow("highlight off, one column") << "highlight off" << true << false;
    }
    void changesAfterDrawing()
    {
        QFETCH(QString, change);
        QFETCH(bool, oneColumn);
        QFETCH(bool, moves);
        struct Look
        {
            QString text = QStringLiteral("P1:20.0\nP2:50.0\nA1H:20.0\nA1L:20.0\nL1H:30.0");
            int pointSize = 16;
            qreal lines = 2.5;
            QList<int> starts{0, 1, 2, 4};
            QString highlight = QStringLiteral("P2:50.0");
            QColor background{145, 71, 205};
            QColor colour = Qt::white;
        };
        Look was;
        if (oneColumn)
            was.lines = 0;
        Look now = was;
        if (change == QLatin1String("text") || change == QLatin1String("text of the base item"))
            now.text = QStringLiteral("P0:10.0\nP1:120.0\nP2:50.0\nA1H:-20.0\nA1L:20.0\nL1H:30.0");
        else if (change == QLatin1String("font"))
            now.pointSize = 12;
        else if (change == QLatin1String("font grows"))
            now.pointSize = 20;
        else if (change == QLatin1String("column height"))
            now.lines = 3.5;
        else if (change == QLatin1String("entry starts"))
            now.starts = {0, 1, 3};
        else if (change == QLatin1String("highlight"))
            now.highlight = QStringLiteral("A1H:20.0\nA1L:20.0");
        else if (change == QLatin1String("highlight off"))
            now.highlight.clear();
        else if (change == QLatin1String("background"))
            now.background = QColor(0, 0, 255);
        else if (change == QLatin1String("text colour"))
            now.colour = Qt::yellow;

        // The column room in lines of the 16 point font, as the live view
        // gives it in pixels.
        const qreal lineHeight = [] {
            EGraphicsTextItem probe;
            probe.setPlainText(QStringLiteral("P1"));
            return probe.boundingRect().height();
        }();
        const auto setUp = [&](EGraphicsTextItem &item, const Look &look) {
            item.setFont(QFont(QStringLiteral("wenquanyi"), look.pointSize));
            item.setPlainText(look.text);
            item.setEntryStarts(look.starts);
            item.setColumnHeight(look.lines > 0 ? look.lines * lineHeight : 0);
            item.setHighlightText(look.highlight);
            item.setBackgroundBrush(look.background);
            item.setDefaultTextColor(look.colour);
        };

        EGraphicsTextItem item;
        setUp(item, was);
        const QList<QRectF> columnsBefore = item.columnRects();
        const QImage before = render(item);
        QCOMPARE(item.columnRects().size() > 1, !oneColumn);

        if (change == QLatin1String("text of the base item"))
            item.setText(now.text);
        else
            setUp(item, now);
        EGraphicsTextItem fresh;
        setUp(fresh, now);

        QCOMPARE(item.columnRects(), fresh.columnRects());
        QCOMPARE(item.lineRects(), fresh.lineRects());
        QCOMPARE(item.boundingRect(), fresh.boundingRect());
        QCOMPARE(item.shape(), fresh.shape());
        const QImage after = render(item);
        QCOMPARE(after, render(fresh));
        // The row changes something: the columns when the text moves, and
        // the picture always.
        QCOMPARE(item.columnRects() != columnsBefore, moves);
        QVERIFY(after != before);
    }

    // The columns can take another shape within the same one-column box:
    // the scene finds the item where its columns stand now, beyond the box
    // the base item would hit.
    void sceneFindsTheWiderColumn()
    {
        QGraphicsScene scene;
        auto *item = new EGraphicsTextItem;
        scene.addItem(item);
        item->setPlainText(QStringLiteral("W:1000.0\nx\ny\nz"));
        const qreal lineHeight = item->lineRects().at(0).height();
        item->setColumnHeight(lineHeight * 2 + 0.5);
        item->setPos(10, 10);
        const QRectF second = item->columnRects().at(1);
        const QRectF base = item->QGraphicsSimpleTextItem::boundingRect();
        // The scene files its items in its index on the event loop.
        QCoreApplication::processEvents();
        QVERIFY(!scene.items(item->mapToScene(second.topRight() + QPointF(8, lineHeight / 2))).contains(item));

        item->setPlainText(QStringLiteral("W:1000.0\nx\nyyyy\nz"));
        QCOMPARE(item->QGraphicsSimpleTextItem::boundingRect(), base);
        const QRectF wider = item->columnRects().at(1);
        QVERIFY(wider.right() > second.right() + 8);
        QVERIFY(scene.items(item->mapToScene(second.topRight() + QPointF(8, lineHeight / 2))).contains(item));
    }

    // The live view sets its readings again on every refresh: a value set
    // again asks for no repaint, a new one does.
    void repaintsOnlyForAChange_data()
    {
        QTest::addColumn<QString>("setter");
        QTest::addColumn<bool>("changes");
        for (const char *setter : {"text", "highlight", "background", "column height", "entry starts"}) {
            QTest::newRow(qPrintable(QStringLiteral("same %1").arg(QLatin1String(setter)))) << QString::fromLatin1(setter) << false;
            QTest::newRow(qPrintable(QStringLiteral("new %1").arg(QLatin1String(setter)))) << QString::fromLatin1(setter) << true;
        }
    }
    void repaintsOnlyForAChange()
    {
        QFETCH(QString, setter);
        QFETCH(bool, changes);
        QGraphicsScene scene;
        auto *item = new EGraphicsTextItem;
        scene.addItem(item);
        const auto set = [&](bool next) {
            if (setter == QLatin1String("text"))
                item->setPlainText(next ? QStringLiteral("S1:30.0\nS2:40.0") : QStringLiteral("S1:20.0\nS2:40.0"));
            else if (setter == QLatin1String("highlight"))
                item->setHighlightText(next ? QStringLiteral("S2") : QStringLiteral("S1"));
            else if (setter == QLatin1String("background"))
                item->setBackgroundBrush(next ? QColor(0, 0, 255) : QColor(145, 71, 205));
            else if (setter == QLatin1String("column height"))
                item->setColumnHeight(next ? 30 : 200);
            else
                item->setEntryStarts(next ? QList<int>{0} : QList<int>{0, 1});
        };
        item->setPlainText(QStringLiteral("S1:20.0\nS2:40.0"));
        set(false);
        QSignalSpy changed(&scene, &QGraphicsScene::changed);
        QCoreApplication::processEvents();
        QVERIFY(!changed.isEmpty());
        changed.clear();
        set(changes);
        QCoreApplication::processEvents();
        QCOMPARE(!changed.isEmpty(), changes);
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
