#include "esetupflickcharm.h"

#include "eflickcharmtext.h"

ESetupFlickCharm::ESetupFlickCharm(QObject *parent)
    : FlickEngine("ESetupFlickCharm", parent)
{
}

ESetupFlickCharm::~ESetupFlickCharm() = default;

int ESetupFlickCharm::rowType() const
{
    return EFlickCharmText::Type;
}

QString ESetupFlickCharm::rowText(const QGraphicsItem *row) const
{
    return static_cast<const EFlickCharmText *>(row)->text();
}

int ESetupFlickCharm::rowIndex(const QGraphicsItem *row) const
{
    return static_cast<const EFlickCharmText *>(row)->index();
}
