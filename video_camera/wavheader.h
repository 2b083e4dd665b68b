#pragma once

#include <QByteArray>

// The 44-byte RIFF/WAVE header of a voice note: 8000 Hz, mono, signed
// 16-bit little-endian. It lies over the first 44 bytes of the recording,
// so the image length is the recorded byte count itself.
class WavHeader
{
public:
    enum { Size = 44, Rate = 8000, BytesPerSecond = 16000 };
    static QByteArray build(quint32 imageLength);

private:
    WavHeader() = delete;
};
