#include "recordformat.h"

#include "photolayout.h"

#include <QString>

#include <algorithm>
#include <cstring>

using namespace PhotoLayout;

uint16_t RecordFormat::clampU16(double v)
{
    if (!(v > 0))   // also NaN
        return 0;
    return v >= 65535.0 ? uint16_t(65535) : uint16_t(v);
}

uint8_t RecordFormat::clampU8(double v)
{
    if (!(v > 0))
        return 0;
    return v >= 255.0 ? uint8_t(255) : uint8_t(v);
}

uint16_t RecordFormat::encodeT10(float celsius)
{
    const float v = (celsius + 100.0f) * 10.0f;
    return clampU16(double(v));
}

uint16_t RecordFormat::encodeT10r(double celsius)
{
    return clampU16((celsius + 0.05 + 100.0) * 10.0);
}

uint8_t RecordFormat::encodeEmissivity(double e)
{
    return clampU8((e + 0.000001) * 100.0);
}

uint16_t RecordFormat::encodeOffset(double offset)
{
    return clampU16((offset + 100.0) * 10.0);
}

uint16_t RecordFormat::encodeMixZoom(int mixZoom)
{
    if (mixZoom <= 0)
        mixZoom = 232;
    return clampU16(256.0 / mixZoom * 100.0);
}

namespace {

void putText(QByteArray &out, int offset, const QByteArray &text, int width)
{
    std::memcpy(out.data() + offset, text.constData(), size_t(std::min<int>(int(text.size()), width)));
}

unsigned char *at(QByteArray &out, int offset)
{
    return reinterpret_cast<unsigned char *>(out.data()) + offset;
}

void putStatus(QByteArray &out, int offset, const QByteArray &status, int width)
{
    // Always leaves a terminator inside the field.
    putText(out, offset, status.left(width - 1), width - 1);
}

// The global values every tool record repeats.
struct SharedPara
{
    uint16_t env;
    uint8_t humid;
    uint8_t modify;
    uint16_t reflec;
};

// The fields spot and line records share, at the same offsets.
void putPointTool(QByteArray &out, int o, const RecordFormat::Reading &reading, const RecordFormat::ToolSettings &settings,
                  const SharedPara &shared)
{
    out[o] = 1;
    out[o + 0x01] = char(RecordFormat::encodeEmissivity(settings.emiss));
    putU16(at(out, o + 0x06), reading.ad);
    putU16(at(out, o + 0x08), RecordFormat::encodeT10r(reading.temp));
    putU16(at(out, o + 0x0A), RecordFormat::clampU16(settings.distance));
    putU16(at(out, o + 0x0C), shared.env);
    out[o + 0x0E] = char(shared.humid);
    out[o + 0x0F] = char(shared.modify);
    putU16(at(out, o + 0x10), shared.reflec);
    putU16(at(out, o + 0x12), RecordFormat::encodeOffset(settings.offset));
}

} // namespace

QByteArray RecordFormat::buildFilePara(const FileParaValues &v)
{
    QByteArray out(HeaderSize, '\0');
    putText(out, 0x00, v.deviceType, 8);
    putU32(at(out, 0x08), HeaderSize);
    putText(out, 0x0C, v.productor, 15);
    out[0x1B] = char(0xFF);
    putText(out, 0x1C, v.produceDate, 15);
    out[0x2B] = char(0xFF);
    putText(out, 0x2C, v.serialNo, 15);
    out[0x3B] = char(0xFF);
    putText(out, 0x3C, v.version.right(6), 15);
    out[0x4B] = char(0xFF);
    const QByteArray stamp = QString::asprintf("%04d%02d%02d%02d%02d%02d", v.year, v.month, v.day, v.hour, v.minute, v.second).toLatin1();
    putText(out, 0x4C, stamp, 15);
    putU16(at(out, 0x5C), 640);
    putU16(at(out, 0x5E), 480);
    putU16(at(out, 0x60), 640);
    putU16(at(out, 0x62), 480);
    putU16(at(out, 0x64), FrameWidth);
    putU16(at(out, 0x66), FrameHeight);
    putU16(at(out, HeaderStampOffset), 1);
    out[0x6E] = char(clampU8(v.tempUnit));
    putU16(at(out, 0x72), 640);
    putU16(at(out, 0x74), 480);
    putU16(at(out, 0x76), 200);
    putU16(at(out, 0x78), encodeMixZoom(v.mixZoom));
    putU16(at(out, 0x7E), uint16_t(v.mixDx));
    putU16(at(out, 0x80), uint16_t(v.mixDy));
    return out;
}

