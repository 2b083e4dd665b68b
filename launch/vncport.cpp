#include "vncport.h"

#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// Only "address in use" counts as busy; without IPv6 the IPv4 wildcard is
// tried instead.
bool canListen(int family, int port)
{
    const int fd = VncPort::listenOnAll(family, port, 1);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EAFNOSUPPORT && family == AF_INET6)
        return canListen(AF_INET, port);
    return errno != EADDRINUSE;
}
} // namespace

int VncPort::listenOnAll(int family, int port, int backlog)
{
    const int fd = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    int rc;
    if (family == AF_INET6) {
        const int off = 0;
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        sockaddr_in6 address = {};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        address.sin6_port = htons(uint16_t(port));
        rc = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    } else {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(uint16_t(port));
        rc = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    }
    if (rc != 0 || ::listen(fd, backlog) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool VncPort::isFree(int port)
{
    return canListen(AF_INET6, port);
}

QString VncPort::hint(int port)
{
    return QStringLiteral("No display: serving the camera screen over VNC, connect a viewer to localhost:%1\n"
                          "(it listens on every network interface, with no password)")
        .arg(port);
}

QString VncPort::busyMessage(int port)
{
    return QStringLiteral("VNC port %1 is busy (another VNC server or simulator?); "
                          "stop it or choose a free port with --vnc-port N")
        .arg(port);
}
