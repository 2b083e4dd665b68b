#pragma once

#include "waitpicture.h"

// The 50x50 waiting picture in the middle of the screen while a recording
// is being stopped.
class IndicatorImage : public WaitPicture
{
    Q_OBJECT
public:
    explicit IndicatorImage(QWidget *parent = nullptr);

    // Kept for the owners; the picture shown is always the same.
    void setIndicatorImage(const QString &path) { rememberPath(path); }

    static QString picturePath();
};
