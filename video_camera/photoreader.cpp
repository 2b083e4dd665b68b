#include "photoreader.h"

#include "frozenphoto.h"
#include "photolayout.h"

#include <QBuffer>
#include <QIODevice>

using namespace PhotoLayout;

namespace {

const unsigned char *bytesAt(const QByteArray &bytes, qint64 offset)
{
    return reinterpret_cast<const unsigned char *>(bytes.constData()) + offset;
}

bool inside(qint64 size, qint64 offset, qint64 length)
{
    return offset >= 0 && length >= 0 && offset <= size && length <= size - offset;
}

} // namespace

bool PhotoReader::trailingLength(const QByteArray &bytes, qint64 *n)
{
    // The splitter of the frozen-picture composition is the first step.
    const qint64 size = bytes.size();
    const auto layout = FrozenPhoto::split(size, size >= LengthSize ? bytes.constData() + size - LengthSize : nullptr);
    if (!layout)
        return false;
    *n = layout->jpegLength;
    return true;
}

PhotoReader::ServiceFile PhotoReader::splitService(const QByteArray &bytes)
{
    ServiceFile out;
    qint64 n = 0;
    if (!trailingLength(bytes, &n))
        return out;
    out.valid = true;
    out.jpegLength = n;
    out.serviceData = Range{n, bytes.size() - LengthSize - n};
    return out;
}

PhotoReader::Photo PhotoReader::readPhoto(const QByteArray &bytes)
{
    Photo out;
    qint64 n = 0;
    const qint64 size = bytes.size();
    if (!trailingLength(bytes, &n) || !inside(size - LengthSize, n, TrailerRoom))
        return out;
    out.valid = true;
    out.jpegLength = n;
    out.header = Range{n, HeaderSize};
    const unsigned char *header = bytesAt(bytes, n);
    out.imageMode = int(getU16(header + HeaderModeOffset));
    out.entryCount = int(getU16(header + HeaderCountOffset));
    out.stampFlag = int(getU16(header + HeaderStampOffset));

    // Sections lie after the header room and before the final u32.
    const qint64 first = n + TrailerRoom;
    const qint64 end = size - LengthSize;
    const int used = qMin(out.entryCount, EntryCount);
    for (int i = 0; i < EntryCount; ++i) {
        const unsigned char *e = header + HeaderSize + EntrySize * i;
        Entry entry;
        entry.type = getU32(e);
        entry.range = Range{qint64(getU32(e + 4)), qint64(getU32(e + 8))};
        const bool ok = entry.range.offset >= first && inside(end, entry.range.offset, entry.range.length);
        if (!ok || entry.range.length == 0)
            continue;
        if (entry.type == IrSection)
            out.irBlock = Range{entry.range.offset, qMin<qint64>(entry.range.length, IrBlockSize)};
        if (i < used) {
            out.entries.append(entry);
            if (entry.type == VoiceNote || entry.type == TextNote)
                out.notes.append(Note{entry.type, entry.range});
        }
    }
    return out;
}

PhotoReader::Range PhotoReader::parameterRecord(const Range &irBlock)
{
    if (!irBlock.isValid())
        return {};
    return Range{irBlock.offset, qMin<qint64>(irBlock.length, ParaSize)};
}

qint64 PhotoReader::Video::firstRecord() const
{
    return sideOffset + TrailerRoom;
}

qint64 PhotoReader::Video::stride() const
{
    return stampFlag ? ParaSize : IrBlockSize;
}

PhotoReader::Range PhotoReader::Video::record(qint64 k) const
{
    if (!valid || k < 0)
        return {};
    const qint64 end = size - LengthSize;
    // Checked before the multiplication, so no k overflows it.
    if (k > (end - firstRecord()) / stride())
        return {};
    const qint64 offset = firstRecord() + k * stride();
    if (offset >= end)
        return {};
    return Range{offset, qMin<qint64>(ParaSize, end - offset)};
}

PhotoReader::Video PhotoReader::readVideo(QIODevice *file)
{
    Video out;
    if (!file || !file->isOpen() || file->isSequential())
        return out;
    const qint64 size = file->size();
    // The splitter of the frozen-picture composition is the first step.
    const QByteArray tail = read(file, Range{size - LengthSize, LengthSize});
    const auto layout = FrozenPhoto::split(size, tail.size() == LengthSize ? tail.constData() : nullptr);
    if (!layout || !inside(size - LengthSize, layout->jpegLength, TrailerRoom))
        return out;
    const QByteArray header = read(file, Range{layout->jpegLength, HeaderSize});
    if (header.size() != HeaderSize)
        return out;
    const auto *h = reinterpret_cast<const unsigned char *>(header.constData());
    out.valid = true;
    out.size = size;
    out.sideOffset = layout->jpegLength;
    out.imageMode = int(getU16(h + HeaderModeOffset));
    out.stampFlag = int(getU16(h + HeaderStampOffset));
    return out;
}

PhotoReader::Video PhotoReader::readVideo(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return readVideo(&buffer);
}

QByteArray PhotoReader::read(QIODevice *file, const Range &range)
{
    if (!file || range.offset < 0 || range.length <= 0 || range.offset >= file->size() || !file->seek(range.offset))
        return {};
    return file->read(qMin(range.length, file->size() - range.offset));
}

QByteArray PhotoReader::slice(const QByteArray &bytes, const Range &range)
{
    if (!inside(bytes.size(), range.offset, range.length))
        return {};
    return bytes.mid(range.offset, range.length);
}
