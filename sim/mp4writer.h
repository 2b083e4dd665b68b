#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

// One MP4 file of MPEG-4 Part 2 video at 10 frames a second, written with
// the system's libavformat and libavcodec. Frames carry their slot number
// as time stamp, so a slot the caller skipped lengthens the frame before
// it. finish() ends the file with a top-level "free" box whose last 8
// bytes are the end marker the recording check looks for.
// completeRecording() turns the finished file into a recording: the side
// data and the u32 offset where it begins appended, then renamed.
class Mp4Writer
{
public:
    static constexpr int FramesPerSecond = 10;
    static constexpr const char *EndMarker = "f52.31.0";
    enum { EndBoxSize = 16 };

    Mp4Writer();
    ~Mp4Writer();
    Mp4Writer(const Mp4Writer &) = delete;
    Mp4Writer &operator=(const Mp4Writer &) = delete;

    // hostPath is the host's own path (already resolved).
    bool open(const QString &hostPath, int width, int height);
    // slot: the frame's number from the start; a slot not above the last
    // one written is dropped.
    bool write(const QImage &picture, qint64 slot);
    // Flushes the encoder, writes the index and the end box; false on any
    // failure of the whole file.
    bool finish();
    bool isOpen() const;
    qint64 lastSlot() const { return m_lastSlot; }
    QString errorString() const { return m_error; }

    // The box that ends the video data.
    static QByteArray endBox();
    // Appends side and u32 (the finished file's length) to temporary,
    // flushes it and renames it to finalPath.
    static bool completeRecording(const QString &temporary, const QByteArray &side, const QString &finalPath);

private:
    struct Codec;
    bool fail(const char *what, int code = 0);
    bool encode(bool flush);

    std::unique_ptr<Codec> m_codec;
    QString m_path;
    qint64 m_lastSlot = -1;
    QString m_error;
};
