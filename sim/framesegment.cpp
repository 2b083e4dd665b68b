#include "framesegment.h"

#include "encoderlink.h"
#include "ipckeys.h"

#include <atomic>
#include <cstring>

std::size_t FrameSegment::segmentSize()
{
    return sizeof(Header) + std::size_t(EncoderLink::FrameWidth) * EncoderLink::FrameHeight * 4;
}

bool FrameSegment::create()
{
    if (m_memory.isAttached())
        return true;
    return m_memory.create(IpcKeys::key(EncoderLink::FrameKey), segmentSize());
}

// The picture goes in at its own size (the board's layer is a quarter of
// the segment): the scaling is the reader's, for the frames it takes.
bool FrameSegment::publish(const QImage &picture)
{
    if (!m_memory.isAttached() || picture.isNull())
        return false;
    const bool fits = picture.width() <= EncoderLink::FrameWidth && picture.height() <= EncoderLink::FrameHeight;
    const QImage pixels = fits ? picture.convertToFormat(QImage::Format_RGB32) : scaledToFrame(picture);
    const std::size_t rowBytes = std::size_t(pixels.width()) * 4;
    auto *header = static_cast<Header *>(m_memory.data());
    auto *out = static_cast<uchar *>(m_memory.data()) + sizeof(Header);
    const uint32_t sequence = header->magic == Magic ? header->sequence : 0;
    header->sequence = sequence | 1u;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(out + std::size_t(y) * rowBytes, pixels.constScanLine(y), rowBytes);
    header->width = uint32_t(pixels.width());
    header->height = uint32_t(pixels.height());
    header->magic = Magic;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    header->sequence = (sequence | 1u) + 1;
    return true;
}

QImage FrameSegment::scaledToFrame(const QImage &picture)
{
    return picture.scaled(EncoderLink::FrameWidth, EncoderLink::FrameHeight, Qt::IgnoreAspectRatio)
        .convertToFormat(QImage::Format_RGB32);
}

QImage FrameSegment::read()
{
    if (!m_memory.isAttached() && !m_memory.attach(IpcKeys::key(EncoderLink::FrameKey), segmentSize(), true))
        return {};
    const auto *header = static_cast<const Header *>(m_memory.data());
    const uint32_t before = header->sequence;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    const uint32_t width = header->width;
    const uint32_t height = header->height;
    if (header->magic != Magic || (before & 1u) || width == 0 || height == 0
        || width > uint32_t(EncoderLink::FrameWidth) || height > uint32_t(EncoderLink::FrameHeight))
        return {};
    QImage out(int(width), int(height), QImage::Format_RGB32);
    const std::size_t rowBytes = std::size_t(width) * 4;
    const auto *pixels = static_cast<const uchar *>(m_memory.data()) + sizeof(Header);
    for (uint32_t y = 0; y < height; ++y)
        std::memcpy(out.scanLine(int(y)), pixels + std::size_t(y) * rowBytes, rowBytes);
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (header->sequence != before)
        return {};
    return out.size() == QSize(EncoderLink::FrameWidth, EncoderLink::FrameHeight) ? out : scaledToFrame(out);
}

void FrameSegment::remove()
{
    m_memory.remove();
    m_memory.detach();
}
