#pragma once

#include "sharedmemory.h"

#include <QImage>

#include <cstdint>

// The board's video layer as the simulator shows it, handed to encoder-sim
// through one System V segment: a header with the picture's size and a
// sequence number, then the picture's pixels in 32-bit RGB, up to 640x480.
// The sequence is odd while the writer is inside, so a reader never takes a
// torn picture.
class FrameSegment
{
public:
    struct Header
    {
        uint32_t magic;
        uint32_t width;
        uint32_t height;
        uint32_t sequence;
    };
    static constexpr uint32_t Magic = 0x4F465247;   // "GRFO"
    static std::size_t segmentSize();

    // The simulator's side: creates the segment; false when it cannot.
    bool create();
    // Publishes picture at its own size (scaled to 640x480 when larger).
    bool publish(const QImage &picture);
    // encoder-sim's side: the last whole picture scaled to 640x480, or a
    // null image when there is no segment or the writer is busy.
    QImage read();
    // encoder-sim's side: true once read() has found the segment.
    bool isAttached() const { return m_memory.isAttached(); }

    void remove();

private:
    static QImage scaledToFrame(const QImage &picture);

    SharedMemory m_memory;
};
