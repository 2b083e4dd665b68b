#pragma once

#include "thumbtoolwidget.h"

// The video list's button bar: the photo browser's bar (exit and delete in
// normal mode; back, delete and select all / unselect all in delete mode)
// over the video list.
class VideoToolWidget : public ThumbToolWidget
{
    Q_OBJECT
public:
    explicit VideoToolWidget(QWidget *parent = nullptr);
};
