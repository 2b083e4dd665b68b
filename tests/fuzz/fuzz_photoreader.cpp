// libFuzzer entry point: the photo and video reader on any bytes. Every
// range it returns lies inside the input, at most 16 entries come back,
// and a video read from an open file gives the same records, byte for
// byte, as one held in memory.
#include "photolayout.h"
#include "photoreader.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

void check(const PhotoReader::Range &r, qint64 size)
{
    if (r.offset < 0 || r.length < 0 || r.offset > size || r.length > size - r.offset)
        std::abort();
}

// The records the video replay can reach: the first ones, the last one
// before the final u32 and the ones around it, and far beyond.
void checkVideo(const QByteArray &bytes)
{
    const qint64 size = bytes.size();
    QBuffer file;
    file.setData(bytes);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const PhotoReader::Video video = PhotoReader::readVideo(&file);
    const PhotoReader::Video held = PhotoReader::readVideo(bytes);
    if (video.valid != held.valid || video.sideOffset != held.sideOffset || video.stampFlag != held.stampFlag
        || video.imageMode != held.imageMode)
        std::abort();
    if (!video.valid)
        return;
    if (video.firstRecord() > size - PhotoLayout::LengthSize)
        std::abort();
    const qint64 last = (size - video.firstRecord()) / video.stride();
    for (qint64 k : {qint64(-1), qint64(0), qint64(1), qint64(2), last - 1, last, last + 1, qint64(1) << 40, qint64(1) << 62}) {
        const PhotoReader::Range r = video.record(k);
        if (!(r == PhotoReader::videoRecord(bytes, k)))
            std::abort();
        if (!r.isValid())
            continue;
        check(r, size - PhotoLayout::LengthSize);
        if (r.length > PhotoLayout::ParaSize || r.offset != video.firstRecord() + k * video.stride())
            std::abort();
        if (PhotoReader::read(&file, r) != PhotoReader::slice(bytes, r))
            std::abort();
    }
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
        if (photo.irBlock.isValid()) {
            check(photo.irBlock, n);
            if (photo.irBlock.length > PhotoLayout::IrBlockSize)
                std::abort();
            check(PhotoReader::parameterRecord(photo.irBlock), photo.irBlock.offset + photo.irBlock.length);
        }
    }
    const PhotoReader::ServiceFile service = PhotoReader::splitService(bytes);
    if (service.valid)
        check(service.serviceData, n);
    checkVideo(bytes);
    return 0;
}
