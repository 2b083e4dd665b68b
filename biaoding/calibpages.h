#pragma once

#include "ecalibpages.h"

// The calibration menu and its pages as the live view's calibration mode
// builds them. One stateless set serves every live view.
class CalibPages : public ECalibPages
{
public:
    // Registers the set with the live view; calling it again changes nothing.
    static void install();

    QWidget *newCalibMenu() override;
    QWidget *newBiaoDing(EAreaWidget *area) override;
    QWidget *newProductInfo() override;
    QWidget *newSetWindow() override;
    void closeCoreWindow(QWidget *menu) override;

    CalibInterface *calibMenu(QWidget *menu) const override;
    MainBiaoDing *biaoDing(QWidget *page) const override;
    ProductInfoWidget *productInfo(QWidget *page) const override;
    SetMainWindow *setWindow(QWidget *page) const override;
};
