#pragma once

#include "videothumbnailer.h"

// The thumbnailer over libffmpegthumbnailer: one decoder object per call,
// so worker threads and the GUI thread never share one.
class FfmpegVideoThumbnailer : public VideoThumbnailer
{
public:
    bool makeThumbnail(const QString &videoPath, const QString &jpegPath, const QSize &size) override;
    QImage frameAt(const QString &videoPath, int second, const QSize &size) override;

    // The decoded frame at percent (seekTime empty) or at seekTime
    // ("hh:mm:ss"), exactly size pixels; null on failure.
    static QImage decode(const QString &videoPath, int percent, const QString &seekTime, const QSize &size);
};
