// libFuzzer entry point: the photo and video reader on any bytes. Every
// range it returns lies inside the input, and at most 16 entries come back.
#include "photoreader.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(const PhotoReader::Range &r, qint64 size)
{
    if (r.offset < 0 || r.length < 0 || r.offset > size || r.length > size - r.offset)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint64 n = qint64(size);
    const PhotoReader::Photo photo = PhotoReader::readPhoto(bytes);
    if (photo.valid) {
        check(photo.header, n);
        if (photo.entries.size() > 16)
            std::abort();
        for (const PhotoReader::Entry &e : photo.entries)
            check(e.range, n);
        for (const PhotoReader::Note &note : photo.notes)
            check(note.range, n);
        if (photo.irBlock.isValid())
            check(photo.irBlock, n);
    }
    const PhotoReader::ServiceFile service = PhotoReader::splitService(bytes);
    if (service.valid)
        check(service.serviceData, n);
    for (qint64 k : {qint64(0), qint64(1), qint64(2), qint64(1) << 40}) {
        const PhotoReader::Range r = PhotoReader::videoRecord(bytes, k);
        if (r.isValid())
            check(r, n);
    }
    return 0;
}
