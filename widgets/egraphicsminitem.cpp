#include "egraphicsminitem.h"

EGraphicsMinItem::EGraphicsMinItem(QGraphicsScene *scene)
    : EGraphicsTextItem(scene)
{
}
