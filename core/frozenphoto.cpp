#include "frozenphoto.h"

#include <QtEndian>

std::optional<FrozenPhoto::Layout> FrozenPhoto::split(qint64 size, const char *lastFour)
{
    if (size < 4 || !lastFour)
        return std::nullopt;
    const qint64 jpeg = qFromLittleEndian<quint32>(lastFour);
    if (jpeg <= 0 || jpeg > size - 4)
        return std::nullopt;
    Layout layout;
    layout.jpegLength = jpeg;
    layout.blockOffset = jpeg;
    layout.blockLength = size - 4 - jpeg;
    return layout;
}

std::optional<FrozenPhoto::Layout> FrozenPhoto::split(const QByteArray &photo)
{
    const qint64 size = photo.size();
    if (size < 4)
        return std::nullopt;
    const auto layout = split(size, photo.constData() + size - 4);
    // A JPEG starts with its SOI marker; anything else is not our photo.
    if (!layout || layout->jpegLength < 2 || uchar(photo[0]) != 0xFF || uchar(photo[1]) != 0xD8)
        return std::nullopt;
    return layout;
}

QByteArray FrozenPhoto::assemble(const QByteArray &jpeg, const QByteArray &block)
{
    QByteArray out;
    out.reserve(jpeg.size() + block.size() + 4);
    out.append(jpeg);
    out.append(block);
    char length[4];
    qToLittleEndian<quint32>(quint32(jpeg.size()), length);
    out.append(length, 4);
    return out;
}
