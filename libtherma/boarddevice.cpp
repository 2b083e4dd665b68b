#include "boarddevice.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

BoardDevice::BoardDevice(const QString &path)
    : m_file(path)
{
    if (!m_file.open(O_RDWR))
        perror("open fpga device failed");
}

BoardDevice::~BoardDevice() = default;

bool BoardDevice::isOpen() const
{
    return m_file.isOpen();
}

int BoardDevice::readAt(uint32_t offset, void *buffer, int length)
{
    if (!m_file.isOpen() || !buffer || length < 0) {
        errno = EBADF;
        return -1;
    }
    ssize_t n;
    do {
        n = ::pread(m_file.fd(), buffer, static_cast<size_t>(length), static_cast<off_t>(offset));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? -1 : static_cast<int>(n);
}

int BoardDevice::writeAt(uint32_t offset, const void *buffer, int length)
{
    if (!m_file.isOpen() || !buffer || length < 0) {
        errno = EBADF;
        return -1;
    }
    ssize_t n;
    do {
        n = ::pwrite(m_file.fd(), buffer, static_cast<size_t>(length), static_cast<off_t>(offset));
    } while (n < 0 && errno == EINTR);
    return n < 0 ? -1 : static_cast<int>(n);
}
