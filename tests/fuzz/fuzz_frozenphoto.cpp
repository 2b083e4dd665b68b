// libFuzzer entry point: any bytes as the file the encoder service leaves,
// through every step that takes a photo apart and puts it together again:
// the splitter, the composition (with a new picture and with the
// encoder's kept) and a note added afterwards. Each refuses exactly the
// files whose layout does not fit, and what it returns reads back as a
// photo made of the parts put in.
#include "frozenphoto.h"
#include "photocomposition.h"
#include "photolayout.h"
#include "photoreader.h"
#include "photowriter.h"

#include <QLoggingCategory>

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace PhotoLayout;

namespace {

bool sameBytes(const QByteArray &bytes, qint64 offset, const QByteArray &expected)
{
    return offset >= 0 && offset + expected.size() <= bytes.size()
        && std::memcmp(bytes.constData() + offset, expected.constData(), size_t(expected.size())) == 0;
}

bool sameBytes(const QByteArray &a, qint64 aOffset, const QByteArray &b, qint64 bOffset, qint64 length)
{
    return aOffset >= 0 && bOffset >= 0 && length >= 0 && aOffset + length <= a.size() && bOffset + length <= b.size()
        && std::memcmp(a.constData() + aOffset, b.constData() + bOffset, size_t(length)) == 0;
}

void checkSplit(const QByteArray &photo)
{
    const qint64 size = photo.size();
    const auto layout = FrozenPhoto::split(photo);
    if (!layout)
        return;
    if (layout->jpegLength <= 0 || layout->blockLength < 0 || layout->blockOffset != layout->jpegLength
        || layout->blockOffset + layout->blockLength + LengthSize != size || uchar(photo[0]) != 0xFF
        || uchar(photo[1]) != 0xD8)
        std::abort();
    const auto bare = FrozenPhoto::split(size, photo.constData() + size - LengthSize);
    if (!bare || bare->jpegLength != layout->jpegLength)
        std::abort();
}

// The trailer the camera builds when it takes the photo: its bytes are
// its own, so that the check below can find them again.
const PhotoComposition::Trailer &trailer()
{
    static const PhotoComposition::Trailer t{QByteArray(HeaderSize, 'H'), 3, QByteArray(IrBlockSize, 'I')};
    return t;
}

// The composed picture: a JPEG of a length the encoder's never has.
const QByteArray &overlaid()
{
    static const QByteArray jpeg = QByteArray("\xFF\xD8") + QByteArray(37, 'C') + QByteArray("\xFF\xD9");
    return jpeg;
}

void checkComposition(const QByteArray &service, bool withPicture)
{
    const PhotoComposition::Composer composer = [withPicture](const QByteArray &) {
        return withPicture ? overlaid() : QByteArray();
    };
    const QByteArray whole = PhotoComposition::compose(service, trailer(), composer);
    const PhotoReader::ServiceFile split = PhotoReader::splitService(service);
    const bool fits = split.valid && split.serviceData.length >= TrailerRoom;
    if (whole.isEmpty() != !fits)
        std::abort();
    if (!fits)
        return;
    const QByteArray jpeg = withPicture ? overlaid() : service.left(int(split.jpegLength));
    const qint64 ownLength = split.serviceData.length - TrailerRoom;   // the encoder's block
    const qint64 irOffset = whole.size() - LengthSize - IrBlockSize;
    if (whole.size() != jpeg.size() + TrailerRoom + ownLength + IrBlockSize + LengthSize)
        std::abort();
    const PhotoReader::Photo photo = PhotoReader::readPhoto(whole);
    if (!photo.valid || photo.jpegLength != jpeg.size() || photo.entryCount != 2 || photo.imageMode != trailer().imageMode + 1)
        std::abort();
    // The picture, the camera's header (but for the mode and the count)
    // and the encoder's block, each where it belongs.
    const qint64 header = jpeg.size();
    if (!sameBytes(whole, 0, jpeg) || !sameBytes(whole, header, trailer().header, 0, HeaderModeOffset)
        || !sameBytes(whole, header + HeaderStampOffset, trailer().header, HeaderStampOffset, HeaderSize - HeaderStampOffset)
        || !sameBytes(whole, header + TrailerRoom, service, split.jpegLength + TrailerRoom, ownLength))
        std::abort();
    // The directory holds the encoder's block and the IR block, and nothing
    // of what the encoder left in the room.
    const PhotoReader::Range ir{irOffset, IrBlockSize};
    if (!(photo.irBlock == ir) || !sameBytes(whole, irOffset, trailer().irBlock) || photo.entries.isEmpty()
        || photo.entries.last().type != IrSection || !(photo.entries.last().range == ir) || !photo.notes.isEmpty())
        std::abort();
    if (ownLength > 0
        && (photo.entries.size() != 2 || photo.entries.first().type != ServiceSection
            || !(photo.entries.first().range == PhotoReader::Range{jpeg.size() + TrailerRoom, ownLength})))
        std::abort();
}

void checkNote(const QByteArray &photo)
{
    static const QByteArray note("valve hot");
    PhotoWriter::Result why = PhotoWriter::Ok;
    const QByteArray noted = PhotoWriter::withNote(photo, TextNote, note, &why);
    qint64 n = 0;
    const qint64 size = photo.size();
    const bool fits = PhotoReader::trailingLength(photo, &n) && n + TrailerRoom + LengthSize <= size;
    if (noted.isEmpty() != (why != PhotoWriter::Ok) || (!fits && why != PhotoWriter::BadLayout))
        std::abort();
    if (!fits)
        return;
    const int count = int(getU16(reinterpret_cast<const unsigned char *>(photo.constData()) + n + HeaderCountOffset));
    if ((count >= EntryCount) != (why == PhotoWriter::DirectoryFull))
        std::abort();
    if (noted.isEmpty())
        return;
    // The photo as it was, then the note, then N again; the note is the
    // last entry in use.
    const PhotoReader::Photo read = PhotoReader::readPhoto(noted);
    const PhotoReader::Range range{size - LengthSize, note.size()};
    if (noted.size() != size + note.size() || !sameBytes(noted, 0, photo, 0, n + HeaderCountOffset)
        || !sameBytes(noted, range.offset, note) || !read.valid || read.entryCount != count + 1 || read.notes.isEmpty()
        || !(read.notes.last().range == range) || read.entries.last().type != TextNote)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.warning=false"));
        return true;
    }();
    (void)quiet;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkSplit(bytes);
    checkComposition(bytes, true);
    checkComposition(bytes, false);
    checkNote(bytes);
    return 0;
}
