#include "fifowriter.h"

#include "paths.h"

#include <QElapsedTimer>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The longest sleep between two looks at the pipe when no event came: a
// reader's open or read wakes the writer at once, this only bounds what an
// event the kernel does not give (or a missing inotify) can cost.
constexpr int LookAgainMs = 50;

int remaining(const QElapsedTimer &timer, int timeoutMs)
{
    return qMax(0, timeoutMs - static_cast<int>(timer.elapsed()));
}

class Fd
{
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    int get() const { return m_fd; }
private:
    int m_fd;
};

// Wakes the writer when a reader opens the pipe or reads from it, instead
// of looking again every few milliseconds. Armed only when the writer has
// to wait; the caller looks at the pipe again after arming, so an event
// between its look and the arming is not lost.
class PipeEvents
{
public:
    ~PipeEvents()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    bool armed() const { return m_tried; }

    void arm(const QByteArray &native)
    {
        m_tried = true;
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_fd < 0)
            return;
        if (::inotify_add_watch(m_fd, native.constData(), IN_OPEN | IN_ACCESS | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF)
            < 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }

    // Sleeps until an event at the pipe, at most ms (and LookAgainMs).
    void wait(int ms)
    {
        const int bound = qMin(ms, LookAgainMs);
        if (m_fd < 0) {
            ::poll(nullptr, 0, bound);
            return;
        }
        pollfd pfd{m_fd, POLLIN, 0};
        if (::poll(&pfd, 1, bound) > 0) {
            char events[512];
            while (::read(m_fd, events, sizeof events) > 0) {
            }
        }
    }

private:
    int m_fd = -1;
    bool m_tried = false;
};
} // namespace

FifoWriter::Result FifoWriter::write(const QString &path, const QByteArray &command, int timeoutMs)
{
    if (command.size() > PIPE_BUF)
        return TooLong;
    const QByteArray native = Paths::resolveNative(path);
    QElapsedTimer timer;
    timer.start();
    PipeEvents events;

    int fd = -1;
    for (;;) {
        struct stat st {};
        if (::lstat(native.constData(), &st) != 0)
            return errno == ENOENT ? Missing : Failed;
        if (!S_ISFIFO(st.st_mode))
            return NotAFifo;
        // No O_CREAT: a pipe that vanished between the checks is an error,
        // never a new regular file.
        fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            break;
        if (errno != ENXIO)
            return Failed;
        if (remaining(timer, timeoutMs) == 0)
            return NoReader;
        if (!events.armed()) {
            events.arm(native);
            continue;
        }
        events.wait(remaining(timer, timeoutMs));
    }
    Fd guard(fd);

    // Wait until the reader has taken everything that is still queued, so
    // this command reaches it on its own.
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, FIONREAD, &queued) != 0 || queued == 0)
            break;
        if (remaining(timer, timeoutMs) == 0)
            return Busy;
        if (!events.armed()) {
            events.arm(native);
            continue;
        }
        events.wait(remaining(timer, timeoutMs));
    }

    pollfd pfd{fd, POLLOUT, 0};
    int ready;
    do {
        ready = ::poll(&pfd, 1, remaining(timer, timeoutMs));
    } while (ready < 0 && errno == EINTR);
    if (ready == 0)
        return Busy;
    if (ready < 0 || (pfd.revents & (POLLERR | POLLHUP)))
        return NoReader;

    ssize_t n;
    do {
        n = ::write(fd, command.constData(), static_cast<size_t>(command.size()));
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return errno == EPIPE ? NoReader : Failed;
    return n == command.size() ? Written : Failed;
}

const char *FifoWriter::describe(Result result)
{
    switch (result) {
    case Written: return "written";
    case Missing: return "pipe missing";
    case NotAFifo: return "not a pipe";
    case NoReader: return "no reader";
    case Busy: return "reader busy";
    case Failed: return "write failed";
    case TooLong: return "command too long";
    }
    return "unknown";
}
