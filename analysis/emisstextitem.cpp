#include "emisstextitem.h"

#include <QPainter>

EmissTextItem::EmissTextItem(const QString &text, int index)
    : m_text(text)
    , m_index(index)
{
}

EmissTextItem::EmissTextItem(const QString &text, float value, int index)
    : m_text(text)
    , m_value(value)
    , m_index(index)
{
}

QRectF EmissTextItem::boundingRect() const
{
    return QRectF(0, 0, rowWidth(), rowHeight());
}

void EmissTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setPen(Qt::lightGray);
    painter->drawRect(QRect(5, 0, rowWidth() - 10, rowHeight()));
    painter->setPen(Qt::black);
    painter->drawText(QRect(10, 0, rowWidth() - 20, rowHeight()), Qt::AlignVCenter, m_text);
    if (m_value > 0.0f)
        painter->drawText(QRect(10, 0, rowWidth() - 20, rowHeight()), Qt::AlignVCenter | Qt::AlignRight,
                          QString::number(double(m_value), 'f', 2));
}
