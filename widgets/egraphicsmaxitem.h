#pragma once

#include "egraphicstextitem.h"

// The colour bar's upper temperature label; a tap on it is told apart by type().
class EGraphicsMaxItem : public EGraphicsTextItem
{
public:
    enum { Type = 0x100010 };

    explicit EGraphicsMaxItem(QGraphicsScene *scene = nullptr);

    int type() const override { return Type; }
};
