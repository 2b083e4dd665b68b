#include "progressfifo.h"

#include "paths.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ProgressFifo::ProgressFifo(const QString &path)
{
    const QByteArray native = Paths::resolveNative(path);
    if (::unlink(native.constData()) != 0 && errno != ENOENT)
        qWarning("cannot remove %s: %s", native.constData(), std::strerror(errno));
    if (::mkfifo(native.constData(), 0666) != 0) {
        qWarning("cannot make the progress pipe %s: %s", native.constData(), std::strerror(errno));
        return;
    }
    m_fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        qWarning("cannot open the progress pipe %s: %s", native.constData(), std::strerror(errno));
}

ProgressFifo::~ProgressFifo()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QByteArray ProgressFifo::read()
{
    if (m_fd < 0)
        return QByteArray();
    QByteArray data(ReadSize, Qt::Uninitialized);
    ssize_t got;
    do {
        got = ::read(m_fd, data.data(), data.size());
    } while (got < 0 && errno == EINTR);
    if (got <= 0)
        return QByteArray();
    data.resize(got);
    return data;
}
