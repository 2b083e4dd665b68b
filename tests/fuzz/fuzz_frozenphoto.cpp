// libFuzzer entry point: the photo splitter on any bytes. A layout it
// returns must lie inside the input and start with a JPEG marker.
#include "frozenphoto.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray photo(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto layout = FrozenPhoto::split(photo);
    if (!layout)
        return 0;
    if (layout->jpegLength <= 0 || layout->blockLength < 0
        || layout->blockOffset != layout->jpegLength
        || layout->blockOffset + layout->blockLength + 4 != qint64(size)
        || data[0] != 0xFF || data[1] != 0xD8)
        std::abort();
    const auto bare = FrozenPhoto::split(qint64(size), reinterpret_cast<const char *>(data) + size - 4);
    if (!bare || bare->jpegLength != layout->jpegLength)
        std::abort();
    return 0;
}
