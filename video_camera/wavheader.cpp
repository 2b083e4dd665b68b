#include "wavheader.h"

#include <QtEndian>

namespace {
void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray WavHeader::build(quint32 imageLength)
{
    QByteArray out;
    out.reserve(Size);
    out.append("RIFF", 4);
    put32(out, imageLength - 8);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, Rate);
    put32(out, BytesPerSecond);
    put16(out, 2);
    put16(out, 16);
    out.append("data", 4);
    put32(out, imageLength - Size);
    return out;
}
