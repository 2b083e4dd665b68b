#pragma once

#include "egraphicstextitem.h"

// The colour bar's level/span mode label; a tap on it is told apart by type().
class EGraphicsModeItem : public EGraphicsTextItem
{
public:
    enum { Type = 0x100011 };

    explicit EGraphicsModeItem(QGraphicsScene *scene = nullptr);

    int type() const override { return Type; }
};
