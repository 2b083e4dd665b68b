#include "flickcharm.h"

#include "emisstextitem.h"

FlickCharm::FlickCharm(QObject *parent)
    : FlickEngine("FlickCharm", parent)
{
}

FlickCharm::~FlickCharm() = default;

int FlickCharm::rowType() const
{
    return EmissTextItem::Type;
}

QString FlickCharm::rowText(const QGraphicsItem *row) const
{
    return static_cast<const EmissTextItem *>(row)->text();
}

int FlickCharm::rowIndex(const QGraphicsItem *row) const
{
    return static_cast<const EmissTextItem *>(row)->index();
}
