#include "stoppipe.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool StopPipe::open()
{
    close();
    return ::pipe2(m_fds, O_CLOEXEC | O_NONBLOCK) == 0;
}

void StopPipe::wake()
{
    if (m_fds[1] < 0)
        return;
    const char wake = 'q';
    ssize_t n;
    do {
        n = ::write(m_fds[1], &wake, 1);
    } while (n < 0 && errno == EINTR);
}

void StopPipe::close()
{
    for (int &fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}