QByteArray RecordFormat::buildImagePara(const ImageParaValues &v)
{
    QByteArray out(ParaSize, '\0');
    const uint16_t env = encodeT10(v.env);
    const uint8_t humid = clampU8(double(v.humid * 100.0f));
    const uint8_t modify = clampU8(v.modify);
    const uint16_t reflec = encodeT10(v.reflec);
    const SharedPara shared{env, humid, modify, reflec};

    out[0x025] = char(encodeEmissivity(v.systemEmiss));
    putU16(at(out, 0x026), clampU16(v.systemDistance));
    putU16(at(out, 0x028), env);
    out[0x02A] = char(humid);
    out[0x02B] = char(modify);
    putU16(at(out, 0x02C), reflec);
    putU16(at(out, 0x02E), encodeT10(v.systemOffset));
    putU16(at(out, 0x030), encodeT10r(v.level));
    putU16(at(out, 0x032), encodeT10r(v.span));
    putU16(at(out, 0x034), encodeT10r(v.maxTemp));
    putU16(at(out, 0x036), encodeT10r(v.minTemp));
    putU16(at(out, 0x038), uint16_t(v.lensIndex & 0xFF));
    out[0x03A] = char(clampU8(v.tempRange));
    out[0x03B] = char(clampU8(v.isoColor));
    putU16(at(out, 0x03C), clampU16(v.isoMode));
    putU16(at(out, 0x03E), encodeT10(v.isoLevel));
    putU16(at(out, 0x040), encodeT10(v.isoWidth));
    out[0x049] = char(clampU8(v.alarmSwitch));
    putU16(at(out, 0x04A), encodeT10(v.alarmTemp));
    out[0x04C] = char(clampU8(v.alarmMode));
    out[0x04D] = char(clampU8(v.alarmTarget));
    putU16(at(out, 0x04E), clampU16(v.paletteIndex));
    putU16(at(out, 0x050), clampU16(v.boardLevel));
    putU16(at(out, 0x052), clampU16(v.boardSpan));
    putU16(at(out, 0x054), encodeT10(v.shutterTemp));
    putU16(at(out, 0x056), encodeT10(v.sensorTemp));
    putU16(at(out, 0x058), encodeT10(v.lenTemp));
    putU16(at(out, 0x05A), clampU16(double(v.modifyValue * 10000.0f)));
    putU16(at(out, 0x05C), clampU16(double(v.shutterDeltaAD + 10000.0f)));
    putU16(at(out, 0x05E), clampU16(v.second));

    for (int n = 0; n < 3; ++n) {
        const Spot &s = v.spots[n];
        out[0x000 + n] = char(s.exists ? 1 : 0);
        if (!s.exists || !s.shown)
            continue;
        const int o = 0x100 + 32 * n;
        putPointTool(out, o, s.reading, s.settings, shared);
        putU16(at(out, o + 0x02), clampU16(s.x));
        putU16(at(out, o + 0x04), clampU16(s.y));
        putU16(at(out, o + 0x14), clampU16(s.mode));
        out[o + 0x16] = char(clampU8(s.settings.paraMode));
        putStatus(out, o + 0x17, s.reading.status, 9);
    }
    for (int n = 0; n < 3; ++n) {
        const Area &a = v.areas[n];
        out[0x010 + n] = char(a.exists ? 1 : 0);
        if (!a.exists || !a.shown)
            continue;
        const int o = 0x300 + 64 * n;
        out[o] = 1;
        out[o + 0x01] = char(encodeEmissivity(a.settings.emiss));
        putU16(at(out, o + 0x02), clampU16(a.x));
        putU16(at(out, o + 0x04), clampU16(a.y));
        putU16(at(out, o + 0x06), clampU16(a.x + a.width));
        putU16(at(out, o + 0x08), clampU16(a.y + a.height));
        putU16(at(out, o + 0x0A), encodeT10r(a.max.temp));
        putU16(at(out, o + 0x0C), a.max.ad);
        putU16(at(out, o + 0x0E), encodeT10r(a.min.temp));
        putU16(at(out, o + 0x10), a.min.ad);
        putU16(at(out, o + 0x12), encodeT10r(a.avg.temp));
        putU16(at(out, o + 0x14), a.avg.ad);
        putU16(at(out, o + 0x16), clampU16(a.settings.distance));
        putU16(at(out, o + 0x18), env);
        out[o + 0x1A] = char(humid);
        out[o + 0x1B] = char(100);
        putU16(at(out, o + 0x1C), reflec);
        putU16(at(out, o + 0x1E), encodeOffset(a.settings.offset));
        putU16(at(out, o + 0x20), clampU16(a.maxX));
        putU16(at(out, o + 0x22), clampU16(a.maxY));
        putU16(at(out, o + 0x24), clampU16(a.minX));
        putU16(at(out, o + 0x26), clampU16(a.minY));
        out[o + 0x28] = char(clampU8(a.maxOn));
        out[o + 0x29] = char(clampU8(a.minOn));
        out[o + 0x2A] = char(clampU8(a.avgOn));
        out[o + 0x2B] = char(clampU8(a.settings.paraMode));
        putStatus(out, o + 0x2C, a.max.status, 6);
        putStatus(out, o + 0x32, a.min.status, 6);
        putStatus(out, o + 0x38, a.avg.status, 8);
    }
    for (int n = 0; n < 2; ++n) {
        const Line &l = v.lines[n];
        out[0x020 + n] = char(l.exists ? 1 : 0);
        if (!l.exists || !l.shown)
            continue;
        const int o = 0x500 + 32 * n;
        putPointTool(out, o, l.reading, l.settings, shared);
        // y before x, the reverse of the spot record.
        putU16(at(out, o + 0x02), clampU16(l.y));
        putU16(at(out, o + 0x04), clampU16(l.x));
        out[o + 0x14] = char(clampU8(l.settings.paraMode));
        putStatus(out, o + 0x15, l.reading.status, 11);
    }
    const int points = std::clamp(v.tablePoints, 0, 60);
    putU32(at(out, 0x600), uint32_t(points));
    putU32(at(out, 0x67C), uint32_t(points));
    for (int i = 0; i < 60; ++i) {
        putU16(at(out, 0x604 + 2 * i), v.tableAD[i]);
        putU16(at(out, 0x680 + 2 * i), uint16_t(v.tableTemp[i]));
    }
    return out;
}

QByteArray RecordFormat::sectionEntry(uint32_t type, uint32_t offset, uint32_t length)
{
    QByteArray out(EntrySize, '\0');
    putU32(at(out, 0), type);
    putU32(at(out, 4), offset);
    putU32(at(out, 8), length);
    return out;
}

QByteArray RecordFormat::videoSideFileStart(const QByteArray &header, int imageMode)
{
    QByteArray out = header.left(HeaderSize);
    out.resize(HeaderSize, '\0');
    putU16(at(out, HeaderModeOffset), clampU16(imageMode + 1));
    out += sectionEntry(IrSection, HeaderSize, IrBlockSize);
    out += QByteArray(DirectorySize - EntrySize, '\0');
    return out;
}
