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
            side += record;
        }
        char n[4];
        qToLittleEndian<quint32>(quint32(videoBytes), n);
        side.append(n, 4);
        return file.write(side) == side.size();
    }
};
