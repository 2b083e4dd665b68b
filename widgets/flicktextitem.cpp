#include "flicktextitem.h"

#include "flickrowpainter.h"

FlickTextItem::FlickTextItem(const QString &text, int index, int width, int height)
    : m_font(QStringLiteral("wenquanyi"))
    , m_text(text)
    , m_index(index)
    , m_width(width)
    , m_height(height)
{
    measureText();
}

FlickTextItem::~FlickTextItem() = default;

QRectF FlickTextItem::boundingRect() const
{
    return QRectF(0, 0, m_width, m_height);
}

void FlickTextItem::measureText()
{
    m_textWidth = FlickRowPainter::textWidth(m_font, m_text);
}

void FlickTextItem::setFont(const QFont &font)
{
    m_font = font;
    measureText();
    update();
}

void FlickTextItem::setChecked(bool checked)
{
    m_checked = checked;
    update();
}

void FlickTextItem::setHighLight(bool highLight)
{
    m_highLight = highLight;
    update();
}
