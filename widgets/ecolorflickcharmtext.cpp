#include "ecolorflickcharmtext.h"

#include "flickrowpainter.h"
#include "picturecache.h"

#include <QPainter>

EColorFlickCharmText::EColorFlickCharmText(const QString &text, int index, int width, int height)
    : FlickTextItem(text, index, width, height)
{
}

EColorFlickCharmText::~EColorFlickCharmText() = default;

void EColorFlickCharmText::setIndex(int index)
{
    m_index = index;
}

void EColorFlickCharmText::setText(const QString &text)
{
    m_text = text;
    measureText();
    update();
}

void EColorFlickCharmText::setSettingHighLight(bool highLight)
{
    m_settingHighLight = highLight;
    update();
}

void EColorFlickCharmText::setFirstItem(bool first)
{
    m_firstItem = first;
    update();
}

void EColorFlickCharmText::setLastItem(bool last)
{
    m_lastItem = last;
    update();
}

void EColorFlickCharmText::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_text.isEmpty())
        return;
    const int w = m_width;
    const int h = m_height;
    if (m_highLight)
        painter->fillRect(QRect(9, 1, w - 13, h - 1), FlickRowPainter::highlightBlue());
    if (m_settingHighLight)
        painter->fillRect(QRect(230, 1, w - 234, h - 1), FlickRowPainter::highlightBlue());
    if (m_firstItem)
        FlickRowPainter::drawFirstFrame(painter, w, h);
    else if (m_lastItem)
        FlickRowPainter::drawLastFrame(painter, w, h);
    else
        FlickRowPainter::drawMiddleFrame(painter, w, h);
    FlickRowPainter::drawText(painter, m_font, m_text, m_textWidth, h, m_highLight, m_checked);
    if (m_checked)
        FlickRowPainter::drawCheckMark(painter, w - 60, h, m_highLight);
    const QImage icon = PictureCache::image(m_settingHighLight || m_highLight
                                                ? QStringLiteral(":/images/colorsetting_highlight.png")
                                                : QStringLiteral(":/images/colorsetting.png"),
                                            Qt::MonoOnly);
    if (!icon.isNull())
        painter->drawImage(QPoint(w - 32, (h - 24) / 2), icon);
}
