#include "genieitem.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

GenieItem::GenieItem(const QRectF &rect, QGraphicsItem *parent)
    : QGraphicsRectItem(rect, parent)
{
}

QVector<QPair<int, int>> GenieItem::rowTable(int height, int effectWidth, int sourceWidth)
{
    QVector<QPair<int, int>> rows;
    if (height <= 0)
        return rows;
    rows.reserve(height);
    const auto logistic = [](float x) { return 1.0f - 1.0f / (1.0f + std::exp(x)); };
    const float low = logistic(-3.0f);
    const float high = logistic(3.0f);
    for (int r = 0; r < height; ++r) {
        const float x = float(r) * 6.0f / float(height) - 3.0f;
        const float t = (logistic(x) - low) / (high - low);
        rows.append({int(float(effectWidth) * t), int(float(effectWidth - sourceWidth) * t)});
    }
    return rows;
}

void GenieItem::prepare(const QPixmap &picture)
{
    const QSize size = rect().size().toSize();
    m_source = picture.toImage()
                   .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_effect = QImage(size, QImage::Format_ARGB32_Premultiplied);
    qWarning("hh=[%d] ww=[%d] \n", m_effect.height(), m_effect.width());
    m_rows = rowTable(m_effect.height(), m_effect.width(), m_source.isNull() ? m_effect.width() : m_source.width());
    m_effect.fill(0);
    if (!m_source.isNull()) {
        QPainter p(&m_effect);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_source);
    }
    update();
}

bool GenieItem::drawFrame(int f)
{
    m_effect.fill(0);
    const int sw = m_source.width();
    const int sh = m_source.height();
    const int eh = m_effect.height();
    const int ew = m_effect.width();
    if (sw <= 0 || sh <= 0 || eh <= 0)
        return false;
    f = qBound(0, f, 128);
    const int k = qMin(2 * f, 127);
    const int top = (f * eh) >> 7;
    const int rows = (sh - top) + (((eh - sh) * k) >> 7);
    if (rows <= 0)
        return false;
    const int ystep = (sh << 7) / rows;
    int sourceRow = 0;
    for (int i = 0; i < rows; ++i) {
        const int y = top + i;
        if (y >= eh || y >= m_rows.size())
            break;
        const int left = (m_rows.at(y).first * k) >> 7;
        const int width = sw + ((m_rows.at(y).second * k) >> 7) - left;
        const int sy = qMin(sourceRow >> 7, sh - 1);
        if (width > 0) {
            const int xstep = (sw << 7) / width;
            const auto *src = reinterpret_cast<const QRgb *>(m_source.constScanLine(sy));
            auto *dst = reinterpret_cast<QRgb *>(m_effect.scanLine(y));
            for (int j = 0; j < width; ++j) {
                const int x = left + j;
                if (x < 0 || x >= ew)
                    continue;
                dst[x] = src[qMin((j * xstep) >> 7, sw - 1)];
            }
        }
        sourceRow += ystep;
    }
    update();
    return true;
}

void GenieItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->drawImage(rect().topLeft(), m_effect);
}
