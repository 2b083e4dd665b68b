#pragma once

#include "soleinstance.h"

class QString;
class QWidget;

// The live view's tips line as code beneath the screens reaches it (a
// settings file that did not take a write). The live view registers itself
// with setInstance(); instance() is null while no live view exists.
class ETipsHost : public SoleInstance<ETipsHost>
{
public:
    virtual ~ETipsHost() = default;

    virtual void setTipsText(const QString &text) = 0;
    virtual QString getTipsText() const = 0;
    virtual void setTipsVisibled(bool visible) = 0;
    // The view that shows the line: what was told there goes with it.
    virtual QWidget *tipsView() = 0;
};
