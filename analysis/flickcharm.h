#pragma once

#include "flickengine.h"

// Kinetic scrolling of the emissivity table; its rows are EmissTextItem.
class FlickCharm : public FlickEngine
{
    Q_OBJECT
public:
    explicit FlickCharm(QObject *parent = nullptr);
    ~FlickCharm() override;

protected:
    int rowType() const override;
    QString rowText(const QGraphicsItem *row) const override;
    int rowIndex(const QGraphicsItem *row) const override;
};
