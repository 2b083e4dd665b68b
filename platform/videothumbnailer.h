#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Pictures out of a video file: the browser's small picture, and a frame
// at a position (the simulated screen shows it under the player's
// overlay). The default decodes with libffmpegthumbnailer; tests install
// their own. Safe to call from any thread.
class VideoThumbnailer
{
public:
    virtual ~VideoThumbnailer();

    // A width x height JPEG of the frame 10% into the video, written to a
    // temporary file and renamed to jpegPath; false leaves no file there.
    virtual bool makeThumbnail(const QString &videoPath, const QString &jpegPath, const QSize &size) = 0;
    // The frame at second, scaled to size; null when it cannot be decoded.
    virtual QImage frameAt(const QString &videoPath, int second, const QSize &size) = 0;

    static VideoThumbnailer *instance();
    // Takes ownership; nullptr puts the default back.
    static void install(VideoThumbnailer *thumbnailer);
};
