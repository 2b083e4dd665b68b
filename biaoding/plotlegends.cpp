#include "plotlegends.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {
// The text keeps two pixels of room to the curves on every side.
const int Room = 2;
}

PlotLegends::PlotLegends(const QImage &plot)
    : m_width(plot.width())
    , m_height(plot.height())
    , m_drawn(size_t(m_width + 1) * size_t(m_height + 1), 0)
{
    const QImage argb = plot.convertToFormat(QImage::Format_ARGB32);
    const int stride = m_width + 1;
    for (int y = 0; y < m_height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        int row = 0;
        for (int x = 0; x < m_width; ++x) {
            row += qAlpha(line[x]) != 0;
            m_drawn[size_t(y + 1) * stride + x + 1] = m_drawn[size_t(y) * stride + x + 1] + row;
        }
    }
}

PlotLegends PlotLegends::of(const QWidget *window, const std::function<void(QPainter &)> &draw)
{
    QImage plot(window->size(), QImage::Format_ARGB32_Premultiplied);
    plot.fill(Qt::transparent);
    QPainter painter(&plot);
    painter.setFont(window->font());
    draw(painter);
    painter.end();
    return PlotLegends(plot);
}

bool PlotLegends::isClear(const QRect &legend) const
{
    const QRect window(0, 0, m_width, m_height);
    if (!window.contains(legend))
        return false;
    // The room may lie beyond the window's edge; the text may not.
    const QRect rect = legend.adjusted(-Room, -Room, Room, Room).intersected(window);
    for (const QRect &taken : m_taken) {
        if (taken.intersects(rect))
            return false;
    }
    const int stride = m_width + 1;
    auto at = [&](int x, int y) { return m_drawn[size_t(y) * stride + x]; };
    const int x0 = rect.left();
    const int y0 = rect.top();
    const int x1 = rect.right() + 1;
    const int y1 = rect.bottom() + 1;
    return at(x1, y1) - at(x0, y1) - at(x1, y0) + at(x0, y0) == 0;
}

void PlotLegends::take(const QRect &rect)
{
    m_taken.push_back(rect);
}

void PlotLegends::place(QLabel *legend, const QPoint &preferred)
{
    const QSize size = legend->size();
    QPoint best = preferred;
    if (!isClear(QRect(preferred, size))) {
        // The clear place nearest to the plot's own.
        long bestDistance = -1;
        for (int y = 0; y + size.height() <= m_height; ++y) {
            for (int x = 0; x + size.width() <= m_width; ++x) {
                const long dx = x - preferred.x();
                const long dy = y - preferred.y();
                const long distance = dx * dx + dy * dy;
                if (bestDistance >= 0 && distance >= bestDistance)
                    continue;
                if (isClear(QRect(QPoint(x, y), size))) {
                    best = QPoint(x, y);
                    bestDistance = distance;
                }
            }
        }
    }
    legend->move(best);
    take(QRect(best, size).adjusted(-Room, -Room, Room, Room));
}
