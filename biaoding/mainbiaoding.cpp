#include "mainbiaoding.h"

MainBiaoDing::MainBiaoDing(EAreaWidget *area, QWidget *parent)
    : PlainCalibPage(1, QStringLiteral("Calib"), parent)
    , m_area(area)
{
}
