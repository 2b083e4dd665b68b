#include "waitthumbindicator.h"

WaitThumbIndicator::WaitThumbIndicator(QWidget *parent)
    : WaitPicture(parent, QSize(32, 46), Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint, picturePath())
{
}

QString WaitThumbIndicator::picturePath()
{
    return QStringLiteral(":/images/smplayerimages/thumbwait.png");
}
