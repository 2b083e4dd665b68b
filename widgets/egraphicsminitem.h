#pragma once

#include "egraphicstextitem.h"

// The colour bar's lower temperature label; a tap on it is told apart by type().
class EGraphicsMinItem : public EGraphicsTextItem
{
public:
    enum { Type = 0x100001 };

    explicit EGraphicsMinItem(QGraphicsScene *scene = nullptr);

    int type() const override { return Type; }
};
