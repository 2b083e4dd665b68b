#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

class QLabel;
class QPainter;
class QWidget;

// Keeps a plot's legends off what the plot draws: a legend stays where the
// plot puts it while nothing is drawn there, and otherwise goes to the
// clear place nearest to it. Text over a curve leaves neither readable.
class PlotLegends
{
public:
    // The plot as drawn on a transparent image of the window's size.
    explicit PlotLegends(const QImage &plot);
    // The plot drawn by draw, in the window's size and font.
    static PlotLegends of(const QWidget *window, const std::function<void(QPainter &)> &draw);

    // Moves the legend to its place; the place is then taken.
    void place(QLabel *legend, const QPoint &preferred);

private:
    bool isClear(const QRect &legend) const;
    void take(const QRect &rect);

    int m_width;
    int m_height;
    // Drawn pixels above and left of each point, one row and column more
    // than the plot, so that any rectangle is counted in four look-ups.
    std::vector<int> m_drawn;
    std::vector<QRect> m_taken;
};
