#include "emisstextitem.h"

#include "flickrowpainter.h"

#include <QPainter>

namespace {
constexpr int FrameWidth = 275; // frame from x 5 to x 270
constexpr int EmissX = 200;
constexpr int CheckX = 240;
} // namespace

EmissTextItem::EmissTextItem(const QString &name, float emiss, int index)
    : FlickTextItem(name, index, FrameWidth, RowHeight)
    , m_emiss(emiss)
    , m_emissText(QString::asprintf("  %1.2f", double(emiss)).trimmed())
{
    QFont font(QStringLiteral("wenquanyi"));
    font.setWeight(QFont::Normal);
    font.setPixelSize(15);
    setFont(font);
    m_emissWidth = FlickRowPainter::textWidth(m_font, m_emissText);
}

EmissTextItem::EmissTextItem(const QString &name, int index)
    : EmissTextItem(name, 1.0f, index)
{
    m_emissText.clear();
    m_emissWidth = 0;
}

QRectF EmissTextItem::boundingRect() const
{
    return QRectF(0, 0, 340, RowHeight);
}

void EmissTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_text.isEmpty())
        return;
    if (m_highLight)
        painter->fillRect(QRect(5, 0, 266, RowHeight), FlickRowPainter::highlightBlue());
    else if (m_firstItem)
        FlickRowPainter::drawFirstFrame(painter, m_width, RowHeight);
    else if (m_lastItem)
        FlickRowPainter::drawLastFrame(painter, m_width, RowHeight - 1);
    else
        FlickRowPainter::drawMiddleFrame(painter, m_width, RowHeight);
    FlickRowPainter::drawText(painter, m_font, m_text, qMin(m_textWidth, EmissX - 10), RowHeight, m_highLight,
                              m_checked);
    if (!m_emissText.isEmpty()) {
        painter->drawText(QRect(EmissX, 0, m_emissWidth, RowHeight), Qt::AlignVCenter, m_emissText);
    }
    if (m_checked)
        FlickRowPainter::drawCheckMark(painter, CheckX, RowHeight, m_highLight);
}
