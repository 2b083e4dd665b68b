#include "transientmark.h"

#include <QGraphicsItem>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char *WidgetProperty = "ostrelTransient";
// QGraphicsItem::data keys are the item's owner's to choose; this one is
// far above the small keys code usually picks.
constexpr int ItemDataKey = 0x7452;
} // namespace

void TransientMark::mark(QWidget *widget)
{
    widget->setProperty(WidgetProperty, true);
}

void TransientMark::mark(QGraphicsItem *item)
{
    item->setData(ItemDataKey, true);
}

bool TransientMark::isMarked(const QWidget *widget)
{
    return widget->property(WidgetProperty).toBool();
}

bool TransientMark::isMarked(const QGraphicsItem *item)
{
    return item->data(ItemDataKey).toBool();
}
