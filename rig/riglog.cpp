#include "riglog.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

RigLog::RigLog(const QString &path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644))
{
}

RigLog::~RigLog()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void RigLog::append(const QByteArray &line)
{
    if (m_fd < 0)
        return;
    const QByteArray whole = line + '\n';
    std::lock_guard<std::mutex> lock(m_mutex);
    // One write a line: a reader never sees half a line.
    ssize_t n;
    do {
        n = ::write(m_fd, whole.constData(), static_cast<size_t>(whole.size()));
    } while (n < 0 && errno == EINTR);
}
