#pragma once

#include "soleinstance.h"

class CalibInterface;
class EAreaWidget;
class MainBiaoDing;
class ProductInfoWidget;
class QWidget;
class SetMainWindow;

// What the live view's calibration mode builds: the calibration menu and the
// pages behind its tiles (the calibration wizard, the product information
// editor, the service settings window). Those screens come back through the
// view's dispatcher, so the view builds them through this instead of
// including them. The window that builds the live view registers them
// (CalibPages::install()); without them calibration mode opens no menu.
class ECalibPages : public SoleInstance<ECalibPages>
{
public:
    virtual ~ECalibPages() = default;

    // New parentless windows; the caller owns them.
    virtual QWidget *newCalibMenu() = 0;
    virtual QWidget *newBiaoDing(EAreaWidget *area) = 0;
    virtual QWidget *newProductInfo() = 0;
    virtual QWidget *newSetWindow() = 0;
    // The core window opened from the menu runs its closing sequence when it
    // is shown or the core's link is open (it gives the port back).
    virtual void closeCoreWindow(QWidget *menu) = 0;

    // The windows above as what they are, for whoever looks into them.
    virtual CalibInterface *calibMenu(QWidget *menu) const = 0;
    virtual MainBiaoDing *biaoDing(QWidget *page) const = 0;
    virtual ProductInfoWidget *productInfo(QWidget *page) const = 0;
    virtual SetMainWindow *setWindow(QWidget *page) const = 0;
};
