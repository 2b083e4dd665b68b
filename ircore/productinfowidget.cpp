#include "productinfowidget.h"

ProductInfoWidget::ProductInfoWidget(QWidget *parent)
    : CalibPage(4, QStringLiteral("P/N"), parent)
{
}
