#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

class QIODevice;

// The one reader of saved photos and recorded videos. It works on the
// bytes of a file of known size (or on an open file, for videos too large
// to hold) and never returns a range that does not lie inside them: every
// length and offset is checked before it is used. QtCore only.
class PhotoReader
{
public:
    struct Range
    {
        qint64 offset = 0;
        qint64 length = 0;
        bool isValid() const { return length > 0; }
        bool operator==(const Range &o) const { return offset == o.offset && length == o.length; }
    };
    struct Entry
    {
        uint32_t type = 0;
        Range range;
    };
    struct Note
    {
        uint32_t type = 0;   // 1 voice, 3 text
        Range range;
    };
    struct Photo
    {
        bool valid = false;      // N and the header lie inside the file
        qint64 jpegLength = 0;   // N
        Range header;
        int entryCount = 0;      // the header's count, as stored
        int imageMode = 0;       // the header's picture mode + 1
        int stampFlag = 0;
        QList<Entry> entries;    // checked entries in use, at most 16
        // The last type-0 entry with a length, at most one block long. A
        // shorter one (another firmware's, or cut by the card) is the start
        // of a block: its record reads as zeros past its end.
        Range irBlock;
        QList<Note> notes;
        bool hasMeasurements() const { return irBlock.isValid() && imageMode != 0 && imageMode != 2 && imageMode <= 6; }
    };

    // The side data of a recorded video: the video, then a header at N,
    // the directory (not used), one record a second from N + 416, and N in
    // the last 4 bytes. Records are found by their index.
    struct Video
    {
        bool valid = false;      // N, the header and the directory lie inside the file
        qint64 size = 0;         // of the whole file
        qint64 sideOffset = 0;   // N
        int imageMode = 0;       // the header's picture mode + 1
        int stampFlag = 0;       // 0: each record is followed by its frame
        qint64 firstRecord() const;
        // From one record to the next: 1,792 bytes, or a whole IR block
        // when the records carry their frames.
        qint64 stride() const;
        // The parameter record of record k (its frame left out). It exists
        // while its offset lies before the final u32; one the end cuts is
        // shorter and reads as zeros past it. Invalid when there is none.
        Range record(qint64 k) const;
    };

    // What the encoder service left: the JPEG, its own data and N at the end.
    struct ServiceFile
    {
        bool valid = false;
        qint64 jpegLength = 0;
        Range serviceData;   // between the JPEG and the final u32
    };

    // N from the final u32, valid when 0 < N and N + 4 <= size.
    static bool trailingLength(const QByteArray &bytes, qint64 *n);
    // The splitter of a fresh service file.
    static ServiceFile splitService(const QByteArray &bytes);
    static Photo readPhoto(const QByteArray &bytes);
    // The parameter record at the start of a checked IR block: at most
    // 1,792 bytes, never past the block.
    static Range parameterRecord(const Range &irBlock);

    // Reads the final u32 and the header of an open file (two bounded
    // reads, whatever the file's size).
    static Video readVideo(QIODevice *file);
    static Video readVideo(const QByteArray &bytes);
    // Record k's parameter record of a recorded video held in bytes.
    static Range videoRecord(const QByteArray &bytes, qint64 k) { return readVideo(bytes).record(k); }
    // The bytes of a range of an open file: fewer when the read falls
    // short, empty when the range is invalid or the file cannot seek.
    static QByteArray read(QIODevice *file, const Range &range);

    static QByteArray slice(const QByteArray &bytes, const Range &range);

private:
    PhotoReader() = delete;
};
