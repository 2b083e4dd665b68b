#pragma once

#include "fpgatypes.h"
#include "soleinstance.h"

// What the image popup's pages ask of the live view: its level/span state
// and scale, its temperature range, and the picture mode with the inset
// corners. The pages reach the view only through this, found with
// instance() (null until a view is registered), so they can be built and
// tested without the whole live view.
class EImageViewHost : public SoleInstance<EImageViewHost>
{
public:
    virtual ~EImageViewHost() = default;

    // ---- level/span ----
    virtual Mode_t getLevelSpanMode() const = 0;
    virtual void setLevelSpanMode(Mode_t mode) = 0;
    // Current scale ends, degrees Celsius.
    virtual float getMinTemp() const = 0;
    virtual float getMaxTemp() const = 0;
    // Limits of the temperature range, whole degrees Celsius.
    virtual int tempRangeMin() const = 0;
    virtual int tempRangeMax() const = 0;
    // Manual level/span in degrees Celsius: applied, shown and stored.
    virtual void setMinMaxTempValue(float min, float max) = 0;
    // Scale ends and their labels only; nothing reaches the board.
    virtual void setMinTempValue(float min) = 0;
    virtual void setMaxTempValue(float max) = 0;
    // Ends the manual level display.
    virtual void slot_handLevelSpanTimer() = 0;

    // ---- picture ----
    virtual void setImageMode(Image_Mode_t mode) = 0;
    virtual int set_IR_Pipe_CCD_Position(Image_Position_t position) = 0;
    virtual int set_CCD_Pipe_IR_Position(Image_Position_t position) = 0;
};
