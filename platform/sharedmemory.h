#pragma once

#include <cstddef>
#include <sys/types.h>

// One System V shared-memory segment. Every failure (no segment, a segment
// smaller than the caller needs, a failed attach) is an error result, never
// a pointer into nothing.
class SharedMemory
{
public:
    SharedMemory() = default;
    ~SharedMemory();
    SharedMemory(const SharedMemory &) = delete;
    SharedMemory &operator=(const SharedMemory &) = delete;

    // Attaches an existing segment that must hold at least minSize bytes.
    bool attach(key_t key, std::size_t minSize, bool readOnly = false);
    // Creates (or reuses, when large enough) a segment and attaches it.
    bool create(key_t key, std::size_t size);
    void detach();
    // Marks the segment for removal once everybody has detached.
    bool remove();

    bool isAttached() const { return m_data != nullptr; }
    void *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    int id() const { return m_id; }

private:
    bool attachId(int id, std::size_t minSize, bool readOnly);

    int m_id = -1;
    void *m_data = nullptr;
    std::size_t m_size = 0;
};
