#include "escaledlayout.h"

QPoint EScaledLayout::offset(Scaled_Type_t type)
{
    switch (type) {
    case 1: return QPoint(0, 120);
    case 2: return QPoint(160, 120);
    case 3: return QPoint(160, 0);
    case 4: return QPoint(80, 60);
    default: return QPoint(0, 0);
    }
}

QRect EScaledLayout::bounds(Scaled_Type_t type)
{
    switch (type) {
    case 0: return QRect(QPoint(5, 21), QPoint(155, 115));
    case 1: return QRect(QPoint(5, 125), QPoint(155, 235));
    case 2: return QRect(QPoint(165, 125), QPoint(315, 235));
    case 3: return QRect(QPoint(165, 21), QPoint(315, 115));
    case 4: return QRect(QPoint(85, 65), QPoint(235, 175));
    default: return QRect(QPoint(5, 21), QPoint(315, 235));
    }
}

QPoint EScaledLayout::toOverlay(Scaled_Type_t type, int frameX, int frameY)
{
    if (!isHalfSize(type))
        return QPoint(frameX, frameY);
    return QPoint(frameX / 2, frameY / 2) + offset(type);
}
