#pragma once

#include <cstdint>

// Byte layout of a saved photo and of the video side file, shared by the
// record builders, the writers and the reader so that each size lives in
// one place.
namespace PhotoLayout {

constexpr int HeaderSize = 160;
constexpr int EntrySize = 16;
constexpr int EntryCount = 16;
constexpr int DirectorySize = EntrySize * EntryCount;        // 256
constexpr int TrailerRoom = HeaderSize + DirectorySize;       // 416
constexpr int LengthSize = 4;                                 // the final u32 N
constexpr int ParaSize = 1792;
constexpr int FrameWidth = 384;
constexpr int FrameHeight = 288;
constexpr int FrameSize = FrameWidth * FrameHeight * 2;       // 221,184
constexpr int IrBlockSize = ParaSize + FrameSize;             // 222,976
constexpr int PaletteSize = 1024;
// Notes take entries 2 to 15.
constexpr int MaxNotes = EntryCount - 2;

// Header fields used by more than the header builder.
constexpr int HeaderModeOffset = 0x68;
constexpr int HeaderCountOffset = 0x6A;
constexpr int HeaderStampOffset = 0x6C;

// Section types.
enum SectionType : uint32_t { IrSection = 0, VoiceNote = 1, TextNote = 3, ServiceSection = 4 };

inline void putU16(unsigned char *p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void putU32(unsigned char *p, uint32_t v)
{
    putU16(p, v);
    putU16(p + 2, v >> 16);
}
inline uint32_t getU16(const unsigned char *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
inline uint32_t getU32(const unsigned char *p) { return getU16(p) | getU16(p + 2) << 16; }

} // namespace PhotoLayout
