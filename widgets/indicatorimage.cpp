#include "indicatorimage.h"

#include "waitpicture.h"

IndicatorImage::IndicatorImage(QWidget *parent)
    : QWidget(parent)
{
    WaitPicture::setUp(this, QSize(50, 50), Qt::FramelessWindowHint);
}

QString IndicatorImage::picturePath()
{
    return QStringLiteral(":/images/vyxImages/waitvideo.png");
}

void IndicatorImage::setIndicatorImage(const QString &path)
{
    m_imagePath = path;
}

void IndicatorImage::IndicatorRunImage()
{
    WaitPicture::runNow(this);
}

void IndicatorImage::paintEvent(QPaintEvent *)
{
    WaitPicture::paint(this, picturePath());
}
