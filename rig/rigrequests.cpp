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
#include <linux/seccomp.h>
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

bool readMemory(pid_t pid, unsigned long long address, void *buffer, size_t size)
{
    iovec local{buffer, size};
    iovec remote{reinterpret_cast<void *>(address), size};
    return ::process_vm_readv(pid, &local, 1, &remote, 1, 0) == ssize_t(size);
}

bool writeMemory(pid_t pid, unsigned long long address, const void *buffer, size_t size)
{
    iovec local{const_cast<void *>(buffer), size};
    iovec remote{reinterpret_cast<void *>(address), size};
    return ::process_vm_writev(pid, &local, 1, &remote, 1, 0) == ssize_t(size);
}

int receiveDescriptor(int channel)
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

} // namespace

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
    seccomp_notif_resp response{};
    response.id = request.id;
    long long result = 0;
    if (request.data.nr == __NR_sync) {
        // Nothing of this machine is flushed for the program.
        m_powerLog->append("sync");
    } else if (request.data.nr == __NR_settimeofday || request.data.nr == __NR_clock_settime) {
        // Nor is its clock set: the time asked for is recorded.
        result = recordSystemTime(request);
        if (result < 0)
            response.error = int(result);
    } else if (!handleIoctl(request, &result)) {
        response.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
    } else if (result < 0) {
        response.error = int(result);
    } else {
        response.val = result;
    }
    ::ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &response);
}

long long RigRequests::recordSystemTime(const seccomp_notif &request)
{
    // timeval and timespec both begin with the seconds.
    const unsigned long long time = request.data.nr == __NR_settimeofday ? request.data.args[0] : request.data.args[1];
    qint64 seconds = 0;
    if (!readMemory(pid_t(request.pid), time, &seconds, sizeof seconds))
        return -EFAULT;
    m_clockLog->append("system " + QDateTime::fromSecsSinceEpoch(seconds).toString(Qt::ISODate).toLatin1());
    return 0;
}

bool RigRequests::handleIoctl(const seccomp_notif &request, long long *result)
{
    const pid_t pid = pid_t(request.pid);
    const QByteArray node = descriptorPath(pid, request.data.args[0]);
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
            *result = read && writeMemory(pid, argument, &record, sizeof record) ? 0 : -EIO;
            m_clockLog->append(QByteArray("get ") + (*result == 0 ? "ok" : "failed"));
        } else if (code == RtcDevice::SetDateTime) {
            const bool written = readMemory(pid, argument, &record, sizeof record) && m_rtc->write(record);
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
    if (!readMemory(pid, argument, &word, sizeof word)) {
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
        *result = writeMemory(pid, argument, &m_lcd, sizeof m_lcd) ? 0 : -EFAULT;
    else if (code == SimPowerDevice::GpioChargerStatus) {
        const int notCharging = 0;
        *result = writeMemory(pid, argument, &notCharging, sizeof notCharging) ? 0 : -EFAULT;
    }
    return true;
}
