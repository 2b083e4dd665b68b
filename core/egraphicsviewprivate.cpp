#include "egraphicsviewprivate.h"

EGraphicsViewPrivate::EGraphicsViewPrivate(QWidget *parent)
    : QGraphicsView(parent)
{
}
