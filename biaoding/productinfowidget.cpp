#include "productinfowidget.h"

ProductInfoWidget::ProductInfoWidget(QWidget *parent)
    : PlainCalibPage(4, QStringLiteral("P/N"), parent)
{
}
