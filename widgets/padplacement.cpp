#include "padplacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

QRect PadPlacement::inside(const QRect &pad, const QRect &screen)
{
    QRect placed = pad;
    const int x = std::max(screen.left(), std::min(pad.left(), screen.right() + 1 - pad.width()));
    const int y = std::max(screen.top(), std::min(pad.top(), screen.bottom() + 1 - pad.height()));
    placed.moveTopLeft(QPoint(x, y));
    return placed;
}

void PadPlacement::show(QWidget *pad)
{
    if (const QScreen *screen = pad->screen()) {
        const QRect placed = inside(QRect(pad->pos(), pad->size()), screen->geometry());
        if (placed.size().boundedTo(screen->size()) != placed.size())
            qWarning("a %dx%d pad does not fit the %dx%d screen", placed.width(), placed.height(), screen->size().width(),
                     screen->size().height());
        pad->move(placed.topLeft());
    }
    pad->show();
    pad->raise();
}
