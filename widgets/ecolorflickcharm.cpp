#include "ecolorflickcharm.h"

#include "ecolorflickcharmtext.h"

EColorFlickCharm::EColorFlickCharm(QObject *parent)
    : FlickEngine("EColorFlickCharm", parent)
{
}

EColorFlickCharm::~EColorFlickCharm() = default;

int EColorFlickCharm::rowType() const
{
    return EColorFlickCharmText::Type;
}

QString EColorFlickCharm::rowText(const QGraphicsItem *row) const
{
    return static_cast<const EColorFlickCharmText *>(row)->text();
}

int EColorFlickCharm::rowIndex(const QGraphicsItem *row) const
{
    return static_cast<const EColorFlickCharmText *>(row)->index();
}

bool EColorFlickCharm::isSettingCell(const QPoint &point) const
{
    return point.x() > settingCellLeft();
}

void EColorFlickCharm::pressedFromRest(const QPoint &point)
{
    qWarning("mouse press x:%d y:%d", point.x(), point.y());
}

void EColorFlickCharm::emitSettingPressed(const QString &text, int index)
{
    Q_EMIT settingPressed(text, index);
}

void EColorFlickCharm::emitSettingReleased(const QString &text, int index)
{
    Q_EMIT settingReleased(text, index);
}
