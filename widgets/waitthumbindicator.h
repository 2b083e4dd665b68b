#pragma once

#include "waitpicture.h"

// The 32x46 waiting picture in the middle of the screen while the media
// browser makes thumbnails.
class WaitThumbIndicator : public WaitPicture
{
    Q_OBJECT
public:
    explicit WaitThumbIndicator(QWidget *parent = nullptr);

    // Kept for the owners; the picture shown is always the same.
    void setWaitThumbIndicator(const QString &path) { rememberPath(path); }

    static QString picturePath();
};
