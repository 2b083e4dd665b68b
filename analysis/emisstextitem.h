#pragma once

#include <QGraphicsItem>
#include <QString>

// One row of the emissivity (material) table: a material name, its
// emissivity and its row index.
class EmissTextItem : public QGraphicsItem
{
public:
    enum { Type = UserType + 0x2040 };

    EmissTextItem(const QString &text, int index);
    EmissTextItem(const QString &text, float value, int index);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    QString text() const { return m_text; }
    int index() const { return m_index; }
    float value() const { return m_value; }

    static int rowWidth() { return 269; }
    static int rowHeight() { return 30; }

private:
    QString m_text;
    float m_value = 0.0f;
    int m_index = 0;
};
