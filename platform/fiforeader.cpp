#include "fiforeader.h"

#include "paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <unistd.h>

FifoReader::FifoReader(const QString &path, QObject *parent)
    : QThread(parent)
    , m_path(path)
{
}

FifoReader::~FifoReader()
{
    stop();
}

bool FifoReader::ensureFifo(const QString &path)
{
    const QByteArray native = Paths::resolveNative(path);
    struct stat st {};
    if (::lstat(native.constData(), &st) == 0) {
        if (S_ISFIFO(st.st_mode))
            return true;
        if (S_ISDIR(st.st_mode) || ::unlink(native.constData()) != 0)
            return false;
    }
    return ::mkfifo(native.constData(), 0666) == 0 || errno == EEXIST;
}

bool FifoReader::open()
{
    if (isRunning())
        return true;
    if (!ensureFifo(m_path))
        return false;
    // Read-write keeps a writer on the pipe, so select() never reports an
    // endless end-of-file between two commands.
    m_fd = ::open(Paths::resolveNative(m_path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    if (!m_stop.open()) {
        closeAll();
        return false;
    }
    start();
    return true;
}

void FifoReader::stop()
{
    m_stop.wake();
    wait();
    closeAll();
}

void FifoReader::closeAll()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_stop.close();
}

void FifoReader::run()
{
    char buffer[4096];
    for (;;) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(m_fd, &set);
        FD_SET(m_stop.readFd(), &set);
        const int top = qMax(m_fd, m_stop.readFd()) + 1;
        const int ready = ::select(top, &set, nullptr, nullptr, nullptr);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (FD_ISSET(m_stop.readFd(), &set))
            return;
        if (!FD_ISSET(m_fd, &set))
            continue;
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0)
            Q_EMIT received(QByteArray(buffer, static_cast<int>(n)));
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            return;
    }
}
