#include "waitthumbindicator.h"

#include "waitpicture.h"

WaitThumbIndicator::WaitThumbIndicator(QWidget *parent)
    : QWidget(parent)
{
    WaitPicture::setUp(this, QSize(32, 46), Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}

QString WaitThumbIndicator::picturePath()
{
    return QStringLiteral(":/images/smplayerimages/thumbwait.png");
}

void WaitThumbIndicator::setWaitThumbIndicator(const QString &path)
{
    m_imagePath = path;
}

void WaitThumbIndicator::IndicatorRunImage()
{
    WaitPicture::runNow(this);
}

void WaitThumbIndicator::paintEvent(QPaintEvent *)
{
    WaitPicture::paint(this, picturePath());
}
