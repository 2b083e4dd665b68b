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

bool FrameSegment::publish(const QImage &picture)
{
    if (!m_memory.isAttached() || picture.isNull())
        return false;
    const QImage scaled = picture.scaled(EncoderLink::FrameWidth, EncoderLink::FrameHeight, Qt::IgnoreAspectRatio)
                              .convertToFormat(QImage::Format_RGB32);
    auto *header = static_cast<Header *>(m_memory.data());
    auto *pixels = static_cast<uchar *>(m_memory.data()) + sizeof(Header);
    const uint32_t sequence = header->magic == Magic ? header->sequence : 0;
    header->sequence = sequence | 1u;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    for (int y = 0; y < scaled.height(); ++y)
        std::memcpy(pixels + std::size_t(y) * EncoderLink::FrameWidth * 4, scaled.constScanLine(y), std::size_t(EncoderLink::FrameWidth) * 4);
    header->width = EncoderLink::FrameWidth;
    header->height = EncoderLink::FrameHeight;
    header->magic = Magic;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    header->sequence = (sequence | 1u) + 1;
    return true;
}

QImage FrameSegment::read()
{
    if (!m_memory.isAttached() && !m_memory.attach(IpcKeys::key(EncoderLink::FrameKey), segmentSize(), true))
        return {};
    const auto *header = static_cast<const Header *>(m_memory.data());
    const uint32_t before = header->sequence;
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (header->magic != Magic || (before & 1u) || header->width != uint32_t(EncoderLink::FrameWidth)
        || header->height != uint32_t(EncoderLink::FrameHeight))
        return {};
    QImage out(EncoderLink::FrameWidth, EncoderLink::FrameHeight, QImage::Format_RGB32);
    std::memcpy(out.bits(), static_cast<const uchar *>(m_memory.data()) + sizeof(Header), std::size_t(out.sizeInBytes()));
    std::atomic_thread_fence(std::memory_order_seq_cst);
    if (header->sequence != before)
        return {};
    return out;
}

void FrameSegment::remove()
{
    m_memory.remove();
    m_memory.detach();
}
