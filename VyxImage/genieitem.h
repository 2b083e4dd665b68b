#pragma once

#include <QGraphicsRectItem>
#include <QImage>
#include <QVector>

// The deletion animation: the photo squeezed to the item's size slides
// down and shrinks into its bottom-right corner (the bin), the lower rows
// first, along a logistic curve. Frames are 0..128 with 7-bit fixed-point
// steps and nearest-neighbour sampling.
class GenieItem : public QGraphicsRectItem
{
public:
    explicit GenieItem(const QRectF &rect, QGraphicsItem *parent = nullptr);

    // Starts a deletion of picture: source image, effect image and the row
    // table for the item's size; draws frame 0.
    void prepare(const QPixmap &picture);
    // Draws frame f (0..128) into the effect image; false when the frame
    // has no rows to draw.
    bool drawFrame(int f);

    // The row table: how far each row's left and right edges move at full
    // squeeze, for a height and the two widths.
    static QVector<QPair<int, int>> rowTable(int height, int effectWidth, int sourceWidth);

    const QImage &sourceImage() const { return m_source; }
    const QImage &effectImage() const { return m_effect; }
    const QVector<QPair<int, int>> &rows() const { return m_rows; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QImage m_source;
    QImage m_effect;
    QVector<QPair<int, int>> m_rows;
};
