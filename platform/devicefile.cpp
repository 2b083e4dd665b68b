#include "devicefile.h"

#include "paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

DeviceFile::~DeviceFile()
{
    close();
}

void DeviceFile::setPath(const QString &path)
{
    close();
    m_path = path;
}

bool DeviceFile::open(int flags)
{
    close();
    if (m_path.isEmpty())
        return false;
    m_fd = ::open(Paths::resolveNative(m_path).constData(), flags | O_CLOEXEC);
    return m_fd >= 0;
}

void DeviceFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QByteArray DeviceFile::readAt(qint64 offset, int maxBytes) const
{
    if (m_fd < 0 || maxBytes <= 0 || offset < 0)
        return QByteArray();
    QByteArray buffer(maxBytes, Qt::Uninitialized);
    ssize_t n;
    do {
        n = ::pread(m_fd, buffer.data(), static_cast<size_t>(maxBytes), static_cast<off_t>(offset));
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return QByteArray();
    buffer.truncate(static_cast<int>(n));
    return buffer;
}

bool DeviceFile::writeAt(qint64 offset, const QByteArray &data) const
{
    if (m_fd < 0 || offset < 0)
        return false;
    ssize_t n;
    do {
        n = ::pwrite(m_fd, data.constData(), static_cast<size_t>(data.size()), static_cast<off_t>(offset));
    } while (n < 0 && errno == EINTR);
    return n == data.size();
}

QByteArray DeviceFile::read(int maxBytes) const
{
    if (m_fd < 0 || maxBytes <= 0)
        return QByteArray();
    QByteArray buffer(maxBytes, Qt::Uninitialized);
    ssize_t n;
    do {
        n = ::read(m_fd, buffer.data(), static_cast<size_t>(maxBytes));
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return QByteArray();
    buffer.truncate(static_cast<int>(n));
    return buffer;
}

bool DeviceFile::write(const QByteArray &data) const
{
    if (m_fd < 0)
        return false;
    ssize_t n;
    do {
        n = ::write(m_fd, data.constData(), static_cast<size_t>(data.size()));
    } while (n < 0 && errno == EINTR);
    return n == data.size();
}

bool DeviceFile::control(unsigned long request, void *argument) const
{
    return m_fd >= 0 && ::ioctl(m_fd, request, argument) == 0;
}

int DeviceFile::controlResult(unsigned long request, void *argument) const
{
    if (m_fd < 0)
        return -1;
    const int result = ::ioctl(m_fd, request, argument);
    return result < 0 ? -1 : result;
}

QByteArray DeviceFile::readSmallFile(const QString &path, int maxBytes)
{
    DeviceFile file(path);
    if (!file.open(O_RDONLY))
        return QByteArray();
    return file.read(maxBytes);
}
