#include "flickrowpainter.h"

#include "picturecache.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {
QPen framePen()
{
    return QPen(QBrush(Qt::lightGray), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}
} // namespace

int FlickRowPainter::textWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text) + 30;
}

void FlickRowPainter::drawFirstFrame(QPainter *painter, int w, int h)
{
    painter->setPen(framePen());
    painter->setBrush(Qt::NoBrush);
    QPainterPath sides;
    sides.moveTo(5, 6);
    sides.lineTo(5, h);
    sides.lineTo(w - 5, h);
    sides.lineTo(w - 5, 6);
    sides.moveTo(w - 11, 0);
    sides.lineTo(12, 0);
    painter->drawPath(sides);
    QPainterPath corners;
    corners.arcMoveTo(5, 0, 12, 12, 90);
    corners.arcTo(5, 0, 12, 12, 90, 90);
    corners.arcMoveTo(w - 17, 0, 12, 12, 0);
    corners.arcTo(w - 17, 0, 12, 12, 0, 90);
    painter->drawPath(corners);
}

void FlickRowPainter::drawLastFrame(QPainter *painter, int w, int b)
{
    painter->setPen(framePen());
    painter->setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5, 0);
    path.lineTo(5, b - 6);
    path.arcTo(5, b - 12, 12, 12, 180, 90);
    path.moveTo(11, b);
    path.lineTo(w - 11, b);
    path.arcTo(w - 17, b - 12, 12, 12, 270, 90);
    path.moveTo(w - 5, b - 6);
    path.lineTo(w - 5, 0);
    path.lineTo(5, 0);
    painter->drawPath(path);
}

void FlickRowPainter::drawMiddleFrame(QPainter *painter, int w, int h)
{
    painter->setPen(framePen());
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(5, 0, w - 10, h);
}

void FlickRowPainter::drawText(QPainter *painter, const QFont &font, const QString &text, int textWidth, int h,
                               bool highLight, bool checked)
{
    painter->setFont(font);
    painter->setPen(highLight ? Qt::white : checked ? Qt::darkBlue : Qt::black);
    painter->drawText(QRect(10, 0, textWidth, h), Qt::AlignVCenter, text);
}

void FlickRowPainter::drawCheckMark(QPainter *painter, int x, int h, bool highLight)
{
    const QImage mark = PictureCache::image(highLight ? QStringLiteral(":images/language_checked.png")
                                                      : QStringLiteral(":images/setup_checked.png"));
    if (mark.isNull())
        return;
    painter->drawImage(QPoint(x, (h - 16) / 2), mark.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}
