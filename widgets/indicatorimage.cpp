#include "indicatorimage.h"

IndicatorImage::IndicatorImage(QWidget *parent)
    : WaitPicture(parent, QSize(50, 50), Qt::FramelessWindowHint, picturePath())
{
}

QString IndicatorImage::picturePath()
{
    return QStringLiteral(":/images/vyxImages/waitvideo.png");
}
