#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

// A photo as the encoder service writes it: a JPEG, then the radiometric
// block, then in its last 4 bytes the JPEG's length (little-endian).
// compose() puts a new JPEG in front of the unchanged block without ever
// leaving a half-written photo behind.
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

    // Takes the JPEG part, returns the composed JPEG (empty: failure).
    using Composer = std::function<QByteArray(const QByteArray &jpeg)>;

    enum class Result { Done, Unreadable, Malformed, ComposeFailed, WriteFailed };

    // path is resolved through Paths. The new photo goes to a temporary file
    // beside it, is synced and renamed over it, then the folder is synced.
    // On any result but Done the photo is byte for byte as before.
    static Result compose(const QString &path, const Composer &composer);

    // JPEG + block + the JPEG's length.
    static QByteArray assemble(const QByteArray &jpeg, const QByteArray &block);

private:
    FrozenPhoto() = delete;
};
