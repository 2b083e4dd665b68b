#include "egraphicsmaxitem.h"

EGraphicsMaxItem::EGraphicsMaxItem(QGraphicsScene *scene)
    : EGraphicsTextItem(scene)
{
}
