#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QtEndian>

// A recorded video as the recording path leaves it: the video bytes, the
// side data (header, directory, one record a second, each followed by a
// frame when the time-stamp flag is 0) and the u32 offset of the side data.
struct SideDataVideo
{
    int imageMode = 1;          // as stored: picture mode + 1
    int stampFlag = 1;
    QList<int> seconds;         // the stored second of each record
    qint64 videoBytes = 1000;   // the video part, a hole when large
    bool spot = false;          // spot 1 present in every record, reading OK
    int lastRecordBytes = 0;    // the last record cut to this many bytes (0: whole)

    static constexpr int RecordSize = 1792;
    static constexpr qint64 FrameBytes = 384 * 288 * 2;

    qint64 stride() const { return stampFlag ? RecordSize : RecordSize + FrameBytes; }
    qint64 firstRecord() const { return videoBytes + 416; }

    bool write(const QString &path) const
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        file.write(QByteArray("\x00\x00\x00\x1c" "ftypisom", 12));
        if (!file.seek(videoBytes))
            return false;
        QByteArray side(416, '\0');
        qToLittleEndian<quint16>(quint16(imageMode), side.data() + 0x68);
        qToLittleEndian<quint16>(quint16(stampFlag), side.data() + 0x6C);
        for (int second : seconds) {
            QByteArray record(int(stride()), '\0');
            qToLittleEndian<quint16>(quint16(second), record.data() + 0x5E);
            // Scene maximum 45.0 and minimum 20.0.
            qToLittleEndian<quint16>(1450, record.data() + 0x34);
            qToLittleEndian<quint16>(1200, record.data() + 0x36);
            if (spot) {
                record[0x100] = 1;
                qToLittleEndian<quint16>(100, record.data() + 0x102);
                qToLittleEndian<quint16>(80, record.data() + 0x104);
                // (T + 0.05 + 100) x 10 for 30 + second degrees.
                qToLittleEndian<quint16>(quint16((30 + second + 100) * 10), record.data() + 0x108);
                memcpy(record.data() + 0x117, "OK", 3);
            }
            if (lastRecordBytes > 0 && second == seconds.last())
                record.truncate(lastRecordBytes);
            side += record;
        }
        char n[4];
        qToLittleEndian<quint32>(quint32(videoBytes), n);
        side.append(n, 4);
        return file.write(side) == side.size();
    }
};
