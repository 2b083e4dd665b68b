#pragma once

#include "soleinstance.h"

class EAdjustLevelItem;
class QWidget;

// What the live view asks of the image popup: its window (closed by a touch
// beside it), the level/span page's adjust window (opened from the colour
// bar's labels, put away by a touch on bare picture), and the page's limits
// when the unit or the temperature range changes. The popup registers
// itself when built; instance() is null without one.
class EImagePopup : public SoleInstance<EImagePopup>
{
public:
    virtual ~EImagePopup() = default;

    virtual QWidget *popupWindow() = 0;
    virtual EAdjustLevelItem *adjustWindow() const = 0;
    virtual bool adjustWindowIsVisible() const = 0;
    virtual void showAdjustWindow() = 0;
    virtual void hideAdjustWindow() = 0;
    // The level/span page reads the manual limits back from the settings.
    virtual void changeTempUnit() = 0;
    virtual void setTempRangeMinMax(int min, int max) = 0;
};
