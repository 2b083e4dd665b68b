#include "videotoolwidget.h"

VideoToolWidget::VideoToolWidget(QWidget *parent)
    : ThumbToolWidget(parent)
{
}
