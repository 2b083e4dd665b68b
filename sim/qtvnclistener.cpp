#include "qtvnclistener.h"

#include <QDir>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A TCP socket of this process listening on the wildcard address.
bool listensEverywhere(int fd)
{
    int value = 0;
    socklen_t length = sizeof value;
    if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &value, &length) != 0 || !value)
        return false;
    length = sizeof value;
    if (::getsockopt(fd, SOL_SOCKET, SO_TYPE, &value, &length) != 0 || value != SOCK_STREAM)
        return false;
    sockaddr_storage address = {};
    length = sizeof address;
    if (::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return false;
    if (address.ss_family == AF_INET6)
        return IN6_IS_ADDR_UNSPECIFIED(&reinterpret_cast<sockaddr_in6 *>(&address)->sin6_addr);
    if (address.ss_family == AF_INET)
        return reinterpret_cast<sockaddr_in *>(&address)->sin_addr.s_addr == htonl(INADDR_ANY);
    return false;
}
} // namespace

int QtVncListener::confine()
{
    int found = -1;
    const QStringList descriptors = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString &name : descriptors) {
        bool ok = false;
        const int fd = name.toInt(&ok);
        if (!ok || !listensEverywhere(fd))
            continue;
        if (found >= 0)
            return -1; // which one is Qt's is not clear
        found = fd;
    }
    if (found < 0)
        return -1;

    const int loopback = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (loopback < 0)
        return -1;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(loopback, reinterpret_cast<sockaddr *>(&address), length) != 0 || ::listen(loopback, 8) != 0
        || ::getsockname(loopback, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(loopback);
        return -1;
    }
    // The server's notifier watches the descriptor's number: it now accepts
    // from the loopback socket. Kept close-on-exec for the self-restart.
    if (::dup3(loopback, found, O_CLOEXEC) < 0) {
        ::close(loopback);
        return -1;
    }
    ::close(loopback);
    return ntohs(address.sin_port);
}
