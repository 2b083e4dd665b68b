#include "calibpages.h"

#include "calibinterface.h"
#include "ircorelink.h"
#include "ircoremainwindow.h"
#include "mainbiaoding.h"
#include "productinfowidget.h"
#include "setmainwindow.h"

void CalibPages::install()
{
    static CalibPages pages;
    ECalibPages::setInstance(&pages);
}

QWidget *CalibPages::newCalibMenu()
{
    return new CalibInterface(nullptr, Qt::FramelessWindowHint);
}

QWidget *CalibPages::newBiaoDing(EAreaWidget *area)
{
    return new MainBiaoDing(area, nullptr);
}

QWidget *CalibPages::newProductInfo()
{
    return new ProductInfoWidget(nullptr);
}

QWidget *CalibPages::newSetWindow()
{
    return new SetMainWindow(nullptr, Qt::FramelessWindowHint);
}

void CalibPages::closeCoreWindow(QWidget *menu)
{
    const CalibInterface *calib = calibMenu(menu);
    IRCoreMainWindow *core = calib ? calib->coreWindow() : nullptr;
    if (core && (core->isVisible() || IRCoreLink::isOpen()))
        core->closeCore(false);
}

CalibInterface *CalibPages::calibMenu(QWidget *menu) const
{
    return qobject_cast<CalibInterface *>(menu);
}

MainBiaoDing *CalibPages::biaoDing(QWidget *page) const
{
    return qobject_cast<MainBiaoDing *>(page);
}

ProductInfoWidget *CalibPages::productInfo(QWidget *page) const
{
    return qobject_cast<ProductInfoWidget *>(page);
}

SetMainWindow *CalibPages::setWindow(QWidget *page) const
{
    return qobject_cast<SetMainWindow *>(page);
}
