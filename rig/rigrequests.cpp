#include "rigrequests.h"

#include "riglog.h"
#include "rtcdevice.h"
#include "simpowerdevice.h"
#include "simrtc.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <linux/seccomp.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What a request's descriptor names, as this process sees it.
QByteArray descriptorPath(pid_t pid, unsigned long long fd)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/%d/fd/%llu", int(pid), fd);
    char target[4096];
    const ssize_t n = ::readlink(link, target, sizeof target - 1);
    return n > 0 ? QByteArray(target, int(n)) : QByteArray();
}

} // namespace

// The memory of the program behind a request, through its /proc mem file:
// once opened, the file stays with that process, whatever its number
// names later.
class RigRequests::ProgramMemory
{
public:
    explicit ProgramMemory(pid_t pid)
    {
        char path[64];
        std::snprintf(path, sizeof path, "/proc/%d/mem", int(pid));
        m_fd = ::open(path, O_RDWR | O_CLOEXEC);
    }
    ~ProgramMemory()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ProgramMemory(const ProgramMemory &) = delete;
    ProgramMemory &operator=(const ProgramMemory &) = delete;

    bool read(unsigned long long address, void *buffer, size_t size) const
    {
        return m_fd >= 0 && address != 0 && ::pread(m_fd, buffer, size, off_t(address)) == ssize_t(size);
    }
    bool write(unsigned long long address, const void *buffer, size_t size) const
    {
        return m_fd >= 0 && address != 0 && ::pwrite(m_fd, buffer, size, off_t(address)) == ssize_t(size);
    }

private:
    int m_fd = -1;
};

int RigRequests::receiveDescriptor(int channel)
{
    char byte = 0;
    iovec data{&byte, 1};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    if (::recvmsg(channel, &message, MSG_CMSG_CLOEXEC) != 1)
        return -1;
    const cmsghdr *header = CMSG_FIRSTHDR(&message);
    if (!header || header->cmsg_level != SOL_SOCKET || header->cmsg_type != SCM_RIGHTS
        || header->cmsg_len != CMSG_LEN(sizeof(int)))
        return -1;
    int fd = -1;
    std::memcpy(&fd, CMSG_DATA(header), sizeof fd);
    return fd;
}

RigRequests::RigRequests(std::shared_ptr<SimRtc> rtc, RigLog *powerLog, RigLog *clockLog)
    : m_rtc(std::move(rtc))
    , m_powerLog(powerLog)
    , m_clockLog(clockLog)
{
}

RigRequests::~RigRequests()
{
    stop();
}

bool RigRequests::listen(const QString &socketPath, QString *error)
{
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof address.sun_path) {
        *error = QStringLiteral("the socket path %1 is too long").arg(socketPath);
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ::unlink(path.constData());
    m_socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_socket, 4) != 0 || !m_stop.open()) {
        *error = QStringLiteral("cannot listen at %1: %2").arg(socketPath, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_thread = std::thread([this] { serve(); });
    return true;
}

void RigRequests::stop()
{
    if (m_thread.joinable()) {
        m_stop.wake();
        m_thread.join();
    }
    for (int listener : m_listeners)
        ::close(listener);
    m_listeners.clear();
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

void RigRequests::serve()
{
    for (;;) {
        std::vector<pollfd> watched{{m_stop.readFd(), POLLIN, 0}, {m_socket, POLLIN, 0}};
        for (int listener : m_listeners)
            watched.push_back({listener, POLLIN, 0});
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (watched[0].revents)
            return;
        if (watched[1].revents & POLLIN)
            acceptListener();
        for (size_t i = 2; i < watched.size(); ++i) {
            if (watched[i].revents & POLLIN)
                answer(watched[i].fd);
            else if (watched[i].revents & (POLLHUP | POLLERR)) {
                // Every program of that filter has ended.
                ::close(watched[i].fd);
                m_listeners.erase(std::find(m_listeners.begin(), m_listeners.end(), watched[i].fd));
            }
        }
    }
}

void RigRequests::acceptListener()
{
    const int channel = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
    if (channel < 0)
        return;
    const int listener = receiveDescriptor(channel);
    if (listener >= 0) {
        m_listeners.push_back(listener);
        const char taken = 'T';
        (void)!::write(channel, &taken, 1);
    }
    ::close(channel);
}

void RigRequests::answer(int listener)
{
    seccomp_notif request{};
    if (::ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &request) != 0)
        return;
    respond(listener, request);
}

void RigRequests::respond(int listener, const seccomp_notif &request)
{
    const auto pending = [listener, id = request.id] {
        __u64 asked = id;
        return ::ioctl(listener, SECCOMP_IOCTL_NOTIF_ID_VALID, &asked) == 0;
    };
    // Opened while the request waits, the memory is the requester's.
    const ProgramMemory memory(pid_t(request.pid));
    if (!pending())
        return;
    seccomp_notif_resp response{};
    response.id = request.id;
    long long result = 0;
    if (request.data.nr == __NR_sync) {
        // Nothing of this machine is flushed for the program.
        m_powerLog->append("sync");
    } else if (request.data.nr == __NR_settimeofday || request.data.nr == __NR_clock_settime) {
        // Nor is its clock set: the time asked for is recorded.
        result = recordSystemTime(request, memory, pending);
        if (result < 0)
            response.error = int(result);
    } else if (!handleIoctl(request, memory, pending, &result)) {
        response.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
    } else if (result < 0) {
        response.error = int(result);
    } else {
        response.val = result;
    }
    // A request gone meanwhile is refused here by the kernel.
    ::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &response);
}

