#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Where a screen grab shows one colour: how the tests find an object of the
// simulated scene as the user sees it.
struct DrawnRegion
{
    QRect bounds;
    QPoint centre; // mean of the pixels; (-1, -1) when the colour is nowhere
};

inline DrawnRegion drawnRegion(const QImage &screen, QRgb colour)
{
    DrawnRegion region;
    qint64 sumX = 0, sumY = 0, count = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, y) != colour)
                continue;
            region.bounds |= QRect(x, y, 1, 1);
            sumX += x;
            sumY += y;
            ++count;
        }
    }
    region.centre = count ? QPoint(int(sumX / count), int(sumY / count)) : QPoint(-1, -1);
    return region;
}

// The screen leaves out one sensor column and row in six, so a pixel the
// board reports may be one that is not drawn: its neighbour is.
inline bool drawnNear(const QImage &screen, const QPoint &p, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q = p + QPoint(dx, dy);
            if (screen.rect().contains(q) && screen.pixel(q) == colour)
                return true;
        }
    }
    return false;
}
