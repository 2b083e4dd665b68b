#pragma once

#include <QImage>

// The two stock pictures the video thumbnail cache copies, which the camera
// keeps in its file system: one for a video too short to picture, one for
// a file that is no complete recording. Drawn into the root when missing.
class SimStockPictures
{
public:
    static QImage shortVideo();
    static QImage damagedVideo();
    // Writes "/root/nullimage.jpg" and "/root/nullimage_err.jpg" under the
    // path root where they are missing; false when one cannot be written.
    static bool install();

private:
    SimStockPictures() = delete;
};
