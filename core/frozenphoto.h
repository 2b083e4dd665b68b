#pragma once

#include <QByteArray>

#include <optional>

// A photo as the encoder service writes it: a JPEG, then the radiometric
// block, then in its last 4 bytes the JPEG's length (little-endian). The
// pure steps of the composition (video_camera/photocomposition.*): split
// the file, and put a new JPEG in front of the unchanged block.
class FrozenPhoto
{
public:
    struct Layout {
        qint64 jpegLength = 0;
        qint64 blockOffset = 0;  // == jpegLength
        qint64 blockLength = 0;
    };

    // Pure: the file size and its last 4 bytes. Rejects sizes under 4 and
    // JPEG lengths of 0 or beyond size - 4.
    static std::optional<Layout> split(qint64 size, const char *lastFour);
    // The whole photo: split() plus the JPEG start marker.
    static std::optional<Layout> split(const QByteArray &photo);

    // JPEG + block + the JPEG's length.
    static QByteArray assemble(const QByteArray &jpeg, const QByteArray &block);

private:
    FrozenPhoto() = delete;
};