long long RigRequests::recordSystemTime(const seccomp_notif &request, const ProgramMemory &memory,
                                        const std::function<bool()> &pending)
{
    struct {
        qint64 seconds;
        qint64 fraction; // microseconds (timeval) or nanoseconds (timespec)
    } time{};
    if (request.data.nr == __NR_clock_settime) {
        // Only the wall clock can be set; the others have no setting.
        if (qint32(request.data.args[0]) != CLOCK_REALTIME)
            return -EINVAL;
        if (!memory.read(request.data.args[1], &time, sizeof time))
            return -EFAULT;
        if (time.seconds < 0 || time.fraction < 0 || time.fraction >= 1000000000)
            return -EINVAL;
    } else {
        // settimeofday(tv, tz): either may be null; both null is no change
        // at all, and succeeds.
        const unsigned long long tv = request.data.args[0];
        const unsigned long long tz = request.data.args[1];
        if (tv && !memory.read(tv, &time, sizeof time))
            return -EFAULT;
        if (tv && (time.fraction < 0 || time.fraction >= 1000000))
            return -EINVAL;
        struct {
            qint32 minutesWest;
            qint32 dstTime;
        } zone{};
        if (tz && !memory.read(tz, &zone, sizeof zone))
            return -EFAULT;
        if (tv && time.seconds < 0)
            return -EINVAL;
        if (tz && (zone.minutesWest > 15 * 60 || zone.minutesWest < -15 * 60))
            return -EINVAL;
        if (!tv)
            return pending() ? 0 : -EINTR;
    }
    // What was read counts only if the program still waits for it.
    if (!pending())
        return -EINTR;
    m_clockLog->append("system " + QDateTime::fromSecsSinceEpoch(time.seconds).toString(Qt::ISODate).toLatin1());
    return 0;
}

bool RigRequests::handleIoctl(const seccomp_notif &request, const ProgramMemory &memory,
                              const std::function<bool()> &pending, long long *result)
{
    const pid_t pid = pid_t(request.pid);
    const QByteArray node = descriptorPath(pid, request.data.args[0]);
    // The node read is the program's only while its request still waits.
    if (!pending()) {
        *result = -EINTR;
        return true;
    }
    const unsigned long code = static_cast<unsigned int>(request.data.args[1]);
    const unsigned long long argument = request.data.args[2];
    const bool gpio = node.endsWith("/dev/rig/DM365-GPIO");
    const bool pwm = node.endsWith("/dev/rig/DM365-PWM");
    const bool clock = node.endsWith("/dev/X12026");
    if (!gpio && !pwm && !clock)
        return false;

    if (clock) {
        RtcRecord record;
        if (code == RtcDevice::GetDateTime) {
            const bool read = m_rtc->read(&record);
            if (!pending()) {
                *result = -EINTR;
                return true;
            }
            *result = read && memory.write(argument, &record, sizeof record) ? 0 : -EIO;
            m_clockLog->append(QByteArray("get ") + (*result == 0 ? "ok" : "failed"));
        } else if (code == RtcDevice::SetDateTime) {
            const bool got = memory.read(argument, &record, sizeof record);
            if (!pending()) {
                *result = -EINTR;
                return true;
            }
            const bool written = got && m_rtc->write(record);
            *result = written ? 0 : -EIO;
            m_clockLog->append(QByteArray("set ") + QByteArray::number(record.year + 1900) + '-'
                               + QByteArray::number(record.mon + 1) + '-' + QByteArray::number(record.mday) + ' '
                               + QByteArray::number(record.hour) + ':' + QByteArray::number(record.min) + ':'
                               + QByteArray::number(record.sec));
        } else {
            *result = -ENOTTY;
        }
        return true;
    }

    int word = 0;
    const bool got = memory.read(argument, &word, sizeof word);
    // What was read, and what is written back, only while the program
    // still waits: the number may be another process's by now.
    if (!pending()) {
        *result = -EINTR;
        return true;
    }
    if (!got) {
        *result = -EFAULT;
        return true;
    }
    m_powerLog->append(QByteArray(gpio ? "gpio " : "pwm ") + QByteArray::number(qulonglong(code)) + ' '
                       + QByteArray::number(word));
    *result = 0;
    if (!gpio)
        return true;
    // The driver answers the panel's state and the charger's in the word.
    if (code == SimPowerDevice::GpioSetLcd)
        m_lcd = word ? 1 : 0;
    else if (code == SimPowerDevice::GpioGetLcd)
        *result = memory.write(argument, &m_lcd, sizeof m_lcd) ? 0 : -EFAULT;
    else if (code == SimPowerDevice::GpioChargerStatus) {
        const int notCharging = 0;
        *result = memory.write(argument, &notCharging, sizeof notCharging) ? 0 : -EFAULT;
    }
    return true;
}
