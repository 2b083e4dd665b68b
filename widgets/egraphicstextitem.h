#pragma once

#include <QColor>
#include <QGraphicsSimpleTextItem>
#include <QList>
#include <QRectF>

#include <memory>

class QGraphicsScene;
class QTextLayout;

// Overlay text on a translucent coloured box, readable on any picture; the
// start of one line can be drawn red to mark the selected object. The colour
// bar's labels are the same item with their own type() (EGraphicsMinItem,
// EGraphicsMaxItem, EGraphicsModeItem) so that a tap can tell them apart.
// A list longer than the room below it can continue in further columns.
class EGraphicsTextItem : public QGraphicsSimpleTextItem
{
public:
    enum { Type = 0x10000 };

    // The scene is not used: the creator adds and positions the item.
    explicit EGraphicsTextItem(QGraphicsScene *scene = nullptr);
    ~EGraphicsTextItem() override;

    void setPlainText(const QString &text);
    QString plainText() const { return m_plainText; }
    void setDefaultTextColor(const QColor &color);
    // Takes the colour's red, green and blue at 80 % opacity.
    void setBackgroundBrush(const QColor &color);
    QColor backgroundColor() const { return m_background; }
    // Empty switches the highlight off.
    void setHighlightText(const QString &text);
    QString highlightText() const { return m_highlightText; }
    void setHighLight(bool on);
    // Lines that would reach below this height continue in a further column
    // to the right, each column on a box of its own; 0 keeps one column.
    void setColumnHeight(qreal height);
    qreal columnHeight() const { return m_columnHeight; }
    // The lines that begin an entry of a list: a column begins only at one
    // of them, so an entry's lines stay together. Empty: any line.
    void setEntryStarts(const QList<int> &lines);
    // Where each line stands with its share of the box, in item coordinates.
    QList<QRectF> lineRects() const;
    // The box of each column, in item coordinates.
    QList<QRectF> columnRects() const;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    // The base item takes its one-column box; columns are hit where they stand.
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override { return Type; }

private:
    enum { PadLeft = 2, PadRight = 4, ColumnGap = 2 };
    struct LaidOut;
    // The text laid out in its columns, made again only when the text, the
    // font or the column room changed: bounding rect, shape and paint run
    // many times per frame and shaping is the costly part.
    const LaidOut &laidOut() const;
    void forgetLayout();
    // The highlight laid out on its line, as the base item lays it out.
    const QTextLayout &highlightLayout() const;
    // Lays the text out in layout, line by line into columns; returns the
    // column boxes and, when asked, each line's box.
    QList<QRectF> layOutColumns(QTextLayout *layout, QList<QRectF> *lines = nullptr) const;
    // Positions the laid-out lines in columns; returns the column boxes.
    QList<QRectF> placeLines(QTextLayout *layout, bool keepEntries, QList<QRectF> *lines) const;

    QString m_highlightText;
    qreal m_columnHeight = 0;
    QList<int> m_entryStarts;
    QColor m_background;
    QString m_plainText;
    mutable std::unique_ptr<LaidOut> m_laidOut;
};
