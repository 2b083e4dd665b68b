#include "egraphicsmodeitem.h"

EGraphicsModeItem::EGraphicsModeItem(QGraphicsScene *scene)
    : EGraphicsTextItem(scene)
{
}
