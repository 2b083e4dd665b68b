#include "esdcardspace.h"

#include <QPainter>

#include <cmath>
#include <cstdio>

ESDCardSpace::ESDCardSpace(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setFixedHeight(24);
}

void ESDCardSpace::setText(const QString &text)
{
    QLabel::setText(text);
    update();
}

int ESDCardSpace::usedWidth(int barWidth, float total, float used)
{
    if (total == 0.0f)
        return -1;
    float fraction = used / total;
    // More used than the card holds, a negative amount or a broken size
    // must not paint outside the bar.
    if (!std::isfinite(fraction) || fraction < 0.0f)
        fraction = 0.0f;
    else if (fraction > 1.0f)
        fraction = 1.0f;
    std::printf("percent:%f\n", double(fraction));
    const int position = int(float(qMax(0, barWidth - 2)) * fraction);
    std::printf("width:%d position:%d\n", barWidth, position);
    return position;
}

void ESDCardSpace::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(QColor(71, 66, 70));
    painter.drawRoundedRect(QRectF(0, 0, w, h), 6, 6);
    painter.setBrush(QColor(76, 165, 225));
    const int position = usedWidth(w, m_totalSize, m_usedSize);
    if (position >= 0) {
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(1.0, 1.0, position, h - 2), 6, 6);
    }
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text());
}
