#pragma once

#include "flickengine.h"

// Kinetic scrolling of the language and standard palette lists; their rows
// are EFlickCharmText.
class ESetupFlickCharm : public FlickEngine
{
    Q_OBJECT
public:
    explicit ESetupFlickCharm(QObject *parent = nullptr);
    ~ESetupFlickCharm() override;

protected:
    int rowType() const override;
    QString rowText(const QGraphicsItem *row) const override;
    int rowIndex(const QGraphicsItem *row) const override;
};
