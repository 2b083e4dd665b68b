#pragma once

#include "plaincalibpage.h"

// The product information editor; for now a plain page that only returns
// to the menu.
class ProductInfoWidget : public PlainCalibPage
{
    Q_OBJECT
public:
    explicit ProductInfoWidget(QWidget *parent = nullptr);
};
