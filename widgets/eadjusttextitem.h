#pragma once

#include <QGraphicsTextItem>

// Overlay text on a translucent violet backing with a left-pointing mark.
class EAdjustTextItem : public QGraphicsTextItem
{
public:
    explicit EAdjustTextItem(QGraphicsScene *scene);

    void setHighlightText(const QString &text) { m_highlightText = text; }
    // Red text when on, white when off.
    void setHighLight(bool on);

    enum { Type = UserType };
    int type() const override { return Type; }
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QString m_highlightText;
};
