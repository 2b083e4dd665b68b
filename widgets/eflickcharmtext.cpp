#include "eflickcharmtext.h"

#include "flickrowpainter.h"

#include <QPainter>

EFlickCharmText::EFlickCharmText(const QString &text, int index, int width, int height)
    : FlickTextItem(text, index, width, height)
{
    setPos(0, qreal(height) * index);
}

EFlickCharmText::~EFlickCharmText() = default;

void EFlickCharmText::setFirstItem(bool first)
{
    m_firstItem = first; // seen at the next repaint
}

void EFlickCharmText::setLastItem(bool last)
{
    m_lastItem = last; // seen at the next repaint
}

void EFlickCharmText::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_text.isEmpty())
        return;
    const int w = m_width;
    const int h = m_height;
    if (m_highLight) {
        painter->fillRect(QRect(5, 0, w - 9, h), FlickRowPainter::highlightBlue());
    } else if (m_firstItem) {
        FlickRowPainter::drawFirstFrame(painter, w, h);
    } else if (m_lastItem) {
        FlickRowPainter::drawLastFrame(painter, w, h - 1);
    } else {
        FlickRowPainter::drawMiddleFrame(painter, w, h);
    }
    FlickRowPainter::drawText(painter, m_font, m_text, m_textWidth, h, m_highLight, m_checked);
    if (m_checked)
        FlickRowPainter::drawCheckMark(painter, w - 28, h, m_highLight);
}
