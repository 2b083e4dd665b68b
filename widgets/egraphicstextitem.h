#pragma once

#include <QColor>
#include <QGraphicsSimpleTextItem>

class QGraphicsScene;

// Overlay text on a translucent coloured box, readable on any picture; the
// start of one line can be drawn red to mark the selected object. The colour
// bar's labels are the same item with their own type() (EGraphicsMinItem,
// EGraphicsMaxItem, EGraphicsModeItem) so that a tap can tell them apart.
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

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    int type() const override { return Type; }

private:
    QString m_highlightText;
    QColor m_background;
    QString m_plainText;
};
